// lvxaffic.dll at load, and the dialogs its commands run.
#include "bwcc/bwcc32.h"
#include "dialogues_affic_win32.h"
#include "systeme_affic.h"

namespace {

HINSTANCE instance_affic;

}  // namespace

HINSTANCE InstanceAffic() { return instance_affic; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID) {
  if (raison == DLL_PROCESS_ATTACH) {
    instance_affic = instance;
    // The dialog templates use the Borland classes.
    BWCCRegister(instance);
  }
  return TRUE;
}

namespace {

// Filled by name: a member left out does not build.
const DialoguesAffic dialogues_affic = {
    .ctx = nullptr,
    .dialogue_listes = MontrerDialogueListes,
    .dialogue_env_recherche = MontrerEnvRecherche,
};

}  // namespace

const DialoguesAffic* DialoguesAfficSysteme() { return &dialogues_affic; }
