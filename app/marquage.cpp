#include "marquage.h"

#include <string>

#include "commandes.h"
#include "doublons.h"
#include "extraweb.h"
#include "fiches.h"
#include "fiches_marquees.h"
#include "hook/lvxhook.h"
#include "lvxgest.h"
#include "marques.h"
#include "recherche.h"

namespace {

enum Critere {
  TOUT,
  PLAGE,
  RECHERCHE,
  DOUBLONS_NOM,
  DOUBLONS_URL,
  DOUBLONS_CIBLE,
  DOUBLONS_FIN_CIBLE,
  INCOMPLETES,
  EXTRAWEB_INVALIDES,
};

struct CommandeMarque {
  unsigned id;
  Critere critere;
  ActionMarquage action;
};

const CommandeMarque COMMANDES[] = {
    {332, TOUT, ACTION_BASCULER},           {333, TOUT, ACTION_MARQUER},
    {324, TOUT, ACTION_SUPPRIMER},          {CMD_BOUTON_DEMARQUER_TOUT, TOUT, ACTION_SUPPRIMER},
    {338, PLAGE, ACTION_BASCULER},          {334, PLAGE, ACTION_MARQUER},
    {346, PLAGE, ACTION_SUPPRIMER},         {353, RECHERCHE, ACTION_BASCULER},
    {306, RECHERCHE, ACTION_MARQUER},       {412, RECHERCHE, ACTION_SUPPRIMER},
    {351, DOUBLONS_NOM, ACTION_BASCULER},   {352, DOUBLONS_NOM, ACTION_MARQUER},
    {354, DOUBLONS_NOM, ACTION_SUPPRIMER},  {347, DOUBLONS_URL, ACTION_BASCULER},
    {348, DOUBLONS_URL, ACTION_MARQUER},    {349, DOUBLONS_URL, ACTION_SUPPRIMER},
    {530, DOUBLONS_CIBLE, ACTION_BASCULER}, {531, DOUBLONS_CIBLE, ACTION_MARQUER},
    {532, DOUBLONS_CIBLE, ACTION_SUPPRIMER}, {541, DOUBLONS_FIN_CIBLE, ACTION_BASCULER},
    {542, DOUBLONS_FIN_CIBLE, ACTION_MARQUER}, {543, DOUBLONS_FIN_CIBLE, ACTION_SUPPRIMER},
    {366, INCOMPLETES, ACTION_BASCULER},    {413, INCOMPLETES, ACTION_MARQUER},
    {475, INCOMPLETES, ACTION_SUPPRIMER},   {691, EXTRAWEB_INVALIDES, ACTION_BASCULER},
    {692, EXTRAWEB_INVALIDES, ACTION_MARQUER}, {693, EXTRAWEB_INVALIDES, ACTION_SUPPRIMER},
};

// The action as the confirmations word it, after "Souhaitez vous vraiment".
const char* const VERBES[] = {"basculer le marquage de", "marquer", "supprimer le marquage de"};

Poignee FenetreFocus(Programme* p) { return p->pf->focus_actuel(p->pf->ctx); }

void Avertir(Programme* p, const char* texte) {
  ProgrammeMessage(p, p->vue.fenetre, texte, BOITE_OK | ICONE_ATTENTION);
}

int Confirmer(Programme* p, Poignee proprietaire, const std::string& question) {
  return ProgrammeMessage(p, proprietaire, question.c_str(), BOITE_OUI_NON | ICONE_QUESTION) ==
         REPONSE_OUI;
}

std::string Question(ActionMarquage a, const char* fiches) {
  return std::string("Souhaitez vous vraiment ") + VERBES[a] + " toutes les fiches " + fiches;
}

// The mark state and box follow the card on screen when its word changed.
void SuivreFicheEcran(Programme* p, uint16_t avant) {
  uint16_t marque = LireMot(p->magasin.lpFicheEcran);
  if (marque == avant) return;
  p->EtatMarquage = marque;
  p->pf->case_cocher(p->pf->ctx, p->vue.marquage, marque != 0);
}

// Gives the action, by rule r, to the cards numbered premiere to derniere
// that choisie accepts.
template <typename Choix>
void Marquer(Programme* p, ActionMarquage a, RegleMarquage r, Choix choisie,
             uint32_t premiere = 1, uint32_t derniere = UINT32_MAX) {
  Magasin* m = &p->magasin;
  uint16_t avant = LireMot(m->lpFicheEcran);
  int modifie = 0;
  uint32_t numero = 1;
  for (uint8_t* f = m->lpDebutMem; f != m->lpFinMem && numero <= derniere;
       f = determine_pointeur_fiche_suivante(f), numero++)
    if (numero >= premiere && choisie(f)) modifie |= MarqueAppliquer(f, a, r);
  if (modifie) p->TravailModifie = 1;
  SuivreFicheEcran(p, avant);
}

int Toutes(const uint8_t*) { return 1; }

void BasculerFicheEcran(Programme* p) {
  p->FicheModifiee = 1;
  p->TravailModifie = 1;
  // 1 - state for 0 and 1; a file's other nonzero words count as marked,
  // and the commands write only 0 and 1.
  p->EtatMarquage = p->EtatMarquage ? 0 : 1;
  p->pf->case_cocher(p->pf->ctx, p->vue.marquage, p->EtatMarquage != 0);
  ProgrammeFocusCourant(p);
}

void MarquerTout(Programme* p, ActionMarquage a) {
  static const char* const QUESTIONS[] = {
      "Souhaitez vous vraiment basculer le marquage de toutes les fiches ?",
      "Voulez vous vraiment marquer toutes les fiches ?",
      "Voulez vous vraiment supprimer le marquage de toutes les fiches ?"};
  Poignee proprietaire = a == ACTION_BASCULER ? FenetreFocus(p) : p->vue.fenetre;
  if (!Confirmer(p, proprietaire, QUESTIONS[a])) return;
  Marquer(p, a, REGLE_PLAGE, Toutes);
  p->TravailModifie = 1;
}

void MarquerPlage(Programme* p, ActionMarquage a) {
  static const char* const TITRES[] = {"Basculer le marquage des fiches...",
                                       "Marquer les fiches...",
                                       "Supprimer le marquage des fiches..."};
  // Each edit hands over its first 6 characters.
  char de[8] = {0}, jusqua[8] = {0};
  // Only digits reach the dialog's edits while it is open.
  FiltrerChiffres(1);
  int ok = p->pf->dialogue_plage(p->pf->ctx, p->vue.fenetre, TITRES[a], de, jusqua, 7);
  FiltrerChiffres(0);
  if (!ok) return;
  uint32_t x = NumeroTape(de), y = NumeroTape(jusqua);
  uint32_t total = (uint32_t)p->magasin.TotalFiches;
  if (x > total || y > total)
    Avertir(p, "Un numéro de fiche que vous avez choisi est trop grand.");
  else if (!x || !y)
    Avertir(p, "Un numéro de fiche n'est pas valide.");
  else
    Marquer(p, a, REGLE_PLAGE, Toutes, x < y ? x : y, x < y ? y : x);
}

void MarquerRecherche(Programme* p, ActionMarquage a) {
  if (!CriteresValides(p)) {
    Avertir(p,
            "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement "
            "définis.");
    return;
  }
  Poignee proprietaire = a == ACTION_SUPPRIMER ? p->vue.fenetre : FenetreFocus(p);
  if (!Confirmer(p, proprietaire, Question(a, "correspondant aux critères de recherche ?")))
    return;
  Marquer(p, a, REGLE_RECHERCHE, [p](uint8_t* f) { return FicheCorrespond(p, f); });
}

void MarquerDoublons(Programme* p, ComparaisonDoublon c, ActionMarquage a) {
  static const char* const FICHES[] = {
      "dont le champ Nom de site est identique à celui d'une autre fiche ?",
      "dont le champ URL est identique à celui d'une autre fiche ?",
      "dont le champ URL cible le même document que celui d'une autre fiche ?",
      "dont le champ URL vise la même fin de cible que celle d'une autre fiche ?"};
  if (!Confirmer(p, p->vue.fenetre, Question(a, FICHES[c]))) return;
  Magasin* m = &p->magasin;
  uint16_t avant = LireMot(m->lpFicheEcran);
  int64_t modifiees = DoublonsMarquer(p->pf, m->lpDebutMem, m->lpFinMem, c, a);
  if (modifiees < 0) {
    ProgrammeMessage(p, FenetreFocus(p), "Allocation de mémoire impossible !",
                     BOITE_OK | ICONE_ERREUR);
    return;
  }
  if (modifiees) p->TravailModifie = 1;
  SuivreFicheEcran(p, avant);
}

void MarquerIncompletes(Programme* p, ActionMarquage a) {
  uint16_t choix[NB_CHAMPS] = {1, 1, 1, 1, 1};
  if (!p->pf->dialogue_incompletes(p->pf->ctx, p->vue.fenetre, choix)) return;
  if (!(choix[0] || choix[1] || choix[2] || choix[3] || choix[4])) return;
  Marquer(p, a, REGLE_SELECTION, [&choix](const uint8_t* f) {
    for (int i = 0; i < (int)NB_CHAMPS; i++) {
      uint32_t longueur;
      FicheTexte(f, i, &longueur);
      if (choix[i] && !longueur) return 1;
    }
    return 0;
  });
}

void MarquerExtraWebInvalides(Programme* p, ActionMarquage a) {
  const char* fiches =
      "<EXTRAWEB> dont l'application ou le fichier à ouvrir avec l'application sont "
      "introuvables ?";
  if (!Confirmer(p, p->vue.fenetre, Question(a, fiches))) return;
  Marquer(p, a, REGLE_SELECTION, [p](const uint8_t* f) {
    const char* url = FicheTexte(f, CHAMP_URL, nullptr);
    return EstExtraWeb(url) && !ExtraWebValide(p->pf, url + LONGUEUR_BALISE_EXTRAWEB);
  });
}

}  // namespace

