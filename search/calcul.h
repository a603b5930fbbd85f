// The counts of the Calculer menu: cards by one of seven tests, the size of
// the work, distinct categories and distinct keywords, each shown in the
// result box under its two label lines. The store is only read.
#pragma once
#include <cstdint>

#include "selection.h"
#include "systeme_calcul.h"

// The ten counts, in the order of their flags.
enum CompteCalcul {
  COMPTE_MARQUEES,
  COMPTE_RECHERCHE,
  COMPTE_TAILLE,
  COMPTE_INCOMPLETES,
  COMPTE_RUBRIQUES,
  COMPTE_MOTS_CLES,
  COMPTE_NOM_EN_COURS,
  COMPTE_URL_EN_COURS,
  COMPTE_RUBRIQUE_EN_COURS,
  COMPTE_SELECTION,
  NB_COMPTES,
};

// The label lines of each count, in CompteCalcul order.
extern const char* const LIGNES_CALCUL[NB_COMPTES][2];

enum : uint32_t {
  // Characters of the card on screen's field read for the "en cours" counts.
  LONGUEUR_EN_COURS_MAX = 497,
};

struct Calcul {
  const SystemeCalcul* sys;
  Poignee fenetre;  // main window: owner of the boxes, repainted
  uint8_t* debut;   // first card
  uint8_t* fin;     // end of the cards
  Poignee fleche, attente;
  int compte;               // CompteCalcul
  Poignee champs[3];        // edits of Nom de site, URL and Rubrique
  CriteresExport criteres;  // the search's, or the selection's for COMPTE_SELECTION
};

// The number a count gives; 0 when a collection of distinct texts could
// not get its memory.
int CalculCompter(const Calcul* c, uint32_t* nombre);
// The whole command: the count under the wait cursor, then the result box,
// or "Allocation de mémoire impossible !".
void CalculExecuter(const Calcul* c);
