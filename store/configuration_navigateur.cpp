#include "configuration_navigateur.h"

#include <cstdio>
#include <cstring>

#include "configuration.h"
#include "dialogue_fichier.h"

uint16_t NavigateurChoisir(const Fichiers* fichiers, const Fenetres* fenetres,
                           const Coquille* coquille, const DialoguesCommuns* communs, char* chemin,
                           char* sauvegarde, const char* dossier_programme, Poignee fenetre) {
  memcpy(sauvegarde, chemin, TAILLE_CHEMIN);
  char texte[2 * TAILLE_CHEMIN];
  snprintf(texte, sizeof texte,
           "Le navigateur actuel est:\n\n%.255s\n\nSi vous choisissez OK vous pourrez en choisir un "
           "autre parmi ceux déja installés sur votre ordinateur.",
           chemin);
  if (ConfigurationMessage(fenetres, fenetre, texte, BOITE_OK_ANNULER | ICONE_ATTENTION) !=
      REPONSE_OK)
    return 0;

  memset(chemin, 0, TAILLE_CHEMIN);
  // Without a Start Menu folder the dialog opens where it likes.
  char menu[260];
  int menu_trouve = coquille->dossier_special(coquille->ctx, DOSSIER_MENU_DEMARRER, menu);
  static const char filtre[] = "Executables (*.exe)\0*.exe\0";
  DialogueFichier d = {};
  d.proprietaire = fenetre;
  d.filtre = filtre;
  d.titre = "Navigateur à lancer sur l'URL par Connecter... :";
  d.dossier_initial = menu_trouve ? menu : nullptr;
  d.chemin = chemin;
  d.taille_chemin = TAILLE_CHEMIN;
  d.cacher_lecture_seule = 1;
  d.chemin_doit_exister = 1;
  if (communs->dialogue_fichier(communs->ctx, &d) && chemin[0]) {
    memcpy(sauvegarde, chemin, TAILLE_CHEMIN);
    if (ConfigurationMessage(fenetres, fenetre,
                             "Souhaitez vous que ce navigateur soit pris par défaut lors des "
                             "prochaines sessions de Lorvanix ?",
                             BOITE_OUI_NON | ICONE_QUESTION) == REPONSE_OUI)
      ConfigurationEcrireAvecReprise(
          fichiers, fenetres, &CONFIGURATION_NAVIGATEUR, chemin, dossier_programme, fenetre,
          "Le disque de lancement doit être inséré et non protégé en écriture !",
          "Impossible de sauvegarder le chemin du navigateur.");
    // In use for the rest of the run whether saved or not.
    return 1;
  }
  if (d.erreur) MessageErreurDialogue(fenetres, fenetre, d.erreur);
  memcpy(chemin, sauvegarde, TAILLE_CHEMIN);
  return 0;
}
