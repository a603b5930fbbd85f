// The HTML conversion of titles, site names, displayed URLs and notes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "html_texte.h"

namespace {

std::string Convertir(const std::string& texte, size_t taille = 1000) {
  std::string sortie(taille, '\0');
  size_t lus;
  size_t n = HtmlConvertir(texte.data(), texte.size(), &lus, sortie.data(), taille);
  EXPECT_EQ(lus, texte.size());
  return sortie.substr(0, n);
}

// What each byte becomes, listed apart from the product's table.
std::string Attendu(unsigned octet) {
  static const char* const lettres[64] = {
      "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
      "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
      "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "#215",
      "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
      "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
      "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
      "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "#247",
      "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
  switch (octet) {
    case 0x0A: return "<BR>";
    case 0x0D: return "";
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case 0xA9: return "&copy;";
    case 0xAE: return "&reg;";
  }
  if (octet >= 0x80 && octet <= 0xBF) return "&#" + std::to_string(octet) + ";";
  if (octet >= 0xC0) return std::string("&") + lettres[octet - 0xC0] + ";";
  return std::string(1, (char)octet);
}

TEST(HtmlTexteTest, ChaqueOctetSelonLaTable) {
  for (unsigned octet = 0; octet < 256; octet++)
    EXPECT_EQ(Convertir(std::string(1, (char)octet)), Attendu(octet)) << "octet " << octet;
  // A few written out whole, in case both tables agree wrongly.
  EXPECT_EQ(Convertir("\xa3\xb0\xc7\xe9\xdf\xff\""), "&#163;&#176;&Ccedil;&eacute;&szlig;&yuml;\"");
  // The euro and the oe by number, never as raw bytes a browser may misread.
  EXPECT_EQ(Convertir("\x80\x9c\xa0\xbe"), "&#128;&#156;&#160;&#190;");
}

TEST(HtmlTexteTest, LesFinsDeLigne) {
  EXPECT_EQ(Convertir("un\r\ndeux"), "un<BR>deux");
  EXPECT_EQ(Convertir("un\rdeux\n"), "undeux<BR>");
  EXPECT_EQ(Convertir("\r\n\r\n"), "<BR><BR>");
}

// The output never goes past its room, and stops before an entity that
// would not fit whole; the caller goes on from what was used.
TEST(HtmlTexteTest, SArreteAvantCeQuiNeTientPas) {
  const std::string texte = "ab\xc0z";
  char sortie[16];
  for (size_t taille = 0; taille <= 12; taille++) {
    memset(sortie, '#', sizeof sortie);
    size_t lus;
    size_t n = HtmlConvertir(texte.data(), texte.size(), &lus, sortie, taille);
    size_t attendus = taille < 2 ? taille : taille < 10 ? 2 : taille < 11 ? 3 : 4;
    EXPECT_EQ(lus, attendus) << taille;
    EXPECT_EQ(std::string(sortie, n), std::string("ab&Agrave;z").substr(0, n)) << taille;
    EXPECT_LE(n, taille);
    EXPECT_EQ(sortie[taille], '#') << "nothing written past the room";
  }
}

}  // namespace
