// lvxspec's dialogs: "Exporter des fiches :" with its seven exclusive
// choices, and the nine file dialogs of the export and the split, each
// with its own target and the folder it last chose from. The Win32 dialog
// procedure and the tests' scripted user both press buttons through
// DialogueSpecAppuyer, so the rules are the same in both.
#pragma once
#include <cstdint>

#include "dialogue_fichier.h"
#include "systeme_donnees.h"

// The seven choices, in the order of the dialog.
enum ChoixSpec : int {
  CHOIX_AUCUN = -1,
  CHOIX_NOUVEAU_ECRAN,      // new file: the card on screen
  CHOIX_NOUVEAU_RECHERCHE,  // new file: the matching cards
  CHOIX_NOUVEAU_MARQUEES,   // new file: the marked cards
  CHOIX_AJOUT_TOUTES,       // append: all cards
  CHOIX_AJOUT_ECRAN,        // append: the card on screen
  CHOIX_AJOUT_RECHERCHE,    // append: the matching cards
  CHOIX_AJOUT_MARQUEES,     // append: the marked cards
  NB_CHOIX_SPEC,
};

// The check box of each choice, in ChoixSpec order.
extern const unsigned ID_CHOIX_SPEC[NB_CHOIX_SPEC];

struct DialogueSpec {
  int choix;                 // ChoixSpec; none when the dialog opens
  const Fenetres* fenetres;  // for OK's refusal
  Poignee fenetre;           // the dialog's window, owner of that box
};

enum SuiteSpec { SPEC_RESTE, SPEC_FERME_OK, SPEC_FERME_ANNULER };

// A press on control id: a choice that is not set becomes the only one, a
// set one stays; OK without a choice refuses and the dialog stays.
SuiteSpec DialogueSpecAppuyer(DialogueSpec* d, unsigned id);
// 1 when the box of id is to be shown ticked.
int DialogueSpecCochee(const DialogueSpec* d, unsigned id);
// Shows the dialog with no choice set; 1 on OK, the choice in d->choix.
int DialogueSpecMontrer(const SystemeSpec* sys, Poignee proprietaire, DialogueSpec* d);

// The file dialogs: the seven choices' own, then the split's two.
enum : int {
  USAGE_DECOUPER_SOURCE = NB_CHOIX_SPEC,  // the file to cut
  USAGE_DECOUPER_SECONDE,                 // its second part
  NB_USAGES_SPEC,
};

struct CibleSpec {
  char chemin[TAILLE_CHEMIN];   // the last path chosen
  char dossier[TAILLE_CHEMIN];  // its folder, where the dialog opens next
};

// Kept for the life of the process by the exports.
struct CiblesSpec {
  CibleSpec usages[NB_USAGES_SPEC];
};

// Caption of the file dialog of a use.
const char* TitreCibleSpec(int usage);

// Asks for the target of a use, opening in its remembered folder, else the
// folder of nom_courant, else the program folder. 1 when a file was
// chosen: cibles->usages[usage].chemin. A failing dialog shows "Erreur #".
int ChoisirCibleSpec(const SystemeSpec* sys, CiblesSpec* cibles, int usage, Poignee fenetre,
                     const char* nom_courant, const char* dossier_programme);
