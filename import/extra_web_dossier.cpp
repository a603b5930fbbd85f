// Extra-web cards for the files under a folder, each opened by the program
// the system associates with it.
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "application_associee.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "majuscules.h"
#include "options_import.h"
#include "parcours_dossier.h"
#include "raccourci_internet.h"

namespace {

// The chooser's panel toggles the two flags through one pointer.
static_assert(offsetof(OptionsExtraWebDossier, UniquementNouveauxFichiers) ==
                  offsetof(OptionsExtraWebDossier, InclureSousDossiers) + sizeof(uint16_t),
              "the panel's two boxes are consecutive flags");

struct FichiersExtraWeb {
  CommandeImport* c;
  AjoutImport* a;
  TamponsTexte* t;
  int nouveaux;  // "Uniquement les nouveaux fichiers"
};

// The card of one file; 0 stops the walk (card limit, store growth failure).
int Fichier(void* contexte, const char* dossier, const char* nom, const char* chemin) {
  FichiersExtraWeb* f = (FichiersExtraWeb*)contexte;
  if (f->nouveaux && AjoutConnu(f->a, chemin, (uint32_t)strlen(chemin))) return 1;
  char application[TAILLE_CHEMIN_LONG];
  if (!ApplicationAssociee(f->c->sys->fichiers, f->c->sys->coquille, chemin, application)) return 1;

  char* url = f->t->textes[0];
  const size_t n = strlen(chemin);
  int elle_meme = n == strlen(application) && EgauxSansCasse(chemin, application, n);
  if (elle_meme)
    snprintf(url, TAILLE_TEXTE_IMPORT, "%s%s", BALISE_EXTRA_WEB, application);
  else
    snprintf(url, TAILLE_TEXTE_IMPORT, "%s%s %s", BALISE_EXTRA_WEB, application, chemin);
  if (elle_meme && f->nouveaux &&
      IndexUrlsContientExtraWeb(&f->a->index, url, (uint32_t)strlen(url)))
    return 1;

  char* nom_fiche = f->t->textes[1];
  FavoriNom(nom, nom_fiche, TAILLE_TEXTE_IMPORT);
  // The last name of the holding folder; a drive's root has none, so its
  // files get an empty category.
  char rubrique[TAILLE_CHEMIN_PARCOURS];
  FavoriRubrique(dossier, 0, rubrique, sizeof rubrique);
  return AjoutFiche(f->a, nom_fiche, url, rubrique, "", "");
}

// The remembered folder, else the shell's My Documents folder.
void Proposer(CommandeImport* c, char* dossier) {
  const char* retenu = etatImport.dossiers[RETENU_DOSSIER_EXTRA_WEB];
  if (*retenu)
    snprintf(dossier, TAILLE_DOSSIER, "%s", retenu);
  else if (!c->sys->coquille->dossier_special(c->sys->coquille->ctx, DOSSIER_MES_DOCUMENTS,
                                              dossier))
    dossier[0] = 0;
}

}  // namespace

uint16_t CreerFichesExtrasWebSousDossier(CommandeImport* c) {
  const SystemeImport* sys = c->sys;
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 2, MSG_ALLOCATION, MSG_ALLOCATION)) return 0;
  char propose[TAILLE_DOSSIER], dossier[TAILLE_DOSSIER];
  Proposer(c, propose);
  snprintf(c->chemin, TAILLE_DOSSIER, "%s", propose);

  OptionsExtraWebDossier* o = &optionsImport.extra_web;
  const OptionsExtraWebDossier avant = *o;
  if (!ChoisirDossier(sys->dialogues, sys->fenetres, c->fenetre,
                      "Créer les fiches extra web pour les fichiers *.* du dossier :", FILTRE_TOUS,
                      propose, PANNEAU_DOSSIER_EXTRA_WEB, &o->InclureSousDossiers, dossier)) {
    *o = avant;
    TamponsLiberer(c, &t);
    return 0;
  }

  EntreeDossier entree;
  Poignee liste = DossierLister(sys->fichiers, dossier, &entree);
  if (!liste) {
    MessageImport(sys->fenetres, c->fenetre, MSG_RIEN_DANS_DOSSIER);
    TamponsLiberer(c, &t);
    return 0;
  }
  memcpy(etatImport.dossiers[RETENU_DOSSIER_EXTRA_WEB], dossier, TAILLE_DOSSIER);
  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);

  AjoutImport a{};
  AjoutCommencer(&a, c, o->UniquementNouveauxFichiers, COMPARAISON_DOCUMENT);
  FichiersExtraWeb f = {c, &a, &t, o->UniquementNouveauxFichiers};
  const ParcoursDossier parcours = {sys->fichiers, o->InclureSousDossiers, &f, Fichier};
  int fini = DossierParcourir(&parcours, dossier, liste, &entree);
  AjoutTerminer(&a);
  TamponsLiberer(c, &t);
  CommandeCurseur(c, c->fleche);
  if (a.arret == AJOUT_LIMITE) MessageImport(sys->fenetres, c->fenetre, MSG_LIMITE_FICHIERS);
  return (uint16_t)fini;
}
