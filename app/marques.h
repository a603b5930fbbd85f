// What the three actions of a marking criterion do to one selected card.
#pragma once
#include <cstdint>

enum ActionMarquage { ACTION_BASCULER, ACTION_MARQUER, ACTION_SUPPRIMER };

// The criteria word their actions differently, and the difference shows on
// mark words other than 0 and 1 (a file may hold any value).
enum RegleMarquage {
  // Toggle: 0 -> 1, else 0. Mark and unmark always write; the work is
  // modified only when the word was 0 (mark) or 1 (unmark).
  REGLE_PLAGE,
  // Toggle: 1 -> 0, else 1. Mark only a 0, unmark only a 1.
  REGLE_RECHERCHE,
  // Toggle: 0 -> 1, else 0. Mark only a 0, unmark only a 1.
  REGLE_DOUBLONS,
  // Toggle: 1 -> 0, else 1. Mark and unmark always write; every selected
  // card modifies the work.
  REGLE_SELECTION,
};

// Applies the action to the mark word at fiche; 1 when the work-modified
// flag must be set.
int MarqueAppliquer(uint8_t* fiche, ActionMarquage a, RegleMarquage r);
