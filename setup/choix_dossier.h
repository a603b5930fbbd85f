// "&Modifier": the folder dialog and the rules of its panel.
#pragma once

#include "installateur.h"
#include "systeme_installation.h"

// Runs the folder dialog; its own OK makes the folder shown the
// installation folder.
void Ouvrir_Recuperer_Chemin_Repertoire_Installation(Installateur* in, const SystemeInstallation* s);

// The dialog shows another folder.
void ChoixDossierChange(Installateur* in, const char* dossier);
// The panel's "&OK": 1 when the dialog is to close; the installer's own
// folder is refused with a box owned by `dialogue`.
int ChoixDossierOK(Installateur* in, const SystemeInstallation* s, Poignee dialogue);
// The panel's "&Annuler".
void ChoixDossierAnnuler(Installateur* in);
