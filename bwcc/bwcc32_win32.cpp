// BWCCRegister: makes the four classes exist for the whole process.
#include "bwcc/bwcc32.h"

#include "bwcc/bwcc_interne.h"

LVX_API BOOL LVX_APPEL BWCCRegister(HINSTANCE /* instance: the classes are ours */) {
  static bool enregistre = false;
  if (enregistre) return TRUE;
  bool ok = BoutonEnregistrer();
  ok = CaseEnregistrer() && ok;
  ok = TexteEnregistrer() && ok;
  ok = CadreEnregistrer() && ok;
  if (!ok) return FALSE;
  // Windows of our classes may outlive a FreeLibrary of the caller: stay loaded.
  HMODULE soi;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&BWCCRegister), &soi);
  enregistre = true;
  return TRUE;
}
