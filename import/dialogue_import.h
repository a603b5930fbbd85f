// The dialogs of the import library: one record for all seven, the rules
// of their boxes, and the buttons whose answer belongs to the command that
// opened the dialog. The Win32 dialog procedure and the tests' scripted
// user both press buttons through DialogueImportAppuyer, so the rules are
// the same in both.
#pragma once
#include <cstdint>

#include "options_import.h"
#include "systeme_import.h"

enum ModeleImport {
  MODELE_LVXRECUPBOX,             // options for the links of pages
  MODELE_LVXRECUPBOXQUELCONQUE,   // options for the addresses of any file
  MODELE_LVXRECUPADRESSESBOX,     // options for mail addresses
  MODELE_LVXRECUPBOXFAVORIS,      // the favourites folder
  MODELE_LVXRECUPBOXBOOKMARKS,    // the bookmark file
  MODELE_LVXRECUPBOXEMAILS,       // the mail file
  MODELE_EXTRAWEBBOX,             // application and document of an extra-web card
  NB_MODELES_IMPORT,
};

// Edit boxes and push buttons of the dialogs that have some.
enum : unsigned {
  ID_FAVORIS_DOSSIER = 372,
  ID_FAVORIS_OK = 373,
  ID_FAVORIS_MODIFIER = 374,
  ID_FAVORIS_ANNULER = 408,
  ID_SIGNETS_FICHIER = 367,
  ID_SIGNETS_OK = 368,
  ID_SIGNETS_MODIFIER = 369,
  ID_SIGNETS_ANNULER = 371,
  ID_EMAILS_FICHIER = 669,
  ID_EMAILS_OK = 670,
  ID_EMAILS_MODIFIER = 671,
  ID_EMAILS_ANNULER = 660,
  ID_EXTRA_WEB_APPLICATION = 302,
  ID_EXTRA_WEB_DOCUMENT = 303,
  ID_EXTRA_WEB_PARCOURIR_APPLICATION = 304,
  ID_EXTRA_WEB_PARCOURIR_DOCUMENT = 305,
  ID_EXTRA_WEB_BOITE_OK = 421,
  ID_EXTRA_WEB_BOITE_ANNULER = 474,
};

enum : uint32_t {
  NB_TEXTES_IMPORT = 2,
  TAILLE_TEXTE_DIALOGUE = 1000,  // the longest box: "Autre:", 999 characters
};

// What the dialog does after a press.
enum SuiteDialogue { DIALOGUE_RESTE, DIALOGUE_FERME_OK, DIALOGUE_FERME_ANNULER };

// Ids and limits of one dialog.
struct DescriptionDialogue {
  const char* nom;                       // the template's name
  unsigned ok, annuler;
  unsigned edits[NB_TEXTES_IMPORT];      // 0 when unused
  uint32_t longueurs[NB_TEXTES_IMPORT];  // characters each edit keeps
  const unsigned* cases;                 // check boxes, ended by 0 (null: none)
  unsigned focus;                        // edit that has the focus at opening (0: the system's choice)
};

struct DialogueImport {
  ModeleImport modele;
  const char* titre;       // the caption where the command gives one (EXTRAWEBBOX), else null
  OptionsImport* options;  // the boxes show and change these flags
  // The edit boxes, in the order of the description; the dialog writes the
  // user's texts here before every press and shows them again after it.
  char textes[NB_TEXTES_IMPORT][TAILLE_TEXTE_DIALOGUE];
  const SystemeImport* sys;
  Poignee fenetre;         // the dialog's window, owner of its messages
  void* contexte;
  // The command's answer to a push button other than Annuler (OK included):
  // Modifier, Parcourir..., or OK's checks.
  SuiteDialogue (*bouton)(void* contexte, DialogueImport* d, unsigned id);
};

const DescriptionDialogue* DialogueImportDescription(ModeleImport modele);

// A press on control id: a check box follows its rules, Annuler closes, any
// other button asks the command. Returns what the dialog does next.
SuiteDialogue DialogueImportAppuyer(DialogueImport* d, unsigned id);

// Shows the dialog; its options are put back as they were unless it closes
// with OK. 1 on OK.
int DialogueImportMontrer(const SystemeImport* sys, Poignee proprietaire, DialogueImport* d);
