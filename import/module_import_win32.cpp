// lvxrecup.dll at load, and the dialogs its commands run.
#include "bwcc/bwcc32.h"
#include "dialogues_import_win32.h"
#include "lvxrecup.h"

namespace {

HINSTANCE instance_import;

}  // namespace

HINSTANCE InstanceImport() { return instance_import; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID) {
  if (raison == DLL_PROCESS_ATTACH) {
    instance_import = instance;
    // The dialog templates use the Borland classes.
    BWCCRegister(instance);
  }
  return TRUE;
}

namespace {

// Filled by name: a member left out does not build.
const DialoguesImport dialogues_import = {
    .ctx = nullptr,
    .dialogue_import = DialogueImportSysteme,
    .dialogue_dossier = DialogueDossierSysteme,
};

}  // namespace

const DialoguesImport* DialoguesImportSysteme() { return &dialogues_import; }
