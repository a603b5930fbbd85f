#include "dialogues_conversion.h"

#include <cstring>

#include "chaines.h"
#include "dialogue_fichier.h"
#include "lvxgest_ids.h"
#include "titre.h"

const ReglagesConversion REGLAGES_CONVERSION_DEPART = {
    .fiches = FICHES_ECRAN,
    .champs = {0, 0, 0, 0, 1},
    .application = 0,
    .document = 0,
    .MenuDemarrer = 0,
    .MesDocuments = 0,
    .casse = 0,
    .textes = {"", ""},
};

ReglagesConversion reglagesConversion[NB_MODELES_CONVERSION] = {
    REGLAGES_CONVERSION_DEPART, REGLAGES_CONVERSION_DEPART, REGLAGES_CONVERSION_DEPART,
    REGLAGES_CONVERSION_DEPART};

namespace {

const unsigned CASES_FICHES[] = {IDC_CONVERTIR_TOUTES, IDC_CONVERTIR_ECRAN,
                                 IDC_CONVERTIR_RECHERCHE, IDC_CONVERTIR_MARQUEES};
const unsigned CASES_CHAMPS[NB_CHAMPS] = {IDC_CONVERTIR_NOM, IDC_CONVERTIR_URL,
                                          IDC_CONVERTIR_RUBRIQUE, IDC_CONVERTIR_MOTS_CLES,
                                          IDC_CONVERTIR_NOTES};

const DescriptionConversion DESCRIPTIONS[NB_MODELES_CONVERSION] = {
    {"CONVERTIRBOX", {0, 0}, {0, 0}, 0, 0},
    {"CONVERTIRREMPLACERBOX",
     {IDC_CONVERTIR_TEXTE, IDC_CONVERTIR_PAR},
     {IDC_CONVERTIR_PARCOURIR, IDC_CONVERTIR_PARCOURIR_PAR},
     1,
     1},
    {"CONVERTIRAJOUTERBOX", {IDC_CONVERTIR_TEXTE, 0}, {IDC_CONVERTIR_PARCOURIR, 0}, 1, 0},
    {"CONVERTIRSUPPRIMERBOX", {IDC_CONVERTIR_TEXTE, 0}, {IDC_CONVERTIR_PARCOURIR, 0}, 1, 1},
};

const char FILTRE_TOUS[] = "TOUS (*.*)\0*.*\0";

int Index(const unsigned* ids, int n, unsigned id) {
  for (int i = 0; i < n; i++)
    if (ids[i] == id) return i;
  return -1;
}

// The flag behind an option box of the dialog, or null.
uint16_t* Option(const DialogueConversion* d, unsigned id) {
  const DescriptionConversion* desc = DialogueConversionDescription(d->modele);
  ReglagesConversion* r = d->reglages;
  if (desc->casse && id == IDC_CONVERTIR_CASSE) return &r->casse;
  if (!desc->options) return nullptr;
  int champ = Index(CASES_CHAMPS, NB_CHAMPS, id);
  if (champ >= 0) return &r->champs[champ];
  switch (id) {
    case IDC_CONVERTIR_APPLICATION: return &r->application;
    case IDC_CONVERTIR_DOCUMENT: return &r->document;
    case IDC_CONVERTIR_MENU_DEMARRER: return &r->MenuDemarrer;
    case IDC_CONVERTIR_MES_DOCUMENTS: return &r->MesDocuments;
  }
  return nullptr;
}

void Refuser(DialogueConversion* d, const char* texte) {
  const Fenetres* f = d->sys->fenetres;
  f->message(f->ctx, f->focus_actuel(f->ctx), texte, TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION);
}

// The first message of OK's checks that applies, or null.
const char* Refus(const DialogueConversion* d) {
  const char* texte = d->textes[0];
  const char* par = d->textes[1];
  switch (d->modele) {
    case MODELE_CONVERTIRREMPLACERBOX:
      if (strlen(texte) > LONGUEUR_TEXTE_CONVERSION)
        return "Le champ Texte à rechercher est trop long !";
      if (strlen(par) > LONGUEUR_TEXTE_CONVERSION) return "Le champ Remplacer par est trop long !";
      if (!*texte || !*par) return "Vous devez saisir les deux champs d'édition !";
      if (strcmp(texte, par) == 0)
        return "Les deux champs d'édition ne doivent pas être identiques !";
      break;
    case MODELE_CONVERTIRAJOUTERBOX:
    case MODELE_CONVERTIRSUPPRIMERBOX:
      if (strlen(texte) > LONGUEUR_TEXTE_CONVERSION)
        return d->modele == MODELE_CONVERTIRAJOUTERBOX
                   ? "Le champ Texte à ajouter est trop long !"
                   : "Le champ Texte à supprimer est trop long !";
      if (!*texte) return "Vous devez saisir le champ d'édition !";
      break;
    default: return nullptr;
  }
  for (uint16_t champ : d->reglages->champs)
    if (champ) return nullptr;
  return "Vous devez sélectionner au moins un champ !";
}

SuiteConversion Ok(DialogueConversion* d) {
  if (const char* refus = Refus(d)) {
    Refuser(d, refus);
    return CONVERSION_RESTE;
  }
  for (int i = 0; i < 2; i++)
    if (DialogueConversionDescription(d->modele)->textes[i])
      CopierTexte(d->reglages->textes[i], d->textes[i], sizeof d->reglages->textes[i]);
  return CONVERSION_FERME_OK;
}

// "Parcourir...": the chosen path replaces the whole text of edit i.
void Parcourir(DialogueConversion* d, int i) {
  const SystemeGest* sys = d->sys;
  char dossier[TAILLE_CHEMIN_CHOISI_GEST] = "";
  int quel = d->reglages->MenuDemarrer   ? DOSSIER_MENU_DEMARRER
             : d->reglages->MesDocuments ? DOSSIER_MES_DOCUMENTS
                                         : -1;
  if (quel >= 0 && !sys->coquille->dossier_special(sys->coquille->ctx, quel, dossier))
    dossier[0] = 0;
  ChoixChemin c{};
  c.proprietaire = d->fenetre;
  c.titre = "Choisir un chemin :";
  c.filtre = FILTRE_TOUS;
  c.dossier_initial = dossier[0] ? dossier : nullptr;
  if (!sys->dialogues->choisir_chemin(sys->dialogues->ctx, &c)) {
    if (c.erreur) MessageErreurDialogue(sys->fenetres, d->fenetre, c.erreur);
    return;
  }
  CopierTexte(d->textes[i], c.chemin, sizeof d->textes[i]);
  d->textes_changes = 1;
}

// Couper, Copier and Coller go to the edit focused last, which gets the
// focus back so that typing goes on there.
void AgirSurEdit(DialogueConversion* d, ActionEdit action) {
  Poignee edit = d->edits[d->dernier_edit];
  if (!edit) return;
  const Fenetres* f = d->sys->fenetres;
  f->edit_action(f->ctx, edit, action);
  f->focus(f->ctx, edit);
}

}  // namespace

