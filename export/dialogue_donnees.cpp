#include "dialogue_donnees.h"

#include <cstring>

#include "chaines.h"
#include "lvxspec_ids.h"
#include "titre.h"

const unsigned ID_CHOIX_SPEC[NB_CHOIX_SPEC] = {
    IDC_SAUVESPEC_NOUVEAU_ECRAN, IDC_SAUVESPEC_NOUVEAU_RECHERCHE, IDC_SAUVESPEC_NOUVEAU_MARQUEES,
    IDC_SAUVESPEC_AJOUT_TOUTES,  IDC_SAUVESPEC_AJOUT_ECRAN,       IDC_SAUVESPEC_AJOUT_RECHERCHE,
    IDC_SAUVESPEC_AJOUT_MARQUEES,
};

namespace {

int ChoixDe(unsigned id) {
  for (int i = 0; i < NB_CHOIX_SPEC; i++)
    if (ID_CHOIX_SPEC[i] == id) return i;
  return CHOIX_AUCUN;
}

struct DescriptionCible {
  const char* titre;
  const char* extension;
  int enregistrer;
  int confirmer_ecrasement;
};

// An append names a file that is there already: no overwrite question.
const DescriptionCible CIBLES[NB_USAGES_SPEC] = {
    {"Enregistrer la fiche à l'écran :", "lvx", 1, 1},
    {"Enregistrer les fiches correspondant aux critères de recherche :", "lvx", 1, 1},
    {"Enregistrer les fiches marquées :", "lvx", 1, 1},
    {"Ajouter toutes les fiches à la suite du fichier Lorvanix :", "lvx", 1, 0},
    {"Ajouter la fiche à l'écran à la suite du fichier Lorvanix :", "lvx", 1, 0},
    {"Ajouter la recherche à la suite du fichier Lorvanix :", "lvx", 1, 0},
    {"Ajouter les fiches marquées à la suite du fichier Lorvanix :", "lvx", 1, 0},
    {"Fichier Lorvanix à découper en deux parties égales :", "*", 0, 0},
    {"Deuxième partie du fichier Lorvanix :", "lvx", 1, 1},
};

}  // namespace

SuiteSpec DialogueSpecAppuyer(DialogueSpec* d, unsigned id) {
  if (id == IDC_SAUVESPEC_ANNULER) return SPEC_FERME_ANNULER;
  if (id == IDC_SAUVESPEC_OK) {
    if (d->choix != CHOIX_AUCUN) return SPEC_FERME_OK;
    d->fenetres->message(d->fenetres->ctx, d->fenetre, "Vous devez sélectionner une option !",
                         TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION);
    return SPEC_RESTE;
  }
  int choix = ChoixDe(id);
  if (choix != CHOIX_AUCUN) d->choix = choix;
  return SPEC_RESTE;
}

int DialogueSpecCochee(const DialogueSpec* d, unsigned id) {
  return d->choix != CHOIX_AUCUN && ChoixDe(id) == d->choix;
}

int DialogueSpecMontrer(const SystemeSpec* sys, Poignee proprietaire, DialogueSpec* d) {
  d->choix = CHOIX_AUCUN;
  d->fenetres = sys->fenetres;
  d->fenetre = proprietaire;
  return sys->dialogues->dialogue_donnees(sys->dialogues->ctx, proprietaire, d) == 1 &&
         d->choix != CHOIX_AUCUN;
}

const char* TitreCibleSpec(int usage) { return CIBLES[usage].titre; }

int ChoisirCibleSpec(const SystemeSpec* sys, CiblesSpec* cibles, int usage, Poignee fenetre,
                     const char* nom_courant, const char* dossier_programme) {
  CibleSpec* c = &cibles->usages[usage];
  const DescriptionCible* desc = &CIBLES[usage];
  char initial[TAILLE_CHEMIN] = {0};
  if (c->dossier[0])
    CopierTexte(initial, c->dossier, sizeof initial);
  else if (nom_courant && nom_courant[0])
    DossierDuChemin(nom_courant, initial, sizeof initial);
  if (!initial[0]) CopierTexte(initial, dossier_programme, sizeof initial);
  memset(c->chemin, 0, sizeof c->chemin);

  static const char filtre[] = "Lorvanix (*.lvx)\0*.lvx*\0";
  DialogueFichier d = {};
  d.proprietaire = fenetre;
  d.filtre = filtre;
  d.titre = desc->titre;
  d.dossier_initial = initial;
  d.chemin = c->chemin;
  d.taille_chemin = TAILLE_CHEMIN;
  d.extension = desc->extension;
  d.enregistrer = desc->enregistrer;
  d.cacher_lecture_seule = 1;
  d.chemin_doit_exister = 1;
  d.confirmer_ecrasement = desc->confirmer_ecrasement;
  const DialoguesCommuns* communs = sys->communs;
  if (communs->dialogue_fichier(communs->ctx, &d)) {
    c->chemin[TAILLE_CHEMIN - 1] = 0;
    DossierDuChemin(c->chemin, c->dossier, sizeof c->dossier);
    return 1;
  }
  c->chemin[0] = 0;
  if (d.erreur) MessageErreurDialogue(sys->fenetres, fenetre, d.erreur);
  return 0;
}
