#include "tampon_fichier.h"

#include <cstring>

#include "fichier_donnees.h"
#include "titre.h"

TamponFichier hugeTampon;

namespace {

// Room for at least besoin bytes; the old contents need not survive. On
// failure the block (or its absence) stays as it was.
int Reserver(const Memoire* memoire, TamponFichier* t, uint32_t besoin) {
  if (t->bloc && t->capacite >= besoin) return 1;
  Poignee bloc;
  if (!t->bloc) {
    bloc = memoire->bloc_allouer(memoire->ctx, besoin);
  } else {
    memoire->bloc_deverrouiller(memoire->ctx, t->bloc);
    bloc = memoire->bloc_reallouer(memoire->ctx, t->bloc, besoin);
    if (!bloc) {
      t->octets = memoire->bloc_verrouiller(memoire->ctx, t->bloc);
      return 0;
    }
  }
  if (!bloc) return 0;
  t->bloc = bloc;
  t->octets = memoire->bloc_verrouiller(memoire->ctx, bloc);
  t->capacite = besoin;
  return 1;
}

}  // namespace

unsigned TamponFichierCharger(const Memoire* memoire, const Fichiers* fichiers,
                              const Fenetres* fenetres, TamponFichier* t, const char* chemin,
                              uint8_t* transfert, Poignee fenetre) {
  // A failed load leaves no data of the previous file to scan.
  t->longueur = 0;
  Poignee f = fichiers->fichier_ouvrir(fichiers->ctx, chemin);
  if (!f) return CHARGEMENT_NON_OUVERT;
  int64_t longueur = fichiers->fichier_taille(fichiers->ctx, f);
  unsigned echec = 0;
  if (longueur < 0)
    echec = CHARGEMENT_NON_OUVERT;
  else if (longueur == 0)
    echec = CHARGEMENT_VIDE;
  else if ((uint64_t)longueur > UINT32_MAX - MARGE_TAMPON_FICHIER ||
           !Reserver(memoire, t, (uint32_t)longueur + MARGE_TAMPON_FICHIER))
    echec = CHARGEMENT_SANS_MEMOIRE;
  if (echec) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    return echec;
  }

  for (;;) {
    fenetres->redessiner(fenetres->ctx, fenetre);
    size_t lu = fichiers->fichier_lire(fichiers->ctx, f, transfert, TAILLE_TRANSFERT);
    size_t place = t->capacite - t->longueur;
    memcpy(t->octets + t->longueur, transfert, lu < place ? lu : place);
    t->longueur += (uint32_t)(lu < place ? lu : place);
    if (lu < TAILLE_TRANSFERT || lu > place) break;
  }
  fichiers->fichier_fermer(fichiers->ctx, f);
  return 0;
}

void TamponFichierSignaler(const Fenetres* fenetres, Poignee fenetre, unsigned echecs) {
  static const struct {
    unsigned drapeau;
    const char* texte;
  } messages[] = {
      {CHARGEMENT_NON_OUVERT, "Une erreur est survenue. Impossible d'ouvrir ce fichier."},
      {CHARGEMENT_VIDE, "Ce fichier est vide."},
      {CHARGEMENT_SANS_MEMOIRE, "Impossible d'allouer la mémoire nécéssaire"},
  };
  for (const auto& m : messages)
    if (echecs & m.drapeau)
      fenetres->message(fenetres->ctx, fenetre, m.texte, TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
}

void TamponFichierLiberer(const Memoire* memoire, TamponFichier* t) {
  if (!t->bloc) return;
  memoire->bloc_deverrouiller(memoire->ctx, t->bloc);
  memoire->bloc_liberer(memoire->ctx, t->bloc);
  *t = TamponFichier{};
}
