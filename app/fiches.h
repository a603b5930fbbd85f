// Commands that add, remove and move between whole cards.
#pragma once
#include <cstdint>

#include "programme.h"

void CommandeNouvelleFiche(Programme* p);
void CommandeDupliquer(Programme* p);
void CommandeSupprimer(Programme* p);
void CommandeSuivante(Programme* p);
void CommandePrecedente(Programme* p);
void CommandePremiere(Programme* p);
void CommandeDerniere(Programme* p);
void CommandeAllerA(Programme* p);

// The fast move: press, and release on the button or elsewhere, for the
// forward (avant = 1) or backward button.
void DefilementAppui(Programme* p, int avant);
void DefilementRelache(Programme* p, int avant);

// The number typed in the go-to dialog: leading blanks, an optional sign,
// then digits up to the first other character; 0 without digits. A minus
// sign wraps, as an unsigned comparison then sees it.
uint32_t NumeroTape(const char* texte);
