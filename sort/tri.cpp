#include "tri.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "fiche.h"
#include "titre.h"

namespace {

// Repaint the window after this many comparisons or cards, so that it
// stays drawn through a long sort.
constexpr uint32_t PAS_REDESSIN = 1u << 16;

// Marker of the card on screen while the cards move: its mark word 0
// becomes 4, 1 becomes 5.
constexpr uint16_t MARQUEUR_ECRAN = 4;

// One card of the store: its key (inside the store, which does not move
// until every card is placed), its offset and its size.
struct EntreeTri {
  const char* cle;
  uint32_t debut;
  uint32_t taille;
};

// The working arrays of one sort, carved out of one block.
struct Travail {
  EntreeTri* cartes;   // every card, in store order
  uint32_t* rang;      // the distinct key of each card
  uint32_t* premiere;  // the first card of each distinct key
  uint32_t* haches;    // the hash of each distinct key
  uint32_t* triees;    // the distinct keys, sorted
  uint32_t* classe;    // the rank of each distinct key's class of keys that compare equal
  uint32_t* places;    // where each class begins in the output
  uint32_t* ordre;     // the cards in their new order
  uint32_t* table;     // distinct key + 1 by hash, 0 for none
  uint32_t masque;     // the table's size - 1
};

// A block of the platform, locked, for the length of one sort.
struct BlocTri {
  Poignee bloc;
  uint8_t* octets;
};

int Allouer(const Memoire* m, BlocTri* b, uint64_t taille) {
  *b = BlocTri{};
  if (taille == 0) taille = 1;
  if (taille > UINT32_MAX) return 0;
  b->bloc = m->bloc_allouer(m->ctx, (uint32_t)taille);
  if (!b->bloc) return 0;
  b->octets = m->bloc_verrouiller(m->ctx, b->bloc);
  return 1;
}

void Liberer(const Memoire* m, BlocTri* b) {
  if (!b->bloc) return;
  m->bloc_deverrouiller(m->ctx, b->bloc);
  m->bloc_liberer(m->ctx, b->bloc);
  *b = BlocTri{};
}

// Lays the arrays out in octets, or measures them when octets is null.
uint64_t Disposer(Travail* t, uint8_t* octets, uint32_t nombre) {
  uint64_t table = 2;
  while (table < 2 * (uint64_t)nombre) table *= 2;
  t->masque = (uint32_t)(table - 1);
  uint64_t position = 0;
  auto prendre = [&](auto** tableau, uint64_t n) {
    *tableau =
        octets ? (std::remove_reference_t<decltype(**tableau)>*)(octets + position) : nullptr;
    position += (n * sizeof **tableau + 7) & ~(uint64_t)7;
  };
  prendre(&t->cartes, nombre);
  for (uint32_t** tableau : {&t->rang, &t->premiere, &t->haches, &t->triees, &t->classe, &t->ordre})
    prendre(tableau, nombre);
  prendre(&t->places, (uint64_t)nombre + 1);
  prendre(&t->table, table);
  return position;
}

uint32_t Hacher(const char* texte) {
  uint32_t h = 2166136261u;
  for (const uint8_t* c = (const uint8_t*)texte; *c; c++) h = (h ^ *c) * 16777619u;
  return h;
}

void Redessiner(const SystemeTri* sys, Poignee fenetre) {
  sys->fenetres->redessiner(sys->fenetres->ctx, fenetre);
}

// Each card's distinct key: cards whose keys have the same bytes share one,
// found by hashing, so that the comparison is asked of each text once.
uint32_t Regrouper(Travail* t, uint32_t nombre) {
  uint32_t distinctes = 0;
  memset(t->table, 0, ((uint64_t)t->masque + 1) * sizeof *t->table);
  for (uint32_t i = 0; i < nombre; i++) {
    const char* cle = t->cartes[i].cle;
    uint32_t h = Hacher(cle), k = h & t->masque;
    for (; t->table[k]; k = (k + 1) & t->masque) {
      uint32_t j = t->table[k] - 1;
      if (t->haches[j] == h && strcmp(t->cartes[t->premiere[j]].cle, cle) == 0) break;
    }
    if (!t->table[k]) {
      t->premiere[distinctes] = i;
      t->haches[distinctes] = h;
      t->table[k] = ++distinctes;
    }
    t->rang[i] = t->table[k] - 1;
  }
  return distinctes;
}

}  // namespace

