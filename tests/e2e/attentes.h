// Checks shared by several end-to-end cases.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "pilote.h"

// A counter as the card view shows it: seven digits, leading zeros.
std::string Compteur(uint32_t nombre);
// Copies the shipped exemple.lvx to `chemin`; its bytes go to `octets`.
bool CopierExemple(const std::string& chemin, std::string& octets);
// Waits for a box captioned "Lorvanix 6.1", checks its text, icon and
// buttons (exactly `boutons` among OK, Oui, Non, Annuler), then presses
// `reponse`.
bool VerifierBoite(Programme& p, const std::string& texte, Icone icone, std::initializer_list<int> boutons,
                   int reponse);
// The file `nom` with these bytes is loaded: title, counters, card 1.
void VerifierFichierCharge(const Programme& p, const std::string& nom, const std::string& octets);
// The work is "Sans-Nom" with one empty, unmarked card.
void VerifierTravailVierge(const Programme& p);
// The program ends by itself, asking nothing, with exit code 0.
void VerifierFinSansQuestion(Programme& p);
