#include "presse_papiers.h"

#include <windows.h>

#include <cstring>

bool EcrirePressePapiers(const std::string& texte) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL bloc = GlobalAlloc(GMEM_MOVEABLE, texte.size() + 1);
  bool ok = bloc != nullptr;
  if (ok) {
    std::memcpy(GlobalLock(bloc), texte.c_str(), texte.size() + 1);
    GlobalUnlock(bloc);
    ok = SetClipboardData(CF_TEXT, bloc) != nullptr;
    if (!ok) GlobalFree(bloc);
  }
  CloseClipboard();
  return ok;
}

std::string LirePressePapiers() {
  std::string texte;
  if (!OpenClipboard(nullptr)) return "(presse-papiers inaccessible)";
  if (HANDLE bloc = GetClipboardData(CF_TEXT)) {
    if (const char* octets = static_cast<const char*>(GlobalLock(bloc))) texte = octets;
    GlobalUnlock(bloc);
  }
  CloseClipboard();
  return texte;
}
