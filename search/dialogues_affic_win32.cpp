// The procedures of AFFICHERLISTESBOX and ENVRECHERCHEBOX: they only move
// the entries, numbers, boxes and texts in and out of the records; the
// rules are the core's.
#include "dialogues_affic_win32.h"

#include "lvxaffic_ids.h"

namespace {

// Where the list starts below the dialog's top, when it opens and after.
const int HAUT_LISTE_OUVERTURE = 55;
const int HAUT_LISTE = 60;

// The entries come in the core's order: the list box itself does not sort.
void MontrerLot(HWND fenetre, const DialogueListes* d) {
  HWND liste = GetDlgItem(fenetre, IDC_LISTES_LISTE);
  uint32_t n = ListeNombre(&d->liste);
  SendMessageA(liste, WM_SETREDRAW, FALSE, 0);
  SendMessageA(liste, LB_RESETCONTENT, 0, 0);
  SendMessageA(liste, LB_INITSTORAGE, n, (LPARAM)d->liste.textes.octets.size());
  for (uint32_t i = 0; i < n; i++)
    SendMessageA(liste, LB_ADDSTRING, 0, (LPARAM)ListeEntree(&d->liste, i));
  SendMessageA(liste, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(liste, nullptr, TRUE);
  if (n) SendMessageA(liste, LB_SETCURSEL, 0, 0);
  SetDlgItemTextA(fenetre, IDC_LISTES_DE, d->de);
  SetDlgItemTextA(fenetre, IDC_LISTES_A, d->a);
  SetDlgItemTextA(fenetre, IDC_LISTES_NOMBRE, d->nombre);
}

void PlacerListe(HWND fenetre, int haut) {
  RECT r;
  GetClientRect(fenetre, &r);
  int hauteur = r.bottom - haut;
  MoveWindow(GetDlgItem(fenetre, IDC_LISTES_LISTE), 0, haut, r.right, hauteur > 0 ? hauteur : 0,
             TRUE);
}

BOOL OuvrirListes(HWND fenetre, DialogueListes* d) {
  SetWindowLongPtrA(fenetre, DWLP_USER, (LONG_PTR)d);
  d->fenetre = fenetre;
  RECT r;
  GetWindowRect((HWND)d->parametres->fenetre, &r);
  SetWindowPos(fenetre, nullptr, r.left + 123, r.top + 22, 394, 445, SWP_NOZORDER);
  PlacerListe(fenetre, HAUT_LISTE_OUVERTURE);
  SetDlgItemTextA(fenetre, IDC_LISTES_TITRE, d->titre);
  SetDlgItemTextA(fenetre, IDC_LISTES_ETIQUETTE, d->etiquette);
  MontrerLot(fenetre, d);
  SetFocus(GetDlgItem(fenetre, IDC_LISTES_LISTE));
  return FALSE;
}

void AppuyerListes(HWND fenetre, DialogueListes* d, unsigned id) {
  // Enter and Escape (or the close box) stand for Rechercher and Fermer.
  if (id == IDOK) id = IDC_LISTES_RECHERCHER;
  if (id == IDCANCEL) id = IDC_LISTES_FERMER;
  LRESULT selection = SendDlgItemMessageA(fenetre, IDC_LISTES_LISTE, LB_GETCURSEL, 0, 0);
  d->selection = selection == LB_ERR ? -1 : (int32_t)selection;
  if (DialogueListesAppuyer(d, id) == LISTES_FERME) {
    EndDialog(fenetre, 0);
    return;
  }
  if (d->lot_change) MontrerLot(fenetre, d);
}

INT_PTR CALLBACK ProcedureListes(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  DialogueListes* d = (DialogueListes*)GetWindowLongPtrA(fenetre, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      return OuvrirListes(fenetre, (DialogueListes*)l);
    case WM_SIZE:
      if (d) PlacerListe(fenetre, HAUT_LISTE);
      return TRUE;
    case WM_CLOSE:
      if (d) AppuyerListes(fenetre, d, IDC_LISTES_FERMER);
      return TRUE;
    case WM_COMMAND:
      if (!d) return FALSE;
      if (LOWORD(w) == IDC_LISTES_LISTE) {
        if (HIWORD(w) == LBN_DBLCLK) AppuyerListes(fenetre, d, IDC_LISTES_RECHERCHER);
        return TRUE;
      }
      if (HIWORD(w) != BN_CLICKED) return FALSE;
      AppuyerListes(fenetre, d, LOWORD(w));
      return TRUE;
  }
  return FALSE;
}

void MontrerCases(HWND fenetre, const DialogueEnvRecherche* d) {
  for (unsigned id : IDS_ENV_RECHERCHE)
    CheckDlgButton(fenetre, id, EnvRechercheCoche(d, id) ? BST_CHECKED : BST_UNCHECKED);
}

BOOL OuvrirEnv(HWND fenetre, DialogueEnvRecherche* d) {
  SetWindowLongPtrA(fenetre, DWLP_USER, (LONG_PTR)d);
  d->edit = GetDlgItem(fenetre, IDC_ENV_EXPRESSION);
  MontrerCases(fenetre, d);
  SetDlgItemTextA(fenetre, IDC_ENV_EXPRESSION, d->expression);
  SetFocus((HWND)d->edit);
  return FALSE;
}

// The expression is read before every press and never written back:
// Couper and Coller change it on their own.
void AppuyerEnv(HWND fenetre, DialogueEnvRecherche* d, unsigned id) {
  if (id == IDOK) id = IDC_ENV_OK;
  if (id == IDCANCEL) id = IDC_ENV_ANNULER;
  GetDlgItemTextA(fenetre, IDC_ENV_EXPRESSION, d->expression, sizeof d->expression);
  switch (EnvRechercheAppuyer(d, id)) {
    case ENV_OK: EndDialog(fenetre, 1); return;
    case ENV_ANNULER: EndDialog(fenetre, 0); return;
    default: MontrerCases(fenetre, d);
  }
}

INT_PTR CALLBACK ProcedureEnv(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  DialogueEnvRecherche* d = (DialogueEnvRecherche*)GetWindowLongPtrA(fenetre, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      return OuvrirEnv(fenetre, (DialogueEnvRecherche*)l);
    case WM_COMMAND:
      if (!d || HIWORD(w) != BN_CLICKED) return FALSE;
      AppuyerEnv(fenetre, d, LOWORD(w));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void MontrerDialogueListes(void*, Poignee proprietaire, DialogueListes* d) {
  DialogBoxParamA(InstanceAffic(), "AFFICHERLISTESBOX", (HWND)proprietaire, ProcedureListes,
                  (LPARAM)d);
}

int MontrerEnvRecherche(void*, Poignee proprietaire, DialogueEnvRecherche* d) {
  return DialogBoxParamA(InstanceAffic(), "ENVRECHERCHEBOX", (HWND)proprietaire, ProcedureEnv,
                         (LPARAM)d) == 1;
}
