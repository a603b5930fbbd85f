#include "application_associee.h"

#include <cstring>

const char BALISE_EXTRA_WEB[] = "<EXTRAWEB>";

int ApplicationAssociee(const Fichiers* fichiers, const Coquille* coquille, const char* fichier,
                        char* application) {
  char trouve[TAILLE_CHEMIN_LONG] = {};
  if (!coquille->executable_associe(coquille->ctx, fichier, trouve)) return 0;
  CheminCourtVersLong(fichiers, trouve);
  // Whatever the system puts before the drive letter (a quote) is dropped.
  const char* deux_points = strchr(trouve, ':');
  const char* debut = deux_points && deux_points > trouve ? deux_points - 1 : trouve;
  memcpy(application, debut, strlen(debut) + 1);
  return 1;
}
