// The installer's system record played by a script: folders as a set of
// names, copies that fail for the sources named, a program manager that
// answers the initiate to the applications it is told and acknowledges
// when the test says so. Every call is written to the journal, with the
// handles by name.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "installateur.h"
#include "systeme_installation.h"

// The handles the tests give the installer, read back by name.
extern Poignee const FENETRE, ZONE, MODIFIER, INSTALLER, QUITTER, FLECHE, SABLIER, POLICE, DIALOGUE, SERVEUR,
    AUTRE_SERVEUR;

struct FauxInstallation {
  SystemeInstallation s;
  Installateur* in = nullptr;
  std::vector<std::string> journal;

  // Folders that exist, in capitals; the current one; the program's path.
  std::set<std::string> dossiers = {"C:", "C:\\TRAVAIL", "A:", "A:\\SETUP"};
  std::string courant = "C:\\Travail";
  std::string programme = "A:\\SETUP\\LVXSETUP.EXE";
  std::set<std::string> sources_absentes;
  int etapes_postees = 0;

  // The folder dialog: what its user does, and its error code.
  std::function<void(Installateur*, const SystemeInstallation*)> dialogue;
  uint32_t erreur_dialogue = 0;

  // The servers: who answers the initiate for which application name ("" is
  // any application), with which topic.
  struct Reponse {
    Poignee serveur;
    std::string application;
    std::string sujet;
  };
  std::vector<Reponse> reponses;
  int minuteur = 0;  // the period of the running timer, 0 when none

  // Atoms by name with their counts, blocks by handle with their text.
  std::map<std::string, std::pair<uint16_t, int>> atomes;
  std::map<Poignee, std::string> blocs;
  std::vector<Poignee> executes;    // blocks posted, in order
  std::vector<std::string> fautes;  // misuse: unknown atom or block
  uint16_t prochain_atome = 0xC000;
  uintptr_t prochain_bloc = 0x1000;

  FauxInstallation();
  // The installer of the test, with the handles above, started.
  void Demarrer(Installateur* installateur);
  // Runs the steps posted, as the message loop would.
  void Derouler();
  // The server's acknowledge of a block, as the window receives it.
  void Accuser(Poignee bloc, Poignee serveur = SERVEUR);
  // The journal's lines that begin with `debut`.
  std::vector<std::string> Lignes(const std::string& debut) const;
  std::string NomAtome(uint16_t atome) const;
};
