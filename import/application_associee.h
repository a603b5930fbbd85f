// Extra-web URLs made by the import: the tag, and the application that the
// system associates with a document, in the form written into a card.
#pragma once
#include <cstdint>

#include "chemin_long.h"
#include "plateforme.h"

extern const char BALISE_EXTRA_WEB[];  // "<EXTRAWEB>"
enum : uint32_t { LONGUEUR_BALISE_EXTRA_WEB = 10 };

// The program associated with fichier, in its long form and taken from its
// drive letter, into application (TAILLE_CHEMIN_LONG bytes). 0 when the
// system knows none.
int ApplicationAssociee(const Fichiers* fichiers, const Coquille* coquille, const char* fichier,
                        char* application);
