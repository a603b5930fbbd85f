#include "fichier_donnees.h"

#include <cstdio>
#include <cstring>

#include "titre.h"

namespace {

uint16_t Refuser(const Fenetres* fenetres, Poignee fenetre, const char* texte, unsigned icone) {
  fenetres->message(fenetres->ctx, fenetre, texte, TITRE_LORVANIX, BOITE_OK | icone);
  return 0;
}

// The magic with its NUL, then zeros up to 40 bytes.
void FaireEntete(const char* magie, uint8_t entete[TAILLE_ENTETE]) {
  memset(entete, 0, TAILLE_ENTETE);
  size_t n = strlen(magie);
  memcpy(entete, magie, n < TAILLE_ENTETE - 1 ? n : TAILLE_ENTETE - 1);
}

// Walks the cards as their bytes go by, a chunk at a time, by the rules of
// FichesValides: so a file is checked whole before the store is touched.
enum Etape { LONGUEUR_BAS, LONGUEUR_HAUT, NUL_FINAL, COPIE_BAS, COPIE_HAUT };
struct Parcours {
  uint64_t taille;   // bytes of the cards
  uint32_t total;    // cards the file announces
  uint32_t cartes;   // cards walked whole
  uint32_t champ;    // field of the card being walked
  uint64_t attendu;  // offset of the next byte looked at
  Etape etape;
  uint32_t l, copie;  // the field's length word and its trailing copy
  int faute;
};

void ParcoursDebut(Parcours* v, uint64_t taille, uint32_t total) {
  *v = Parcours{};
  v->taille = taille;
  v->total = total;
  v->attendu = 2;  // the first card's mark word
}

void ChampFini(Parcours* v, uint64_t suivant) {
  v->etape = LONGUEUR_BAS;
  if (++v->champ == NB_CHAMPS) {
    v->champ = 0;
    if (++v->cartes < v->total) suivant += 2;
  }
  v->attendu = suivant;
}

// The n bytes of morceau are those at offset base of the cards.
void ParcoursAvancer(Parcours* v, const uint8_t* morceau, uint64_t base, size_t n) {
  const uint64_t bout = base + n;
  while (!v->faute && v->cartes < v->total && v->attendu < bout) {
    uint64_t q = v->attendu;
    const uint8_t* c = morceau + (q - base);
    if (v->etape == LONGUEUR_BAS && q + 2 <= bout) {
      uint32_t l = LireMot(c);
      if (l == 0 || v->taille < q + 4 + l) {
        v->faute = 1;
      } else if (q + 4 + l <= bout) {
        // Most fields lie whole inside one chunk.
        if (c[1 + l] != 0 || LireMot(c + 2 + l) != l) v->faute = 1;
        ChampFini(v, q + 4 + l);
      } else {
        v->l = l;
        v->attendu = q + 1 + l;
        v->etape = NUL_FINAL;
      }
      continue;
    }
    // A field astride two chunks: one byte at a time.
    switch (v->etape) {
      case LONGUEUR_BAS:
        v->l = *c;
        v->attendu++;
        v->etape = LONGUEUR_HAUT;
        break;
      case LONGUEUR_HAUT:
        v->l |= (uint32_t)*c << 8;
        if (v->l == 0 || v->taille < q + 3 + v->l) v->faute = 1;
        v->attendu = q + v->l;
        v->etape = NUL_FINAL;
        break;
      case NUL_FINAL:
        if (*c != 0) v->faute = 1;
        v->attendu++;
        v->etape = COPIE_BAS;
        break;
      case COPIE_BAS:
        v->copie = *c;
        v->attendu++;
        v->etape = COPIE_HAUT;
        break;
      case COPIE_HAUT:
        if ((v->copie | (uint32_t)*c << 8) != v->l) v->faute = 1;
        ChampFini(v, q + 1);
        break;
    }
  }
}

int ParcoursBon(const Parcours* v) {
  return !v->faute && v->cartes == v->total && v->attendu == v->taille;
}

// First pass: the file through the transfer buffer, nothing kept.
int VerifierFichier(const Fichiers* fichiers, Poignee f, uint64_t taille, uint32_t total,
                    uint8_t* tampon) {
  Parcours v;
  ParcoursDebut(&v, taille, total);
  for (uint64_t lu = 0; lu < taille && !v.faute;) {
    size_t morceau = taille - lu < TAILLE_TRANSFERT ? (size_t)(taille - lu) : (size_t)TAILLE_TRANSFERT;
    if (fichiers->fichier_lire(fichiers->ctx, f, tampon, morceau) != morceau) return 0;
    ParcoursAvancer(&v, tampon, lu, morceau);
    lu += morceau;
  }
  return ParcoursBon(&v);
}

// Second pass: straight into the store, walked again as it comes, in case
// the file changed between the two passes.
int LireTout(const Fichiers* fichiers, const Fenetres* fenetres, Poignee f, uint8_t* dest,
             uint64_t taille, uint32_t total, Poignee fenetre) {
  Parcours v;
  ParcoursDebut(&v, taille, total);
  for (uint64_t lu = 0; lu < taille;) {
    fenetres->redessiner(fenetres->ctx, fenetre);
    size_t morceau = taille - lu < TAILLE_TRANSFERT ? (size_t)(taille - lu) : (size_t)TAILLE_TRANSFERT;
    if (fichiers->fichier_lire(fichiers->ctx, f, dest + lu, morceau) != morceau) return 0;
    ParcoursAvancer(&v, dest + lu, lu, morceau);
    lu += morceau;
  }
  return ParcoursBon(&v);
}

int EcrireTout(const Fichiers* fichiers, const Fenetres* fenetres, Poignee f, const uint8_t* source,
               uint64_t taille, uint8_t* tampon, Poignee fenetre) {
  while (taille > 0) {
    size_t morceau = taille < TAILLE_TRANSFERT ? (size_t)taille : (size_t)TAILLE_TRANSFERT;
    memcpy(tampon, source, morceau);
    fenetres->redessiner(fenetres->ctx, fenetre);
    if (fichiers->fichier_ecrire(fichiers->ctx, f, tampon, morceau) != morceau) return 0;
    source += morceau;
    taille -= morceau;
  }
  return 1;
}

}  // namespace

