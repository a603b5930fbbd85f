// Ids of lvxsetup.exe, read by its .rc file and its code: plain #define
// lines, so that windres and the C++ compilers read the same header.
#pragma once

// The window's buttons send their id as a command; the status line none.
#define CMD_SETUP_INSTALLER 400
#define CMD_SETUP_QUITTER 401
#define IDC_SETUP_ZONE 402
#define CMD_SETUP_MODIFIER 403
#define IDR_SETUP_ICONE 404

// The panel of the folder dialog, below the folder view.
#define IDC_SETUP_DOSSIER_OK 405
#define IDC_SETUP_DOSSIER_ANNULER 406
#define IDD_SETUP_PANNEAU 407
