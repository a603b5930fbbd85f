// Control ids of lvxprint's progress box, shared by its .rc file, its code
// and the end-to-end tests.
#pragma once

// PRINTINGBOX: "Lorvanix envoie le document sur :", the printer's name,
// the progress text, the cancel button.
#define IDC_IMPRESSION_ENVOI 328
#define IDC_IMPRESSION_IMPRIMANTE 329
#define IDC_IMPRESSION_PROGRES 501
#define IDC_IMPRESSION_ANNULER 431
