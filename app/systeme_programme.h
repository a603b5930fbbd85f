// What the main program reaches of the system: the shared records, the
// dialogs of its own window, which live in lorvanix.exe's resources, and
// the printer.
#pragma once
#include <cstdint>

#include "impression.h"
#include "plateforme.h"

struct DialogueCriteres;
struct DialogueImprimer;

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
  // IMPRIMERBOX: gives it its window, shows the boxes of d and presses
  // through DialogueImprimerAppuyer; 1 when it closed with OK.
  int (*dialogue_imprimer)(void* ctx, Poignee proprietaire, DialogueImprimer* d);
};

// The printer and the drawing objects handed to printing.
struct Imprimante {
  void* ctx;
  // The platform's print dialog on e, as its flags ask (the default
  // printer without showing anything, or the setup dialog over its owner):
  // 1 when e was filled, 0 when cancelled or failed.
  int (*dialogue_impression)(void* ctx, EnregistrementImpression* e);
  // A "Times New Roman" font of that height and weight, proof quality.
  Poignee (*police)(void* ctx, int32_t hauteur, int graisse, int souligne);
  // A solid black pen.
  Poignee (*stylo)(void* ctx, int largeur);
  void (*objet_liberer)(void* ctx, Poignee objet);  // a font or a pen
  void (*contexte_liberer)(void* ctx, Poignee dc);  // a printer's device context
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
  const Imprimante* imprimante;
};
