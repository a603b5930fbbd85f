// Control ids of lvxspec's dialog "SAUVESPECBOX", shared by its .rc file,
// its code and the end-to-end tests.
#pragma once

// "Créer un fichier Lorvanix pour :"
#define IDC_SAUVESPEC_NOUVEAU_ECRAN 633
#define IDC_SAUVESPEC_NOUVEAU_RECHERCHE 498
#define IDC_SAUVESPEC_NOUVEAU_MARQUEES 624
// " Ajouter à un fichier Lorvanix :"
#define IDC_SAUVESPEC_AJOUT_TOUTES 622
#define IDC_SAUVESPEC_AJOUT_ECRAN 634
#define IDC_SAUVESPEC_AJOUT_RECHERCHE 631
#define IDC_SAUVESPEC_AJOUT_MARQUEES 632

#define IDC_SAUVESPEC_OK 499
#define IDC_SAUVESPEC_ANNULER 500
