#include "entites.h"

#include <cstring>

// HTML 4 gives the ISO 8859-1 byte, except "&nbsp;" (a plain space) and
// "&#146;" (the apostrophe).
const Entite ENTITES[NB_ENTITES] = {
    {"&amp;", '&'},         {"&lt;", '<'},          {"&gt;", '>'},
    {"&Ccedil;", 0xC7},     {"&uuml;", 0xFC},       {"&eacute;", 0xE9},
    {"&acirc;", 0xE2},      {"&auml;", 0xE4},       {"&agrave;", 0xE0},
    {"&aring;", 0xE5},      {"&ccedil;", 0xE7},     {"&ecirc;", 0xEA},
    {"&euml;", 0xEB},       {"&egrave;", 0xE8},     {"&iuml;", 0xEF},
    {"&icirc;", 0xEE},      {"&igrave;", 0xEC},     {"&Auml;", 0xC4},
    {"&Aring;", 0xC5},      {"&Eacute;", 0xC9},     {"&aelig;", 0xE6},
    {"&AElig;", 0xC6},      {"&ocirc;", 0xF4},      {"&ouml;", 0xF6},
    {"&ograve;", 0xF2},     {"&ucirc;", 0xFB},      {"&ugrave;", 0xF9},
    {"&yuml;", 0xFF},       {"&Ouml;", 0xD6},       {"&Uuml;", 0xDC},
    {"&oslash;", 0xF8},     {"&Oslash;", 0xD8},     {"&aacute;", 0xE1},
    {"&iacute;", 0xED},     {"&oacute;", 0xF3},     {"&uacute;", 0xFA},
    {"&ntilde;", 0xF1},     {"&Ntilde;", 0xD1},     {"&reg;", 0xAE},
    {"&Aacute;", 0xC1},     {"&Acirc;", 0xC2},      {"&Agrave;", 0xC0},
    {"&copy;", 0xA9},       {"&atilde;", 0xE3},     {"&Atilde;", 0xC3},
    {"&eth;", 0xF0},        {"&ETH;", 0xD0},        {"&Ecirc;", 0xCA},
    {"&Euml;", 0xCB},       {"&Egrave;", 0xC8},     {"&Iacute;", 0xCD},
    {"&Icirc;", 0xCE},      {"&Iuml;", 0xCF},       {"&Igrave;", 0xCC},
    {"&Oacute;", 0xD3},     {"&szlig;", 0xDF},      {"&Ocirc;", 0xD4},
    {"&Ograve;", 0xD2},     {"&otilde;", 0xF5},     {"&Otilde;", 0xD5},
    {"&thorn;", 0xFE},      {"&THORN;", 0xDE},      {"&Uacute;", 0xDA},
    {"&Ucirc;", 0xDB},      {"&Ugrave;", 0xD9},     {"&yacute;", 0xFD},
    {"&Yacute;", 0xDD},     {"&nbsp;", ' '},        {"&quot;", '"'},
    {"&#131;", 131},        {"&#146;", '\''},       {"&#161;", 161},
    {"&#162;", 162},        {"&#163;", 163},        {"&#164;", 164},
    {"&#165;", 165},        {"&#166;", 166},        {"&#167;", 167},
    {"&#168;", 168},        {"&#170;", 170},        {"&#171;", 171},
    {"&#172;", 172},        {"&#173;", 173},        {"&#175;", 175},
    {"&#176;", 176},        {"&#177;", 177},        {"&#178;", 178},
    {"&#179;", 179},        {"&#180;", 180},        {"&#181;", 181},
    {"&#182;", 182},        {"&#183;", 183},        {"&#184;", 184},
    {"&#185;", 185},        {"&#186;", 186},        {"&#187;", 187},
    {"&#188;", 188},        {"&#189;", 189},        {"&#191;", 191},
    {"&#215;", 215},        {"&#247;", 247},
};

namespace {

int OuvreBlanc(char c) { return c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == ' '; }
int SuitBlanc(char c) { return OuvreBlanc(c) || c == '\n' || c == '\b'; }

// The reference that texte begins with, or null. strncmp stops at the NUL,
// so a reference cut by the end of the text never matches.
const Entite* Reference(const char* texte) {
  for (const Entite& e : ENTITES)
    if (strncmp(texte, e.nom, strlen(e.nom)) == 0) return &e;
  return nullptr;
}

}  // namespace

uint32_t EntitesDecoder(const char* entree, char* sortie, uint32_t taille, int* coupe) {
  memset(sortie, 0, taille);
  const char* p = entree;
  uint32_t n = 0;
  while (*p && n + 1 < taille) {
    char c = *p++;
    if (OuvreBlanc(c)) {
      while (SuitBlanc(*p)) p++;
      sortie[n++] = ' ';
    } else if (c == '\n' || c == '\b') {
      continue;
    } else if (const Entite* e = c == '&' ? Reference(p - 1) : nullptr) {
      sortie[n++] = (char)e->octet;
      p += strlen(e->nom) - 1;
    } else {
      sortie[n++] = c;
    }
  }
  // Line feeds and backspaces left over would give nothing: not a cut.
  while (*p == '\n' || *p == '\b') p++;
  if (coupe) *coupe = *p != 0;
  return n;
}

uint32_t EntitesRemplacer(char* texte, char* transfert) {
  uint32_t n = EntitesDecoder(texte, transfert, TAILLE_TEXTE_IMPORT, nullptr);
  memcpy(texte, transfert, n + 1);
  return n;
}
