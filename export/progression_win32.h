// The Win32 side of the printing libraries' progress box: its template
// lives in each DLL, so each DLL hands over its own instance at load.
#pragma once
#include <windows.h>

// The module whose resources hold the box; kept at process attach.
void RetenirInstanceProgression(HINSTANCE instance);
