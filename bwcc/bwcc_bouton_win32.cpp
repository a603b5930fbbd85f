// "BORBTN": the system push button, painted by us. Behaviour (mouse, keys,
// BM_CLICK, BM_SETSTATE, default button in dialogs, notifications) stays
// the system's; we paint the three bitmaps of BBM_SETBITS or, without
// them, a push button with its text.
#include "bwcc/bwcc32.h"
#include "bwcc/bwcc_interne.h"

enum { IMAGE_NORMALE, IMAGE_ENFONCEE, IMAGE_FOCUS, NB_IMAGES };

static Superclasse g_bouton;

static HBITMAP BoutonImage(HWND bouton, int i) {
  return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(bouton, g_bouton.base + i * sizeof(LONG_PTR)));
}

static void BoutonFixerImages(HWND bouton, const HBITMAP* images) {
  for (int i = 0; i < NB_IMAGES; ++i)
    SetWindowLongPtrW(bouton, g_bouton.base + i * sizeof(LONG_PTR),
                      reinterpret_cast<LONG_PTR>(images ? images[i] : nullptr));
}

static void DessinerImage(HDC hdc, const RECT& rc, HBITMAP image, bool actif) {
  FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  BITMAP bm;
  if (!GetObjectW(image, sizeof bm, &bm)) return;
  int l = rc.right - rc.left, h = rc.bottom - rc.top;
  if (!actif) {
    DrawStateW(hdc, nullptr, nullptr, reinterpret_cast<LPARAM>(image), 0, (l - bm.bmWidth) / 2,
               (h - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight, DST_BITMAP | DSS_DISABLED);
    return;
  }
  HDC source = CreateCompatibleDC(hdc);
  HGDIOBJ ancienne = SelectObject(source, image);
  if (bm.bmWidth <= l && bm.bmHeight <= h) {
    BitBlt(hdc, (l - bm.bmWidth) / 2, (h - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(hdc, HALFTONE);
    StretchBlt(hdc, 0, 0, l, h, source, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  }
  SelectObject(source, ancienne);
  DeleteDC(source);
}

static void DessinerTexte(HWND bouton, HDC hdc, RECT rc, bool enfonce, bool actif) {
  wchar_t texte[256];
  GetWindowTextW(bouton, texte, 256);
  HFONT police = reinterpret_cast<HFONT>(CallWindowProcW(g_bouton.origine, bouton, WM_GETFONT, 0, 0));
  HGDIOBJ ancienne = police ? SelectObject(hdc, police) : nullptr;
  SetBkMode(hdc, TRANSPARENT);
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (SendMessageW(bouton, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
  if (enfonce) OffsetRect(&rc, 1, 1);
  if (actif) {
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(hdc, texte, -1, &rc, format);
  } else {
    DessinerTexteInactif(hdc, texte, rc, format);
  }
  if (ancienne) SelectObject(hdc, ancienne);
}

static void DessinerBoutonTexte(HWND bouton, HDC hdc, RECT rc, bool enfonce, bool focus, bool actif) {
  FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  LONG type = GetWindowLongW(bouton, GWL_STYLE) & BS_TYPEMASK;
  if (type == BS_DEFPUSHBUTTON) {
    FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rc, -1, -1);
  }
  if (enfonce) {
    FrameRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
  } else {
    DrawEdge(hdc, &rc, EDGE_RAISED, BF_RECT);
  }
  DessinerTexte(bouton, hdc, rc, enfonce, actif);
  if (focus && !(SendMessageW(bouton, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    InflateRect(&rc, -3, -3);
    DrawFocusRect(hdc, &rc);
  }
}

static void BoutonDessiner(HWND bouton, HDC hdc) {
  RECT rc;
  GetClientRect(bouton, &rc);
  if (rc.right <= 0 || rc.bottom <= 0) return;
  LRESULT etat = CallWindowProcW(g_bouton.origine, bouton, BM_GETSTATE, 0, 0);
  bool enfonce = etat & BST_PUSHED;
  bool focus = etat & BST_FOCUS;
  bool actif = IsWindowEnabled(bouton);

  // Drawn off screen and copied once, so a press never flickers.
  HDC memoire = CreateCompatibleDC(hdc);
  HBITMAP toile = CreateCompatibleBitmap(hdc, rc.right, rc.bottom);
  HGDIOBJ ancienne = SelectObject(memoire, toile);
  HBITMAP normale = BoutonImage(bouton, IMAGE_NORMALE);
  if (normale) {
    HBITMAP image = normale;
    if (actif && enfonce && BoutonImage(bouton, IMAGE_ENFONCEE)) image = BoutonImage(bouton, IMAGE_ENFONCEE);
    else if (actif && !enfonce && focus && BoutonImage(bouton, IMAGE_FOCUS)) image = BoutonImage(bouton, IMAGE_FOCUS);
    DessinerImage(memoire, rc, image, actif);
  } else {
    DessinerBoutonTexte(bouton, memoire, rc, enfonce, focus, actif);
  }
  BitBlt(hdc, 0, 0, rc.right, rc.bottom, memoire, 0, 0, SRCCOPY);
  SelectObject(memoire, ancienne);
  DeleteObject(toile);
  DeleteDC(memoire);
}

static LRESULT CALLBACK BoutonProc(HWND bouton, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(bouton, &ps);
      BoutonDessiner(bouton, hdc);
      EndPaint(bouton, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      BoutonDessiner(bouton, reinterpret_cast<HDC>(w));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case BBM_SETBITS:
      BoutonFixerImages(bouton, reinterpret_cast<const HBITMAP*>(l));
      InvalidateRect(bouton, nullptr, FALSE);
      return TRUE;
    default:
      break;
  }
  LRESULT r = CallWindowProcW(g_bouton.origine, bouton, message, w, l);
  if (message == WM_CREATE && r == 0) PoliceInitiale(bouton);
  if (PeintDirectement(message)) Repeindre(bouton);
  return r;
}

bool BoutonEnregistrer() {
  return Superclasser(L"BUTTON", L"BORBTN", BoutonProc, NB_IMAGES * sizeof(LONG_PTR), &g_bouton);
}
