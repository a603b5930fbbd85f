#include "selection.h"

#include "fiche.h"
#include "lvxgest.h"
#include "lvxrech.h"

int CriteresUtilisables(const CriteresExport* c) {
  return c->expression[0] && (c->RechercheNoms || c->RechercheURL || c->RechercheRubriques ||
                              c->RechercheMotsCles || c->RechercheNotes);
}

int FicheCorrespond(const CriteresExport* c, uint8_t* fiche) {
  return Util_Dll_recherche_chaine(fiche, c->tampon_recherche, c->expression,
                                   c->RechercheAvecCasse, c->RechercheNoms, c->RechercheURL,
                                   c->RechercheRubriques, c->RechercheMotsCles, c->RechercheNotes,
                                   c->RechercheAvecExactitude, c->RechercheTotalChamp,
                                   c->RechercheOccurDebutChamp, c->tampon) == 1;
}

uint16_t FicheMarque(const uint8_t* fiche) { return LireMot(fiche); }

uint8_t* PremiereCorrespondante(const CriteresExport* c, uint8_t* debut, uint8_t* fin) {
  while (debut < fin && !FicheCorrespond(c, debut)) debut = determine_pointeur_fiche_suivante(debut);
  return debut < fin ? debut : fin;
}

uint8_t* PremiereMarquee(uint8_t* debut, uint8_t* fin) {
  while (debut < fin && FicheMarque(debut) == 0) debut = determine_pointeur_fiche_suivante(debut);
  return debut < fin ? debut : fin;
}
