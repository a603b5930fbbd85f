// The program's menu bar, read from inside its process, and its menus
// opened on screen with the keyboard.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "pilote.h"

struct ElementMenu {
  char genre = 'C';   // 'P' submenu, 'C' command, 'S' separator
  unsigned id = 0;    // 0 for submenus and separators
  unsigned etat = 0;  // MFS_ flags
  std::string texte;  // as the menu holds it, CP1252
  std::vector<ElementMenu> sous;
};

// Reads the main window's menu bar through the test DLL
// essai_lecteur_menus.dll hooked into the program's thread.
bool PiloteLireMenus(const Programme& p, std::vector<ElementMenu>& barre);
// Visible pop-up menus of the program; their rectangles joined to `zone`.
int PiloteMenusOuverts(const Programme& p, RECT* zone);
// Opens on screen the menu reached through `chemin`: the index of a
// top-level entry, then positions among the non-separator items of each
// submenu. Keyboard only (F10, arrows), so no command can start.
bool PiloteOuvrirMenu(const Programme& p, const std::vector<int>& chemin);
// Closes every open menu and leaves menu mode.
bool PiloteFermerMenus(const Programme& p);
