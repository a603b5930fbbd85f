#include "tri.h"

#include <algorithm>
#include <cstring>

#include "fiche.h"
#include "titre.h"

namespace {

// Repaint the window after this many comparisons or cards copied, so that
// it stays drawn through a long sort.
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

void Redessiner(const SystemeTri* sys, Poignee fenetre) {
  sys->fenetres->redessiner(sys->fenetres->ctx, fenetre);
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
  BlocTri entrees, sortie;
  if (!Allouer(m, &entrees, (uint64_t)nombre * sizeof(EntreeTri)) ||
      !Allouer(m, &sortie, taille + 10)) {
    Liberer(m, &entrees);
    const Fenetres* f = sys->fenetres;
    f->message(f->ctx, f->focus_actuel(f->ctx), "Allocation de mémoire impossible ! ",
               TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
    return nullptr;
  }

  uint16_t marque = LireMot(ecran);
  if (marque <= 1) EcrireMot(ecran, (uint16_t)(MARQUEUR_ECRAN + marque));
  Redessiner(sys, fenetre);

  EntreeTri* e = (EntreeTri*)entrees.octets;
  uint32_t n = 0;
  for (uint8_t* f = debut; f < fin; n++) {
    uint8_t* suivante = FicheSuivante(f);
    int champ = cle >= TRI_NOM && cle <= TRI_RUBRIQUE ? cle - 1 : CHAMP_NOM;
    e[n] = {FicheTexte(f, champ, nullptr), (uint32_t)(f - debut), (uint32_t)(suivante - f)};
    f = suivante;
  }

  // The selection of the smallest key, scanning the cards left in order,
  // takes a card x over the smallest s so far only when comparer(s, x) > 0:
  // the earlier of equal cards stays. When the comparison is a consistent
  // total preorder, as the platform's linguistic order is (it amounts to
  // comparing sort keys), that is the stable sort under "a before b when
  // comparer(b, a) > 0", asked of the comparison the same way round. Equal
  // bytes are equal keys without asking.
  const Caracteres* c = sys->caracteres;
  uint32_t comparaisons = 0;
  std::stable_sort(e, e + nombre, [&](const EntreeTri& a, const EntreeTri& b) {
    if (++comparaisons % PAS_REDESSIN == 0) Redessiner(sys, fenetre);
    return strcmp(a.cle, b.cle) != 0 && c->comparer(c->ctx, b.cle, a.cle) > 0;
  });

  uint32_t position = 0, place_ecran = 0;
  uint32_t offset_ecran = (uint32_t)(ecran - debut);
  for (uint32_t i = 0; i < nombre; i++) {
    if (e[i].debut == offset_ecran) {
      place_ecran = position;
      *numero = (int32_t)(i + 1);
    }
    memcpy(sortie.octets + position, debut + e[i].debut, e[i].taille);
    position += e[i].taille;
    if ((i + 1) % PAS_REDESSIN == 0) Redessiner(sys, fenetre);
  }
  memcpy(debut, sortie.octets, taille);

  // The card on screen is followed by its place, not by its marker: a mark
  // word of 4 or 5 read from a file elsewhere is left as it is.
  uint8_t* nouvel_ecran = debut + place_ecran;
  EcrireMot(nouvel_ecran, marque);
  Liberer(m, &sortie);
  Liberer(m, &entrees);
  return nouvel_ecran;
}