uint16_t DonneesCharger(const Memoire* memoire, const Fichiers* fichiers, const Fenetres* fenetres,
                        Magasin* m, const char* chemin, const char* magie, Poignee fleche,
                        Poignee attente, uint8_t* tampon, Poignee fenetre) {
  fenetres->redessiner(fenetres->ctx, fenetre);
  Poignee f = fichiers->fichier_ouvrir(fichiers->ctx, chemin);
  if (!f) return Refuser(fenetres, fenetre, "Ouverture du fichier impossible.", ICONE_ERREUR);

  const char* refus = nullptr;
  unsigned icone = ICONE_ERREUR;
  int64_t longueur = fichiers->fichier_taille(fichiers->ctx, f);
  uint8_t entete[TAILLE_ENTETE] = {0};
  uint8_t compte[4];
  size_t lu = 0;
  if (longueur == 0) {
    refus = "Ce fichier est vide.";
  } else if (longueur < 0) {
    refus = "Ouverture du fichier impossible.";
  } else {
    lu = fichiers->fichier_lire(fichiers->ctx, f, entete, TAILLE_ENTETE);
    size_t n = strlen(magie) + 1;
    if (n > TAILLE_ENTETE) n = TAILLE_ENTETE;
    // Too short to hold a card and its count: no file the program writes.
    if (lu < n || memcmp(entete, magie, n) != 0 || longueur < TAILLE_ENTETE + 4) {
      refus = "Erreur de format.";
    } else if (!fichiers->fichier_positionner(fichiers->ctx, f, longueur - 4) ||
               fichiers->fichier_lire(fichiers->ctx, f, compte, 4) != 4) {
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
    fichiers->fichier_fermer(fichiers->ctx, f);
    return Refuser(fenetres, fenetre, refus, icone);
  }

  uint32_t total = LireLong(compte);
  uint32_t taille = (uint32_t)(longueur - TAILLE_ENTETE - 4);

  // The whole file is checked before the store is touched: a corrupt file
  // leaves the work in progress as it was.
  fenetres->curseur(fenetres->ctx, attente);
  if (!fichiers->fichier_positionner(fichiers->ctx, f, TAILLE_ENTETE) ||
      !VerifierFichier(fichiers, f, taille, total, tampon)) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    fenetres->curseur(fenetres->ctx, fleche);
    return Refuser(fenetres, fenetre, "Erreur de format.", ICONE_ERREUR);
  }

  // The store's own block, grown only when too small: one copy of the
  // file in memory, and pages already in use are used again.
  Poignee bloc = m->GlobalDebutMem;
  uint8_t* debut = m->lpDebutMem;
  uint32_t long_size = m->longSize;
  if (!bloc || !debut) {
    long_size = taille + MARGE_BLOC;
    bloc = memoire->bloc_allouer(memoire->ctx, long_size);
    debut = bloc ? memoire->bloc_verrouiller(memoire->ctx, bloc) : nullptr;
  } else if (long_size < taille + MARGE_BLOC) {
    long_size = taille + MARGE_BLOC;
    memoire->bloc_deverrouiller(memoire->ctx, bloc);
    Poignee nouveau = memoire->bloc_reallouer(memoire->ctx, bloc, long_size);
    if (!nouveau) {
      // The old block is still there, as it was.
      memoire->bloc_verrouiller(memoire->ctx, bloc);
      bloc = nullptr;
    } else {
      bloc = nouveau;
      debut = memoire->bloc_verrouiller(memoire->ctx, bloc);
    }
  }
  if (!bloc) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    fenetres->curseur(fenetres->ctx, fleche);
    return Refuser(fenetres, fenetre, "Allocation de mémoire impossible !", ICONE_ERREUR);
  }
  int bon = fichiers->fichier_positionner(fichiers->ctx, f, TAILLE_ENTETE) &&
            LireTout(fichiers, fenetres, f, debut, taille, total, fenetre);
  fichiers->fichier_fermer(fichiers->ctx, f);
  fenetres->curseur(fenetres->ctx, fleche);

  m->GlobalDebutMem = bloc;
  m->lpDebutMem = debut;
  m->longSize = long_size;
  m->NumFiche = 1;
  if (!bon) {
    // Changed or unreadable since it was checked: the old cards are gone,
    // so the store is left holding one empty card.
    FicheEcrireVide(debut);
    m->lpFinMem = debut + TAILLE_FICHE_VIDE;
    m->lpFicheEcran = debut;
    m->TailleTotaleFiches = TAILLE_FICHE_VIDE;
    m->TotalFiches = 1;
    return Refuser(fenetres, fenetre, "Erreur de format.", ICONE_ERREUR);
  }
  m->lpFinMem = debut + taille;
  m->lpFicheEcran = debut;
  m->TailleTotaleFiches = taille;
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

