// The main program's side of the import library lvxrecup: the commands that
// take the store and hand it back, and "Modifier URL" on the card on screen.
#pragma once

#include "programme.h"

// One of the commands that take the store (the imports, and the Répertorier
// commands that create cards), by its id: the store is handed over and
// taken back; the memory-failure reset runs when no block came back.
void CommandeImportation(Programme* p, unsigned id);
// "Modifier URL" for a local file (363) and for an extra-web URL (364): the
// library changes the edits, and the card reaches the store at the next
// write back.
void CommandeModifierUrlFichier(Programme* p);
void CommandeModifierUrlExtraWeb(Programme* p);
