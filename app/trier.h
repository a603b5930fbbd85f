// Gestion, Trier par...: the cards sorted by lvxtri, the card on screen
// shown again under its new number.
#pragma once
#include "programme.h"

// cle: 1 site names, 2 URL, 3 categories.
int CommandeTrier(Programme* p, int cle);
