#include "decouper.h"

#include <cstdio>
#include <cstring>

#include "fichier_cible.h"
#include "outils_donnees.h"

namespace {

const char RECONSTITUER[] = "\n\nVotre fichier source est réduit de moitié, Lorvanix va le reconstituer.";

// What a rewrite puts in a file from the temporary copy: n bytes from
// offset debut, with the header before them and a count after them when
// asked.
struct Contenu {
  int entete;
  uint64_t debut, n;
  int avec_compte;
  uint32_t compte;
};

uint64_t TailleContenu(const Contenu& c) {
  return (c.entete ? (uint64_t)TAILLE_ENTETE : 0) + c.n + (c.avec_compte ? 4 : 0);
}

int EcrireContenu(const DecoupeSpec* d, Poignee copie, Poignee f, const Contenu& c) {
  const Fichiers* fichiers = d->sys->fichiers;
  uint8_t entete[TAILLE_ENTETE];
  EnteteSpec(d->magie, entete);
  uint8_t compte[4];
  EcrireLong(compte, c.compte);
  return (!c.entete ||
          fichiers->fichier_ecrire(fichiers->ctx, f, entete, TAILLE_ENTETE) == TAILLE_ENTETE) &&
         fichiers->fichier_positionner(fichiers->ctx, copie, (int64_t)c.debut) &&
         CopierOctets(fichiers, d->sys->fenetres, copie, f, c.n, d->tampon, TAILLE_TRANSFERT,
                      nullptr) &&
         (!c.avec_compte || fichiers->fichier_ecrire(fichiers->ctx, f, compte, 4) == 4);
}

enum Reecriture {
  REECRIT,
  CREATION_IMPOSSIBLE,  // nothing changed
  NON_VIDE,             // nothing changed
  ECRITURE_MANQUEE,     // the file is as it was, unless *abime
};

// Rewrites chemin whole: beside it, then moved over it, when its drive
// has room for both; else in place, created again and truncated, and
// *abime tells whether a failure left it half-written.
Reecriture Reecrire(const DecoupeSpec* d, Poignee copie, const char* chemin, const Contenu& c,
                    int* abime) {
  const Fichiers* fichiers = d->sys->fichiers;
  *abime = 0;
  uint64_t libre;
  char temporaire[260] = "";
  if (!EspaceLibreChemin(fichiers, chemin, &libre) || libre >= TailleContenu(c))
    FichierACote(fichiers, chemin, temporaire);
  const char* cible = temporaire[0] ? temporaire : chemin;
  Poignee f = fichiers->fichier_creer(fichiers->ctx, cible);
  Reecriture r = REECRIT;
  if (!f) {
    r = CREATION_IMPOSSIBLE;
  } else if (fichiers->fichier_taille(fichiers->ctx, f) != 0) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    r = NON_VIDE;
  } else {
    int bon = EcrireContenu(d, copie, f, c);
    bon = fichiers->fichier_fermer(fichiers->ctx, f) && bon;
    if (bon && temporaire[0]) bon = fichiers->fichier_remplacer(fichiers->ctx, temporaire, chemin);
    if (!bon) {
      r = ECRITURE_MANQUEE;
      *abime = !temporaire[0];
    }
  }
  if (r != REECRIT && temporaire[0]) fichiers->fichier_supprimer(fichiers->ctx, temporaire);
  return r;
}

// The file to cut put back whole from the copy. 0 after its box when even
// that failed: the copy is then kept, the only whole one left.
int Reconstituer(const DecoupeSpec* d, Poignee copie, const char* source, uint64_t taille) {
  int abime;
  if (Reecrire(d, copie, source, Contenu{0, 0, taille, 0, 0}, &abime) == REECRIT) return 1;
  MessageSpec(d->sys->fenetres, d->fenetre, "Ecriture sur le disque impossible.",
              BOITE_OK | ICONE_ERREUR);
  return 0;
}

