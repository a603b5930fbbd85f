// lvxint: the long form of a short path, by the system's own service.
#pragma once
#include <cstdint>

#include "lvx_api.h"

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxint_ConvertirCheminCourtVersLong(
    char* lpCheminCourt,   // the short path
    char* lpCheminLong);   // receives the long path (300 bytes)
