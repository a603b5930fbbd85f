// The page and address scanners run over the file in hugeTampon for a
// command: options, comment of origin, browse messages, duplicate test and
// card append. The folder imports run them once per file.
#pragma once

#include "commande_import.h"

// Buffers of TAILLE_TEXTE_IMPORT bytes: found URL, site name.
struct TextesScan {
  char* url;
  char* nom;
};

// 1 at the end of the data; 0 when the scan stopped (card limit, store
// growth failure: a->arret says which; else Cancel in browse mode).
int ScanPageLancer(CommandeImport* c, AjoutImport* a, TextesScan t, const char* chemin);
int ScanAdressesLancer(CommandeImport* c, AjoutImport* a, TextesScan t, const char* chemin);
