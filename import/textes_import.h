// The size of every text buffer of the import library: the transfer
// buffer, and each captured URL, address, name, title or category.
#pragma once
#include <cstdint>

enum : uint32_t {
  TAILLE_TEXTE_IMPORT = 65534,  // NUL included
  // A text that may get "mailto:" before it keeps at most this many bytes,
  // so that both always fit one buffer, and the same file read again finds
  // its cards as duplicates.
  LONGUEUR_AVANT_MAILTO_MAX = TAILLE_TEXTE_IMPORT - 1 - 7,
};
