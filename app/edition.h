// Commands on the text of the field edits: the Edition menu, the
// press-and-hold Couper, Copier and Coller buttons, and Champ.
#pragma once
#include "programme.h"

enum BoutonEdition { BOUTON_COUPER, BOUTON_COPIER, BOUTON_COLLER };

void CommandeEdition(Programme* p, ActionEdit action);
void BoutonEditionAppui(Programme* p, BoutonEdition bouton);
// Released on the button (the action runs) or elsewhere (nothing runs).
void BoutonEditionRelache(Programme* p, BoutonEdition bouton, int sur_bouton);
void CommandeChamp(Programme* p);
// The checks before counting the selected text; 1 when the count may run.
int SelectionComptable(Programme* p);
