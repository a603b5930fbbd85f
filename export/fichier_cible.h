// The file an export writes: created or opened with the messages that say
// why it could not be.
#pragma once

#include "plateforme.h"

// The stop-icon box for a cause of ErreurFichier: "Fichier non trouvé.",
// "Accés au fichier Interdit.", "Trop de fichiers ouverts.", "Accés
// invalide."; any other cause shows nothing.
void MessageErreurFichier(const Fenetres* fenetres, Poignee proprietaire, int cause);
// Creates or truncates chemin. Null after its box when it cannot be
// created, or after "Ecriture sur le disque impossible." when the new file
// is not empty.
Poignee CreerFichierCible(const Fichiers* fichiers, const Fenetres* fenetres, Poignee proprietaire,
                          const char* chemin);
