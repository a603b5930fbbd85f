// lvxprint.dll and lvxprap.dll at load: each keeps its own instance, whose
// resources hold its progress box.
#include "bwcc/bwcc32.h"
#include "progression_win32.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD raison, LPVOID) {
  if (raison == DLL_PROCESS_ATTACH) {
    RetenirInstanceProgression(instance);
    // The box's template uses the Borland classes.
    BWCCRegister(instance);
  }
  return TRUE;
}
