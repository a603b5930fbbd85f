#include "valeurs_rapides.h"

#include <cstring>

#include "fiche.h"
#include "lvxprap.h"

namespace {

// The first room for the values, and the least it grows by.
constexpr uint32_t CAPACITE_DEPART = 10000 + 10;
constexpr uint32_t PAS_CAPACITE = 10000;
// Room kept after the values.
constexpr uint32_t MARGE = 10;
constexpr uint32_t CASES_DEPART = 1024;
// Cards read, or values placed by the sort, between two looks at the box.
constexpr uint32_t PAS_MESSAGES = 256;

uint32_t Hacher(const char* t, uint32_t n) {
  uint32_t h = 2166136261u;
  for (uint32_t i = 0; i < n; i++) h = (h ^ (uint8_t)t[i]) * 16777619u;
  return h;
}

Poignee Allouer(const Memoire* m, uint64_t taille, void** adresse) {
  if (taille > UINT32_MAX) return nullptr;
  Poignee bloc = m->bloc_allouer(m->ctx, (uint32_t)taille);
  if (bloc) *adresse = m->bloc_verrouiller(m->ctx, bloc);
  return bloc;
}

void Liberer(const Memoire* m, Poignee* bloc) {
  if (!*bloc) return;
  m->bloc_deverrouiller(m->ctx, *bloc);
  m->bloc_liberer(m->ctx, *bloc);
  *bloc = nullptr;
}

// Twice as many slots, every value placed again.
int Doubler(ValeursRapides* v) {
  if (v->nb_cases > UINT32_MAX / 2 / sizeof(CaseValeur)) return 0;
  const uint32_t nb = v->nb_cases * 2;
  void* adresse = nullptr;
  Poignee bloc = Allouer(v->memoire, (uint64_t)nb * sizeof(CaseValeur), &adresse);
  if (!bloc) return 0;
  CaseValeur* cases = (CaseValeur*)adresse;
  memset(cases, 0, (size_t)nb * sizeof(CaseValeur));
  for (uint32_t i = 0; i < v->nb_cases; i++) {
    if (!v->cases[i].decalage_plus_un) continue;
    uint32_t k = v->cases[i].hache & (nb - 1);
    while (cases[k].decalage_plus_un) k = (k + 1) & (nb - 1);
    cases[k] = v->cases[i];
  }
  Liberer(v->memoire, &v->bloc_cases);
  v->bloc_cases = bloc;
  v->cases = cases;
  v->nb_cases = nb;
  return 1;
}

// Room for besoin bytes of values: by steps of 10,000 bytes at least, and
// twice the room when that is more, so that a long list is not copied
// again and again.
int Agrandir(ValeursRapides* v, uint64_t besoin) {
  uint64_t capacite = v->capacite + (uint64_t)PAS_CAPACITE;
  if (capacite < (uint64_t)v->capacite * 2) capacite = (uint64_t)v->capacite * 2;
  while (capacite < besoin) capacite += PAS_CAPACITE;
  if (capacite > UINT32_MAX) capacite = UINT32_MAX;
  if (capacite < besoin) return 0;
  const Memoire* m = v->memoire;
  m->bloc_deverrouiller(m->ctx, v->bloc_valeurs);
  Poignee bloc = m->bloc_reallouer(m->ctx, v->bloc_valeurs, (uint32_t)capacite);
  if (bloc) {
    v->bloc_valeurs = bloc;
    v->capacite = (uint32_t)capacite;
  }
  v->valeurs = (char*)m->bloc_verrouiller(m->ctx, v->bloc_valeurs);
  return bloc != nullptr;
}

bool Separateur(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int AjouterChamp(ValeursRapides* v, const uint8_t* fiche, uint16_t genre) {
  uint32_t n;
  if (genre != RAPIDE_MOTS_CLES) {
    const char* t = FicheTexte(fiche, genre - RAPIDE_NOMS, &n);
    return n == 0 || ValeursAjouter(v, t, n);
  }
  const char* t = FicheTexte(fiche, CHAMP_MOTS_CLES, &n);
  for (uint32_t i = 0; i < n;) {
    while (i < n && Separateur(t[i])) i++;
    const uint32_t mot = i;
    while (i < n && !Separateur(t[i])) i++;
    if (i > mot && !ValeursAjouter(v, t + mot, i - mot)) return 0;
  }
  return 1;
}

bool Attendre(const AttenteValeurs* a, uint32_t* compte) {
  if ((*compte)++ % PAS_MESSAGES == 0) a->pomper(a->ctx);
  return *a->abandon != 0;
}

// One pass of the merge sort: the runs of largeur values of source merged
// two by two into cible; of two values in the same order, the left one
// first, so that values keep the order they were met in.
bool Fusionner(const ValeursRapides* v, const Caracteres* c, const uint32_t* source,
               uint32_t* cible, uint64_t largeur, const AttenteValeurs* a, uint32_t* compte) {
  const uint64_t n = v->nombre;
  for (uint64_t debut = 0; debut < n; debut += 2 * largeur) {
    const uint64_t milieu = debut + largeur < n ? debut + largeur : n;
    const uint64_t fin = milieu + largeur < n ? milieu + largeur : n;
    uint64_t i = debut, j = milieu, k = debut;
    while (i < milieu && j < fin) {
      if (Attendre(a, compte)) return false;
      if (c->comparer(c->ctx, v->valeurs + source[j], v->valeurs + source[i]) < 0)
        cible[k++] = source[j++];
      else
        cible[k++] = source[i++];
    }
    while (i < milieu) cible[k++] = source[i++];
    while (j < fin) cible[k++] = source[j++];
  }
  return true;
}

}  // namespace

int ValeursPreparer(ValeursRapides* v, const Memoire* memoire) {
  *v = ValeursRapides{};
  v->memoire = memoire;
  void* adresse = nullptr;
  v->bloc_valeurs = Allouer(memoire, CAPACITE_DEPART, &adresse);
  if (!v->bloc_valeurs) return 0;
  v->valeurs = (char*)adresse;
  v->capacite = CAPACITE_DEPART;
  v->bloc_cases = Allouer(memoire, CASES_DEPART * sizeof(CaseValeur), &adresse);
  if (!v->bloc_cases) return 0;
  v->cases = (CaseValeur*)adresse;
  v->nb_cases = CASES_DEPART;
  memset(v->cases, 0, CASES_DEPART * sizeof(CaseValeur));
  return 1;
}

int ValeursAjouter(ValeursRapides* v, const char* texte, uint32_t n) {
  const uint32_t h = Hacher(texte, n);
  uint32_t k = h & (v->nb_cases - 1);
  for (; v->cases[k].decalage_plus_un; k = (k + 1) & (v->nb_cases - 1)) {
    const CaseValeur& c = v->cases[k];
    const char* vue = v->valeurs + c.decalage_plus_un - 1;
    if (c.hache == h && memcmp(vue, texte, n) == 0 && vue[n] == 0) return 1;
  }
  const uint64_t besoin = (uint64_t)v->utilise + n + MARGE;
  if (besoin > v->capacite && !Agrandir(v, besoin)) return 0;
  memcpy(v->valeurs + v->utilise, texte, n);
  v->valeurs[v->utilise + n] = 0;
  v->cases[k] = {v->utilise + 1, h};
  v->utilise += n + 1;
  v->nombre++;
  if (v->nombre * 2 > v->nb_cases && !Doubler(v)) return 0;
  return 1;
}

ResultatValeurs ValeursCollecter(ValeursRapides* v, uint8_t* debut, uint8_t* fin, uint16_t genre,
                                 const AttenteValeurs* attente) {
  uint32_t compte = 0;
  for (uint8_t* f = debut; f < fin; f = FicheSuivante(f)) {
    if (Attendre(attente, &compte)) break;
    if (!AjouterChamp(v, f, genre)) return VALEURS_MEMOIRE_LISTE;
  }
  return VALEURS_FAIT;
}

ResultatValeurs ValeursTrier(ValeursRapides* v, const Caracteres* caracteres,
                             const AttenteValeurs* attente) {
  const Memoire* m = v->memoire;
  const uint64_t taille = ((uint64_t)v->nombre + 1) * sizeof(uint32_t);
  void* a = nullptr;
  void* b = nullptr;
  Poignee bloc_a = Allouer(m, taille, &a);
  Poignee bloc_b = bloc_a ? Allouer(m, taille, &b) : nullptr;
  if (!bloc_b) {
    Liberer(m, &bloc_a);
    return VALEURS_MEMOIRE_COMPARAISON;
  }
  void* triees = nullptr;
  v->bloc_triees = Allouer(m, (uint64_t)v->utilise + MARGE, &triees);
  if (!v->bloc_triees) {
    Liberer(m, &bloc_a);
    Liberer(m, &bloc_b);
    return VALEURS_MEMOIRE_LISTE;
  }
  v->triees = (char*)triees;

  uint32_t* source = (uint32_t*)a;
  uint32_t* cible = (uint32_t*)b;
  uint32_t i = 0;
  for (uint32_t d = 0; d < v->utilise; d += (uint32_t)strlen(v->valeurs + d) + 1) source[i++] = d;
  uint32_t compte = 0;
  bool fini = true;
  for (uint64_t largeur = 1; fini && largeur < v->nombre; largeur *= 2) {
    fini = Fusionner(v, caracteres, source, cible, largeur, attente, &compte);
    uint32_t* x = source;
    source = cible;
    cible = x;
  }
  if (fini) {
    uint32_t place = 0;
    for (uint32_t k = 0; k < v->nombre; k++) {
      const char* valeur = v->valeurs + source[k];
      const uint32_t n = (uint32_t)strlen(valeur) + 1;
      memcpy(v->triees + place, valeur, n);
      place += n;
    }
  }
  Liberer(m, &bloc_a);
  Liberer(m, &bloc_b);
  return VALEURS_FAIT;
}

void ValeursLiberer(ValeursRapides* v) {
  Liberer(v->memoire, &v->bloc_valeurs);
  Liberer(v->memoire, &v->bloc_cases);
  Liberer(v->memoire, &v->bloc_triees);
}
