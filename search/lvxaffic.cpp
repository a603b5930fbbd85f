#include "lvxaffic.h"

#include <cstring>

#include "dialogues_affic.h"

namespace {

ParametresAffic parametres;
ResultatAffic resultat;

// The records the commands reach the system through, gathered anew for
// every command: a test process installs a new system for each case.
const SystemeAffic* Systeme() {
  static SystemeAffic systeme;
  systeme = {
      .memoire = MemoireSysteme(),
      .fenetres = FenetresSysteme(),
      .caracteres = CaracteresSysteme(),
      .dialogues = DialoguesAfficSysteme(),
  };
  return &systeme;
}

void Afficher(CommandeAffic commande) {
  AfficherListe(Systeme(), &parametres, commande, &resultat);
}

}  // namespace

LVX_API void LVX_APPEL Util_Dll_Afficher_Init_Variables(
    Poignee hWnd, uint8_t* tampon, uint16_t NomsRecherche, uint16_t NomsMarquees,
    uint16_t UrlRecherche, uint16_t UrlMarquees, char* expression, char* tampon_recherche,
    uint16_t RechercheNoms, uint16_t RechercheURL, uint16_t RechercheRubriques,
    uint16_t RechercheMotsCles, uint16_t RechercheNotes, uint16_t RechercheAvecCasse,
    uint16_t RechercheAvecExactitude, uint16_t RechercheTotalChamp,
    uint16_t RechercheOccurDebutChamp, uint8_t* lpDebutMem, uint8_t* lpFinMem,
    uint8_t* lpFicheEcran, int32_t NumFiche, Poignee attente, Poignee fleche, uint16_t Cibles,
    uint16_t FinsCibles) {
  parametres = {
      .fenetre = hWnd,
      .tampon = tampon,
      .NomsRecherche = NomsRecherche,
      .NomsMarquees = NomsMarquees,
      .UrlRecherche = UrlRecherche,
      .UrlMarquees = UrlMarquees,
      .expression = expression,
      .tampon_recherche = tampon_recherche,
      .criteres = {RechercheNoms, RechercheURL, RechercheRubriques, RechercheMotsCles,
                   RechercheNotes, RechercheAvecCasse, RechercheAvecExactitude,
                   RechercheTotalChamp, RechercheOccurDebutChamp},
      .lpDebutMem = lpDebutMem,
      .lpFinMem = lpFinMem,
      .lpFicheEcran = lpFicheEcran,
      .NumFiche = NumFiche,
      .attente = attente,
      .fleche = fleche,
      .Cibles = Cibles,
      .FinsCibles = FinsCibles,
  };
  resultat.AfficherFicheOk = 0;
  resultat.lpFicheEcran = lpFicheEcran;
  resultat.NumFiche = NumFiche;
  memcpy(resultat.criteres, parametres.criteres, sizeof resultat.criteres);
}

LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_Noms_De_Sites() { Afficher(AFFIC_NOMS); }
LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_URL() { Afficher(AFFIC_URL); }
LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_Rubriques() { Afficher(AFFIC_RUBRIQUES); }
LVX_API void LVX_APPEL Util_Dll_Afficher_Liste_Mots_Cles() { Afficher(AFFIC_MOTS_CLES); }

LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_AfficherFicheOk() { return resultat.AfficherFicheOk; }
LVX_API uint8_t* LVX_APPEL Lvxaffic_Recuperer_lpFicheEcran() { return resultat.lpFicheEcran; }
LVX_API int32_t LVX_APPEL Lvxaffic_Recuperer_NumFiche() { return resultat.NumFiche; }
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheNoms() { return resultat.criteres[0]; }
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheURL() { return resultat.criteres[1]; }
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheRubriques() { return resultat.criteres[2]; }
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheMotsCles() { return resultat.criteres[3]; }
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheNotes() { return resultat.criteres[4]; }
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheAvecCasse() { return resultat.criteres[5]; }
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheAvecExactitude() {
  return resultat.criteres[6];
}
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheTotalChamp() {
  return resultat.criteres[7];
}
LVX_API uint16_t LVX_APPEL Lvxaffic_Recuperer_RechercheOccurDebutChamp() {
  return resultat.criteres[8];
}
