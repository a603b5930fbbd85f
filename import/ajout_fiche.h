// Card append: every card an import creates goes in after the card on
// screen, or takes its place when that card is empty, and becomes the card
// on screen.
#pragma once
#include <cstdint>

#include "fiche.h"
#include "index_urls.h"
#include "magasin.h"
#include "plateforme.h"

enum : uint32_t {
  LONGUEUR_TEXTE_AJOUT_MAX = 65534,  // the most a field's u16 length word can carry
};

enum ResultatAjout {
  AJOUT_FAIT,
  AJOUT_LIMITE,     // 9,999,999 cards already: nothing added, the importer shows its message
  AJOUT_SANS_BLOC,  // the block could not grow: lpDebutMem is now null, the importer stops
};

// Adds a card with these NUL-terminated texts (field order; each cut to its
// first 65,534 bytes) and the mark word 0. The empty card on screen (27
// bytes, whatever its mark) is replaced; otherwise the card goes after it,
// TotalFiches and NumFiche grow by one. Sets *FichesModifieesOK to 1 and
// keeps index (if any) current. On AJOUT_SANS_BLOC lpDebutMem, lpFinMem and
// lpFicheEcran are null, as the library hands them back; GlobalDebutMem
// still names the old, locked block.
ResultatAjout FicheAjouter(const Memoire* memoire, Magasin* m, const char* const textes[NB_CHAMPS],
                           uint16_t* FichesModifieesOK, IndexUrls* index);
