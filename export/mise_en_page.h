// The page layout shared by the card printout and the quick lists: the
// page's geometry in twips, text laid out one character at a time with its
// tab stops and its line and page breaks, the frame's sides, and the change
// of page with its header.
#pragma once
#include <cstdint>

#include "systeme_impression.h"

struct MiseEnPage {
  const PageImpression* page;
  Poignee dc;
  Poignee police, stylo;  // selected again on every new page
  // The page, y downward from the top of the printable area.
  int gauche, droite, haut, bas;
  int retrait;        // between the frame and the text
  int hauteur_ligne;  // the print font's height
  int interligne;     // added to every line
  int x0;             // where every line of text starts
  int tabulation;     // nine widths of "a"
  int y;
  int cote_gauche, cote_droit;  // where each side of the frame was last drawn to
  int cadre;                    // 1: the frame's lines are drawn
  unsigned numero;              // the page's number, 1 for the first
  const char* entete;  // drawn with the number on every new page ("Page "); null: none
  int* abandon;        // set when the spooler refuses a page
};

// Twips, the text font and the pen selected, the geometry measured from the
// device's size and the text font; y at the top.
void MiseEnPageOuvrir(MiseEnPage* m, const PageImpression* page, Poignee dc, Poignee police,
                      Poignee stylo, int hauteur_ligne, int* abandon);
// The document and its first page, numbered 1.
void MiseEnPageDebuterDocument(MiseEnPage* m, const char* nom);
// The header and number of the current page, right-aligned above the top.
void MiseEnPageEntete(const MiseEnPage* m);
// Ends the page and starts the next at its top, the frame's sides with it.
void MiseEnPageNouvellePage(MiseEnPage* m);
// 1 when no further line fits on the page.
int MiseEnPagePleine(const MiseEnPage* m);
// With the frame, a line across the page at y.
void MiseEnPageTrait(const MiseEnPage* m);
// With the frame, both sides drawn down to y.
void MiseEnPageCotes(MiseEnPage* m);
// n characters from x0 at y, breaking lines at the right margin and pages
// at the bottom; y is left on the last line.
void MiseEnPageTexte(MiseEnPage* m, const char* texte, uint32_t n);
// The last page and the document ended, or the document dropped after a
// cancel or a refusal.
void MiseEnPageTerminer(const MiseEnPage* m);
