// The prepared search expression and the plain substring search over a
// field copy: memchr on the first byte for short expressions, Horspool's
// skip table for longer ones, so that a field is scanned at memory speed.
#pragma once
#include <cstdint>

struct Motif {
  const char* octets;  // the prepared expression
  uint32_t longueur;   // its bytes
  uint8_t saut[256];   // long expressions: window shift by the window's last byte
};

// Prepares m on the longueur bytes at octets, which must outlive it.
void MotifPreparer(Motif* m, const char* octets, uint32_t longueur);
// The first place in [debut, fin) where the expression occurs, or null.
// An empty expression occurs at debut.
const char* MotifTrouver(const Motif* m, const char* debut, const char* fin);
