// "borcheck": the system check box (plain, automatic, three-state or radio,
// as its style says) with all its behaviour, painted by us on its parent's
// background. Push-like and owner-drawn styles keep the system's look.
#include "bwcc/bwcc_interne.h"

static Superclasse g_case;

static const int COTE_CASE = 13;  // the box, as Windows 95 drew it
static const int ECART_TEXTE = 4;

static bool CaseDessinee(LONG style) {
  if (style & BS_PUSHLIKE) return false;
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return true;
    default:
      return false;
  }
}

static UINT EtatCase(LONG style, LRESULT etat, bool actif) {
  LONG type = style & BS_TYPEMASK;
  UINT dfc = DFCS_BUTTONCHECK;
  if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) dfc = DFCS_BUTTONRADIO;
  else if (etat & BST_INDETERMINATE) dfc = DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (etat & BST_CHECKED) dfc |= DFCS_CHECKED;
  if (etat & BST_PUSHED) dfc |= DFCS_PUSHED;
  if (!actif) dfc |= DFCS_INACTIVE;
  return dfc;
}

static void DessinerLibelle(HWND c, HDC hdc, RECT zone, LONG style, bool focus, bool actif) {
  wchar_t texte[256];
  if (GetWindowTextW(c, texte, 256) == 0) return;
  HFONT police = reinterpret_cast<HFONT>(CallWindowProcW(g_case.origine, c, WM_GETFONT, 0, 0));
  HGDIOBJ ancienne = police ? SelectObject(hdc, police) : nullptr;
  LRESULT ui = SendMessageW(c, WM_QUERYUISTATE, 0, 0);
  UINT format = DT_LEFT | ((ui & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0);
  format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  RECT texte_rc = zone;
  DrawTextW(hdc, texte, -1, &texte_rc, format | DT_CALCRECT);
  int hauteur = texte_rc.bottom - texte_rc.top;
  texte_rc.top = zone.top + (zone.bottom - zone.top - hauteur) / 2;
  texte_rc.bottom = texte_rc.top + hauteur;
  if (texte_rc.right > zone.right) texte_rc.right = zone.right;
  SetBkMode(hdc, TRANSPARENT);
  if (actif) DrawTextW(hdc, texte, -1, &texte_rc, format);
  else DessinerTexteInactif(hdc, texte, texte_rc, format);
  if (focus && !(ui & UISF_HIDEFOCUS)) {
    InflateRect(&texte_rc, 1, 1);
    DrawFocusRect(hdc, &texte_rc);
  }
  if (ancienne) SelectObject(hdc, ancienne);
}

static void CaseDessiner(HWND c, HDC hdc) {
  RECT rc;
  GetClientRect(c, &rc);
  if (rc.right <= 0 || rc.bottom <= 0) return;
  LONG style = GetWindowLongW(c, GWL_STYLE);
  LRESULT etat = CallWindowProcW(g_case.origine, c, BM_GETSTATE, 0, 0);
  bool actif = IsWindowEnabled(c);

  // Drawn off screen and copied once, so a click never flickers.
  HDC memoire = CreateCompatibleDC(hdc);
  HBITMAP toile = CreateCompatibleBitmap(hdc, rc.right, rc.bottom);
  HGDIOBJ ancienne = SelectObject(memoire, toile);
  FillRect(memoire, &rc, FondParent(c, memoire));
  bool a_droite = style & BS_LEFTTEXT;
  RECT boite;
  boite.left = a_droite ? rc.right - COTE_CASE : 0;
  boite.top = (rc.bottom - COTE_CASE) / 2;
  boite.right = boite.left + COTE_CASE;
  boite.bottom = boite.top + COTE_CASE;
  DrawFrameControl(memoire, &boite, DFC_BUTTON, EtatCase(style, etat, actif));
  RECT zone = rc;
  if (a_droite) zone.right = boite.left - ECART_TEXTE;
  else zone.left = boite.right + ECART_TEXTE;
  DessinerLibelle(c, memoire, zone, style, etat & BST_FOCUS, actif);
  BitBlt(hdc, 0, 0, rc.right, rc.bottom, memoire, 0, 0, SRCCOPY);
  SelectObject(memoire, ancienne);
  DeleteObject(toile);
  DeleteDC(memoire);
}

static LRESULT CALLBACK CaseProc(HWND c, UINT message, WPARAM w, LPARAM l) {
  bool dessinee = CaseDessinee(GetWindowLongW(c, GWL_STYLE));
  if (dessinee) {
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(c, &ps);
        CaseDessiner(c, hdc);
        EndPaint(c, &ps);
        return 0;
      }
      case WM_PRINTCLIENT:
        CaseDessiner(c, reinterpret_cast<HDC>(w));
        return 0;
      case WM_ERASEBKGND:
        return 1;
      default:
        break;
    }
  }
  LRESULT r = CallWindowProcW(g_case.origine, c, message, w, l);
  if (message == WM_CREATE && r == 0) PoliceInitiale(c);
  if (dessinee && PeintDirectement(message)) Repeindre(c);
  return r;
}

bool CaseEnregistrer() { return Superclasser(L"BUTTON", L"borcheck", CaseProc, 0, &g_case); }
