// The three export commands of lvxliens: dialog, the checks of the
// selection, the save dialog, then the file written one card at a time.
#pragma once
#include <cstdint>

#include "formes_liens.h"
#include "selection.h"
#include "systeme_liens.h"

// What a command is handed; the store is only read.
struct CommandeLiens {
  const SystemeLiens* sys;
  Poignee fenetre;     // main window
  uint8_t* transfert;  // transfer buffer, 65,534 bytes
  uint8_t* lpDebutMem;
  uint8_t* lpFinMem;
  uint8_t* lpFicheEcran;
  CriteresExport criteres;
  char* chemin;  // 256 bytes, receives the chosen path
  char* titre;   // 200 bytes, the HTML forms' title; null for text
  Poignee fleche, attente;
};

// 1 when the file was written and closed; 0 on cancel, refusal or failure,
// each told to the user.
uint16_t CommandeLiensExecuter(CommandeLiens* c, FormeLiens forme);
