// lvxhook.dll: the two thread hooks around the rules of crochets.h.
#include <windows.h>

#include "crochets.h"
#include "lvxhook.h"

namespace {

Crochets etat;

HINSTANCE InstanceDeLaBibliotheque() {
  HMODULE h = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&InstanceDeLaBibliotheque), &h);
  return h;
}

int ActiveDuProgramme() {
  HWND active = GetActiveWindow();
  return active && reinterpret_cast<void*>(GetWindowLongPtrA(active, GWLP_HINSTANCE)) ==
                       etat.instance;
}

LRESULT Conclure(Sortie sortie, void* crochet, int code, WPARAM w, LPARAM l) {
  if (sortie == SORTIE_LAISSER) return 0;
  if (sortie == SORTIE_JETER) return 1;
  return CallNextHookEx(static_cast<HHOOK>(crochet), code, w, l);
}

void Poster(uint16_t commande) {
  PostMessageA(static_cast<HWND>(etat.fenetre), WM_COMMAND, commande, 0);
}

LRESULT CALLBACK ProcClavier(int code, WPARAM w, LPARAM l) {
  if (CrochetsTransmettreDirectement(code, ActiveDuProgramme()))
    return CallNextHookEx(static_cast<HHOOK>(etat.crochet_clavier), code, w, l);
  Touche t;
  t.code = static_cast<uint32_t>(w);
  t.relachee = static_cast<uint16_t>((static_cast<DWORD>(l) >> 31) & 1);
  t.verr_maj = GetKeyState(VK_CAPITAL) & 1;
  t.maj = GetKeyState(VK_SHIFT) < 0;
  t.principale_active = GetActiveWindow() == static_cast<HWND>(etat.fenetre);
  Decision d = CrochetsClavier(&etat, &t);
  if (d.aide || d.commande) {
    // The help engine pumps messages: a second F1 must not start it again.
    etat.occupe = 1;
    if (d.aide) {
      WinHelpA(GetFocus(), "lorvanix.hlp", HELP_FORCEFILE, 0);
      // Wine's viewer ignores force-file; the contents are the same page.
      WinHelpA(GetFocus(), "lorvanix.hlp", HELP_CONTENTS, 0);
    }
    if (d.commande) Poster(d.commande);
    etat.occupe = 0;
  }
  return Conclure(d.sortie, etat.crochet_clavier, code, w, l);
}

MessageSouris Classer(WPARAM message) {
  // The second press of a double click is a press too: the button must not
  // get it either.
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) return SOURIS_GAUCHE_ENFONCEE;
  if (message == WM_LBUTTONUP) return SOURIS_GAUCHE_RELACHEE;
  return SOURIS_AUTRE;
}

LRESULT CALLBACK ProcSouris(int code, WPARAM w, LPARAM l) {
  if (CrochetsTransmettreDirectement(code, ActiveDuProgramme()))
    return CallNextHookEx(static_cast<HHOOK>(etat.crochet_souris), code, w, l);
  const MOUSEHOOKSTRUCT* souris = reinterpret_cast<const MOUSEHOOKSTRUCT*>(l);
  Decision d = CrochetsSouris(&etat, Classer(w), souris->hwnd);
  if (d.commande) Poster(d.commande);
  return Conclure(d.sortie, etat.crochet_souris, code, w, l);
}

void* Poser(int genre, HOOKPROC proc, void* fenetre) {
  DWORD fil = GetWindowThreadProcessId(static_cast<HWND>(fenetre), nullptr);
  // Thread 0 would hook every program on the desktop.
  if (!fil) return nullptr;
  return SetWindowsHookExA(genre, proc, InstanceDeLaBibliotheque(), fil);
}
void* PoserClavier(void* fenetre) { return Poser(WH_KEYBOARD, ProcClavier, fenetre); }
void* PoserSouris(void* fenetre) { return Poser(WH_MOUSE, ProcSouris, fenetre); }
void Retirer(void* crochet) { UnhookWindowsHookEx(static_cast<HHOOK>(crochet)); }

const PoseCrochets POSE = {PoserClavier, PoserSouris, Retirer};

uint16_t Tenir(int bouton, uint16_t tenu) {
  etat.tenus[bouton] = tenu;
  return 1;
}

}  // namespace

LVX_API uint16_t LVX_APPEL InstallHook(void* fenetre, void* instance, uint16_t on) {
  return CrochetsInstaller(&etat, &POSE, fenetre, instance, on);
}

LVX_API uint16_t LVX_APPEL FiltrerChiffres(uint16_t on) {
  etat.filtre_chiffres = on;
  return 1;
}

LVX_API uint16_t LVX_APPEL Set_Memo_Handles(void* nom, void* url, void* rubrique,
                                            void* mots_cles, void* notes, void* couper,
                                            void* copier, void* coller, void* avancer_vite,
                                            void* reculer_vite) {
  void* const controles[NB_CONTROLES] = {nom,    url,    rubrique, mots_cles,    notes,
                                         couper, copier, coller,   avancer_vite, reculer_vite};
  for (int i = 0; i < NB_CONTROLES; i++) etat.controles[i] = controles[i];
  return 1;
}

LVX_API uint16_t LVX_APPEL Set_MemoBoutCouper(uint16_t e) { return Tenir(0, e); }
LVX_API uint16_t LVX_APPEL Set_MemoBoutCopier(uint16_t e) { return Tenir(1, e); }
LVX_API uint16_t LVX_APPEL Set_MemoBoutColler(uint16_t e) { return Tenir(2, e); }
LVX_API uint16_t LVX_APPEL Set_MemoBoutAvancerVite(uint16_t e) { return Tenir(3, e); }
LVX_API uint16_t LVX_APPEL Set_MemoBoutReculerVite(uint16_t e) { return Tenir(4, e); }
