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

// The action as the confirmations word it, after "Souhaitez vous vraiment".
const char* const VERBES[] = {"basculer le marquage de", "marquer", "supprimer le marquage de"};

Poignee FenetreFocus(Programme* p) { return p->sys->fenetres->focus_actuel(p->sys->fenetres->ctx); }

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
  p->sys->fenetres->case_cocher(p->sys->fenetres->ctx, p->vue.marquage, marque != 0);
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
  p->sys->fenetres->case_cocher(p->sys->fenetres->ctx, p->vue.marquage, p->EtatMarquage != 0);
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
  int ok = p->sys->dialogues->dialogue_plage(p->sys->dialogues->ctx, p->vue.fenetre, TITRES[a], de,
                                             jusqua, 7);
  FiltrerChiffres(0);
  if (!ok) return;
  uint32_t x = NumeroTape(de), y = NumeroTape(jusqua);
  uint32_t total = (uint32_t)p->magasin.TotalFiches;
  if (x > total || y > total)
    ProgrammeAvertir(p, "Un numéro de fiche que vous avez choisi est trop grand.");
  else if (!x || !y)
    ProgrammeAvertir(p, "Un numéro de fiche n'est pas valide.");
  else
    Marquer(p, a, REGLE_PLAGE, Toutes, x < y ? x : y, x < y ? y : x);
}

void MarquerRecherche(Programme* p, ActionMarquage a) {
  if (!CriteresValides(p)) {
    ProgrammeAvertir(p,
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
  int64_t modifiees = DoublonsMarquer(p->sys->memoire, m->lpDebutMem, m->lpFinMem, c, a);
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
  if (!p->sys->dialogues->dialogue_incompletes(p->sys->dialogues->ctx, p->vue.fenetre, choix))
    return;
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
    return EstExtraWeb(url) && !ExtraWebValide(p->sys->fichiers, url + LONGUEUR_BALISE_EXTRAWEB);
  });
}

}  // namespace

int MarquageFicheEcran(Programme* p, int) {
  BasculerFicheEcran(p);
  return 0;
}
int MarquageTout(Programme* p, int action) {
  MarquerTout(p, (ActionMarquage)action);
  return 0;
}
int MarquagePlage(Programme* p, int action) {
  MarquerPlage(p, (ActionMarquage)action);
  return 0;
}
int MarquageRecherche(Programme* p, int action) {
  MarquerRecherche(p, (ActionMarquage)action);
  return 0;
}
int MarquageDoublonsNom(Programme* p, int action) {
  MarquerDoublons(p, DOUBLON_NOM, (ActionMarquage)action);
  return 0;
}
int MarquageDoublonsUrl(Programme* p, int action) {
  MarquerDoublons(p, DOUBLON_URL, (ActionMarquage)action);
  return 0;
}
int MarquageDoublonsCible(Programme* p, int action) {
  MarquerDoublons(p, DOUBLON_CIBLE, (ActionMarquage)action);
  return 0;
}
int MarquageDoublonsFinCible(Programme* p, int action) {
  MarquerDoublons(p, DOUBLON_FIN_CIBLE, (ActionMarquage)action);
  return 0;
}
int MarquageIncompletes(Programme* p, int action) {
  MarquerIncompletes(p, (ActionMarquage)action);
  return 0;
}
int MarquageExtraWebInvalides(Programme* p, int action) {
  MarquerExtraWebInvalides(p, (ActionMarquage)action);
  return 0;
}
int MarquageFicheMarquee(Programme* p, int avant) {
  CommandeFicheMarquee(p, avant);
  return 0;
}
