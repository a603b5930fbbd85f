#include "edition.h"

#include "hook/lvxhook.h"

namespace {

// The field edit that has the focus, or null.
Poignee ChampAvecFocus(Programme* p, int* numero) {
  Poignee focus = p->sys->fenetres->focus_actuel(p->sys->fenetres->ctx);
  for (int i = 0; i < (int)NB_CHAMPS; i++) {
    if (p->vue.champs[i] != focus || !focus) continue;
    if (numero) *numero = i;
    return focus;
  }
  return nullptr;
}

int SelectionVide(Programme* p, Poignee champ) {
  uint32_t debut, fin;
  p->sys->fenetres->edit_selection(p->sys->fenetres->ctx, champ, &debut, &fin);
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
  if (action == EDIT_COLLER &&
      !p->sys->presse_papiers->presse_papiers_texte(p->sys->presse_papiers->ctx))
    return;
  Modifier(p);
  p->sys->fenetres->edit_action(p->sys->fenetres->ctx, champ, action);
}

void BoutonEditionAppui(Programme* p, BoutonEdition b) {
  p->sys->fenetres->bouton_enfonce(p->sys->fenetres->ctx, BoutonFenetre(p, b), 1);
  Maintenir(p, b, 1);
}

void BoutonEditionRelache(Programme* p, BoutonEdition b, int sur_bouton) {
  const SystemeProgramme* sys = p->sys;
  sys->fenetres->bouton_enfonce(sys->fenetres->ctx, BoutonFenetre(p, b), 0);
  Poignee champ = p->ChampCourant;
  if (sur_bouton && champ) {
    if (b == BOUTON_COUPER && !SelectionVide(p, champ)) {
      Modifier(p);
      sys->fenetres->edit_action(sys->fenetres->ctx, champ, EDIT_COUPER);
    } else if (b == BOUTON_COPIER && !SelectionVide(p, champ)) {
      sys->fenetres->edit_action(sys->fenetres->ctx, champ, EDIT_COPIER);
    } else if (b == BOUTON_COLLER &&
               sys->presse_papiers->presse_papiers_texte(sys->presse_papiers->ctx)) {
      sys->fenetres->edit_action(sys->fenetres->ctx, champ, EDIT_COLLER);
      Modifier(p);
    }
  }
  Maintenir(p, b, 0);
  sys->fenetres->focus(sys->fenetres->ctx, p->ChampCourant);
}

void CommandeChamp(Programme* p) {
  int numero = -1;
  int suivant = ChampAvecFocus(p, &numero) ? (numero + 1) % (int)NB_CHAMPS : CHAMP_NOM;
  p->ChampCourant = p->vue.champs[suivant];
  p->sys->fenetres->focus(p->sys->fenetres->ctx, p->ChampCourant);
}

int SelectionComptable(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  Poignee champ = ChampAvecFocus(p, nullptr);
  const char* refus = nullptr;
  uint32_t debut = 0, fin = 0;
  if (!champ) {
    refus = "Il n'y a pas de sélection";
  } else {
    sys->fenetres->edit_selection(sys->fenetres->ctx, champ, &debut, &fin);
    if (debut == fin)
      refus = "Il n'y a pas de sélection de texte.";
    else if (fin - debut >= 498)
      refus = "Votre sélection est trop importante.";
  }
  if (!refus) return 1;
  ProgrammeMessage(p, p->vue.fenetre, refus, BOITE_OK | ICONE_ATTENTION);
  return 0;
}