int EcrireFichier(const Fichiers* fichiers, const Fenetres* fenetres, Poignee f,
                  const uint8_t* debut, uint32_t taille, const char* magie, uint32_t total,
                  uint8_t* tampon, Poignee fenetre) {
  uint8_t entete[TAILLE_ENTETE];
  FaireEntete(magie, entete);
  uint8_t compte[4];
  EcrireLong(compte, total);
  int bon = fichiers->fichier_ecrire(fichiers->ctx, f, entete, TAILLE_ENTETE) == TAILLE_ENTETE &&
            EcrireTout(fichiers, fenetres, f, debut, taille, tampon, fenetre) &&
            fichiers->fichier_ecrire(fichiers->ctx, f, compte, 4) == 4;
  return fichiers->fichier_fermer(fichiers->ctx, f) && bon;
}

}  // namespace

uint16_t DonneesSauver(const Fichiers* fichiers, const Fenetres* fenetres, const uint8_t* debut,
                       const uint8_t* fin, const char* chemin, const char* magie, uint32_t taille,
                       uint32_t total, Poignee fleche, Poignee attente, uint8_t* tampon,
                       Poignee fenetre) {
  fenetres->redessiner(fenetres->ctx, fenetre);
  if (fin == debut) return 1;

  uint64_t besoin = (uint64_t)taille + TAILLE_ENTETE + 4;
  char racine[4];
  snprintf(racine, sizeof racine, "%s", chemin);
  uint64_t libre = 0;
  int libre_connu = fichiers->espace_libre(fichiers->ctx, racine, &libre);
  uint64_t ancien = 0;
  if (Poignee f = fichiers->fichier_ouvrir(fichiers->ctx, chemin)) {
    int64_t t = fichiers->fichier_taille(fichiers->ctx, f);
    if (t > 0) ancien = (uint64_t)t;
    fichiers->fichier_fermer(fichiers->ctx, f);
  }
  if (libre_connu && ancien < besoin && ancien + libre < besoin)
    return Refuser(fenetres, fenetre,
                   "Il n'y a pas assez de place sur le disque, impossible d'exécuter l'opération.",
                   ICONE_ERREUR);

  // Room for a whole second copy: write it beside the old file, then move it
  // over, so that a failed write never leaves a half-written data file.
  char temporaire[260] = {0};
  if (!libre_connu || libre >= besoin) {
    char dossier[260];
    DossierDe(chemin, dossier, sizeof dossier);
    if (!fichiers->fichier_temporaire(fichiers->ctx, dossier, temporaire)) temporaire[0] = 0;
  }
  const char* cible = temporaire[0] ? temporaire : chemin;
  Poignee f = fichiers->fichier_creer(fichiers->ctx, cible);
  if (f && fichiers->fichier_taille(fichiers->ctx, f) != 0) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    f = nullptr;
  }
  if (!f) {
    if (temporaire[0]) fichiers->fichier_supprimer(fichiers->ctx, temporaire);
    return Refuser(fenetres, fenetre, "Ecriture sur le disque impossible.", ICONE_ERREUR);
  }

  fenetres->curseur(fenetres->ctx, attente);
  int bon = EcrireFichier(fichiers, fenetres, f, debut, taille, magie, total, tampon, fenetre);
  if (bon && temporaire[0]) bon = fichiers->fichier_remplacer(fichiers->ctx, temporaire, chemin);
  if (!bon && temporaire[0]) fichiers->fichier_supprimer(fichiers->ctx, temporaire);
  fenetres->curseur(fenetres->ctx, fleche);
  if (!bon) return Refuser(fenetres, fenetre, "Ecriture sur le disque impossible.", ICONE_ERREUR);
  return 1;
}
