#include "outils_donnees.h"

#include <cstdio>
#include <cstring>

#include "chaines.h"
#include "sortie.h"
#include "titre.h"

int MessageSpec(const Fenetres* fenetres, Poignee proprietaire, const char* texte, unsigned style) {
  return fenetres->message(fenetres->ctx, proprietaire, texte, TITRE_LORVANIX, style);
}

void EnteteSpec(const char* magie, uint8_t entete[TAILLE_ENTETE]) {
  memset(entete, 0, TAILLE_ENTETE);
  size_t n = strlen(magie);
  memcpy(entete, magie, n < TAILLE_ENTETE - 1 ? n : TAILLE_ENTETE - 1);
}

int EnteteValide(const uint8_t entete[TAILLE_ENTETE], const char* magie) {
  char texte[TAILLE_ENTETE + 1];
  memcpy(texte, entete, TAILLE_ENTETE);
  texte[TAILLE_ENTETE] = 0;
  return strcmp(texte, magie) == 0;
}

int EspaceLibreChemin(const Fichiers* fichiers, const char* chemin, uint64_t* libre) {
  char racine[4];
  snprintf(racine, sizeof racine, "%s", chemin);
  *libre = 0;
  return fichiers->espace_libre(fichiers->ctx, racine, libre);
}

uint64_t TailleExistante(const Fichiers* fichiers, const char* chemin) {
  Poignee f = fichiers->fichier_ouvrir(fichiers->ctx, chemin);
  if (!f) return 0;
  int64_t t = fichiers->fichier_taille(fichiers->ctx, f);
  fichiers->fichier_fermer(fichiers->ctx, f);
  return t > 0 ? (uint64_t)t : 0;
}

int FichierACote(const Fichiers* fichiers, const char* chemin, char* temporaire) {
  char dossier[260];
  DossierDuChemin(chemin, dossier, sizeof dossier);
  if (!dossier[0]) snprintf(dossier, sizeof dossier, ".");
  if (fichiers->fichier_temporaire(fichiers->ctx, dossier, temporaire)) return 1;
  temporaire[0] = 0;
  return 0;
}


int CopierOctets(const Fichiers* fichiers, const Fenetres* fenetres, Poignee de, Poignee vers,
                 uint64_t n, uint8_t* tampon, size_t taille_tampon, Poignee fenetre) {
  while (n > 0) {
    size_t morceau = n < taille_tampon ? (size_t)n : taille_tampon;
    if (fichiers->fichier_lire(fichiers->ctx, de, tampon, morceau) != morceau ||
        fichiers->fichier_ecrire(fichiers->ctx, vers, tampon, morceau) != morceau)
      return 0;
    if (fenetre) fenetres->redessiner(fenetres->ctx, fenetre);
    n -= morceau;
  }
  return 1;
}
