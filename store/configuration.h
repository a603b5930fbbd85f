// The four configuration files of the program folder: a header text with its
// NUL, then a 256-byte path field. Nothing is cached: every reader reads its
// file, every writer rewrites it whole.
#pragma once
#include <cstdint>

#include "dialogue_fichier.h"
#include "plateforme.h"

struct FichierConfiguration {
  const char* nom;             // written under this name
  const char* nom_lecture;     // read under this one, in capitals
  const char* entete;          // header text
  uint32_t taille_entete;      // its bytes with the NUL
  const char* message_format;  // shown when the header is wrong
  const char* message_absent;  // shown when the file cannot be opened, or null
};

extern const FichierConfiguration CONFIGURATION_NAVIGATEUR;  // navigdef.cfg
extern const FichierConfiguration CONFIGURATION_OUVERTURE;   // ouvdef.cfg
extern const FichierConfiguration CONFIGURATION_SIGNETS;     // bookdef.cfg
extern const FichierConfiguration CONFIGURATION_COURRIER;    // courdef.cfg

// Reads the path field into chemin (TAILLE_CHEMIN bytes), always terminated:
// a field without a NUL is cut at 255 bytes, a field cut short by the end of
// the file keeps what is there. On a missing file or a wrong header chemin is
// emptied and 0 returned, with the file's message if it has one.
uint16_t ConfigurationLire(const Fichiers* fichiers, const Fenetres* fenetres,
                           const FichierConfiguration* f, char* chemin,
                           const char* dossier_programme);

// Creates the file and writes the header and chemin as a 256-byte field
// (zeros after the path's NUL). 0 when it cannot be created or written.
int ConfigurationEcrire(const Fichiers* fichiers, const FichierConfiguration* f, const char* chemin,
                        const char* dossier_programme);

// Writes the file; when that fails, shows echec and tries once more, then
// shows abandon and returns 0. Both messages have the error icon.
int ConfigurationEcrireAvecReprise(const Fichiers* fichiers, const Fenetres* fenetres,
                                   const FichierConfiguration* f, const char* chemin,
                                   const char* dossier_programme, Poignee fenetre,
                                   const char* echec, const char* abandon);

// A box captioned "Lorvanix 6.1"; returns the button pressed.
int ConfigurationMessage(const Fenetres* fenetres, Poignee fenetre, const char* texte,
                         unsigned style);

// 1 when "lorvanix.exe" is in the program folder: the configuration is only
// written back beside the program that runs (not from a removed disk).
int ConfigurationProgrammeTrouve(const Fichiers* fichiers, const char* dossier_programme);

// Fills dossier (TAILLE_CHEMIN bytes) with the folder of the module path cut
// at its last backslash, walking it character by character; empty when it
// has no backslash.
void ConfigurationDossierProgramme(const Caracteres* caracteres, const char* module, char* dossier);
