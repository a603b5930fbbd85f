#include "sortie.h"

#include <cstring>

Sortie SortieOuvrir(const Fichiers* fichiers, Poignee fichier, uint8_t* tampon) {
  return Sortie{.fichiers = fichiers, .fichier = fichier, .tampon = tampon, .plein = 0,
                .ecrits = 0, .echec = 0};
}

namespace {

void Ecrire(Sortie* s, const void* octets, size_t n) {
  if (s->echec || n == 0) return;
  size_t ecrit = s->fichiers->fichier_ecrire(s->fichiers->ctx, s->fichier, octets, n);
  s->ecrits += ecrit;
  if (ecrit != n) s->echec = 1;
}

}  // namespace

int SortieVider(Sortie* s) {
  Ecrire(s, s->tampon, s->plein);
  s->plein = 0;
  return !s->echec;
}

void SortieEcrire(Sortie* s, const void* octets, size_t n) {
  if (s->plein + n > TAILLE_TAMPON_SORTIE) {
    SortieVider(s);
    // A piece larger than the buffer goes straight to the file.
    if (n >= TAILLE_TAMPON_SORTIE) {
      Ecrire(s, octets, n);
      return;
    }
  }
  memcpy(s->tampon + s->plein, octets, n);
  s->plein += n;
}

void SortieTexte(Sortie* s, const char* texte) { SortieEcrire(s, texte, strlen(texte)); }
