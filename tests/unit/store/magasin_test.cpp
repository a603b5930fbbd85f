#include "magasin.h"

#include <gtest/gtest.h>

#include <cstring>

#include "faux_systeme.h"
#include "outils_fiches.h"

namespace {

class MagasinTest : public EssaiMagasin {
 protected:
  std::string Octets() const {
    return std::string((const char*)m.lpDebutMem, m.TailleTotaleFiches);
  }
};

TEST_F(MagasinTest, NouveauMagasinEstUneFicheVideDansUnBlocDe1027Octets) {
  ASSERT_EQ(MagasinNouveau(&m, sys->memoire), 1);
  EXPECT_EQ(m.longSize, 1027u);
  EXPECT_EQ(m.TailleTotaleFiches, 27u);
  std::string attendu("\0\0", 2);
  for (int i = 0; i < 5; i++) attendu += std::string("\x01\x00\x00\x01\x00", 5);
  EXPECT_EQ(Octets(), attendu);
  EXPECT_EQ(m.lpFinMem, m.lpDebutMem + 27);
  EXPECT_EQ(m.lpFicheEcran, m.lpDebutMem);
  EXPECT_EQ(m.NumFiche, 1);
  EXPECT_EQ(m.TotalFiches, 1);
}

TEST_F(MagasinTest, NouveauGardeLeBlocExistantEtSaTaille) {
  RemplirMagasin(&m, sys->memoire, {{"a", "b", "c", "d", "e"}, {"f", "g", "h", "i", "j"}}, 5000);
  Poignee bloc = m.GlobalDebutMem;
  uint32_t taille = m.longSize;
  ASSERT_EQ(MagasinNouveau(&m, sys->memoire), 1);
  EXPECT_EQ(m.GlobalDebutMem, bloc);
  EXPECT_EQ(m.longSize, taille);
  EXPECT_EQ(m.TotalFiches, 1);
  EXPECT_EQ(m.TailleTotaleFiches, 27u);
}

TEST_F(MagasinTest, PremiereAllocationQuiEchoueEstSignalee) {
  faux.echec_allocation_dans = 1;
  EXPECT_EQ(MagasinNouveau(&m, sys->memoire), 0);
  EXPECT_EQ(m.GlobalDebutMem, nullptr);
}

TEST_F(MagasinTest, MarcheDansLesDeuxSens) {
  RemplirMagasin(
      &m, sys->memoire,
      {{"un", "", "", "", ""}, {"deux", "http://x", "", "", "n"}, {"trois", "", "", "", ""}});
  uint8_t* p1 = m.lpDebutMem;
  uint8_t* p2 = FicheSuivante(p1);
  uint8_t* p3 = FicheSuivante(p2);
  EXPECT_EQ(TextesFiche(p2)[0], "deux");
  EXPECT_EQ(TextesFiche(p3)[0], "trois");
  EXPECT_EQ(FicheSuivante(p3), m.lpFinMem);
  EXPECT_EQ(FichePrecedente(m.lpFinMem), p3);
  EXPECT_EQ(FichePrecedente(p3), p2);
  EXPECT_EQ(FichePrecedente(p2), m.lpDebutMem);
  EXPECT_EQ(MagasinFiche(&m, 3), p3);
}

TEST_F(MagasinTest, UnChampDe65000CaracteresPrend65005Octets) {
  std::string long_texte(65000, 'x');
  RemplirMagasin(&m, sys->memoire, {{long_texte, "", "", "", ""}});
  EXPECT_EQ(LireMot(m.lpDebutMem + 2), 65001);
  EXPECT_EQ(m.TailleTotaleFiches, 27u + 65000u);
  EXPECT_EQ(FicheSuivante(m.lpDebutMem), m.lpFinMem);
}

TEST_F(MagasinTest, ReecrireAvecLesMemesTaillesNeDeplaceRien) {
  RemplirMagasin(&m, sys->memoire, {{"abc", "", "", "", ""}, {"suite", "", "", "", ""}});
  uint8_t* deuxieme = FicheSuivante(m.lpDebutMem);
  const char* t[5] = {"xyz", "", "", "", ""};
  uint32_t l[5] = {3, 0, 0, 0, 0};
  ASSERT_EQ(MagasinReecrireFiche(&m, sys->memoire, 1, t, l), 1);
  EXPECT_EQ(FicheSuivante(m.lpDebutMem), deuxieme);
  EXPECT_EQ(TextesFiche(deuxieme)[0], "suite");
  EXPECT_EQ(TextesFiche(m.lpDebutMem)[0], "xyz");
  EXPECT_EQ(LireMot(m.lpDebutMem), 1);
}

TEST_F(MagasinTest, ReecrireUneFicheQuiGranditOuRetrecitGardeLesAutres) {
  RemplirMagasin(&m, sys->memoire,
                 {{"1", "", "", "", ""}, {"deux", "u", "r", "m", "n"}, {"3", "", "", "", ""}});
  m.lpFicheEcran = FicheSuivante(m.lpDebutMem);
  m.NumFiche = 2;
  const char* grand[5] = {"deuxieme fiche", "http://exemple.fr/", "Rubrique", "mots", "notes\r\nsur deux lignes"};
  uint32_t lg[5];
  for (int i = 0; i < 5; i++) lg[i] = (uint32_t)strlen(grand[i]);
  ASSERT_EQ(MagasinReecrireFiche(&m, sys->memoire, 0, grand, lg), 1);
  EXPECT_EQ(TextesFiche(m.lpFicheEcran)[4], "notes\r\nsur deux lignes");
  EXPECT_EQ(TextesFiche(FicheSuivante(m.lpFicheEcran))[0], "3");
  EXPECT_EQ(FicheSuivante(FicheSuivante(m.lpFicheEcran)), m.lpFinMem);

  const char* vide[5] = {"", "", "", "", ""};
  uint32_t zero[5] = {0, 0, 0, 0, 0};
  ASSERT_EQ(MagasinReecrireFiche(&m, sys->memoire, 0, vide, zero), 1);
  EXPECT_EQ(m.TailleTotaleFiches, 3 * 27u + 2);
  EXPECT_EQ(TextesFiche(FicheSuivante(m.lpFicheEcran))[0], "3");
  EXPECT_EQ(m.TailleTotaleFiches, (uint32_t)(m.lpFinMem - m.lpDebutMem));
}

TEST_F(MagasinTest, UnTexteTropLongEstCoupeA65000Caracteres) {
  MagasinNouveau(&m, sys->memoire);
  std::string long_texte(70000, 'a');
  const char* t[5] = {"", "", "", "", long_texte.c_str()};
  uint32_t l[5] = {0, 0, 0, 0, 70000};
  ASSERT_EQ(MagasinReecrireFiche(&m, sys->memoire, 0, t, l), 1);
  EXPECT_EQ(TextesFiche(m.lpDebutMem)[4].size(), 65000u);
  EXPECT_EQ(m.TailleTotaleFiches, 27u + 65000u);
}

TEST_F(MagasinTest, CroissanceA1001OctetsLibresSansRealloc_A1000AvecRealloc) {
  RemplirMagasin(&m, sys->memoire, {{"ab", "", "", "", ""}}, 1001);
  const char* t[5] = {"abc", "", "", "", ""};
  uint32_t l[5] = {3, 0, 0, 0, 0};
  uint32_t taille = m.longSize;
  ASSERT_EQ(MagasinReecrireFiche(&m, sys->memoire, 0, t, l), 1);
  EXPECT_EQ(m.longSize, taille) << "1,001 spare bytes: no reallocation";

  // Now exactly 1,000 spare bytes: growing by one reallocates to used + 1,001.
  ASSERT_EQ(m.longSize - m.TailleTotaleFiches, 1000u);
  const char* t2[5] = {"abcd", "", "", "", ""};
  uint32_t l2[5] = {4, 0, 0, 0, 0};
  uint32_t avant = m.TailleTotaleFiches;
  ASSERT_EQ(MagasinReecrireFiche(&m, sys->memoire, 0, t2, l2), 1);
  EXPECT_EQ(m.longSize, avant + 1001);
  EXPECT_EQ(TextesFiche(m.lpFicheEcran)[0], "abcd");
  EXPECT_EQ(m.lpFinMem, m.lpDebutMem + m.TailleTotaleFiches);
}

TEST_F(MagasinTest, EspaceOuvertAvantLaFicheEcranLaDeplace) {
  RemplirMagasin(&m, sys->memoire, {{"1", "", "", "", ""}, {"2", "", "", "", ""}}, 0);
  m.lpFicheEcran = FicheSuivante(m.lpDebutMem);
  uint8_t* p = m.lpDebutMem;
  ASSERT_EQ(MagasinOuvrirEspace(&m, sys->memoire, &p, 27), 1);  // the block has to move
  FicheEcrireVide(p);
  EXPECT_EQ(TextesFiche(m.lpFicheEcran)[0], "2");
  EXPECT_EQ(m.lpFicheEcran, m.lpDebutMem + 27 + 28);
  MagasinFermerEspace(&m, m.lpDebutMem + 27, 27);
  EXPECT_EQ(TextesFiche(m.lpFicheEcran)[0], "2");
  EXPECT_EQ(m.lpFicheEcran, m.lpDebutMem + 28);
}

TEST_F(MagasinTest, CroissanceImpossibleNeChangeRien) {
  RemplirMagasin(&m, sys->memoire, {{"ab", "", "", "", ""}}, 0);
  std::string avant = Octets();
  faux.echec_allocation_dans = 1;
  const char* t[5] = {"abcdef", "", "", "", ""};
  uint32_t l[5] = {6, 0, 0, 0, 0};
  EXPECT_EQ(MagasinReecrireFiche(&m, sys->memoire, 0, t, l), 0);
  EXPECT_EQ(Octets(), avant);
  EXPECT_NE(m.lpDebutMem, nullptr);
}

TEST(FichesValides, RefuseLesLongueursQuiDebordentEtLesComptesFaux) {
  std::string deux = OctetsFiche({"a", "b", "", "", ""}) + OctetsFiche({"", "", "", "", "z"});
  const uint8_t* d = (const uint8_t*)deux.data();
  EXPECT_TRUE(FichesValides(d, deux.size(), 2));
  EXPECT_FALSE(FichesValides(d, deux.size(), 1)) << "bytes left over";
  EXPECT_FALSE(FichesValides(d, deux.size(), 3)) << "fewer cards than counted";
  EXPECT_FALSE(FichesValides(d, deux.size() - 1, 2)) << "last length runs past the end";

  std::string copie_differente = deux;
  copie_differente[2 + 2 + 2] = 9;  // trailing copy of the first field
  EXPECT_FALSE(FichesValides((const uint8_t*)copie_differente.data(), deux.size(), 2));
  std::string sans_nul = deux;
  sans_nul[2 + 2 + 1] = 'x';
  EXPECT_FALSE(FichesValides((const uint8_t*)sans_nul.data(), deux.size(), 2));
  std::string longueur_nulle = OctetsFiche({"", "", "", "", ""});
  longueur_nulle[2] = 0;
  EXPECT_FALSE(FichesValides((const uint8_t*)longueur_nulle.data(), longueur_nulle.size(), 1));
  EXPECT_FALSE(FichesValides(d, 1, 1));
}

}  // namespace
