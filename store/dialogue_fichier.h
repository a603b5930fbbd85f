// The open and save-as dialogs of data files.
#pragma once
#include <cstdint>

#include "plateforme.h"

enum : uint32_t { TAILLE_CHEMIN = 256 };

// Shows the dialog in the folder where it last chose a file (dernier, kept
// by the caller), else in the folder of the name in chemin, else in the
// program folder. On OK chemin holds the full path and dernier its folder.
// Shows "Erreur #" and the code when the dialog itself fails.
uint16_t DialogueChoisirFichierDonnees(const DialoguesCommuns* communs, const Fenetres* fenetres,
                                       char dernier[TAILLE_CHEMIN], int enregistrer,
                                       Poignee fenetre, char* chemin,
                                       const char* dossier_programme);

// Shows the common dialogs' failure box: "Erreur #" and the code, "WARNING".
void MessageErreurDialogue(const Fenetres* fenetres, Poignee fenetre, uint32_t code);
