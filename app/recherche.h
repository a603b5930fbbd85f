// The search commands: the criteria dialog, the next and previous matching
// card, and the first and next match on the card on screen.
#pragma once
#include "programme.h"

void CommandeCriteres(Programme* p);
// avant = 1 for the next matching card, 0 for the previous one.
void CommandeFicheCorrespondante(Programme* p, int avant);
// premiere = 1 for F3 (from the top of the card), 0 for F4 (after the last match).
void CommandeCorrespondanceEcran(Programme* p, int premiere);
// 1 when the expression is not empty and a field is to be searched.
int CriteresValides(const Programme* p);
// 1 when the card at fiche matches the program's search criteria.
int FicheCorrespond(Programme* p, uint8_t* fiche);
