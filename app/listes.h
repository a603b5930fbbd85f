// The Afficher menu: the calls to lvxaffic's four lists, the card chosen
// shown, the search criteria taken from a category or keyword.
#pragma once
#include "programme.h"

// Which list, and which cards it takes: a LISTE_APP_ value plus a
// LISTE_APP_ restriction.
enum : int {
  LISTE_APP_NOMS = 0x00,
  LISTE_APP_URL = 0x10,
  LISTE_APP_CIBLES = 0x20,
  LISTE_APP_FINS_CIBLES = 0x30,
  LISTE_APP_RUBRIQUES = 0x40,
  LISTE_APP_MOTS_CLES = 0x50,
  LISTE_APP_RECHERCHE = 0x01,  // the cards that match the criteria, once they are checked
  LISTE_APP_MARQUEES = 0x02,   // the marked cards
};

int CommandeListe(Programme* p, int liste);
