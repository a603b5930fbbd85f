// The information box library.
#pragma once
#include <cstdint>

#include "base/lvx_api.h"

// Shows the information box, modal, centred on proprietaire, and returns
// when the user closes it: 1, or 0 when the box could not be shown.
LVX_API uint16_t LVX_APPEL AfficherLvxInform(int reserve,             // always 0
                                             void* proprietaire);  // owner window, or null
