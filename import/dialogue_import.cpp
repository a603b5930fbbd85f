#include "dialogue_import.h"

#include <cstdio>

#include "messages_import.h"
#include "provenance.h"

namespace {

const unsigned CASES_URL[] = {ID_URL_PARCOURIR, ID_URL_CREER_FICHE, ID_URL_NOUVELLES,
                              ID_URL_COMMENTAIRE, ID_URL_NOM_VIDE, ID_URL_TOUS,
                              ID_URL_HTTP, ID_URL_FTP, ID_URL_NEWS,
                              ID_URL_MAILTO, ID_URL_AUTRE, 0};
const unsigned CASES_QUELCONQUE[] = {ID_QUELCONQUE_NOUVELLES, ID_QUELCONQUE_COMMENTAIRE,
                                     ID_QUELCONQUE_URL_DANS_NOM, ID_QUELCONQUE_HTTP,
                                     ID_QUELCONQUE_FTP, ID_QUELCONQUE_NEWS,
                                     ID_QUELCONQUE_MAIL, 0};
const unsigned CASES_COURRIEL[] = {ID_COURRIEL_NOUVELLES, ID_COURRIEL_COMMENTAIRE,
                                   ID_COURRIEL_NOM_VIDE, ID_COURRIEL_EMETTEURS,
                                   ID_COURRIEL_DESTINATAIRES, 0};

const DescriptionDialogue DESCRIPTIONS[NB_MODELES_IMPORT] = {
    {"LVXRECUPBOX", ID_URL_OK, ID_URL_ANNULER, {ID_URL_TEXTE_AUTRE, 0},
     {LONGUEUR_TEXTE_AUTRE_MAX, 0}, CASES_URL, ID_URL_TEXTE_AUTRE},
    {"LVXRECUPBOXQUELCONQUE", ID_QUELCONQUE_OK, ID_QUELCONQUE_ANNULER, {0, 0}, {0, 0},
     CASES_QUELCONQUE, 0},
    {"LVXRECUPADRESSESBOX", ID_COURRIEL_OK, ID_COURRIEL_ANNULER, {0, 0}, {0, 0},
     CASES_COURRIEL, 0},
    {"LVXRECUPBOXFAVORIS", ID_FAVORIS_OK, ID_FAVORIS_ANNULER, {ID_FAVORIS_DOSSIER, 0},
     {LONGUEUR_CHEMIN_IMPORT, 0}, nullptr, 0},
    {"LVXRECUPBOXBOOKMARKS", ID_SIGNETS_OK, ID_SIGNETS_ANNULER, {ID_SIGNETS_FICHIER, 0},
     {LONGUEUR_CHEMIN_IMPORT, 0}, nullptr, 0},
    {"LVXRECUPBOXEMAILS", ID_EMAILS_OK, ID_EMAILS_ANNULER, {ID_EMAILS_FICHIER, 0}, {LONGUEUR_CHEMIN_IMPORT, 0},
     nullptr, 0},
    {"EXTRAWEBBOX", ID_EXTRA_WEB_BOITE_OK, ID_EXTRA_WEB_BOITE_ANNULER,
     {ID_EXTRA_WEB_APPLICATION, ID_EXTRA_WEB_DOCUMENT}, {255, 255}, nullptr, 0},
};

bool EstCase(const DescriptionDialogue* desc, unsigned id) {
  for (const unsigned* c = desc->cases; c && *c; c++)
    if (*c == id) return true;
  return false;
}

// "Parcourir les URL" and "Créer une fiche par URL" choose the mode; the
// three create-mode boxes follow only in create mode; "Tous" and the
// schemes exclude each other.
void CliquerUrl(OptionsUrl* o, unsigned id) {
  uint16_t* const creation[] = {&o->CreerUneFicheParUrl, &o->SeulementNouvellesUrl,
                                &o->AjouterCommentaireProvenance, &o->RemplacerNomVideParUrl};
  uint16_t* const schemas[] = {&o->Http, &o->Ftp, &o->News, &o->Mailto};
  switch (id) {
    case ID_URL_PARCOURIR:
    case ID_URL_CREER_FICHE: {
      uint16_t creer = id == ID_URL_CREER_FICHE;
      o->ParcourirLesUrl = !creer;
      for (uint16_t* f : creation) *f = creer;
      return;
    }
    case ID_URL_NOUVELLES:
    case ID_URL_COMMENTAIRE:
    case ID_URL_NOM_VIDE: {
      if (!o->CreerUneFicheParUrl) return;
      uint16_t* f = id == ID_URL_NOUVELLES     ? &o->SeulementNouvellesUrl
                    : id == ID_URL_COMMENTAIRE ? &o->AjouterCommentaireProvenance
                                               : &o->RemplacerNomVideParUrl;
      *f = !*f;
      return;
    }
    case ID_URL_TOUS: {
      uint16_t tous = !o->Tous;
      o->Tous = tous;
      for (uint16_t* f : schemas) *f = !tous;
      o->Autre = 0;
      return;
    }
    default: {
      uint16_t* f = id == ID_URL_HTTP     ? &o->Http
                    : id == ID_URL_FTP    ? &o->Ftp
                    : id == ID_URL_NEWS   ? &o->News
                    : id == ID_URL_MAILTO ? &o->Mailto
                                          : &o->Autre;
      *f = !*f;
      if (*f) o->Tous = 0;
      if (!o->Http && !o->Ftp && !o->News && !o->Mailto && !o->Autre) o->Tous = 1;
      return;
    }
  }
}

}  // namespace

