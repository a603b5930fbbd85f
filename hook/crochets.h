// The rules of the keyboard and mouse hooks of lvxhook: what becomes of each
// key and mouse event, and how the two hooks are put in place and removed.
// Windows and hooks are opaque here; the Win32 side supplies them.
#pragma once
#include <cstdint>

// The command ids posted to the main window are the main program's.
#include "base/lorvanix_ids.h"

// The ten controls given to Set_Memo_Handles, in this order.
enum : int {
  CONTROLE_NOM,
  CONTROLE_URL,
  CONTROLE_RUBRIQUE,
  CONTROLE_MOTS_CLES,
  CONTROLE_NOTES,
  CONTROLE_COUPER,
  CONTROLE_COPIER,
  CONTROLE_COLLER,
  CONTROLE_AVANCER_VITE,
  CONTROLE_RECULER_VITE,
  NB_CONTROLES,
  NB_CHAMPS_SURVEILLES = CONTROLE_COUPER,
  NB_BOUTONS_TENUS = NB_CONTROLES - CONTROLE_COUPER,
};

// Virtual-key codes the keyboard hook knows (the platform's own values).
enum : uint32_t {
  TOUCHE_RETOUR_ARRIERE = 8,
  TOUCHE_TABULATION = 9,
  TOUCHE_ENTREE = 13,
  TOUCHE_MAJ = 16,
  TOUCHE_VERR_MAJ = 20,
  TOUCHE_GAUCHE = 37,
  TOUCHE_BAS = 40,
  TOUCHE_SUPPR = 46,
  TOUCHE_0 = 48,
  TOUCHE_9 = 57,
  TOUCHE_PAVE_0 = 96,
  TOUCHE_PAVE_9 = 105,
  TOUCHE_F1 = 112,
  TOUCHE_F3 = 114,
  TOUCHE_F4 = 115,
  TOUCHE_VERR_NUM = 144,
};

// The hook code of a peek, for which nothing may happen.
enum : int { CODE_SANS_RETRAIT = 3 };

// The state of the library, one for the process.
struct Crochets {
  void* fenetre;                          // main window: receives the commands
  void* instance;                         // program instance
  uint16_t installe;                      // 1 while both hooks are in place
  void* crochet_clavier;
  void* crochet_souris;
  uint16_t filtre_chiffres;               // 1: only digits reach the dialog
  uint16_t occupe;                        // 1 while a key action runs
  void* controles[NB_CONTROLES];          // see CONTROLE_*
  uint16_t tenus[NB_BOUTONS_TENUS];       // held states, Couper first
};

// What the hook does with an event.
enum Sortie : uint8_t {
  SORTIE_TRANSMETTRE,  // the next hook is called and its result returned
  SORTIE_LAISSER,      // 0 returned, other hooks not called: the key goes on
  SORTIE_JETER,        // 1 returned: the event is discarded
};

struct Decision {
  Sortie sortie;
  uint16_t commande;  // id to post to the main window, 0 for none
  uint16_t aide;      // 1: open the help file for the focused window
};

// A key event as the keyboard hook sees it.
struct Touche {
  uint32_t code;                // virtual-key code
  uint16_t relachee;            // 1 on release
  uint16_t verr_maj;            // caps lock on
  uint16_t maj;                 // shift held down
  uint16_t principale_active;   // the active window is the main window
};

enum MessageSouris : uint8_t { SOURIS_GAUCHE_ENFONCEE, SOURIS_GAUCHE_RELACHEE, SOURIS_AUTRE };

// The platform's hook calls.
struct PoseCrochets {
  void* (*poser_clavier)(void* fenetre);  // hook on the window's thread, null on failure
  void* (*poser_souris)(void* fenetre);
  void (*retirer)(void* crochet);
};

// 1 when the event must go on untouched before any rule: a negative code,
// a peek, or an active window of another module.
int CrochetsTransmettreDirectement(int code, int instance_du_programme);
Decision CrochetsClavier(const Crochets* c, const Touche* t);
Decision CrochetsSouris(const Crochets* c, MessageSouris message, const void* fenetre);
// InstallHook: stores the window and the instance, then switches both hooks
// on (on != 0) or off. 0 when already so or when a hook cannot be put.
uint16_t CrochetsInstaller(Crochets* c, const PoseCrochets* pose, void* fenetre, void* instance,
                           uint16_t on);
