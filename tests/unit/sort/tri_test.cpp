// The sort through its exports, on the fake system whose comparison is
// Windows' order of texts: the order of the straightforward
// selection sort, the card on screen followed, the marks kept, and the
// store untouched when memory fails.
#include <gtest/gtest.h>

#include <strings.h>

#include <random>

#include "bench/tri_litteral.h"
#include "lvxtri.h"
#include "outils_fiches.h"

namespace {

using Ordre = std::vector<std::pair<int, uint16_t>>;  // card numbers and mark words

class TriTest : public EssaiMagasin {
 protected:
  void SetUp() override { InstallerFauxSysteme(&faux); }
  // Card k holds k in Notes; marques are their mark words.
  void Remplir(std::vector<Textes> fiches, const std::vector<uint16_t>& marques) {
    for (size_t k = 0; k < fiches.size(); k++) fiches[k][4] = std::to_string(k);
    MagasinLiberer(&m, sys->memoire);
    RemplirMagasin(&m, sys->memoire, fiches);
    uint8_t* f = m.lpDebutMem;
    for (uint16_t marque : marques) {
      EcrireMot(f, marque);
      f = FicheSuivante(f);
    }
  }
  uint8_t* Trier(uint16_t cle, int32_t ecran) {
    return TrierAlpha(m.lpDebutMem, m.lpFinMem, MagasinFiche(&m, ecran), m.TotalFiches, cle,
                      (Poignee)1);
  }
  Ordre Cartes() {
    Ordre o;
    for (uint8_t* f = m.lpDebutMem; f < m.lpFinMem; f = FicheSuivante(f))
      o.push_back({std::stoi(TextesFiche(f)[4]), LireMot(f)});
    return o;
  }
  std::string Octets() { return std::string((char*)m.lpDebutMem, m.lpFinMem - m.lpDebutMem); }
};

// Empty keys first, equal keys in their former order, small letters before
// capitals, a plain letter before its accented forms; the card on screen
// comes back under its new number, and every mark stays.
TEST_F(TriTest, OrdreStableCarteEcranSuivieMarquesGardees) {
  const std::vector<Textes> fiches = {
      {"b", "http://m.fr/", "Web", "", ""}, {"", "http://a.fr/", "", "", ""},
      {"é", "http://m.fr/", "web", "", ""}, {"B", "", "Web", "", ""},
      {"a", "http://m.fr/", "", "", ""},    {"e", "http://a.fr/", "Art", "", ""}};
  const std::vector<uint16_t> marques = {1, 0, 1, 0, 0, 1};
  const struct {
    uint16_t cle;
    int32_t ecran;  // before the sort
    std::vector<int> ordre;
  } cas[] = {{1, 1, {1, 4, 0, 3, 5, 2}},
             {2, 2, {3, 1, 5, 0, 2, 4}},
             {3, 4, {1, 4, 5, 2, 0, 3}},
             {3, 6, {1, 4, 5, 2, 0, 3}}};
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << "cle " << c.cle << ", fiche " << c.ecran);
    Remplir(fiches, marques);
    uint8_t* ecran = Trier(c.cle, c.ecran);
    Ordre attendu;
    for (int k : c.ordre) attendu.push_back({k, marques[k]});
    EXPECT_EQ(Cartes(), attendu);
    int32_t numero = RecupererNumFicheEcran();
    EXPECT_EQ(ecran, MagasinFiche(&m, numero));
    EXPECT_EQ(c.ordre[numero - 1], c.ecran - 1);
  }
  EXPECT_GT(faux.redessins, 0);
  // A mark word of 4 read from a file is not taken for the marker, and a
  // card on screen marked 2 is followed all the same.
  Remplir({{"c", "", "", "", ""}, {"b", "", "", "", ""}, {"a", "", "", "", ""}}, {4, 2, 0});
  EXPECT_EQ(Trier(1, 2), MagasinFiche(&m, 2));
  EXPECT_EQ(Cartes(), (Ordre{{2, 0}, {1, 2}, {0, 4}}));
  EXPECT_EQ(RecupererNumFicheEcran(), 2);
}

