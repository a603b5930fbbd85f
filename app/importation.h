// The main program's side of the import library lvxrecup: the commands that
// take the store and hand it back, and "Modifier URL" on the card on screen.
#pragma once

#include "programme.h"

// The commands that take the store: the imports, and the Répertorier
// commands that create cards.
enum GenreImportation {
  IMPORT_FICHIER_QUELCONQUE,
  IMPORT_PAGE,
  IMPORT_COURRIEL,
  IMPORT_DOSSIER_QUELCONQUE,
  IMPORT_DOSSIER_HTML,
  IMPORT_FAVORIS,
  IMPORT_SIGNETS,
  IMPORT_CREER_FICHE_FICHIER,
  IMPORT_CREER_FICHE_EXTRA_WEB,
  IMPORT_FICHES_EXTRA_WEB_DOSSIER,
};

// One of them, by its GenreImportation: the store is handed over and taken
// back; the memory-failure reset runs when no block came back.
int CommandeImportation(Programme* p, int genre);
// "Modifier URL" for a local file (363) and for an extra-web URL (364): the
// library changes the edits, and the card reaches the store at the next
// write back.
void CommandeModifierUrlFichier(Programme* p);
void CommandeModifierUrlExtraWeb(Programme* p);
