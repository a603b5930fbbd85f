#include "marques.h"

#include "fiche.h"

int MarqueAppliquer(uint8_t* fiche, ActionMarquage a, RegleMarquage r) {
  uint16_t m = LireMot(fiche);
  int bascule_depuis_un = r == REGLE_RECHERCHE || r == REGLE_SELECTION;
  if (a == ACTION_BASCULER) {
    EcrireMot(fiche, bascule_depuis_un ? m != 1 : m == 0);
    return 1;
  }
  uint16_t cible = a == ACTION_MARQUER;
  uint16_t attendue = !cible;  // the word the action is meant for
  if ((r == REGLE_RECHERCHE || r == REGLE_DOUBLONS) && m != attendue) return 0;
  EcrireMot(fiche, cible);
  return r != REGLE_PLAGE || m == attendue;
}
