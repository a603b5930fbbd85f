// The installer's system record filled with Win32 calls.
#pragma once
#include <windows.h>

#include "installateur.h"
#include "systeme_installation.h"

const SystemeInstallation* SystemeInstallationWin32();
// The folder dialog of "&Modifier" (dialogue_dossier_win32.cpp).
uint32_t DialogueDossierWin32(void* ctx, Installateur* in);
