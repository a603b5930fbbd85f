#include "lvxprint.h"

#include "impression_fiches.h"

LVX_API uint16_t LVX_APPEL Util_Dll_Lancer_Impression(
    Poignee hWnd, EnregistrementImpression impression, Poignee police, Poignee police_titre,
    Poignee stylo, uint16_t ImprimerToutes, uint16_t ImprimerEcran, uint16_t ImprimerRecherche,
    uint16_t ImprimerMarquees, uint16_t ImprimerNom, uint16_t ImprimerTitreNom,
    uint16_t ImprimerURL, uint16_t ImprimerTitreURL, uint16_t ImprimerRubrique,
    uint16_t ImprimerTitreRubrique, uint16_t ImprimerMotsCles, uint16_t ImprimerTitreMotsCles,
    uint16_t ImprimerNotes, uint16_t ImprimerTitreNotes, uint16_t ImprimerPagination,
    uint16_t ImprimerCadre, uint16_t ImprimerFicheParPage, uint8_t* lpDebutMem,
    uint8_t* lpFinMem, uint32_t TotalFiches, uint8_t* lpFicheEcran, char* expression,
    uint16_t RechercheNoms, uint16_t RechercheURL, uint16_t RechercheRubriques,
    uint16_t RechercheMotsCles, uint16_t RechercheNotes, char* tampon_recherche,
    uint16_t RechercheAvecCasse, uint16_t RechercheAvecExactitude, uint16_t RechercheTotalChamp,
    uint16_t RechercheOccurDebutChamp, int32_t hauteur_ligne, uint8_t* tampon) {
  // In ModeSelection order.
  const uint16_t selection[] = {ImprimerToutes, ImprimerEcran, ImprimerRecherche,
                                ImprimerMarquees};
  int mode = 0;
  while (mode < 4 && selection[mode] != 1) mode++;
  if (mode == 4) return 0;

  // Gathered anew for every call: a test process installs a new system for
  // each case.
  const SystemeImpression sys = {
      .memoire = MemoireSysteme(),
      .fenetres = FenetresSysteme(),
      .caracteres = CaracteresSysteme(),
      .page = PageImpressionSysteme(),
      .progression = ProgressionImpressionSysteme(),
  };
  const ImpressionFiches p = {
      .sys = &sys,
      .fenetre = hWnd,
      .impression = &impression,
      .police = police,
      .police_titre = police_titre,
      .stylo = stylo,
      .mode = (ModeSelection)mode,
      .champs = {ImprimerNom, ImprimerURL, ImprimerRubrique, ImprimerMotsCles, ImprimerNotes},
      .titres = {ImprimerTitreNom, ImprimerTitreURL, ImprimerTitreRubrique, ImprimerTitreMotsCles,
                 ImprimerTitreNotes},
      .pagination = ImprimerPagination,
      .cadre = ImprimerCadre,
      .fiche_par_page = ImprimerFicheParPage,
      .debut = lpDebutMem,
      .fin = lpFinMem,
      .TotalFiches = TotalFiches,
      .ecran = lpFicheEcran,
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
      .hauteur_ligne = hauteur_ligne,
  };
  return ImpressionFichesExecuter(&p);
}

LVX_API Poignee LVX_APPEL RecupererhDevMode() { return nullptr; }
LVX_API Poignee LVX_APPEL RecupererhDevNames() { return nullptr; }
