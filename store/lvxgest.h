// lvxgest: the card walk shared by every module.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// Start of the card after the card at fiche (the end of the store after the last).
LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_suivante(uint8_t* fiche);
// Start of the card before fiche, a card start or the end of the store.
LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_precedente(uint8_t* fiche);

// Turns a short path holding a "~" into its long form, in place; the buffer
// holds up to 300 bytes. Always 1.
LVX_API uint16_t LVX_APPEL PathCourtVersLong(char* chemin);

// The bulk conversion. The main program hands the store and the screen
// over here, then calls Util_Dll_Lvxgest_Convertir; exactly one of the
// five conversion flags is 1. Returns 1.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Init_Variables(
    Poignee hWnd,                       // main window
    Poignee hNom,                       // edit control of Nom de site
    Poignee hURL,                       // edit control of URL
    Poignee hRubrique,                  // edit control of Rubrique
    Poignee hMotsCles,                  // edit control of Mots clés
    Poignee hNotes,                     // edit control of Notes
    uint8_t* tampon,                    // transfer buffer (65,534 bytes)
    char* tampon_recherche,             // card search buffer (10,001 bytes)
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
    uint8_t* lpDebutMem,                // first card
    uint8_t* lpFinMem,                  // one past the last card
    uint8_t* lpFicheEcran,              // the card on screen
    int32_t NumFiche,                   // its number
    Poignee hCurseurAttente,            // wait cursor
    Poignee hCurseurFleche,             // arrow cursor
    uint16_t ConvertirExtraWebVersNavigateur,  // "<EXTRAWEB> vers Navigateur"
    uint16_t ConvertirNavigateurVersExtraWeb,  // "Navigateur vers <EXTRAWEB>"
    uint16_t ConvertirRemplacer,               // "Remplacer...par..."
    uint32_t TailleTotaleFiches,        // bytes used by all cards
    uint32_t longSize,                  // allocated size of the block
    Poignee GlobalDebutMem,             // the store's block
    uint16_t ConvertirAjouter,          // "Ajouter..."
    uint16_t ConvertirSupprimer);       // "Supprimer..."

// The conversion of the mode whose flag is 1: its dialog, then the cards
// chosen rewritten in place. 0 when the dialog was cancelled or memory was
// short, else 1 (also when no card changed).
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Convertir();

// The store afterwards: the caller takes every value back before it
// touches the store. A null lpDebutMem: the block could not grow.
LVX_API uint32_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_TailleTotaleFiches();
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxgest_Recuperer_lpDebutMem();
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxgest_Recuperer_lpFinMem();
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxgest_Recuperer_lpFicheEcran();
LVX_API uint32_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_longSize();
LVX_API Poignee LVX_APPEL Util_Dll_Lvxgest_Recuperer_GlobalDebutMem();
// 1 when cards were changed.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_FichesModifieesOK();
// 1 when cards were left alone because a field had or would have had too
// many characters.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_Depassement();
