// lvxgest.dll at load, and the dialogs its conversion runs.
#include "bwcc/bwcc32.h"
#include "dialogues_gest_win32.h"
#include "systeme_gest.h"

namespace {

HINSTANCE instance_gest;

}  // namespace

HINSTANCE InstanceGest() { return instance_gest; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID) {
  if (raison == DLL_PROCESS_ATTACH) {
    instance_gest = instance;
    // The dialog templates use the Borland classes.
    BWCCRegister(instance);
  }
  return TRUE;
}

namespace {

// Filled by name: a member left out does not build.
const DialoguesGest dialogues_gest = {
    .ctx = nullptr,
    .dialogue_conversion = MontrerDialogueConversion,
    .choisir_chemin = ChoisirCheminSysteme,
};

}  // namespace

const DialoguesGest* DialoguesGestSysteme() { return &dialogues_gest; }
