// lvxliens: the chosen cards written out as an HTML page of links, an HTML
// mailing list or a plain text file. The store is only read. Each command
// shows its dialog, checks the selection, asks for the file and writes it;
// 1 when a file was written and closed, 0 otherwise.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "plateforme.h"

// The arguments the three commands share, up to the search criteria.
#define LVXLIENS_ARGUMENTS_COMMUNS                                                            \
  Poignee hWnd,                        /* main window, owner of the dialogs */             \
      uint8_t* tampon,                 /* transfer buffer (65,534 bytes) */                \
      uint8_t* lpDebutMem,             /* first card */                                    \
      uint8_t* lpFinMem,               /* end of the cards */                              \
      uint8_t* lpFicheEcran,           /* card on screen */                                \
      char* tampon_recherche,          /* card search buffer (10,001 bytes) */             \
      char* expression,                /* the search expression */                         \
      uint16_t RechercheAvecCasse, uint16_t RechercheNoms, uint16_t RechercheURL,         \
      uint16_t RechercheRubriques, uint16_t RechercheMotsCles, uint16_t RechercheNotes,   \
      uint16_t RechercheAvecExactitude, uint16_t RechercheTotalChamp,                     \
      uint16_t RechercheOccurDebutChamp

// HTML page of links: chemin (256 bytes) receives the path chosen, titre
// (200 bytes) is the page title shown and edited in the dialog.
LVX_API uint16_t LVX_APPEL Util_Dll_Creer_Fichier_Liens(LVXLIENS_ARGUMENTS_COMMUNS, char* chemin,
                                                        char* titre, Poignee fleche,
                                                        Poignee attente);
// HTML mailing list of the mailto: cards; titre (200 bytes) is the list's.
LVX_API uint16_t LVX_APPEL Util_Dll_Creer_Mailing_Liste(LVXLIENS_ARGUMENTS_COMMUNS, char* chemin,
                                                        char* titre, Poignee fleche,
                                                        Poignee attente);
// Plain text of the chosen fields; chemin (at least 256 bytes) receives the path.
LVX_API uint16_t LVX_APPEL Util_Dll_Creer_Fichier_Texte(LVXLIENS_ARGUMENTS_COMMUNS,
                                                        Poignee fleche, Poignee attente,
                                                        char* chemin);
