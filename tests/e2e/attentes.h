// Checks shared by several end-to-end cases.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "lvx.h"
#include "pilote.h"

// A counter as the card view shows it: seven digits, leading zeros.
std::string Compteur(uint32_t nombre);
// Copies the shipped exemple.lvx to `chemin`; its bytes go to `octets`.
bool CopierExemple(const std::string& chemin, std::string& octets);
// Waits for a box captioned "Lorvanix 6.1", checks its text, icon and
// buttons (exactly `boutons` among OK, Oui, Non, Annuler), and its owner
// when `proprietaire` is given (null: no owner), then presses `reponse`.
bool VerifierBoite(Programme& p, const std::string& texte, Icone icone, std::initializer_list<int> boutons,
                   int reponse, const HWND* proprietaire = nullptr);
// The file `nom` with these bytes is loaded: title, counters, card 1.
void VerifierFichierCharge(const Programme& p, const std::string& nom, const std::string& octets);
// The work is "Sans-Nom" with one empty, unmarked card.
void VerifierTravailVierge(const Programme& p);
// The program ends by itself, asking nothing, with exit code 0.
void VerifierFinSansQuestion(Programme& p);

// Copies the sample to essais\donnees\<cas>\liste.lvx, starts the program
// on it and checks it is loaded; its cards go to `fiches`, its path to
// `chemin` when given.
bool DemarrerSurExemple(Programme& p, const std::string& cas, std::vector<FicheLue>& fiches,
                        std::string* chemin = nullptr);
// Waits until the counters read `numero` and `total`, then checks them,
// the five fields and the mark box against `fiche`.
void VerifierFicheAffichee(const Programme& p, uint32_t numero, uint32_t total, const FicheLue& fiche,
                           const std::string& quoi);
// The card view is one empty, unmarked card numero of total.
void VerifierFicheVide(const Programme& p, uint32_t numero, uint32_t total, const std::string& quoi);
// Quitting asks the save question; "Non" ends the program.
void VerifierQuitterDemande(Programme& p);
// The keyboard focus is in the main window's control `id` (a field edit).
void VerifierFocus(const Programme& p, int id, const std::string& quoi);
