// "BorShade": a shaded frame. A group box (recessed or raised) whose text,
// if any, is drawn as its caption, or a sunken or raised line. It paints
// only its edges and caption, so the controls it frames show through, and
// lets the mouse through to them.
#include "bwcc/bwcc32.h"
#include "bwcc/bwcc_interne.h"

enum { OCTET_POLICE = 0, OCTETS_CADRE = sizeof(LONG_PTR) };

static const int RETRAIT_TITRE = 8;  // caption start from the left or right edge

static HFONT CadrePolice(HWND cadre) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(cadre, OCTET_POLICE)); }

// The parent's area under the frame: the interior belongs to whatever lies there.
static void CadreRafraichir(HWND cadre) {
  HWND parent = GetParent(cadre);
  if (!parent) {
    InvalidateRect(cadre, nullptr, TRUE);
    return;
  }
  RECT rc;
  GetWindowRect(cadre, &rc);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  RedrawWindow(parent, &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

static void DessinerLigne(HDC hdc, RECT rc, LONG type) {
  bool horizontale = type == BSS_HDIP || type == BSS_HBUMP;
  UINT relief = (type == BSS_HDIP || type == BSS_VDIP) ? EDGE_ETCHED : EDGE_BUMP;
  if (horizontale) {
    rc.top = (rc.top + rc.bottom) / 2 - 1;
    DrawEdge(hdc, &rc, relief, BF_TOP);
  } else {
    rc.left = (rc.left + rc.right) / 2 - 1;
    DrawEdge(hdc, &rc, relief, BF_LEFT);
  }
}

static void DessinerGroupe(HWND cadre, HDC hdc, RECT rc, LONG style) {
  wchar_t titre[256];
  int longueur = GetWindowTextW(cadre, titre, 256);
  HGDIOBJ ancienne = CadrePolice(cadre) ? SelectObject(hdc, CadrePolice(cadre)) : nullptr;
  RECT zone_titre = {0, 0, 0, 0};
  UINT format = DT_SINGLELINE | DT_LEFT | DT_TOP | ((style & BSS_NOPREFIX) ? DT_NOPREFIX : 0);
  if (longueur > 0) {
    DrawTextW(hdc, titre, longueur, &zone_titre, format | DT_CALCRECT);
    int largeur = zone_titre.right, hauteur = zone_titre.bottom;
    int x = rc.left + RETRAIT_TITRE;
    if (style & BSS_CENTER) x = (rc.left + rc.right - largeur) / 2;
    else if (style & BSS_RIGHT) x = rc.right - RETRAIT_TITRE - largeur;
    SetRect(&zone_titre, x, rc.top, x + largeur, rc.top + hauteur);
    rc.top += hauteur / 2;
  }
  DrawEdge(hdc, &rc, (style & 0xF) == BSS_RGROUP ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
  if (longueur > 0) {
    RECT marge = zone_titre;
    InflateRect(&marge, 2, 0);
    FillRect(hdc, &marge, FondParent(cadre, hdc));
    SetBkMode(hdc, TRANSPARENT);
    if (!IsWindowEnabled(cadre)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(hdc, titre, longueur, &zone_titre, format);
  }
  if (ancienne) SelectObject(hdc, ancienne);
}

static void CadreDessiner(HWND cadre, HDC hdc) {
  RECT rc;
  GetClientRect(cadre, &rc);
  LONG style = GetWindowLongW(cadre, GWL_STYLE);
  LONG type = style & 0xF;
  if (type >= BSS_HDIP && type <= BSS_VBUMP) DessinerLigne(hdc, rc, type);
  else DessinerGroupe(cadre, hdc, rc, style);
}

static LRESULT CALLBACK CadreProc(HWND cadre, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      PoliceInitiale(cadre);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(cadre, &ps);
      CadreDessiner(cadre, hdc);
      EndPaint(cadre, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      CadreDessiner(cadre, reinterpret_cast<HDC>(w));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      SetWindowLongPtrW(cadre, OCTET_POLICE, static_cast<LONG_PTR>(w));
      if (LOWORD(l)) CadreRafraichir(cadre);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(CadrePolice(cadre));
    case WM_SETTEXT: {
      LRESULT r = DefWindowProcW(cadre, message, w, l);
      CadreRafraichir(cadre);
      return r;
    }
    case WM_ENABLE:
    case WM_SIZE:
    case WM_MOVE:
      CadreRafraichir(cadre);
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    default:
      return DefWindowProcW(cadre, message, w, l);
  }
}

bool CadreEnregistrer() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_GLOBALCLASS;
  wc.lpfnWndProc = CadreProc;
  wc.cbWndExtra = OCTETS_CADRE;
  wc.hInstance = BwccInstance();
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = L"BorShade";
  return BwccEnregistrerClasse(&wc);
}
