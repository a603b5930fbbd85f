#include "index_urls.h"

#include <cstring>

#include "fiche.h"
#include "majuscules.h"

struct EntreeIndex {
  uint32_t position;  // of the key in cles, family byte first
  uint32_t longueur;  // with the family byte
  uint32_t compte;    // cards that have it now; 0 once they are all gone
  uint32_t hachage;
};

namespace {

const char MAILTO[] = "mailto:";
const uint32_t LONGUEUR_MAILTO = 7;
const char BALISE[] = "<EXTRAWEB>";
const uint32_t LONGUEUR_BALISE = 10;

// Two sets of keys share the table in the extra-web folder comparison.
enum : char { FAMILLE_URL = 'U', FAMILLE_EXTRA_WEB = 'E' };
enum { CASES, ENTREES, CLES };

int Egaux(const char* a, const char* b, uint32_t n, int majuscules) {
  if (!majuscules) return memcmp(a, b, n) == 0;
  return EgauxSansCasse(a, b, n);
}

int CommencePar(const char* t, uint32_t n, const char* debut, uint32_t m) {
  return n >= m && Egaux(t, debut, m, 1);
}

// A key as a view on a URL: no copy is made to look one up.
struct Cle {
  char famille;
  const char* texte;
  uint32_t n;
  int majuscules;  // the bytes count in capitals
};

// Where an extra-web URL's document part starts: just after the nearest
// space before the second ':'; n (an empty part) when there is none.
uint32_t DebutDocument(const char* u, uint32_t n) {
  uint32_t i = 0;
  for (int vus = 0; i < n; i++)
    if (u[i] == ':' && ++vus == 2) break;
  if (i == n) return n;
  while (i > 0)
    if (u[--i] == ' ') return i + 1;
  return n;
}

// The keys of a card's URL; returns how many.
int ClesUrl(ComparaisonUrl c, const char* u, uint32_t n, Cle cles[2]) {
  if (c == COMPARAISON_OCTETS) {
    cles[0] = {FAMILLE_URL, u, n, 0};
    return 1;
  }
  if (c == COMPARAISON_SANS_MAILTO) {
    uint32_t d = CommencePar(u, n, MAILTO, LONGUEUR_MAILTO) ? LONGUEUR_MAILTO : 0;
    cles[0] = {FAMILLE_URL, u + d, n - d, 0};
    return 1;
  }
  if (!CommencePar(u, n, BALISE, LONGUEUR_BALISE)) {
    cles[0] = {FAMILLE_URL, u, n, 1};
    return 1;
  }
  uint32_t d = DebutDocument(u, n);
  cles[0] = {FAMILLE_URL, u + d, n - d, 1};
  cles[1] = {FAMILLE_EXTRA_WEB, u, n, 1};
  return 2;
}

uint32_t Hacher(const Cle& k) {
  uint32_t h = (2166136261u ^ (uint8_t)k.famille) * 16777619u;  // FNV-1a
  for (uint32_t i = 0; i < k.n; i++) {
    char c = k.majuscules ? Majuscule(k.texte[i]) : k.texte[i];
    h = (h ^ (uint8_t)c) * 16777619u;
  }
  return h;
}

// The slot holding the key, or the free slot where it belongs.
uint32_t Case(const IndexUrls* x, const Cle& k, uint32_t h) {
  uint32_t masque = x->nb_cases - 1;
  uint32_t e = h & masque;
  while (uint32_t i = x->cases[e]) {
    const EntreeIndex& en = x->entrees[i - 1];
    const char* cle = x->cles + en.position;
    if (en.hachage == h && en.longueur == k.n + 1 && cle[0] == k.famille &&
        Egaux(cle + 1, k.texte, k.n, k.majuscules))
      return e;
    e = (e + 1) & masque;
  }
  return e;
}

int Trouve(const IndexUrls* x, const Cle& k) {
  uint32_t i = x->cases[Case(x, k, Hacher(k))];
  return i && x->entrees[i - 1].compte > 0;
}

void Abandonner(const Memoire* memoire, IndexUrls* x) {
  for (Poignee& b : x->blocs) {
    if (!b) continue;
    memoire->bloc_deverrouiller(memoire->ctx, b);
    memoire->bloc_liberer(memoire->ctx, b);
    b = nullptr;
  }
  x->actif = 0;
}

// Gives block i at least taille bytes; on failure the index is given up.
uint8_t* Agrandir(const Memoire* memoire, IndexUrls* x, int i, uint64_t taille) {
  Poignee bloc = nullptr;
  if (taille > 0 && taille <= UINT32_MAX) {
    if (!x->blocs[i]) {
      bloc = memoire->bloc_allouer(memoire->ctx, (uint32_t)taille);
    } else {
      memoire->bloc_deverrouiller(memoire->ctx, x->blocs[i]);
      bloc = memoire->bloc_reallouer(memoire->ctx, x->blocs[i], (uint32_t)taille);
      if (!bloc) memoire->bloc_verrouiller(memoire->ctx, x->blocs[i]);
    }
  }
  if (!bloc) {
    Abandonner(memoire, x);
    return nullptr;
  }
  x->blocs[i] = bloc;
  return memoire->bloc_verrouiller(memoire->ctx, bloc);
}

int ReserverCases(const Memoire* memoire, IndexUrls* x, uint32_t nb) {
  uint8_t* o = Agrandir(memoire, x, CASES, (uint64_t)nb * sizeof(uint32_t));
  if (!o) return 0;
  x->cases = (uint32_t*)o;
  x->nb_cases = nb;
  memset(x->cases, 0, (size_t)nb * sizeof(uint32_t));
  for (uint32_t i = 0; i < x->nb_entrees; i++) {
    uint32_t e = x->entrees[i].hachage & (nb - 1);
    while (x->cases[e]) e = (e + 1) & (nb - 1);
    x->cases[e] = i + 1;
  }
  return 1;
}

int ReserverEntrees(const Memoire* memoire, IndexUrls* x, uint32_t nb) {
  uint8_t* o = Agrandir(memoire, x, ENTREES, (uint64_t)nb * sizeof(EntreeIndex));
  if (!o) return 0;
  x->entrees = (EntreeIndex*)o;
  x->max_entrees = nb;
  return 1;
}

int ReserverCles(const Memoire* memoire, IndexUrls* x, uint32_t octets) {
  uint8_t* o = Agrandir(memoire, x, CLES, octets);
  if (!o) return 0;
  x->cles = (char*)o;
  x->max_octets_cles = octets;
  return 1;
}

// actuel doubled until it reaches besoin; 0 (refused) beyond 32 bits.
uint32_t Double(uint32_t actuel, uint64_t besoin) {
  uint64_t n = actuel;
  while (n < besoin) n *= 2;
  return n > UINT32_MAX ? 0 : (uint32_t)n;
}

// Counts the key once more, adding it when it is new; 0 when memory failed.
int Ajouter(const Memoire* memoire, IndexUrls* x, const Cle& k) {
  uint32_t h = Hacher(k);
  uint32_t e = Case(x, k, h);
  if (x->cases[e]) {
    x->entrees[x->cases[e] - 1].compte++;
    return 1;
  }
  uint64_t octets = (uint64_t)x->octets_cles + k.n + 1;
  if (x->nb_entrees == x->max_entrees &&
      !ReserverEntrees(memoire, x, Double(x->max_entrees, x->nb_entrees + 1)))
    return 0;
  if (octets > x->max_octets_cles && !ReserverCles(memoire, x, Double(x->max_octets_cles, octets)))
    return 0;
  // At most half full, so that probes stay short.
  if ((uint64_t)(x->nb_entrees + 1) * 2 > x->nb_cases) {
    if (!ReserverCases(memoire, x, Double(x->nb_cases, (uint64_t)(x->nb_entrees + 1) * 2)))
      return 0;
    e = Case(x, k, h);
  }
  char* cle = x->cles + x->octets_cles;
  cle[0] = k.famille;
  for (uint32_t i = 0; i < k.n; i++) cle[i + 1] = k.majuscules ? Majuscule(k.texte[i]) : k.texte[i];
  x->entrees[x->nb_entrees] = {x->octets_cles, k.n + 1, 1, h};
  x->cases[e] = ++x->nb_entrees;
  x->octets_cles = (uint32_t)octets;
  return 1;
}

}  // namespace

