// The Marquage commands: the card on screen, all cards, a range, the search,
// duplicates, incomplete cards, invalid extra-web cards, and the moves to
// the next or previous marked card.
#pragma once
#include "programme.h"

// Actions of the command table. The parametre of the criteria is their
// ActionMarquage; that of the moves is 1 for the next marked card.
int MarquageFicheEcran(Programme* p, int);
int MarquageTout(Programme* p, int action);
int MarquagePlage(Programme* p, int action);
int MarquageRecherche(Programme* p, int action);
int MarquageDoublonsNom(Programme* p, int action);
int MarquageDoublonsUrl(Programme* p, int action);
int MarquageDoublonsCible(Programme* p, int action);
int MarquageDoublonsFinCible(Programme* p, int action);
int MarquageIncompletes(Programme* p, int action);
int MarquageExtraWebInvalides(Programme* p, int action);
int MarquageFicheMarquee(Programme* p, int avant);
