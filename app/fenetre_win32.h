// The main window of lorvanix.exe.
#pragma once
#include <windows.h>

// Registers the window class; FALSE when it cannot be.
BOOL FenetreEnregistrerClasse(HINSTANCE instance);
// Creates the main window, centred; null when it cannot be.
HWND FenetreCreer(HINSTANCE instance);
// Start-up from the cursors to the file named on the command line.
// FALSE when the program must quit at once.
BOOL FenetreDemarrer(HWND fenetre, HINSTANCE instance, int montrer, const char* ligne_commande);
