// The folder dialog of "&Modifier": the system's open dialog in its
// explorer style, its own buttons and file-name box hidden, a panel of ours
// below the folder view with "&OK" and "&Annuler". The folder shown when
// the panel's OK is pressed becomes the installation folder.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include "choix_dossier.h"
#include "lvxsetup_ids.h"
#include "systeme_win32.h"

namespace {

struct Choix {
  Installateur* in;
  const SystemeInstallation* s;
};

// The dialog's own buttons, its file-name box (combo or edit) and its label.
const int CACHES[] = {IDOK, IDCANCEL, cmb13, edt1, stc3};

// The folder the dialog shows, when it is one of the file system's.
void LireDossier(HWND explorateur, Installateur* in) {
  char dossier[MAX_PATH];
  const LRESULT n = SendMessageA(explorateur, CDM_GETFOLDERPATH, sizeof dossier, (LPARAM)dossier);
  if (n > 1 && n <= (LRESULT)sizeof dossier) ChoixDossierChange(in, dossier);
}

// Closed through its own Cancel: the answer is the panel's.
void Fermer(HWND explorateur) { PostMessageA(explorateur, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

BOOL Notification(HWND panneau, Choix* c, const OFNOTIFYA* n) {
  HWND explorateur = GetParent(panneau);
  switch (n->hdr.code) {
    case CDN_INITDONE:
      for (int id : CACHES) SendMessageA(explorateur, CDM_HIDECONTROL, id, 0);
      LireDossier(explorateur, c->in);
      return FALSE;
    case CDN_FOLDERCHANGE:
      LireDossier(explorateur, c->in);
      return FALSE;
    case CDN_FILEOK:
      // A file picked in the view does not end the choice of a folder.
      SetWindowLongPtrA(panneau, DWLP_MSGRESULT, 1);
      return TRUE;
  }
  return FALSE;
}

UINT_PTR CALLBACK Hook_Ouvrir_Recuperer_Chemin_Repertoire_Installation(HWND panneau, UINT message, WPARAM w,
                                                                       LPARAM l) {
  Choix* c = (Choix*)GetWindowLongPtrA(panneau, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(panneau, DWLP_USER, ((OPENFILENAMEA*)l)->lCustData);
      return TRUE;
    case WM_NOTIFY:
      return c ? Notification(panneau, c, (const OFNOTIFYA*)l) : FALSE;
    case WM_COMMAND:
      if (!c || HIWORD(w) != BN_CLICKED) return TRUE;
      if (LOWORD(w) == IDC_SETUP_DOSSIER_OK && ChoixDossierOK(c->in, c->s, GetParent(panneau)))
        Fermer(GetParent(panneau));
      if (LOWORD(w) == IDC_SETUP_DOSSIER_ANNULER) {
        ChoixDossierAnnuler(c->in);
        Fermer(GetParent(panneau));
      }
      return TRUE;
  }
  return FALSE;
}

}  // namespace

uint32_t DialogueDossierWin32(void*, Installateur* in) {
  Choix c = {in, SystemeInstallationWin32()};
  char fichier[MAX_PATH] = "";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = (HWND)in->hWnd;
  ofn.hInstance = GetModuleHandleA(nullptr);
  ofn.lpstrFilter = "TOUS (*.*) \0*.*\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = fichier;
  ofn.nMaxFile = sizeof fichier;
  ofn.lpstrInitialDir = in->repertoire;
  ofn.lpstrTitle = "Installer Lorvanix 6.1 dans le dossier :";
  // Browsing leaves the installer's current folder where it was.
  ofn.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
              OFN_NOCHANGEDIR;
  ofn.lCustData = (LPARAM)&c;
  ofn.lpfnHook = Hook_Ouvrir_Recuperer_Chemin_Repertoire_Installation;
  ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_SETUP_PANNEAU);
  if (GetOpenFileNameA(&ofn)) return 0;
  return CommDlgExtendedError();
}
