// Duplicate marking the straightforward way: a key list grown by
// 1,000 bytes at a time, then for every card a scan of the whole list. Kept
// as the reference that the hashed marking is measured and checked against.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/doublons.h"
#include "fiche.h"

// The key, one rule after the other.
inline std::string CleLitterale(ComparaisonDoublon c, const char* texte) {
  std::string t(texte, strnlen(texte, 9999));
  bool raccourci = false;
  if ((c == DOUBLON_CIBLE || c == DOUBLON_FIN_CIBLE) && t.compare(0, 10, "<EXTRAWEB>") == 0) {
    int deux_points = 0;
    for (size_t i = 0; i < t.size() && !raccourci && deux_points < 3; i++) {
      if (t[i] != ':' || ++deux_points < 2) continue;
      // From the second ':', back towards the first.
      for (size_t s = i; deux_points < 3;) {
        if (t[s - 2] == ' ') {
          t = t.substr(s - 1);
          raccourci = true;
          break;
        }
        if (t[--s] == ':') deux_points++;
      }
    }
  }
  auto finale = [](char x) { return x == '/' || x == ' ' || x == '\t'; };
  if (!raccourci)
    while (!t.empty() && finale(t.back())) t.pop_back();
  if (c == DOUBLON_FIN_CIBLE && !t.empty()) {
    while (t.size() > 1 && (finale(t.back()) || t.back() == '\\')) t.pop_back();
    size_t coupe = std::string::npos;
    for (size_t i = 0; i + 1 < t.size(); i++)
      if (t[i] == '/' || t[i] == '\\' || t[i] == '>' || t[i] == ':') coupe = i;
    if (coupe != std::string::npos) t = t.substr(coupe + 1);
  }
  if (t == "<EXTRAWEB>") t.clear();
  for (char& x : t)
    if (x >= 'a' && x <= 'z') x = (char)(x - 32);
  return t;
}

// The two passes; -1 when the list cannot be had (nothing changed).
inline int64_t DoublonsMarquerLitteral(uint8_t* debut, uint8_t* fin, ComparaisonDoublon c,
                                       ActionMarquage a) {
  const int champ = c == DOUBLON_NOM ? CHAMP_NOM : CHAMP_URL;
  size_t capacite = 1000, utilises = 0;
  char* liste = (char*)malloc(capacite + 10);
  if (!liste) return -1;
  for (uint8_t* f = debut; f != fin; f = FicheSuivante(f)) {
    const char* texte = FicheTexte(f, champ, nullptr);
    if (!texte[0]) continue;
    std::string cle = CleLitterale(c, texte);
    while (utilises + cle.size() + 10 > capacite) {
      capacite += 1000;
      char* plus = (char*)realloc(liste, capacite + 10);
      if (!plus) {
        free(liste);
        return -1;
      }
      liste = plus;
    }
    memcpy(liste + utilises, cle.c_str(), cle.size() + 1);
    utilises += cle.size() + 1;
  }
  int64_t modifiees = 0;
  for (uint8_t* f = debut; f != fin; f = FicheSuivante(f)) {
    const char* texte = FicheTexte(f, champ, nullptr);
    std::string cle = texte[0] ? CleLitterale(c, texte) : std::string();
    int compte = 0;
    for (size_t i = 0; i < utilises && compte < 2; i += strlen(liste + i) + 1)
      if (strcmp(liste + i, cle.c_str()) == 0) compte++;
    if (compte < 2) continue;
    uint16_t m = LireMot(f);
    if (a == ACTION_BASCULER)
      EcrireMot(f, m == 0);
    else if (a == ACTION_MARQUER && m == 0)
      EcrireMot(f, 1);
    else if (a == ACTION_SUPPRIMER && m == 1)
      EcrireMot(f, 0);
    else
      continue;
    modifiees++;
  }
  free(liste);
  return modifiees;
}
