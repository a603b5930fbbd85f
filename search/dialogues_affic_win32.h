// The Win32 side of lvxaffic's dialogs: their templates live in the DLL,
// so the dialog procedures need the DLL's own instance.
#pragma once
#include <windows.h>

#include "dialogues_affic.h"

// The instance of lvxaffic.dll, kept at process attach.
HINSTANCE InstanceAffic();

// The seam's dialogue_listes and dialogue_env_recherche.
void MontrerDialogueListes(void* ctx, Poignee proprietaire, DialogueListes* d);
int MontrerEnvRecherche(void* ctx, Poignee proprietaire, DialogueEnvRecherche* d);
