// Bytes of Lorvanix data files, built and read by the tests on their own,
// so that a fault of the program's loader or writer cannot hide itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The 40-byte header: the magic, a NUL, zeros.
std::string EnteteLvx();
// One field as stored: u16 L, the text, a NUL, u16 L (L = text length + 1).
std::string ChampLvx(const std::string& texte);
// Mark word 0, then the five fields in order.
std::string FicheLvx(const std::string& nom, const std::string& url, const std::string& rubrique,
                     const std::string& mots_cles, const std::string& notes);
std::string EntierLvx(uint32_t valeur);
// The card count in the file's last 4 bytes (0 when too short).
uint32_t NombreFichesLvx(const std::string& fichier);
// Site name of card 1; false when the bytes do not hold one.
bool PremierNomDeSite(const std::string& fichier, std::string& nom);

// One card as read back from a file: its mark word and five fields.
struct FicheLue {
  uint16_t marque = 0;
  std::string champs[5];  // Nom de site, URL, Rubrique, Mots clés, Notes
};
// Every card of a data file; false when the bytes are not a whole file
// (header, cards, count) or the count disagrees with the cards.
bool LireFichesLvx(const std::string& fichier, std::vector<FicheLue>& fiches);
