// The Win32 side of the import library's dialogs: its templates live in
// the DLL, so their procedures need the DLL's own instance.
#pragma once
#include <windows.h>

#include "dialogue_import.h"
#include "systeme_import.h"

// The instance of lvxrecup.dll, kept at process attach.
HINSTANCE InstanceImport();

// The seam's dialogue_import: the template named by the record's model.
int DialogueImportSysteme(void* ctx, Poignee proprietaire, DialogueImport* d);
// The seam's dialogue_dossier: the explorer open dialog with a panel of ours.
int DialogueDossierSysteme(void* ctx, DialogueDossier* d);
