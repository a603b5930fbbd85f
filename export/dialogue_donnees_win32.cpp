// "SAUVESPECBOX": the procedure only shows the record's choice and hands
// each click to the core.
#include "dialogues_donnees_win32.h"
#include "lvxspec_ids.h"

namespace {

void MontrerChoix(HWND fenetre, const DialogueSpec* d) {
  for (unsigned id : ID_CHOIX_SPEC)
    CheckDlgButton(fenetre, id, DialogueSpecCochee(d, id) ? BST_CHECKED : BST_UNCHECKED);
}

INT_PTR CALLBACK ProcedureSpec(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  DialogueSpec* d = (DialogueSpec*)GetWindowLongPtrA(fenetre, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      d = (DialogueSpec*)l;
      SetWindowLongPtrA(fenetre, DWLP_USER, (LONG_PTR)d);
      d->fenetre = fenetre;
      MontrerChoix(fenetre, d);
      return TRUE;
    case WM_COMMAND: {
      if (!d || HIWORD(w) != BN_CLICKED) return FALSE;
      // Enter and Escape (or closing the window) stand for the dialog's own buttons.
      unsigned id = LOWORD(w);
      if (id == IDOK) id = IDC_SAUVESPEC_OK;
      if (id == IDCANCEL) id = IDC_SAUVESPEC_ANNULER;
      SuiteSpec suite = DialogueSpecAppuyer(d, id);
      if (suite == SPEC_RESTE)
        MontrerChoix(fenetre, d);
      else
        EndDialog(fenetre, suite == SPEC_FERME_OK);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

int DialogueSpecSysteme(void*, Poignee proprietaire, DialogueSpec* d) {
  return DialogBoxParamA(InstanceSpec(), "SAUVESPECBOX", (HWND)proprietaire, ProcedureSpec,
                         (LPARAM)d) == 1;
}
