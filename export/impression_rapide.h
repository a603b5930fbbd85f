// lvxprap's run: the values of one field over all cards, or the single
// keywords, collected once each, sorted, and printed one under another
// with the list's name and the page number at the top of every page.
#pragma once
#include <cstdint>

#include "impression.h"
#include "systeme_impression.h"

struct ImpressionRapide {
  const SystemeImpression* sys;
  Poignee fenetre;  // main window: owns the boxes, disabled meanwhile
  const EnregistrementImpression* impression;  // its device context and device names
  Poignee police, stylo;
  uint8_t* debut;  // first card
  uint8_t* fin;    // end of the cards
  int hauteur_ligne;  // twips
  uint16_t genre;     // RAPIDE_
};

// Returns 1 once printed or cancelled, 0 when the kind is unknown, the
// printer is not set up or memory is short.
uint16_t ImpressionRapideExecuter(const ImpressionRapide* r);
