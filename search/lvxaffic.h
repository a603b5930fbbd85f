// lvxaffic: the values of one field over the store in an alphabetical
// list, one batch at a time, to go to a card by its site name or URL, or
// to start a search on a category or a keyword. The store is only read.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// Keeps what the next list command works on and clears its result.
LVX_API void LVX_APPEL Util_Dll_Afficher_Init_Variables(
    Poignee hWnd,                       // main window, owner of the list and repainted
    uint8_t* tampon,                    // transfer buffer (65,534 bytes)
    uint16_t NomsRecherche,             // site names: only the cards matching the criteria
    uint16_t NomsMarquees,              // site names: only the marked cards
    uint16_t UrlRecherche,              // URLs: only the cards matching the criteria
    uint16_t UrlMarquees,               // URLs: only the marked cards
    char* expression,                   // the search expression (10,001 bytes), rewritten by a search
    char* tampon_recherche,             // card search buffer (10,001 bytes)
    uint16_t RechercheNoms,             // search the Nom de site field
    uint16_t RechercheURL,              // search the URL field
    uint16_t RechercheRubriques,        // search the Rubrique field
    uint16_t RechercheMotsCles,         // search the Mots clés field
    uint16_t RechercheNotes,            // search the Notes field
    uint16_t RechercheAvecCasse,        // 1: upper and lower case differ
    uint16_t RechercheAvecExactitude,   // 1: the occurrence must stand alone
    uint16_t RechercheTotalChamp,       // 1: the whole field must equal the expression
    uint16_t RechercheOccurDebutChamp,  // 1: the expression must begin the field
    uint8_t* lpDebutMem,                // first card
    uint8_t* lpFinMem,                  // end of the cards
    uint8_t* lpFicheEcran,              // card on screen
    int32_t NumFiche,                   // its number
    Poignee attente,                    // wait cursor
    Poignee fleche,                     // arrow cursor
    uint16_t Cibles,                    // URL list: targets instead of whole URLs
    uint16_t FinsCibles);               // URL list: ends of targets (with Cibles)

// The four lists; each shows its dialog until it is closed.
LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_Noms_De_Sites();
LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_URL();
LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_Rubriques();
LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_Mots_Cles();

// After a site-name or URL list: 1 when a card was chosen, then its place
// and number (else the card on screen's, as handed over).
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_AfficherFicheOk();
LVX_API uint8_t* LVX_APPEL Lvxaffic_Recuperer_lpFicheEcran();
LVX_API int32_t LVX_APPEL Lvxaffic_Recuperer_NumFiche();
// After a category or keyword list: the nine criteria of the search the
// user confirmed (else those handed over).
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheNoms();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheURL();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheRubriques();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheMotsCles();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheNotes();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheAvecCasse();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheAvecExactitude();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheTotalChamp();
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheOccurDebutChamp();
