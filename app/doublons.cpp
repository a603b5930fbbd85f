#include "doublons.h"

#include <cstring>

#include "fiche.h"
#include "majuscules.h"

namespace {

const char BALISE[] = "<EXTRAWEB>";
const uint32_t LONGUEUR_BALISE = 10;

int EstFinale(char c) { return c == '/' || c == ' ' || c == '\t'; }
int EstFinaleDeCible(char c) { return EstFinale(c) || c == '\\'; }
int EstSeparateur(char c) { return c == '/' || c == '\\' || c == '>' || c == ':'; }

// Start of an extra-web text's document path: from its second ':' back to
// the first place just after a space two characters before, giving up at the
// first ':'. 0 when there is none (the tag holds no ':', so a path never
// starts at 0 and the look back never leaves the text).
uint32_t DebutDocument(const char* t, uint32_t n) {
  uint32_t i = 0;
  int vus = 0;
  while (i < n && !(t[i] == ':' && ++vus == 2)) i++;
  if (i == n) return 0;
  for (;;) {
    if (t[i - 2] == ' ') return i - 1;
    if (t[--i] == ':') return 0;
  }
}

uint32_t Hacher(const char* cle, uint32_t n) {
  uint32_t h = 2166136261u;  // FNV-1a
  for (uint32_t i = 0; i < n; i++) h = (h ^ (uint8_t)cle[i]) * 16777619u;
  return h;
}

// One block from the platform, like the store: a table of distinct keys by
// hash (open addressing, at most half full), each with how many cards have
// it (stopping at 2), then per card with a non-empty field the slot of its
// key, then the distinct keys' bytes.
struct TableCles {
  uint32_t masque;         // slots - 1
  uint32_t* emplacements;  // index + 1 of the card that first had the key, 0: free
  uint8_t* comptes;        // per slot
  uint32_t* positions;     // per card: its key in cles, when it was the first
  uint32_t* longueurs;
  uint32_t* groupes;       // per card: the slot of its key
  char* cles;
};

// The slot of the key, or the free slot where it belongs.
uint32_t Emplacement(const TableCles& t, const char* cle, uint32_t n) {
  uint32_t e = Hacher(cle, n) & t.masque;
  while (uint32_t i = t.emplacements[e]) {
    if (t.longueurs[i - 1] == n && memcmp(t.cles + t.positions[i - 1], cle, n) == 0) break;
    e = (e + 1) & t.masque;
  }
  return e;
}

}  // namespace

uint32_t CleDoublon(ComparaisonDoublon c, const char* t, uint32_t n, char* cle) {
  if (n > LONGUEUR_CLE_MAX) n = LONGUEUR_CLE_MAX;
  uint32_t debut = 0, fin = n;
  if ((c == DOUBLON_CIBLE || c == DOUBLON_FIN_CIBLE) && n >= LONGUEUR_BALISE &&
      memcmp(t, BALISE, LONGUEUR_BALISE) == 0)
    debut = DebutDocument(t, n);
  // A document path keeps its trailing characters.
  if (!debut)
    while (fin > 0 && EstFinale(t[fin - 1])) fin--;
  if (c == DOUBLON_FIN_CIBLE && fin > debut) {
    while (fin - debut > 1 && EstFinaleDeCible(t[fin - 1])) fin--;
    for (uint32_t j = fin - 1; j > debut; j--)
      if (EstSeparateur(t[j - 1])) {
        debut = j;
        break;
      }
  }
  if (fin - debut == LONGUEUR_BALISE && memcmp(t + debut, BALISE, LONGUEUR_BALISE) == 0) return 0;
  for (uint32_t i = debut; i < fin; i++) cle[i - debut] = Majuscule(t[i]);
  return fin - debut;
}

int64_t DoublonsMarquer(const Memoire* memoire, uint8_t* debut, uint8_t* fin, ComparaisonDoublon c,
                        ActionMarquage a) {
  const int champ = c == DOUBLON_NOM ? CHAMP_NOM : CHAMP_URL;
  uint64_t cartes = 0, octets = 0;
  for (uint8_t* f = debut; f != fin; f = FicheSuivante(f)) {
    uint32_t l;
    FicheTexte(f, champ, &l);
    if (!l) continue;
    cartes++;
    octets += l < LONGUEUR_CLE_MAX ? l : LONGUEUR_CLE_MAX;
  }
  uint64_t nb = 2;
  while (nb < 2 * cartes) nb *= 2;
  uint64_t taille = nb * (sizeof(uint32_t) + 1) + cartes * 3 * sizeof(uint32_t) + octets;
  Poignee bloc =
      taille <= UINT32_MAX ? memoire->bloc_allouer(memoire->ctx, (uint32_t)taille) : nullptr;
  if (!bloc) return -1;
  uint8_t* zone = memoire->bloc_verrouiller(memoire->ctx, bloc);
  TableCles t;
  t.masque = (uint32_t)nb - 1;
  t.emplacements = (uint32_t*)zone;
  t.positions = t.emplacements + nb;
  t.longueurs = t.positions + cartes;
  t.groupes = t.longueurs + cartes;
  t.comptes = (uint8_t*)(t.groupes + cartes);
  t.cles = (char*)(t.comptes + nb);
  memset(t.emplacements, 0, nb * sizeof(uint32_t));

  uint32_t k = 0, utilises = 0;
  for (uint8_t* f = debut; f != fin; f = FicheSuivante(f)) {
    uint32_t l;
    const char* texte = FicheTexte(f, champ, &l);
    if (!l) continue;
    char* cle = t.cles + utilises;
    uint32_t n = CleDoublon(c, texte, l, cle);
    uint32_t e = Emplacement(t, cle, n);
    if (!t.emplacements[e]) {
      t.emplacements[e] = k + 1;
      t.comptes[e] = 0;
      t.positions[k] = utilises;
      t.longueurs[k] = n;
      utilises += n;  // a key seen before keeps only its first copy
    }
    if (t.comptes[e] < 2) t.comptes[e]++;
    t.groupes[k++] = e;
  }

  uint32_t vide = Emplacement(t, "", 0);
  int vide_double = t.emplacements[vide] && t.comptes[vide] >= 2;
  int64_t modifiees = 0;
  k = 0;
  for (uint8_t* f = debut; f != fin; f = FicheSuivante(f)) {
    uint32_t l;
    FicheTexte(f, champ, &l);
    int est_double = l ? t.comptes[t.groupes[k++]] >= 2 : vide_double;
    if (est_double) modifiees += MarqueAppliquer(f, a, REGLE_DOUBLONS);
  }
  memoire->bloc_deverrouiller(memoire->ctx, bloc);
  memoire->bloc_liberer(memoire->ctx, bloc);
  return modifiees;
}
