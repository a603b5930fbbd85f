#include "dialogue_imprimer.h"

#include <cstring>

#include "base/lorvanix_ids.h"
#include "imprimer.h"
#include "programme.h"

const uint16_t OPTIONS_IMPRESSION_DEPART[NB_OPTIONS_IMPRESSION] = {
    1, 0, 0, 0,                 // all cards
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // every field with its title
    1, 1, 1,                    // page numbers, frame, one card per page
};

const unsigned IDS_OPTIONS_IMPRESSION[NB_OPTIONS_IMPRESSION] = {
    IDC_IMPRIMER_TOUTES,      IDC_IMPRIMER_ECRAN,
    IDC_IMPRIMER_RECHERCHE,   IDC_IMPRIMER_MARQUEES,
    IDC_IMPRIMER_NOM,         IDC_IMPRIMER_TITRE_NOM,
    IDC_IMPRIMER_URL,         IDC_IMPRIMER_TITRE_URL,
    IDC_IMPRIMER_RUBRIQUE,    IDC_IMPRIMER_TITRE_RUBRIQUE,
    IDC_IMPRIMER_MOTS_CLES,   IDC_IMPRIMER_TITRE_MOTS_CLES,
    IDC_IMPRIMER_NOTES,       IDC_IMPRIMER_TITRE_NOTES,
    IDC_IMPRIMER_PAGINATION,  IDC_IMPRIMER_CADRE,
    IDC_IMPRIMER_FICHE_PAR_PAGE,
};

namespace {

int Option(unsigned id) {
  for (int i = 0; i < NB_OPTIONS_IMPRESSION; i++)
    if (IDS_OPTIONS_IMPRESSION[i] == id) return i;
  return -1;
}

int UnChampCoche(const uint16_t* o) {
  for (int champ = OPTION_NOM; champ <= OPTION_NOTES; champ += 2)
    if (o[champ]) return 1;
  return 0;
}

// A box of the table: the four selection boxes make one choice, a field
// carries its title, a title moves only under a ticked field.
void Cliquer(uint16_t* o, int i) {
  if (i <= OPTION_MARQUEES) {
    if (o[i]) return;
    for (int j = OPTION_TOUTES; j <= OPTION_MARQUEES; j++) o[j] = j == i;
  } else if (i <= OPTION_TITRE_NOTES) {
    bool titre = (i - OPTION_NOM) % 2 == 1;
    if (titre) {
      if (o[i - 1]) o[i] = !o[i];
    } else {
      o[i] = !o[i];
      o[i + 1] = o[i];
    }
  } else {
    o[i] = !o[i];
  }
}

}  // namespace

void DialogueImprimerPreparer(DialogueImprimer* d, Programme* p) {
  d->programme = p;
  d->options = p->impression.options;
  memcpy(d->copie, d->options, sizeof d->copie);
  d->fenetre = nullptr;
}

int DialogueImprimerCoche(const DialogueImprimer* d, unsigned id) {
  int i = Option(id);
  return i >= 0 && d->options[i];
}

SuiteImprimer DialogueImprimerAppuyer(DialogueImprimer* d, unsigned id) {
  switch (id) {
    case IDC_IMPRIMER_OK:
      if (UnChampCoche(d->options)) return IMPRIMER_FERME_OK;
      ProgrammeMessage(d->programme, d->fenetre,
                       "Vous n'avez pas sélectionné de champ à imprimer !",
                       BOITE_OK | ICONE_ATTENTION);
      return IMPRIMER_RESTE;
    case IDC_IMPRIMER_ANNULER:
      return IMPRIMER_FERME_ANNULER;
    case IDC_IMPRIMER_CONFIGURER:
      ImpressionConfigurer(d->programme, d->fenetre);
      return IMPRIMER_RESTE;
  }
  int i = Option(id);
  if (i >= 0) Cliquer(d->options, i);
  return IMPRIMER_RESTE;
}

int DialogueImprimerMontrer(DialogueImprimer* d) {
  const DialoguesProgramme* dialogues = d->programme->sys->dialogues;
  if (dialogues->dialogue_imprimer(dialogues->ctx, d->programme->vue.fenetre, d) == 1) return 1;
  memcpy(d->options, d->copie, sizeof d->copie);
  return 0;
}