int CommandeMarquage(Programme* p, unsigned id) {
  switch (id) {
    case CMD_BASCULER_FICHE_ECRAN:
    case CMD_CASE_MARQUAGE: BasculerFicheEcran(p); return 1;
    case CMD_MARQUEE_SUIVANTE:
    case CMD_BOUTON_MARQUEE_SUIVANTE: CommandeFicheMarquee(p, 1); return 1;
    case CMD_MARQUEE_PRECEDENTE:
    case CMD_BOUTON_MARQUEE_PRECEDENTE: CommandeFicheMarquee(p, 0); return 1;
  }
  for (const CommandeMarque& c : COMMANDES) {
    if (c.id != id) continue;
    switch (c.critere) {
      case TOUT: MarquerTout(p, c.action); break;
      case PLAGE: MarquerPlage(p, c.action); break;
      case RECHERCHE: MarquerRecherche(p, c.action); break;
      case DOUBLONS_NOM: MarquerDoublons(p, DOUBLON_NOM, c.action); break;
      case DOUBLONS_URL: MarquerDoublons(p, DOUBLON_URL, c.action); break;
      case DOUBLONS_CIBLE: MarquerDoublons(p, DOUBLON_CIBLE, c.action); break;
      case DOUBLONS_FIN_CIBLE: MarquerDoublons(p, DOUBLON_FIN_CIBLE, c.action); break;
      case INCOMPLETES: MarquerIncompletes(p, c.action); break;
      case EXTRAWEB_INVALIDES: MarquerExtraWebInvalides(p, c.action); break;
    }
    return 1;
  }
  return 0;
}
