// The printer's device context behind the page record: GDI calls only.
// Twips put y upward, so every y of the record is drawn at -y.
#include <windows.h>
#include <commdlg.h>

#include <cstddef>

#include "impression.h"
#include "systeme_impression.h"

// The print setup record crosses the DLL boundary as the platform's own
// print dialog record: same size, same offsets, in both builds.
static_assert(sizeof(EnregistrementImpression) == sizeof(PRINTDLGA));
#define MEME_DECALAGE(membre) \
  static_assert(offsetof(EnregistrementImpression, membre) == offsetof(PRINTDLGA, membre))
MEME_DECALAGE(lStructSize);
MEME_DECALAGE(hwndOwner);
MEME_DECALAGE(hDevMode);
MEME_DECALAGE(hDevNames);
MEME_DECALAGE(hDC);
MEME_DECALAGE(Flags);
MEME_DECALAGE(nFromPage);
MEME_DECALAGE(nToPage);
MEME_DECALAGE(nMinPage);
MEME_DECALAGE(nMaxPage);
MEME_DECALAGE(nCopies);
MEME_DECALAGE(hInstance);
MEME_DECALAGE(lCustData);
MEME_DECALAGE(lpfnPrintHook);
MEME_DECALAGE(lpfnSetupHook);
MEME_DECALAGE(lpPrintTemplateName);
MEME_DECALAGE(lpSetupTemplateName);
MEME_DECALAGE(hPrintTemplate);
MEME_DECALAGE(hSetupTemplate);
#undef MEME_DECALAGE

namespace {

void TailleMm(void*, Poignee dc, int* largeur, int* hauteur) {
  *largeur = GetDeviceCaps((HDC)dc, HORZSIZE);
  *hauteur = GetDeviceCaps((HDC)dc, VERTSIZE);
}

void ModeTwips(void*, Poignee dc) { SetMapMode((HDC)dc, MM_TWIPS); }

void Choisir(void*, Poignee dc, Poignee objet) { SelectObject((HDC)dc, (HGDIOBJ)objet); }

int Largeur(void*, Poignee dc, const char* texte, int n) {
  SIZE taille = {0, 0};
  GetTextExtentPoint32A((HDC)dc, texte, n, &taille);
  return taille.cx;
}

// Transparent: a text drawn one character at a time must not blank the
// overhang of the one before.
void Texte(void*, Poignee dc, int x, int y, const char* texte, int n) {
  SetBkMode((HDC)dc, TRANSPARENT);
  TextOutA((HDC)dc, x, -y, texte, n);
}

// Not a label: an ampersand is printed as it is.
void TexteADroite(void*, Poignee dc, int gauche, int haut, int droite, int bas, const char* texte) {
  RECT boite = {gauche, -haut, droite, -bas};
  SetBkMode((HDC)dc, TRANSPARENT);
  DrawTextA((HDC)dc, texte, -1, &boite, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
}

void Ligne(void*, Poignee dc, int x1, int y1, int x2, int y2) {
  MoveToEx((HDC)dc, x1, -y1, nullptr);
  LineTo((HDC)dc, x2, -y2);
}

int DebutDocument(void*, Poignee dc, const char* nom) {
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = nom;
  return StartDocA((HDC)dc, &document);
}

int DebutPage(void*, Poignee dc) { return StartPage((HDC)dc); }
int FinPage(void*, Poignee dc) { return EndPage((HDC)dc); }
int FinDocument(void*, Poignee dc) { return EndDoc((HDC)dc); }
int AbandonDocument(void*, Poignee dc) { return AbortDoc((HDC)dc); }

// Filled by name: a member left out does not build.
const PageImpression page_gdi = {
    .ctx = nullptr,
    .taille_mm = TailleMm,
    .mode_twips = ModeTwips,
    .choisir = Choisir,
    .largeur = Largeur,
    .texte = Texte,
    .texte_a_droite = TexteADroite,
    .ligne = Ligne,
    .debut_document = DebutDocument,
    .debut_page = DebutPage,
    .fin_page = FinPage,
    .fin_document = FinDocument,
    .abandon_document = AbandonDocument,
};

}  // namespace

const PageImpression* PageImpressionSysteme() { return &page_gdi; }
