// Geometry and fixed tables of the main window.
#pragma once
#include <cstdint>

#include "base/lorvanix_ids.h"

enum : int {
  LARGEUR_FENETRE = 640,
  HAUTEUR_FENETRE = 480,
  HAUTEUR_FENETRE_MAX = 470,
};

struct BoutonOutil {
  int x;
  unsigned id;
  unsigned normal, enfonce, focus;  // bitmap resource ids
  const char* info;                 // tooltip text
};
extern const BoutonOutil BOUTONS_OUTILS[19];
extern const char* const INFO_CONNECTER;
extern const char* const INFO_MARQUAGE;

struct Etiquette {
  const char* bitmap;  // named bitmap resource
  int x, y;
};
extern const Etiquette ETIQUETTES[9];

// Top-left corner of the new window, centred on a screen of this size.
void PositionFenetre(int largeur_ecran, int hauteur_ecran, int* x, int* y);
// Holds the window at 640 x 470 at most; 1 when the size had to change.
int LimiterFenetre(int* largeur, int* hauteur);
