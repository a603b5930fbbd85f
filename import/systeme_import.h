// What the import library reaches of the system: the shared records and its
// own dialogs, whose templates and panels live in lvxrecup.dll.
#pragma once
#include <cstdint>

#include "plateforme.h"

struct DialogueImport;

// Panels that the folder chooser shows under the folder view.
enum : unsigned {
  PANNEAU_DOSSIER = 325,            // "&OK" 326, "&Annuler" 327
  PANNEAU_DOSSIER_EXTRA_WEB = 359,  // two option boxes, "&OK" 528, "&Annuler" 529
};

// The open-file dialog in its explorer style, used to choose a folder: its
// own buttons and file-name box hidden, a panel of ours below it.
struct DialogueDossier {
  Poignee proprietaire;
  const char* filtre;  // pairs of NUL-terminated texts, ended by an empty one
  const char* titre;
  const char* dossier_initial;
  unsigned panneau;  // PANNEAU_
  // Panel 359: its two boxes, 488 then 527; each click toggles one.
  uint16_t* options;
  char dossier[260];  // out: the folder shown when OK was pressed
  uint32_t erreur;    // out: extended error code, 0 on OK or cancel
};

struct DialoguesImport {
  void* ctx;
  // The options and file dialogs on their record; the rules of the boxes
  // and buttons are the core's (DialogueImportAppuyer). 1 on OK.
  int (*dialogue_import)(void* ctx, Poignee proprietaire, DialogueImport* d);
  // Folder chooser: 1 when a folder was chosen, 0 cancelled or failed (erreur).
  int (*dialogue_dossier)(void* ctx, DialogueDossier* dialogue);
};

// The import library's dialogs in this process: lvxrecup's own in the DLL,
// the scripted ones in the unit tests.
const DialoguesImport* DialoguesImportSysteme();

// The commands use nearly every record: they keep them together.
struct SystemeImport {
  const Memoire* memoire;
  const Fichiers* fichiers;
  const Fenetres* fenetres;
  const Coquille* coquille;
  const DialoguesCommuns* communs;
  const DialoguesImport* dialogues;
};
