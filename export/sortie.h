// A file written through a buffer of its own: many small pieces become few
// large writes, and a failed write is remembered, never taken as success.
#pragma once
#include <cstddef>
#include <cstdint>

#include "plateforme.h"

enum : uint32_t { TAILLE_TAMPON_SORTIE = 1 << 16 };

struct Sortie {
  const Fichiers* fichiers;
  Poignee fichier;
  uint8_t* tampon;  // TAILLE_TAMPON_SORTIE bytes, the caller's
  size_t plein;     // bytes waiting in tampon
  uint64_t ecrits;  // bytes handed to the file so far
  int echec;        // a write fell short
};

Sortie SortieOuvrir(const Fichiers* fichiers, Poignee fichier, uint8_t* tampon);
void SortieEcrire(Sortie* s, const void* octets, size_t n);
void SortieTexte(Sortie* s, const char* texte);
// Writes what waits; 1 when every byte reached the file.
int SortieVider(Sortie* s);
