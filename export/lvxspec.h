// lvxspec: cards of the work in progress written to another data file (a
// new one, or at the end of an existing one), and a data file on disk cut
// into two halves. The store is only read.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// "Exporter des fiches :": always 0; what follows is read through
// Lvxspec_Recuperer_ChargerFichierOk and NomFichier.
LVX_API uint16_t LVX_APPEL Util_Dll_manipulation_speciale(
    Poignee hWnd,                        // main window
    uint8_t* lpDebutMem,                 // first card
    uint8_t* lpFinMem,                   // end of the cards
    char* magie,                         // the data-file magic string
    uint8_t* lpFicheEcran,               // card on screen
    char* NomFichier,                    // current file (256 bytes); receives the target to open
    char* expression,                    // the search expression
    char* tampon_recherche,              // card search buffer (10,001 bytes)
    uint16_t RechercheAvecCasse, uint16_t RechercheNoms, uint16_t RechercheURL,
    uint16_t RechercheRubriques, uint16_t RechercheMotsCles, uint16_t RechercheNotes,
    uint16_t RechercheAvecExactitude, uint16_t RechercheTotalChamp,
    uint16_t RechercheOccurDebutChamp,
    uint32_t TotalFiches,                // cards in the store
    uint32_t TailleTotaleFiches,         // bytes of the cards
    uint8_t* tampon,                     // transfer buffer (65,534 bytes)
    char* NomFichierPrecedent,           // not used here
    Poignee fleche, Poignee attente,     // cursors
    char* DossierProgramme);             // the program folder

// 1 when the user asked, during the last export, to open the target file.
LVX_API uint16_t LVX_APPEL Lvxspec_Recuperer_ChargerFichierOk();

// "Découper...": a data file cut into two files of half the cards each.
LVX_API uint16_t LVX_APPEL Util_Dll_Decouper_Fichier(Poignee hWnd, char* magie, uint8_t* tampon,
                                                     Poignee fleche, Poignee attente,
                                                     char* NomFichier, char* DossierProgramme);