// Either block missing: the message, every block freed, not a byte moved
// (nor the marker of the card on screen).
TEST_F(TriTest, SansMemoireLeMagasinResteIntact) {
  Remplir({{"b", "", "", "", ""}, {"a", "", "", "", ""}, {"c", "", "", "", ""}}, {0, 1, 0});
  std::string avant = Octets();
  faux.focus = (Poignee)7;
  for (int echec : {1, 2}) {
    faux.echec_allocation_dans = echec;
    EXPECT_EQ(Trier(1, 2), nullptr);
    EXPECT_EQ(Octets(), avant);
    ASSERT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de mémoire impossible ! "});
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
    EXPECT_EQ(faux.messages[0].proprietaire, (Poignee)7);
    EXPECT_EQ(faux.blocs_vivants, 1) << "the store's block alone";
    faux.messages.clear();
  }
}

// Random stores over texts that differ by case, accents, blanks, hyphens
// and apostrophes, with many equal keys: the same bytes, card on screen and
// number as the selection sort asking the same comparison, which must be a
// total preorder. Then again with a comparison that finds texts of other
// bytes equal: ASCII letters without regard to case.
TEST_F(TriTest, CommeLaSelectionLitterale) {
  const char* const morceaux[] = {"",   "a", "A", "à", "b", "e", "é",  "É",  "E", "œ",
                                  "oe", " ", "-", "'", "z", "1", "co", "Co", "ß", "ss"};
  std::mt19937 hasard(12);
  auto tirer = [&](size_t n) { return (size_t)(hasard() % n); };
  auto texte = [&]() {
    std::string t;
    for (size_t i = tirer(4); i > 0; i--) t += morceaux[tirer(std::size(morceaux))];
    return t;
  };
  const Caracteres* c = &faux.caracteres;
  auto signe = [&](const std::string& a, const std::string& b) {
    return c->comparer(c->ctx, a.c_str(), b.c_str());
  };
  std::vector<std::string> cles(60);
  for (std::string& t : cles) t = texte();
  for (const std::string& a : cles)
    for (const std::string& b : cles) {
      ASSERT_EQ(signe(a, b), -signe(b, a)) << a << " / " << b;
      for (const std::string& x : cles)
        ASSERT_TRUE(signe(a, b) > 0 || signe(b, x) > 0 || signe(a, x) <= 0)
            << a << " / " << b << " / " << x;
    }
  for (int essai = 0; essai < 24; essai++) {
    if (essai == 12)
      faux.caracteres.comparer = [](void*, const char* a, const char* b) {
        int r = strcasecmp(a, b);
        return r < 0 ? -1 : r > 0;
      };
    std::vector<Textes> fiches;
    std::vector<uint16_t> marques;
    for (size_t k = 0, n = 2 + tirer(150); k < n; k++) {
      fiches.push_back({cles[tirer(cles.size())], texte(), cles[tirer(8)], "", ""});
      marques.push_back((uint16_t)tirer(2));
    }
    uint16_t cle = (uint16_t)(1 + essai % 3);
    int32_t ecran = 1 + (int32_t)tirer(fiches.size()), numero = 0;
    Remplir(fiches, marques);
    std::string copie = Octets();
    uint8_t* debut = (uint8_t*)copie.data();
    uint8_t* litteral = TrierLitteral(c, debut, debut + copie.size(),
                                      debut + (MagasinFiche(&m, ecran) - m.lpDebutMem),
                                      m.TotalFiches, cle, &numero);
    EXPECT_EQ(Trier(cle, ecran) - m.lpDebutMem, litteral - debut) << "essai " << essai;
    EXPECT_EQ(Octets(), copie);
    EXPECT_EQ(RecupererNumFicheEcran(), numero);
  }
}

}  // namespace
