// The modeless progress box of a print run. Printing holds the thread, so
// the box's messages are taken from the queue by hand, before each card
// and from the spooler's abort procedure.
#include "progression_win32.h"

#include "systeme_impression.h"

namespace {

HINSTANCE instance_progression;

// The one box of a print run: the flag its cancel sets, its cancel
// button, and the box the abort procedure serves.
struct EtatBoite {
  int* abandon;
  unsigned annuler;
  HWND boite_abandon;
};
EtatBoite etat;

// The owner goes back on before the box goes, so that it gets the
// activation back.
void Annuler(HWND boite) {
  if (etat.abandon) *etat.abandon = 1;
  EnableWindow(GetWindow(boite, GW_OWNER), TRUE);
  DestroyWindow(boite);
}

INT_PTR CALLBACK ProcedureProgression(HWND boite, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      etat.abandon = (int*)l;
      return TRUE;
    case WM_COMMAND:
      // The cancel button, or Escape.
      if (HIWORD(w) != BN_CLICKED) return FALSE;
      if (LOWORD(w) == etat.annuler || LOWORD(w) == IDCANCEL) {
        Annuler(boite);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      Annuler(boite);
      return TRUE;
  }
  return FALSE;
}

// Only the box's own messages (and its controls'): the rest of the
// program waits for the end of the run. A quit request goes back to the
// queue for the main loop.
void TraiterMessages(HWND boite) {
  MSG m;
  while (IsWindow(boite) && PeekMessageA(&m, boite, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage((int)m.wParam);
      break;
    }
    if (!IsDialogMessageA(boite, &m)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  if (IsWindow(boite)) UpdateWindow(boite);
}

// The spooler calls it while it sends the pages: the box keeps answering.
// It always says to go on; a cancel is seen by the printing loop, which
// aborts the document itself.
BOOL CALLBACK ProcedureAbandon(HDC, int) {
  TraiterMessages(etat.boite_abandon);
  return TRUE;
}

Poignee Ouvrir(void*, Poignee proprietaire, const char* modele, unsigned annuler, int* abandon) {
  etat.annuler = annuler;
  return CreateDialogParamA(instance_progression, modele, (HWND)proprietaire,
                            ProcedureProgression, (LPARAM)abandon);
}

void Ecrire(void*, Poignee boite, unsigned id, const char* texte) {
  if (IsWindow((HWND)boite)) SetDlgItemTextA((HWND)boite, (int)id, texte);
}

void Traiter(void*, Poignee boite) { TraiterMessages((HWND)boite); }

void Fermer(void*, Poignee boite) {
  if (IsWindow((HWND)boite)) DestroyWindow((HWND)boite);
}

void Activer(void*, Poignee fenetre, int actif) { EnableWindow((HWND)fenetre, actif ? TRUE : FALSE); }

void InstallerAbandon(void*, Poignee dc, Poignee boite) {
  etat.boite_abandon = (HWND)boite;
  SetAbortProc((HDC)dc, ProcedureAbandon);
}

// Filled by name: a member left out does not build.
const ProgressionImpression progression = {
    .ctx = nullptr,
    .ouvrir = Ouvrir,
    .ecrire = Ecrire,
    .traiter_messages = Traiter,
    .fermer = Fermer,
    .activer = Activer,
    .installer_abandon = InstallerAbandon,
};

}  // namespace

void RetenirInstanceProgression(HINSTANCE instance) { instance_progression = instance; }

const ProgressionImpression* ProgressionImpressionSysteme() { return &progression; }
