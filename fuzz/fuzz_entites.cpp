// Any text through the entity decoder, into an output of any size: the
// output is the straightforward decoding cut to the output, the rest of
// the output is cleared, the cut is reported exactly when output was lost;
// in place, the decoding fits where the text was. Nothing is read or
// written out of bounds.
//
// The input: a byte of output size (0: 65,534), then the text, cut at its
// first NUL.
#include <algorithm>
#include <vector>

#include "entites.h"
#include "journal_scan.h"

namespace {

// The references the decoder knows, each with its byte.
const struct {
  const char* nom;
  uint8_t octet;
} REFERENCES[] = {
    {"&amp;", 38},     {"&lt;", 60},      {"&gt;", 62},      {"&Ccedil;", 199}, {"&uuml;", 252},
    {"&eacute;", 233}, {"&acirc;", 226},  {"&auml;", 228},   {"&agrave;", 224}, {"&aring;", 229},
    {"&ccedil;", 231}, {"&ecirc;", 234},  {"&euml;", 235},   {"&egrave;", 232}, {"&iuml;", 239},
    {"&icirc;", 238},  {"&igrave;", 236}, {"&Auml;", 196},   {"&Aring;", 197},  {"&Eacute;", 201},
    {"&aelig;", 230},  {"&AElig;", 198},  {"&ocirc;", 244},  {"&ouml;", 246},   {"&ograve;", 242},
    {"&ucirc;", 251},  {"&ugrave;", 249}, {"&yuml;", 255},   {"&Ouml;", 214},   {"&Uuml;", 220},
    {"&oslash;", 248}, {"&Oslash;", 216}, {"&aacute;", 225}, {"&iacute;", 237}, {"&oacute;", 243},
    {"&uacute;", 250}, {"&ntilde;", 241}, {"&Ntilde;", 209}, {"&reg;", 174},    {"&Aacute;", 193},
    {"&Acirc;", 194},  {"&Agrave;", 192}, {"&copy;", 169},   {"&atilde;", 227}, {"&Atilde;", 195},
    {"&eth;", 240},    {"&ETH;", 208},    {"&Ecirc;", 202},  {"&Euml;", 203},   {"&Egrave;", 200},
    {"&Iacute;", 205}, {"&Icirc;", 206},  {"&Iuml;", 207},   {"&Igrave;", 204}, {"&Oacute;", 211},
    {"&szlig;", 223},  {"&Ocirc;", 212},  {"&Ograve;", 210}, {"&otilde;", 245}, {"&Otilde;", 213},
    {"&thorn;", 254},  {"&THORN;", 222},  {"&Uacute;", 218}, {"&Ucirc;", 219},  {"&Ugrave;", 217},
    {"&yacute;", 253}, {"&Yacute;", 221}, {"&nbsp;", 32},    {"&quot;", 34},    {"&#131;", 131},
    {"&#146;", 39},    {"&#161;", 161},   {"&#162;", 162},   {"&#163;", 163},   {"&#164;", 164},
    {"&#165;", 165},   {"&#166;", 166},   {"&#167;", 167},   {"&#168;", 168},   {"&#170;", 170},
    {"&#171;", 171},   {"&#172;", 172},   {"&#173;", 173},   {"&#175;", 175},   {"&#176;", 176},
    {"&#177;", 177},   {"&#178;", 178},   {"&#179;", 179},   {"&#180;", 180},   {"&#181;", 181},
    {"&#182;", 182},   {"&#183;", 183},   {"&#184;", 184},   {"&#185;", 185},   {"&#186;", 186},
    {"&#187;", 187},   {"&#188;", 188},   {"&#189;", 189},   {"&#191;", 191},   {"&#215;", 215},
    {"&#247;", 247},
};
static_assert(sizeof REFERENCES / sizeof REFERENCES[0] == NB_ENTITES, "101 references");

bool Ouvre(char c) { return c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == ' '; }

// The decoding, the straightforward way: each reference tried in turn.
std::string DecodageLitteral(const std::string& s) {
  std::string sortie;
  for (size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (Ouvre(c)) {
      sortie += ' ';
      for (i++; i < s.size() && (Ouvre(s[i]) || s[i] == '\n' || s[i] == '\b');) i++;
      continue;
    }
    if (c == '\n' || c == '\b') {
      i++;
      continue;
    }
    bool reference = false;
    if (c == '&')
      for (const auto& r : REFERENCES)
        if (s.compare(i, strlen(r.nom), r.nom) == 0) {
          sortie += (char)r.octet;
          i += strlen(r.nom);
          reference = true;
          break;
        }
    if (!reference) sortie += c, i++;
  }
  return sortie;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
  const uint8_t n_sortie = Octet(octets, taille, 0);
  const uint32_t taille_sortie = n_sortie ? n_sortie : (uint32_t)TAILLE_TEXTE_IMPORT;
  const std::string texte = JusquAuNul(Reste(octets, taille, 1));
  if (texte.size() >= TAILLE_TEXTE_IMPORT) return 0;
  const std::string attendu = DecodageLitteral(texte);

  std::vector<char> entree(texte.c_str(), texte.c_str() + texte.size() + 1);
  std::vector<char> sortie(taille_sortie, 'x');
  int coupe = -1;
  const uint32_t n = EntitesDecoder(entree.data(), sortie.data(), taille_sortie, &coupe);
  Exiger(n == std::min<size_t>(attendu.size(), taille_sortie - 1), "the output is cut at its end");
  Exiger(memcmp(sortie.data(), attendu.data(), n) == 0, "the output is the reference decoding");
  for (uint32_t i = n; i < taille_sortie; i++) Exiger(sortie[i] == 0, "the rest is cleared");
  Exiger(coupe == (attendu.size() > n), "a cut is reported when output was lost");

  // In place: the text in a block of its own size.
  static std::vector<char> transfert(TAILLE_TEXTE_IMPORT);
  const uint32_t m = EntitesRemplacer(entree.data(), transfert.data());
  Exiger(m == attendu.size() && std::string(entree.data(), m) == attendu && entree[m] == 0,
         "the text is replaced by its decoding");
  return 0;
}
