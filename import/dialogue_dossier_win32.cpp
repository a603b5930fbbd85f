// The folder chooser: the system's open dialog in its explorer style, with
// its own buttons and file-name box hidden and a panel of ours below the
// folder view. The chosen folder is the one shown when the panel's OK is
// pressed.
#include "dialogues_import_win32.h"

#include <commdlg.h>
#include <dlgs.h>

#include "choix_import.h"
#include "options_import.h"

namespace {

enum : unsigned {
  ID_DOSSIER_OK = 326,
  ID_DOSSIER_ANNULER = 327,
};

// The dialog's own buttons, its file-name box (combo or edit) and its label.
const int CACHES[] = {IDOK, IDCANCEL, cmb13, edt1, stc3};

struct Choix {
  DialogueDossier* d;
  int choisi;
};

// The folder the dialog shows, when it is one of the file system's.
void PrendreDossier(HWND explorateur, Choix* c) {
  char dossier[sizeof c->d->dossier];
  LRESULT n = SendMessageA(explorateur, CDM_GETFOLDERPATH, sizeof dossier, (LPARAM)dossier);
  if (n > 1 && n <= (LRESULT)sizeof dossier) lstrcpynA(c->d->dossier, dossier, sizeof dossier);
}

void MontrerOptions(HWND panneau, const Choix* c) {
  if (c->d->panneau != PANNEAU_DOSSIER_EXTRA_WEB || !c->d->options) return;
  CheckDlgButton(panneau, ID_EXTRA_WEB_SOUS_DOSSIERS, c->d->options[0] ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(panneau, ID_EXTRA_WEB_NOUVEAUX, c->d->options[1] ? BST_CHECKED : BST_UNCHECKED);
}

// The explorer dialog is closed from its panel through its own Cancel: the
// answer is then the panel's, not GetOpenFileName's.
void Fermer(HWND panneau, Choix* c, int choisi) {
  HWND explorateur = GetParent(panneau);
  if (choisi) PrendreDossier(explorateur, c);
  c->choisi = choisi;
  PostMessageA(explorateur, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

BOOL Notification(HWND panneau, Choix* c, const OFNOTIFYA* n) {
  HWND explorateur = GetParent(panneau);
  switch (n->hdr.code) {
    case CDN_INITDONE:
      for (int id : CACHES) SendMessageA(explorateur, CDM_HIDECONTROL, id, 0);
      PrendreDossier(explorateur, c);
      return FALSE;
    case CDN_FOLDERCHANGE:
      PrendreDossier(explorateur, c);
      return FALSE;
    case CDN_FILEOK:
      // A file picked in the view must not end the choice of a folder.
      SetWindowLongPtrA(panneau, DWLP_MSGRESULT, 1);
      return TRUE;
  }
  return FALSE;
}

void Commande(HWND panneau, Choix* c, unsigned id) {
  switch (id) {
    case ID_DOSSIER_OK:
    case ID_EXTRA_WEB_OK:
      Fermer(panneau, c, 1);
      return;
    case ID_DOSSIER_ANNULER:
    case ID_EXTRA_WEB_ANNULER:
      Fermer(panneau, c, 0);
      return;
    case ID_EXTRA_WEB_SOUS_DOSSIERS:
    case ID_EXTRA_WEB_NOUVEAUX:
      PanneauCliquer(c->d, id);
      MontrerOptions(panneau, c);
      return;
  }
}

UINT_PTR CALLBACK Crochet(HWND panneau, UINT message, WPARAM w, LPARAM l) {
  Choix* c = (Choix*)GetWindowLongPtrA(panneau, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      c = (Choix*)((OPENFILENAMEA*)l)->lCustData;
      SetWindowLongPtrA(panneau, DWLP_USER, (LONG_PTR)c);
      MontrerOptions(panneau, c);
      return TRUE;
    case WM_NOTIFY:
      return c ? Notification(panneau, c, (const OFNOTIFYA*)l) : FALSE;
    case WM_COMMAND:
      if (c && HIWORD(w) == BN_CLICKED) Commande(panneau, c, LOWORD(w));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int DialogueDossierSysteme(void*, DialogueDossier* d) {
  Choix c = {d, 0};
  d->dossier[0] = 0;
  d->erreur = 0;
  char fichier[MAX_PATH] = "";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = (HWND)d->proprietaire;
  ofn.hInstance = InstanceImport();
  ofn.lpstrFilter = d->filtre;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = fichier;
  ofn.nMaxFile = sizeof fichier;
  ofn.lpstrInitialDir = d->dossier_initial;
  ofn.lpstrTitle = d->titre;
  ofn.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY |
              OFN_PATHMUSTEXIST;
  ofn.lCustData = (LPARAM)&c;
  ofn.lpfnHook = Crochet;
  ofn.lpTemplateName = MAKEINTRESOURCEA(d->panneau);
  if (!GetOpenFileNameA(&ofn) && !c.choisi) d->erreur = CommDlgExtendedError();
  if (c.choisi) return 1;
  d->dossier[0] = 0;
  return 0;
}