ModeleConversion ModeleDuMode(ModeConversion mode) {
  switch (mode) {
    case CONVERSION_REMPLACER: return MODELE_CONVERTIRREMPLACERBOX;
    case CONVERSION_AJOUTER: return MODELE_CONVERTIRAJOUTERBOX;
    case CONVERSION_SUPPRIMER: return MODELE_CONVERTIRSUPPRIMERBOX;
    default: return MODELE_CONVERTIRBOX;
  }
}

const DescriptionConversion* DialogueConversionDescription(ModeleConversion modele) {
  return &DESCRIPTIONS[modele];
}

const char* DialogueConversionTitre(const DialogueConversion* d) {
  switch (d->mode) {
    case CONVERSION_VERS_NAVIGATEUR: return "Convertir <EXTRAWEB> ---> Navigateur";
    case CONVERSION_VERS_EXTRA_WEB: return "Convertir Navigateur ---> <EXTRAWEB>";
    default: return nullptr;
  }
}

const char* DialogueConversionRemarque(const DialogueConversion* d) {
  switch (d->mode) {
    case CONVERSION_VERS_NAVIGATEUR:
      return "Remarque : Seuls les fiches <EXTRAWEB> et les fichiers valides correspondants "
             "seront pris en compte.";
    case CONVERSION_VERS_EXTRA_WEB:
      return "Remarque : Les fiches <EXTRAWEB> et les fichiers non valides seront ignorés.";
    default: return nullptr;
  }
}

