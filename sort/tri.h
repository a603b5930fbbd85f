// The alphabetical sort of the whole store by one field, in the user's
// order of texts. Cards with equal keys keep their order: the result is the
// stable order under the comparison, which is asked about each distinct
// key a logarithmic number of times.
#pragma once
#include <cstdint>

#include "plateforme.h"

// The sort keys, as the menu gives them.
enum CleTri : uint16_t { TRI_NOM = 1, TRI_URL = 2, TRI_RUBRIQUE = 3 };

struct SystemeTri {
  const Memoire* memoire;        // the working memory of one sort
  const Fenetres* fenetres;      // the repaint and the memory message
  const Caracteres* caracteres;  // the comparison of two keys
};

// Sorts the cards from debut to fin by the field of cle, in place. Returns
// the new address of the card that was at ecran, its 1-based number in
// *numero. Null, after "Allocation de mémoire impossible ! ", when the
// working memory cannot be had: the store is then untouched. fenetre is
// repainted while the sort runs. A key other than the three sorts by site
// name.
uint8_t* TrierFiches(const SystemeTri* sys, uint8_t* debut, uint8_t* fin, uint8_t* ecran,
                     uint16_t cle, Poignee fenetre, int32_t* numero);