// Reads u16 words at rising offsets of a file through the transfer buffer.
struct Lecteur {
  const Fichiers* fichiers;
  Poignee f;
  uint8_t* tampon;
  uint64_t base;  // offset of tampon[0]
  size_t n;       // bytes held
};

int LireMotA(Lecteur* l, uint64_t position, uint32_t* mot) {
  if (position < l->base || position + 2 > l->base + l->n) {
    if (!l->fichiers->fichier_positionner(l->fichiers->ctx, l->f, (int64_t)position)) return 0;
    l->base = position;
    l->n = l->fichiers->fichier_lire(l->fichiers->ctx, l->f, l->tampon, TAILLE_TRANSFERT);
    if (l->n < 2) return 0;
  }
  *mot = LireMot(l->tampon + (position - l->base));
  return 1;
}

// Bytes of the first h cards after the header, walked by their length
// words; 0 when a length runs past the cards or leaves no room for one
// more card.
int TaillePremieres(const DecoupeSpec* d, Poignee copie, uint64_t fin_cartes, uint32_t h,
                    uint64_t* s) {
  Lecteur l{d->sys->fichiers, copie, d->tampon, 0, 0};
  uint64_t p = TAILLE_ENTETE;
  for (uint32_t i = 0; i < h; i++) {
    p += 2;  // the mark word
    for (uint32_t champ = 0; champ < NB_CHAMPS; champ++) {
      uint32_t longueur;
      if (p + 2 > fin_cartes || !LireMotA(&l, p, &longueur) || longueur == 0) return 0;
      p += longueur + 4;
    }
    if (p > fin_cartes) return 0;
  }
  if (p + TAILLE_FICHE_VIDE > fin_cartes) return 0;
  *s = p - TAILLE_ENTETE;
  return 1;
}

