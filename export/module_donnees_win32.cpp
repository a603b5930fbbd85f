// lvxspec.dll at load, and the dialog its export runs.
#include "bwcc/bwcc32.h"
#include "dialogues_donnees_win32.h"
#include "lvxspec.h"

namespace {

HINSTANCE instance_spec;

}  // namespace

HINSTANCE InstanceSpec() { return instance_spec; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID) {
  if (raison == DLL_PROCESS_ATTACH) {
    instance_spec = instance;
    // The dialog template uses the Borland classes.
    BWCCRegister(instance);
  }
  return TRUE;
}

namespace {

// Filled by name: a member left out does not build.
const DialoguesSpec dialogues_spec = {
    .ctx = nullptr,
    .dialogue_donnees = DialogueSpecSysteme,
};

}  // namespace

const DialoguesSpec* DialoguesSpecSysteme() { return &dialogues_spec; }
