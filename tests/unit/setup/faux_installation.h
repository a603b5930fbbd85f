// The installer's system record played by a script: folders as a set of
// names in capitals, copies that fail for the sources named, servers that
// answer the initiate for the application names they are given. Every
// call goes to the journal, handles by name; atoms and blocks are counted.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "installateur.h"
#include "systeme_installation.h"

using Lignes = std::vector<std::string>;

// The handles the tests give the installer, read back by name.
extern Poignee const FENETRE, DIALOGUE, SERVEUR, AUTRE_SERVEUR;
// What Exit writes once the window is to close.
extern const Lignes FERMETURE;
Lignes Plus(Lignes a, const Lignes& b);

struct FauxInstallation {
  SystemeInstallation s;
  Installateur in;
  Lignes journal;

  std::set<std::string> dossiers = {"C:", "C:\\TRAVAIL", "D:", "A:", "A:\\SETUP"};
  std::string courant = "C:\\Travail";
  std::string programme = "A:\\SETUP\\LVXSETUP.EXE";
  std::set<std::string> absentes;  // sources whose copy fails
  int etapes = 0;                  // "&Installer" commands posted
  int minuteur = 0;                // period of the server's timer, 0 when off

  // The folder dialog: what its user does; its error code.
  std::function<void(Installateur*, const SystemeInstallation*)> dialogue;
  uint32_t erreur_dialogue = 0;

  // Who answers the initiate: "" answers any application.
  struct Reponse {
    Poignee serveur;
    std::string application, sujet;
  };
  std::vector<Reponse> reponses;

  std::map<std::string, std::pair<uint16_t, int>> atomes;  // name: atom, count
  std::map<Poignee, std::string> blocs;                    // live blocks
  std::vector<Poignee> executes;                           // blocks posted
  Lignes fautes;                                           // unknown atom or block freed
  uint16_t prochain_atome = 0xC000;
  uintptr_t prochain_bloc = 0x1000;

  // The installer, its window and controls made, started.
  FauxInstallation();
  FauxInstallation(const FauxInstallation&) = delete;
  // "&Installer" on the folder given, then every step posted, as the
  // message loop would run them.
  void Installer(const char* dossier = nullptr);
  // The server's acknowledge of command n's block.
  void Accuser(int n, Poignee serveur = SERVEUR);
  Lignes Commencant(const std::string& debut) const;
  // The journal from the first line that begins with `debut`.
  Lignes Depuis(const std::string& debut) const;
  std::string NomAtome(uint16_t atome) const;
};
