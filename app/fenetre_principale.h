// Geometry and fixed tables of the main window.
#pragma once
#include <cstdint>

enum : int {
  LARGEUR_FENETRE = 640,
  HAUTEUR_FENETRE = 480,
  HAUTEUR_FENETRE_MAX = 470,
};

// Control ids of the card view.
enum : unsigned {
  ID_NUMERO_FICHE = 425,
  ID_TOTAL_FICHES = 426,
  ID_MARQUAGE = 623,
  ID_CONNECTER = 468,
  ID_NOM = 438,
  ID_URL = 439,
  ID_RUBRIQUE = 440,
  ID_MOTS_CLES = 441,
  ID_NOTES = 442,
  ID_BOUTON_COUPER = 492,
  ID_BOUTON_COPIER = 493,
  ID_BOUTON_COLLER = 494,
  ID_BOUTON_AVANCER = 502,
  ID_BOUTON_RECULER = 621,
};

// Resource ids.
enum : unsigned {
  ID_ICONE = 300,
  ID_MENU = 301,
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
