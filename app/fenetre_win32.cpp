#include "fenetre_win32.h"

#include <commctrl.h>

#include "app/dialogues_win32.h"
#include "app/fenetre_principale.h"
#include "app/programme.h"
#include "bwcc/bwcc32.h"
#include "info/lvxinfo.h"
#include "titre.h"

namespace {

const char CLASSE[] = TITRE_LORVANIX;

// The program-wide state, and the Win32 objects that go with it.
Programme programme;
HINSTANCE instance_programme;
HFONT police_fiche;
HBITMAP bitmaps_boutons[19][3];
HWND boutons[19];
HWND infobulles[21];
const char* textes_infobulles[21];

HWND Controle(const char* classe, const char* texte, DWORD style, int x, int y, int l, int h,
              HWND parent, unsigned id) {
  return CreateWindowA(classe, texte, WS_CHILD | WS_VISIBLE | style, x, y, l, h, parent,
                       (HMENU)(UINT_PTR)id, instance_programme, nullptr);
}

void CreerInfobulle(int i, HWND fenetre, HWND controle, const char* texte) {
  HWND bulle = CreateWindowExA(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | WS_VISIBLE | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, fenetre, nullptr,
                               instance_programme, nullptr);
  TOOLINFOA outil = {};
  outil.cbSize = TTTOOLINFOA_V2_SIZE;
  outil.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  outil.hwnd = fenetre;
  outil.uId = (UINT_PTR)controle;
  outil.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(bulle, TTM_ADDTOOLA, 0, (LPARAM)&outil);
  infobulles[i] = bulle;
  textes_infobulles[i] = texte;
}

void CreerControles(HWND f, VueFiche* vue) {
  vue->fenetre = f;
  vue->numero = Controle("STATIC", "", SS_RIGHT | WS_BORDER, 225, 45, 60, 18, f, IDC_NUMERO_FICHE);
  vue->total = Controle("STATIC", "", SS_RIGHT | WS_BORDER, 315, 45, 60, 18, f, IDC_TOTAL_FICHES);
  vue->marquage = Controle("borcheck", "Marquage", BS_CHECKBOX, 450, 45, 90, 22, f, CMD_CASE_MARQUAGE);
  for (int i = 0; i < 19; i++) {
    const BoutonOutil& b = BOUTONS_OUTILS[i];
    boutons[i] = Controle("BORBTN", "", BS_PUSHBUTTON, b.x, 3, 32, 32, f, b.id);
    switch (b.id) {
      case IDC_BOUTON_COUPER: vue->couper = boutons[i]; break;
      case IDC_BOUTON_COPIER: vue->copier = boutons[i]; break;
      case IDC_BOUTON_COLLER: vue->coller = boutons[i]; break;
      case IDC_BOUTON_AVANCER: vue->avancer = boutons[i]; break;
      case IDC_BOUTON_RECULER: vue->reculer = boutons[i]; break;
    }
    const unsigned ids[3] = {b.normal, b.enfonce, b.focus};
    for (int j = 0; j < 3; j++)
      bitmaps_boutons[i][j] = LoadBitmapA(instance_programme, MAKEINTRESOURCEA(ids[j]));
    SendMessageA(boutons[i], BBM_SETBITS, 0, (LPARAM)bitmaps_boutons[i]);
  }
  HWND connecter = Controle("BUTTON", "Connecter...", BS_PUSHBUTTON, 35, 45, 95, 21, f,
                            CMD_BOUTON_CONNECTER);
  const DWORD simple = WS_BORDER | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  const DWORD multiple = ES_MULTILINE | ES_AUTOVSCROLL | WS_BORDER | WS_VSCROLL | WS_HSCROLL;
  vue->champs[CHAMP_NOM] = Controle("EDIT", "", simple, 150, 70, 445, 22, f, IDC_NOM);
  vue->champs[CHAMP_URL] = Controle("EDIT", "", simple, 150, 100, 445, 22, f, IDC_URL);
  vue->champs[CHAMP_RUBRIQUE] = Controle("EDIT", "", simple, 150, 130, 445, 22, f, IDC_RUBRIQUE);
  vue->champs[CHAMP_MOTS_CLES] = Controle("EDIT", "", multiple, 150, 160, 445, 70, f, IDC_MOTS_CLES);
  vue->champs[CHAMP_NOTES] = Controle("EDIT", "", multiple, 35, 260, 560, 130, f, IDC_NOTES);

  police_fiche = CreateFontA(18, 0, 0, 0, 600, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "Times New Roman");
  for (Poignee champ : vue->champs) SendMessageA((HWND)champ, WM_SETFONT, (WPARAM)police_fiche, TRUE);
  SendMessageA((HWND)vue->numero, WM_SETFONT, (WPARAM)police_fiche, TRUE);
  SendMessageA((HWND)vue->total, WM_SETFONT, (WPARAM)police_fiche, TRUE);

  for (int i = 0; i < 19; i++) CreerInfobulle(i, f, boutons[i], BOUTONS_OUTILS[i].info);
  CreerInfobulle(19, f, connecter, INFO_CONNECTER);
  CreerInfobulle(20, f, (HWND)vue->marquage, INFO_MARQUAGE);
}

void Peindre(HWND f) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(f, &ps);
  HDC memoire = CreateCompatibleDC(dc);
  for (const Etiquette& e : ETIQUETTES) {
    HBITMAP image = LoadBitmapA(instance_programme, e.bitmap);
    if (!image) continue;
    BITMAP infos;
    GetObjectA(image, sizeof infos, &infos);
    HGDIOBJ ancien = SelectObject(memoire, image);
    BitBlt(dc, e.x, e.y, infos.bmWidth, infos.bmHeight, memoire, 0, 0, SRCCOPY);
    SelectObject(memoire, ancien);
    DeleteObject(image);
  }
  DeleteDC(memoire);
  EndPaint(f, &ps);
}

