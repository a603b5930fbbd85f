// The data file: a 40-byte header holding the magic string, the card bytes
// as they stand in the store, then the card count as a u32.
#pragma once
#include <cstdint>

#include "magasin.h"
#include "plateforme.h"

enum : uint32_t {
  TAILLE_ENTETE = 40,
  TAILLE_TRANSFERT = 65534,  // the transfer buffer lent by the main program
};


// Replaces the store's cards by those of the file. The file is walked whole
// through tampon first; only then are its cards read into the store's own
// block, grown to the cards + 1,000 bytes when smaller. On failure a message
// is shown and m is left exactly as it was, except for a file that changes
// or cannot be read between the two passes: m then holds one empty card.
uint16_t DonneesCharger(const Memoire* memoire, const Fichiers* fichiers, const Fenetres* fenetres,
                        Magasin* m, const char* chemin, const char* magie, Poignee fleche,
                        Poignee attente, uint8_t* tampon, Poignee fenetre);

// Writes the store to the file. The file is written whole to a temporary
// file beside it and then moved over the old one, unless the drive only has
// room when the old file's space is reused.
uint16_t DonneesSauver(const Fichiers* fichiers, const Fenetres* fenetres, const uint8_t* debut,
                       const uint8_t* fin, const char* chemin, const char* magie, uint32_t taille,
                       uint32_t total, Poignee fleche, Poignee attente, uint8_t* tampon,
                       Poignee fenetre);
