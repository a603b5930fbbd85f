#include "casse.h"

#include <cstring>

#include "majuscules.h"

namespace {

const uint64_t UN = 0x0101010101010101u;
const uint64_t HAUT = 0x8080808080808080u;

// Eight bytes at once: the high bit of each byte that is a to z. The low
// seven bits are compared by adding, which never carries into the next
// byte; bytes with their own high bit set are never letters.
uint64_t Minuscules(uint64_t w) {
  uint64_t sept = w & ~HAUT;
  uint64_t depuis_a = sept + (0x80 - 'a') * UN;
  uint64_t apres_z = sept + (0x80 - 'z' - 1) * UN;
  return depuis_a & ~apres_z & ~w & HAUT;
}

// Copies the word (4 or 8 bytes) at i, folded when pli is all ones; 0 without
// writing anything when a NUL is among them.
template <typename Mot>
int MotCopier(char* cible, const char* source, uint32_t i, Mot pli) {
  const Mot un = (Mot)UN, haut = (Mot)HAUT;
  Mot w;
  memcpy(&w, source + i, sizeof w);
  if ((w - un) & ~w & haut) return 0;
  w ^= (Mot)(Minuscules(w) >> 2) & pli;  // 0x80 >> 2 is the case bit
  memcpy(cible + i, &w, sizeof w);
  return 1;
}

}  // namespace

uint32_t TexteCopier(char* cible, const char* source, uint32_t n, uint16_t casse) {
  const uint64_t pli = casse ? 0 : ~(uint64_t)0;
  uint32_t i = 0;
  // Whole words, the last one overlapping the one before: a byte copied
  // twice from the source gets the same value twice. A NUL stops them and
  // leaves the rest to the bytes below.
  if (n >= 8) {
    while (n - i > 8 && MotCopier<uint64_t>(cible, source, i, pli)) i += 8;
    if (n - i <= 8 && MotCopier<uint64_t>(cible, source, n - 8, pli)) i = n;
  } else if (n >= 4 && MotCopier<uint32_t>(cible, source, 0, (uint32_t)pli)) {
    i = MotCopier<uint32_t>(cible, source, n - 4, (uint32_t)pli) ? n : 4;
  }
  for (; i < n && source[i]; i++) cible[i] = casse ? source[i] : Majuscule(source[i]);
  cible[i] = 0;
  return i;
}
