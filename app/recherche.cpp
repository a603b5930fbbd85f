#include "recherche.h"

#include <cstring>

#include "criteres.h"
#include "lvxgest.h"
#include "search/lvxrech.h"

namespace {

const char* const RIEN_A_RECHERCHER_MAJUSCULE =
    "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
const char* const RIEN_A_RECHERCHER =
    "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";

// The next match on the card on screen; 1 when one was found and selected.
int ChercherSurEcran(Programme* p) {
  const CriteresRecherche& c = p->criteres;
  EtatEcran& e = p->ecran;
  const VueFiche& v = p->vue;
  if (!Util_Dll_Recherche_Ecran(p->magasin.lpFicheEcran, e.occurrences[0], e.occurrences[1],
                                e.occurrences[2], e.occurrences[3], e.occurrences[4], e.champ,
                                p->TamponTransfert, p->ExpressionRecherche,
                                p->TamponRechercheEcran, c.RechercheAvecCasse, c.RechercheNoms,
                                c.RechercheURL, c.RechercheRubriques, c.RechercheMotsCles,
                                c.RechercheNotes, v.champs[0], v.champs[1], v.champs[2],
                                v.champs[3], v.champs[4], c.RechercheAvecExactitude,
                                c.RechercheTotalChamp, c.RechercheOccurDebutChamp))
    return 0;
  e.debut = RecupererOffsetRechercheDebut();
  e.fin = RecupererOffsetRechercheFin();
  e.champ = RecupererhChampRecherche();
  e.occurrences[0] = RecupererlpTextOccurNom();
  e.occurrences[1] = RecupererlpTextOccurURL();
  e.occurrences[2] = RecupererlpTextOccurRubrique();
  e.occurrences[3] = RecupererlpTextOccurMotsCles();
  e.occurrences[4] = RecupererlpTextOccurNotes();
  p->ChampCourant = e.champ;
  p->sys->fenetres->focus(p->sys->fenetres->ctx, e.champ);
  p->sys->fenetres->edit_selectionner(p->sys->fenetres->ctx, e.champ, e.debut, e.fin);
  return 1;
}

}  // namespace

int FicheCorrespond(Programme* p, uint8_t* fiche) {
  const CriteresRecherche& c = p->criteres;
  return Util_Dll_recherche_chaine(fiche, p->TamponRecherche, p->ExpressionRecherche,
                                   c.RechercheAvecCasse, c.RechercheNoms, c.RechercheURL,
                                   c.RechercheRubriques, c.RechercheMotsCles, c.RechercheNotes,
                                   c.RechercheAvecExactitude, c.RechercheTotalChamp,
                                   c.RechercheOccurDebutChamp, p->TamponTransfert) != 0;
}

int CriteresValides(const Programme* p) {
  const CriteresRecherche& c = p->criteres;
  return p->ExpressionRecherche[0] && (c.RechercheNoms || c.RechercheURL ||
                                       c.RechercheRubriques || c.RechercheMotsCles ||
                                       c.RechercheNotes);
}

void CommandeCriteres(Programme* p) {
  const CriteresRecherche& c = p->criteres;
  DialogueCriteres d = {{c.RechercheNoms, c.RechercheURL, c.RechercheRubriques,
                         c.RechercheMotsCles, c.RechercheNotes, c.RechercheAvecCasse,
                         c.RechercheAvecExactitude, c.RechercheTotalChamp,
                         c.RechercheOccurDebutChamp},
                        {0}};
  size_t n = strnlen(p->ExpressionRecherche, LONGUEUR_EXPRESSION_MAX);
  memcpy(d.expression, p->ExpressionRecherche, n);
  d.expression[n] = 0;
  // Annuler leaves the criteria as they were: only OK copies the record back.
  if (p->sys->dialogues->dialogue_criteres(p->sys->dialogues->ctx, p->vue.fenetre, &d)) {
    const uint16_t* f = d.drapeaux;
    p->criteres = CriteresRecherche{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]};
    size_t longueur = strnlen(d.expression, LONGUEUR_EXPRESSION_MAX);
    memcpy(p->ExpressionRecherche, d.expression, longueur);
    p->ExpressionRecherche[longueur] = 0;
  }
  ProgrammeFocusCourant(p);
}

void CommandeFicheCorrespondante(Programme* p, int avant) {
  Magasin* m = &p->magasin;
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return;
  ProgrammeCurseur(p, p->fleche);
  if (!CriteresValides(p)) {
    ProgrammeAvertir(p, avant ? RIEN_A_RECHERCHER_MAJUSCULE : RIEN_A_RECHERCHER);
    ProgrammeFocusCourant(p);
    return;
  }
  ProgrammeCurseur(p, p->attente);
  uint8_t* fiche = m->lpFicheEcran;
  int32_t numero = m->NumFiche;
  uint8_t* trouvee = nullptr;
  if (avant) {
    while ((fiche = determine_pointeur_fiche_suivante(fiche)) != m->lpFinMem) {
      numero++;
      if (FicheCorrespond(p, fiche)) {
        trouvee = fiche;
        break;
      }
    }
  } else {
    while (fiche != m->lpDebutMem) {
      fiche = determine_pointeur_fiche_precedente(fiche);
      numero--;
      if (FicheCorrespond(p, fiche)) {
        trouvee = fiche;
        break;
      }
    }
  }
  if (!trouvee) {
    ProgrammeCurseur(p, p->fleche);
    ProgrammeAvertir(p, avant ? "Il n'y a pas de fiche suivante correspondant aux critères de recherche."
                     : "Il n'y a pas de fiche précédente correspondant aux critères de recherche.");
    ProgrammeFocusCourant(p);
    return;
  }
  m->lpFicheEcran = trouvee;
  ProgrammeAfficherFiche(p);
  m->NumFiche = numero;
  ProgrammeCompteur(p, p->vue.numero, numero);
  ProgrammeCurseur(p, p->fleche);
  p->ecran.champ = nullptr;
  ChercherSurEcran(p);
}

void CommandeCorrespondanceEcran(Programme* p, int premiere) {
  if (premiere) p->ecran.champ = nullptr;
  if (!CriteresValides(p)) {
    ProgrammeAvertir(p, RIEN_A_RECHERCHER);
    ProgrammeFocusCourant(p);
    return;
  }
  if (ChercherSurEcran(p)) return;
  ProgrammeAvertir(p, p->ecran.champ
                 ? "il n'y a pas de correspondance suivante avec votre recherche sur cette fiche."
                 : "il n'y a pas de correspondance avec votre recherche sur cette fiche.");
  ProgrammeFocusCourant(p);
}
