// The installer's window: title picture, status line, three buttons and
// the notice, and the messages it hands to the installation.
#include "fenetre_win32.h"

#include <dde.h>

#include "conversation_dde.h"
#include "lvxsetup_ids.h"
#include "systeme_win32.h"

const char CLASSE_INSTALLATION[] = "Lorvanix 6.1 Setup";

namespace {

constexpr int LARGEUR = 640, HAUTEUR = 470;

struct Image {
  const char* nom;
  int x, y, largeur, hauteur;
};
const Image TITRE = {"TitreBitmap", 0, 0, 458, 112};
const Image LICENCE = {"LicenceBitmap", 200, 400, 398, 22};

HWND Bouton(HWND fenetre, const char* texte, int id, int x, HFONT police) {
  HWND b = CreateWindowA("BUTTON", texte, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, 320, 100, 25,
                         fenetre, (HMENU)(INT_PTR)id, (HINSTANCE)GetWindowLongPtrA(fenetre, GWLP_HINSTANCE),
                         nullptr);
  SendMessageA(b, WM_SETFONT, (WPARAM)police, FALSE);
  return b;
}

void Creer(HWND fenetre, Installateur* in) {
  HFONT police =
      CreateFontA(18, 0, 0, 0, 600, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, "Times New Roman");
  in->hWnd = fenetre;
  in->hFontChamps = police;
  in->hCursorFleche = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
  in->hCursorSablier = LoadCursorA(nullptr, (LPCSTR)IDC_WAIT);
  in->hBouton_Modifier = Bouton(fenetre, "&Modifier", CMD_SETUP_MODIFIER, 240, police);
  in->hBouton_Continuer = Bouton(fenetre, "&Installer", CMD_SETUP_INSTALLER, 350, police);
  in->hBouton_Annuler = Bouton(fenetre, "&Quitter", CMD_SETUP_QUITTER, 460, police);
  HWND zone = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 70, 240, 490, 55, fenetre,
                            (HMENU)(INT_PTR)IDC_SETUP_ZONE,
                            (HINSTANCE)GetWindowLongPtrA(fenetre, GWLP_HINSTANCE), nullptr);
  SendMessageA(zone, WM_SETFONT, (WPARAM)police, FALSE);
  in->hZone = zone;
}

void Dessiner(HDC dc, HINSTANCE instance, const Image& image) {
  HBITMAP bitmap = LoadBitmapA(instance, image.nom);
  if (!bitmap) return;
  HDC memoire = CreateCompatibleDC(dc);
  HGDIOBJ ancien = SelectObject(memoire, bitmap);
  BitBlt(dc, image.x, image.y, image.largeur, image.hauteur, memoire, 0, 0, SRCCOPY);
  SelectObject(memoire, ancien);
  DeleteDC(memoire);
  DeleteObject(bitmap);
}

void Peindre(HWND fenetre) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(fenetre, &ps);
  HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(fenetre, GWLP_HINSTANCE);
  Dessiner(dc, instance, TITRE);
  Dessiner(dc, instance, LICENCE);
  EndPaint(fenetre, &ps);
}

// The hourglass stays over the window from the first step to the end.
bool Occupe(const Installateur* in) {
  return in->etape > 0 && !in->fermee && in->conversation != DDE_TERMINEE;
}

}  // namespace

bool FenetreEnregistrerClasse(HINSTANCE instance) {
  WNDCLASSA classe = {};
  classe.style = CS_HREDRAW | CS_VREDRAW;
  classe.lpfnWndProc = WndProc;
  classe.hInstance = instance;
  classe.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_SETUP_ICONE));
  classe.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
  classe.hbrBackground = (HBRUSH)(COLOR_MENU + 1);
  classe.lpszClassName = CLASSE_INSTALLATION;
  return RegisterClassA(&classe) != 0;
}

HWND FenetreCreer(HINSTANCE instance, Installateur* in) {
  const int ecran_l = GetSystemMetrics(SM_CXSCREEN), ecran_h = GetSystemMetrics(SM_CYSCREEN);
  const int x = ecran_l > 640 ? (ecran_l - 640) / 2 : 0;
  const int y = ecran_h > 480 ? (ecran_h - 480) / 2 : 0;
  return CreateWindowA(CLASSE_INSTALLATION, "Lorvanix 6.1 installation", WS_OVERLAPPEDWINDOW, x, y, LARGEUR,
                       HAUTEUR, nullptr, nullptr, instance, in);
}

LRESULT CALLBACK WndProc(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  Installateur* in = (Installateur*)GetWindowLongPtrA(fenetre, GWLP_USERDATA);
  const SystemeInstallation* s = SystemeInstallationWin32();
  if (message == WM_CREATE) {
    in = (Installateur*)((CREATESTRUCTA*)l)->lpCreateParams;
    SetWindowLongPtrA(fenetre, GWLP_USERDATA, (LONG_PTR)in);
    Creer(fenetre, in);
    InstallateurDemarrer(in, s);
    return 0;
  }
  if (!in) return DefWindowProcA(fenetre, message, w, l);
  switch (message) {
    case WM_PAINT:
      Peindre(fenetre);
      return 0;
    case WM_CTLCOLORSTATIC:
      // The status line on the window's own background.
      SetBkColor((HDC)w, GetSysColor(COLOR_MENU));
      return (LRESULT)GetSysColorBrush(COLOR_MENU);
    case WM_SETCURSOR:
      if (LOWORD(l) == HTCLIENT && Occupe(in)) {
        SetCursor((HCURSOR)in->hCursorSablier);
        return TRUE;
      }
      break;
    case WM_COMMAND:
      InstallateurCommande(in, s, LOWORD(w));
      return 0;
    case WM_KEYDOWN:
      if (w == VK_RETURN) InstallateurTouche(in, s, '\r');
      if (w == VK_ESCAPE) InstallateurCommande(in, s, COMMANDE_ECHAP);
      return 0;
    case WM_CHAR:
      if (w != '\r' && w != 0x1B) InstallateurTouche(in, s, (int)w);
      return 0;
    case WM_DDE_ACK:
      ConversationAccuse(in, s, (Poignee)w, (uintptr_t)l);
      return 0;
    case WM_DDE_TERMINATE:
      ConversationTerminaison(in, s, (Poignee)w);
      return 0;
    case WM_TIMER:
      if (w == MINUTEUR_SERVEUR) ConversationDelai(in, s);
      return 0;
    case WM_CLOSE:
      Exit(in, s);
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrA(fenetre, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(fenetre, message, w, l);
}
