// Loaded into the program by a message hook of the tests: menus of another
// process cannot be read from outside under Wine, so this reads the main
// window's menu bar from inside and writes it to the file named by the atom
// in the request's wParam.
#include <windows.h>

#include <cstdio>

namespace {

void Hexa(FILE* f, const char* texte) {
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(texte); *c; ++c) {
    std::fprintf(f, "%02X", *c);
  }
}

// One line a menu entry: depth, kind (P submenu, C command, S separator),
// id, state, text in hexadecimal.
void Ecrire(FILE* f, HMENU menu, int profondeur) {
  const int nombre = GetMenuItemCount(menu);
  for (int i = 0; i < nombre; ++i) {
    char texte[512] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = texte;
    info.cch = sizeof texte - 1;
    if (!GetMenuItemInfoA(menu, i, TRUE, &info)) continue;
    const char genre = (info.fType & MFT_SEPARATOR) ? 'S' : info.hSubMenu ? 'P' : 'C';
    std::fprintf(f, "%d %c %u %X ", profondeur, genre, info.hSubMenu ? 0u : info.wID, info.fState);
    Hexa(f, texte);
    std::fprintf(f, "\n");
    if (info.hSubMenu) Ecrire(f, info.hSubMenu, profondeur + 1);
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK LecteurMenusCrochet(int code, WPARAM w, LPARAM l) {
  static const UINT demande = RegisterWindowMessageA("LvxEssaiLireMenus");
  const MSG* message = reinterpret_cast<const MSG*>(l);
  if (code == HC_ACTION && w == PM_REMOVE && message->message == demande) {
    char chemin[MAX_PATH] = {};
    if (GlobalGetAtomNameA(static_cast<ATOM>(message->wParam), chemin, sizeof chemin)) {
      // Written aside, then renamed: the reader never sees half a file.
      char provisoire[MAX_PATH + 8];
      std::snprintf(provisoire, sizeof provisoire, "%s.tmp", chemin);
      if (FILE* f = std::fopen(provisoire, "wb")) {
        Ecrire(f, GetMenu(message->hwnd), 0);
        std::fclose(f);
        MoveFileExA(provisoire, chemin, MOVEFILE_REPLACE_EXISTING);
      }
    }
  }
  return CallNextHookEx(nullptr, code, w, l);
}
