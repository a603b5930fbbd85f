// The Win32 side of lvxspec's dialog: its template lives in the DLL, so
// its procedure needs the DLL's own instance.
#pragma once
#include <windows.h>

#include "dialogue_donnees.h"

// The instance of lvxspec.dll, kept at process attach.
HINSTANCE InstanceSpec();

// The seam's dialogue_donnees: "SAUVESPECBOX" on its record.
int DialogueSpecSysteme(void* ctx, Poignee proprietaire, DialogueSpec* d);
