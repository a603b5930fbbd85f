// Our own Borland custom controls. BWCCRegister makes the window classes
// "BorShade", "BorStatic", "BORBTN" and "borcheck" exist for every module
// of the process (global classes), so dialog templates of any DLL can use them.
#pragma once
#include <windows.h>

#include "base/lvx_api.h"

// Registers the four classes; the instance is the caller's and is not needed.
// Returns TRUE (1) when the classes exist, also on every later call.
LVX_API BOOL LVX_APPEL BWCCRegister(HINSTANCE instance);

// BORBTN: lParam points to three HBITMAP (normal, pressed, focused), or is
// null to draw the button's text again. The caller keeps the bitmaps and
// must not delete them while the button lives. Returns TRUE.
#define BBM_SETBITS (BM_SETSTYLE + 10)

// BorShade kinds (low four bits of the style) and caption alignment.
#define BSS_GROUP 1L   // recessed group box
#define BSS_HDIP 2L    // horizontal sunken line
#define BSS_VDIP 3L    // vertical sunken line
#define BSS_HBUMP 4L   // horizontal raised line
#define BSS_VBUMP 5L   // vertical raised line
#define BSS_RGROUP 6L  // raised group box
#define BSS_NOPREFIX 0x2000L
#define BSS_LEFT 0x0000L
#define BSS_CENTER 0x0100L
#define BSS_RIGHT 0x0200L
