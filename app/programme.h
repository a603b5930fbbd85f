// The main program's state for the life of the process, and the operations
// on the card view that every command shares.
#pragma once
#include <cstdint>

#include "fiche.h"
#include "imprimer.h"
#include "magasin.h"
#include "systeme_programme.h"

enum : uint32_t {
  TAILLE_NOM_FICHIER = 256,
  TAILLE_DOSSIER_PROGRAMME = 556,
  TAILLE_CHEMIN_IMPORT = 300,
  TAILLE_RECHERCHE = 10001,
  TAILLE_TITRE_EXPORT = 200,
};

extern const char* const MAGIE_FICHIER;  // "LorVanix version1 Fichier CARTES"

enum : unsigned {
  NOTIFICATION_FOCUS = 0x0100,  // an edit control received the focus
  MINUTEUR_DEFILEMENT = 620,    // the fast move's timer
  PERIODE_DEFILEMENT = 50,      // ms between two cards of the fast move
};

// The windows of the card view.
struct VueFiche {
  Poignee fenetre;            // main window
  Poignee numero;             // card number counter
  Poignee total;              // card total counter
  Poignee marquage;           // mark box
  Poignee champs[NB_CHAMPS];  // the five field edits, in field order
  // The press-and-hold toolbar buttons.
  Poignee couper, copier, coller, avancer, reculer;
};

// The search criteria: the expression lives in the lent buffer.
struct CriteresRecherche {
  uint16_t RechercheNoms, RechercheURL, RechercheRubriques, RechercheMotsCles, RechercheNotes;
  uint16_t RechercheAvecCasse, RechercheAvecExactitude, RechercheTotalChamp,
      RechercheOccurDebutChamp;
};

// Where the last match on screen was (F3 and F4).
struct EtatEcran {
  Poignee champ;               // edit of the last match, null to start again
  uint16_t debut, fin;         // its characters in that field
  uint32_t occurrences[NB_CHAMPS];  // where each field's next search resumes
};

// A toolbar button held down, from its press to its release.
struct BoutonsMaintenus {
  uint16_t couper, copier, coller, avancer, reculer;
};

struct Programme {
  const SystemeProgramme* sys;
  VueFiche vue;
  Magasin magasin;
  int32_t MaxFiches;
  uint16_t TravailModifie;  // the work differs from its file
  uint16_t FicheModifiee;   // rewrite the card on screen even if no edit says so
  uint16_t EtatMarquage;    // mark word of the card on screen
  uint16_t Termine;         // the quit sequence has run: the main window goes
  Poignee ChampCourant;     // field edit that last had the focus
  char NomFichier[TAILLE_NOM_FICHIER];
  char NomFichierPrecedent[TAILLE_NOM_FICHIER];
  char DossierProgramme[TAILLE_DOSSIER_PROGRAMME];
  char CheminNavigateur[TAILLE_NOM_FICHIER];
  char CheminSignets[TAILLE_CHEMIN_IMPORT];
  char CheminCourrier[TAILLE_CHEMIN_IMPORT];
  char DossierFavoris[TAILLE_CHEMIN_IMPORT];
  char DossierExtraWeb[TAILLE_CHEMIN_IMPORT];
  Poignee fleche, attente;  // cursors
  Poignee instance;         // the program's, for the hooks
  char CheminNavigateurSecours[TAILLE_NOM_FICHIER];  // the browser kept while choosing another
  // What the exports remember from one call to the next: the files written
  // and the titles typed.
  char CheminPageLiens[TAILLE_NOM_FICHIER];
  char TitrePageLiens[TAILLE_TITRE_EXPORT];
  char CheminListeEmail[TAILLE_NOM_FICHIER];
  char TitreListeEmail[TAILLE_TITRE_EXPORT];
  char CheminTexte[TAILLE_CHEMIN_IMPORT];
  CriteresRecherche criteres;
  ImpressionProgramme impression;  // the printer, the print objects and options
  EtatEcran ecran;
  BoutonsMaintenus maintenus;
  // The fast move: the card reached, the one before it, and NumFiche at the press.
  uint8_t* CurseurAvant;
  uint8_t* AvantCurseur;
  uint8_t* CurseurArriere;
  int32_t NumeroAppui;
  // Buffers lent to the libraries.
  Poignee blocs_tampons[4];
  uint8_t* TamponTransfert;
  char* ExpressionRecherche;
  char* TamponRecherche;
  char* TamponRechercheEcran;
};

// Sets up the default printer and the print objects, then allocates the
// lent buffers; 0 after "Allocation de mémoire impossible !".
int ProgrammeInitialiser(Programme* p, const SystemeProgramme* sys, const VueFiche& vue,
                         Poignee fleche, Poignee attente, Poignee instance);
// Steps of start-up after the information box: a new work in progress, the
// configuration, then the file named on the command line or by default.
// 0 when the program must quit.
int ProgrammeDemarrer(Programme* p, const char* ligne_commande);
// Hooks on (1) or off (0), with the watched windows and held states.
void ProgrammeCrochet(Programme* p, uint16_t actif);
// The main window was activated.
void ProgrammeActivation(Programme* p);

// A message box captioned "Lorvanix 6.1"; returns the button pressed.
int ProgrammeMessage(Programme* p, Poignee proprietaire, const char* texte, unsigned style);
// A refusal or an empty result: OK and the exclamation icon, over the main window.
void ProgrammeAvertir(Programme* p, const char* texte);
void ProgrammeCurseur(Programme* p, Poignee curseur);
// 1 when a card may be added; else 0 after the card limit message.
int ProgrammePlaceFiche(Programme* p);
// The focus back to the current field.
void ProgrammeFocusCourant(Programme* p);
// Clears the card-dirty flag and the five edits' modified state.
void ProgrammeChampsNonModifies(Programme* p);

void ProgrammeAfficherFiche(Programme* p);
void ProgrammeCompteur(Programme* p, Poignee compteur, int32_t nombre);
void ProgrammeCompteurs(Programme* p);
// Rewrites the edited card on screen into the store. 0 when the store could
// not grow: the memory-failure reset has run.
int ProgrammeReecrire(Programme* p);
void ProgrammeTitre(Programme* p, const char* chemin);
// 1: go on, 0: stay.
int ProgrammeInviteSauvegarde(Programme* p);
// New, empty work in progress. 0 when the first block cannot be had.
int ProgrammeNouveauTravail(Programme* p);
// After a library gave no block back: the work in progress is lost. When
// not even a new block can be had, the quit sequence runs (Termine).
void ProgrammeEchecMemoire(Programme* p);
// Loads a data file without a dialog; on failure the previous name comes back.
int ProgrammeCharger(Programme* p, const char* chemin);
int ProgrammeOuvrir(Programme* p);
int ProgrammeEnregistrer(Programme* p);
int ProgrammeEnregistrerSous(Programme* p);
// Quit: 1 when everything is released and the window may be destroyed
// (Termine is then set).
int ProgrammeQuitter(Programme* p);
void ProgrammeLiberer(Programme* p);
// The system asks whether it may end the session.
void ProgrammeFinDeSession(Programme* p);
// A command message; 1 when the main window must now be destroyed.
int ProgrammeCommande(Programme* p, unsigned id, unsigned notification, Poignee source);
// A tick of the fast move's timer.
void ProgrammeMinuteur(Programme* p);

// The data file named on a command line: leading double quotes skipped,
// up to the next double quote or the end.
void LigneCommandeFichier(const char* ligne, char nom[TAILLE_NOM_FICHIER]);
