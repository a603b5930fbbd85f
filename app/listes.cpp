#include "listes.h"

#include "recherche.h"
#include "search/lvxaffic.h"

namespace {

void CriteresRendus(Programme* p) {
  p->criteres = CriteresRecherche{
      .RechercheNoms = Lvxaffic_Recuperer_RechercheNoms(),
      .RechercheURL = Lvxaffic_Recuperer_RechercheURL(),
      .RechercheRubriques = Lvxaffic_Recuperer_RechercheRubriques(),
      .RechercheMotsCles = Lvxaffic_Recuperer_RechercheMotsCles(),
      .RechercheNotes = Lvxaffic_Recuperer_RechercheNotes(),
      .RechercheAvecCasse = Lvxaffic_Recuperer_RechercheAvecCasse(),
      .RechercheAvecExactitude = Lvxaffic_Recuperer_RechercheAvecExactitude(),
      .RechercheTotalChamp = Lvxaffic_Recuperer_RechercheTotalChamp(),
      .RechercheOccurDebutChamp = Lvxaffic_Recuperer_RechercheOccurDebutChamp(),
  };
}

}  // namespace

int CommandeListe(Programme* p, int liste) {
  int genre = liste & 0xF0;
  uint16_t recherche = (liste & LISTE_APP_RECHERCHE) != 0;
  uint16_t marquees = (liste & LISTE_APP_MARQUEES) != 0;
  if (recherche && !CriteresValides(p)) {
    ProgrammeAvertir(p,
                     "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                     "correctement définis.");
    return 0;
  }
  int noms = genre == LISTE_APP_NOMS;
  int url = genre != LISTE_APP_NOMS && genre != LISTE_APP_RUBRIQUES && genre != LISTE_APP_MOTS_CLES;
  uint16_t cibles = genre == LISTE_APP_CIBLES || genre == LISTE_APP_FINS_CIBLES;
  uint16_t fins = genre == LISTE_APP_FINS_CIBLES;
  Magasin* m = &p->magasin;
  const CriteresRecherche& c = p->criteres;
  Util_Dll_Afficher_Init_Variables(
      p->vue.fenetre, p->TamponTransfert, (uint16_t)(noms && recherche),
      (uint16_t)(noms && marquees), (uint16_t)(url && recherche), (uint16_t)(url && marquees),
      p->ExpressionRecherche, p->TamponRecherche, c.RechercheNoms, c.RechercheURL,
      c.RechercheRubriques, c.RechercheMotsCles, c.RechercheNotes, c.RechercheAvecCasse,
      c.RechercheAvecExactitude, c.RechercheTotalChamp, c.RechercheOccurDebutChamp, m->lpDebutMem,
      m->lpFinMem, m->lpFicheEcran, m->NumFiche, p->attente, p->fleche, cibles, fins);
  if (genre == LISTE_APP_RUBRIQUES || genre == LISTE_APP_MOTS_CLES) {
    if (genre == LISTE_APP_RUBRIQUES)
      Util_Dll_Afficher_Liste_Rubriques();
    else
      Util_Dll_Afficher_Liste_Mots_Cles();
    CriteresRendus(p);
    return 0;
  }
  if (noms)
    Util_Dll_Afficher_Liste_Noms_De_Sites();
  else
    Util_Dll_Afficher_Liste_URL();
  m->NumFiche = Lvxaffic_Recuperer_NumFiche();
  m->lpFicheEcran = Lvxaffic_Recuperer_lpFicheEcran();
  if (Lvxaffic_Recuperer_AfficherFicheOk() != 1) return 0;
  ProgrammeAfficherFiche(p);
  ProgrammeCompteur(p, p->vue.numero, m->NumFiche);
  // The name came from the search: its match is selected on the card.
  if (noms && recherche) CommandeCorrespondanceEcran(p, 1);
  return 0;
}
