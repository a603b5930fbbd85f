// "Choisir un chemin :": the system's open dialog in its explorer style,
// its own OK and Cancel hidden and a panel of ours below the view with
// "&OK" and "&Annuler". It follows the folder shown and the file selected
// in it; the panel's OK gives that file, or the folder when none is.
#include "dialogues_gest_win32.h"

#include <commdlg.h>

#include "lvxgest_ids.h"

namespace {

struct Choix {
  ChoixChemin* c;
  char dossier[MAX_PATH];
  char fichier[MAX_PATH];
  int choisi;
};

// The folder the dialog shows, when it is one of the file system's; a
// new folder forgets the file selected in the old one.
void PrendreDossier(HWND explorateur, Choix* x) {
  char dossier[MAX_PATH];
  LRESULT n = SendMessageA(explorateur, CDM_GETFOLDERPATH, sizeof dossier, (LPARAM)dossier);
  if (n > 1 && n <= (LRESULT)sizeof dossier) lstrcpynA(x->dossier, dossier, sizeof x->dossier);
  x->fichier[0] = 0;
}

void PrendreFichier(HWND explorateur, Choix* x) {
  char fichier[MAX_PATH];
  LRESULT n = SendMessageA(explorateur, CDM_GETSPEC, sizeof fichier, (LPARAM)fichier);
  if (n >= 1 && n <= (LRESULT)sizeof fichier)
    lstrcpynA(x->fichier, fichier, sizeof x->fichier);
  else
    x->fichier[0] = 0;
}

// The panel's OK: the file with its folder, or the folder alone.
void Retenir(Choix* x) {
  char* chemin = x->c->chemin;
  size_t taille = sizeof x->c->chemin;
  lstrcpynA(chemin, x->dossier, (int)taille);
  if (!x->fichier[0]) return;
  size_t n = (size_t)lstrlenA(chemin);
  if (n && chemin[n - 1] != '\\' && n + 1 < taille) chemin[n++] = '\\';
  lstrcpynA(chemin + n, x->fichier, (int)(taille - n));
}

// The explorer dialog is closed from its panel through its own Cancel: the
// answer is then the panel's, not GetOpenFileName's.
void Fermer(HWND panneau, Choix* x, int choisi) {
  HWND explorateur = GetParent(panneau);
  if (choisi) Retenir(x);
  x->choisi = choisi;
  PostMessageA(explorateur, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

BOOL Notification(HWND panneau, Choix* x, const OFNOTIFYA* n) {
  HWND explorateur = GetParent(panneau);
  switch (n->hdr.code) {
    case CDN_INITDONE:
      SendMessageA(explorateur, CDM_HIDECONTROL, IDOK, 0);
      SendMessageA(explorateur, CDM_HIDECONTROL, IDCANCEL, 0);
      PrendreDossier(explorateur, x);
      return FALSE;
    case CDN_FOLDERCHANGE:
      PrendreDossier(explorateur, x);
      return FALSE;
    case CDN_SELCHANGE:
      PrendreFichier(explorateur, x);
      return FALSE;
  }
  return FALSE;
}

UINT_PTR CALLBACK Crochet(HWND panneau, UINT message, WPARAM w, LPARAM l) {
  Choix* x = (Choix*)GetWindowLongPtrA(panneau, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      x = (Choix*)((OPENFILENAMEA*)l)->lCustData;
      SetWindowLongPtrA(panneau, DWLP_USER, (LONG_PTR)x);
      return TRUE;
    case WM_NOTIFY:
      return x ? Notification(panneau, x, (const OFNOTIFYA*)l) : FALSE;
    case WM_COMMAND:
      if (x && HIWORD(w) == BN_CLICKED) {
        if (LOWORD(w) == IDC_CHEMIN_OK) Fermer(panneau, x, 1);
        if (LOWORD(w) == IDC_CHEMIN_ANNULER) Fermer(panneau, x, 0);
      }
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int ChoisirCheminSysteme(void*, ChoixChemin* c) {
  Choix x = {};
  x.c = c;
  c->chemin[0] = 0;
  c->erreur = 0;
  char fichier[MAX_PATH] = "";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = (HWND)c->proprietaire;
  ofn.hInstance = InstanceGest();
  ofn.lpstrFilter = c->filtre;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = fichier;
  ofn.nMaxFile = sizeof fichier;
  ofn.lpstrInitialDir = c->dossier_initial && *c->dossier_initial ? c->dossier_initial : nullptr;
  ofn.lpstrTitle = c->titre;
  ofn.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY |
              OFN_PATHMUSTEXIST;
  ofn.lCustData = (LPARAM)&x;
  ofn.lpfnHook = Crochet;
  ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_PANNEAU_CHEMIN);
  if (GetOpenFileNameA(&ofn)) {
    // A double click on a file: that file.
    lstrcpynA(c->chemin, fichier, sizeof c->chemin);
    return 1;
  }
  if (x.choisi) return 1;
  c->erreur = CommDlgExtendedError();
  c->chemin[0] = 0;
  return 0;
}
