// Capitals as every comparison "without regard to case" of the program
// makes them: only the letters a to z change; accented letters and every
// other byte stay as they are.
#pragma once
#include <cstddef>

inline char Majuscule(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }

// The n bytes of a and b are equal in capitals.
inline bool EgauxSansCasse(const char* a, const char* b, size_t n) {
  for (size_t i = 0; i < n; i++)
    if (Majuscule(a[i]) != Majuscule(b[i])) return false;
  return true;
}

// texte begins with the NUL-terminated mot, in capitals. texte is read only
// up to its first differing byte, so a shorter text stops at its NUL.
inline bool CommenceSansCasse(const char* texte, const char* mot) {
  for (; *mot; texte++, mot++)
    if (Majuscule(*texte) != Majuscule(*mot)) return false;
  return true;
}
