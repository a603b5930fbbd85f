#include "messages_import.h"

#include "titre.h"

const TexteMessageImport MESSAGES_IMPORT[NB_MESSAGES_IMPORT] = {
    {"Allocation de mémoire impossible !", TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR},
    {"Allocation de mémoire impossible !", TITRE_LORVANIX " ", BOITE_OK | ICONE_ERREUR},
    {"Le nombre total de fiches existantes est trop important. Tous les liens n'ont pas pu "
     "être récupérés !",
     TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Le nombre total de fiches existantes est trop important. Tous les favoris n'ont pas pu "
     "être récupérés !",
     TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Le nombre total de fiches existantes est trop important. Toutes les adresses n'ont pas "
     "été récupérées !",
     TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Le nombre total de fiches existantes est trop important. Tous les fichiers n'ont pas pu "
     "être traités !",
     TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Le nombre total de fiches existantes est trop important pour en créer une nouvelle !",
     TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Il n'y a pas de sélection sur http ftp news ou mail !", TITRE_LORVANIX,
     BOITE_OK | ICONE_ATTENTION},
    {"il n'y a rien dans ce dossier.", TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Il n'y a rien dans ce dossier.", TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Il n'y a pas de fichier *.*htm* dans ce dossier !", TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Il n'y a pas de fichier dans ce dossier !", TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Une erreur d'ouverture de fichier est survenue pendant l'opération.", TITRE_LORVANIX,
     BOITE_OK | ICONE_ERREUR},
    {"Une erreur d'allocation de mémoire est survenue pendant l'opération.", TITRE_LORVANIX,
     BOITE_OK | ICONE_ERREUR},
    {"Une erreur est survenue. Impossible d'ouvrir ce fichier.", TITRE_LORVANIX,
     BOITE_OK | ICONE_ERREUR},
    {"Ce fichier est vide.", TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR},
    {"Une URL identique au chemin choisi existe déja dans la session en cours. \n"
     "Souhaitez vous continuer ?",
     TITRE_LORVANIX, BOITE_OUI_NON | ICONE_QUESTION},
    {"La page web correspondant au fichier HTML n'a pas de titre.\n\n"
     "Souhaitez vous effacer le nom de site actuel ?\n",
     TITRE_LORVANIX, BOITE_OUI_NON_ANNULER | ICONE_QUESTION},
    {"Vous n'avez rien spécifié !", TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION},
    {"Le fichier à charger par l'application n'a pas été trouvé !", TITRE_LORVANIX,
     BOITE_OK | ICONE_ATTENTION},
    {"Le fichier exécutable de l'application n'a pas été trouvé !", TITRE_LORVANIX,
     BOITE_OK | ICONE_ATTENTION},
    {"Le fichier exécutable de l'application n'a pas été trouvé !\n"
     "Souhaitez vous que Lorvanix 6.1 recherche l'application que Windows utiliserait pour "
     "ouvrir le fichier ?",
     TITRE_LORVANIX, BOITE_OUI_NON | ICONE_ATTENTION},
    {"Vous n'avez pas spécifié d'application !\n"
     "Souhaitez vous que Lorvanix 6.1 recherche l'application que Windows utiliserait pour "
     "ouvrir le fichier ?",
     TITRE_LORVANIX, BOITE_OUI_NON | ICONE_ATTENTION},
    {"Windows n'a pas trouvé d'application pour ouvrir ce fichier !", TITRE_LORVANIX,
     BOITE_OK | ICONE_ATTENTION},
    {"Un extra web identique existe déja dans la session en cours. \n"
     "Souhaitez vous continuer ?",
     TITRE_LORVANIX, BOITE_OUI_NON | ICONE_QUESTION},
};

int MessageImport(const Fenetres* fenetres, Poignee fenetre, MessageImportId id) {
  const TexteMessageImport& m = MESSAGES_IMPORT[id];
  return fenetres->message(fenetres->ctx, fenetre, m.texte, m.titre, m.style);
}
