// What lvxgest reaches of the system: the shared records and its own
// dialogs, whose templates live in lvxgest.dll.
#pragma once
#include <cstdint>

#include "plateforme.h"

struct DialogueConversion;

enum : uint32_t { TAILLE_CHEMIN_CHOISI_GEST = 260 };

// "Choisir un chemin :": the open dialog in its explorer style, its own
// buttons replaced by the panel's "&OK" and "&Annuler".
struct ChoixChemin {
  Poignee proprietaire;
  const char* titre;
  const char* filtre;           // pairs of NUL-terminated texts, ended by an empty one
  const char* dossier_initial;  // null or empty: the current folder
  // out, after the panel's OK: the file selected, with its folder, or the
  // folder shown when no file is selected.
  char chemin[TAILLE_CHEMIN_CHOISI_GEST];
  uint32_t erreur;  // out: extended error code of a failed dialog, else 0
};

struct DialoguesGest {
  void* ctx;
  // One of the conversion dialogs on its record (the record's model names
  // the template); the rules of its boxes and buttons are the core's
  // (DialogueConversionAppuyer). 1 on OK.
  int (*dialogue_conversion)(void* ctx, Poignee proprietaire, DialogueConversion* d);
  // 1 when the panel's OK closed the chooser (chemin filled); 0 on
  // Annuler or a failure (erreur).
  int (*choisir_chemin)(void* ctx, ChoixChemin* c);
};

// The library's dialogs in this process: lvxgest's own in the DLL, the
// scripted ones in the unit tests.
const DialoguesGest* DialoguesGestSysteme();

// The conversion's records, kept together.
struct SystemeGest {
  const Memoire* memoire;
  const Fichiers* fichiers;
  const Fenetres* fenetres;
  const Coquille* coquille;
  const DialoguesGest* dialogues;
};
