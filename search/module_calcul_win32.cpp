// lvxcalc.dll at load, and its result box: the procedure only puts the
// record's texts into the box's statics.
#include <windows.h>

#include "bwcc/bwcc32.h"
#include "lvxcalc_ids.h"
#include "systeme_calcul.h"

namespace {

HINSTANCE instance_calcul;

INT_PTR CALLBACK ProcedureCalcul(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG: {
      const ResultatCalcul* r = (const ResultatCalcul*)l;
      SetDlgItemTextA(fenetre, IDC_CALCULER_LIGNE1, r->lignes[0]);
      SetDlgItemTextA(fenetre, IDC_CALCULER_LIGNE2, r->lignes[1]);
      SetDlgItemTextA(fenetre, IDC_CALCULER_NOMBRE, r->nombre);
      return TRUE;
    }
    case WM_COMMAND:
      // "&OK", Enter and Escape (or closing the window) all close it.
      if (HIWORD(w) != BN_CLICKED) return FALSE;
      if (LOWORD(w) == IDC_CALCULER_OK || LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
        EndDialog(fenetre, 1);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

void ResultatCalculSysteme(void*, Poignee proprietaire, const ResultatCalcul* r) {
  DialogBoxParamA(instance_calcul, "CALCULERBOX", (HWND)proprietaire, ProcedureCalcul, (LPARAM)r);
}

// Filled by name: a member left out does not build.
const DialoguesCalcul dialogues_calcul = {
    .ctx = nullptr,
    .resultat_calcul = ResultatCalculSysteme,
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID) {
  if (raison == DLL_PROCESS_ATTACH) {
    instance_calcul = instance;
    // The box's template uses the Borland classes.
    BWCCRegister(instance);
  }
  return TRUE;
}

const DialoguesCalcul* DialoguesCalculSysteme() { return &dialogues_calcul; }
