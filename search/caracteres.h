// Characters of an 8-bit text as the platform steps them (one byte each in
// the Western code page, one or two in a double-byte one).
#pragma once
#include <cstdint>

#include "plateforme.h"

// The characters from debut up to fin.
uint16_t CaracteresCompter(const Caracteres* caracteres, const char* debut, const char* fin);

// Reads a text from its start: the character before a place is found by
// stepping forwards, as the platform's character-previous defines it, but
// from where the last question left off, so that a whole text costs one
// pass however many places are asked about. Starts as {caracteres, texte, texte,
// texte}.
struct Curseur {
  const Caracteres* caracteres;
  const char* texte;
  const char* borne;  // a character start reached so far
  const char* avant;  // the character start before it (texte at the start)
};

// The start of the character before p, or texte when p is texte. Each
// question asks for a place after the one before, or at most one character
// back from it.
const char* CurseurPrecedent(Curseur* c, const char* p);