void LimiterTaille(HWND f) {
  RECT r;
  GetWindowRect(f, &r);
  int largeur = r.right - r.left, hauteur = r.bottom - r.top;
  if (LimiterFenetre(&largeur, &hauteur)) MoveWindow(f, r.left, r.top, largeur, hauteur, TRUE);
}

LRESULT CALLBACK Procedure(HWND f, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      Peindre(f);
      return 0;
    case WM_NCPAINT:
      LimiterTaille(f);
      break;
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE && !IsIconic(f) && programme.sys)
        ProgrammeActivation(&programme);
      return 0;
    case WM_TIMER:
      if (w == MINUTEUR_DEFILEMENT && programme.sys) ProgrammeMinuteur(&programme);
      return 0;
    case WM_COMMAND:
      if (programme.sys && ProgrammeCommande(&programme, LOWORD(w), HIWORD(w), (Poignee)l))
        DestroyWindow(f);
      return 0;
    case WM_NOTIFY: {
      NMHDR* entete = (NMHDR*)l;
      if (entete->code == TTN_GETDISPINFOA) {
        for (int i = 0; i < 21; i++) {
          if (entete->hwndFrom != infobulles[i]) continue;
          NMTTDISPINFOA* d = (NMTTDISPINFOA*)l;
          d->lpszText = (char*)textes_infobulles[i];
          d->hinst = nullptr;
        }
      }
      return 0;
    }
    case WM_CLOSE:
      if (!programme.sys || ProgrammeQuitter(&programme)) DestroyWindow(f);
      return 0;
    case WM_QUERYENDSESSION:
      if (programme.sys) ProgrammeFinDeSession(&programme);
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(f, message, w, l);
}

}  // namespace

BOOL FenetreEnregistrerClasse(HINSTANCE instance) {
  instance_programme = instance;
  WNDCLASSA classe = {};
  classe.style = CS_HREDRAW | CS_VREDRAW;
  classe.lpfnWndProc = Procedure;
  classe.hInstance = instance;
  classe.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_ICONE));
  classe.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
  classe.hbrBackground = (HBRUSH)(COLOR_MENU + 1);
  classe.lpszMenuName = MAKEINTRESOURCEA(IDR_MENU);
  classe.lpszClassName = CLASSE;
  return RegisterClassA(&classe) != 0;
}

HWND FenetreCreer(HINSTANCE instance) {
  int x, y;
  PositionFenetre(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), &x, &y);
  return CreateWindowA(CLASSE, TITRE_LORVANIX " ", WS_OVERLAPPEDWINDOW, x, y, LARGEUR_FENETRE,
                       HAUTEUR_FENETRE, nullptr, nullptr, instance, nullptr);
}

BOOL FenetreDemarrer(HWND f, HINSTANCE instance, int montrer, const char* ligne_commande) {
  HCURSOR fleche = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
  HCURSOR attente = LoadCursorA(nullptr, (LPCSTR)IDC_WAIT);
  SetCursor(fleche);
  BWCCRegister(instance);
  InitCommonControls();

  VueFiche vue = {};
  CreerControles(f, &vue);
  if (!ProgrammeInitialiser(&programme, SystemeDuProgramme(), vue, fleche, attente, instance)) {
    ProgrammeLiberer(&programme);
    DestroyWindow(f);
    return FALSE;
  }
  ShowWindow(f, montrer);
  UpdateWindow(f);
  SetFocus((HWND)vue.champs[CHAMP_NOM]);

  AfficherLvxInform(0, f);
  if (!ProgrammeDemarrer(&programme, ligne_commande)) {
    ProgrammeLiberer(&programme);
    DestroyWindow(f);
    return FALSE;
  }
  return TRUE;
}
