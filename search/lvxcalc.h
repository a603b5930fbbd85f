// lvxcalc: the counts of the Calculer menu over the whole store, each shown
// in the result box "CALCULERBOX". The store is only read.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// Exactly one of the ten flags is 1: the count to make. Shows its result
// box (or the memory message) and returns 0.
LVX_API uint16_t LVX_APPEL Util_Dll_calculer_nombre(
    Poignee hWnd,                        // main window, owner of the box, repainted
    uint8_t* lpDebutMem,                 // first card
    uint8_t* lpFinMem,                   // end of the cards
    uint8_t* tampon,                     // transfer buffer (65,534 bytes)
    Poignee fleche,                      // arrow cursor
    Poignee attente,                     // wait cursor
    uint16_t CalculFichesMarquees,       // cards whose mark word is not 0
    uint16_t CalculFichesRecherche,      // cards matching the search criteria
    uint16_t CalculTailleTravail,        // bytes of the data file saving would write
    uint16_t CalculFichesIncompletes,    // cards with an empty field
    uint16_t CalculNombreRubriques,      // distinct non-empty categories
    uint16_t CalculNombreMotsCles,       // distinct keywords
    uint16_t CalculNomEnCours,           // cards with the site name on screen
    uint16_t CalculURLEnCours,           // cards with the URL on screen
    uint16_t CalculRubriqueEnCours,      // cards with the category on screen
    uint16_t CalculSelectionEnCours,     // cards holding the expression (the selected text)
    Poignee hNom,                        // edit control of Nom de site
    Poignee hURL,                        // edit control of URL
    Poignee hRubrique,                   // edit control of Rubrique
    uint16_t RechercheNoms,              // search the Nom de site field
    uint16_t RechercheURL,               // search the URL field
    uint16_t RechercheRubriques,         // search the Rubrique field
    uint16_t RechercheMotsCles,          // search the Mots clés field
    uint16_t RechercheNotes,             // search the Notes field
    uint16_t RechercheAvecCasse,         // 1: upper and lower case differ
    uint16_t RechercheAvecExactitude,    // 1: the occurrence must stand alone
    uint16_t RechercheTotalChamp,        // 1: the whole field must equal the expression
    uint16_t RechercheOccurDebutChamp,   // 1: the expression must begin the field
    char* expression,                    // the search expression
    char* tampon_recherche);             // card search buffer (10,001 bytes)
