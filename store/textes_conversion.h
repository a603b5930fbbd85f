// The text operations of the bulk conversion: replace and delete every
// occurrence, append, and the extra-web URL split into its application
// and document paths and rebuilt. Texts are runs of bytes with their
// length: nothing here needs or writes a NUL.
#pragma once
#include <cstdint>

#include "motif.h"

enum : uint32_t {
  LONGUEUR_TEXTE_CONVERSION = 299,  // the most a text of the dialogs may hold
  LONGUEUR_GARDE = 65000,           // replace and add leave a card with a longer field alone
  LONGUEUR_RESULTAT_MAX = 65534,    // the most a length word allows (L = 65,535)
  TAILLE_TAMPON_CONVERSION = 65536, // a working buffer: any field, and a NUL
  LONGUEUR_BALISE = 10,             // "<EXTRAWEB>"
};

struct Texte {
  const char* octets;
  uint32_t longueur;
};

// What replace (or delete: an empty replacement) looks for and puts in its place.
struct Remplacement {
  char cherche[LONGUEUR_TEXTE_CONVERSION + 1];  // in capitals when case does not count
  uint32_t longueur_cherche;
  const char* par;  // inserted exactly as typed
  uint32_t longueur_par;
  uint16_t casse;  // 1: upper and lower case differ
  Motif motif;     // on cherche: the record must not be copied once prepared
};

// cherche is cut to 299 characters, as the dialog lets none longer through.
void RemplacementPreparer(Remplacement* r, const char* cherche, const char* par, uint16_t casse);

enum : int32_t { REMPLACEMENT_TROP_LONG = -1 };

// Every occurrence in t, from left to right, replaced; the search goes on
// after each occurrence, so that a replacement is never searched again
// (and a deletion never joins the two sides into a new occurrence). When
// case does not count, t is folded into pli (TAILLE_TAMPON_CONVERSION
// bytes) for the search only. Returns the number of occurrences: the
// result is then in sortie (LONGUEUR_RESULTAT_MAX bytes) and its length in
// *longueur; 0 writes nothing; REMPLACEMENT_TROP_LONG when the result would
// pass LONGUEUR_RESULTAT_MAX.
int32_t Remplacer(const Remplacement* r, Texte t, char* pli, char* sortie, uint32_t* longueur);

// 1 when the text begins with "<EXTRAWEB>" (upper case, at the very start).
int EstUrlExtraWeb(Texte url);

// An extra-web URL's two paths, pointing into the URL.
struct UrlExtraWeb {
  Texte application;
  Texte document;  // empty when the URL names no document
};

// The split of the text after the tag: at its second ':', when the
// character two places before it is a space, the application path ends
// before that space and the document path starts at the drive letter just
// before the ':'; otherwise the whole text is the application path.
UrlExtraWeb UrlExtraWebDecouper(Texte url);

// "<EXTRAWEB>", the application path, one space and the document path
// (the space even when there is no document) into sortie
// (LONGUEUR_RESULTAT_MAX bytes). 0 when it would not fit.
int UrlExtraWebConstruire(Texte application, Texte document, char* sortie, uint32_t* longueur);
