#include "criteres.h"

const unsigned IDS_CRITERES[9] = {
    ID_CRITERE_NOMS,       ID_CRITERE_URL,        ID_CRITERE_RUBRIQUES,
    ID_CRITERE_MOTS_CLES,  ID_CRITERE_NOTES,      ID_CRITERE_CASSE,
    ID_CRITERE_EXACTITUDE, ID_CRITERE_TOTAL_CHAMP, ID_CRITERE_DEBUT_CHAMP,
};

namespace {
enum { EXACTITUDE = 6, TOTAL_CHAMP = 7, DEBUT_CHAMP = 8 };
}

void CriteresCliquer(DialogueCriteres* d, unsigned id) {
  for (int i = 0; i < 9; i++) {
    if (IDS_CRITERES[i] != id) continue;
    d->drapeaux[i] = !d->drapeaux[i];
    if (!d->drapeaux[i]) return;
    if (i == EXACTITUDE || i == DEBUT_CHAMP) d->drapeaux[TOTAL_CHAMP] = 0;
    if (i == TOTAL_CHAMP) d->drapeaux[EXACTITUDE] = d->drapeaux[DEBUT_CHAMP] = 0;
    return;
  }
}
