// lvxoudef: the default-open, bookmark and mail configuration files.
#pragma once
#include <cstdint>

#include "lvx_api.h"

// Each reader fills chemin (256 bytes) from its file; 0 and an empty path
// when the file is missing (silently) or its header is wrong (with a message).
LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Fichier_Ouvrir_Default(
    char* chemin,              // receives the data file to load at start-up
    char* dossier_programme);  // folder of ouvdef.cfg
// Makes the current data file the one loaded at start-up, after asking.
LVX_API uint16_t LVX_APPEL Util_Dll_Definir_Ouverture_Default(
    char* nom_fichier,         // current file name, 256 bytes, may be empty
    char* dossier_programme);  // folder of lorvanix.exe and ouvdef.cfg
LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Fichier_Bookmark(
    char* chemin,              // receives the Netscape bookmark file
    char* dossier_programme);  // folder of bookdef.cfg
// Each writer rewrites its file; 0 silently when it cannot be written.
LVX_API uint16_t LVX_APPEL Util_Dll_Definir_Fichier_Bookmark(
    char* chemin,              // the bookmark file to remember
    char* dossier_programme);  // folder of bookdef.cfg
LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Fichier_Courrier(
    char* chemin,              // receives the mail folder
    char* dossier_programme);  // folder of courdef.cfg
LVX_API uint16_t LVX_APPEL Util_Dll_Definir_Fichier_Courrier(
    char* chemin,              // the mail folder to remember
    char* dossier_programme);  // folder of courdef.cfg
