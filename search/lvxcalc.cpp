#include "lvxcalc.h"

#include "calcul.h"

LVX_API uint16_t LVX_APPEL Util_Dll_calculer_nombre(
    Poignee hWnd, uint8_t* lpDebutMem, uint8_t* lpFinMem, uint8_t* tampon, Poignee fleche,
    Poignee attente, uint16_t CalculFichesMarquees, uint16_t CalculFichesRecherche,
    uint16_t CalculTailleTravail, uint16_t CalculFichesIncompletes, uint16_t CalculNombreRubriques,
    uint16_t CalculNombreMotsCles, uint16_t CalculNomEnCours, uint16_t CalculURLEnCours,
    uint16_t CalculRubriqueEnCours, uint16_t CalculSelectionEnCours, Poignee hNom, Poignee hURL,
    Poignee hRubrique, uint16_t RechercheNoms, uint16_t RechercheURL, uint16_t RechercheRubriques,
    uint16_t RechercheMotsCles, uint16_t RechercheNotes, uint16_t RechercheAvecCasse,
    uint16_t RechercheAvecExactitude, uint16_t RechercheTotalChamp,
    uint16_t RechercheOccurDebutChamp, char* expression, char* tampon_recherche) {
  const uint16_t drapeaux[NB_COMPTES] = {
      CalculFichesMarquees,  CalculFichesRecherche, CalculTailleTravail, CalculFichesIncompletes,
      CalculNombreRubriques, CalculNombreMotsCles,  CalculNomEnCours,    CalculURLEnCours,
      CalculRubriqueEnCours, CalculSelectionEnCours};
  int compte = 0;
  while (compte < NB_COMPTES && drapeaux[compte] != 1) compte++;
  if (compte == NB_COMPTES) return 0;

  // Gathered anew for every call: a test process installs a new system for
  // each case.
  const SystemeCalcul sys = {
      .memoire = MemoireSysteme(),
      .fenetres = FenetresSysteme(),
      .dialogues = DialoguesCalculSysteme(),
  };
  const Calcul c = {
      .sys = &sys,
      .fenetre = hWnd,
      .debut = lpDebutMem,
      .fin = lpFinMem,
      .fleche = fleche,
      .attente = attente,
      .compte = compte,
      .champs = {hNom, hURL, hRubrique},
      .criteres = {.tampon_recherche = tampon_recherche,
                   .expression = expression,
                   .RechercheAvecCasse = RechercheAvecCasse,
                   .RechercheNoms = RechercheNoms,
                   .RechercheURL = RechercheURL,
                   .RechercheRubriques = RechercheRubriques,
                   .RechercheMotsCles = RechercheMotsCles,
                   .RechercheNotes = RechercheNotes,
                   .RechercheAvecExactitude = RechercheAvecExactitude,
                   .RechercheTotalChamp = RechercheTotalChamp,
                   .RechercheOccurDebutChamp = RechercheOccurDebutChamp,
                   .tampon = tampon},
  };
  CalculExecuter(&c);
  return 0;
}
