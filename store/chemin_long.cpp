#include "chemin_long.h"

#include <cstring>
#include <string>

void CheminCourtVersLong(const Fichiers* fichiers, char* chemin) {
  size_t longueur = strnlen(chemin, TAILLE_CHEMIN_LONG);
  if (longueur >= TAILLE_CHEMIN_LONG || !memchr(chemin, '~', longueur) || longueur < 2) return;
  const char* lecteur_fin = strchr(chemin + 1, '\\');
  if (!lecteur_fin) return;

  std::string resultat(chemin, (size_t)(lecteur_fin - chemin) + 1);
  const char* debut = lecteur_fin + 1;
  while (true) {
    const char* fin = strchr(debut, '\\');
    size_t n = fin ? (size_t)(fin - debut) : strlen(debut);
    if (n > 0) {
      std::string prefixe(chemin, (size_t)(debut - chemin) + n);
      char nom[260];
      if (fichiers->nom_long(fichiers->ctx, prefixe.c_str(), nom))
        resultat += nom;
      else
        resultat.append(debut, n);
    }
    if (!fin) break;
    resultat += '\\';
    debut = fin + 1;
  }
  if (resultat.size() >= TAILLE_CHEMIN_LONG) return;
  memcpy(chemin, resultat.c_str(), resultat.size() + 1);
}
