// lvxfiles: loading and saving data files, and their two file dialogs.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// Open dialog; chemin (256 bytes) receives the chosen path. 1 chosen, 0 not.
LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_OuvrirFichier(
    Poignee fenetre, char* chemin, char* dossier_programme);
// Save-as dialog, as above.
LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_EnregistrerFichierSous(
    Poignee fenetre, char* chemin, char* dossier_programme);
// Replaces the store's cards by the file's; the new store variables are
// read back through the getters below.
LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_charger_fichier(
    char* chemin,             // data file to load
    char* magie,              // the data-file magic string
    Poignee fleche,           // arrow cursor
    Poignee attente,          // wait cursor
    uint8_t* lpDebutMem,      // the store block's address
    uint8_t* lpFinMem,        // end of its cards
    uint32_t longSize,        // its allocated size
    uint8_t* tampon,          // the 65,534-byte transfer buffer
    Poignee GlobalDebutMem,   // the store block
    Poignee fenetre);         // main window, repainted between chunks
// Writes the store to the file.
LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_sauver_fichier(
    uint8_t* lpDebutMem,          // first card
    uint8_t* lpFinMem,            // end of the cards
    char* chemin,                 // data file to write
    char* magie,                  // the data-file magic string
    uint32_t TailleTotaleFiches,  // bytes of the cards
    int32_t TotalFiches,          // number of cards
    Poignee fleche,               // arrow cursor
    Poignee attente,              // wait cursor
    uint8_t* tampon,              // the 65,534-byte transfer buffer
    Poignee fenetre);             // main window, repainted between chunks

LVX_API uint32_t LVX_APPEL Util_Dll_lvxfiles_Recuperer_TailleTotaleFiches();
LVX_API int32_t LVX_APPEL Util_Dll_lvxfiles_Recuperer_TotalFiches();
LVX_API uint8_t* LVX_APPEL Util_Dll_lvxfiles_Recuperer_lpDebutMem();
LVX_API uint8_t* LVX_APPEL Util_Dll_lvxfiles_Recuperer_lpFinMem();
LVX_API uint32_t LVX_APPEL Util_Dll_lvxfiles_Recuperer_longSize();
LVX_API Poignee LVX_APPEL Util_Dll_lvxfiles_Recuperer_GlobalDebutMem();
