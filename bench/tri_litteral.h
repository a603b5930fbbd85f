// The alphabetical sort the straightforward way: a selection of the
// smallest key for every pass, the chosen card appended to an output copy
// and removed from the cards left by moving the rest down. Quadratic; kept
// as the reference that the sort is measured and checked against.
#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

#include "fiche.h"
#include "plateforme.h"

// Sorts total cards from debut to fin by field cle (1 to 3); returns the
// card on screen's new place, its number in *numero.
inline uint8_t* TrierLitteral(const Caracteres* c, uint8_t* debut, uint8_t* fin, uint8_t* ecran,
                              int32_t total, uint16_t cle, int32_t* numero) {
  const int champ = cle - 1;
  std::vector<uint8_t> sortie;
  sortie.reserve((size_t)(fin - debut) + 10);
  // The card on screen carries 4 (unmarked) or 5 (marked) while it moves.
  uint16_t marque = LireMot(ecran);
  if (marque == 0) EcrireMot(ecran, 4);
  if (marque == 1) EcrireMot(ecran, 5);

  uint8_t* reste = fin;
  for (int32_t passe = 0; passe < total - 1; passe++) {
    uint8_t* choisie = debut;
    const char* plus_petite = FicheTexte(choisie, champ, nullptr);
    for (uint8_t* f = debut; f < reste; f = FicheSuivante(f)) {
      const char* t = FicheTexte(f, champ, nullptr);
      if (c->comparer(c->ctx, plus_petite, t) > 0) {
        plus_petite = t;
        choisie = f;
      }
    }
    uint8_t* apres = FicheSuivante(choisie);
    sortie.insert(sortie.end(), choisie, apres);
    memmove(choisie, apres, (size_t)(reste - apres));
    reste -= apres - choisie;
  }
  sortie.insert(sortie.end(), debut, reste);
  memcpy(debut, sortie.data(), sortie.size());

  int32_t n = 1;
  uint8_t* f = debut;
  while (LireMot(f) != 4 && LireMot(f) != 5) {
    f = FicheSuivante(f);
    n++;
  }
  EcrireMot(f, LireMot(f) == 4 ? 0 : 1);
  *numero = n;
  return f;
}
