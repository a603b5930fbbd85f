// Keyboard and mouse as a user's: SendInput, so that the program's hooks
// see them (a posted WM_KEYDOWN or click reaches no hook).
#pragma once

#include <windows.h>

// Brings `fenetre` to the front and waits until it is the foreground window.
bool PiloteAuPremierPlan(HWND fenetre);
// Presses and releases a virtual key (with `modificateur` held, when given).
void PiloteTouche(WORD vk, WORD modificateur = 0);
// The middle of a window, in screen pixels.
POINT PiloteCentre(HWND fenetre);
// A point of `fenetre`'s client area, in screen pixels.
POINT PiloteEcran(HWND fenetre, int x, int y);
void PiloteSourisVers(POINT ecran);
void PiloteSourisGauche(bool enfoncee);
// A left click in the middle of a control.
void PiloteClic(HWND controle);
// The window that has the keyboard focus in the thread of `fenetre`.
HWND PiloteFocus(HWND fenetre);
// The edit's own modified flag (set by typing, cleared by the program).
bool PiloteEditModifie(HWND edit);
