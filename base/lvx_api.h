// Linkage and calling convention of every exported command.
#pragma once

#ifdef _WIN32
#define LVX_APPEL __stdcall
#else
#define LVX_APPEL
#endif

#define LVX_API extern "C"
