// The whole-file buffer of the import library (hugeTampon): the file being
// scanned, kept from one import to the next, grown when a larger file comes
// and released only when the program ends.
#pragma once
#include <cstdint>

#include "plateforme.h"

enum : uint32_t {
  MARGE_TAMPON_FICHIER = 10,  // bytes allocated beyond the file length
};

struct TamponFichier {
  Poignee bloc;       // movable block, null until the first load
  uint8_t* octets;    // its locked address: the data start
  uint32_t longueur;  // bytes of the last file loaded: the data end
  uint32_t capacite;  // file length + 10 at the last growth
};

// Why a load failed; the flags the single-file importers report.
enum : unsigned {
  CHARGEMENT_NON_OUVERT = 1,
  CHARGEMENT_VIDE = 2,
  CHARGEMENT_SANS_MEMOIRE = 4,
};

// The library's buffer, for the life of the process.
extern TamponFichier hugeTampon;

// Reads the file at chemin whole into t, in chunks of 65,534 bytes through
// transfert (the lent transfer buffer), repainting fenetre before each.
// Returns 0 on success, else the CHARGEMENT_ flag of the failure; t keeps
// its block (and its size) whatever happens, but no data after a failure.
// Never writes past the capacity: a file that grew since its length was
// taken is cut there.
unsigned TamponFichierCharger(const Memoire* memoire, const Fichiers* fichiers,
                              const Fenetres* fenetres, TamponFichier* t, const char* chemin,
                              uint8_t* transfert, Poignee fenetre);

// Shows, in this order, the message of each flag set (error icon).
void TamponFichierSignaler(const Fenetres* fenetres, Poignee fenetre, unsigned echecs);

// Frees the block if there is one; t is empty again.
void TamponFichierLiberer(const Memoire* memoire, TamponFichier* t);
