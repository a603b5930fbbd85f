// lvxrecup.dll at load, and the platform its commands run on.
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

const Plateforme* PlateformeImport() {
  static Plateforme import = [] {
    Plateforme p = *PlateformeSysteme();
    p.dialogue_import = DialogueImportSysteme;
    p.dialogue_dossier = DialogueDossierSysteme;
    return p;
  }();
  return &import;
}