void IndexUrlsConstruire(const Memoire* memoire, IndexUrls* x, const Magasin* m, ComparaisonUrl c) {
  *x = IndexUrls{};
  x->magasin = m;
  x->comparaison = c;
  // Sized for the store as it is, then doubled as cards come.
  uint64_t cles = 0, octets = 0;
  for (uint8_t* f = m->lpDebutMem; f != m->lpFinMem; f = FicheSuivante(f)) {
    uint32_t l;
    const char* u = FicheTexte(f, CHAMP_URL, &l);
    Cle k[2];
    int nb = ClesUrl(c, u, l, k);
    for (int i = 0; i < nb; i++) octets += k[i].n + 1;
    cles += (uint64_t)nb;
  }
  if (!ReserverEntrees(memoire, x, Double(16, cles)) ||
      !ReserverCles(memoire, x, Double(256, octets)) ||
      !ReserverCases(memoire, x, Double(32, 2 * cles)))
    return;
  x->actif = 1;
  for (uint8_t* f = m->lpDebutMem; f != m->lpFinMem && x->actif; f = FicheSuivante(f))
    IndexUrlsNoter(memoire, x, f);
}

void IndexUrlsLiberer(const Memoire* memoire, IndexUrls* x) { Abandonner(memoire, x); }

int IndexUrlsContient(const IndexUrls* x, const char* texte, uint32_t n) {
  if (!x->actif)
    return UrlConnueParParcours(x->magasin->lpDebutMem, x->magasin->lpFinMem, x->comparaison,
                                texte, n);
  return Trouve(x, {FAMILLE_URL, texte, n, x->comparaison == COMPARAISON_DOCUMENT});
}