uint8_t* TrierFiches(const SystemeTri* sys, uint8_t* debut, uint8_t* fin, uint8_t* ecran,
                     uint16_t cle, Poignee fenetre, int32_t* numero) {
  const Memoire* m = sys->memoire;
  uint32_t nombre = 0;
  for (uint8_t* f = debut; f < fin; f = FicheSuivante(f)) nombre++;
  uint64_t taille = (uint64_t)(fin - debut);
  *numero = 0;
  if (nombre == 0) return ecran;

  // Every byte of working memory first: the store is touched only once
  // all of it was had.
  Travail t;
  BlocTri travail, sortie;
  if (!Allouer(m, &travail, Disposer(&t, nullptr, nombre)) || !Allouer(m, &sortie, taille + 10)) {
    Liberer(m, &travail);
    const Fenetres* f = sys->fenetres;
    f->message(f->ctx, f->focus_actuel(f->ctx), "Allocation de mémoire impossible ! ",
               TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
    return nullptr;
  }
  Disposer(&t, travail.octets, nombre);

  uint16_t marque = LireMot(ecran);
  if (marque <= 1) EcrireMot(ecran, (uint16_t)(MARQUEUR_ECRAN + marque));
  Redessiner(sys, fenetre);

  int champ = cle >= TRI_NOM && cle <= TRI_RUBRIQUE ? cle - 1 : CHAMP_NOM;
  uint32_t n = 0, carte_ecran = 0;
  for (uint8_t* f = debut; f < fin; n++) {
    uint8_t* suivante = FicheSuivante(f);
    if (f == ecran) carte_ecran = n;
    t.cartes[n] = {FicheTexte(f, champ, nullptr), (uint32_t)(f - debut), (uint32_t)(suivante - f)};
    f = suivante;
  }
  uint32_t distinctes = Regrouper(&t, nombre);

  // The selection of the smallest key, scanning the cards left in order,
  // takes a card x over the smallest s so far only when comparer(s, x) > 0:
  // the earlier of equal cards stays. When the comparison is a consistent
  // total preorder, as the platform's linguistic order is (it amounts to
  // comparing sort keys), that is the stable sort under "a before b when
  // comparer(b, a) > 0", asked the same way round. So the distinct keys are
  // sorted, each gets the rank of its class of keys that compare equal, and
  // the cards are dealt out by rank in their store order. Should
  // stable_sort not get its own scratch memory, it merges in place: slower,
  // the same order.
  const Caracteres* c = sys->caracteres;
  uint32_t comparaisons = 0;
  auto avant = [&](uint32_t a, uint32_t b) {
    if (++comparaisons % PAS_REDESSIN == 0) Redessiner(sys, fenetre);
    return c->comparer(c->ctx, t.cartes[t.premiere[b]].cle, t.cartes[t.premiere[a]].cle) > 0;
  };
  for (uint32_t j = 0; j < distinctes; j++) t.triees[j] = j;
  std::stable_sort(t.triees, t.triees + distinctes, avant);
  uint32_t classes = 0;
  for (uint32_t j = 0; j < distinctes; j++) {
    if (j > 0 && avant(t.triees[j - 1], t.triees[j])) classes++;
    t.classe[t.triees[j]] = classes;
  }
  memset(t.places, 0, ((uint64_t)classes + 2) * sizeof *t.places);
  for (uint32_t i = 0; i < nombre; i++) t.places[t.classe[t.rang[i]] + 1]++;
  for (uint32_t k = 1; k <= classes + 1; k++) t.places[k] += t.places[k - 1];
  for (uint32_t i = 0; i < nombre; i++) t.ordre[t.places[t.classe[t.rang[i]]]++] = i;

  uint32_t position = 0, place_ecran = 0;
  for (uint32_t i = 0; i < nombre; i++) {
    const EntreeTri& e = t.cartes[t.ordre[i]];
    if (t.ordre[i] == carte_ecran) {
      place_ecran = position;
      *numero = (int32_t)(i + 1);
    }
    memcpy(sortie.octets + position, debut + e.debut, e.taille);
    position += e.taille;
    if ((i + 1) % PAS_REDESSIN == 0) Redessiner(sys, fenetre);
  }
  memcpy(debut, sortie.octets, taille);

  // The card on screen is followed by its place, not by its marker: a mark
  // word of 4 or 5 read from a file elsewhere is left as it is.
  uint8_t* nouvel_ecran = debut + place_ecran;
  EcrireMot(nouvel_ecran, marque);
  Liberer(m, &sortie);
  Liberer(m, &travail);
  return nouvel_ecran;
}
