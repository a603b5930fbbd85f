// lvxhook: the keyboard and mouse hooks of the main window. They post F1/F3/F4
// and the press-and-hold clicks as commands, and keep non-digits out of the
// small number dialogs. Windows and the instance are passed as their handles.
#pragma once
#include <cstdint>

#include "lvx_api.h"

// Switches both hooks on (1) or off (0) on the thread of fenetre, which
// receives the commands. 0 when already so or when a hook cannot be put.
LVX_API uint16_t LVX_APPEL InstallHook(
    void* fenetre,    // main window
    void* instance,   // program instance: the hooks act only on its windows
    uint16_t on);     // 1 on, 0 off
// 1: only digits and editing keys reach the focused window.
LVX_API uint16_t LVX_APPEL FiltrerChiffres(uint16_t on);
// The five field edits and the five press-and-hold buttons.
LVX_API uint16_t LVX_APPEL Set_Memo_Handles(
    void* nom, void* url, void* rubrique, void* mots_cles, void* notes,
    void* couper, void* copier, void* coller,
    void* avancer_vite,    // fast-forward button
    void* reculer_vite);   // fast-back button
// Copies of the main program's held-button states (1 between press and release).
LVX_API uint16_t LVX_APPEL Set_MemoBoutCouper(uint16_t etat);
LVX_API uint16_t LVX_APPEL Set_MemoBoutCopier(uint16_t etat);
LVX_API uint16_t LVX_APPEL Set_MemoBoutColler(uint16_t etat);
LVX_API uint16_t LVX_APPEL Set_MemoBoutAvancerVite(uint16_t etat);
LVX_API uint16_t LVX_APPEL Set_MemoBoutReculerVite(uint16_t etat);
