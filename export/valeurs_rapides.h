// The values of a quick list: every value of one field over all cards, or
// every single keyword, each kept once (letter case counts), then sorted by
// the user's order of texts. A value equal in that order to another one
// comes after it when it was met after it.
#pragma once
#include <cstdint>

#include "plateforme.h"

// One value seen: where it lies in the values, 0 for an empty slot.
struct CaseValeur {
  uint32_t decalage_plus_un;
  uint32_t hache;
};

struct ValeursRapides {
  const Memoire* memoire;
  // The values met, NUL-terminated, back to back in the order met.
  Poignee bloc_valeurs;
  char* valeurs;
  uint32_t utilise, capacite;
  uint32_t nombre;
  // Which values are there already: open addressing, doubled when half full.
  Poignee bloc_cases;
  CaseValeur* cases;
  uint32_t nb_cases;  // a power of two
  // The same values, sorted.
  Poignee bloc_triees;
  char* triees;
};

// What a pass leaves: done (or stopped by *abandon), or the memory it
// could not get.
enum ResultatValeurs {
  VALEURS_FAIT,
  VALEURS_MEMOIRE_LISTE,        // the list or its growth
  VALEURS_MEMOIRE_COMPARAISON,  // the sort's working memory
};

// Called every so many cards or values, so that a cancel can be seen.
struct AttenteValeurs {
  void (*pomper)(void* ctx);
  void* ctx;
  const int* abandon;
};

// The list empty, its first blocks obtained; 0 when they cannot be.
int ValeursPreparer(ValeursRapides* v, const Memoire* memoire);
// Adds the n bytes at texte unless the same bytes are listed; 0 when the
// list cannot grow.
int ValeursAjouter(ValeursRapides* v, const char* texte, uint32_t n);
// The values of the kind (RAPIDE_) over the cards from debut to fin, until *abandon.
ResultatValeurs ValeursCollecter(ValeursRapides* v, uint8_t* debut, uint8_t* fin, uint16_t genre,
                                 const AttenteValeurs* attente);
// The values sorted into triees, until *abandon.
ResultatValeurs ValeursTrier(ValeursRapides* v, const Caracteres* caracteres,
                             const AttenteValeurs* attente);
void ValeursLiberer(ValeursRapides* v);
