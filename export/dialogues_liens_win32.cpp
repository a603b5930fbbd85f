// One procedure for the three dialogs of lvxliens: it only moves the boxes
// and edits in and out of the record; the rules are the core's.
#include "dialogues_liens_win32.h"

#include "lvxliens_ids.h"

namespace {

void MontrerCases(HWND fenetre, const DialogueLiens* d, const DescriptionLiens* desc) {
  for (unsigned id : desc->selection)
    CheckDlgButton(fenetre, id, DialogueLiensCoche(d, id) ? BST_CHECKED : BST_UNCHECKED);
  for (const unsigned* o = desc->options; *o; o++)
    CheckDlgButton(fenetre, *o, DialogueLiensCoche(d, *o) ? BST_CHECKED : BST_UNCHECKED);
}

void LireTextes(HWND fenetre, DialogueLiens* d, const DescriptionLiens* desc) {
  for (uint32_t i = 0; i < NB_TEXTES_LIENS; i++)
    if (desc->edits[i]) GetDlgItemTextA(fenetre, desc->edits[i], d->textes[i], sizeof d->textes[i]);
}

BOOL Ouvrir(HWND fenetre, DialogueLiens* d) {
  const DescriptionLiens* desc = DialogueLiensDescription(d->modele);
  SetWindowLongPtrA(fenetre, DWLP_USER, (LONG_PTR)d);
  d->fenetre = fenetre;
  if (d->modele == MODELE_CREERFICHIERTEXTEBOX) {
    d->separateurs[0] = GetDlgItem(fenetre, IDC_TEXTE_SEPARATEUR_CHAMPS);
    d->separateurs[1] = GetDlgItem(fenetre, IDC_TEXTE_SEPARATEUR_FICHES);
  }
  MontrerCases(fenetre, d, desc);
  for (uint32_t i = 0; i < NB_TEXTES_LIENS; i++)
    if (desc->edits[i]) SetDlgItemTextA(fenetre, desc->edits[i], d->textes[i]);
  if (!desc->focus) return TRUE;
  SetFocus(GetDlgItem(fenetre, desc->focus));
  return FALSE;
}

// The edits are read before every press and never written back: Couper
// and Coller change them on their own.
void Appuyer(HWND fenetre, DialogueLiens* d, unsigned id) {
  const DescriptionLiens* desc = DialogueLiensDescription(d->modele);
  // Enter and Escape (or closing the window) stand for the dialog's own buttons.
  if (id == IDOK) id = desc->ok;
  if (id == IDCANCEL) id = desc->annuler;
  LireTextes(fenetre, d, desc);
  SuiteLiens suite = DialogueLiensAppuyer(d, id);
  if (suite == LIENS_FERME_OK)
    EndDialog(fenetre, 1);
  else if (suite == LIENS_FERME_ANNULER)
    EndDialog(fenetre, 0);
  else
    MontrerCases(fenetre, d, desc);
}

INT_PTR CALLBACK ProcedureLiens(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  DialogueLiens* d = (DialogueLiens*)GetWindowLongPtrA(fenetre, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      return Ouvrir(fenetre, (DialogueLiens*)l);
    case WM_COMMAND:
      if (!d) return FALSE;
      if (HIWORD(w) == EN_SETFOCUS) {
        DialogueLiensFocus(d, LOWORD(w));
        return TRUE;
      }
      if (HIWORD(w) != BN_CLICKED) return FALSE;
      Appuyer(fenetre, d, LOWORD(w));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int MontrerDialogueLiens(void*, Poignee proprietaire, DialogueLiens* d) {
  const char* nom = DialogueLiensDescription(d->modele)->nom;
  return DialogBoxParamA(InstanceLiens(), nom, (HWND)proprietaire, ProcedureLiens, (LPARAM)d) == 1;
}
