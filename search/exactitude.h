// Exactness: an occurrence counts only when it stands alone between
// separators (space, tab, carriage return, and line feeds under their own
// rules); every punctuation mark counts as part of a word.
#pragma once
#include <cstdint>

#include "plateforme.h"

// 1 when the longueur bytes at occurrence, inside the NUL-terminated texte,
// stand alone.
int OccurrenceIsolee(const Plateforme* pf, const char* texte, const char* occurrence,
                     uint32_t longueur);
