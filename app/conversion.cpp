#include "conversion.h"

#include "lvxgest.h"

int CommandeConversion(Programme* p, int genre) {
  Magasin* m = &p->magasin;
  const CriteresRecherche& c = p->criteres;
  const Poignee* champs = p->vue.champs;
  uint16_t drapeaux[5] = {};
  drapeaux[genre] = 1;
  Util_Dll_Lvxgest_Init_Variables(
      p->vue.fenetre, champs[CHAMP_NOM], champs[CHAMP_URL], champs[CHAMP_RUBRIQUE],
      champs[CHAMP_MOTS_CLES], champs[CHAMP_NOTES], p->TamponTransfert, p->TamponRecherche,
      p->ExpressionRecherche, c.RechercheAvecCasse, c.RechercheNoms, c.RechercheURL,
      c.RechercheRubriques, c.RechercheMotsCles, c.RechercheNotes, c.RechercheAvecExactitude,
      c.RechercheTotalChamp, c.RechercheOccurDebutChamp, m->lpDebutMem, m->lpFinMem,
      m->lpFicheEcran, m->NumFiche, p->attente, p->fleche, drapeaux[CONVERTIR_VERS_NAVIGATEUR],
      drapeaux[CONVERTIR_VERS_EXTRA_WEB], drapeaux[CONVERTIR_REMPLACER], m->TailleTotaleFiches,
      m->longSize, m->GlobalDebutMem, drapeaux[CONVERTIR_AJOUTER], drapeaux[CONVERTIR_SUPPRIMER]);
  Util_Dll_Lvxgest_Convertir();
  // Every store variable comes back before anything touches the store:
  // the block may have moved, or be gone.
  m->TailleTotaleFiches = Util_Dll_Lvxgest_Recuperer_TailleTotaleFiches();
  m->lpDebutMem = Util_Dll_Lvxgest_Recuperer_lpDebutMem();
  m->lpFinMem = Util_Dll_Lvxgest_Recuperer_lpFinMem();
  m->lpFicheEcran = Util_Dll_Lvxgest_Recuperer_lpFicheEcran();
  m->longSize = Util_Dll_Lvxgest_Recuperer_longSize();
  m->GlobalDebutMem = Util_Dll_Lvxgest_Recuperer_GlobalDebutMem();
  if (!m->lpDebutMem) {
    ProgrammeEchecMemoire(p);
    return 0;
  }
  if (Util_Dll_Lvxgest_Recuperer_FichesModifieesOK() == 1) p->TravailModifie = 1;
  if (Util_Dll_Lvxgest_Recuperer_Depassement() == 1)
    ProgrammeMessage(p, p->vue.fenetre,
                     "Certaines fiches n'ont pas été traitées car au moins un champ comportait "
                     "trop de caractères.",
                     BOITE_OK | ICONE_ERREUR);
  return 0;
}
