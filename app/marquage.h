// The Marquage commands: the card on screen, all cards, a range, the search,
// duplicates, incomplete cards, invalid extra-web cards, and the moves to
// the next or previous marked card.
#pragma once
#include "programme.h"

// Runs marking command id; 0 when id is not one. The card on screen's
// toggle (685, the mark box 623) runs whole; for the others this is the
// command inside their frame, after the write back.
int CommandeMarquage(Programme* p, unsigned id);
