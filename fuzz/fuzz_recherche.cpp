// Any card, criteria and expression: the card test agrees with a
// straightforward reading of the matching rule; the on-screen search reports only real
// occurrences, inside their field and in order, and whenever it finds one
// the card test matches too; nothing is written past a lent buffer.
//
// The input: a byte of options, a byte of fields (and sizes), the
// expression's length and bytes, five 16-bit resume positions when resuming, then the five
// field texts separated by NUL bytes.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "faux_systeme.h"
#include "fiche.h"
#include "fichier_donnees.h"
#include "lvxrech.h"

namespace {

enum : unsigned {
  CASSE = 1,
  EXACT = 2,
  TOTAL = 4,
  DEBUT = 8,
  DOUBLE_OCTET = 16,  // a double-byte code page: 0x81 to 0x9F lead a pair
  LONG = 32 | 64,     // with the field byte's top bits, a field at its buffer's size
  REPRISE = 128,      // continue from the given resume positions
};
// The top three bits of the field byte: now and then a field or an
// expression longer than its buffer. The long field also wants both LONG
// option bits: it costs a thousand ordinary inputs and the fuzzer, finding
// it new, would otherwise breed little else.
enum : unsigned { CHAMP_LONG = 7, EXPRESSION_LONGUE = 6 };
const uint32_t TAILLE_RECHERCHE = 10001;
const uint32_t CHAMP_MAX = 65534;
const int APPELS_MAX = 64;  // on-screen searches per input
const int APPELS_MAX_LONG = 2;  // with a field at its buffer's size, each call costs 65 KB
Poignee const EDITS[NB_CHAMPS] = {(Poignee)0x11, (Poignee)0x12, (Poignee)0x13, (Poignee)0x14,
                                  (Poignee)0x15};

unsigned options;

const char* Suivant(void*, const char* t) {
  if (!*t) return t;
  unsigned char c = (unsigned char)*t;
  return options & DOUBLE_OCTET && c >= 0x81 && c <= 0x9F && t[1] ? t + 2 : t + 1;
}
// The shared fake, its character stepping the harness's own.
FauxSysteme systeme;

void Exiger(bool condition, const char* quoi) {
  if (condition) return;
  fprintf(stderr, "invariant broken: %s\n", quoi);
  abort();
}

// The matching rule done the plain way, on bytes: one byte is one character.
std::string Plier(std::string s) {
  if (!(options & CASSE))
    for (char& c : s)
      if (c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
  return s;
}
bool Separe(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool Isolee(const std::string& t, size_t c, size_t m) {
  bool avant = c == 0 || Separe(t[c - 1]) || (t[c - 1] == '\n' && (c - 1 <= 1 || Separe(t[c - 2])));
  size_t a = c + m;
  bool apres =
      a == t.size() || Separe(t[a]) || (t[a] == '\n' && (a + 1 == t.size() || Separe(t[a + 1])));
  return avant && apres;
}
bool ChampReference(const std::string& t, const std::string& e) {
  for (size_t s = 0; s < t.size();) {
    size_t c;
    if (options & TOTAL)
      c = t.compare(s, std::string::npos, e) == 0 ? s : std::string::npos;
    else
      c = t.find(e, s);
    if (c == std::string::npos || (!(options & TOTAL) && options & DEBUT && c != 0)) return false;
    if (!(options & EXACT) || Isolee(t, c, e.size())) return true;
    if (options & (TOTAL | DEBUT)) return false;
    s = c + 1;
  }
  return false;
}

struct Entree {
  const uint8_t* octets;
  size_t taille;
  size_t position;
  uint8_t Octet() { return position < taille ? octets[position++] : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  systeme.caracteres.caractere_suivant = Suivant;
  InstallerFauxSysteme(&systeme);
  Entree in{donnees, taille, 0};
  options = in.Octet();
  unsigned champs = in.Octet();
  std::string expression;
  for (uint8_t k = in.Octet(); k > 0 && in.position < taille; k--) expression += (char)in.Octet();
  if (champs >> 5 == EXPRESSION_LONGUE && !expression.empty())
    while (expression.size() < TAILLE_RECHERCHE + 50) expression += expression;
  uint32_t reprises[NB_CHAMPS] = {};
  if (options & REPRISE)
    for (uint32_t& r : reprises) {
      r = in.Octet();  // low byte first with every compiler: an input means one thing
      r |= in.Octet() << 8;
    }

  std::string textes[NB_CHAMPS];
  for (uint32_t i = 0; in.position < taille; in.position++) {
    if (donnees[in.position] == 0) {
      if (++i == NB_CHAMPS) break;
    } else {
      textes[i] += (char)donnees[in.position];
    }
  }
  const bool long_champ = champs >> 5 == CHAMP_LONG && (options & LONG) == LONG;
  if (long_champ) {
    // The input's notes end the longest field, astride the buffer's end.
    std::string& notes = textes[CHAMP_NOTES];
    notes = std::string(CHAMP_MAX - std::min<size_t>(notes.size(), CHAMP_MAX), '.') + notes;
  }

  const char* pointeurs[NB_CHAMPS];
  uint32_t longueurs[NB_CHAMPS];
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    pointeurs[i] = textes[i].data();
    longueurs[i] = (uint32_t)textes[i].size();
  }
  // Exactly the sizes lent, so that the sanitizer sees any overrun.
  std::unique_ptr<uint8_t[]> fiche(new uint8_t[FicheTaille(longueurs)]);
  FicheEcrire(fiche.get(), 0, pointeurs, longueurs);
  std::unique_ptr<uint8_t[]> tampon(new uint8_t[TAILLE_TRANSFERT]);
  std::unique_ptr<char[]> tampon_recherche(new char[TAILLE_RECHERCHE]);
  std::vector<char> copie_expression(expression.c_str(),
                                     expression.c_str() + expression.size() + 1);

  const uint16_t casse = options & CASSE, exact = (options & EXACT) != 0,
                 total = (options & TOTAL) != 0, debut = (options & DEBUT) != 0;
  auto f = [&](unsigned i) { return (uint16_t)((champs >> i) & 1); };
  uint16_t carte =
      Util_Dll_recherche_chaine(fiche.get(), tampon_recherche.get(), copie_expression.data(), casse,
                                f(0), f(1), f(2), f(3), f(4), exact, total, debut, tampon.get());
  Exiger(carte <= 1, "the card test answers 0 or 1");

  // What the engine works on: the expression up to its NUL and its buffer,
  // each field up to the transfer buffer.
  std::string e = Plier(std::string(expression.c_str()).substr(0, TAILLE_RECHERCHE - 1));
  Exiger(e == tampon_recherche.get(), "the search buffer holds the prepared expression");
  std::string t[NB_CHAMPS];
  for (uint32_t i = 0; i < NB_CHAMPS; i++) t[i] = Plier(textes[i].substr(0, TAILLE_TRANSFERT - 1));

  const bool octets = !(options & DOUBLE_OCTET);
  if (octets) {
    bool reference = false;
    for (uint32_t i = 0; i < NB_CHAMPS; i++) reference |= f(i) && ChampReference(t[i], e);
    Exiger(carte == reference, "the card test follows the rule");
  }

  Poignee dernier = options & REPRISE ? EDITS[0] : nullptr;
  uint32_t champ_avant = 0, fin_avant = 0;
  bool trouve = false;
  for (int appel = 0; appel < (long_champ ? APPELS_MAX_LONG : APPELS_MAX); appel++) {
    uint16_t r = Util_Dll_Recherche_Ecran(
        fiche.get(), reprises[0], reprises[1], reprises[2], reprises[3], reprises[4], dernier,
        tampon.get(), copie_expression.data(), tampon_recherche.get(), casse, f(0), f(1), f(2),
        f(3), f(4), EDITS[0], EDITS[1], EDITS[2], EDITS[3], EDITS[4], exact, total, debut);
    if (!r) break;
    Poignee h = RecupererhChampRecherche();
    uint32_t k = 0;
    while (k < NB_CHAMPS && EDITS[k] != h) k++;
    Exiger(k < NB_CHAMPS && f(k), "the occurrence is in a searched field");
    uint32_t d = RecupererOffsetRechercheDebut(), fin = RecupererOffsetRechercheFin();
    // A pair may hold the start of an occurrence: only bytes bound the end.
    Exiger(d <= fin && fin <= t[k].size(), "the occurrence lies inside its field");
    reprises[0] = RecupererlpTextOccurNom();
    reprises[1] = RecupererlpTextOccurURL();
    reprises[2] = RecupererlpTextOccurRubrique();
    reprises[3] = RecupererlpTextOccurMotsCles();
    reprises[4] = RecupererlpTextOccurNotes();
    Exiger(reprises[k] <= t[k].size(), "the resume position lies inside its field");
    if (octets) {
      Exiger(fin - d == e.size() && t[k].compare(d, e.size(), e) == 0,
             "the occurrence is the expression");
      Exiger(reprises[k] == fin, "the field goes on after the occurrence");
      Exiger(!exact || Isolee(t[k], d, e.size()), "an exact occurrence stands alone");
      Exiger(!total || (d == 0 && t[k] == e), "a whole-field occurrence is the field");
      Exiger(!debut || d == 0, "a start-of-field occurrence begins the field");
      if (!(options & REPRISE))
        Exiger(appel == 0 || k > champ_avant || (k == champ_avant && d >= fin_avant),
               "occurrences come from the top down");
      Exiger(carte == 1, "an occurrence on screen means a matching card");
    }
    champ_avant = k;
    fin_avant = fin;
    trouve = true;
    dernier = h;
  }
  if (octets && !trouve && !(options & REPRISE) && !(exact && !total && !debut))
    Exiger(carte == 0, "without restarts no occurrence on screen means no matching card");
  return 0;
}
