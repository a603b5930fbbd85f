// What lvxaffic reaches of the system: the shared records and its own
// dialogs, whose templates live in lvxaffic.dll.
#pragma once

#include "plateforme.h"

struct DialogueListes;
struct DialogueEnvRecherche;

struct DialoguesAffic {
  void* ctx;
  // The list dialog on its record, until it closes; the rules of its
  // buttons are the core's (DialogueListesAppuyer).
  void (*dialogue_listes)(void* ctx, Poignee proprietaire, DialogueListes* d);
  // The criteria dialog over the list (EnvRechercheAppuyer); 1 on OK.
  int (*dialogue_env_recherche)(void* ctx, Poignee proprietaire, DialogueEnvRecherche* d);
};

// The library's dialogs in this process: lvxaffic's own in the DLL, the
// scripted ones in the unit tests.
const DialoguesAffic* DialoguesAfficSysteme();

// The commands' records, kept together.
struct SystemeAffic {
  const Memoire* memoire;
  const Fenetres* fenetres;
  const Caracteres* caracteres;
  const DialoguesAffic* dialogues;
};
