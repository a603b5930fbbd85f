// The Win32 side of lvxliens's dialogs: their templates live in the DLL,
// so the dialog procedure needs the DLL's own instance.
#pragma once
#include <windows.h>

#include "dialogues_liens.h"

// The instance of lvxliens.dll, kept at process attach.
HINSTANCE InstanceLiens();

// The seam's dialogue_liens: the template named by the record's model.
int MontrerDialogueLiens(void* ctx, Poignee proprietaire, DialogueLiens* d);
