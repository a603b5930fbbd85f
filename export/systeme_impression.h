// What the printing libraries reach of the system: the printer's device
// context as a page to draw on, and their progress box, whose template
// lives in each library.
#pragma once
#include <cstdint>

#include "plateforme.h"

// A printer's device context. Coordinates are twips, x to the right and y
// downward from the top of the printable area: the twips mapping mode
// draws a point (x, y) at (x, -y).
struct PageImpression {
  void* ctx;
  // The device's physical size in millimetres.
  void (*taille_mm)(void* ctx, Poignee dc, int* largeur, int* hauteur);
  // Sets the twips mapping mode.
  void (*mode_twips)(void* ctx, Poignee dc);
  // Selects a font or a pen into the context.
  void (*choisir)(void* ctx, Poignee dc, Poignee objet);
  // Width of n characters with the selected font.
  int (*largeur)(void* ctx, Poignee dc, const char* texte, int n);
  // n characters with the selected font, their top left at (x, y).
  void (*texte)(void* ctx, Poignee dc, int x, int y, const char* texte, int n);
  // A text on a single line, right-aligned in the box (gauche, haut) to
  // (droite, bas).
  void (*texte_a_droite)(void* ctx, Poignee dc, int gauche, int haut, int droite, int bas,
                         const char* texte);
  // A line with the selected pen.
  void (*ligne)(void* ctx, Poignee dc, int x1, int y1, int x2, int y2);
  // The spooler's calls: their results (zero or less: failure).
  int (*debut_document)(void* ctx, Poignee dc, const char* nom);
  int (*debut_page)(void* ctx, Poignee dc);
  int (*fin_page)(void* ctx, Poignee dc);
  int (*fin_document)(void* ctx, Poignee dc);
  int (*abandon_document)(void* ctx, Poignee dc);
};

// The modeless progress box of a print run.
struct ProgressionImpression {
  void* ctx;
  // Opens the box modele owned by proprietaire. Its cancel button annuler,
  // or Escape, sets *abandon to 1, enables proprietaire again and destroys
  // the box. Null when it cannot be made.
  Poignee (*ouvrir)(void* ctx, Poignee proprietaire, const char* modele, unsigned annuler,
                    int* abandon);
  // The text of the box's control id (nothing once the box is gone).
  void (*ecrire)(void* ctx, Poignee boite, unsigned id, const char* texte);
  // Lets the box handle the messages waiting for it, and repaints it.
  void (*traiter_messages)(void* ctx, Poignee boite);
  // Destroys the box if it is still there.
  void (*fermer)(void* ctx, Poignee boite);
  // Enables or disables a window.
  void (*activer)(void* ctx, Poignee fenetre, int actif);
  // Installs on dc the abort procedure that lets the box handle its
  // messages and always says to go on.
  void (*installer_abandon)(void* ctx, Poignee dc, Poignee boite);
};

// The records of this process: GDI and the library's box in a DLL, the
// tests' drawing record natively.
const PageImpression* PageImpressionSysteme();
const ProgressionImpression* ProgressionImpressionSysteme();

struct SystemeImpression {
  const Memoire* memoire;  // the value lists; the device-names block
  const Fenetres* fenetres;
  const Caracteres* caracteres;  // the order of the quick lists
  const PageImpression* page;
  const ProgressionImpression* progression;
};
