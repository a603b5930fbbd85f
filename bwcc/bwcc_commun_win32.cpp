// Helpers every class of bwcc32 uses.
#include "bwcc/bwcc_interne.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE BwccInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

bool BwccEnregistrerClasse(const WNDCLASSEXW* wc) {
  return RegisterClassExW(wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Superclasser(const wchar_t* systeme, const wchar_t* nom, WNDPROC proc, int extra, Superclasse* sortie) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(nullptr, systeme, &wc)) return false;
  sortie->origine = wc.lpfnWndProc;
  sortie->base = wc.cbWndExtra;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra += extra;
  wc.hInstance = BwccInstance();
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = nom;
  wc.style |= CS_GLOBALCLASS;
  return BwccEnregistrerClasse(&wc);
}

void PoliceInitiale(HWND fenetre) {
  SendMessageW(fenetre, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

HBRUSH FondParent(HWND controle, HDC hdc) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  HWND parent = GetParent(controle);
  if (!parent) return face;
  HBRUSH brosse = reinterpret_cast<HBRUSH>(
      SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(controle)));
  if (brosse && brosse != face) return brosse;
  const ATOM CLASSE_DIALOGUE = 0x8002;  // "#32770"
  if (GetClassWord(parent, GCW_ATOM) == CLASSE_DIALOGUE) return face;
  ULONG_PTR fond = GetClassLongPtrW(parent, GCLP_HBRBACKGROUND);
  if (fond == 0) return face;
  // A class background may be given as a system colour index + 1.
  if (fond <= COLOR_MENUBAR + 1) return GetSysColorBrush(static_cast<int>(fond) - 1);
  return reinterpret_cast<HBRUSH>(fond);
}

bool PeintDirectement(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
      return true;
    default:
      return false;
  }
}

void Repeindre(HWND fenetre) {
  if (!IsWindow(fenetre)) return;
  InvalidateRect(fenetre, nullptr, FALSE);
  UpdateWindow(fenetre);
}

void DessinerTexteInactif(HDC hdc, const wchar_t* texte, RECT rc, UINT format) {
  RECT relief = rc;
  OffsetRect(&relief, 1, 1);
  SetTextColor(hdc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawTextW(hdc, texte, -1, &relief, format);
  SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(hdc, texte, -1, &rc, format);
}
