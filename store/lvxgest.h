// lvxgest: the card walk shared by every module.
#pragma once
#include <cstdint>

#include "lvx_api.h"

// Start of the card after the card at fiche (the end of the store after the last).
LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_suivante(uint8_t* fiche);
// Start of the card before fiche, a card start or the end of the store.
LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_precedente(uint8_t* fiche);

// Turns a short path holding a "~" into its long form, in place; the buffer
// holds up to 300 bytes. Always 1.
LVX_API uint16_t LVX_APPEL PathCourtVersLong(char* chemin);
