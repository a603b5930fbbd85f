#include "ajout_fiche.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faux_systeme.h"
#include "outils_fiches.h"

namespace {

class AjoutFicheTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  Magasin m{};
  uint16_t modifiees = 0;

  void TearDown() override {
    if (m.GlobalDebutMem) {
      sys->memoire->bloc_deverrouiller(sys->memoire->ctx, m.GlobalDebutMem);
      sys->memoire->bloc_liberer(sys->memoire->ctx, m.GlobalDebutMem);
    }
    EXPECT_EQ(faux.blocs_vivants, 0);
  }
  ResultatAjout Ajouter(const Textes& t, IndexUrls* index = nullptr) {
    const char* textes[NB_CHAMPS];
    for (int i = 0; i < 5; i++) textes[i] = t[i].c_str();
    return FicheAjouter(sys->memoire, &m, textes, &modifiees, index);
  }
  std::vector<Textes> Fiches() const {
    std::vector<Textes> f;
    for (uint8_t* p = m.lpDebutMem; p != m.lpFinMem; p = FicheSuivante(p))
      f.push_back(TextesFiche(p));
    return f;
  }
  // The store's invariants after every append.
  void Verifier() const {
    ASSERT_EQ(m.TailleTotaleFiches, (uint32_t)(m.lpFinMem - m.lpDebutMem));
    ASSERT_GE(m.longSize, m.TailleTotaleFiches);
    ASSERT_EQ(FichesValides(m.lpDebutMem, m.TailleTotaleFiches, (uint32_t)m.TotalFiches), 1);
    ASSERT_EQ(MagasinFiche(&m, m.NumFiche), m.lpFicheEcran);
  }
};

const Textes A = {"Site A", "http://a.fr/", "", "", "Provenance"};
const Textes B = {"Site B", "http://b.fr/", "Rub", "mots", ""};
const Textes C = {"", "ftp://c.fr", "", "", ""};

TEST_F(AjoutFicheTest, LaFicheVideALEcranEstRemplaceeMemeMarquee) {
  for (uint16_t marque : {0, 1}) {
    ASSERT_EQ(MagasinNouveau(&m, sys->memoire), 1);
    EcrireMot(m.lpDebutMem, marque);
    modifiees = 0;
    ASSERT_EQ(Ajouter(A), AJOUT_FAIT);
    Verifier();
    EXPECT_EQ(m.TotalFiches, 1);
    EXPECT_EQ(m.NumFiche, 1);
    EXPECT_EQ(LireMot(m.lpDebutMem), 0);
    EXPECT_EQ(Fiches(), std::vector<Textes>{A});
    EXPECT_EQ(modifiees, 1);
  }
}

TEST_F(AjoutFicheTest, LesNouvellesFichesSuiventLaFicheALEcranDansLOrdre) {
  RemplirMagasin(&m, sys->memoire, {A, B, A});
  m.lpFicheEcran = FicheSuivante(m.lpDebutMem);
  m.NumFiche = 2;
  ASSERT_EQ(Ajouter(C), AJOUT_FAIT);
  Verifier();
  ASSERT_EQ(Ajouter(B), AJOUT_FAIT);
  Verifier();
  EXPECT_EQ(Fiches(), (std::vector<Textes>{A, B, C, B, A}));
  EXPECT_EQ(m.NumFiche, 4);
  EXPECT_EQ(m.TotalFiches, 5);
  EXPECT_EQ(TextesFiche(m.lpFicheEcran), B);
  // Back on card 1, a second import comes before the first one's cards.
  m.lpFicheEcran = m.lpDebutMem;
  m.NumFiche = 1;
  ASSERT_EQ(Ajouter(C), AJOUT_FAIT);
  EXPECT_EQ(Fiches(), (std::vector<Textes>{A, C, B, C, B, A}));
  EXPECT_EQ(m.NumFiche, 2);
}

TEST_F(AjoutFicheTest, UneFicheVideAuMilieuEstRemplaceeSurPlace) {
  RemplirMagasin(&m, sys->memoire, {A, {"", "", "", "", ""}, B});
  m.lpFicheEcran = FicheSuivante(m.lpDebutMem);
  m.NumFiche = 2;
  ASSERT_EQ(Ajouter(C), AJOUT_FAIT);
  Verifier();
  EXPECT_EQ(Fiches(), (std::vector<Textes>{A, C, B}));
  EXPECT_EQ(m.NumFiche, 2);
  EXPECT_EQ(m.TotalFiches, 3);
  // The card on screen is no longer empty: the next card follows it.
  ASSERT_EQ(Ajouter(A), AJOUT_FAIT);
  EXPECT_EQ(m.TotalFiches, 4);
}

