// One procedure for the seven dialogs of the import library: it only moves
// the boxes and edits in and out of the record; the rules are the core's.
#include <cstring>

#include "dialogues_import_win32.h"

namespace {

void MontrerCases(HWND fenetre, DialogueImport* d, const DescriptionDialogue* desc) {
  for (const unsigned* c = desc->cases; c && *c; c++) {
    const uint16_t* drapeau = OptionsCase(d->options, *c);
    CheckDlgButton(fenetre, *c, drapeau && *drapeau ? BST_CHECKED : BST_UNCHECKED);
  }
}

// Rewrites an edit only when its text changed, so the caret stays put.
void MontrerTextes(HWND fenetre, DialogueImport* d, const DescriptionDialogue* desc) {
  for (uint32_t i = 0; i < NB_TEXTES_IMPORT; i++) {
    if (!desc->edits[i]) continue;
    char affiche[TAILLE_TEXTE_DIALOGUE];
    GetDlgItemTextA(fenetre, desc->edits[i], affiche, sizeof affiche);
    if (strcmp(affiche, d->textes[i]) != 0) SetDlgItemTextA(fenetre, desc->edits[i], d->textes[i]);
  }
}

void LireTextes(HWND fenetre, DialogueImport* d, const DescriptionDialogue* desc) {
  for (uint32_t i = 0; i < NB_TEXTES_IMPORT; i++)
    if (desc->edits[i]) GetDlgItemTextA(fenetre, desc->edits[i], d->textes[i], sizeof d->textes[i]);
}

BOOL Ouvrir(HWND fenetre, DialogueImport* d) {
  const DescriptionDialogue* desc = DialogueImportDescription(d->modele);
  SetWindowLongPtrA(fenetre, DWLP_USER, (LONG_PTR)d);
  d->fenetre = fenetre;
  if (d->titre) SetWindowTextA(fenetre, d->titre);
  MontrerCases(fenetre, d, desc);
  for (uint32_t i = 0; i < NB_TEXTES_IMPORT; i++) {
    if (!desc->edits[i]) continue;
    SendDlgItemMessageA(fenetre, desc->edits[i], EM_LIMITTEXT, desc->longueurs[i], 0);
    SetDlgItemTextA(fenetre, desc->edits[i], d->textes[i]);
  }
  if (!desc->focus) return TRUE;
  SetFocus(GetDlgItem(fenetre, desc->focus));
  return FALSE;
}

void Appuyer(HWND fenetre, DialogueImport* d, unsigned id) {
  const DescriptionDialogue* desc = DialogueImportDescription(d->modele);
  // Enter and Escape (or closing the window) stand for the dialog's own buttons.
  if (id == IDOK) id = desc->ok;
  if (id == IDCANCEL) id = desc->annuler;
  LireTextes(fenetre, d, desc);
  SuiteDialogue suite = DialogueImportAppuyer(d, id);
  if (suite == DIALOGUE_FERME_OK) {
    EndDialog(fenetre, 1);
  } else if (suite == DIALOGUE_FERME_ANNULER) {
    EndDialog(fenetre, 0);
  } else {
    MontrerCases(fenetre, d, desc);
    MontrerTextes(fenetre, d, desc);
  }
}

INT_PTR CALLBACK ProcedureImport(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  DialogueImport* d = (DialogueImport*)GetWindowLongPtrA(fenetre, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      return Ouvrir(fenetre, (DialogueImport*)l);
    case WM_COMMAND:
      if (!d || HIWORD(w) != BN_CLICKED) return FALSE;
      Appuyer(fenetre, d, LOWORD(w));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int DialogueImportSysteme(void*, Poignee proprietaire, DialogueImport* d) {
  const char* nom = DialogueImportDescription(d->modele)->nom;
  return DialogBoxParamA(InstanceImport(), nom, (HWND)proprietaire, ProcedureImport, (LPARAM)d) == 1;
}