// The file to cut, checked: its size and card count.
int OuvrirSource(const DecoupeSpec* d, const char* source, Poignee* f, uint64_t* taille,
                 uint32_t* total) {
  const Fichiers* fichiers = d->sys->fichiers;
  const Fenetres* fenetres = d->sys->fenetres;
  *f = fichiers->fichier_ouvrir(fichiers->ctx, source);
  if (!*f) {
    MessageErreurFichier(fenetres, d->fenetre, fichiers->fichier_erreur(fichiers->ctx));
    return 0;
  }
  int64_t t = fichiers->fichier_taille(fichiers->ctx, *f);
  uint8_t entete[TAILLE_ENTETE];
  uint8_t compte[4];
  const char* refus = nullptr;
  if (t == 0)
    refus = "Ce fichier est vide";
  else if (t < TAILLE_ENTETE + 4 ||
           fichiers->fichier_lire(fichiers->ctx, *f, entete, TAILLE_ENTETE) != TAILLE_ENTETE ||
           !EnteteValide(entete, d->magie) ||
           !fichiers->fichier_positionner(fichiers->ctx, *f, t - 4) ||
           fichiers->fichier_lire(fichiers->ctx, *f, compte, 4) != 4)
    refus = "Erreur de format.";
  else if (LireLong(compte) < 2)
    refus = "Il n'y a pas assez de fiches dans ce fichier.";
  if (refus) {
    fichiers->fichier_fermer(fichiers->ctx, *f);
    MessageSpec(fenetres, d->fenetre, refus, BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  *taille = (uint64_t)t;
  *total = LireLong(compte);
  return 1;
}

// The second part: asked again while it names the file to cut, whatever
// the letter case or form of its name.
int ChoisirSeconde(const DecoupeSpec* d, const char* source) {
  const Fichiers* fichiers = d->sys->fichiers;
  for (;;) {
    if (!ChoisirCibleSpec(d->sys, d->cibles, USAGE_DECOUPER_SECONDE, d->fenetre, d->NomFichier,
                          d->dossier_programme))
      return 0;
    const char* seconde = d->cibles->usages[USAGE_DECOUPER_SECONDE].chemin;
    if (strcmp(seconde, source) != 0 && !fichiers->meme_fichier(fichiers->ctx, seconde, source))
      return 1;
    MessageSpec(d->sys->fenetres, d->fenetre,
                "Les deux parties doivent correspondre à des noms ou chemins de fichiers "
                "différents.\n\nChoisissez un autre fichier pour la deuxième partie du découpage",
                BOITE_OK | ICONE_ERREUR);
  }
}

// The whole file to cut copied into the system's temporary folder; its
// path in copie (260 bytes), open in *t.
int FaireCopie(const DecoupeSpec* d, Poignee source, uint64_t taille, char* copie, Poignee* t) {
  const Fichiers* fichiers = d->sys->fichiers;
  const Fenetres* fenetres = d->sys->fenetres;
  const char* echec =
      "Une erreur est survenue dans la création du fichier temporaire, impossible d'exécuter "
      "l'opération.";
  char dossier[260];
  copie[0] = 0;
  *t = nullptr;
  if (!fichiers->dossier_temporaire(fichiers->ctx, dossier)) {
    MessageSpec(fenetres, d->fenetre, echec, BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  uint64_t libre;
  if (EspaceLibreChemin(fichiers, dossier, &libre) && libre < taille) {
    MessageSpec(fenetres, d->fenetre,
                "Il n'y a pas assez de place sur le disque pour la création du fichier "
                "temporaire, impossible d'exécuter l'opération.",
                BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  if (!fichiers->fichier_temporaire(fichiers->ctx, dossier, copie)) {
    copie[0] = 0;
    MessageSpec(fenetres, d->fenetre, echec, BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  *t = fichiers->fichier_creer(fichiers->ctx, copie);
  int bon = *t && fichiers->fichier_taille(fichiers->ctx, *t) == 0;
  if (bon) {
    fenetres->curseur(fenetres->ctx, d->attente);
    bon = fichiers->fichier_positionner(fichiers->ctx, source, 0) &&
          CopierOctets(fichiers, fenetres, source, *t, taille, d->tampon, TAILLE_TRANSFERT,
                       d->fenetre);
  }
  if (bon) return 1;
  if (*t) fichiers->fichier_fermer(fichiers->ctx, *t);
  *t = nullptr;
  fichiers->fichier_supprimer(fichiers->ctx, copie);
  copie[0] = 0;
  fenetres->curseur(fenetres->ctx, d->fleche);
  MessageSpec(fenetres, d->fenetre, echec, BOITE_OK | ICONE_ERREUR);
  return 0;
}

// The second half into its own file; a failure shows its box and puts
// the file to cut back whole. 0 when the copy must be kept.
int EcrireSeconde(const DecoupeSpec* d, Poignee copie, const char* source, uint64_t taille,
                  const char* seconde, const Contenu& c, int* reussi) {
  const Fichiers* fichiers = d->sys->fichiers;
  const Fenetres* fenetres = d->sys->fenetres;
  *reussi = 0;
  const char* refus = nullptr;
  uint64_t besoin = TailleContenu(c);
  uint64_t existant = TailleExistante(fichiers, seconde);
  uint64_t libre;
  Poignee f = nullptr;
  if (EspaceLibreChemin(fichiers, seconde, &libre) && existant < besoin &&
      besoin > existant + libre) {
    refus = "Il n'y a pas assez de place sur le disque pour sauvegarder la deuxième moitièe du "
            "fichier. Impossible de poursuivre l'opération.";
  } else if (!(f = fichiers->fichier_creer(fichiers->ctx, seconde))) {
    refus = "Erreur d'écriture sur fichier destination, Impossible de poursuivre l'opération.";
  } else if (fichiers->fichier_taille(fichiers->ctx, f) != 0) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    refus = "Ecriture sur le disque de la deuxième moitiée du fichier interdite. Impossible de "
            "poursuivre l'opération.";
  } else {
    fenetres->curseur(fenetres->ctx, d->attente);
    int bon = EcrireContenu(d, copie, f, c);
    bon = fichiers->fichier_fermer(fichiers->ctx, f) && bon;
    if (bon) {
      *reussi = 1;
      return 1;
    }
    // Half a data file is no data file.
    fichiers->fichier_supprimer(fichiers->ctx, seconde);
    refus = "Erreur d'écriture sur fichier destination, Impossible de poursuivre l'opération.";
  }
  char texte[512];
  snprintf(texte, sizeof texte, "%s%s", refus, RECONSTITUER);
  fenetres->curseur(fenetres->ctx, d->fleche);
  MessageSpec(fenetres, d->fenetre, texte, BOITE_OK | ICONE_ERREUR);
  fenetres->curseur(fenetres->ctx, d->attente);
  int restaure = Reconstituer(d, copie, source, taille);
  fenetres->curseur(fenetres->ctx, d->fleche);
  return restaure;
}

}  // namespace

uint16_t DecouperFichier(const DecoupeSpec* d) {
  const Fichiers* fichiers = d->sys->fichiers;
  const Fenetres* fenetres = d->sys->fenetres;
  if (!ChoisirCibleSpec(d->sys, d->cibles, USAGE_DECOUPER_SOURCE, d->fenetre, d->NomFichier,
                        d->dossier_programme))
    return 0;
  const char* source = d->cibles->usages[USAGE_DECOUPER_SOURCE].chemin;
  Poignee f;
  uint64_t taille;
  uint32_t total;
  if (!OuvrirSource(d, source, &f, &taille, &total)) return 0;
  if (!ChoisirSeconde(d, source)) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    return 0;
  }
  const char* seconde = d->cibles->usages[USAGE_DECOUPER_SECONDE].chemin;

  char chemin_copie[260];
  Poignee copie;
  int bon = FaireCopie(d, f, taille, chemin_copie, &copie);
  fichiers->fichier_fermer(fichiers->ctx, f);
  if (!bon) return 0;

  // The first h cards stay; their bytes decide where the second half starts.
  uint32_t h = total / 2;
  uint64_t s = 0;
  int garder_copie = 0;
  bon = TaillePremieres(d, copie, taille - 4, h, &s);
  fenetres->curseur(fenetres->ctx, d->fleche);
  if (!bon) MessageSpec(fenetres, d->fenetre, "Erreur de format.", BOITE_OK | ICONE_ERREUR);

  if (bon) {
    fenetres->curseur(fenetres->ctx, d->attente);
    int abime;
    Reecriture r = Reecrire(d, copie, source, Contenu{1, TAILLE_ENTETE, s, 1, h}, &abime);
    fenetres->curseur(fenetres->ctx, d->fleche);
    if (r != REECRIT) {
      bon = 0;
      MessageSpec(fenetres, d->fenetre,
                  r == NON_VIDE ? "Ecriture sur le disque du fichier source interdite, "
                                  "impossible d'exécuter l'opération."
                                : "Erreur d'écriture sur le fichier source, impossible "
                                  "d'exécuter l'opération.",
                  BOITE_OK | ICONE_ERREUR);
      if (abime) garder_copie = !Reconstituer(d, copie, source, taille);
    }
  }
  if (bon) {
    uint64_t debut = TAILLE_ENTETE + s;
    garder_copie = !EcrireSeconde(d, copie, source, taille, seconde,
                                  Contenu{1, debut, taille - 4 - debut, 1, total - h}, &bon);
  }

  fichiers->fichier_fermer(fichiers->ctx, copie);
  if (!garder_copie) fichiers->fichier_supprimer(fichiers->ctx, chemin_copie);
  fenetres->curseur(fenetres->ctx, d->fleche);
  return (uint16_t)bon;
}
