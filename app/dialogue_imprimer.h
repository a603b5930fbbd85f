// IMPRIMERBOX, "Imprimer les fiches !": the seventeen print options, the
// rules of their boxes, OK's check and Annuler. The Win32 dialog procedure
// and the tests' scripted user both press through DialogueImprimerAppuyer.
#pragma once
#include <cstdint>

#include "plateforme.h"

struct Programme;

// The options, in the order lvxprint takes them (u16, 1 = ticked).
enum OptionImpression {
  // Which cards: exactly one of the four is ticked.
  OPTION_TOUTES,
  OPTION_ECRAN,
  OPTION_RECHERCHE,
  OPTION_MARQUEES,
  // Each field, then its title, in the card's order.
  OPTION_NOM,
  OPTION_TITRE_NOM,
  OPTION_URL,
  OPTION_TITRE_URL,
  OPTION_RUBRIQUE,
  OPTION_TITRE_RUBRIQUE,
  OPTION_MOTS_CLES,
  OPTION_TITRE_MOTS_CLES,
  OPTION_NOTES,
  OPTION_TITRE_NOTES,
  OPTION_PAGINATION,
  OPTION_CADRE,
  OPTION_FICHE_PAR_PAGE,
  NB_OPTIONS_IMPRESSION,
};

// The options at start-up, and the box of each.
extern const uint16_t OPTIONS_IMPRESSION_DEPART[NB_OPTIONS_IMPRESSION];
extern const unsigned IDS_OPTIONS_IMPRESSION[NB_OPTIONS_IMPRESSION];

// What the dialog does after a press.
enum SuiteImprimer { IMPRIMER_RESTE, IMPRIMER_FERME_OK, IMPRIMER_FERME_ANNULER };

struct DialogueImprimer {
  Programme* programme;
  uint16_t* options;                     // the program's: the boxes show and change them
  uint16_t copie[NB_OPTIONS_IMPRESSION]; // as they were when the dialog opened
  Poignee fenetre;                       // the dialog's window, given when it opens
};

void DialogueImprimerPreparer(DialogueImprimer* d, Programme* p);
// 1 when box id is to be shown ticked.
int DialogueImprimerCoche(const DialogueImprimer* d, unsigned id);
// A press on control id: a selection box chooses the cards, a field box
// brings its title with it, a title follows only a ticked field, the page
// boxes toggle; Configurer sets up the printer over the dialog; OK refuses
// when no field is ticked; Annuler closes.
SuiteImprimer DialogueImprimerAppuyer(DialogueImprimer* d, unsigned id);
// Shows the dialog over the main window; unless it closes with OK, the
// options are put back as they were. 1 on OK.
int DialogueImprimerMontrer(DialogueImprimer* d);
