// Bounded copies of texts and paths: nothing is ever written past the
// buffer that receives them.
#pragma once
#include <cstddef>

// source into cible of taille bytes, cut to taille - 1 bytes and a NUL. A
// null source gives an empty text; source may be cible itself.
void CopierTexte(char* cible, const char* source, size_t taille);

// The folder of a path: what stands before its last backslash, cut to
// taille - 1 bytes; empty when the path has no backslash.
void DossierDuChemin(const char* chemin, char* dossier, size_t taille);
