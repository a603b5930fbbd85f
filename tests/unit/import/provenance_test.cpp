#include "provenance.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Texte(const Provenance& p) { return std::string(p.texte, p.longueur); }

TEST(Provenance, LeCommentaireNommeLeFichierLuEntreDeuxFinsDeLigne) {
  Provenance p;
  ProvenanceConstruire(&p, "C:\\Pages\\liens.htm", 1);
  EXPECT_EQ(Texte(p), "Provenance de ce lien: \r\nC:\\Pages\\liens.htm\r\n");
  EXPECT_EQ(p.texte[p.longueur], 0);
  // Without the option, or for the next file, the text starts afresh.
  ProvenanceConstruire(&p, "C:\\autre.htm", 0);
  EXPECT_EQ(Texte(p), "");
  EXPECT_EQ(p.texte[0], 0);
  ProvenanceConstruire(&p, "", 1);
  EXPECT_EQ(Texte(p), "Provenance de ce lien: \r\n\r\n");
}

TEST(Provenance, UnCheminTropLongEstCoupeA299Caracteres) {
  Provenance p;
  std::string chemin = "C:\\" + std::string(400, 'd');
  ProvenanceConstruire(&p, chemin.c_str(), 1);
  EXPECT_EQ(Texte(p), "Provenance de ce lien: \r\n" + chemin.substr(0, 299) + "\r\n");
  EXPECT_EQ(p.longueur + 1, sizeof p.texte);
}

}  // namespace
