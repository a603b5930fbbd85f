#include "parcours_dossier.h"

#include <cstdio>
#include <cstring>

#include "choix_import.h"

namespace {

// The folder, "\" unless it already ends with one (a drive's root), the
// name; 0 when the path would be longer than the system opens.
int Joindre(const char* dossier, const char* nom, char* chemin) {
  size_t n = strlen(dossier);
  const char* barre = n > 0 && dossier[n - 1] == '\\' ? "" : "\\";
  int k = snprintf(chemin, TAILLE_CHEMIN_PARCOURS, "%s%s%s", dossier, barre, nom);
  return k >= 0 && k < (int)TAILLE_CHEMIN_PARCOURS;
}

}  // namespace

Poignee DossierLister(const Fichiers* fichiers, const char* dossier, EntreeDossier* entree) {
  char motif[TAILLE_CHEMIN_PARCOURS + 4];
  if (!MotifDossier(dossier, "*.*", motif, sizeof motif)) return nullptr;
  return fichiers->liste_premier(fichiers->ctx, motif, entree);
}

int DossierParcourir(const ParcoursDossier* p, const char* dossier, Poignee liste,
                     EntreeDossier* entree) {
  const Fichiers* fichiers = p->fichiers;
  int suite = 1;
  do {
    if (strcmp(entree->nom, ".") == 0 || strcmp(entree->nom, "..") == 0) continue;
    char chemin[TAILLE_CHEMIN_PARCOURS];
    if (!Joindre(dossier, entree->nom, chemin)) continue;
    if (!(entree->attributs & ATTRIBUT_DOSSIER)) {
      suite = p->fichier(p->contexte, dossier, entree->nom, chemin);
    } else if (p->sous_dossiers) {
      EntreeDossier sous;
      Poignee l = DossierLister(fichiers, chemin, &sous);
      if (l) suite = DossierParcourir(p, chemin, l, &sous);
    }
  } while (suite && fichiers->liste_suivant(fichiers->ctx, liste, entree));
  fichiers->liste_fermer(fichiers->ctx, liste);
  return suite;
}
