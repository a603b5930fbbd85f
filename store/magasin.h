// The card store: every card back to back in one movable memory block, and
// the variables every module is handed and hands back.
#pragma once
#include <cstdint>

#include "fiche.h"
#include "plateforme.h"

enum : uint32_t {
  TAILLE_BLOC_INITIAL = 1027,  // an empty card and the 1,000 spare bytes
  MARGE_BLOC = 1000,           // spare bytes kept after every growth
};

struct Magasin {
  Poignee GlobalDebutMem;      // the movable block
  uint8_t* lpDebutMem;         // its locked address: the first card
  uint8_t* lpFinMem;           // one past the last card
  uint8_t* lpFicheEcran;       // the card on screen
  uint32_t TailleTotaleFiches; // bytes used by all cards
  uint32_t longSize;           // allocated size of the block
  int32_t NumFiche;            // 1-based number of the card on screen
  int32_t TotalFiches;         // cards in the store
};

// Inserts n bytes at *p, growing the block by the 1,000-byte spare rule;
// *p and lpFicheEcran follow a move of the block, and lpFicheEcran moves up
// when it lies after *p. 0 when the block cannot grow: nothing changed.
int MagasinOuvrirEspace(Magasin* m, const Memoire* memoire, uint8_t** p, uint32_t n);
// Removes the n bytes just before p. The block never shrinks.
void MagasinFermerEspace(Magasin* m, uint8_t* p, uint32_t n);
// One empty card; allocates a 1,027-byte block when there is none.
// 0 when that allocation fails.
int MagasinNouveau(Magasin* m, const Memoire* memoire);
// Start of card numero (1-based), walking from the first card.
uint8_t* MagasinFiche(const Magasin* m, int32_t numero);
// Puts these texts, each cut to 65,000 characters, and the mark word into
// the card on screen, resizing it in place. 0 when the block cannot grow.
int MagasinReecrireFiche(Magasin* m, const Memoire* memoire, uint16_t marque,
                         const char* const textes[NB_CHAMPS], const uint32_t longueurs[NB_CHAMPS]);
// Releases the block.
void MagasinLiberer(Magasin* m, const Memoire* memoire);
