// The command table: every id the main window dispatches, the frame that
// wraps it and the action that runs inside.
#pragma once
#include <cstddef>

#include "base/lorvanix_ids.h"
#include "programme.h"

enum Cadre {
  // Wait cursor, write back, the action, focus to the current field, arrow.
  CADRE_MAGASIN,
  // The same with the hooks off around it, for the library dialogs.
  CADRE_DIALOGUES,
  // Hooks off, wait cursor, write back, arrow, the action, hooks on (the
  // conversions show their own dialogs and cursor).
  CADRE_CONVERSION,
  // The conversion frame, then the focus to the current field.
  CADRE_IMPRESSION,
  // Wait cursor, write back, the action, arrow: the action places the focus.
  CADRE_ATTENTE,
  // Hooks off around the action, then the focus to the current field.
  CADRE_CROCHETS,
  // The action takes every step itself.
  CADRE_PROPRE,
};

// An action gets its row's parametre; 1 when the main window must now be
// destroyed (only the actions of CADRE_PROPRE may say so).
typedef int (*ActionCommande)(Programme* p, int parametre);

struct LigneCommande {
  unsigned id;
  Cadre cadre;
  ActionCommande action;
  int parametre;  // which variant of the action: field, direction, mark action...
};

extern const LigneCommande COMMANDES[];
extern const size_t NB_COMMANDES;

// The row of id, null when id is not dispatched: such an id does nothing.
const LigneCommande* CommandeLigne(unsigned id);
