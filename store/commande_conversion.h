// The bulk conversion: the command behind Util_Dll_Lvxgest_Convertir, on
// the variables that Util_Dll_Lvxgest_Init_Variables stored.
//
// Two passes: the first converts every card chosen, changes nothing and
// notes each card that changes with its new size; the second converts
// them again, each straight to its final place (reecriture.h). A replace
// over every card of a large store costs two conversions of each card and
// one move of each byte, never a move of the store's tail per card.
#pragma once
#include <cstdint>

#include "dialogues_conversion.h"
#include "magasin.h"
#include "systeme_gest.h"

struct Conversion {
  Poignee fenetre;              // main window
  Poignee champs[NB_CHAMPS];    // the card view's field edits, in field order
  uint8_t* tampon;              // transfer buffer, for the card test
  char* tampon_recherche;       // card search buffer
  char* expression;             // the search expression
  uint16_t RechercheAvecCasse, RechercheNoms, RechercheURL, RechercheRubriques,
      RechercheMotsCles, RechercheNotes, RechercheAvecExactitude, RechercheTotalChamp,
      RechercheOccurDebutChamp;
  Magasin magasin;              // NumFiche and TotalFiches are not used
  Poignee attente, fleche;      // cursors
  uint16_t modes[NB_MODES_CONVERSION];  // the command's flag is 1
  // Results: a card was changed; a card was left alone, a field too long.
  uint16_t FichesModifieesOK, Depassement;
};

// The command for the mode whose flag is 1: its dialog, the check of the
// card choice, then the cards converted. 0 when the dialog was cancelled
// or memory was short, else 1. A store that could not grow comes back
// with a null lpDebutMem.
uint16_t ConversionExecuter(Conversion* c, const SystemeGest* sys);
