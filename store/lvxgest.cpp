#include "lvxgest.h"

#include "chemin_long.h"
#include "fiche.h"

LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_suivante(uint8_t* fiche) {
  return FicheSuivante(fiche);
}

LVX_API uint8_t* LVX_APPEL determine_pointeur_fiche_precedente(uint8_t* fiche) {
  return FichePrecedente(fiche);
}

LVX_API uint16_t LVX_APPEL PathCourtVersLong(char* chemin) {
  CheminCourtVersLong(FichiersSysteme(), chemin);
  return 1;
}
