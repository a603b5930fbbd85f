// Control ids of lvxgest's dialogs, shared by its .rc file, its code and
// the end-to-end tests. The four conversion dialogs give the same id to
// the same control.
#pragma once

// The card choice, in every dialog.
#define IDC_CONVERTIR_TOUTES 801
#define IDC_CONVERTIR_ECRAN 802
#define IDC_CONVERTIR_RECHERCHE 803
#define IDC_CONVERTIR_MARQUEES 804
#define IDC_CONVERTIR_OK 805
#define IDC_CONVERTIR_ANNULER 806
// CONVERTIRBOX: its remark, set with its title for the mode.
#define IDC_CONVERTIR_REMARQUE 807

// CONVERTIRREMPLACERBOX, CONVERTIRAJOUTERBOX, CONVERTIRSUPPRIMERBOX.
#define IDC_CONVERTIR_NOM 811
#define IDC_CONVERTIR_URL 812
#define IDC_CONVERTIR_RUBRIQUE 813
#define IDC_CONVERTIR_MOTS_CLES 814
#define IDC_CONVERTIR_NOTES 815
#define IDC_CONVERTIR_APPLICATION 816
#define IDC_CONVERTIR_DOCUMENT 817
#define IDC_CONVERTIR_MENU_DEMARRER 818
#define IDC_CONVERTIR_MES_DOCUMENTS 819
#define IDC_CONVERTIR_CASSE 820
#define IDC_CONVERTIR_TEXTE 821        // "Texte à rechercher", "à ajouter", "à supprimer"
#define IDC_CONVERTIR_PAR 822          // "Remplacer par"
#define IDC_CONVERTIR_PARCOURIR 823    // beside IDC_CONVERTIR_TEXTE
#define IDC_CONVERTIR_PARCOURIR_PAR 824
#define IDC_CONVERTIR_COUPER 825
#define IDC_CONVERTIR_COPIER 826
#define IDC_CONVERTIR_COLLER 827

// The panel of the "Choisir un chemin :" chooser, under its folder view.
#define IDD_PANNEAU_CHEMIN 830
#define IDC_CHEMIN_OK 831
#define IDC_CHEMIN_ANNULER 832
