#include <windows.h>

#include "lvxint.h"

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxint_ConvertirCheminCourtVersLong(char* lpCheminCourt,
                                                                        char* lpCheminLong) {
  DWORD n = GetLongPathNameA(lpCheminCourt, lpCheminLong, 300);
  // An unknown path or a longer result: the short form stays.
  if (n == 0 || n >= 300) lstrcpynA(lpCheminLong, lpCheminCourt, 300);
  return 1;
}
