// Many cards of the store resized in one pass. The caller first lists
// every card that changes with its old and new size, in store order; the
// block then grows once, as far as the 1,000-byte rule would have taken it
// card after card, and each changed card is written to its final place
// while each run of unchanged cards between them moves once. The runs and
// cards that move up are placed from the last one down, the others from
// the first one up: a move up only covers bytes of later cards already
// placed, a move down only bytes of earlier ones, so every card is still
// whole at its old place when its turn comes.
#pragma once
#include <cstdint>

#include "magasin.h"

// A card that changes.
struct Modification {
  uint32_t position;  // its offset in the store before the rewrite
  uint32_t ancienne;  // its size before
  uint32_t nouvelle;  // and after
  uint32_t donnee;    // the caller's own
};

// Writes the new bytes of the card m (still whole at ancienne) at place,
// exactly m.nouvelle of them. The two may overlap.
typedef void (*EcrireModification)(void* ctx, const Modification& m, uint8_t* ancienne,
                                   uint8_t* place);

// Grows the block for these changes by the 1,000-byte rule, each card that
// grows asking for the bytes then used and 1,000 more; lpDebutMem, lpFinMem
// and lpFicheEcran follow a move. 0 when it cannot grow: the block is as
// it was.
int MagasinAgrandirPour(Magasin* m, const Memoire* memoire, const Modification* plan,
                        uint32_t nb);
// Rewrites the store for these changes (after MagasinAgrandirPour):
// TailleTotaleFiches, lpFinMem and lpFicheEcran follow.
void MagasinPlacer(Magasin* m, const Modification* plan, uint32_t nb, EcrireModification ecrire,
                   void* ctx);
