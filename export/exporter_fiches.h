// "Exporter des fiches :": a subset of the cards of the work in progress
// written into a new data file or at the end of an existing one, then the
// offer to open that file. The store is only read.
#pragma once
#include <cstdint>

#include "dialogue_donnees.h"
#include "selection.h"
#include "sortie.h"
#include "systeme_donnees.h"

// One export: the command's arguments and its outcome.
struct ExportSpec {
  const SystemeSpec* sys;
  CiblesSpec* cibles;  // the targets and folders kept between calls
  Poignee fenetre;     // main window
  uint8_t* debut;      // lpDebutMem
  uint8_t* fin;        // lpFinMem
  uint8_t* ecran;      // lpFicheEcran
  const char* magie;
  char* NomFichier;    // current file (256 bytes); receives the target to open
  CriteresExport criteres;
  uint32_t TotalFiches;
  uint32_t TailleTotaleFiches;
  Poignee fleche, attente;
  const char* dossier_programme;
  uint16_t ChargerFichierOk;  // out: the user asked to open the target
};

// The whole command: the dialog, the checks, the target, the write, the
// question.
void ExporterFiches(ExportSpec* e);

// Bytes the chosen cards need in a data file: their sum, plus 44 for the
// header and the count unless it is 0.
uint64_t TailleExport(const ExportSpec* e, ModeSelection mode);
// The chosen cards through s, straight from the store, in store order;
// *nombre counts them.
void EcrireSelection(const ExportSpec* e, ModeSelection mode, Sortie* s, uint32_t* nombre);
// A new data file of the chosen cards at chemin. 1 when written whole;
// otherwise its box was shown.
int EcrireNouveauFichier(const ExportSpec* e, ModeSelection mode, const char* chemin,
                         uint64_t besoin);
// The chosen cards at the end of the data file at chemin, its count
// raised. 1 when done; otherwise its box was shown and the file is as it was.
int AjouterAuFichier(const ExportSpec* e, ModeSelection mode, const char* chemin, uint64_t besoin);
