// The depth-first walk of a folder tree shared by the favourites and the
// extra-web folder imports: each folder's entries in listing order, "." and
// ".." passed over, a sub-folder entered as soon as it is listed whatever
// its other attributes.
#pragma once
#include <cstdint>

#include "plateforme.h"
#include "provenance.h"  // LONGUEUR_CHEMIN_IMPORT

enum : uint32_t {
  TAILLE_CHEMIN_PARCOURS = LONGUEUR_CHEMIN_IMPORT + 1,  // a folder or file of the walk, NUL included
};

struct ParcoursDossier {
  const Fichiers* fichiers;
  int sous_dossiers;  // 0: sub-folders are passed over
  void* contexte;     // handed back to fichier
  // One file: the folder that holds it, its name and its full path. 0 stops
  // the walk.
  int (*fichier)(void* contexte, const char* dossier, const char* nom, const char* chemin);
};

// Lists every entry of dossier ("*.*"): the listing and its first entry in
// entree, or null when nothing is listed (no such folder included).
Poignee DossierLister(const Fichiers* fichiers, const char* dossier, EntreeDossier* entree);

// Walks dossier from its listing begun by DossierLister, which it closes.
// 1 when every entry was seen, 0 when fichier stopped the walk.
int DossierParcourir(const ParcoursDossier* p, const char* dossier, Poignee liste,
                     EntreeDossier* entree);
