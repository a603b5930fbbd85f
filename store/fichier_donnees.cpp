#include "fichier_donnees.h"

#include <cstdio>
#include <cstring>

#include "titre.h"

namespace {

uint16_t Refuser(const Plateforme* pf, Poignee fenetre, const char* texte, unsigned icone) {
  pf->message(pf->ctx, fenetre, texte, TITRE_LORVANIX, BOITE_OK | icone);
  return 0;
}

// The magic with its NUL, then zeros up to 40 bytes.
void FaireEntete(const char* magie, uint8_t entete[TAILLE_ENTETE]) {
  memset(entete, 0, TAILLE_ENTETE);
  size_t n = strlen(magie);
  memcpy(entete, magie, n < TAILLE_ENTETE - 1 ? n : TAILLE_ENTETE - 1);
}

int LireTout(const Plateforme* pf, Poignee f, uint8_t* dest, uint64_t taille, uint8_t* tampon,
             Poignee fenetre) {
  while (taille > 0) {
    pf->redessiner(pf->ctx, fenetre);
    size_t morceau = taille < TAILLE_TRANSFERT ? (size_t)taille : (size_t)TAILLE_TRANSFERT;
    if (pf->fichier_lire(pf->ctx, f, tampon, morceau) != morceau) return 0;
    memcpy(dest, tampon, morceau);
    dest += morceau;
    taille -= morceau;
  }
  return 1;
}

int EcrireTout(const Plateforme* pf, Poignee f, const uint8_t* source, uint64_t taille,
               uint8_t* tampon, Poignee fenetre) {
  while (taille > 0) {
    size_t morceau = taille < TAILLE_TRANSFERT ? (size_t)taille : (size_t)TAILLE_TRANSFERT;
    memcpy(tampon, source, morceau);
    pf->redessiner(pf->ctx, fenetre);
    if (pf->fichier_ecrire(pf->ctx, f, tampon, morceau) != morceau) return 0;
    source += morceau;
    taille -= morceau;
  }
  return 1;
}

}  // namespace

uint16_t DonneesCharger(const Plateforme* pf, Magasin* m, const char* chemin, const char* magie,
                        Poignee fleche, Poignee attente, uint8_t* tampon, Poignee fenetre) {
  pf->redessiner(pf->ctx, fenetre);
  Poignee f = pf->fichier_ouvrir(pf->ctx, chemin);
  if (!f) return Refuser(pf, fenetre, "Ouverture du fichier impossible.", ICONE_ERREUR);

  const char* refus = nullptr;
  unsigned icone = ICONE_ERREUR;
  int64_t longueur = pf->fichier_taille(pf->ctx, f);
  uint8_t entete[TAILLE_ENTETE] = {0};
  uint8_t compte[4];
  size_t lu = 0;
  if (longueur == 0) {
    refus = "Ce fichier est vide.";
  } else if (longueur < 0) {
    refus = "Ouverture du fichier impossible.";
  } else {
    lu = pf->fichier_lire(pf->ctx, f, entete, TAILLE_ENTETE);
    size_t n = strlen(magie) + 1;
    if (n > TAILLE_ENTETE) n = TAILLE_ENTETE;
    // Too short to hold a card and its count: no file the program writes.
    if (lu < n || memcmp(entete, magie, n) != 0 || longueur < TAILLE_ENTETE + 4) {
      refus = "Erreur de format.";
    } else if (!pf->fichier_positionner(pf->ctx, f, longueur - 4) ||
               pf->fichier_lire(pf->ctx, f, compte, 4) != 4) {
      refus = "Erreur de format.";
    } else if (LireLong(compte) > MAX_FICHES) {
      refus = "Ce fichier contient trop de fiches.";
      icone = ICONE_ATTENTION;
    } else if (LireLong(compte) == 0 ||
               (uint64_t)longueur - TAILLE_ENTETE - 4 > UINT32_MAX - MARGE_BLOC) {
      refus = "Erreur de format.";
    }
  }
  if (refus) {
    pf->fichier_fermer(pf->ctx, f);
    return Refuser(pf, fenetre, refus, icone);
  }

  uint32_t total = LireLong(compte);
  uint32_t taille = (uint32_t)(longueur - TAILLE_ENTETE - 4);
  uint32_t long_size = m->longSize < taille + MARGE_BLOC ? taille + MARGE_BLOC : m->longSize;

  // The cards go into a new block first, so that a file found corrupt
  // halfway leaves the work in progress untouched.
  Poignee bloc = pf->bloc_allouer(pf->ctx, long_size);
  if (!bloc) {
    pf->fichier_fermer(pf->ctx, f);
    return Refuser(pf, fenetre, "Allocation de mémoire impossible !", ICONE_ERREUR);
  }
  uint8_t* debut = pf->bloc_verrouiller(pf->ctx, bloc);
  pf->curseur(pf->ctx, attente);
  int bon = pf->fichier_positionner(pf->ctx, f, TAILLE_ENTETE) &&
            LireTout(pf, f, debut, taille, tampon, fenetre) && FichesValides(debut, taille, total);
  pf->fichier_fermer(pf->ctx, f);
  pf->curseur(pf->ctx, fleche);
  if (!bon) {
    pf->bloc_deverrouiller(pf->ctx, bloc);
    pf->bloc_liberer(pf->ctx, bloc);
    return Refuser(pf, fenetre, "Erreur de format.", ICONE_ERREUR);
  }

  if (m->GlobalDebutMem) {
    pf->bloc_deverrouiller(pf->ctx, m->GlobalDebutMem);
    pf->bloc_liberer(pf->ctx, m->GlobalDebutMem);
  }
  m->GlobalDebutMem = bloc;
  m->lpDebutMem = debut;
  m->lpFinMem = debut + taille;
  m->lpFicheEcran = debut;
  m->TailleTotaleFiches = taille;
  m->longSize = long_size;
  m->NumFiche = 1;
  m->TotalFiches = (int32_t)total;
  return 1;
}

