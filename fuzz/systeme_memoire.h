// A platform in memory for the fuzz targets: the one file there is holds the
// fuzzer's input, messages are counted, blocks come from malloc. Counts of
// open files and live blocks let a target check that nothing leaks.
#pragma once
#include <cstddef>
#include <cstdint>

#include "plateforme.h"

struct SystemeMemoire {
  Plateforme pf;
  const uint8_t* octets;  // the file's bytes
  size_t taille;
  size_t position;        // of the open file
  int fichiers_ouverts;
  int blocs_vivants;
  int messages;
};

void SystemeMemoireInit(SystemeMemoire* s, const uint8_t* octets, size_t taille);
