#include "edition.h"

#include "hook/lvxhook.h"

namespace {

// The field edit that has the focus, or null.
Poignee ChampAvecFocus(Programme* p, int* numero) {
  Poignee focus = p->pf->focus_actuel(p->pf->ctx);
  for (int i = 0; i < (int)NB_CHAMPS; i++) {
    if (p->vue.champs[i] != focus || !focus) continue;
    if (numero) *numero = i;
    return focus;
  }
  return nullptr;
}

int SelectionVide(Programme* p, Poignee champ) {
  uint32_t debut, fin;
  p->pf->edit_selection(p->pf->ctx, champ, &debut, &fin);
  return debut == fin;
}

void Modifier(Programme* p) {
  p->FicheModifiee = 1;
  p->TravailModifie = 1;
}

Poignee BoutonFenetre(Programme* p, BoutonEdition b) {
  return b == BOUTON_COUPER ? p->vue.couper : b == BOUTON_COPIER ? p->vue.copier : p->vue.coller;
}

void Maintenir(Programme* p, BoutonEdition b, uint16_t etat) {
  switch (b) {
    case BOUTON_COUPER:
      p->maintenus.couper = etat;
      Set_MemoBoutCouper(etat);
      break;
    case BOUTON_COPIER:
      p->maintenus.copier = etat;
      Set_MemoBoutCopier(etat);
      break;
    case BOUTON_COLLER:
      p->maintenus.coller = etat;
      Set_MemoBoutColler(etat);
      break;
  }
}

}  // namespace

void CommandeEdition(Programme* p, ActionEdit action) {
  Poignee champ = ChampAvecFocus(p, nullptr);
  if (!champ) return;
  if ((action == EDIT_COUPER || action == EDIT_COPIER) && SelectionVide(p, champ)) return;
  if (action == EDIT_COLLER && !p->pf->presse_papiers_texte(p->pf->ctx)) return;
  Modifier(p);
  p->pf->edit_action(p->pf->ctx, champ, action);
}

void BoutonEditionAppui(Programme* p, BoutonEdition b) {
  p->pf->bouton_enfonce(p->pf->ctx, BoutonFenetre(p, b), 1);
  Maintenir(p, b, 1);
}

void BoutonEditionRelache(Programme* p, BoutonEdition b, int sur_bouton) {
  const Plateforme* pf = p->pf;
  pf->bouton_enfonce(pf->ctx, BoutonFenetre(p, b), 0);
  Poignee champ = p->ChampCourant;
  if (sur_bouton && champ) {
    if (b == BOUTON_COUPER && !SelectionVide(p, champ)) {
      Modifier(p);
      pf->edit_action(pf->ctx, champ, EDIT_COUPER);
    } else if (b == BOUTON_COPIER && !SelectionVide(p, champ)) {
      pf->edit_action(pf->ctx, champ, EDIT_COPIER);
    } else if (b == BOUTON_COLLER && pf->presse_papiers_texte(pf->ctx)) {
      pf->edit_action(pf->ctx, champ, EDIT_COLLER);
      Modifier(p);
    }
  }
  Maintenir(p, b, 0);
  pf->focus(pf->ctx, p->ChampCourant);
}

void CommandeChamp(Programme* p) {
  int numero = -1;
  int suivant = ChampAvecFocus(p, &numero) ? (numero + 1) % (int)NB_CHAMPS : CHAMP_NOM;
  p->ChampCourant = p->vue.champs[suivant];
  p->pf->focus(p->pf->ctx, p->ChampCourant);
}

int SelectionComptable(Programme* p) {
  const Plateforme* pf = p->pf;
  Poignee champ = ChampAvecFocus(p, nullptr);
  const char* refus = nullptr;
  uint32_t debut = 0, fin = 0;
  if (!champ) {
    refus = "Il n'y a pas de sélection";
  } else {
    pf->edit_selection(pf->ctx, champ, &debut, &fin);
    if (debut == fin)
      refus = "Il n'y a pas de sélection de texte.";
    else if (fin - debut >= 498)
      refus = "Votre sélection est trop importante.";
  }
  if (!refus) return 1;
  ProgrammeMessage(p, p->vue.fenetre, refus, BOITE_OK | ICONE_ATTENTION);
  return 0;
}
