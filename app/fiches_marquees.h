// Moving to the next or previous marked card.
#pragma once
#include "programme.h"

// From the card on screen (not itself tested) to the nearest card with a
// nonzero mark word after it (avant = 1) or before it; shows it, or says
// there is none.
void CommandeFicheMarquee(Programme* p, int avant);