int IndexUrlsContientExtraWeb(const IndexUrls* x, const char* url, uint32_t n) {
  if (!x->actif || x->comparaison != COMPARAISON_DOCUMENT)
    return UrlExtraWebConnueParParcours(x->magasin->lpDebutMem, x->magasin->lpFinMem, url, n);
  return Trouve(x, {FAMILLE_EXTRA_WEB, url, n, 1});
}

void IndexUrlsNoter(const Memoire* memoire, IndexUrls* x, const uint8_t* fiche) {
  if (!x->actif) return;
  uint32_t l;
  const char* u = FicheTexte(fiche, CHAMP_URL, &l);
  Cle k[2];
  int nb = ClesUrl(x->comparaison, u, l, k);
  for (int i = 0; i < nb; i++)
    if (!Ajouter(memoire, x, k[i])) return;
}

void IndexUrlsOublier(IndexUrls* x, const uint8_t* fiche) {
  if (!x->actif) return;
  uint32_t l;
  const char* u = FicheTexte(fiche, CHAMP_URL, &l);
  Cle k[2];
  int nb = ClesUrl(x->comparaison, u, l, k);
  for (int i = 0; i < nb; i++) {
    uint32_t e = x->cases[Case(x, k[i], Hacher(k[i]))];
    if (e && x->entrees[e - 1].compte > 0) x->entrees[e - 1].compte--;
  }
}

int UrlConnueParParcours(uint8_t* debut, uint8_t* fin, ComparaisonUrl c, const char* texte,
                         uint32_t n) {
  for (uint8_t* f = debut; f != fin; f = FicheSuivante(f)) {
    uint32_t l;
    const char* u = FicheTexte(f, CHAMP_URL, &l);
    if (c == COMPARAISON_SANS_MAILTO && l >= LONGUEUR_MAILTO &&
        Egaux(u, MAILTO, LONGUEUR_MAILTO, 1)) {
      u += LONGUEUR_MAILTO;
      l -= LONGUEUR_MAILTO;
    }
    if (c == COMPARAISON_DOCUMENT && l >= LONGUEUR_BALISE && Egaux(u, BALISE, LONGUEUR_BALISE, 1)) {
      const char* un = (const char*)memchr(u, ':', l);
      const char* deux = un ? (const char*)memchr(un + 1, ':', (size_t)(u + l - un - 1)) : nullptr;
      const char* espace = nullptr;
      for (const char* s = deux; s && s > u && !espace;)
        if (*--s == ' ') espace = s;
      if (espace) {
        l = (uint32_t)(u + l - espace - 1);
        u = espace + 1;
      } else {
        l = 0;
      }
    }
    if (l == n && Egaux(u, texte, n, c == COMPARAISON_DOCUMENT)) return 1;
  }
  return 0;
}

int UrlExtraWebConnueParParcours(uint8_t* debut, uint8_t* fin, const char* url, uint32_t n) {
  for (uint8_t* f = debut; f != fin; f = FicheSuivante(f)) {
    uint32_t l;
    const char* u = FicheTexte(f, CHAMP_URL, &l);
    if (l >= LONGUEUR_BALISE && Egaux(u, BALISE, LONGUEUR_BALISE, 1) && l == n &&
        Egaux(u, url, n, 1))
      return 1;
  }
  return 0;
}
