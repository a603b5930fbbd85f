#include "casse.h"

#include <cstring>

namespace {

const uint64_t UN = 0x0101010101010101u;
const uint64_t HAUT = 0x8080808080808080u;

char Majuscule(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }

// Eight bytes at once: the high bit of each byte that is a to z. The low
// seven bits are compared by adding, which never carries into the next
// byte; bytes with their own high bit set are never letters.
uint64_t Minuscules(uint64_t w) {
  uint64_t sept = w & ~HAUT;
  uint64_t depuis_a = sept + (0x80 - 'a') * UN;
  uint64_t apres_z = sept + (0x80 - 'z' - 1) * UN;
  return depuis_a & ~apres_z & ~w & HAUT;
}

}  // namespace

uint32_t TexteCopier(char* cible, const char* source, uint32_t n, uint16_t casse) {
  const uint64_t pli = casse ? 0 : ~(uint64_t)0;
  uint32_t i = 0;
  if (n >= 8) {
    // Whole words, the last one overlapping the one before: a byte copied
    // twice from the source gets the same value twice.
    for (uint32_t debut = 0;; debut = i < n - 8 ? i : n - 8) {
      uint64_t w;
      memcpy(&w, source + debut, 8);
      if ((w - UN) & ~w & HAUT) break;  // a NUL among these: the bytes below find it
      w ^= (Minuscules(w) >> 2) & pli;  // 0x80 >> 2 is the case bit
      memcpy(cible + debut, &w, 8);
      i = debut + 8;
      if (i == n) break;
    }
  }
  for (; i < n && source[i]; i++) cible[i] = casse ? source[i] : Majuscule(source[i]);
  cible[i] = 0;
  return i;
}
