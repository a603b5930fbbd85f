// What the export to data files and the split share: the header, the
// drive's free space, a file written beside another, copies between files.
#pragma once
#include <cstddef>
#include <cstdint>

#include "fichier_donnees.h"
#include "plateforme.h"

// A stop, exclamation or question box captioned "Lorvanix 6.1".
int MessageSpec(const Fenetres* fenetres, Poignee proprietaire, const char* texte, unsigned style);

// The magic with its NUL, then zeros up to 40 bytes.
void EnteteSpec(const char* magie, uint8_t entete[TAILLE_ENTETE]);
// 1 when the 40 bytes, read as a NUL-terminated text, are the magic.
int EnteteValide(const uint8_t entete[TAILLE_ENTETE], const char* magie);

// Free bytes of the drive named by the path's first three characters; 0
// when the system cannot tell (the caller then does not refuse).
int EspaceLibreChemin(const Fichiers* fichiers, const char* chemin, uint64_t* libre);
// Size of the file if it exists and can be opened, else 0.
uint64_t TailleExistante(const Fichiers* fichiers, const char* chemin);
// A new empty file in the folder of chemin, its path in temporaire (260
// bytes); 0 (temporaire empty) when none can be made.
int FichierACote(const Fichiers* fichiers, const char* chemin, char* temporaire);

// Copies n bytes from the current position of de to that of vers in
// pieces of at most taille_tampon bytes; with a window, it is repainted
// after each piece. 1 when every byte was read and written.
int CopierOctets(const Fichiers* fichiers, const Fenetres* fenetres, Poignee de, Poignee vers,
                 uint64_t n, uint8_t* tampon, size_t taille_tampon, Poignee fenetre);
