// What lvxliens reaches of the system: the shared records and its own
// dialogs, whose templates live in lvxliens.dll.
#pragma once

#include "plateforme.h"

struct DialogueLiens;

struct DialoguesLiens {
  void* ctx;
  // One of the three dialogs on its record (the record's model names the
  // template); the rules of its boxes and buttons are the core's
  // (DialogueLiensAppuyer). 1 on OK.
  int (*dialogue_liens)(void* ctx, Poignee proprietaire, DialogueLiens* d);
};

// The library's dialogs in this process: lvxliens's own in the DLL, the
// scripted ones in the unit tests.
const DialoguesLiens* DialoguesLiensSysteme();

// The commands' records, kept together.
struct SystemeLiens {
  const Memoire* memoire;
  const Fichiers* fichiers;
  const Fenetres* fenetres;
  const DialoguesCommuns* communs;
  const DialoguesLiens* dialogues;
};
