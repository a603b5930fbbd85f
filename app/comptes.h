// The Calculer menu: every count is made and shown by lvxcalc; the main
// program checks the criteria or the selection first.
#pragma once
#include "programme.h"

// The counts, in the order of lvxcalc's flags.
enum CompteMenu {
  CALCUL_MARQUEES,
  CALCUL_RECHERCHE,
  CALCUL_TAILLE,
  CALCUL_INCOMPLETES,
  CALCUL_RUBRIQUES,
  CALCUL_MOTS_CLES,
  CALCUL_NOM_EN_COURS,
  CALCUL_URL_EN_COURS,
  CALCUL_RUBRIQUE_EN_COURS,
  CALCUL_SELECTION,
  NB_CALCULS,
};

// One count (CompteMenu). The search's count needs usable criteria; the
// selection's counts the cards holding the text selected in the field that
// has the focus, searched in every field whatever the case, then the
// criteria and the expression come back.
int CommandeCalcul(Programme* p, int compte);
