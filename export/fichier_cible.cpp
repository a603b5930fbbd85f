#include "fichier_cible.h"

#include "titre.h"

void MessageErreurFichier(const Fenetres* fenetres, Poignee proprietaire, int cause) {
  const char* texte = nullptr;
  switch (cause) {
    case ERREUR_FICHIER_INTROUVABLE: texte = "Fichier non trouvé."; break;
    case ERREUR_FICHIER_INTERDIT: texte = "Accés au fichier Interdit."; break;
    case ERREUR_FICHIER_TROP_OUVERTS: texte = "Trop de fichiers ouverts."; break;
    case ERREUR_FICHIER_ACCES_INVALIDE: texte = "Accés invalide."; break;
  }
  if (texte)
    fenetres->message(fenetres->ctx, proprietaire, texte, TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
}

Poignee CreerFichierCible(const Fichiers* fichiers, const Fenetres* fenetres, Poignee proprietaire,
                          const char* chemin) {
  Poignee f = fichiers->fichier_creer(fichiers->ctx, chemin);
  if (!f) {
    MessageErreurFichier(fenetres, proprietaire, fichiers->fichier_erreur(fichiers->ctx));
    return nullptr;
  }
  if (fichiers->fichier_taille(fichiers->ctx, f) != 0) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    fenetres->message(fenetres->ctx, proprietaire, "Ecriture sur le disque impossible.",
                      TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
    return nullptr;
  }
  return f;
}
