// Extra-web URLs: "<EXTRAWEB>" + application path [+ " " + document path].
#pragma once
#include <cstddef>

#include "plateforme.h"

extern const char* const BALISE_EXTRAWEB;  // "<EXTRAWEB>"
enum : size_t { LONGUEUR_BALISE_EXTRAWEB = 10 };

// 1 when the text begins with the tag.
int EstExtraWeb(const char* texte);

// r (the text after the tag) split into its application path and its
// document path, found by the drive letter before the second ':'.
struct DecoupageExtraWeb {
  size_t fin_application;  // length of the application path in r
  const char* document;    // the document path, or null
};
// The connect rule: at the second ':', cut before the drive letter, and at
// the space before it when there is one (then a document path follows).
DecoupageExtraWeb DecouperConnexion(const char* r);
// The validity test's rule: only a space before the drive letter cuts;
// otherwise the whole of r is the application path.
DecoupageExtraWeb DecouperValidite(const char* r);

// The validity test on r, the text after the tag: not empty, the application
// exists and, when a document path was split off, the document exists.
int ExtraWebValide(const Fichiers* fichiers, const char* r);
