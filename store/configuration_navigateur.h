// "Choisir le navigateur...": another browser for "Connecter...", kept for
// the run and, if the user wants, in navigdef.cfg.
#pragma once
#include <cstdint>

#include "plateforme.h"

// chemin is the browser in use, sauvegarde a second buffer; both are
// TAILLE_CHEMIN bytes. 1 when a browser was chosen, 0 when the user gave up
// (chemin then holds the previous browser again).
uint16_t NavigateurChoisir(const Fichiers* fichiers, const Fenetres* fenetres,
                           const Coquille* coquille, const DialoguesCommuns* communs, char* chemin,
                           char* sauvegarde, const char* dossier_programme, Poignee fenetre);
