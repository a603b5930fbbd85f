// The main program's side of the bulk conversion of lvxgest: the store
// and the card view handed over, the store taken back.
#pragma once

#include "programme.h"

// The five Convertir commands, by their flag in the hand-over.
enum GenreConversion {
  CONVERTIR_VERS_NAVIGATEUR,
  CONVERTIR_VERS_EXTRA_WEB,
  CONVERTIR_REMPLACER,
  CONVERTIR_AJOUTER,
  CONVERTIR_SUPPRIMER,
};

// One of them: the memory-failure reset runs when no block came back;
// otherwise changed cards mark the work as modified, and cards left alone
// for a field too long are reported once.
int CommandeConversion(Programme* p, int genre);
