// The file and folder choosers of the import commands, and where they open.
#pragma once
#include <cstdint>

#include "commande_import.h"

// Filter pairs, each ended by an empty text.
extern const char FILTRE_TOUS[];
extern const char FILTRE_HTML[];
extern const char FILTRE_EXECUTABLE[];

// The first folder of a chooser: the remembered one if any, else the
// folder of the open data file (fichier_donnees, empty when none), else
// the program folder. dossier holds TAILLE_DOSSIER bytes.
void PremierDossier(const char* retenu, const char* fichier_donnees, char* dossier);

// The open-file dialog: an existing path, no read-only box, default
// extension "*". 1 with the full path in chemin (TAILLE_CHEMIN_CHOISI
// bytes); 0 when closed without a choice or when the dialog failed (its
// "Erreur #" message shown).
int ChoisirFichier(const DialoguesCommuns* communs, const Fenetres* fenetres, Poignee proprietaire,
                   const char* titre, const char* filtre, const char* dossier_initial,
                   char* chemin);

// The folder chooser with panel (PANNEAU_); options are panel 359's boxes.
// 1 with the folder in dossier (TAILLE_DOSSIER bytes); 0 without a choice.
int ChoisirDossier(const DialoguesImport* dialogues, const Fenetres* fenetres, Poignee proprietaire,
                   const char* titre, const char* filtre, const char* dossier_initial,
                   unsigned panneau, uint16_t* options, char* dossier);

// A click on one of panel 359's boxes (488, 527) toggles its option.
void PanneauCliquer(DialogueDossier* d, unsigned id);

// The listing pattern of a folder: the folder, "\" unless it is three
// characters or shorter (a drive's root), the pattern. 0 when it would
// not fit in taille bytes.
int MotifDossier(const char* dossier, const char* motif, char* sortie, uint32_t taille);
