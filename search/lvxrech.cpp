#include "lvxrech.h"

#include "moteur.h"
#include "moteur_ecran.h"

namespace {
// The last on-screen search, until the caller has read it back.
PositionEcran position;
Poignee hChampTrouve;
}  // namespace

LVX_API uint16_t LVX_APPEL Util_Dll_recherche_chaine(
    uint8_t* fiche, char* tampon_recherche, char* expression, uint16_t RechercheAvecCasse,
    uint16_t RechercheNoms, uint16_t RechercheURL, uint16_t RechercheRubriques,
    uint16_t RechercheMotsCles, uint16_t RechercheNotes, uint16_t RechercheAvecExactitude,
    uint16_t RechercheTotalChamp, uint16_t RechercheOccurDebutChamp, uint8_t* tampon) {
  const Criteres c = {
      RechercheAvecCasse,
      {RechercheNoms, RechercheURL, RechercheRubriques, RechercheMotsCles, RechercheNotes},
      RechercheAvecExactitude,
      RechercheTotalChamp,
      RechercheOccurDebutChamp};
  Moteur m;
  MoteurPreparer(&m, CaracteresSysteme(), &c, expression, tampon_recherche);
  return MoteurFiche(&m, fiche, (char*)tampon);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Recherche_Ecran(
    uint8_t* lpFicheEcran, uint32_t lpTextOccurNom, uint32_t lpTextOccurURL,
    uint32_t lpTextOccurRubrique, uint32_t lpTextOccurMotsCles, uint32_t lpTextOccurNotes,
    Poignee hChampRecherche, uint8_t* tampon, char* expression, char* tampon_recherche,
    uint16_t RechercheAvecCasse, uint16_t RechercheNoms, uint16_t RechercheURL,
    uint16_t RechercheRubriques, uint16_t RechercheMotsCles, uint16_t RechercheNotes, Poignee hNom,
    Poignee hURL, Poignee hRubrique, Poignee hMotsCles, Poignee hNotes,
    uint16_t RechercheAvecExactitude, uint16_t RechercheTotalChamp,
    uint16_t RechercheOccurDebutChamp) {
  const Criteres c = {
      RechercheAvecCasse,
      {RechercheNoms, RechercheURL, RechercheRubriques, RechercheMotsCles, RechercheNotes},
      RechercheAvecExactitude,
      RechercheTotalChamp,
      RechercheOccurDebutChamp};
  const Poignee edits[NB_CHAMPS] = {hNom, hURL, hRubrique, hMotsCles, hNotes};
  position.reprises[CHAMP_NOM] = lpTextOccurNom;
  position.reprises[CHAMP_URL] = lpTextOccurURL;
  position.reprises[CHAMP_RUBRIQUE] = lpTextOccurRubrique;
  position.reprises[CHAMP_MOTS_CLES] = lpTextOccurMotsCles;
  position.reprises[CHAMP_NOTES] = lpTextOccurNotes;
  Moteur m;
  MoteurPreparer(&m, CaracteresSysteme(), &c, expression, tampon_recherche);
  uint16_t trouve =
      MoteurEcran(&m, lpFicheEcran, (char*)tampon, hChampRecherche == nullptr, &position);
  if (trouve) hChampTrouve = edits[position.champ];
  return trouve;
}

LVX_API uint16_t LVX_APPEL RecupererOffsetRechercheDebut() { return position.debut; }
LVX_API uint16_t LVX_APPEL RecupererOffsetRechercheFin() { return position.fin; }
LVX_API Poignee LVX_APPEL RecupererhChampRecherche() { return hChampTrouve; }
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurNom() { return position.reprises[CHAMP_NOM]; }
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurURL() { return position.reprises[CHAMP_URL]; }
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurRubrique() {
  return position.reprises[CHAMP_RUBRIQUE];
}
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurMotsCles() {
  return position.reprises[CHAMP_MOTS_CLES];
}
LVX_API uint32_t LVX_APPEL RecupererlpTextOccurNotes() { return position.reprises[CHAMP_NOTES]; }
