// What every command of the import library is handed and hands back, the
// state the library keeps between commands, and the steps all commands
// share: text buffers, the loading of the chosen file, card append with the
// duplicate index, the limit and growth stops.
#pragma once
#include <cstdint>

#include "ajout_fiche.h"
#include "dialogue_import.h"
#include "index_urls.h"
#include "magasin.h"
#include "messages_import.h"
#include "provenance.h"
#include "systeme_import.h"
#include "textes_import.h"

enum : uint32_t {
  TAILLE_DOSSIER = 260,         // a folder, NUL included
  TAILLE_CHEMIN_CHOISI = 256,   // a file chosen in a chooser, NUL included
};

// One remembered folder per command, empty at library load.
enum DossierRetenu {
  RETENU_PAGE,
  RETENU_FICHIER_QUELCONQUE,
  RETENU_DOSSIER_HTML,
  RETENU_DOSSIER_QUELCONQUE,
  RETENU_FICHE_FICHIER,
  RETENU_URL_FICHIER,
  RETENU_DOCUMENT_EXTRA_WEB,
  RETENU_COURRIEL,
  RETENU_FAVORIS,
  RETENU_DOSSIER_EXTRA_WEB,
  NB_DOSSIERS_RETENUS,
};

struct EtatImport {
  char dossiers[NB_DOSSIERS_RETENUS][TAILLE_DOSSIER];
  const char* RepertoireLorvanix;  // the program's folder, given once at start-up
  Provenance provenance;           // the comment of the last scan
};

// The library's state, for the life of the process.
extern EtatImport etatImport;

// The arguments of a command; the store copies and FichesModifieesOK are
// read back by the caller when it returns.
struct CommandeImport {
  const SystemeImport* sys;
  uint8_t* transfert;  // transfer buffer, 65,534 bytes
  Poignee fenetre;     // main window
  Magasin magasin;
  Poignee fleche, attente;
  char* chemin;        // the command's path buffer, its last argument
  const char* courant; // the file being scanned
  uint16_t FichesModifieesOK;
};

// Text buffers of a command, freed at its end.
struct TamponsTexte {
  Poignee blocs[3];
  char* textes[3];
  int nombre;
};

// Allocates n (at most 3) buffers of TAILLE_TEXTE_IMPORT bytes, emptied.
// On a failure frees those already made, shows the message (msg, or for
// the second buffer onwards msg_suite) and returns 0.
int TamponsAllouer(CommandeImport* c, TamponsTexte* t, int n, MessageImportId msg,
                   MessageImportId msg_suite);
void TamponsLiberer(CommandeImport* c, TamponsTexte* t);

void CommandeCurseur(CommandeImport* c, Poignee curseur);
void CommandeRedessiner(CommandeImport* c);

// Loads chemin into hugeTampon (through the transfer buffer, repainting
// the main window). Returns 0 or the CHARGEMENT_ flags of the failure.
unsigned CommandeCharger(CommandeImport* c, const char* chemin);

// The bookmark and mail commands name their file in a dialog (modele,
// showing the path handed in, its other buttons answered by bouton), then
// load it. 1 when loaded, its path in chemin (300 bytes); 0 when the
// dialog was cancelled or the file could not be loaded (its messages
// shown). Ends with the arrow cursor.
int FichierNommeCharger(CommandeImport* c, ModeleImport modele,
                        SuiteDialogue (*bouton)(void*, DialogueImport*, unsigned), char* chemin);

// The card appender of one command: card append, with the duplicate test
// answered by an index of the store built for the command.
struct AjoutImport {
  CommandeImport* commande;
  IndexUrls index;
  int avec_index;
  ResultatAjout arret;  // AJOUT_FAIT while cards can still be added
};

// Starts an appender; with comparaison, builds the index of the store
// (the duplicate test of the command's kind).
void AjoutCommencer(AjoutImport* a, CommandeImport* c, int avec_index, ComparaisonUrl comparaison);
// 1 when a card's URL matches texte (n bytes) by the index's comparison.
int AjoutConnu(AjoutImport* a, const char* texte, uint32_t n);
// Appends a card; 0 when it was not added (a->arret says why).
int AjoutFiche(AjoutImport* a, const char* nom, const char* url, const char* rubrique,
               const char* mots_cles, const char* notes);
void AjoutTerminer(AjoutImport* a);

// One card the user asked for (a local page, an extra-web URL), without a
// duplicate test; at the card limit nothing is added and the message is
// owned by fenetre.
ResultatAjout FicheUniqueAjouter(CommandeImport* c, Poignee fenetre, const char* nom,
                                 const char* url);

// Callbacks of the scanners whose context is the appender: the main
// window repainted, and the duplicate test of a NUL-terminated text.
void AjoutRepeindre(void* ajout);
int AjoutDoublon(void* ajout, const char* texte);