TEST_F(AjoutFicheTest, ALaLimiteSeuleLaFicheVideALEcranPeutEtreRemplacee) {
  ASSERT_EQ(MagasinNouveau(&m, sys->memoire), 1);
  m.TotalFiches = m.NumFiche = MAX_FICHES;  // the count alone decides
  ASSERT_EQ(Ajouter(A), AJOUT_FAIT);
  EXPECT_EQ(m.TotalFiches, (int32_t)MAX_FICHES);
  std::string avant((const char*)m.lpDebutMem, m.TailleTotaleFiches);
  uint8_t* ecran = m.lpFicheEcran;
  modifiees = 0;
  EXPECT_EQ(Ajouter(B), AJOUT_LIMITE);
  EXPECT_EQ(std::string((const char*)m.lpDebutMem, m.TailleTotaleFiches), avant);
  EXPECT_EQ(m.TotalFiches, (int32_t)MAX_FICHES);
  EXPECT_EQ(m.lpFicheEcran, ecran);
  EXPECT_EQ(modifiees, 0);
  // One card below the limit, a card is still added.
  m.TotalFiches = m.NumFiche = MAX_FICHES - 1;
  EXPECT_EQ(Ajouter(B), AJOUT_FAIT);
  EXPECT_EQ(m.TotalFiches, (int32_t)MAX_FICHES);
}

TEST_F(AjoutFicheTest, LeBlocGranditParLaRegleDesMilleOctets) {
  const uint32_t taille_c = 27 + 10;  // "ftp://c.fr"
  // The card and 1,000 spare bytes fit: no growth.
  RemplirMagasin(&m, sys->memoire, {A}, taille_c + 1000);
  uint32_t taille = m.longSize;
  ASSERT_EQ(Ajouter(C), AJOUT_FAIT);
  EXPECT_EQ(m.longSize, taille);
  // One byte short: the block grows to the data, the card and 1,000 bytes.
  uint32_t avant = m.TailleTotaleFiches;
  ASSERT_EQ(Ajouter(C), AJOUT_FAIT);
  EXPECT_EQ(m.longSize, avant + taille_c + 1000);
  Verifier();
  EXPECT_EQ(Fiches(), (std::vector<Textes>{A, C, C}));
}

TEST_F(AjoutFicheTest, UnBlocQuiNePeutGrandirRendUnDebutNul) {
  RemplirMagasin(&m, sys->memoire, {A, B}, 0);
  faux.echec_allocation_dans = 1;
  modifiees = 0;
  EXPECT_EQ(Ajouter(C), AJOUT_SANS_BLOC);
  EXPECT_EQ(m.lpDebutMem, nullptr);
  EXPECT_EQ(m.lpFinMem, nullptr);
  EXPECT_EQ(m.lpFicheEcran, nullptr);
  EXPECT_NE(m.GlobalDebutMem, nullptr);  // still the caller's to free
  EXPECT_EQ(modifiees, 0);
}

TEST_F(AjoutFicheTest, UnTexteTropLongPourSonMotDeLongueurEstCoupe) {
  ASSERT_EQ(MagasinNouveau(&m, sys->memoire), 1);
  std::string long_texte(70000, 'u');
  ASSERT_EQ(Ajouter({"n", long_texte, "", "", std::string(65534, 'x')}), AJOUT_FAIT);
  Verifier();
  Textes t = TextesFiche(m.lpDebutMem);
  EXPECT_EQ(t[CHAMP_URL], std::string(65534, 'u'));
  EXPECT_EQ(t[CHAMP_NOTES], std::string(65534, 'x'));
}

TEST_F(AjoutFicheTest, LIndexSuitLesFichesAjouteesEtRemplacees) {
  ASSERT_EQ(MagasinNouveau(&m, sys->memoire), 1);
  IndexUrls index;
  IndexUrlsConstruire(sys->memoire, &index, &m, COMPARAISON_OCTETS);
  EXPECT_TRUE(IndexUrlsContient(&index, "", 0));
  ASSERT_EQ(Ajouter(A, &index), AJOUT_FAIT);
  // The empty card that was replaced is no longer in the store.
  EXPECT_FALSE(IndexUrlsContient(&index, "", 0));
  EXPECT_TRUE(IndexUrlsContient(&index, "http://a.fr/", 12));
  EXPECT_FALSE(IndexUrlsContient(&index, "http://b.fr/", 12));
  ASSERT_EQ(Ajouter(B, &index), AJOUT_FAIT);
  EXPECT_TRUE(IndexUrlsContient(&index, "http://b.fr/", 12));
  IndexUrlsLiberer(sys->memoire, &index);
}

}  // namespace
