// lvxtri: the alphabetical sort of every card by site name, URL or
// category, in the user's order of texts; equal keys keep their order.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// Sorts the cards in place. Returns the new address of the card that was
// on screen, or null when the sort's working memory could not be had (the
// message was shown and the store is untouched).
LVX_API uint8_t* LVX_APPEL TrierAlpha(uint8_t* lpDebutMem,    // first card
                                      uint8_t* lpFinMem,      // end of the cards
                                      uint8_t* lpFicheEcran,  // card on screen
                                      int32_t TotalFiches,    // cards in the store
                                      uint16_t cle,           // 1 site name, 2 URL, 3 category
                                      Poignee hWnd);          // window repainted meanwhile
// The 1-based number of the card on screen after the last sort that succeeded.
LVX_API int32_t LVX_APPEL RecupererNumFicheEcran();
