// What lvxcalc reaches of the system: the shared records and its result
// box, whose template lives in lvxcalc.dll.
#pragma once

#include "plateforme.h"

// What the result box shows: two label lines above the number.
struct ResultatCalcul {
  const char* lignes[2];  // the first may be empty: left blank
  char nombre[12];        // the count in decimal
};

struct DialoguesCalcul {
  void* ctx;
  // "CALCULERBOX" showing r, until "&OK" closes it.
  void (*resultat_calcul)(void* ctx, Poignee proprietaire, const ResultatCalcul* r);
};

// The library's box in this process: lvxcalc's own, or the tests' record
// of the boxes shown.
const DialoguesCalcul* DialoguesCalculSysteme();

struct SystemeCalcul {
  const Memoire* memoire;  // the collections of distinct texts
  const Fenetres* fenetres;
  const DialoguesCalcul* dialogues;
};
