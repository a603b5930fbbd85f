// The installer's state, kept in one record, and what its window does with
// the commands, keys and closing it receives.
#pragma once
#include <cstdint>
#include <string>

#include "plateforme.h"
#include "systeme_installation.h"

enum : unsigned {
  TAILLE_CHEMIN_INSTALLATION = 260,
  NOMBRE_COMMANDES_DDE = 5,
  // Escape reaches the window as this command.
  COMMANDE_ECHAP = 2,
};

// Where the conversation with the program manager stands.
enum ConversationDde {
  DDE_AUCUNE,      // not opened yet
  DDE_INITIATION,  // initiate sent, no server has answered
  DDE_COMMANDES,   // a server answered: commands under way
  DDE_TERMINEE,    // the last command acknowledged, or given up
};

struct Installateur {
  char repertoire[TAILLE_CHEMIN_INSTALLATION];       // installation folder
  char DirDlgRepert[TAILLE_CHEMIN_INSTALLATION];     // folder shown by the folder dialog
  int ChangeDirOK;                                   // 1: the dialog closed with its own OK
  char RepertoireSetup[TAILLE_CHEMIN_INSTALLATION];  // the installer's own folder
  char MemoCurrentDir[TAILLE_CHEMIN_INSTALLATION];   // current drive and folder at start
  // Target of the copy in progress: the folder, a backslash and the
  // longest name always fit, so a copy never goes to a cut path.
  char destination[TAILLE_CHEMIN_INSTALLATION + 16];
  char message[TAILLE_CHEMIN_INSTALLATION + 64];  // status text
  int etape;                                      // step counter, 0 = not started

  uint16_t aAppli, aTopi;                   // DDE application and topic atoms
  Poignee hWndServer;                       // the program manager's window
  Poignee Commandes[NOMBRE_COMMANDES_DDE];  // one shared block per command
  int commande;                             // the command awaiting its acknowledge
  ConversationDde conversation;
  int diffusion;  // an initiate broadcast is under way

  Poignee hWnd;  // the main window
  Poignee hBouton_Modifier, hBouton_Continuer, hBouton_Annuler, hZone;
  Poignee hCursorFleche, hCursorSablier, hFontChamps;
  int fermee;  // Exit has run
};

extern const char TITRE_INSTALLATION[];  // caption of the installer's boxes
// The refusal of the installer's own folder as the installation folder.
extern const char MESSAGE_MEME_DOSSIER[];

// Default state: "c:\lorvanix", nothing started.
void InstallateurInitialiser(Installateur* in);
// The window and its controls are made (their handles are in the record):
// the status line shows the folder, the current drive and folder are
// remembered and the installer's own folder is found.
void InstallateurDemarrer(Installateur* in, const SystemeInstallation* s);
// A command of the window: "&Modifier", "&Installer", "&Quitter", Escape.
void InstallateurCommande(Installateur* in, const SystemeInstallation* s, int id);
// A key typed in the window: Enter ('\r'), "i" or "q" in either case.
void InstallateurTouche(Installateur* in, const SystemeInstallation* s, int touche);

// "Lorvanix 6.1 va être installé dans le dossier : " and the folder, on
// the status line.
void MontrerDossier(Installateur* in, const SystemeInstallation* s);
// The installer's folder: its program's path cut at the last backslash.
void Obtenir_Chemin_Repertoire_Setup(Installateur* in, const SystemeInstallation* s);
// An installed file's path: the folder, a backslash unless it ends with
// one (a drive's root), and the name.
std::string CheminInstalle(const char* dossier, const char* nom);
// The two folders are one, whatever their letter case or final backslash.
bool MemeDossier(const char* a, const char* b);
// Ends the conversation, releases the blocks and atoms, restores the
// current drive and folder, arrow cursor, deletes the font and destroys
// the window. Runs once.
void Exit(Installateur* in, const SystemeInstallation* s);
