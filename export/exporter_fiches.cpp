#include "exporter_fiches.h"

#include <vector>

#include "chaines.h"
#include "fichier_cible.h"
#include "lvxgest.h"
#include "outils_donnees.h"

namespace {

struct ActionSpec {
  ModeSelection mode;
  int ajout;  // 1: at the end of an existing file
};

// In ChoixSpec order.
const ActionSpec ACTIONS[NB_CHOIX_SPEC] = {
    {SELECTION_ECRAN, 0},     {SELECTION_RECHERCHE, 0}, {SELECTION_MARQUEES, 0},
    {SELECTION_TOUTES, 1},    {SELECTION_ECRAN, 1},     {SELECTION_RECHERCHE, 1},
    {SELECTION_MARQUEES, 1},
};

// The cards the action takes exist; otherwise its box is shown.
int SelectionPossible(const ExportSpec* e, const ActionSpec& a) {
  const char* refus = nullptr;
  if (a.mode == SELECTION_RECHERCHE) {
    if (!CriteresUtilisables(&e->criteres))
      refus = a.ajout ? "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                        "correctement définis."
                      : "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                        "correctement définis.";
    else if (PremiereCorrespondante(&e->criteres, e->debut, e->fin) == e->fin)
      refus = "Il n'y a pas de fiche correspondant aux critères de recherche.";
  } else if (a.mode == SELECTION_MARQUEES && PremiereMarquee(e->debut, e->fin) == e->fin) {
    refus = "Il n'y a pas de fiche marquée.";
  }
  if (!refus) return 1;
  MessageSpec(e->sys->fenetres, e->fenetre, refus, BOITE_OK | ICONE_ATTENTION);
  return 0;
}

uint32_t TailleToutes(const ExportSpec* e) {
  uint64_t n = (uint64_t)(e->fin - e->debut);
  return n < e->TailleTotaleFiches ? (uint32_t)n : e->TailleTotaleFiches;
}

}  // namespace

uint64_t TailleExport(const ExportSpec* e, ModeSelection mode) {
  const Fenetres* fenetres = e->sys->fenetres;
  fenetres->curseur(fenetres->ctx, e->attente);
  uint64_t somme = 0;
  if (mode == SELECTION_ECRAN) {
    somme = (uint64_t)(determine_pointeur_fiche_suivante(e->ecran) - e->ecran);
  } else {
    for (uint8_t* p = e->debut; p < e->fin;) {
      fenetres->redessiner(fenetres->ctx, e->fenetre);
      uint8_t* suivante = determine_pointeur_fiche_suivante(p);
      if (mode == SELECTION_TOUTES || (mode == SELECTION_MARQUEES && FicheMarque(p)) ||
          (mode == SELECTION_RECHERCHE && FicheCorrespond(&e->criteres, p)))
        somme += (uint64_t)(suivante - p);
      p = suivante;
    }
  }
  if (somme) somme += TAILLE_ENTETE + 4;
  fenetres->curseur(fenetres->ctx, e->fleche);
  return somme;
}

void EcrireSelection(const ExportSpec* e, ModeSelection mode, Sortie* s, uint32_t* nombre) {
  const Fenetres* fenetres = e->sys->fenetres;
  *nombre = 0;
  if (mode == SELECTION_ECRAN) {
    SortieEcrire(s, e->ecran, (size_t)(determine_pointeur_fiche_suivante(e->ecran) - e->ecran));
    *nombre = 1;
    return;
  }
  if (mode == SELECTION_TOUTES) {
    SortieEcrire(s, e->debut, TailleToutes(e));
    *nombre = e->TotalFiches;
    return;
  }
  // One card at a time, whatever its size: Sortie writes a card larger
  // than its buffer straight to the file.
  for (uint8_t* p = e->debut; p < e->fin && !s->echec;) {
    uint8_t* suivante = determine_pointeur_fiche_suivante(p);
    if (mode == SELECTION_MARQUEES ? FicheMarque(p) != 0 : FicheCorrespond(&e->criteres, p)) {
      SortieEcrire(s, p, (size_t)(suivante - p));
      ++*nombre;
    }
    if (mode == SELECTION_RECHERCHE) fenetres->redessiner(fenetres->ctx, e->fenetre);
    p = suivante;
  }
}

int EcrireNouveauFichier(const ExportSpec* e, ModeSelection mode, const char* chemin,
                         uint64_t besoin) {
  const Fichiers* fichiers = e->sys->fichiers;
  const Fenetres* fenetres = e->sys->fenetres;
  // The old file's room counts as free: it is overwritten.
  uint64_t existant = TailleExistante(fichiers, chemin);
  uint64_t libre;
  if (EspaceLibreChemin(fichiers, chemin, &libre) && existant < besoin &&
      besoin > existant + libre) {
    MessageSpec(fenetres, e->fenetre,
                "Il n'y a pas assez de place sur le disque, impossible d'exécuter l'opération.",
                BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  Poignee f = CreerFichierCible(fichiers, fenetres, e->fenetre, chemin);
  if (!f) return 0;

  fenetres->curseur(fenetres->ctx, e->attente);
  std::vector<uint8_t> tampon(TAILLE_TAMPON_SORTIE);
  Sortie s = SortieOuvrir(fichiers, f, tampon.data());
  uint8_t entete[TAILLE_ENTETE];
  EnteteSpec(e->magie, entete);
  SortieEcrire(&s, entete, sizeof entete);
  uint32_t nombre;
  EcrireSelection(e, mode, &s, &nombre);
  uint8_t compte[4];
  EcrireLong(compte, nombre);
  SortieEcrire(&s, compte, sizeof compte);
  int bon = SortieVider(&s);
  bon = fichiers->fichier_fermer(fichiers->ctx, f) && bon;
  fenetres->curseur(fenetres->ctx, e->fleche);
  if (!bon)
    MessageSpec(fenetres, e->fenetre, "Ecriture sur le disque impossible.",
                BOITE_OK | ICONE_ERREUR);
  return bon;
}

void ExporterFiches(ExportSpec* e) {
  const Fenetres* fenetres = e->sys->fenetres;
  DialogueSpec d{};
  if (!DialogueSpecMontrer(e->sys, e->fenetre, &d)) return;
  const ActionSpec& action = ACTIONS[d.choix];
  if (!SelectionPossible(e, action)) return;
  if (!ChoisirCibleSpec(e->sys, e->cibles, d.choix, e->fenetre, e->NomFichier,
                        e->dossier_programme))
    return;
  const char* chemin = e->cibles->usages[d.choix].chemin;
  uint64_t besoin = TailleExport(e, action.mode);
  int bon = action.ajout ? AjouterAuFichier(e, action.mode, chemin, besoin)
                         : EcrireNouveauFichier(e, action.mode, chemin, besoin);
  if (!bon) return;
  fenetres->curseur(fenetres->ctx, e->fleche);
  if (MessageSpec(fenetres, e->fenetre, "Souhaitez vous ouvrir le fichier cible ?",
                  BOITE_OUI_NON | ICONE_QUESTION) == REPONSE_OUI) {
    CopierTexte(e->NomFichier, chemin, TAILLE_CHEMIN);
    e->ChargerFichierOk = 1;
  }
}
