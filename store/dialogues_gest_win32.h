// The Win32 side of lvxgest's dialogs: their templates live in the DLL,
// so the dialog procedures need the DLL's own instance.
#pragma once
#include <windows.h>

#include "dialogues_conversion.h"

// The instance of lvxgest.dll, kept at process attach.
HINSTANCE InstanceGest();

// The seam's dialogue_conversion: the template named by the record's model.
int MontrerDialogueConversion(void* ctx, Poignee proprietaire, DialogueConversion* d);
// The seam's choisir_chemin: the open dialog with the panel of our own buttons.
int ChoisirCheminSysteme(void* ctx, ChoixChemin* c);
