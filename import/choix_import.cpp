#include "choix_import.h"

#include <cstdio>
#include <cstring>

#include "chaines.h"
#include "dialogue_fichier.h"
#include "options_import.h"

const char FILTRE_TOUS[] = "TOUS (*.*)\0*.*\0";
const char FILTRE_HTML[] = "HTML (*.*htm*)\0*.*htm*\0";
const char FILTRE_EXECUTABLE[] = "Exécutable (*.exe)\0*.exe\0";

void PremierDossier(const char* retenu, const char* fichier_donnees, char* dossier) {
  if (retenu && *retenu)
    CopierTexte(dossier, retenu, TAILLE_DOSSIER);
  else if (fichier_donnees && *fichier_donnees)
    DossierDuChemin(fichier_donnees, dossier, TAILLE_DOSSIER);
  else
    CopierTexte(dossier, etatImport.RepertoireLorvanix, TAILLE_DOSSIER);
}

int ChoisirFichier(const DialoguesCommuns* communs, const Fenetres* fenetres, Poignee proprietaire,
                   const char* titre, const char* filtre, const char* dossier_initial,
                   char* chemin) {
  memset(chemin, 0, TAILLE_CHEMIN_CHOISI);
  DialogueFichier d{};
  d.proprietaire = proprietaire;
  d.filtre = filtre;
  d.titre = titre;
  d.dossier_initial = dossier_initial;
  d.chemin = chemin;
  d.taille_chemin = TAILLE_CHEMIN_CHOISI;
  d.extension = "*";
  d.cacher_lecture_seule = 1;
  d.chemin_doit_exister = 1;
  if (communs->dialogue_fichier(communs->ctx, &d)) return 1;
  if (d.erreur) MessageErreurDialogue(fenetres, proprietaire, d.erreur);
  chemin[0] = 0;
  return 0;
}

int ChoisirDossier(const DialoguesImport* dialogues, const Fenetres* fenetres, Poignee proprietaire,
                   const char* titre, const char* filtre, const char* dossier_initial,
                   unsigned panneau, uint16_t* options, char* dossier) {
  DialogueDossier d{};
  d.proprietaire = proprietaire;
  d.filtre = filtre;
  d.titre = titre;
  d.dossier_initial = dossier_initial;
  d.panneau = panneau;
  d.options = options;
  if (!dialogues->dialogue_dossier(dialogues->ctx, &d)) {
    if (d.erreur) MessageErreurDialogue(fenetres, proprietaire, d.erreur);
    return 0;
  }
  CopierTexte(dossier, d.dossier, TAILLE_DOSSIER);
  return 1;
}

void PanneauCliquer(DialogueDossier* d, unsigned id) {
  if (!d->options) return;
  if (id == ID_EXTRA_WEB_SOUS_DOSSIERS) d->options[0] = !d->options[0];
  if (id == ID_EXTRA_WEB_NOUVEAUX) d->options[1] = !d->options[1];
}

int MotifDossier(const char* dossier, const char* motif, char* sortie, uint32_t taille) {
  const char* barre = strlen(dossier) <= 3 ? "" : "\\";
  int n = snprintf(sortie, taille, "%s%s%s", dossier, barre, motif);
  return n >= 0 && (uint32_t)n < taille;
}
