// Which cards an export takes: the selection mode, the search criteria as
// the exports receive them, and the checks made before a file is chosen.
#pragma once
#include <cstdint>

#include "plateforme.h"

enum ModeSelection {
  SELECTION_TOUTES,
  SELECTION_ECRAN,
  SELECTION_RECHERCHE,
  SELECTION_MARQUEES,
};

// The criteria handed on to Util_Dll_recherche_chaine, in its order.
struct CriteresExport {
  char* tampon_recherche;  // card search buffer
  char* expression;
  uint16_t RechercheAvecCasse, RechercheNoms, RechercheURL, RechercheRubriques,
      RechercheMotsCles, RechercheNotes, RechercheAvecExactitude, RechercheTotalChamp,
      RechercheOccurDebutChamp;
  uint8_t* tampon;  // transfer buffer, for each field's copy
};

// An expression and at least one field to look in.
int CriteresUtilisables(const CriteresExport* c);
// 1 when the card matches the criteria.
int FicheCorrespond(const CriteresExport* c, uint8_t* fiche);
uint16_t FicheMarque(const uint8_t* fiche);
// The first card from debut to fin that matches, or fin.
uint8_t* PremiereCorrespondante(const CriteresExport* c, uint8_t* debut, uint8_t* fin);
// The first card from debut to fin whose mark word is not 0, or fin.
uint8_t* PremiereMarquee(uint8_t* debut, uint8_t* fin);
