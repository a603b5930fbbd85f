// The dialogs of the three exports and the choices they keep for the life
// of the process: the rules of their boxes, OK's checks and Annuler. The
// Win32 dialog procedure and the tests' scripted user both press buttons
// through DialogueLiensAppuyer, so the rules are the same in both.
#pragma once
#include <cstdint>

#include "fiche.h"
#include "selection.h"
#include "systeme_liens.h"

enum : uint32_t {
  LONGUEUR_TITRE_LIENS = 146,        // characters of the page title kept on OK
  LONGUEUR_TITRE_MAILING = 159,      // of the mailing list's title
  LONGUEUR_SEPARATEUR_MAILING = 39,  // of the separator after each address
  LONGUEUR_SEPARATEUR_TEXTE = 299,   // the most a separator of the text export may have
  TAILLE_TITRE_APPELANT = 200,       // the caller's title buffer
  // An edit as the dialog reads it: room to see a separator too long.
  TAILLE_TEXTE_LIENS = 1000,
  NB_TEXTES_LIENS = 2,
};

struct ReglagesLiens {
  ModeSelection mode;
  uint16_t AjouterCommentaire;  // the Notes below each link
};

struct ReglagesMailing {
  ModeSelection mode;
  uint16_t RetourALaLigne;  // <BR> after each address
  char separateur[LONGUEUR_SEPARATEUR_MAILING + 1];
};

struct ReglagesTexte {
  ModeSelection mode;
  uint16_t champs[NB_CHAMPS];  // the fields written, in the card's order
  char separateur_champs[LONGUEUR_SEPARATEUR_TEXTE + 1];
  char separateur_fiches[LONGUEUR_SEPARATEUR_TEXTE + 1];
};

struct ReglagesExportLiens {
  ReglagesLiens liens;
  ReglagesMailing mailing;
  ReglagesTexte texte;
};

// The choices when the library is loaded, and those of the last dialogs.
extern const ReglagesExportLiens REGLAGES_LIENS_DEPART;
extern ReglagesExportLiens reglagesLiens;

enum ModeleLiens {
  MODELE_LIENSHTMLBOX,
  MODELE_MAILINGLISTEBOX,
  MODELE_CREERFICHIERTEXTEBOX,
  NB_MODELES_LIENS,
};

// Ids of one dialog.
struct DescriptionLiens {
  const char* nom;  // the template's name
  unsigned ok, annuler;
  unsigned selection[4];            // the selection boxes, in ModeSelection's order
  const unsigned* options;          // the option boxes, ended by 0
  unsigned edits[NB_TEXTES_LIENS];  // in the order of DialogueLiens::textes; 0 unused
  unsigned focus;                   // the edit focused at opening (0: the system's choice)
};

// What the dialog does after a press.
enum SuiteLiens { LIENS_RESTE, LIENS_FERME_OK, LIENS_FERME_ANNULER };

struct DialogueLiens {
  ModeleLiens modele;
  ReglagesExportLiens* reglages;  // the boxes show and change these
  char* titre;  // the caller's title (TAILLE_TITRE_APPELANT bytes), written on OK; null for text
  // The edits, in the description's order: the dialog writes the user's
  // texts here before every press.
  char textes[NB_TEXTES_LIENS][TAILLE_TEXTE_LIENS];
  // The text dialog's two separator edits, given by the dialog when it
  // opens, and the one that last had the focus (0: fields, 1: cards):
  // Couper, Copier and Coller act on it.
  Poignee separateurs[2];
  int dernier_separateur;
  const Fenetres* fenetres;
  Poignee fenetre;  // the dialog's window
};

const DescriptionLiens* DialogueLiensDescription(ModeleLiens modele);

// A record for the dialog of modele, its edits filled from the settings
// and the title.
void DialogueLiensPreparer(DialogueLiens* d, ModeleLiens modele, ReglagesExportLiens* reglages,
                           char* titre, const Fenetres* fenetres);
// 1 when box id is to be shown checked.
int DialogueLiensCoche(const DialogueLiens* d, unsigned id);
// Edit id has received the focus.
void DialogueLiensFocus(DialogueLiens* d, unsigned id);
// A press on control id: a selection box sets its mode, an option box
// toggles, Couper, Copier and Coller act on the last separator edit,
// Annuler closes, OK checks and takes the texts.
SuiteLiens DialogueLiensAppuyer(DialogueLiens* d, unsigned id);
// Shows the dialog; unless it closes with OK, the settings and the title
// are put back as they were. 1 on OK.
int DialogueLiensMontrer(const DialoguesLiens* dialogues, Poignee proprietaire, DialogueLiens* d);
