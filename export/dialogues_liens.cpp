#include "dialogues_liens.h"

#include <cstring>

#include "chaines.h"
#include "lvxliens_ids.h"
#include "titre.h"

const ReglagesExportLiens REGLAGES_LIENS_DEPART = {
    .liens = {.mode = SELECTION_TOUTES, .AjouterCommentaire = 1},
    .mailing = {.mode = SELECTION_TOUTES, .RetourALaLigne = 0, .separateur = "; "},
    .texte = {.mode = SELECTION_TOUTES,
              .champs = {1, 1, 1, 1, 1},
              .separateur_champs = "",
              .separateur_fiches = ""},
};

ReglagesExportLiens reglagesLiens = REGLAGES_LIENS_DEPART;

namespace {

const unsigned OPTIONS_LIENS[] = {IDC_LIENS_COMMENTAIRE, 0};
const unsigned OPTIONS_MAILING[] = {IDC_MAILING_RETOUR, 0};
const unsigned OPTIONS_TEXTE[] = {IDC_TEXTE_NOM, IDC_TEXTE_URL, IDC_TEXTE_RUBRIQUE,
                                  IDC_TEXTE_MOTS_CLES, IDC_TEXTE_NOTES, 0};

const DescriptionLiens DESCRIPTIONS[NB_MODELES_LIENS] = {
    {"LIENSHTMLBOX", IDC_LIENS_OK, IDC_LIENS_ANNULER,
     {IDC_LIENS_TOUTES, IDC_LIENS_ECRAN, IDC_LIENS_RECHERCHE, IDC_LIENS_MARQUEES}, OPTIONS_LIENS,
     {IDC_LIENS_TITRE, 0}, IDC_LIENS_TITRE},
    {"MAILINGLISTEBOX", IDC_MAILING_OK, IDC_MAILING_ANNULER,
     {IDC_MAILING_TOUTES, IDC_MAILING_ECRAN, IDC_MAILING_RECHERCHE, IDC_MAILING_MARQUEES},
     OPTIONS_MAILING, {IDC_MAILING_TITRE, IDC_MAILING_SEPARATEUR}, IDC_MAILING_TITRE},
    {"CREERFICHIERTEXTEBOX", IDC_TEXTE_OK, IDC_TEXTE_ANNULER,
     {IDC_TEXTE_TOUTES, IDC_TEXTE_ECRAN, IDC_TEXTE_RECHERCHE, IDC_TEXTE_MARQUEES}, OPTIONS_TEXTE,
     {IDC_TEXTE_SEPARATEUR_CHAMPS, IDC_TEXTE_SEPARATEUR_FICHES}, 0},
};

ModeSelection* Mode(const DialogueLiens* d) {
  switch (d->modele) {
    case MODELE_LIENSHTMLBOX: return &d->reglages->liens.mode;
    case MODELE_MAILINGLISTEBOX: return &d->reglages->mailing.mode;
    default: return &d->reglages->texte.mode;
  }
}

// The flag behind option box id, or null.
uint16_t* Option(const DialogueLiens* d, unsigned id) {
  const unsigned* options = DialogueLiensDescription(d->modele)->options;
  for (int i = 0; options[i]; i++) {
    if (options[i] != id) continue;
    switch (d->modele) {
      case MODELE_LIENSHTMLBOX: return &d->reglages->liens.AjouterCommentaire;
      case MODELE_MAILINGLISTEBOX: return &d->reglages->mailing.RetourALaLigne;
      default: return &d->reglages->texte.champs[i];
    }
  }
  return nullptr;
}

int Selection(const DescriptionLiens* desc, unsigned id) {
  for (int i = 0; i < 4; i++)
    if (desc->selection[i] == id) return i;
  return -1;
}

void Refuser(DialogueLiens* d, const char* texte) {
  const Fenetres* f = d->fenetres;
  f->message(f->ctx, f->focus_actuel(f->ctx), texte, TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION);
}

SuiteLiens OkTexte(DialogueLiens* d) {
  ReglagesTexte* t = &d->reglages->texte;
  if (strlen(d->textes[0]) > LONGUEUR_SEPARATEUR_TEXTE) {
    Refuser(d, "Le champ Séparer les champs par est trop long !");
    return LIENS_RESTE;
  }
  if (strlen(d->textes[1]) > LONGUEUR_SEPARATEUR_TEXTE) {
    Refuser(d, "Le champ Séparer les fiches par est trop long !");
    return LIENS_RESTE;
  }
  CopierTexte(t->separateur_champs, d->textes[0], sizeof t->separateur_champs);
  CopierTexte(t->separateur_fiches, d->textes[1], sizeof t->separateur_fiches);
  for (uint16_t champ : t->champs)
    if (champ) return LIENS_FERME_OK;
  Refuser(d, "Vous devez sélectionner au moins un champ !");
  return LIENS_RESTE;
}

SuiteLiens Ok(DialogueLiens* d) {
  switch (d->modele) {
    case MODELE_LIENSHTMLBOX:
      CopierTexte(d->titre, d->textes[0], LONGUEUR_TITRE_LIENS + 1);
      return LIENS_FERME_OK;
    case MODELE_MAILINGLISTEBOX: {
      ReglagesMailing* m = &d->reglages->mailing;
      CopierTexte(d->titre, d->textes[0], LONGUEUR_TITRE_MAILING + 1);
      CopierTexte(m->separateur, d->textes[1], sizeof m->separateur);
      return LIENS_FERME_OK;
    }
    default: return OkTexte(d);
  }
}

// Couper, Copier and Coller go to the separator edit last focused, which
// gets the focus back so that typing goes on there.
void ActionSeparateur(DialogueLiens* d, ActionEdit action) {
  Poignee edit = d->separateurs[d->dernier_separateur];
  if (!edit) return;
  d->fenetres->edit_action(d->fenetres->ctx, edit, action);
  d->fenetres->focus(d->fenetres->ctx, edit);
}

}  // namespace

