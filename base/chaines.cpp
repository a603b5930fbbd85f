#include "chaines.h"

#include <cstring>

void CopierTexte(char* cible, const char* source, size_t taille) {
  if (taille == 0) return;
  if (!source) source = "";
  size_t n = strnlen(source, taille - 1);
  memmove(cible, source, n);
  cible[n] = 0;
}

void DossierDuChemin(const char* chemin, char* dossier, size_t taille) {
  if (taille == 0) return;
  const char* barre = strrchr(chemin, '\\');
  size_t n = barre ? (size_t)(barre - chemin) : 0;
  if (n >= taille) n = taille - 1;
  memmove(dossier, chemin, n);
  dossier[n] = 0;
}
