// lvxprint: prints cards on the printer the main program set up, each card
// as a column of its chosen fields with their titles, frame and page
// numbers as asked.
#pragma once
#include <cstdint>

#include "impression.h"
#include "lvx_api.h"
#include "plateforme.h"

// Exactly one of the four selection flags is 1. Returns 1 after printing
// (or a cancel), 0 when the printer is not set up.
LVX_API uint16_t LVX_APPEL Util_Dll_Lancer_Impression(
    Poignee hWnd,                        // main window: owns the progress box, disabled meanwhile
    EnregistrementImpression impression, // its device context and device names are used
    Poignee police,                      // text font
    Poignee police_titre,                // title font
    Poignee stylo,                       // frame pen
    uint16_t ImprimerToutes,             // "Toutes les fiches"
    uint16_t ImprimerEcran,              // "La fiche à l'écran"
    uint16_t ImprimerRecherche,          // "Le résultat de la recherche"
    uint16_t ImprimerMarquees,           // "Les fiches marquées"
    uint16_t ImprimerNom, uint16_t ImprimerTitreNom,
    uint16_t ImprimerURL, uint16_t ImprimerTitreURL,
    uint16_t ImprimerRubrique, uint16_t ImprimerTitreRubrique,
    uint16_t ImprimerMotsCles, uint16_t ImprimerTitreMotsCles,
    uint16_t ImprimerNotes, uint16_t ImprimerTitreNotes,
    uint16_t ImprimerPagination,         // "La pagination"
    uint16_t ImprimerCadre,              // "Le cadre"
    uint16_t ImprimerFicheParPage,       // "Une fiche par page"
    uint8_t* lpDebutMem, uint8_t* lpFinMem, uint32_t TotalFiches, uint8_t* lpFicheEcran,
    char* expression,                    // the search expression
    uint16_t RechercheNoms, uint16_t RechercheURL, uint16_t RechercheRubriques,
    uint16_t RechercheMotsCles, uint16_t RechercheNotes,
    char* tampon_recherche,              // the card search buffer
    uint16_t RechercheAvecCasse, uint16_t RechercheAvecExactitude,
    uint16_t RechercheTotalChamp, uint16_t RechercheOccurDebutChamp,
    int32_t hauteur_ligne,               // the print font height: the line height in twips
    uint8_t* tampon);                    // the transfer buffer (65,534 bytes)

// The setup handles the library holds for the caller to free: it never
// obtains any, so both are null.
LVX_API Poignee LVX_APPEL RecupererhDevMode();
LVX_API Poignee LVX_APPEL RecupererhDevNames();
