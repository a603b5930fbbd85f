#include "dialogue_fichier.h"

#include <cstdio>
#include <cstring>

#include "chaines.h"

void MessageErreurDialogue(const Fenetres* fenetres, Poignee fenetre, uint32_t code) {
  char texte[32];
  snprintf(texte, sizeof texte, "Erreur #%lu", (unsigned long)code);
  fenetres->message(fenetres->ctx, fenetre, texte, "WARNING", BOITE_OK | ICONE_ERREUR);
}

uint16_t DialogueChoisirFichierDonnees(const DialoguesCommuns* communs, const Fenetres* fenetres,
                                       char dernier[TAILLE_CHEMIN], int enregistrer,
                                       Poignee fenetre, char* chemin,
                                       const char* dossier_programme) {
  char initial[TAILLE_CHEMIN] = {0};
  if (dernier[0])
    snprintf(initial, sizeof initial, "%s", dernier);
  else if (chemin[0])
    DossierDuChemin(chemin, initial, sizeof initial);
  if (!initial[0]) snprintf(initial, sizeof initial, "%s", dossier_programme);
  memset(chemin, 0, TAILLE_CHEMIN);

  static const char filtre[] = "Lorvanix (*.lvx)\0*.lvx*\0";
  DialogueFichier d = {};
  d.proprietaire = fenetre;
  d.filtre = filtre;
  d.titre = enregistrer ? "Enregistrer sous :" : "Ouvrir :";
  d.dossier_initial = initial;
  d.chemin = chemin;
  d.taille_chemin = TAILLE_CHEMIN;
  d.extension = enregistrer ? "lvx" : nullptr;
  d.enregistrer = enregistrer;
  d.cacher_lecture_seule = 1;
  d.chemin_doit_exister = 1;
  d.confirmer_ecrasement = enregistrer;
  if (communs->dialogue_fichier(communs->ctx, &d)) {
    DossierDuChemin(chemin, dernier, TAILLE_CHEMIN);
    return 1;
  }
  if (d.erreur) MessageErreurDialogue(fenetres, fenetre, d.erreur);
  return 0;
}
