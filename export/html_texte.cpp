#include "html_texte.h"

#include <array>
#include <cstring>

namespace {

// What one byte becomes: 0 to 8 bytes.
struct Remplacement {
  uint8_t longueur;
  char texte[HTML_OCTET_MAX];
};

// HTML 2.0's entity names of the letters 0xC0 to 0xFF; the two signs 0xD7
// and 0xF7 have none and go by number.
constexpr const char* NOMS_LETTRES[64] = {
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   nullptr,
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   nullptr,
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

constexpr void Ajouter(Remplacement* r, const char* t) {
  while (*t) r->texte[r->longueur++] = *t++;
}

// "&name;"
constexpr Remplacement Nom(const char* nom) {
  Remplacement r{};
  Ajouter(&r, "&");
  Ajouter(&r, nom);
  Ajouter(&r, ";");
  return r;
}

// "&#ddd;", the byte's value in decimal.
constexpr Remplacement Numero(unsigned octet) {
  Remplacement r{};
  Ajouter(&r, "&#");
  char chiffres[4] = {(char)('0' + octet / 100), (char)('0' + octet / 10 % 10),
                      (char)('0' + octet % 10), 0};
  Ajouter(&r, chiffres);
  Ajouter(&r, ";");
  return r;
}

constexpr Remplacement Remplacer(unsigned octet) {
  switch (octet) {
    case 0x0A: {
      Remplacement r{};
      Ajouter(&r, "<BR>");
      return r;
    }
    case 0x0D: return Remplacement{};
    case '&': return Nom("amp");
    case '<': return Nom("lt");
    case '>': return Nom("gt");
    case 0xA9: return Nom("copy");
    case 0xAE: return Nom("reg");
    default:
      // By number every other byte above ASCII: the page is then pure
      // ASCII and reads the same in any browser, whatever encoding it
      // guesses for a page that names none (numbers 128 to 159 are the
      // Western code page's own signs: 128 the euro, 156 the oe).
      if (octet >= 0x80 && octet <= 0xBF) return Numero(octet);
      if (octet >= 0xC0) {
        const char* nom = NOMS_LETTRES[octet - 0xC0];
        return nom ? Nom(nom) : Numero(octet);
      }
  }
  Remplacement r{};
  r.longueur = 1;
  r.texte[0] = (char)octet;
  return r;
}

constexpr std::array<Remplacement, 256> Table() {
  std::array<Remplacement, 256> t{};
  for (unsigned octet = 0; octet < 256; octet++) t[octet] = Remplacer(octet);
  return t;
}

constexpr std::array<Remplacement, 256> TABLE = Table();

}  // namespace

size_t HtmlConvertir(const char* texte, size_t n, size_t* lus, char* sortie, size_t taille) {
  size_t i = 0, ecrit = 0;
  for (; i < n; i++) {
    const Remplacement& r = TABLE[(uint8_t)texte[i]];
    if (r.longueur == 1) {
      if (ecrit == taille) break;
      sortie[ecrit++] = r.texte[0];
      continue;
    }
    if (taille - ecrit < r.longueur) break;
    memcpy(sortie + ecrit, r.texte, r.longueur);
    ecrit += r.longueur;
  }
  *lus = i;
  return ecrit;
}