namespace {

// Folder of a path with its last backslash; "." when there is none.
void DossierDe(const char* chemin, char* dossier, size_t taille) {
  const char* dernier = strrchr(chemin, '\\');
  size_t n = dernier ? (size_t)(dernier - chemin) + 1 : 0;
  if (n == 0 || n >= taille) {
    snprintf(dossier, taille, ".");
    return;
  }
  memcpy(dossier, chemin, n);
  dossier[n] = 0;
}

int EcrireFichier(const Plateforme* pf, Poignee f, const uint8_t* debut, uint32_t taille,
                  const char* magie, uint32_t total, uint8_t* tampon, Poignee fenetre) {
  uint8_t entete[TAILLE_ENTETE];
  FaireEntete(magie, entete);
  uint8_t compte[4];
  EcrireLong(compte, total);
  int bon = pf->fichier_ecrire(pf->ctx, f, entete, TAILLE_ENTETE) == TAILLE_ENTETE &&
            EcrireTout(pf, f, debut, taille, tampon, fenetre) &&
            pf->fichier_ecrire(pf->ctx, f, compte, 4) == 4;
  return pf->fichier_fermer(pf->ctx, f) && bon;
}

}  // namespace

uint16_t DonneesSauver(const Plateforme* pf, const uint8_t* debut, const uint8_t* fin,
                       const char* chemin, const char* magie, uint32_t taille, uint32_t total,
                       Poignee fleche, Poignee attente, uint8_t* tampon, Poignee fenetre) {
  pf->redessiner(pf->ctx, fenetre);
  if (fin == debut) return 1;

  uint64_t besoin = (uint64_t)taille + TAILLE_ENTETE + 4;
  char racine[4];
  snprintf(racine, sizeof racine, "%s", chemin);
  uint64_t libre = 0;
  int libre_connu = pf->espace_libre(pf->ctx, racine, &libre);
  uint64_t ancien = 0;
  if (Poignee f = pf->fichier_ouvrir(pf->ctx, chemin)) {
    int64_t t = pf->fichier_taille(pf->ctx, f);
    if (t > 0) ancien = (uint64_t)t;
    pf->fichier_fermer(pf->ctx, f);
  }
  if (libre_connu && ancien < besoin && ancien + libre < besoin)
    return Refuser(pf, fenetre,
                   "Il n'y a pas assez de place sur le disque, impossible d'exécuter l'opération.",
                   ICONE_ERREUR);

  // Room for a whole second copy: write it beside the old file, then move it
  // over, so that a failed write never leaves a half-written data file.
  char temporaire[260] = {0};
  if (!libre_connu || libre >= besoin) {
    char dossier[260];
    DossierDe(chemin, dossier, sizeof dossier);
    if (!pf->fichier_temporaire(pf->ctx, dossier, temporaire)) temporaire[0] = 0;
  }
  const char* cible = temporaire[0] ? temporaire : chemin;
  Poignee f = pf->fichier_creer(pf->ctx, cible);
  if (f && pf->fichier_taille(pf->ctx, f) != 0) {
    pf->fichier_fermer(pf->ctx, f);
    f = nullptr;
  }
  if (!f) {
    if (temporaire[0]) pf->fichier_supprimer(pf->ctx, temporaire);
    return Refuser(pf, fenetre, "Ecriture sur le disque impossible.", ICONE_ERREUR);
  }

  pf->curseur(pf->ctx, attente);
  int bon = EcrireFichier(pf, f, debut, taille, magie, total, tampon, fenetre);
  if (bon && temporaire[0]) bon = pf->fichier_remplacer(pf->ctx, temporaire, chemin);
  if (!bon && temporaire[0]) pf->fichier_supprimer(pf->ctx, temporaire);
  pf->curseur(pf->ctx, fleche);
  if (!bon) return Refuser(pf, fenetre, "Ecriture sur le disque impossible.", ICONE_ERREUR);
  return 1;
}
