// Shared by the files of bwcc32: how its classes are made, registered and
// painted.
#pragma once
#include <windows.h>

// A class made from a system class: the system's window procedure, to which
// every message we do not paint for goes, and where our extra bytes begin.
struct Superclasse {
  WNDPROC origine;
  int base;
};

// Module instance of bwcc32: the classes belong to it, not to the caller.
HINSTANCE BwccInstance();

// Registers wc; a class of that name already there counts as success.
bool BwccEnregistrerClasse(const WNDCLASSEXW* wc);

// Registers nom as a global copy of the system class systeme whose windows
// go through proc and carry `extra` more bytes.
bool Superclasser(const wchar_t* systeme, const wchar_t* nom, WNDPROC proc, int extra, Superclasse* sortie);

// Controls made with CreateWindow get the dialog font instead of the bold
// system font; dialogs with a font of their own replace it right after.
void PoliceInitiale(HWND fenetre);

// The brush to paint under a control's text, asked from its parent as a
// static asks (which also sets the text colour on hdc). When a window that
// is not a dialog leaves the answer to the system, its own background is
// used, so the control does not show as a grey patch on it.
HBRUSH FondParent(HWND controle, HDC hdc);

// Messages after which the system button paints itself at once, without
// WM_PAINT: our classes paint over it straight away.
bool PeintDirectement(UINT message);
void Repeindre(HWND fenetre);

// Text engraved in grey, as disabled text was drawn in the Windows 95 days.
void DessinerTexteInactif(HDC hdc, const wchar_t* texte, RECT rc, UINT format);

bool BoutonEnregistrer();  // "BORBTN"
bool CaseEnregistrer();    // "borcheck"
bool TexteEnregistrer();   // "BorStatic"
bool CadreEnregistrer();   // "BorShade"