void DialogueConversionPreparer(DialogueConversion* d, ModeConversion mode,
                                ReglagesConversion* reglages, const SystemeGest* sys) {
  memset(d, 0, sizeof *d);
  d->mode = mode;
  d->modele = ModeleDuMode(mode);
  d->reglages = reglages;
  d->sys = sys;
  const DescriptionConversion* desc = DialogueConversionDescription(d->modele);
  for (int i = 0; i < 2; i++)
    if (desc->textes[i]) CopierTexte(d->textes[i], reglages->textes[i], sizeof d->textes[i]);
}

int DialogueConversionCoche(const DialogueConversion* d, unsigned id) {
  int i = Index(CASES_FICHES, 4, id);
  if (i >= 0) return d->reglages->fiches == i;
  const uint16_t* option = Option(d, id);
  return option && *option;
}

int DialogueConversionActive(const DialogueConversion* d, unsigned id) {
  if (id == IDC_CONVERTIR_APPLICATION || id == IDC_CONVERTIR_DOCUMENT)
    return d->reglages->champs[CHAMP_URL] != 0;
  return 1;
}

void DialogueConversionFocus(DialogueConversion* d, unsigned id) {
  const DescriptionConversion* desc = DialogueConversionDescription(d->modele);
  for (int i = 0; i < 2; i++)
    if (desc->textes[i] && desc->textes[i] == id) d->dernier_edit = i;
}

SuiteConversion DialogueConversionAppuyer(DialogueConversion* d, unsigned id) {
  const DescriptionConversion* desc = DialogueConversionDescription(d->modele);
  ReglagesConversion* r = d->reglages;
  if (id == IDC_CONVERTIR_ANNULER) return CONVERSION_FERME_ANNULER;
  if (id == IDC_CONVERTIR_OK) return Ok(d);
  int i = Index(CASES_FICHES, 4, id);
  if (i >= 0) {
    r->fiches = (ChoixFiches)i;
    return CONVERSION_RESTE;
  }
  for (int j = 0; j < 2; j++)
    if (desc->parcourir[j] && desc->parcourir[j] == id) Parcourir(d, j);
  if (desc->options) {
    switch (id) {
      case IDC_CONVERTIR_COUPER: AgirSurEdit(d, EDIT_COUPER); break;
      case IDC_CONVERTIR_COPIER: AgirSurEdit(d, EDIT_COPIER); break;
      case IDC_CONVERTIR_COLLER: AgirSurEdit(d, EDIT_COLLER); break;
    }
  }
  uint16_t* option = Option(d, id);
  if (!option || !DialogueConversionActive(d, id)) return CONVERSION_RESTE;
  *option = !*option;
  // The extra-web parts follow the URL box; the two browse boxes exclude
  // each other.
  if (id == IDC_CONVERTIR_URL) r->application = r->document = *option;
  if (id == IDC_CONVERTIR_MENU_DEMARRER && *option) r->MesDocuments = 0;
  if (id == IDC_CONVERTIR_MES_DOCUMENTS && *option) r->MenuDemarrer = 0;
  return CONVERSION_RESTE;
}

int DialogueConversionMontrer(DialogueConversion* d, Poignee proprietaire) {
  ReglagesConversion avant = *d->reglages;
  const DialoguesGest* dialogues = d->sys->dialogues;
  int ok = dialogues->dialogue_conversion(dialogues->ctx, proprietaire, d);
  if (!ok) *d->reglages = avant;
  return ok;
}
