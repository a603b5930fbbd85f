// The search criteria dialog's record and rules.
#pragma once
#include <cstdint>

#include "base/lorvanix_ids.h"

enum : uint32_t { LONGUEUR_EXPRESSION_MAX = 146 };

struct DialogueCriteres {
  // Noms, URL, Rubriques, Mots clés, Notes, case, exactness, whole field,
  // start of field: the same order as CriteresRecherche.
  uint16_t drapeaux[9];
  char expression[LONGUEUR_EXPRESSION_MAX + 1];
};

// Check box ids of RECHERCHEBOX, in the order of the flags.
extern const unsigned IDS_CRITERES[9];

// A click on one of the nine boxes: toggles its flag; ticking exactness or
// start of field unticks whole field, ticking whole field unticks both.
void CriteresCliquer(DialogueCriteres* d, unsigned id);
