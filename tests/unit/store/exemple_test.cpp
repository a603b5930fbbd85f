// The sample card file shipped beside the program loads and holds the kinds
// of cards a first look at the program should show.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "faux_systeme.h"
#include "fichier_donnees.h"
#include "outils_fiches.h"

namespace {

TEST(Exemple, SeChargeEtMontreToutesLesSortesDeFiches) {
  std::ifstream in(LVX_EXEMPLE, std::ios::binary);
  ASSERT_TRUE(in) << LVX_EXEMPLE;
  std::stringstream octets;
  octets << in.rdbuf();

  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  faux.Ecrire("C:\\exemple.lvx", octets.str());
  Magasin m{};
  MagasinNouveau(&m, &faux.memoire);
  std::vector<uint8_t> tampon(TAILLE_TRANSFERT);
  ASSERT_EQ(
      DonneesCharger(&faux.memoire, &faux.fichiers, &faux.fenetres, &m, "C:\\exemple.lvx",
                     "LorVanix version1 Fichier CARTES", nullptr, nullptr, tampon.data(), nullptr),
      1);
  EXPECT_GE(m.TotalFiches, 30);
  int marquees = 0, courriels = 0, extra_web = 0, accents = 0;
  for (uint8_t* p = m.lpDebutMem; p != m.lpFinMem; p = FicheSuivante(p)) {
    Textes t = TextesFiche(p);
    marquees += LireMot(p) != 0;
    courriels += t[1].rfind("mailto:", 0) == 0;
    extra_web += t[1].rfind("<EXTRAWEB>", 0) == 0;
    for (const std::string& champ : t) accents += champ.find('\xE9') != std::string::npos;
  }
  EXPECT_GE(marquees, 2);
  EXPECT_GE(courriels, 2);
  EXPECT_GE(extra_web, 2);
  EXPECT_GT(accents, 5) << "French texts in Windows-1252";
  MagasinLiberer(&m, &faux.memoire);
}

}  // namespace
