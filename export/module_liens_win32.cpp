// lvxliens.dll at load, and the dialogs its commands run.
#include "bwcc/bwcc32.h"
#include "dialogues_liens_win32.h"
#include "systeme_liens.h"

namespace {

HINSTANCE instance_liens;

}  // namespace

HINSTANCE InstanceLiens() { return instance_liens; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID) {
  if (raison == DLL_PROCESS_ATTACH) {
    instance_liens = instance;
    // The dialog templates use the Borland classes.
    BWCCRegister(instance);
  }
  return TRUE;
}

namespace {

// Filled by name: a member left out does not build.
const DialoguesLiens dialogues_liens = {
    .ctx = nullptr,
    .dialogue_liens = MontrerDialogueLiens,
};

}  // namespace

const DialoguesLiens* DialoguesLiensSysteme() { return &dialogues_liens; }
