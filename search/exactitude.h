// Exactness: an occurrence counts only when it stands alone between
// separators (space, tab, carriage return, and line feeds under their own
// rules); every punctuation mark counts as part of a word.
#pragma once
#include <cstdint>

#include "caracteres.h"

// 1 when the longueur bytes at occurrence, inside the NUL-terminated text
// read by c, stand alone. Occurrences are asked about in text order.
int OccurrenceIsolee(Curseur* c, const char* occurrence, uint32_t longueur);
