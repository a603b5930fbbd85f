#include "ordre_windows.h"

#include <array>
#include <cstdint>

namespace {

enum Genre : uint8_t { IGNORE, MOT, SIGNE, CHIFFRE, LETTRE };

// What one byte weighs: its kind, its first level (base letter, digit or
// sign), a second letter for the ligatures, its accent and its case.
struct Poids {
  Genre genre;
  uint8_t base, base2;
  uint8_t accent;
  uint8_t majuscule;
};

// 0xC0-0xFF: base letter ('?': not a plain letter) and accent (1 grave,
// 2 acute, 3 circumflex, 4 tilde, 5 diaeresis, 6 ring, 7 cedilla, 8 stroke).
constexpr char BASES[] = "aaaaaa?ceeeeiiiidnooooo?ouuuuy??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y";
constexpr uint8_t ACCENTS[] = {1, 2, 3, 4, 5, 6, 0, 7, 1, 2, 3, 5, 1, 2, 3, 5, 8, 4, 1, 2, 3, 4,
                               5, 0, 8, 1, 2, 3, 5, 2, 0, 0, 1, 2, 3, 4, 5, 6, 0, 7, 1, 2, 3, 5,
                               1, 2, 3, 5, 8, 4, 1, 2, 3, 4, 5, 0, 8, 1, 2, 3, 5, 2, 0, 5};

constexpr Poids Lettre(char base, uint8_t accent, uint8_t majuscule, char base2 = 0) {
  return Poids{LETTRE, (uint8_t)base, (uint8_t)base2, accent, majuscule};
}

constexpr Poids Peser(unsigned o) {
  if (o < 0x20 || o == 0x7F || o == 0xAD) return Poids{IGNORE, 0, 0, 0, 0};
  if (o == '-' || o == '\'') return Poids{MOT, (uint8_t)o, 0, 0, 0};
  if (o >= '0' && o <= '9') return Poids{CHIFFRE, (uint8_t)o, 0, 0, 0};
  if (o >= 'a' && o <= 'z') return Lettre((char)o, 0, 0);
  if (o >= 'A' && o <= 'Z') return Lettre((char)(o - 'A' + 'a'), 0, 1);
  switch (o) {
    case 0x83: return Lettre('f', 9, 0);
    case 0x8A: return Lettre('s', 10, 1);
    case 0x9A: return Lettre('s', 10, 0);
    case 0x8E: return Lettre('z', 10, 1);
    case 0x9E: return Lettre('z', 10, 0);
    case 0x8C: return Lettre('o', 0, 1, 'e');
    case 0x9C: return Lettre('o', 0, 0, 'e');
    case 0x9F: return Lettre('y', 5, 1);
    case 0xAA: return Lettre('a', 11, 0);
    case 0xBA: return Lettre('o', 11, 0);
    case 0xB2: return Poids{CHIFFRE, '2', 0, 11, 0};
    case 0xB3: return Poids{CHIFFRE, '3', 0, 11, 0};
    case 0xB9: return Poids{CHIFFRE, '1', 0, 11, 0};
    case 0xC6: return Lettre('a', 0, 1, 'e');
    case 0xE6: return Lettre('a', 0, 0, 'e');
    case 0xDF: return Lettre('s', 0, 0, 's');
    case 0xDE: return Lettre('z' + 1, 0, 1);  // thorn, after z
    case 0xFE: return Lettre('z' + 1, 0, 0);
  }
  if (o >= 0xC0 && BASES[o - 0xC0] != '?')
    return Lettre(BASES[o - 0xC0], ACCENTS[o - 0xC0], o < 0xE0);
  return Poids{SIGNE, (uint8_t)o, 0, 0, 0};
}

constexpr std::array<Poids, 256> TABLE = [] {
  std::array<Poids, 256> t{};
  for (unsigned o = 0; o < 256; o++) t[o] = Peser(o);
  return t;
}();

// The first level of a character: signs, then digits, then letters.
int Premier(const Poids& p) { return (int)p.genre << 8 | p.base; }

// The weights of one level of a text, one by one; a ligature gives two.
// Hyphens and apostrophes weigh only at the last level, where every other
// character weighs 0, so that "coop" comes before "co-op".
struct Curseur {
  const unsigned char* t;
  int niveau;
  int attente;  // the second weight of a ligature, or -1
};

int Suivant(Curseur* c) {
  if (c->attente >= 0) {
    int w = c->attente;
    c->attente = -1;
    return w;
  }
  while (*c->t) {
    const Poids& p = TABLE[*c->t++];
    if (p.genre == IGNORE || (p.genre == MOT && c->niveau < 3)) continue;
    int w = c->niveau == 0   ? Premier(p)
            : c->niveau == 1 ? p.accent
            : c->niveau == 2 ? p.majuscule
                             : (p.genre == MOT ? p.base : 0);
    if (p.base2) c->attente = c->niveau == 0 ? (LETTRE << 8 | p.base2) : w;
    return w;
  }
  return -1;
}

}  // namespace

int OrdreWindows(const char* a, const char* b) {
  for (int niveau = 0; niveau < 4; niveau++) {
    Curseur x{(const unsigned char*)a, niveau, -1}, y{(const unsigned char*)b, niveau, -1};
    for (;;) {
      int u = Suivant(&x), v = Suivant(&y);
      if (u != v) return u < v ? -1 : 1;
      if (u < 0) break;
    }
  }
  return 0;
}
