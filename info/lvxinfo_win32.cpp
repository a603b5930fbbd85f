// The information box: a picture, a read-only text about the program and OK.
#include <windows.h>

#include "info/lvxinfo.h"

#include "info/lvxinfo_ids.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

static HINSTANCE InfoInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

// Centred on the owner when it is on screen, else on the work area, and
// always kept inside the work area of the owner's monitor.
static void CentrerSurProprietaire(HWND boite) {
  HWND proprietaire = GetWindow(boite, GW_OWNER);
  MONITORINFO ecran = {};
  ecran.cbSize = sizeof ecran;
  GetMonitorInfoW(MonitorFromWindow(proprietaire ? proprietaire : boite, MONITOR_DEFAULTTONEAREST), &ecran);
  const RECT& zone = ecran.rcWork;
  RECT reference = zone;
  if (proprietaire && IsWindowVisible(proprietaire) && !IsIconic(proprietaire))
    GetWindowRect(proprietaire, &reference);
  RECT rc;
  GetWindowRect(boite, &rc);
  int largeur = rc.right - rc.left, hauteur = rc.bottom - rc.top;
  int x = reference.left + (reference.right - reference.left - largeur) / 2;
  int y = reference.top + (reference.bottom - reference.top - hauteur) / 2;
  if (x + largeur > zone.right) x = zone.right - largeur;
  if (y + hauteur > zone.bottom) y = zone.bottom - hauteur;
  if (x < zone.left) x = zone.left;
  if (y < zone.top) y = zone.top;
  SetWindowPos(boite, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static INT_PTR CALLBACK InfoProc(HWND boite, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG: {
      wchar_t texte[2048];
      int n = LoadStringW(InfoInstance(), IDS_INFO_TEXTE, texte, 2048);
      if (n > 0) {
        LoadStringW(InfoInstance(), IDS_INFO_VERSION, texte + n, 2048 - n);
        SetDlgItemTextW(boite, IDC_INFO_TEXTE, texte);
      }
      CentrerSurProprietaire(boite);
      SetFocus(GetDlgItem(boite, IDOK));
      return FALSE;
    }
    case WM_CTLCOLORSTATIC:
      // The read-only text reads better on the window colour than greyed.
      if (reinterpret_cast<HWND>(l) == GetDlgItem(boite, IDC_INFO_TEXTE)) {
        HDC hdc = reinterpret_cast<HDC>(w);
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
      }
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
        EndDialog(boite, 1);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

LVX_API uint16_t LVX_APPEL AfficherLvxInform(int /* reserve */, void* proprietaire) {
  INT_PTR r = DialogBoxParamW(InfoInstance(), L"LVXINFOBOX", (HWND)proprietaire, InfoProc, 0);
  return r == 1 ? 1 : 0;
}
