#include "tampon_fichier.h"

#include <cstring>

#include "fichier_donnees.h"
#include "titre.h"

TamponFichier hugeTampon;

namespace {

// Room for at least besoin bytes; the old contents need not survive. On
// failure the block (or its absence) stays as it was.
int Reserver(const Plateforme* pf, TamponFichier* t, uint32_t besoin) {
  if (t->bloc && t->capacite >= besoin) return 1;
  Poignee bloc;
  if (!t->bloc) {
    bloc = pf->bloc_allouer(pf->ctx, besoin);
  } else {
    pf->bloc_deverrouiller(pf->ctx, t->bloc);
    bloc = pf->bloc_reallouer(pf->ctx, t->bloc, besoin);
    if (!bloc) {
      t->octets = pf->bloc_verrouiller(pf->ctx, t->bloc);
      return 0;
    }
  }
  if (!bloc) return 0;
  t->bloc = bloc;
  t->octets = pf->bloc_verrouiller(pf->ctx, bloc);
  t->capacite = besoin;
  return 1;
}

}  // namespace

unsigned TamponFichierCharger(const Plateforme* pf, TamponFichier* t, const char* chemin,
                              uint8_t* transfert, Poignee fenetre) {
  // A failed load leaves no data of the previous file to scan.
  t->longueur = 0;
  Poignee f = pf->fichier_ouvrir(pf->ctx, chemin);
  if (!f) return CHARGEMENT_NON_OUVERT;
  int64_t longueur = pf->fichier_taille(pf->ctx, f);
  unsigned echec = 0;
  if (longueur < 0)
    echec = CHARGEMENT_NON_OUVERT;
  else if (longueur == 0)
    echec = CHARGEMENT_VIDE;
  else if ((uint64_t)longueur > UINT32_MAX - MARGE_TAMPON_FICHIER ||
           !Reserver(pf, t, (uint32_t)longueur + MARGE_TAMPON_FICHIER))
    echec = CHARGEMENT_SANS_MEMOIRE;
  if (echec) {
    pf->fichier_fermer(pf->ctx, f);
    return echec;
  }

  for (;;) {
    pf->redessiner(pf->ctx, fenetre);
    size_t lu = pf->fichier_lire(pf->ctx, f, transfert, TAILLE_TRANSFERT);
    size_t place = t->capacite - t->longueur;
    memcpy(t->octets + t->longueur, transfert, lu < place ? lu : place);
    t->longueur += (uint32_t)(lu < place ? lu : place);
    if (lu < TAILLE_TRANSFERT || lu > place) break;
  }
  pf->fichier_fermer(pf->ctx, f);
  return 0;
}

void TamponFichierSignaler(const Plateforme* pf, Poignee fenetre, unsigned echecs) {
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
      pf->message(pf->ctx, fenetre, m.texte, TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
}

void TamponFichierLiberer(const Plateforme* pf, TamponFichier* t) {
  if (!t->bloc) return;
  pf->bloc_deverrouiller(pf->ctx, t->bloc);
  pf->bloc_liberer(pf->ctx, t->bloc);
  *t = TamponFichier{};
}
