#include "imprimer.h"

#include <cstring>

#include "export/lvxprap.h"
#include "export/lvxprint.h"
#include "programme.h"
#include "recherche.h"

namespace {

const Imprimante* Imp(Programme* p) { return p->sys->imprimante; }

// Every setup handle the program holds, each once.
int Poignees(const ImpressionProgramme& i, Poignee poignees[6]) {
  const Poignee toutes[6] = {i.enregistrement.hDevMode, i.enregistrement.hDevNames,
                             i.hDevModeFiches,          i.hDevNamesFiches,
                             i.hDevModeRapide,          i.hDevNamesRapide};
  int n = 0;
  for (Poignee h : toutes) {
    if (!h) continue;
    bool vue = false;
    for (int k = 0; k < n; k++) vue = vue || poignees[k] == h;
    if (!vue) poignees[n++] = h;
  }
  return n;
}

}  // namespace

void ImpressionGarder(Programme* p, Poignee* garde, Poignee nouvelle) {
  Poignee ancienne = *garde;
  if (!nouvelle || nouvelle == ancienne) return;
  *garde = nouvelle;
  if (!ancienne) return;
  Poignee encore[6];
  int n = Poignees(p->impression, encore);
  for (int k = 0; k < n; k++)
    if (encore[k] == ancienne) return;
  p->sys->memoire->bloc_liberer(p->sys->memoire->ctx, ancienne);
}

void ImpressionPreparer(Programme* p) {
  ImpressionProgramme& i = p->impression;
  const Imprimante* imp = Imp(p);
  i.enregistrement = EnregistrementImpression{};
  i.enregistrement.lStructSize = sizeof(EnregistrementImpression);
  i.enregistrement.hwndOwner = p->vue.fenetre;
  i.enregistrement.hInstance = p->instance;
  i.enregistrement.Flags = IMPRESSION_DEFAUT | IMPRESSION_RETOUR_DC;
  // Without a printer the record keeps no handle: printing says so.
  imp->dialogue_impression(imp->ctx, &i.enregistrement);
  i.hauteur_police = HAUTEUR_POLICE_IMPRESSION;
  i.police = imp->police(imp->ctx, i.hauteur_police, 600, 0);
  i.police_titre = imp->police(imp->ctx, i.hauteur_police, 700, 1);
  i.stylo = imp->stylo(imp->ctx, 22);
  memcpy(i.options, OPTIONS_IMPRESSION_DEPART, sizeof i.options);
}

void ImpressionLiberer(Programme* p) {
  ImpressionProgramme& i = p->impression;
  const Imprimante* imp = Imp(p);
  if (i.enregistrement.hDC) imp->contexte_liberer(imp->ctx, i.enregistrement.hDC);
  Poignee poignees[6];
  int n = Poignees(i, poignees);
  for (int k = 0; k < n; k++) p->sys->memoire->bloc_liberer(p->sys->memoire->ctx, poignees[k]);
  const Poignee objets[3] = {i.police, i.police_titre, i.stylo};
  for (Poignee objet : objets)
    if (objet) imp->objet_liberer(imp->ctx, objet);
  i.enregistrement.hDC = i.enregistrement.hDevMode = i.enregistrement.hDevNames = nullptr;
  i.hDevModeFiches = i.hDevNamesFiches = i.hDevModeRapide = i.hDevNamesRapide = nullptr;
  i.police = i.police_titre = i.stylo = nullptr;
}

void ImpressionConfigurer(Programme* p, Poignee proprietaire) {
  EnregistrementImpression& e = p->impression.enregistrement;
  const EnregistrementImpression copie = e;
  const Imprimante* imp = Imp(p);
  e.Flags = IMPRESSION_CONFIGURATION | IMPRESSION_RETOUR_DC;
  // Over the print dialog when it asks: that one stays disabled meanwhile.
  e.hwndOwner = proprietaire;
  int choisi = imp->dialogue_impression(imp->ctx, &e);
  e.hwndOwner = copie.hwndOwner;
  if (!choisi) {
    e = copie;
    return;
  }
  // The dialog gives a new context for the printer chosen; it renews the
  // setup blocks itself.
  if (copie.hDC && copie.hDC != e.hDC) imp->contexte_liberer(imp->ctx, copie.hDC);
}

int CommandeConfigurerImpression(Programme* p, int) {
  ImpressionConfigurer(p, p->vue.fenetre);
  return 0;
}

int CommandeImprimerFiches(Programme* p, int) {
  DialogueImprimer d;
  DialogueImprimerPreparer(&d, p);
  if (!DialogueImprimerMontrer(&d)) return 0;
  const uint16_t* o = p->impression.options;
  if (o[OPTION_RECHERCHE] && !CriteresValides(p)) {
    ProgrammeAvertir(p,
                     "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                     "correctement définis.");
    return 0;
  }
  const ImpressionProgramme& i = p->impression;
  const Magasin& m = p->magasin;
  const CriteresRecherche& c = p->criteres;
  Util_Dll_Lancer_Impression(
      p->vue.fenetre, i.enregistrement, i.police, i.police_titre, i.stylo, o[OPTION_TOUTES],
      o[OPTION_ECRAN], o[OPTION_RECHERCHE], o[OPTION_MARQUEES], o[OPTION_NOM],
      o[OPTION_TITRE_NOM], o[OPTION_URL], o[OPTION_TITRE_URL], o[OPTION_RUBRIQUE],
      o[OPTION_TITRE_RUBRIQUE], o[OPTION_MOTS_CLES], o[OPTION_TITRE_MOTS_CLES], o[OPTION_NOTES],
      o[OPTION_TITRE_NOTES], o[OPTION_PAGINATION], o[OPTION_CADRE], o[OPTION_FICHE_PAR_PAGE],
      m.lpDebutMem, m.lpFinMem, (uint32_t)m.TotalFiches, m.lpFicheEcran, p->ExpressionRecherche,
      c.RechercheNoms, c.RechercheURL, c.RechercheRubriques, c.RechercheMotsCles,
      c.RechercheNotes, p->TamponRecherche, c.RechercheAvecCasse, c.RechercheAvecExactitude,
      c.RechercheTotalChamp, c.RechercheOccurDebutChamp, i.hauteur_police, p->TamponTransfert);
  ImpressionProgramme& garde = p->impression;
  ImpressionGarder(p, &garde.hDevModeFiches, RecupererhDevMode());
  ImpressionGarder(p, &garde.hDevNamesFiches, RecupererhDevNames());
  return 0;
}

int CommandeImpressionRapide(Programme* p, int genre) {
  const ImpressionProgramme& i = p->impression;
  const Magasin& m = p->magasin;
  Util_Dll_Impression_Rapide(p->vue.fenetre, i.enregistrement, i.police, i.police_titre, i.stylo,
                             m.lpDebutMem, m.lpFinMem, (uint32_t)m.TotalFiches,
                             (uint16_t)i.hauteur_police, (uint16_t)genre);
  ImpressionProgramme& garde = p->impression;
  ImpressionGarder(p, &garde.hDevModeRapide, Lvxprap_RecupererhDevMode());
  ImpressionGarder(p, &garde.hDevNamesRapide, Lvxprap_RecupererhDevNames());
  return 0;
}
