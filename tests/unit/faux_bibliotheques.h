// What the program asked of the hook library and the information box.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "programme.h"

struct JournalBibliotheques {
  std::vector<uint16_t> crochets;   // InstallHook's on, call after call
  std::vector<uint16_t> filtres;    // FiltrerChiffres's on
  BoutonsMaintenus maintenus{};     // the last held states handed over
  std::vector<void*> informations;  // owners of the information boxes shown
  std::string etapes;               // '0' or '1' for each InstallHook, among other steps noted
};

extern JournalBibliotheques journal_bibliotheques;
