// Opening the target of the card on screen: the browser on a web URL, or an
// application on a local document for an extra-web card.
#pragma once
#include <string>

#include "programme.h"

extern const char* const ADRESSE_MISE_A_JOUR;

// "Connecter...": the URL edit's text as it stands.
void CommandeConnecter(Programme* p);
// "Mise à jour": the product's update page in the browser.
void CommandeMiseAJour(Programme* p);
// The browser's command line for a URL; a browser path with blanks is
// quoted so that the system cannot take a part of it for the program.
std::string LigneNavigateur(const char* navigateur, const char* url);
