// Decoding of a captured HTML text (link, folder or page title): runs of
// white space become one space and the 101 known character references their
// byte; everything else is copied as it is.
#pragma once
#include <cstdint>

#include "textes_import.h"

enum : uint32_t {
  NB_ENTITES = 101,
};

struct Entite {
  const char* nom;  // "&amp;", with its semicolon
  uint8_t octet;
};

// The known references, compared with case.
extern const Entite ENTITES[NB_ENTITES];

// Decodes the NUL-terminated entree into sortie, which is cleared over taille
// bytes first and must not overlap entree. At most taille - 1 bytes are
// written, then a NUL: a longer result is cut there (never inside a
// reference, which gives one byte). Returns the length written; *coupe (if
// given) is 1 when input was left over.
uint32_t EntitesDecoder(const char* entree, char* sortie, uint32_t taille, int* coupe);

// Replaces texte by its decoding, built in the transfer buffer (65,534
// bytes). The decoding is never longer than its input, so it fits where the
// text was.
uint32_t EntitesRemplacer(char* texte, char* transfert);
