// The system's case folding: only the 26 letters a to z become A to Z;
// every other byte, accented letters included, stays as it is.
#pragma once
#include <cstdint>

// Copies the n bytes of source up to its first NUL among them, then a NUL;
// in capitals when casse is 0. Reads no byte past source + n. Returns the
// bytes copied before the NUL.
uint32_t TexteCopier(char* cible, const char* source, uint32_t n, uint16_t casse);
