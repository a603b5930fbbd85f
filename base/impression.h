// The print setup record the main program keeps from start-up to quit and
// hands by value to the printing libraries: the platform's print dialog
// record, member for member (66 bytes, packed, in the 32-bit build).
#pragma once
#include <cstdint>

#include "plateforme.h"

#if defined(_WIN32) && !defined(_WIN64)
#pragma pack(push, 1)
#endif
struct EnregistrementImpression {
  uint32_t lStructSize;
  Poignee hwndOwner;
  Poignee hDevMode;   // the printer's settings (a memory block)
  Poignee hDevNames;  // driver, device and port names (a memory block)
  Poignee hDC;        // the printer's device context
  uint32_t Flags;
  uint16_t nFromPage, nToPage, nMinPage, nMaxPage, nCopies;
  Poignee hInstance;
  intptr_t lCustData;
  void* lpfnPrintHook;
  void* lpfnSetupHook;
  const char* lpPrintTemplateName;
  const char* lpSetupTemplateName;
  Poignee hPrintTemplate;
  Poignee hSetupTemplate;
};
#if defined(_WIN32) && !defined(_WIN64)
#pragma pack(pop)
#endif

// The device name inside a device-names block: its second 16-bit word is
// the name's offset from the block's start.
enum : uint32_t { DEVNAMES_DECALAGE_PERIPHERIQUE = 2 };
