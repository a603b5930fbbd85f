// The comment of origin that the imports may put into the Notes of every
// card they create: "Provenance de ce lien: ", CR LF, the scanned file's
// path, CR LF. Built once per scanned file.
#pragma once
#include <cstdint>

enum : uint32_t {
  LONGUEUR_CHEMIN_IMPORT = 299,  // the longest current path of an import
  TAILLE_PROVENANCE = 23 + 2 + LONGUEUR_CHEMIN_IMPORT + 2 + 1,
};

struct Provenance {
  char texte[TAILLE_PROVENANCE];  // NUL-terminated, empty without the option
  uint32_t longueur;
};

// The comment for the file at chemin (only its first 299 characters count)
// when option is set; the empty text otherwise.
void ProvenanceConstruire(Provenance* p, const char* chemin, uint16_t option);
