// lvxgest: the card walk shared by every module.
#pragma once
#include <cstdint>

#include "lvx_api.h"

// Start of the card after the card at fiche (the end of the store after the last).
LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_suivante(uint8_t* fiche);
// Start of the card before fiche, a card start or the end of the store.
LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_precedente(uint8_t* fiche);
