#include "entrees.h"

#include "pilote.h"

namespace {

// Lets the program's thread take the input before the next event.
constexpr int PAUSE_MS = 20;

void Envoyer(INPUT& entree) {
  SendInput(1, &entree, sizeof entree);
  Sleep(PAUSE_MS);
}

void Clavier(WORD vk, bool relachee) {
  INPUT entree{};
  entree.type = INPUT_KEYBOARD;
  entree.ki.wVk = vk;
  entree.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  entree.ki.dwFlags = relachee ? KEYEVENTF_KEYUP : 0;
  Envoyer(entree);
}

}  // namespace

bool PiloteAuPremierPlan(HWND fenetre) {
  return PiloteAttendre([&] {
    if (GetForegroundWindow() == fenetre) return true;
    SetForegroundWindow(fenetre);
    return false;
  });
}

void PiloteTouche(WORD vk, WORD modificateur) {
  if (modificateur) Clavier(modificateur, false);
  Clavier(vk, false);
  Clavier(vk, true);
  if (modificateur) Clavier(modificateur, true);
}

POINT PiloteCentre(HWND fenetre) {
  RECT r{};
  GetWindowRect(fenetre, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT PiloteEcran(HWND fenetre, int x, int y) {
  POINT point{x, y};
  ClientToScreen(fenetre, &point);
  return point;
}

namespace {

void Deplacer(POINT ecran) {
  // Absolute moves are in 0..65535 across the primary screen; rounded up,
  // since Wine rounds the pixel down.
  const int largeur = GetSystemMetrics(SM_CXSCREEN);
  const int hauteur = GetSystemMetrics(SM_CYSCREEN);
  INPUT entree{};
  entree.type = INPUT_MOUSE;
  entree.mi.dx = static_cast<LONG>((ecran.x * 65536LL + largeur - 1) / largeur);
  entree.mi.dy = static_cast<LONG>((ecran.y * 65536LL + hauteur - 1) / hauteur);
  entree.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Envoyer(entree);
}

// Both the X pointer (GetCursorPos) and the server's cursor, which places
// the mouse messages (GetCursorInfo), are there.
bool Atteint(POINT ecran) {
  POINT x11{};
  CURSORINFO serveur{};
  serveur.cbSize = sizeof serveur;
  return GetCursorPos(&x11) && x11.x == ecran.x && x11.y == ecran.y && GetCursorInfo(&serveur) &&
         serveur.ptScreenPos.x == ecran.x && serveur.ptScreenPos.y == ecran.y;
}

}  // namespace

void PiloteSourisVers(POINT ecran) {
  // Under Wine the X server keeps a pointer of its own and, some 20 to 50 ms
  // after a first move, reports it once more from where it was: the cursor
  // jumps back there. So move, wait for that, then move again by a pixel
  // and back, so that the last word is ours.
  SetCursorPos(ecran.x, ecran.y);
  Deplacer(ecran);
  Sleep(150);
  Deplacer(POINT{ecran.x + 1, ecran.y});
  Deplacer(ecran);
  PiloteAttendre([&] { return Atteint(ecran); }, 1000);
}

void PiloteSourisGauche(bool enfoncee) {
  INPUT entree{};
  entree.type = INPUT_MOUSE;
  entree.mi.dwFlags = enfoncee ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  Envoyer(entree);
}

bool PiloteEditModifie(HWND edit) {
  DWORD_PTR modifie = 0;
  SendMessageTimeoutA(edit, EM_GETMODIFY, 0, 0, SMTO_NORMAL, DELAI_MS, &modifie);
  return modifie != 0;
}

void PiloteClic(HWND controle) {
  PiloteSourisVers(PiloteCentre(controle));
  PiloteSourisGauche(true);
  PiloteSourisGauche(false);
}

HWND PiloteFocus(HWND fenetre) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(fenetre, nullptr), &info) ? info.hwndFocus : nullptr;
}
