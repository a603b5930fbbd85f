// Byte layout of a card: a u16 mark word, then five fields, each a u16 L
// (text length + 1), the text with its NUL, and L again for the backward walk.
#pragma once
#include <cstdint>

enum : uint32_t {
  NB_CHAMPS = 5,
  TAILLE_FICHE_VIDE = 27,        // mark word and five empty fields
  LONGUEUR_CHAMP_MAX = 65000,    // characters kept per field from the card view
  MAX_FICHES = 9999999,
};

// Field numbers, in the one order used everywhere.
enum Champ { CHAMP_NOM = 0, CHAMP_URL, CHAMP_RUBRIQUE, CHAMP_MOTS_CLES, CHAMP_NOTES };

inline uint16_t LireMot(const uint8_t* p) { return (uint16_t)(p[0] | (p[1] << 8)); }
inline void EcrireMot(uint8_t* p, uint16_t v) { p[0] = (uint8_t)v; p[1] = (uint8_t)(v >> 8); }
inline uint32_t LireLong(const uint8_t* p) {
  return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}
inline void EcrireLong(uint8_t* p, uint32_t v) {
  p[0] = (uint8_t)v; p[1] = (uint8_t)(v >> 8); p[2] = (uint8_t)(v >> 16); p[3] = (uint8_t)(v >> 24);
}

// Start of the card after the one at p.
uint8_t* FicheSuivante(uint8_t* p);
// Start of the card before p (a card start or the end of the store).
uint8_t* FichePrecedente(uint8_t* p);
// Text of field champ of the card at p (NUL-terminated) and its length.
const char* FicheTexte(const uint8_t* fiche, int champ, uint32_t* longueur);
// Bytes a card with these text lengths takes.
uint32_t FicheTaille(const uint32_t longueurs[NB_CHAMPS]);
// Writes a card at p; returns its size.
uint32_t FicheEcrire(uint8_t* p, uint16_t marque, const char* const textes[NB_CHAMPS],
                     const uint32_t longueurs[NB_CHAMPS]);
// Writes an empty card (27 bytes) at p.
void FicheEcrireVide(uint8_t* p);
// 1 when the taille bytes at debut are exactly total well-formed cards:
// every length inside the data, both copies equal, a NUL ending each text.
int FichesValides(const uint8_t* debut, uint64_t taille, uint32_t total);
