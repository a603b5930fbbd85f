// Many cards resized in one pass give, byte for byte, the store that
// resizing them one after the other in place gives: same cards, same
// block size by the 1,000-byte rule, same card on screen.
#include "reecriture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "outils_fiches.h"

namespace {

// The new card of a change: its old texts, Notes made as long as the new
// size asks, from its site name, so that a card written from the wrong
// place shows.
Textes Nouveaux(const uint8_t* ancienne, uint32_t nouvelle) {
  Textes t = TextesFiche(ancienne);
  uint32_t autres = TAILLE_FICHE_VIDE;
  for (int i = 0; i < 4; i++) autres += (uint32_t)t[i].size();
  std::string notes;
  while (notes.size() < nouvelle - autres) notes += t[0] + "|";
  notes.resize(nouvelle - autres);
  t[CHAMP_NOTES] = notes;
  return t;
}

uint32_t Ecrire(uint8_t* place, const Textes& t, uint16_t marque) {
  const char* textes[NB_CHAMPS];
  uint32_t longueurs[NB_CHAMPS];
  for (int i = 0; i < 5; i++) {
    textes[i] = t[i].data();
    longueurs[i] = (uint32_t)t[i].size();
  }
  return FicheEcrire(place, marque, textes, longueurs);
}

void EcrireNouvelle(void* ctx, const Modification& m, uint8_t* ancienne, uint8_t* place) {
  (*(int*)ctx)++;
  Ecrire(place, Nouveaux(ancienne, m.nouvelle), LireMot(ancienne));
}

class ReecritureTest : public EssaiMagasin {
 protected:
  Magasin lent{};
  void TearDown() override {
    MagasinLiberer(&lent, sys->memoire);
    EssaiMagasin::TearDown();
  }

  // The same store twice, card ecran on screen, marge spare bytes.
  void Remplir(const std::vector<Textes>& fiches, int ecran, uint32_t marge) {
    for (Magasin* x : {&m, &lent}) {
      RemplirMagasin(x, sys->memoire, fiches, marge);
      x->lpFicheEcran = MagasinFiche(x, ecran);
      for (int i = 1; i <= (int)fiches.size(); i += 3) EcrireMot(MagasinFiche(x, i), 1);
    }
  }

