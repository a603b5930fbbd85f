// The on-screen search: the successive occurrences of the expression in the
// card on screen, from the top of the first field to the bottom of the last.
#pragma once
#include <cstdint>

#include "moteur.h"

// What the caller holds between two on-screen searches.
struct PositionEcran {
  // For each field, the byte offset in its text where its next search
  // begins; a value past the end of a text that has shrunk means the end.
  uint32_t reprises[NB_CHAMPS];
  uint32_t champ;  // field of the occurrence found
  uint16_t debut;  // its start, in characters from the start of the field
  uint16_t fin;    // debut plus the characters of the expression
};

// Looks for the next occurrence on the card at fiche, field after field,
// each from its resume position (from the start of every field when
// nouvelle is 1). 1 when found: champ, debut and fin tell where, and the
// field's resume position moves just after it. A field without a match
// keeps the position where its search stopped.
uint16_t MoteurEcran(const Moteur* m, const uint8_t* fiche, char* tampon, int nouvelle,
                     PositionEcran* position);
