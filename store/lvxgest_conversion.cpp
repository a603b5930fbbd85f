// lvxgest's conversion exports: the store handed over, the command, and
// the getters that hand it back.
#include "commande_conversion.h"
#include "lvxgest.h"

namespace {

Conversion conversion;

}  // namespace

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Init_Variables(
    Poignee hWnd, Poignee hNom, Poignee hURL, Poignee hRubrique, Poignee hMotsCles, Poignee hNotes,
    uint8_t* tampon, char* tampon_recherche, char* expression, uint16_t RechercheAvecCasse,
    uint16_t RechercheNoms, uint16_t RechercheURL, uint16_t RechercheRubriques,
    uint16_t RechercheMotsCles, uint16_t RechercheNotes, uint16_t RechercheAvecExactitude,
    uint16_t RechercheTotalChamp, uint16_t RechercheOccurDebutChamp, uint8_t* lpDebutMem,
    uint8_t* lpFinMem, uint8_t* lpFicheEcran, int32_t NumFiche, Poignee hCurseurAttente,
    Poignee hCurseurFleche, uint16_t ConvertirExtraWebVersNavigateur,
    uint16_t ConvertirNavigateurVersExtraWeb, uint16_t ConvertirRemplacer,
    uint32_t TailleTotaleFiches, uint32_t longSize, Poignee GlobalDebutMem,
    uint16_t ConvertirAjouter, uint16_t ConvertirSupprimer) {
  Conversion& c = conversion;
  c = Conversion{};
  c.fenetre = hWnd;
  Poignee champs[NB_CHAMPS] = {hNom, hURL, hRubrique, hMotsCles, hNotes};
  for (uint32_t i = 0; i < NB_CHAMPS; i++) c.champs[i] = champs[i];
  c.tampon = tampon;
  c.tampon_recherche = tampon_recherche;
  c.expression = expression;
  c.RechercheAvecCasse = RechercheAvecCasse;
  c.RechercheNoms = RechercheNoms;
  c.RechercheURL = RechercheURL;
  c.RechercheRubriques = RechercheRubriques;
  c.RechercheMotsCles = RechercheMotsCles;
  c.RechercheNotes = RechercheNotes;
  c.RechercheAvecExactitude = RechercheAvecExactitude;
  c.RechercheTotalChamp = RechercheTotalChamp;
  c.RechercheOccurDebutChamp = RechercheOccurDebutChamp;
  c.magasin.lpDebutMem = lpDebutMem;
  c.magasin.lpFinMem = lpFinMem;
  c.magasin.lpFicheEcran = lpFicheEcran;
  c.magasin.NumFiche = NumFiche;
  c.magasin.TailleTotaleFiches = TailleTotaleFiches;
  c.magasin.longSize = longSize;
  c.magasin.GlobalDebutMem = GlobalDebutMem;
  c.attente = hCurseurAttente;
  c.fleche = hCurseurFleche;
  c.modes[CONVERSION_VERS_NAVIGATEUR] = ConvertirExtraWebVersNavigateur;
  c.modes[CONVERSION_VERS_EXTRA_WEB] = ConvertirNavigateurVersExtraWeb;
  c.modes[CONVERSION_REMPLACER] = ConvertirRemplacer;
  c.modes[CONVERSION_AJOUTER] = ConvertirAjouter;
  c.modes[CONVERSION_SUPPRIMER] = ConvertirSupprimer;
  return 1;
}

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Convertir() {
  const SystemeGest sys = {
      .memoire = MemoireSysteme(),
      .fichiers = FichiersSysteme(),
      .fenetres = FenetresSysteme(),
      .coquille = CoquilleSysteme(),
      .dialogues = DialoguesGestSysteme(),
  };
  return ConversionExecuter(&conversion, &sys);
}

LVX_API uint32_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_TailleTotaleFiches() {
  return conversion.magasin.TailleTotaleFiches;
}
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxgest_Recuperer_lpDebutMem() {
  return conversion.magasin.lpDebutMem;
}
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxgest_Recuperer_lpFinMem() {
  return conversion.magasin.lpFinMem;
}
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxgest_Recuperer_lpFicheEcran() {
  return conversion.magasin.lpFicheEcran;
}
LVX_API uint32_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_longSize() {
  return conversion.magasin.longSize;
}
LVX_API Poignee LVX_APPEL Util_Dll_Lvxgest_Recuperer_GlobalDebutMem() {
  return conversion.magasin.GlobalDebutMem;
}
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_FichesModifieesOK() {
  return conversion.FichesModifieesOK;
}
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxgest_Recuperer_Depassement() {
  return conversion.Depassement;
}
