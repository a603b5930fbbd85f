// lvxnavig: the program folder, and the browser that "Connecter..." starts.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// Fills buffer with the folder of the program module, without a trailing
// backslash (at most 256 characters). Returns 1.
LVX_API uint16_t LVX_APPEL Util_Dll_Obtenir_Chemin_Repertoire_Lorvanix(
    char* buffer,       // receives the program folder
    Poignee instance);  // the program's instance
// Reads navigdef.cfg into chemin (256 bytes); 0 and an empty path on failure.
LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Navigateur(
    char* chemin,              // receives the browser path
    char* dossier_programme);  // folder of navigdef.cfg
// Lets the user choose another browser; 1 chosen, 0 given up.
LVX_API uint16_t LVX_APPEL Util_Dll_Choisir_Navigateur(
    char* chemin,              // the browser in use, 256 bytes
    char* sauvegarde,          // a second 256-byte buffer
    char* dossier_programme,   // folder of navigdef.cfg
    Poignee fenetre);          // owner of the boxes and the dialog
