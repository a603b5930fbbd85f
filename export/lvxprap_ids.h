// Control ids of lvxprap's progress box, shared by its .rc file, its code
// and the end-to-end tests.
#pragma once

// LVXPRAP_PRINTINGBOX: "Lorvanix envoie le document sur :", the printer's
// name, the collecting and progress texts, "&Annuler".
#define IDC_RAPIDE_ENVOI 328
#define IDC_RAPIDE_IMPRIMANTE 329
#define IDC_RAPIDE_PROGRES 470
#define IDC_RAPIDE_ANNULER 471
