#include "configuration_ouverture.h"

#include <cstdio>

#include "configuration.h"

uint16_t OuvertureDefautDefinir(const Fichiers* fichiers, const Fenetres* fenetres,
                                const char* nom_fichier, const char* dossier_programme) {
  // The name is a 256-byte buffer: never read past it.
  char texte[2 * TAILLE_CHEMIN];
  if (nom_fichier[0])
    snprintf(texte, sizeof texte,
             "Si vous choissez OK, le fichier :\n\n%.255s\n\nsera chargé automatiquement au "
             "prochain lancement de Lorvanix.",
             nom_fichier);
  else
    snprintf(texte, sizeof texte, "%s",
             "Le travail en cours ne comporte pas de nom. Si vous choisissez OK il n'y aura pas "
             "d'ouverture de fichier par défaut la prochaine fois que vous lancerez Lorvanix.");
  if (ConfigurationMessage(fenetres, nullptr, texte, BOITE_OK_ANNULER | ICONE_ATTENTION) !=
      REPONSE_OK)
    return 1;

  if (!ConfigurationProgrammeTrouve(fichiers, dossier_programme)) {
    ConfigurationMessage(
        fenetres, nullptr,
        "Pour que Lorvanix puisse mettre à jour ses fichiers de configuration vous "
        "devez insérer le disque de lancement en vérifiant qu'il n'est pas protégé "
        "en écriture !",
        ICONE_ATTENTION);
    if (!ConfigurationProgrammeTrouve(fichiers, dossier_programme)) {
      ConfigurationMessage(fenetres, nullptr,
                           "Lorvanix n'a pas pu mettre à jour ses fichiers de configuration.",
                           ICONE_ERREUR);
      return 0;
    }
  }
  return (uint16_t)ConfigurationEcrireAvecReprise(
      fichiers, fenetres, &CONFIGURATION_OUVERTURE, nom_fichier, dossier_programme, nullptr,
      "Ecriture sur le disque impossible. Vérifiez que le disque de lancement n'est pas protégé "
      "en écriture.",
      "Impossible de mettre à jour les fichiers de configuration.");
}
