#include "comptes.h"

#include <string>
#include <vector>

#include "chaines.h"
#include "edition.h"
#include "recherche.h"
#include "search/lvxcalc.h"

namespace {

void Calculer(Programme* p, int compte) {
  const Magasin& m = p->magasin;
  const CriteresRecherche& c = p->criteres;
  uint16_t d[NB_CALCULS] = {};
  d[compte] = 1;
  Util_Dll_calculer_nombre(p->vue.fenetre, m.lpDebutMem, m.lpFinMem, p->TamponTransfert, p->fleche,
                           p->attente, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9],
                           p->vue.champs[CHAMP_NOM], p->vue.champs[CHAMP_URL],
                           p->vue.champs[CHAMP_RUBRIQUE], c.RechercheNoms, c.RechercheURL,
                           c.RechercheRubriques, c.RechercheMotsCles, c.RechercheNotes,
                           c.RechercheAvecCasse, c.RechercheAvecExactitude, c.RechercheTotalChamp,
                           c.RechercheOccurDebutChamp, p->ExpressionRecherche, p->TamponRecherche);
}

// The characters from the selection's start to its end, stepped as the
// user's language counts them.
std::string TexteSelectionne(Programme* p) {
  const Fenetres* f = p->sys->fenetres;
  Poignee champ = f->focus_actuel(f->ctx);
  uint32_t debut = 0, fin = 0;
  f->edit_selection(f->ctx, champ, &debut, &fin);
  std::vector<char> texte(f->fenetre_texte_longueur(f->ctx, champ) + 1, '\0');
  f->fenetre_texte_lire(f->ctx, champ, texte.data(), texte.size());
  const Caracteres* c = p->sys->caracteres;
  const char* a = texte.data();
  for (uint32_t i = 0; i < debut; i++) a = c->caractere_suivant(c->ctx, a);
  const char* b = a;
  for (uint32_t i = debut; i < fin; i++) b = c->caractere_suivant(c->ctx, b);
  return std::string(a, b);
}

void CalculerSelection(Programme* p) {
  std::string selection = TexteSelectionne(p);
  std::string expression = p->ExpressionRecherche;
  CriteresRecherche criteres = p->criteres;
  CopierTexte(p->ExpressionRecherche, selection.c_str(), TAILLE_RECHERCHE);
  p->criteres = CriteresRecherche{.RechercheNoms = 1,
                                  .RechercheURL = 1,
                                  .RechercheRubriques = 1,
                                  .RechercheMotsCles = 1,
                                  .RechercheNotes = 1,
                                  .RechercheAvecCasse = 0,
                                  .RechercheAvecExactitude = 0,
                                  .RechercheTotalChamp = 0,
                                  .RechercheOccurDebutChamp = 0};
  Calculer(p, CALCUL_SELECTION);
  CopierTexte(p->ExpressionRecherche, expression.c_str(), TAILLE_RECHERCHE);
  p->criteres = criteres;
}

}  // namespace

int CommandeCalcul(Programme* p, int compte) {
  if (compte == CALCUL_RECHERCHE && !CriteresValides(p)) {
    ProgrammeMessage(p, p->vue.fenetre,
                     "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                     "correctement définis.",
                     BOITE_OK | ICONE_ATTENTION);
    return 0;
  }
  if (compte == CALCUL_SELECTION) {
    if (SelectionComptable(p)) CalculerSelection(p);
    return 0;
  }
  Calculer(p, compte);
  return 0;
}
