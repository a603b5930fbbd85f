// The commands of the import library on their portable arguments. Each
// returns the command's status: 1 when it ran to its end (a cancelled
// options dialog included), 0 when cancelled at the choice of its source or
// stopped (error, card limit, store growth failure, Cancel in browse mode).
#pragma once
#include <cstdint>

#include "commande_import.h"

uint16_t RecupererLiensPage(CommandeImport* c);
uint16_t RecupererLiensFichierQuelconque(CommandeImport* c);
uint16_t RecupererLiensFavoris(CommandeImport* c);
uint16_t RecupererLiensBookmarks(CommandeImport* c);
uint16_t RecupererAdressesCourriel(CommandeImport* c);
uint16_t RecupererLiensRepertoire(CommandeImport* c);
uint16_t RecupererLiensRepertoireQuelconque(CommandeImport* c);
uint16_t CreerFichePointantFichier(CommandeImport* c);
uint16_t CreerFicheExtraWeb(CommandeImport* c);
uint16_t CreerFichesExtrasWebSousDossier(CommandeImport* c);

// The two commands on the card on screen: only lpDebutMem, lpFinMem and
// lpFicheEcran of c->magasin are given, and the store is only read.
uint16_t RemplacerUrlExtraWeb(CommandeImport* c, Poignee edit_url);
uint16_t RemplacerUrlFichier(CommandeImport* c, Poignee edit_nom, Poignee edit_url);
