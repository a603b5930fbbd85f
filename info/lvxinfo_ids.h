// Resource ids of lvxinfo, shared by its .rc file and its code.
#pragma once

#define IDC_INFO_IMAGE 101
#define IDC_INFO_TEXTE 102
#define IDS_INFO_TEXTE 1
#define IDS_INFO_VERSION 2  // the build's own: 32 or 64 bits
