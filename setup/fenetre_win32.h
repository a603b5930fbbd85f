// The installer's main window.
#pragma once
#include <windows.h>

#include "installateur.h"

extern const char CLASSE_INSTALLATION[];

bool FenetreEnregistrerClasse(HINSTANCE instance);
// The window, centred, on the installer's state.
HWND FenetreCreer(HINSTANCE instance, Installateur* in);
LRESULT CALLBACK WndProc(HWND fenetre, UINT message, WPARAM w, LPARAM l);
