// Files and folders of the end-to-end tests (Windows paths, as the program
// sees them: Z:\... under Wine).
#pragma once

#include <string>
#include <vector>

// Folder of the running test program: the bin folder of the build.
std::string DossierBinaires();
// <cwd>\essais\<relatif>, emptied if it existed, created with its parents.
std::string PreparerDossier(const std::string& relatif);
bool CreerDossiers(const std::string& chemin);
bool SupprimerArbre(const std::string& chemin);
// Windows-1252 text as UTF-8, as Linux tools read the files written for them.
std::string Utf8(const std::string& texte);
// Copies the program's .exe, .dll, .lvx, .cfg and .hlp from `source` (not the tests).
bool CopierProgramme(const std::string& source, const std::string& destination);
bool FichierExiste(const std::string& chemin);
bool LireFichier(const std::string& chemin, std::string& octets);
bool EcrireFichier(const std::string& chemin, const std::string& octets);
// Names of the files of `dossier` matching `motif` (e.g. "*.lvx").
std::vector<std::string> ListerFichiers(const std::string& dossier, const char* motif);
