// The search criteria dialog's record and rules.
#pragma once
#include <cstdint>

enum : uint32_t { LONGUEUR_EXPRESSION_MAX = 146 };

// Check box ids of RECHERCHEBOX, in the order of the flags below.
enum : unsigned {
  ID_CRITERE_NOMS = 430,
  ID_CRITERE_URL = 432,
  ID_CRITERE_RUBRIQUES = 433,
  ID_CRITERE_MOTS_CLES = 434,
  ID_CRITERE_NOTES = 435,
  ID_CRITERE_CASSE = 495,
  ID_CRITERE_EXACTITUDE = 658,
  ID_CRITERE_TOTAL_CHAMP = 459,
  ID_CRITERE_DEBUT_CHAMP = 361,
  ID_CRITERE_EXPRESSION = 436,
};

struct DialogueCriteres {
  // Noms, URL, Rubriques, Mots clés, Notes, case, exactness, whole field,
  // start of field: the same order as CriteresRecherche.
  uint16_t drapeaux[9];
  char expression[LONGUEUR_EXPRESSION_MAX + 1];
};

extern const unsigned IDS_CRITERES[9];

// A click on one of the nine boxes: toggles its flag; ticking exactness or
// start of field unticks whole field, ticking whole field unticks both.
void CriteresCliquer(DialogueCriteres* d, unsigned id);
