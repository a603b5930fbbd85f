// "Découper...": a data file on disk cut into two: the first half of its
// cards stays in it, the second half goes to another file. A copy of the
// whole file in the temporary folder puts it back if the second half
// cannot be written.
#pragma once
#include <cstdint>

#include "dialogue_donnees.h"
#include "systeme_donnees.h"

struct DecoupeSpec {
  const SystemeSpec* sys;
  CiblesSpec* cibles;  // the two paths and folders kept between calls
  Poignee fenetre;     // main window
  const char* magie;
  uint8_t* tampon;     // transfer buffer (65,534 bytes)
  Poignee fleche, attente;
  const char* NomFichier;  // current file: where the dialogs first open
  const char* dossier_programme;
};

// 1 when the file was cut; otherwise a box said why, or the user cancelled.
uint16_t DecouperFichier(const DecoupeSpec* d);
