// lvxprint's run: the cards of one selection printed one after another,
// each as a column of its chosen fields with their titles, boxed by the
// frame when asked, with page numbers and one card per page when asked.
#pragma once
#include <cstdint>

#include "fiche.h"
#include "impression.h"
#include "selection.h"
#include "systeme_impression.h"

struct ImpressionFiches {
  const SystemeImpression* sys;
  Poignee fenetre;  // main window: owns the boxes, disabled meanwhile
  const EnregistrementImpression* impression;  // its device context and device names
  Poignee police, police_titre, stylo;
  ModeSelection mode;
  uint16_t champs[NB_CHAMPS];  // 1: the field is printed
  uint16_t titres[NB_CHAMPS];  // 1: with its title
  uint16_t pagination, cadre, fiche_par_page;
  uint8_t* debut;  // first card
  uint8_t* fin;    // end of the cards
  uint32_t TotalFiches;
  uint8_t* ecran;           // the card on screen
  CriteresExport criteres;  // for the matching cards; its transfer buffer holds each field's copy
  int hauteur_ligne;        // twips
};

// Returns 1 once printed or cancelled, 0 when the printer is not set up.
uint16_t ImpressionFichesExecuter(const ImpressionFiches* p);
