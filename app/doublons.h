// Duplicate marking: the key of a card's compared field, and the marking of
// every card whose key occurs on another card too.
#pragma once
#include <cstdint>

#include "marques.h"
#include "plateforme.h"

// What the keys are made of.
enum ComparaisonDoublon {
  DOUBLON_NOM,        // Nom de site
  DOUBLON_URL,        // URL, whole field
  DOUBLON_CIBLE,      // URL target: an extra-web card's document path
  DOUBLON_FIN_CIBLE,  // last component of the target
};

enum : uint32_t { LONGUEUR_CLE_MAX = 9999 };

// The key of a field's text (longueur bytes, only the first 9,999 count),
// written to cle (LONGUEUR_CLE_MAX bytes, no NUL); returns its length.
uint32_t CleDoublon(ComparaisonDoublon c, const char* texte, uint32_t longueur, char* cle);

// Gives the action to every card from debut to fin whose key is shared:
// a card with an empty field has the empty key, which only the cards whose
// non-empty field reduces to nothing count for. Returns how many cards set
// the work-modified flag, or -1 when the keys could not be stored: then no
// mark changed.
int64_t DoublonsMarquer(const Memoire* memoire, uint8_t* debut, uint8_t* fin, ComparaisonDoublon c,
                        ActionMarquage a);
