// The four dialogs of the bulk conversion and the choices each keeps for
// the life of the process: the rules of their boxes, the "Parcourir..."
// choosers, OK's checks and Annuler. The Win32 dialog procedure and the
// tests' scripted user both press buttons through
// DialogueConversionAppuyer, so the rules are the same in both.
#pragma once
#include <cstdint>

#include "fiche.h"
#include "systeme_gest.h"
#include "textes_conversion.h"

// The five commands, one flag each in the hand-over.
enum ModeConversion {
  CONVERSION_VERS_NAVIGATEUR,  // "<EXTRAWEB> vers Navigateur"
  CONVERSION_VERS_EXTRA_WEB,   // "Navigateur vers <EXTRAWEB>"
  CONVERSION_REMPLACER,
  CONVERSION_AJOUTER,
  CONVERSION_SUPPRIMER,
  NB_MODES_CONVERSION,
};

// The four templates; the two extra-web commands share the first.
enum ModeleConversion {
  MODELE_CONVERTIRBOX,
  MODELE_CONVERTIRREMPLACERBOX,
  MODELE_CONVERTIRAJOUTERBOX,
  MODELE_CONVERTIRSUPPRIMERBOX,
  NB_MODELES_CONVERSION,
};

// Which cards a command takes, in the order of the dialogs' boxes.
enum ChoixFiches { FICHES_TOUTES, FICHES_ECRAN, FICHES_RECHERCHE, FICHES_MARQUEES };

enum : uint32_t {
  // An edit as the dialog reads it: room to see a text too long.
  TAILLE_TEXTE_DIALOGUE_CONVERSION = 1000,
};

struct ReglagesConversion {
  ChoixFiches fiches;
  uint16_t champs[NB_CHAMPS];     // the fields changed, in the card's order
  uint16_t application, document; // the parts of an extra-web URL changed
  uint16_t MenuDemarrer, MesDocuments;  // where "Parcourir..." starts
  uint16_t casse;                 // 1: upper and lower case differ
  // Replace: the text searched and its replacement; add and delete: the
  // text in textes[0].
  char textes[2][LONGUEUR_TEXTE_CONVERSION + 1];
};

// The choices when the library is loaded, and those of the last dialogs,
// one set per template.
extern const ReglagesConversion REGLAGES_CONVERSION_DEPART;
extern ReglagesConversion reglagesConversion[NB_MODELES_CONVERSION];

ModeleConversion ModeleDuMode(ModeConversion mode);

// Ids of one dialog.
struct DescriptionConversion {
  const char* nom;          // the template's name
  unsigned textes[2];       // its edits, in the order of textes (0: none)
  unsigned parcourir[2];    // the "Parcourir..." beside each edit (0: none)
  int options;              // it has the field, extra-web part and browse boxes
  int casse;                // it has the case box
};

// What the dialog does after a press.
enum SuiteConversion { CONVERSION_RESTE, CONVERSION_FERME_OK, CONVERSION_FERME_ANNULER };

struct DialogueConversion {
  ModeConversion mode;
  ModeleConversion modele;
  ReglagesConversion* reglages;  // the boxes show and change these
  // The edits, in the description's order: the dialog writes the user's
  // texts here before every press.
  char textes[2][TAILLE_TEXTE_DIALOGUE_CONVERSION];
  // A chooser wrote into textes: the dialog shows them again and clears it.
  int textes_changes;
  // The edits, given by the dialog when it opens, and the one that last
  // had the focus: Couper, Copier and Coller act on it.
  Poignee edits[2];
  int dernier_edit;
  const SystemeGest* sys;
  Poignee fenetre;  // the dialog's window
};

const DescriptionConversion* DialogueConversionDescription(ModeleConversion modele);
// CONVERTIRBOX's title and remark for the mode; null for the other templates.
const char* DialogueConversionTitre(const DialogueConversion* d);
const char* DialogueConversionRemarque(const DialogueConversion* d);

// A record for the dialog of mode, its edits filled from the settings.
void DialogueConversionPreparer(DialogueConversion* d, ModeConversion mode,
                                ReglagesConversion* reglages, const SystemeGest* sys);
// 1 when box id is to be shown checked.
int DialogueConversionCoche(const DialogueConversion* d, unsigned id);
// 0 when box id cannot be pressed now (the extra-web parts without "Champ URL").
int DialogueConversionActive(const DialogueConversion* d, unsigned id);
// Edit id has received the focus.
void DialogueConversionFocus(DialogueConversion* d, unsigned id);
// A press on control id: a card box chooses the cards, a field box toggles
// (URL brings the extra-web parts with it), a browse box excludes the
// other, "Parcourir..." fills its edit, Couper, Copier and Coller act on
// the last edit, Annuler closes, OK checks and takes the texts.
SuiteConversion DialogueConversionAppuyer(DialogueConversion* d, unsigned id);
// Shows the dialog; unless it closes with OK, the settings are put back
// as they were. 1 on OK.
int DialogueConversionMontrer(DialogueConversion* d, Poignee proprietaire);
