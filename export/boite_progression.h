// The progress box of a print run, shared by the card printout and the
// quick lists: opened over the main window with the printer's name, its
// texts, its messages handled between cards, closed at the end.
#pragma once
#include <cstdint>

#include "systeme_impression.h"

// A box's template and control ids.
struct ModeleProgression {
  const char* nom;      // the template's resource name
  unsigned envoi;       // "Lorvanix envoie le document sur :"
  unsigned imprimante;  // the printer's name
  unsigned progres;     // what is being done
  unsigned annuler;     // its cancel button
};

struct BoiteProgression {
  const SystemeImpression* sys;
  const ModeleProgression* modele;
  Poignee fenetre;  // the main window: owner, disabled meanwhile
  Poignee boite;
  int abandon;  // set by the cancel button, or by the spooler's refusals
};

// Opens the box, clears the abort flag and installs the abort procedure on dc.
void ProgressionOuvrir(BoiteProgression* b, const SystemeImpression* sys,
                       const ModeleProgression* modele, Poignee fenetre, Poignee dc);
// "Lorvanix envoie le document sur :" and the device name of the
// device-names block.
void ProgressionImprimante(const BoiteProgression* b, Poignee noms);
void ProgressionEcrire(const BoiteProgression* b, const char* texte);
// The box's waiting messages handled, the main window repainted.
void ProgressionPomper(const BoiteProgression* b);
// The main window enabled again, the box gone.
void ProgressionFermer(const BoiteProgression* b);
