// Short (8.3) paths turned into the long names the file manager shows.
#pragma once
#include <cstdint>

#include "plateforme.h"

enum : uint32_t { TAILLE_CHEMIN_LONG = 300 };

// Converts chemin in place when it holds a "~": the drive part stays as
// written, every later component becomes the name the file system stores
// for it. A component that cannot be found is kept as it is; a path or a
// result of 300 characters or more is left unchanged.
void CheminCourtVersLong(const Fichiers* fichiers, char* chemin);
