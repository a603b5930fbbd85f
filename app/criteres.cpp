#include "criteres.h"

const unsigned IDS_CRITERES[9] = {
    IDC_CRITERE_NOMS,       IDC_CRITERE_URL,         IDC_CRITERE_RUBRIQUES,
    IDC_CRITERE_MOTS_CLES,  IDC_CRITERE_NOTES,       IDC_CRITERE_CASSE,
    IDC_CRITERE_EXACTITUDE, IDC_CRITERE_TOTAL_CHAMP, IDC_CRITERE_DEBUT_CHAMP,
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
