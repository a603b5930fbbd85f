// Control ids of lvxcalc's result box, shared by its .rc file, its code
// and the end-to-end tests.
#pragma once

// CALCULERBOX: two label lines, the number, "&OK".
#define IDC_CALCULER_LIGNE1 851
#define IDC_CALCULER_LIGNE2 852
#define IDC_CALCULER_NOMBRE 853
#define IDC_CALCULER_OK 854
