// lvxrecup: the commands that fill the card file from outside sources and
// rewrite the URL of the card on screen. Every thirteen-argument command
// takes the store variables and hands them back through the getters.
#pragma once
#include <cstdint>

#include "lvx_api.h"
#include "systeme_import.h"

#define LVXRECUP_ARGUMENTS                                                             \
  uint8_t *tampon, Poignee fenetre, uint8_t *lpDebutMem, uint8_t *lpFinMem,            \
      uint8_t *lpFicheEcran, uint32_t TailleTotaleFiches, int32_t NumFiche,            \
      int32_t TotalFiches, Poignee fleche, Poignee attente, uint32_t longSize,         \
      Poignee GlobalDebutMem, char *chemin

// Links of one HTML page; chemin: the open data file's path.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_Liens_Page(LVXRECUP_ARGUMENTS);
// Internet addresses of any one file; chemin: the open data file's path.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_Liens_Fichier_Quelconque(LVXRECUP_ARGUMENTS);
// Internet Explorer favourites; chemin (260 bytes) receives the proposed folder.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_Liens_Favoris(LVXRECUP_ARGUMENTS);
// Netscape bookmark file; chemin: the path from bookdef.cfg, given back chosen.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_Liens_Bookmarks(LVXRECUP_ARGUMENTS);
// Mail addresses; chemin: the path from courdef.cfg, given back after a whole scan.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_Adresses_Courriel(LVXRECUP_ARGUMENTS);
// Links of every HTML file of a folder; chemin: the open data file's path.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire(LVXRECUP_ARGUMENTS);
// Addresses in every file of a folder; chemin: the open data file's path.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire_Quelconque(
    LVXRECUP_ARGUMENTS);
// One card whose URL is a local file; chemin: the open data file's path.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Creer_Fiche_Pointant_Fichier(LVXRECUP_ARGUMENTS);
// One extra-web card; chemin: the open data file's path.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Creer_Fiche_Extra_Web(LVXRECUP_ARGUMENTS);
// Extra-web cards for the files under a folder; chemin (260 bytes) receives
// the proposed folder.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Creer_Fiches_Extras_Web_Sous_Dossier(
    LVXRECUP_ARGUMENTS);

// The URL edit of the card view receives an extra-web URL.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Remplacer_URL_Extra_Web(
    uint8_t* tampon, Poignee fenetre, Poignee edit_url, uint8_t* lpDebutMem, uint8_t* lpFinMem,
    uint8_t* lpFicheEcran, char* chemin);
// The URL edit receives a local file's path, the site-name edit its title.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Remplacer_URL_Fichier(
    Poignee fenetre, uint8_t* tampon, Poignee edit_nom, Poignee edit_url, uint8_t* lpDebutMem,
    uint8_t* lpFinMem, char* chemin);

// The program's folder (a string that stays valid); returns 1.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Transmettre_RepertoireLorvanix(const char* dossier);
// Frees the whole-file buffer; returns 1.
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Liberer_hugeTampon();

// The store variables and FichesModifieesOK after the last command.
LVX_API uint32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_TailleTotaleFiches();
LVX_API int32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_NumFiche();
LVX_API int32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_TotalFiches();
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxrecup_Recuperer_lpDebutMem();
LVX_API Poignee LVX_APPEL Util_Dll_Lvxrecup_Recuperer_GlobalDebutMem();
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxrecup_Recuperer_lpFinMem();
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxrecup_Recuperer_lpFicheEcran();
LVX_API uint32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_longSize();
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_FichesModifieesOK();