  // One card at a time, as the card view rewrites a card: the gap opened
  // or closed before the next card, which moves with the cards after it.
  void UneParUne(const std::vector<Modification>& plan) {
    size_t k = 0;
    uint32_t origine = 0;
    size_t ecran = (size_t)(lent.lpFicheEcran - lent.lpDebutMem);
    for (uint8_t* p = lent.lpDebutMem; p < lent.lpFinMem && k < plan.size();) {
      uint8_t* suivante = FicheSuivante(p);
      uint32_t ancienne = (uint32_t)(suivante - p);
      if (origine != plan[k].position) {
        origine += ancienne;
        p = suivante;
        continue;
      }
      Textes t = Nouveaux(p, plan[k].nouvelle);
      uint16_t marque = LireMot(p);
      size_t decalage = (size_t)(p - lent.lpDebutMem);
      if (plan[k].nouvelle < ancienne) MagasinFermerEspace(&lent, suivante, ancienne - plan[k].nouvelle);
      if (plan[k].nouvelle > ancienne) {
        ASSERT_TRUE(MagasinOuvrirEspace(&lent, sys->memoire, &suivante, plan[k].nouvelle - ancienne));
      }
      if (ecran > decalage) ecran = ecran + plan[k].nouvelle - ancienne;
      p = lent.lpDebutMem + decalage;
      p += Ecrire(p, t, marque);
      origine += ancienne;
      k++;
    }
    lent.lpFicheEcran = lent.lpDebutMem + ecran;
  }
};

TEST_F(ReecritureTest, LesFichesChangeesPlaceesDUnCoupCommeUneParUne) {
  std::mt19937 alea(20240611);
  for (int essai = 0; essai < 300; essai++) {
    SCOPED_TRACE(essai);
    int nombre = 1 + (int)(alea() % 30);
    std::vector<Textes> fiches;
    for (int i = 0; i < nombre; i++) {
      Textes t;
      t[0] = "f" + std::to_string(i);
      t[1] = std::string(alea() % 40, 'u');
      t[CHAMP_NOTES] = std::string(alea() % 60, 'n');
      fiches.push_back(t);
    }
    Remplir(fiches, 1 + (int)(alea() % nombre), alea() % 3 ? 1000 : (uint32_t)(alea() % 1500));
    // Some cards grow, some shrink, some keep their size; runs of each.
    std::vector<Modification> plan;
    uint32_t position = 0;
    int sens = 0;
    for (uint8_t* p = m.lpDebutMem; p < m.lpFinMem; p = FicheSuivante(p)) {
      uint32_t ancienne = (uint32_t)(FicheSuivante(p) - p);
      if (alea() % 4 == 0) sens = (int)(alea() % 3) - 1;
      if (alea() % 3) {
        uint32_t notes = (uint32_t)TextesFiche(p)[CHAMP_NOTES].size();
        uint32_t ecart = (uint32_t)(alea() % 70);
        uint32_t nouvelle = sens > 0 ? ancienne + ecart
                            : sens < 0 ? ancienne - (ecart < notes ? ecart : notes)
                                       : ancienne;
        plan.push_back({position, ancienne, nouvelle, 0});
      }
      position += ancienne;
    }
    UneParUne(plan);
    int ecrites = 0;
    ASSERT_TRUE(MagasinAgrandirPour(&m, sys->memoire, plan.data(), (uint32_t)plan.size()));
    MagasinPlacer(&m, plan.data(), (uint32_t)plan.size(), EcrireNouvelle, &ecrites);
    EXPECT_EQ(ecrites, (int)plan.size()) << "each changed card written once";
    ASSERT_EQ(m.TailleTotaleFiches, lent.TailleTotaleFiches);
    EXPECT_EQ(m.lpFinMem - m.lpDebutMem, (ptrdiff_t)m.TailleTotaleFiches);
    EXPECT_EQ(m.longSize, lent.longSize);
    EXPECT_EQ(m.lpFicheEcran - m.lpDebutMem, lent.lpFicheEcran - lent.lpDebutMem);
    EXPECT_EQ(memcmp(m.lpDebutMem, lent.lpDebutMem, m.TailleTotaleFiches), 0);
    EXPECT_TRUE(FichesValides(m.lpDebutMem, m.TailleTotaleFiches, (uint32_t)nombre));
    MagasinLiberer(&m, sys->memoire);
    MagasinLiberer(&lent, sys->memoire);
  }
}

// Growing by 1 byte with 1,001 spare needs no new block; with 1,000 the
// block becomes the bytes used and 1,000 more. A block that cannot grow
// is left as it was.
TEST_F(ReecritureTest, LaRegleDesMilleOctets) {
  std::vector<Textes> fiches = {{"a", "", "", "", ""}, {"b", "", "", "", ""}};
  for (uint32_t marge : {1001u, 1000u}) {
    Remplir(fiches, 2, marge);
    MagasinLiberer(&lent, sys->memoire);
    uint8_t* debut = m.lpDebutMem;
    Modification plan[] = {{0, 28, 29, 0}};
    ASSERT_TRUE(MagasinAgrandirPour(&m, sys->memoire, plan, 1));
    EXPECT_EQ(m.longSize, 56u + 1 + 1000);
    EXPECT_EQ(m.lpDebutMem == debut, marge == 1001u) << "the fake moves every block it reallocates";
    MagasinLiberer(&m, sys->memoire);
  }
  Remplir(fiches, 2, 0);
  uint8_t avant[56];
  memcpy(avant, m.lpDebutMem, 56);
  Modification plan[] = {{0, 28, 128, 0}, {28, 28, 27, 0}};
  faux.echec_allocation_dans = 1;
  EXPECT_FALSE(MagasinAgrandirPour(&m, sys->memoire, plan, 2));
  EXPECT_EQ(m.longSize, 56u);
  EXPECT_EQ(memcmp(avant, m.lpDebutMem, 56), 0);
  EXPECT_EQ(m.lpFicheEcran, m.lpDebutMem + 28);
  faux.echec_allocation_dans = 0;
  ASSERT_TRUE(MagasinAgrandirPour(&m, sys->memoire, plan, 2));
  EXPECT_EQ(m.longSize, 56u + 100 + 1000) << "the most the cards used on the way, not at the end";
}

}  // namespace
