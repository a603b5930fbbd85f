// "BorStatic": static text on the dialog background, the system STATIC itself.
#include "bwcc/bwcc_interne.h"

static Superclasse g_texte;

static LRESULT CALLBACK TexteProc(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  LRESULT r = CallWindowProcW(g_texte.origine, fenetre, message, w, l);
  if (message == WM_CREATE && r == 0) PoliceInitiale(fenetre);
  return r;
}

bool TexteEnregistrer() { return Superclasser(L"STATIC", L"BorStatic", TexteProc, 0, &g_texte); }
