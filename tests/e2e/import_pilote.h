// What the end-to-end cases of the imports share: their sample sources, the
// folder chooser driven from outside, the boxes of an options dialog and
// the cards read back from a saved file.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "lvx.h"
#include "pilote.h"

// A file or folder of tests/data, copied beside the test programs.
std::string DonneeEssai(const std::string& relatif);
// The boxes `ids` of a dialog as '0' and '1'.
std::string Coches(HWND dialogue, std::initializer_list<int> ids);
// A click on a box or button that answers before this returns.
void CliquerAttendre(HWND dialogue, int id);
bool EcrireControle(HWND dialogue, int id, const std::string& texte);
// Answers the folder chooser captioned `titre`: checks that its own
// buttons and file-name box are hidden, enters `dossier`, then presses the
// panel's button `bouton` (OK or Annuler). Its panel goes to `panneau`
// first, when given, so that the caller can act on it before `bouton`.
bool PiloteRepondreDossier(Programme& p, const char* titre, const std::string& dossier, int bouton,
                           void (*avant)(HWND panneau) = nullptr);
// "Enregistrer sous..." to `chemin`, then the cards of the file written.
bool EnregistrerEtLire(Programme& p, const std::string& chemin, std::vector<FicheLue>& fiches);
// The counters read `numero` and `total` (waits for them first).
bool VerifierCompteurs(const Programme& p, uint32_t numero, uint32_t total, const std::string& quoi);
// The comment of origin that an import writes into Notes for `chemin`.
std::string Provenance(const std::string& chemin);
