#include "menus.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "entrees.h"
#include "fichiers.h"

namespace {

struct Collecte {
  DWORD pid;
  RECT* zone;
  int nombre;
};

BOOL CALLBACK Compter(HWND fenetre, LPARAM parametre) {
  auto* c = reinterpret_cast<Collecte*>(parametre);
  DWORD pid = 0;
  GetWindowThreadProcessId(fenetre, &pid);
  char classe[16] = {};
  GetClassNameA(fenetre, classe, sizeof classe);
  if (pid != c->pid || !IsWindowVisible(fenetre) || lstrcmpA(classe, "#32768") != 0) return TRUE;
  ++c->nombre;
  if (c->zone) {
    RECT r{};
    GetWindowRect(fenetre, &r);
    UnionRect(c->zone, c->zone, &r);
  }
  return TRUE;
}

std::string DeHexa(const std::string& hexa) {
  std::string texte;
  for (size_t i = 0; i + 1 < hexa.size(); i += 2) {
    texte += static_cast<char>(std::strtoul(hexa.substr(i, 2).c_str(), nullptr, 16));
  }
  return texte;
}

// Rebuilds the tree from the lines "depth kind id state hex".
bool Analyser(const std::string& vidage, std::vector<ElementMenu>& barre) {
  barre.clear();
  std::istringstream lignes(vidage);
  std::string ligne;
  std::vector<std::vector<ElementMenu>*> pile{&barre};
  while (std::getline(lignes, ligne)) {
    std::istringstream champs(ligne);
    size_t profondeur = 0;
    ElementMenu e;
    std::string hexa;
    champs >> profondeur >> e.genre >> e.id >> std::hex >> e.etat >> hexa;
    if (champs.fail() && !champs.eof()) return false;
    e.texte = DeHexa(hexa);
    if (profondeur + 1 > pile.size()) return false;
    pile.resize(profondeur + 1);
    pile.back()->push_back(e);
    pile.push_back(&pile.back()->back().sous);
  }
  return !barre.empty();
}

bool MenusOuverts(const Programme& p, int nombre) {
  return PiloteAttendre([&] { return PiloteMenusOuverts(p, nullptr) == nombre; }, 2000);
}

}  // namespace

int PiloteMenusOuverts(const Programme& p, RECT* zone) {
  Collecte c{p.pid, zone, 0};
  EnumWindows(Compter, reinterpret_cast<LPARAM>(&c));
  return c.nombre;
}

bool PiloteLireMenus(const Programme& p, std::vector<ElementMenu>& barre) {
  const std::string dll = DossierBinaires() + "\\essai_lecteur_menus.dll";
  HMODULE module = LoadLibraryA(dll.c_str());
  // Through void*: FARPROC and HOOKPROC differ in their arguments.
  void* adresse = module ? reinterpret_cast<void*>(GetProcAddress(module, "LecteurMenusCrochet")) : nullptr;
  auto crochet = reinterpret_cast<HOOKPROC>(adresse);
  if (!crochet) {
    std::printf("%s ou son crochet introuvable\n", dll.c_str());
    return false;
  }
  const std::string chemin = p.dossier + "\\essai_menus.txt";
  DeleteFileA(chemin.c_str());
  const ATOM atome = GlobalAddAtomA(chemin.c_str());
  HHOOK h = SetWindowsHookExA(WH_GETMESSAGE, crochet, module, GetWindowThreadProcessId(p.principale, nullptr));
  std::string vidage;
  bool lu = false;
  if (h && atome) {
    PostMessageA(p.principale, RegisterWindowMessageA("LvxEssaiLireMenus"), atome, 0);
    lu = PiloteAttendre([&] { return LireFichier(chemin, vidage); }, 5000);
  }
  if (h) UnhookWindowsHookEx(h);
  if (atome) GlobalDeleteAtom(atome);
  if (!lu) std::printf("menus non lus (crochet %p, atome %u)\n", static_cast<void*>(h), atome);
  return lu && Analyser(vidage, barre);
}

bool PiloteFermerMenus(const Programme& p) {
  for (int i = PiloteMenusOuverts(p, nullptr); i >= 0; --i) PiloteTouche(VK_ESCAPE);
  return MenusOuverts(p, 0);
}

bool PiloteOuvrirMenu(const Programme& p, const std::vector<int>& chemin) {
  if (chemin.empty() || !PiloteAuPremierPlan(p.principale)) return false;
  // F10 selects the first entry of the bar, the arrows walk from there.
  PiloteTouche(VK_F10);
  for (int i = 0; i < chemin[0]; ++i) PiloteTouche(VK_RIGHT);
  PiloteTouche(VK_DOWN);
  if (!MenusOuverts(p, 1)) return false;
  // A menu opened from the keyboard selects its first item.
  for (size_t niveau = 1; niveau < chemin.size(); ++niveau) {
    for (int i = 0; i < chemin[niveau]; ++i) PiloteTouche(VK_DOWN);
    PiloteTouche(VK_RIGHT);
    if (!MenusOuverts(p, static_cast<int>(niveau) + 1)) return false;
  }
  Sleep(200);
  return true;
}
