#include "essai_impression.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

void EssaiImpression::SetUp() {
  InstallerFauxSysteme(&faux);
  faux.focus = FOCUS;
  faux.noms_objets = {{POLICE, "police"}, {POLICE_TITRE, "titre"}, {STYLO, "stylo"}};
  // A device-names block: four offsets, then driver, device and port.
  const char noms[] = "\x08\x00\x11\x00\x15\x00\x00\x00winspool\0PDF\0FILE:";
  impression.lStructSize = 66;
  impression.hDC = DC;
  impression.hDevNames = faux.memoire.bloc_allouer(faux.memoire.ctx, sizeof noms);
  memcpy(faux.memoire.bloc_verrouiller(faux.memoire.ctx, impression.hDevNames), noms, sizeof noms);
  faux.memoire.bloc_deverrouiller(faux.memoire.ctx, impression.hDevNames);
}

void EssaiImpression::TearDown() {
  if (impression.hDevNames) faux.memoire.bloc_liberer(faux.memoire.ctx, impression.hDevNames);
  EXPECT_EQ(faux.blocs_vivants, 0) << "every block is freed";
}

void EssaiImpression::Remplir(const std::vector<Carte>& fiches) {
  cartes.clear();
  for (const Carte& c : fiches) cartes += OctetsFiche(c.textes, c.marque);
}

std::string EssaiImpression::Journal() const {
  std::string j;
  for (const std::string& l : faux.dessins) j += l + "\n";
  return j;
}

void EssaiImpression::Golden(const std::string& nom) const {
  const std::string chemin = std::string(LVX_GOLDEN_IMPRESSION) + "/" + nom;
  if (getenv("LVX_GOLDEN_REECRIRE")) std::ofstream(chemin, std::ios::binary) << Journal();
  std::ifstream in(chemin, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  EXPECT_EQ(Journal(), s.str()) << nom;
}

bool EssaiImpression::Documente() const {
  return std::find(faux.dessins.begin(), faux.dessins.end(), "document debut Document Lorvanix") !=
         faux.dessins.end();
}

void EssaiImpression::VerifierFin() const {
  ASSERT_FALSE(faux.activations.empty());
  EXPECT_EQ(faux.activations.front(), std::make_pair(FENETRE, 0));
  EXPECT_EQ(faux.activations.back(), std::make_pair(FENETRE, 1));
  EXPECT_EQ(faux.boite_impression_ouverte, 0);
}
