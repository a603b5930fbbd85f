// A plain platform for the benchmarks: real files through stdio under a
// scratch folder standing for C:\, blocks from malloc, no windows.
#pragma once
#include <string>

#include "plateforme.h"

struct SystemeFichiers {
  Plateforme pf;
  std::string racine;  // Linux folder standing for C:\ (no trailing slash)
  int messages;        // any message means the run went wrong
};

void SystemeFichiersInit(SystemeFichiers* s, const std::string& racine);
// "C:\a.lvx" -> <racine>/a.lvx
std::string SystemeFichiersChemin(const SystemeFichiers* s, const char* chemin_windows);
