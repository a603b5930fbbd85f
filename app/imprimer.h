// The main program's side of printing: the printer set up at start-up and
// by "Configurer", the fonts and pen handed to the two printing libraries,
// the print options, and the calls to lvxprint and lvxprap.
#pragma once
#include <cstdint>

#include "dialogue_imprimer.h"
#include "impression.h"

struct Programme;

// Print dialog flags (the platform's own values).
enum : uint32_t {
  IMPRESSION_CONFIGURATION = 0x0040,  // the print setup dialog
  IMPRESSION_RETOUR_DC = 0x0100,      // a device context for the printer chosen
  IMPRESSION_DEFAUT = 0x0400,         // the default printer, nothing shown
};

enum : int32_t { HAUTEUR_POLICE_IMPRESSION = 320 };  // 16 points in twips

struct ImpressionProgramme {
  EnregistrementImpression enregistrement;  // print setup record, start-up to quit
  Poignee police, police_titre, stylo;
  int32_t hauteur_police;
  uint16_t options[NB_OPTIONS_IMPRESSION];
  // The setup handles each library hands over for the program to free.
  Poignee hDevModeFiches, hDevNamesFiches;  // lvxprint
  Poignee hDevModeRapide, hDevNamesRapide;  // lvxprap
};

// Start-up: the default printer (nothing shown), the fonts and the pen,
// the options' first values.
void ImpressionPreparer(Programme* p);
// Quit: the device context, every setup handle, the fonts and the pen.
void ImpressionLiberer(Programme* p);
// A setup handle a library hands over, kept in *garde: it replaces the one
// kept before, which is freed unless the program still holds it elsewhere;
// a null one changes nothing.
void ImpressionGarder(Programme* p, Poignee* garde, Poignee nouvelle);
// "Configurer": the print setup dialog over proprietaire; cancelled or
// failed, the record is put back as it was.
void ImpressionConfigurer(Programme* p, Poignee proprietaire);

// The commands.
int CommandeConfigurerImpression(Programme* p, int);
int CommandeImprimerFiches(Programme* p, int);
// Quick print of one field of every card (RAPIDE_ of lvxprap).
int CommandeImpressionRapide(Programme* p, int genre);
