// What the main program reaches of the system: the shared records and the
// dialogs of its own window, which live in lorvanix.exe's resources.
#pragma once
#include <cstdint>

#include "plateforme.h"

struct DialogueCriteres;

// Modal dialogs of the main program on their records; 1 on OK, 0 on Annuler.
struct DialoguesProgramme {
  void* ctx;
  // "Aller à la fiche...": the first characters typed go to texte (taille
  // bytes with the NUL).
  int (*dialogue_aller)(void* ctx, Poignee proprietaire, char* texte, uint32_t taille);
  int (*dialogue_criteres)(void* ctx, Poignee proprietaire, DialogueCriteres* d);
  int (*dialogue_plage)(void* ctx, Poignee proprietaire, const char* titre, char* de, char* a,
                        uint32_t taille);
  int (*dialogue_incompletes)(void* ctx, Poignee proprietaire, uint16_t choix[5]);
};

// The main program uses nearly every record: it keeps them together.
struct SystemeProgramme {
  const Memoire* memoire;
  const Fichiers* fichiers;
  const Fenetres* fenetres;
  const Caracteres* caracteres;
  const Coquille* coquille;
  const PressePapiers* presse_papiers;
  const DialoguesCommuns* communs;
  const DialoguesProgramme* dialogues;
};
