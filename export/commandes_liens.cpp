#include "commandes_liens.h"

#include <cstring>

#include "dialogue_fichier.h"
#include "fichier_cible.h"
#include "lvxgest.h"
#include "titre.h"

namespace {

// Each form's dialog and save dialog.
struct Forme {
  ModeleLiens modele;
  const char* filtre;
  const char* titre_dialogue;
  const char* extension;
};

const Forme FORMES[] = {
    {MODELE_LIENSHTMLBOX, "HTML (*.htm)\0*.htm\0", "Générer la page de liens HTML sous...", "htm"},
    {MODELE_MAILINGLISTEBOX, "HTML (*.htm)\0*.htm\0", "Générer la mailing liste HTML sous...",
     "htm"},
    {MODELE_CREERFICHIERTEXTEBOX, "TEXTE (*.txt)\0*.txt\0TOUS (*.*)\0*.*\0",
     "Générer le fichier texte sous...", "txt"},
};

ModeSelection Mode(FormeLiens forme) {
  switch (forme) {
    case FORME_LIENS: return reglagesLiens.liens.mode;
    case FORME_MAILING: return reglagesLiens.mailing.mode;
    default: return reglagesLiens.texte.mode;
  }
}

// Boxes are owned by the window that has the focus.
void Message(CommandeLiens* c, const char* texte, unsigned style) {
  const Fenetres* f = c->sys->fenetres;
  f->message(f->ctx, f->focus_actuel(f->ctx), texte, TITRE_LORVANIX, BOITE_OK | style);
}

void Redessiner(CommandeLiens* c) {
  c->sys->fenetres->redessiner(c->sys->fenetres->ctx, c->fenetre);
}

// The checks made before a file is asked for.
int SelectionPossible(CommandeLiens* c, ModeSelection mode) {
  if (mode == SELECTION_RECHERCHE) {
    if (!CriteresUtilisables(&c->criteres)) {
      Message(c,
              "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement "
              "définis.",
              ICONE_ATTENTION);
      return 0;
    }
    if (PremiereCorrespondante(&c->criteres, c->lpDebutMem, c->lpFinMem) == c->lpFinMem) {
      Message(c, "Il n'y a pas de fiche correspondant aux critères de recherche.",
              ICONE_ATTENTION);
      return 0;
    }
  }
  if (mode == SELECTION_MARQUEES && PremiereMarquee(c->lpDebutMem, c->lpFinMem) == c->lpFinMem) {
    Message(c, "Il n'y a pas de fiche marquée", ICONE_ATTENTION);
    return 0;
  }
  return 1;
}

int ChoisirFichier(CommandeLiens* c, const Forme* forme) {
  memset(c->chemin, 0, TAILLE_CHEMIN);
  DialogueFichier d = {};
  d.proprietaire = c->fenetre;
  d.filtre = forme->filtre;
  d.titre = forme->titre_dialogue;
  d.chemin = c->chemin;
  d.taille_chemin = TAILLE_CHEMIN;
  d.extension = forme->extension;
  d.enregistrer = 1;
  d.cacher_lecture_seule = 1;
  d.chemin_doit_exister = 1;
  d.confirmer_ecrasement = 1;
  const DialoguesCommuns* communs = c->sys->communs;
  if (communs->dialogue_fichier(communs->ctx, &d)) return 1;
  if (d.erreur) MessageErreurDialogue(c->sys->fenetres, c->fenetre, d.erreur);
  return 0;
}

int Retenue(CommandeLiens* c, ModeSelection mode, uint8_t* fiche) {
  switch (mode) {
    case SELECTION_RECHERCHE: return FicheCorrespond(&c->criteres, fiche);
    case SELECTION_MARQUEES: return FicheMarque(fiche) == 1;
    default: return 1;
  }
}

// The walk: from the card on screen alone, or every card from the first,
// the main window repainted before each one.
void EcrireFiches(CommandeLiens* c, const EcritureLiens* e, ModeSelection mode) {
  uint8_t* fiche = mode == SELECTION_ECRAN ? c->lpFicheEcran : c->lpDebutMem;
  while (fiche < c->lpFinMem && !e->sortie->echec) {
    Redessiner(c);
    if (Retenue(c, mode, fiche) && FormeRetient(e->forme, fiche)) FormeEcrireFiche(e, fiche);
    if (mode == SELECTION_ECRAN) break;
    fiche = determine_pointeur_fiche_suivante(fiche);
  }
}

// Creates the file and writes it whole; a write that fell short is told.
uint16_t Ecrire(CommandeLiens* c, FormeLiens forme, ModeSelection mode, uint8_t* tampon) {
  const Fenetres* f = c->sys->fenetres;
  const Fichiers* fichiers = c->sys->fichiers;
  Poignee fichier = CreerFichierCible(fichiers, f, f->focus_actuel(f->ctx), c->chemin);
  if (!fichier) return 0;
  f->curseur(f->ctx, c->attente);
  Sortie sortie = SortieOuvrir(fichiers, fichier, tampon);
  EcritureLiens e = {.forme = forme,
                     .sortie = &sortie,
                     .piece = (char*)c->transfert,
                     .titre = c->titre,
                     .reglages = &reglagesLiens};
  FormeEcrireDebut(&e);
  EcrireFiches(c, &e, mode);
  FormeEcrireFin(&e);
  int ecrit = SortieVider(&sortie);
  ecrit = fichiers->fichier_fermer(fichiers->ctx, fichier) && ecrit;
  f->curseur(f->ctx, c->fleche);
  if (!ecrit) {
    Message(c, "Ecriture sur le disque impossible.", ICONE_ERREUR);
    return 0;
  }
  return 1;
}

uint16_t Executer(CommandeLiens* c, FormeLiens forme, uint8_t* tampon) {
  const Forme* f = &FORMES[forme];
  DialogueLiens d;
  DialogueLiensPreparer(&d, f->modele, &reglagesLiens, c->titre, c->sys->fenetres);
  int ok = DialogueLiensMontrer(c->sys->dialogues, c->fenetre, &d);
  Redessiner(c);
  if (!ok) return 0;
  ModeSelection mode = Mode(forme);
  if (!SelectionPossible(c, mode) || !ChoisirFichier(c, f)) return 0;
  Redessiner(c);
  return Ecrire(c, forme, mode, tampon);
}

}  // namespace

uint16_t CommandeLiensExecuter(CommandeLiens* c, FormeLiens forme) {
  // The command's own buffer: the file's bytes gather there.
  const Memoire* m = c->sys->memoire;
  Poignee bloc = m->bloc_allouer(m->ctx, TAILLE_TAMPON_SORTIE);
  if (!bloc) {
    Message(c, "Allocation de mémoire impossible ! ", ICONE_ERREUR);
    return 0;
  }
  uint16_t r = Executer(c, forme, m->bloc_verrouiller(m->ctx, bloc));
  m->bloc_deverrouiller(m->ctx, bloc);
  m->bloc_liberer(m->ctx, bloc);
  return r;
}
