// One procedure for the four conversion dialogs: it only moves the boxes
// and edits in and out of the record; the rules are the core's.
#include "dialogues_gest_win32.h"

#include "lvxgest_ids.h"

namespace {

// Every box any of the four templates may have; those a template lacks
// are passed over.
const unsigned CASES[] = {
    IDC_CONVERTIR_TOUTES,      IDC_CONVERTIR_ECRAN,       IDC_CONVERTIR_RECHERCHE,
    IDC_CONVERTIR_MARQUEES,    IDC_CONVERTIR_NOM,         IDC_CONVERTIR_URL,
    IDC_CONVERTIR_RUBRIQUE,    IDC_CONVERTIR_MOTS_CLES,   IDC_CONVERTIR_NOTES,
    IDC_CONVERTIR_APPLICATION, IDC_CONVERTIR_DOCUMENT,    IDC_CONVERTIR_MENU_DEMARRER,
    IDC_CONVERTIR_MES_DOCUMENTS, IDC_CONVERTIR_CASSE,
};

void MontrerCases(HWND fenetre, const DialogueConversion* d) {
  for (unsigned id : CASES) {
    HWND boite = GetDlgItem(fenetre, id);
    if (!boite) continue;
    CheckDlgButton(fenetre, id, DialogueConversionCoche(d, id) ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(boite, DialogueConversionActive(d, id));
  }
}

void LireTextes(HWND fenetre, DialogueConversion* d, const DescriptionConversion* desc) {
  for (int i = 0; i < 2; i++)
    if (desc->textes[i]) GetDlgItemTextA(fenetre, desc->textes[i], d->textes[i], sizeof d->textes[i]);
}

void EcrireTextes(HWND fenetre, const DialogueConversion* d, const DescriptionConversion* desc) {
  for (int i = 0; i < 2; i++)
    if (desc->textes[i]) SetDlgItemTextA(fenetre, desc->textes[i], d->textes[i]);
}

BOOL Ouvrir(HWND fenetre, DialogueConversion* d) {
  const DescriptionConversion* desc = DialogueConversionDescription(d->modele);
  SetWindowLongPtrA(fenetre, DWLP_USER, (LONG_PTR)d);
  d->fenetre = fenetre;
  if (const char* titre = DialogueConversionTitre(d)) SetWindowTextA(fenetre, titre);
  if (const char* remarque = DialogueConversionRemarque(d))
    SetDlgItemTextA(fenetre, IDC_CONVERTIR_REMARQUE, remarque);
  for (int i = 0; i < 2; i++)
    if (desc->textes[i]) d->edits[i] = GetDlgItem(fenetre, desc->textes[i]);
  MontrerCases(fenetre, d);
  EcrireTextes(fenetre, d, desc);
  if (!desc->textes[0]) return TRUE;
  // The focus starts in the first text box.
  SetFocus(GetDlgItem(fenetre, desc->textes[0]));
  return FALSE;
}

// The edits are read before every press and written back only when a
// chooser changed them: Couper and Coller change them on their own.
void Appuyer(HWND fenetre, DialogueConversion* d, unsigned id) {
  const DescriptionConversion* desc = DialogueConversionDescription(d->modele);
  // Enter and Escape (or closing the window) stand for the dialog's own buttons.
  if (id == IDOK) id = IDC_CONVERTIR_OK;
  if (id == IDCANCEL) id = IDC_CONVERTIR_ANNULER;
  LireTextes(fenetre, d, desc);
  SuiteConversion suite = DialogueConversionAppuyer(d, id);
  if (suite == CONVERSION_FERME_OK) {
    EndDialog(fenetre, 1);
  } else if (suite == CONVERSION_FERME_ANNULER) {
    EndDialog(fenetre, 0);
  } else {
    MontrerCases(fenetre, d);
    if (d->textes_changes) {
      EcrireTextes(fenetre, d, desc);
      d->textes_changes = 0;
    }
  }
}

INT_PTR CALLBACK ProcedureConversion(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  DialogueConversion* d = (DialogueConversion*)GetWindowLongPtrA(fenetre, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      return Ouvrir(fenetre, (DialogueConversion*)l);
    case WM_COMMAND:
      if (!d) return FALSE;
      if (HIWORD(w) == EN_SETFOCUS) {
        DialogueConversionFocus(d, LOWORD(w));
        return TRUE;
      }
      if (HIWORD(w) != BN_CLICKED) return FALSE;
      Appuyer(fenetre, d, LOWORD(w));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int MontrerDialogueConversion(void*, Poignee proprietaire, DialogueConversion* d) {
  const char* nom = DialogueConversionDescription(d->modele)->nom;
  return DialogBoxParamA(InstanceGest(), nom, (HWND)proprietaire, ProcedureConversion,
                         (LPARAM)d) == 1;
}
