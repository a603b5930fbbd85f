// Control ids of lvxaffic's dialogs, shared by its .rc file, its code and
// the end-to-end tests.
#pragma once

// AFFICHERLISTESBOX: the list of one field's values, one batch at a time.
#define IDC_LISTES_LISTE 750
#define IDC_LISTES_TITRE 751
#define IDC_LISTES_DE 752         // number of the batch's first card
#define IDC_LISTES_A 753          // number of its last card
#define IDC_LISTES_NOMBRE 754     // entries in the list
#define IDC_LISTES_ETIQUETTE 755  // what the entries are
#define IDC_LISTES_PRECEDENT 756
#define IDC_LISTES_SUIVANT 757
#define IDC_LISTES_RECHERCHER 758
#define IDC_LISTES_FERMER 759

// ENVRECHERCHEBOX: the search criteria preset from a category or keyword.
#define IDC_ENV_NOMS 648
#define IDC_ENV_URL 649
#define IDC_ENV_RUBRIQUES 650
#define IDC_ENV_MOTS_CLES 651
#define IDC_ENV_NOTES 652
#define IDC_ENV_CASSE 653
#define IDC_ENV_EXACTITUDE 659
#define IDC_ENV_TOTAL_CHAMP 477
#define IDC_ENV_DEBUT_CHAMP 362
#define IDC_ENV_COUPER 464
#define IDC_ENV_COPIER 465
#define IDC_ENV_COLLER 466
#define IDC_ENV_EXPRESSION 654
#define IDC_ENV_OK 655
#define IDC_ENV_ANNULER 656
