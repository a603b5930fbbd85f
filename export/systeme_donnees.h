// What lvxspec reaches of the system: the shared records and its own
// dialog, whose template lives in lvxspec.dll.
#pragma once

#include "plateforme.h"

struct DialogueSpec;

struct DialoguesSpec {
  void* ctx;
  // "SAUVESPECBOX" on its record; the rules of its boxes are the core's
  // (DialogueSpecAppuyer). 1 on OK.
  int (*dialogue_donnees)(void* ctx, Poignee proprietaire, DialogueSpec* d);
};

// lvxspec's dialog in this process: the DLL's own, or the scripted one of
// the unit tests.
const DialoguesSpec* DialoguesSpecSysteme();

// The export and the split keep their records together.
struct SystemeSpec {
  const Fichiers* fichiers;
  const Fenetres* fenetres;
  const DialoguesCommuns* communs;
  const DialoguesSpec* dialogues;
};
