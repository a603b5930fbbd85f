// Replace, delete and the extra-web split of the bulk conversion, on
// plain texts.
#include "textes_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Cas {
  const char* texte;
  const char* cherche;
  const char* par;  // "" deletes
  uint16_t casse;
  const char* attendu;
  int32_t occurrences;
};

std::string Appliquer(const std::string& texte, const char* cherche, const char* par,
                      uint16_t casse, int32_t* occurrences) {
  Remplacement r;
  RemplacementPreparer(&r, cherche, par, casse);
  std::vector<char> pli(TAILLE_TAMPON_CONVERSION), sortie(LONGUEUR_RESULTAT_MAX);
  uint32_t n = 0;
  *occurrences = Remplacer(&r, {texte.data(), (uint32_t)texte.size()}, pli.data(), sortie.data(), &n);
  return *occurrences > 0 ? std::string(sortie.data(), n) : texte;
}

// The search goes on after each occurrence: what a replacement or a
// deletion brings together is not searched again.
TEST(TextesConversionTest, RemplacerEtSupprimerChaqueOccurrence) {
  const Cas cas[] = {
      {"aaa", "a", "b", 1, "bbb", 3},
      {"aab", "ab", "b", 1, "ab", 1},
      {"Le WEB", "web", "Toile", 0, "Le Toile", 1},
      {"Le WEB", "web", "Toile", 1, "Le WEB", 0},
      {"web Web wEB", "WEB", "x", 0, "x x x", 3},
      {"aabb", "ab", "", 1, "ab", 1},
      {"abab", "ab", "", 0, "", 2},
      {"\xe9t\xe9 \xc9T\xc9 \xe9T\xe9", "\xe9t\xe9", "x", 0, "x \xc9T\xc9 x", 2},  // only a to z fold
      {"", "a", "b", 0, "", 0},
      {"ab", "abc", "x", 1, "ab", 0},
      {"http://site/a.htm", "http://", "https://", 1, "https://site/a.htm", 1},
  };
  for (const Cas& c : cas) {
    int32_t occurrences;
    std::string obtenu = Appliquer(c.texte, c.cherche, c.par, c.casse, &occurrences);
    EXPECT_EQ(obtenu, c.attendu) << c.texte << " / " << c.cherche;
    EXPECT_EQ(occurrences, c.occurrences) << c.texte << " / " << c.cherche;
  }
}

// A result may reach the most a length word allows, not one byte more; a
// text with a NUL inside is still searched whole.
TEST(TextesConversionTest, LeResultatSArreteALaLimiteDuMotDeLongueur) {
  int32_t occurrences;
  std::string par(LONGUEUR_TEXTE_CONVERSION, 'y');
  std::string texte = std::string(LONGUEUR_RESULTAT_MAX - par.size(), 'x') + "ab";
  EXPECT_EQ(Appliquer(texte, "ab", par.c_str(), 1, &occurrences).size(), 65534u);
  texte.insert(0, "x");
  Appliquer(texte, "ab", par.c_str(), 1, &occurrences);
  EXPECT_EQ(occurrences, REMPLACEMENT_TROP_LONG);
  Appliquer(std::string(40000, 'a'), "a", "bb", 0, &occurrences);
  EXPECT_EQ(occurrences, REMPLACEMENT_TROP_LONG);
  EXPECT_EQ(Appliquer(std::string("a\0b", 3), "B", "c", 0, &occurrences), std::string("a\0c", 3));
}

struct Decoupe {
  const char* url;
  const char* application;
  const char* document;
};

TEST(TextesConversionTest, UneUrlExtraWebSeCoupeAuLecteurDuDocument) {
  const Decoupe cas[] = {
      {"<EXTRAWEB>C:\\ed.exe D:\\doc.txt", "C:\\ed.exe", "D:\\doc.txt"},
      {"<EXTRAWEB>C:\\Program Files\\Ed\\ed.exe D:\\a b.txt", "C:\\Program Files\\Ed\\ed.exe",
       "D:\\a b.txt"},
      {"<EXTRAWEB>C:\\ed.exe", "C:\\ed.exe", ""},
      {"<EXTRAWEB>C:\\ed.exe ", "C:\\ed.exe ", ""},
      {"<EXTRAWEB>C:\\ed.exe-D:\\doc.txt", "C:\\ed.exe-D:\\doc.txt", ""},
      {"<EXTRAWEB>C:\\a.exe D:\\b.txt E:\\c", "C:\\a.exe", "D:\\b.txt E:\\c"},
      {"<EXTRAWEB> :", " :", ""},
      {"<EXTRAWEB>", "", ""},
  };
  for (const Decoupe& c : cas) {
    Texte url = {c.url, (uint32_t)strlen(c.url)};
    ASSERT_TRUE(EstUrlExtraWeb(url)) << c.url;
    UrlExtraWeb u = UrlExtraWebDecouper(url);
    EXPECT_EQ(std::string(u.application.octets, u.application.longueur), c.application) << c.url;
    EXPECT_EQ(std::string(u.document.octets, u.document.longueur), c.document) << c.url;
  }
  for (const char* autre : {"<extraweb>C:\\ed.exe", " <EXTRAWEB>", "<EXTRAWE", ""})
    EXPECT_FALSE(EstUrlExtraWeb({autre, (uint32_t)strlen(autre)})) << autre;
}

// The space is written even without a document; the result has the limit
// of a field.
TEST(TextesConversionTest, UneUrlExtraWebSeReconstruitAvecUnEspace) {
  std::vector<char> sortie(LONGUEUR_RESULTAT_MAX);
  uint32_t n = 0;
  ASSERT_EQ(UrlExtraWebConstruire({"C:\\e.exe", 8}, {"D:\\d", 4}, sortie.data(), &n), 1);
  EXPECT_EQ(std::string(sortie.data(), n), "<EXTRAWEB>C:\\e.exe D:\\d");
  ASSERT_EQ(UrlExtraWebConstruire({"C:\\e.exe", 8}, {"", 0}, sortie.data(), &n), 1);
  EXPECT_EQ(std::string(sortie.data(), n), "<EXTRAWEB>C:\\e.exe ");
  std::string long_(LONGUEUR_RESULTAT_MAX - LONGUEUR_BALISE - 1, 'a');
  EXPECT_EQ(UrlExtraWebConstruire({long_.data(), (uint32_t)long_.size()}, {"", 0}, sortie.data(), &n),
            1);
  EXPECT_EQ(UrlExtraWebConstruire({long_.data(), (uint32_t)long_.size()}, {"d", 1}, sortie.data(), &n),
            0);
}

}  // namespace
