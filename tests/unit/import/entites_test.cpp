#include "entites.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::string Decoder(const std::string& texte, uint32_t taille = TAILLE_TEXTE_IMPORT,
                    int* coupe = nullptr) {
  std::vector<char> sortie(taille, 'Z');
  uint32_t n = EntitesDecoder(texte.c_str(), sortie.data(), taille, coupe);
  EXPECT_EQ(sortie[n], 0);
  return std::string(sortie.data(), n);
}

TEST(Entites, BlancsEtReferencesDesExemples) {
  const struct {
    const char* entree;
    std::string sortie;
  } cas[] = {
      {"A&amp;B", "A&B"},
      {"A&ampB", "A&ampB"},
      {"x&nbsp;&nbsp;y", "x  y"},  // a decoded space is not collapsed
      {"a \r\n  b", "a b"},
      {"  bord  ", " bord "},  // no trim
      {"\ta\vb\fc\rd", " a b c d"},
      {"a\nb\bc", "abc"},       // LF and backspace alone are dropped
      {"a\n \nb", "a b"},
      {"a \b\b\n\t\v\fb", "a b"},
      {"a&nbsp; b", "a  b"},
      {"&#39;", "&#39;"},       // not one of the known numbers
      {"&AMP;", "&AMP;"},       // compared with case
      {"&eacute", "&eacute"},   // no semicolon
      {"&&amp;&", "&&&"},
      {"&", "&"},
      {"&#146;", "'"},
      {"&#131;", "\x83"},
      {"&Eacute;t&eacute;", "\xC9t\xE9"},
      {"", ""},
  };
  for (const auto& c : cas) EXPECT_EQ(Decoder(c.entree), c.sortie) << c.entree;
}

TEST(Entites, ChaqueReferenceDonneSonOctet) {
  std::set<std::string> noms;
  int numeriques = 0;
  for (const Entite& e : ENTITES) {
    noms.insert(e.nom);
    if (e.nom[1] == '#') numeriques++;
    std::string nom = e.nom;
    // The octet follows ISO 8859-1, but for the two exceptions.
    uint8_t attendu = e.octet;
    if (nom == "&nbsp;") {
      EXPECT_EQ(attendu, 32);
    } else if (nom == "&#146;") {
      EXPECT_EQ(attendu, 39);
    } else if (nom[1] == '#') {
      EXPECT_EQ(attendu, std::stoi(nom.substr(2)));
    }
    EXPECT_EQ(Decoder("<" + nom + ">"), "<" + std::string(1, (char)attendu) + ">") << nom;
    // Cut before its semicolon it is copied as it stands.
    std::string sans = nom.substr(0, nom.size() - 1);
    EXPECT_EQ(Decoder(sans), sans);
  }
  EXPECT_EQ(noms.size(), 101u);
  EXPECT_EQ(numeriques, 32);
  // A few named ones against their ISO 8859-1 code.
  const std::pair<std::string, uint8_t> iso[] = {
      {"&amp;", 38},  {"&lt;", 60},      {"&gt;", 62},      {"&quot;", 34},
      {"&copy;", 169}, {"&reg;", 174},   {"&szlig;", 223},  {"&yuml;", 255},
      {"&AElig;", 198}, {"&THORN;", 222}, {"&eth;", 240},   {"&Oslash;", 216},
  };
  for (const auto& [nom, octet] : iso) EXPECT_EQ(Decoder(nom), std::string(1, (char)octet));
  for (const char* absent : {"&#169;", "&#174;", "&#190;", "&#160;", "&euro;", "&apos;"})
    EXPECT_EQ(Decoder(absent), absent);
}

TEST(Entites, LaSortieResteDansSonTampon) {
  // 65,533 bytes fill the buffer with its NUL: nothing is cut.
  std::string plein(TAILLE_TEXTE_IMPORT - 1, 'a');
  int coupe = -1;
  EXPECT_EQ(Decoder(plein, TAILLE_TEXTE_IMPORT, &coupe), plein);
  EXPECT_EQ(coupe, 0);
  // One more is cut at the buffer's end.
  EXPECT_EQ(Decoder(plein + "b", TAILLE_TEXTE_IMPORT, &coupe), plein);
  EXPECT_EQ(coupe, 1);
  // References shrink the text: a long input can still fit whole.
  std::string refs;
  for (int i = 0; i < 20000; i++) refs += "&amp;";
  EXPECT_EQ(Decoder(refs, TAILLE_TEXTE_IMPORT, &coupe), std::string(20000, '&'));
  EXPECT_EQ(coupe, 0);
  // Small buffers, and what is left over after the last byte written.
  EXPECT_EQ(Decoder("abc", 3, &coupe), "ab");
  EXPECT_EQ(coupe, 1);
  EXPECT_EQ(Decoder("ab\n\b", 3, &coupe), "ab");
  EXPECT_EQ(coupe, 0);
  EXPECT_EQ(Decoder("ab  ", 3, &coupe), "ab");
  EXPECT_EQ(coupe, 1);
  EXPECT_EQ(Decoder("x", 1, &coupe), "");
  EXPECT_EQ(coupe, 1);
}

TEST(Entites, RemplacerMetLeTexteDecodeALaPlaceDuTexteCapte) {
  std::vector<char> transfert(TAILLE_TEXTE_IMPORT, 'Z');
  char texte[] = "Mon &eacute;t&eacute;\r\n  !";
  EXPECT_EQ(EntitesRemplacer(texte, transfert.data()), 9u);
  EXPECT_STREQ(texte, "Mon \xE9t\xE9 !");
}

}  // namespace