const DescriptionLiens* DialogueLiensDescription(ModeleLiens modele) {
  return &DESCRIPTIONS[modele];
}

void DialogueLiensPreparer(DialogueLiens* d, ModeleLiens modele, ReglagesExportLiens* reglages,
                           char* titre, const Fenetres* fenetres) {
  memset(d, 0, sizeof *d);
  d->modele = modele;
  d->reglages = reglages;
  d->titre = titre;
  d->fenetres = fenetres;
  switch (modele) {
    case MODELE_LIENSHTMLBOX:
      CopierTexte(d->textes[0], titre, TAILLE_TITRE_APPELANT);
      break;
    case MODELE_MAILINGLISTEBOX:
      CopierTexte(d->textes[0], titre, TAILLE_TITRE_APPELANT);
      CopierTexte(d->textes[1], reglages->mailing.separateur, TAILLE_TEXTE_LIENS);
      break;
    default:
      CopierTexte(d->textes[0], reglages->texte.separateur_champs, TAILLE_TEXTE_LIENS);
      CopierTexte(d->textes[1], reglages->texte.separateur_fiches, TAILLE_TEXTE_LIENS);
  }
}

int DialogueLiensCoche(const DialogueLiens* d, unsigned id) {
  int i = Selection(DialogueLiensDescription(d->modele), id);
  if (i >= 0) return *Mode(d) == i;
  const uint16_t* option = Option(d, id);
  return option && *option;
}

void DialogueLiensFocus(DialogueLiens* d, unsigned id) {
  if (id == IDC_TEXTE_SEPARATEUR_CHAMPS) d->dernier_separateur = 0;
  if (id == IDC_TEXTE_SEPARATEUR_FICHES) d->dernier_separateur = 1;
}

SuiteLiens DialogueLiensAppuyer(DialogueLiens* d, unsigned id) {
  const DescriptionLiens* desc = DialogueLiensDescription(d->modele);
  if (id == desc->annuler) return LIENS_FERME_ANNULER;
  if (id == desc->ok) return Ok(d);
  int i = Selection(desc, id);
  if (i >= 0) {
    *Mode(d) = (ModeSelection)i;
    return LIENS_RESTE;
  }
  if (uint16_t* option = Option(d, id)) {
    *option = !*option;
    return LIENS_RESTE;
  }
  if (d->modele == MODELE_CREERFICHIERTEXTEBOX) {
    if (id == IDC_TEXTE_COUPER) ActionSeparateur(d, EDIT_COUPER);
    if (id == IDC_TEXTE_COPIER) ActionSeparateur(d, EDIT_COPIER);
    if (id == IDC_TEXTE_COLLER) ActionSeparateur(d, EDIT_COLLER);
  }
  return LIENS_RESTE;
}

int DialogueLiensMontrer(const DialoguesLiens* dialogues, Poignee proprietaire, DialogueLiens* d) {
  ReglagesExportLiens reglages = *d->reglages;
  char titre[TAILLE_TITRE_APPELANT];
  if (d->titre) memcpy(titre, d->titre, sizeof titre);
  int ok = dialogues->dialogue_liens(dialogues->ctx, proprietaire, d);
  if (!ok) {
    *d->reglages = reglages;
    if (d->titre) memcpy(d->titre, titre, sizeof titre);
  }
  return ok;
}
