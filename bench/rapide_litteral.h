// The quick list the straightforward way: each value looked for among the
// values listed so far by a scan of their buffer, then, once per value, a
// pass over the values left that keeps the first smallest one, moves it to
// the sorted list and blanks it out. Quadratic; kept as the reference that
// the quick list is measured and checked against.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fiche.h"
#include "plateforme.h"

// The sorted values of kind genre (1 to 3: a field; 4: the keywords).
inline std::vector<std::string> ValeursLitterales(const Caracteres* c, uint8_t* debut, uint8_t* fin,
                                                  uint16_t genre) {
  std::string liste;  // the values, each with its NUL
  uint32_t nombre = 0;
  auto ajouter = [&](const char* t, size_t n) {
    for (size_t i = 0; i < liste.size(); i += strlen(liste.data() + i) + 1)
      if (strlen(liste.data() + i) == n && memcmp(liste.data() + i, t, n) == 0) return;
    liste.append(t, n);
    liste += '\0';
    nombre++;
  };
  auto separateur = [](char x) { return x == ' ' || x == '\t' || x == '\r' || x == '\n'; };
  for (uint8_t* f = debut; f < fin; f = FicheSuivante(f)) {
    uint32_t n;
    const char* t = FicheTexte(f, genre == 4 ? CHAMP_MOTS_CLES : genre - 1, &n);
    if (genre != 4) {
      if (n) ajouter(t, n);
      continue;
    }
    for (uint32_t i = 0; i < n;) {
      while (i < n && separateur(t[i])) i++;
      uint32_t mot = i;
      while (i < n && !separateur(t[i])) i++;
      if (i > mot) ajouter(t + mot, i - mot);
    }
  }

  std::vector<std::string> triees;
  char* valeurs = liste.data();
  for (uint32_t passe = 0; passe < nombre; passe++) {
    size_t i = 0;
    while (valeurs[i] == 0) i++;
    size_t plus_petite = i;
    for (i += strlen(valeurs + i) + 1; i < liste.size();) {
      if (valeurs[i] == 0) {
        i++;
        continue;
      }
      if (c->comparer(c->ctx, valeurs + i, valeurs + plus_petite) < 0) plus_petite = i;
      i += strlen(valeurs + i) + 1;
    }
    triees.push_back(valeurs + plus_petite);
    memset(valeurs + plus_petite, 0, strlen(valeurs + plus_petite));
  }
  return triees;
}
