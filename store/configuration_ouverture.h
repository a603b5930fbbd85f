// "Ouvrir par défaut": the current data file becomes the one loaded at start-up.
#pragma once
#include <cstdint>

#include "plateforme.h"

// Asks first (Cancel returns 1, nothing written), then writes ouvdef.cfg
// beside lorvanix.exe; an empty name writes an empty path. 0 when the
// program file is missing or the file cannot be written.
uint16_t OuvertureDefautDefinir(const Fichiers* fichiers, const Fenetres* fenetres,
                                const char* nom_fichier, const char* dossier_programme);
