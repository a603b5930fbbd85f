// Entry of lvxsetup.exe.
#include <windows.h>

#include "fenetre_win32.h"
#include "installateur.h"

namespace {

// Enter, Escape and the letters reach the window even when one of its
// buttons has the focus.
void VersLaFenetre(MSG* m, HWND fenetre) {
  if (m->hwnd == fenetre || GetParent(m->hwnd) != fenetre) return;
  if ((m->message == WM_KEYDOWN && (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE)) ||
      m->message == WM_CHAR)
    m->hwnd = fenetre;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int montrer) {
  Installateur in;
  InstallateurInitialiser(&in);
  if (!FenetreEnregistrerClasse(instance)) return 0;
  HWND fenetre = FenetreCreer(instance, &in);
  if (!fenetre) return 0;
  ShowWindow(fenetre, montrer);
  UpdateWindow(fenetre);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    VersLaFenetre(&message, fenetre);
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return (int)message.wParam;
}
