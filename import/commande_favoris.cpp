// Internet Explorer favourites: one card per "URL=" line of every file
// under the chosen folder.
#include <cstdio>
#include <cstring>

#include "chaines.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "dialogue_import.h"
#include "parcours_dossier.h"
#include "raccourci_internet.h"
#include "tampon_fichier.h"

namespace {

const char TITRE_CHOIX[] = "Importer les favoris internet explorer depuis le dossier :";

struct Favoris {
  CommandeImport* c;
  AjoutImport* a;
  TamponsTexte* t;
  const char* propose;  // the chooser's first folder
  uint32_t longueur_racine;
  const char* rubrique;  // of the file being read
  int sans_memoire;      // a file could not be held
};

SuiteDialogue Bouton(void* x, DialogueImport* d, unsigned id) {
  Favoris* f = (Favoris*)x;
  if (id == ID_FAVORIS_OK) return DIALOGUE_FERME_OK;
  if (id != ID_FAVORIS_MODIFIER) return DIALOGUE_RESTE;
  char dossier[TAILLE_DOSSIER];
  if (ChoisirDossier(f->c->sys->dialogues, f->c->sys->fenetres, d->fenetre, TITRE_CHOIX,
                     FILTRE_TOUS, f->propose, PANNEAU_DOSSIER, nullptr, dossier))
    snprintf(d->textes[0], LONGUEUR_CHEMIN_IMPORT + 1, "%s", dossier);
  return DIALOGUE_RESTE;
}

void Repeindre(void* x) { CommandeRedessiner(((Favoris*)x)->c); }

int Doublon(void* x, const char* texte) {
  return AjoutConnu(((Favoris*)x)->a, texte, (uint32_t)strlen(texte));
}

int Favori(void* x, const char* url) {
  Favoris* f = (Favoris*)x;
  return AjoutFiche(f->a, f->t->textes[1], url, f->rubrique, "", "");
}

int Fichier(void* x, const char* dossier, const char* nom, const char* chemin) {
  Favoris* f = (Favoris*)x;
  unsigned echecs = CommandeCharger(f->c, chemin);
  if (echecs & CHARGEMENT_SANS_MEMOIRE) f->sans_memoire = 1;
  if (echecs) return 1;
  char rubrique[TAILLE_CHEMIN_PARCOURS];
  FavoriRubrique(dossier, f->longueur_racine, rubrique, sizeof rubrique);
  FavoriNom(nom, f->t->textes[1], TAILLE_TEXTE_IMPORT);
  f->rubrique = rubrique;
  const LectureRaccourci lecture = {f->t->textes[0], f, Repeindre, Doublon, Favori};
  const char* debut = (const char*)hugeTampon.octets;
  return RaccourciParcourir(&lecture, debut, debut + hugeTampon.longueur);
}

// The remembered folder, else the shell's favourites folder.
void Proposer(CommandeImport* c, char* dossier) {
  const char* retenu = etatImport.dossiers[RETENU_FAVORIS];
  if (*retenu)
    snprintf(dossier, TAILLE_DOSSIER, "%s", retenu);
  else if (!c->sys->coquille->dossier_special(c->sys->coquille->ctx, DOSSIER_FAVORIS, dossier))
    dossier[0] = 0;
}

}  // namespace

uint16_t RecupererLiensFavoris(CommandeImport* c) {
  const SystemeImport* sys = c->sys;
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 2, MSG_ALLOCATION, MSG_ALLOCATION)) return 0;
  char propose[TAILLE_DOSSIER];
  Proposer(c, propose);
  snprintf(c->chemin, TAILLE_DOSSIER, "%s", propose);

  AjoutImport a{};
  Favoris f = {c, &a, &t, propose, 0, "", 0};
  DialogueImport d{};
  d.modele = MODELE_LVXRECUPBOXFAVORIS;
  d.options = &optionsImport;
  snprintf(d.textes[0], LONGUEUR_CHEMIN_IMPORT + 1, "%s", propose);
  d.contexte = &f;
  d.bouton = Bouton;
  if (!DialogueImportMontrer(sys, c->fenetre, &d)) {
    TamponsLiberer(c, &t);
    return 0;
  }
  char racine[LONGUEUR_CHEMIN_IMPORT + 1];
  snprintf(racine, sizeof racine, "%.*s", (int)LONGUEUR_CHEMIN_IMPORT, d.textes[0]);

  EntreeDossier entree;
  Poignee liste = DossierLister(sys->fichiers, racine, &entree);
  if (!liste) {
    MessageImport(sys->fenetres, c->fenetre, MSG_RIEN_DANS_FAVORIS);
    TamponsLiberer(c, &t);
    return 0;
  }
  // A root too long for the remembered folder would be remembered cut,
  // naming another folder.
  if (strlen(racine) < TAILLE_DOSSIER) CopierTexte(etatImport.dossiers[RETENU_FAVORIS], racine, TAILLE_DOSSIER);
  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);

  f.longueur_racine = (uint32_t)strlen(racine);
  AjoutCommencer(&a, c, 1, COMPARAISON_SANS_MAILTO);
  const ParcoursDossier parcours = {sys->fichiers, 1, &f, Fichier};
  int fini = DossierParcourir(&parcours, racine, liste, &entree);
  AjoutTerminer(&a);
  TamponsLiberer(c, &t);
  CommandeCurseur(c, c->fleche);
  if (a.arret == AJOUT_LIMITE) MessageImport(sys->fenetres, c->fenetre, MSG_LIMITE_FAVORIS);
  if (!fini) return 0;
  if (f.sans_memoire) MessageImport(sys->fenetres, c->fenetre, MSG_ERREUR_ALLOCATION_OPERATION);
  return 1;
}