const DescriptionDialogue* DialogueImportDescription(ModeleImport modele) {
  return &DESCRIPTIONS[modele];
}

SuiteDialogue DialogueImportAppuyer(DialogueImport* d, unsigned id) {
  const DescriptionDialogue* desc = DialogueImportDescription(d->modele);
  if (id == desc->annuler) return DIALOGUE_FERME_ANNULER;
  if (EstCase(desc, id)) {
    if (d->modele == MODELE_LVXRECUPBOX) {
      CliquerUrl(&d->options->url, id);
    } else if (d->modele != MODELE_LVXRECUPADRESSESBOX ||  // one of 508 and 509 stays on
               ((id != ID_COURRIEL_EMETTEURS || d->options->courriel.AdressesDestinataires) &&
                (id != ID_COURRIEL_DESTINATAIRES || d->options->courriel.AdressesEmetteurs))) {
      uint16_t* f = OptionsCase(d->options, id);
      *f = !*f;
    }
    return DIALOGUE_RESTE;
  }
  if (id == desc->ok) {
    if (d->modele == MODELE_LVXRECUPBOX) {
      snprintf(d->options->url.TexteAutre, sizeof d->options->url.TexteAutre, "%.*s",
               (int)LONGUEUR_TEXTE_AUTRE_MAX, d->textes[0]);
      return DIALOGUE_FERME_OK;
    }
    if (d->modele == MODELE_LVXRECUPBOXQUELCONQUE) {
      const OptionsQuelconque& q = d->options->quelconque;
      if (q.Http || q.Ftp || q.News || q.Mail) return DIALOGUE_FERME_OK;
      MessageImport(d->sys->fenetres, d->fenetre, MSG_PAS_DE_SELECTION_SCHEMA);
      return DIALOGUE_RESTE;
    }
  }
  if (d->bouton) return d->bouton(d->contexte, d, id);
  return id == desc->ok ? DIALOGUE_FERME_OK : DIALOGUE_RESTE;
}

int DialogueImportMontrer(const SystemeImport* sys, Poignee proprietaire, DialogueImport* d) {
  CopieOptions copie = OptionsCopier(d->options);
  d->sys = sys;
  int ok = sys->dialogues->dialogue_import(sys->dialogues->ctx, proprietaire, d);
  if (!ok) OptionsRestaurer(d->options, &copie);
  return ok;
}
