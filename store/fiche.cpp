#include "fiche.h"

#include <cstring>

uint8_t* FicheSuivante(uint8_t* p) {
  p += 2;
  for (uint32_t i = 0; i < NB_CHAMPS; i++) p += LireMot(p) + 4;
  return p;
}

uint8_t* FichePrecedente(uint8_t* p) {
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    p -= 2;
    p -= LireMot(p) + 2;
  }
  return p - 2;
}

const char* FicheTexte(const uint8_t* fiche, int champ, uint32_t* longueur) {
  const uint8_t* p = fiche + 2;
  for (int i = 0; i < champ; i++) p += LireMot(p) + 4;
  if (longueur) *longueur = LireMot(p) - 1u;
  return (const char*)p + 2;
}

uint32_t FicheTaille(const uint32_t longueurs[NB_CHAMPS]) {
  uint32_t taille = TAILLE_FICHE_VIDE;
  for (uint32_t i = 0; i < NB_CHAMPS; i++) taille += longueurs[i];
  return taille;
}

uint32_t FicheEcrire(uint8_t* p, uint16_t marque, const char* const textes[NB_CHAMPS],
                     const uint32_t longueurs[NB_CHAMPS]) {
  uint8_t* debut = p;
  EcrireMot(p, marque);
  p += 2;
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    uint16_t l = (uint16_t)(longueurs[i] + 1);
    EcrireMot(p, l);
    if (longueurs[i]) memmove(p + 2, textes[i], longueurs[i]);
    p[2 + longueurs[i]] = 0;
    EcrireMot(p + 2 + l, l);
    p += l + 4;
  }
  return (uint32_t)(p - debut);
}

void FicheEcrireVide(uint8_t* p) {
  static const char* const vides[NB_CHAMPS] = {"", "", "", "", ""};
  static const uint32_t zeros[NB_CHAMPS] = {0, 0, 0, 0, 0};
  FicheEcrire(p, 0, vides, zeros);
}

int FichesValides(const uint8_t* debut, uint64_t taille, uint32_t total) {
  uint64_t pos = 0;
  for (uint32_t n = 0; n < total; n++) {
    if (taille - pos < 2) return 0;
    pos += 2;
    for (uint32_t i = 0; i < NB_CHAMPS; i++) {
      if (taille - pos < 4) return 0;
      uint32_t l = LireMot(debut + pos);
      if (l == 0 || taille - pos - 4 < l) return 0;
      if (debut[pos + 1 + l] != 0 || LireMot(debut + pos + 2 + l) != l) return 0;
      pos += l + 4;
    }
  }
  return pos == taille;
}
