// lvxprap: the quick print of one field of every card, its values sorted
// and each printed once.
#pragma once
#include <cstdint>

#include "impression.h"
#include "lvx_api.h"
#include "plateforme.h"

// The list kinds.
enum : uint16_t {
  RAPIDE_NOMS = 1,
  RAPIDE_URL = 2,
  RAPIDE_RUBRIQUES = 3,
  RAPIDE_MOTS_CLES = 4,
};

// Returns 1 after printing or a cancel, 0 when the value buffer cannot be
// had, the printer is not set up or the list cannot be built.
LVX_API uint16_t LVX_APPEL Util_Dll_Impression_Rapide(
    Poignee hWnd,                        // main window, disabled meanwhile
    EnregistrementImpression impression, // its device context and device names are used
    Poignee police,                      // text font
    Poignee police_titre,                // title font (not used)
    Poignee stylo,                       // pen (selected, nothing drawn with it)
    uint8_t* lpDebutMem, uint8_t* lpFinMem,
    uint32_t TotalFiches,                // not used for the list
    uint16_t hauteur_ligne,              // the print font height: the line height in twips
    uint16_t genre);                     // RAPIDE_

// As lvxprint's: always null.
LVX_API Poignee LVX_APPEL Lvxprap_RecupererhDevMode();
LVX_API Poignee LVX_APPEL Lvxprap_RecupererhDevNames();
