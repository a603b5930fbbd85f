// The installation, one step per window message: the folder, the 24 files,
// then the program group.
#pragma once

#include "installateur.h"
#include "systeme_installation.h"

enum : int {
  NOMBRE_FICHIERS = 24,
  ETAPE_DEBUT = 1,                                            // hourglass, buttons off, the folder named
  ETAPE_DOSSIER = 2,                                          // the folder made, the installer's made current
  ETAPE_PREMIERE_COPIE = 3,                                   // two steps per file: its status, its copy
  ETAPE_GROUPE = ETAPE_PREMIERE_COPIE + 2 * NOMBRE_FICHIERS,  // the DDE conversation
};

// The files copied, in order, from the installer's folder.
extern const char* const FICHIERS_INSTALLES[NOMBRE_FICHIERS];

// Runs step `etape`; 0 when it failed (the installer is then closed, or
// was never started), 1 otherwise.
int Installation(Installateur* in, const SystemeInstallation* s, int etape);
