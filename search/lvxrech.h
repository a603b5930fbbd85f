// lvxrech: the card test against the search criteria, and the search for
// the successive occurrences of the expression in the card on screen.
//
// The resume positions of the on-screen search are byte offsets into each
// field's text, as 32-bit values: 0 is the start of the field. The caller
// holds them between two searches and hands them back unchanged.
//
// Both searches work on copies: the expression's first 10,000 bytes in the
// search buffer, each field's first 65,533 bytes in the transfer buffer
// (only a field of 65,534 bytes, the most a length word allows, loses its
// last byte). Neither buffer is written past its size.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// 1 when a selected field of the card matches the criteria, else 0.
LVX_API uint16_t LVX_APPEL Util_Dll_recherche_chaine(
    uint8_t* fiche,                     // start of the card to test
    char* tampon_recherche,             // card search buffer (10,001 bytes): the expression's copy
    char* expression,                   // the search expression
    uint16_t RechercheAvecCasse,        // 1: upper and lower case differ
    uint16_t RechercheNoms,             // search the Nom de site field
    uint16_t RechercheURL,              // search the URL field
    uint16_t RechercheRubriques,        // search the Rubrique field
    uint16_t RechercheMotsCles,         // search the Mots clés field
    uint16_t RechercheNotes,            // search the Notes field
    uint16_t RechercheAvecExactitude,   // 1: the occurrence must stand alone
    uint16_t RechercheTotalChamp,       // 1: the whole field must equal the expression
    uint16_t RechercheOccurDebutChamp,  // 1: the expression must begin the field
    uint8_t* tampon);                   // transfer buffer (65,534 bytes): each field's copy

// 1 when a further occurrence was found in the card on screen; its place is
// then read through the getters below. 0 when there is none.
LVX_API uint16_t LVX_APPEL Util_Dll_Recherche_Ecran(
    uint8_t* lpFicheEcran,               // the card on screen, written back into the store
    uint32_t lpTextOccurNom,             // resume position in Nom de site
    uint32_t lpTextOccurURL,             // resume position in URL
    uint32_t lpTextOccurRubrique,        // resume position in Rubrique
    uint32_t lpTextOccurMotsCles,        // resume position in Mots clés
    uint32_t lpTextOccurNotes,           // resume position in Notes
    Poignee hChampRecherche,             // field control of the last match; null: a new search
    uint8_t* tampon,                     // transfer buffer (65,534 bytes)
    char* expression,                    // the search expression
    char* tampon_recherche,              // screen search buffer (10,001 bytes)
    uint16_t RechercheAvecCasse,         // 1: upper and lower case differ
    uint16_t RechercheNoms,              // search the Nom de site field
    uint16_t RechercheURL,               // search the URL field
    uint16_t RechercheRubriques,         // search the Rubrique field
    uint16_t RechercheMotsCles,          // search the Mots clés field
    uint16_t RechercheNotes,             // search the Notes field
    Poignee hNom,                        // edit control of Nom de site
    Poignee hURL,                        // edit control of URL
    Poignee hRubrique,                   // edit control of Rubrique
    Poignee hMotsCles,                   // edit control of Mots clés
    Poignee hNotes,                      // edit control of Notes
    uint16_t RechercheAvecExactitude,    // 1: the occurrence must stand alone
    uint16_t RechercheTotalChamp,        // 1: the whole field must equal the expression
    uint16_t RechercheOccurDebutChamp);  // 1: the expression must begin the field

// After a result of 1: the occurrence's first character, counted from the
// start of its field, and that plus the characters of the expression.
LVX_API uint16_t LVX_APPEL RecupererOffsetRechercheDebut();
LVX_API uint16_t LVX_APPEL RecupererOffsetRechercheFin();
// The edit control of the field that holds the occurrence.
LVX_API Poignee LVX_APPEL RecupererhChampRecherche();
// The five resume positions for the next call.
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurNom();
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurURL();
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurRubrique();
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurMotsCles();
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurNotes();
