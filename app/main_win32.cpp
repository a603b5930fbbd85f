// Entry of lorvanix.exe.
#include <windows.h>

#include "fenetre_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR ligne_commande, int montrer) {
  if (!FenetreEnregistrerClasse(instance)) return 0;
  HWND fenetre = FenetreCreer(instance);
  if (!fenetre) return 0;
  FenetreDemarrer(fenetre, instance, montrer, ligne_commande);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return (int)message.wParam;
}
