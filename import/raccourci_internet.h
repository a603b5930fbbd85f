// Internet Explorer favourites: the "URL=" lines of one internet shortcut
// file, and the card's name and category taken from where the file lies.
#pragma once
#include <cstdint>

#include "textes_import.h"

struct LectureRaccourci {
  char* url;  // TAILLE_TEXTE_IMPORT bytes lent by the caller
  void* contexte;                     // handed back to every call
  void (*repeindre)(void* contexte);  // before each byte; may be null
  // 1 when a card's URL, without a leading "mailto:" in any case, equals
  // texte (the text after "URL=") byte for byte; always asked.
  int (*doublon)(void* contexte, const char* texte);
  // Appends the card for url: the text, with "mailto:" before an address.
  // 0 stops the reading.
  int (*favori)(void* contexte, const char* url);
};

// Reads one file's data [debut, fin), which need not end with a NUL: each
// line starting "URL=" (any case) and ended by a line break gives its text
// unless it is empty. Returns 1 at the data end, 0 when favori stopped it.
int RaccourciParcourir(const LectureRaccourci* lecture, const char* debut, const char* fin);

// The card's name: the file name before its last "." (the whole name
// without one), at most taille - 1 bytes and a NUL. Returns its length.
uint32_t FavoriNom(const char* fichier, char* nom, uint32_t taille);

// The card's category: the last name of dossier, the folder holding the
// file, or empty when dossier is the root (its first longueur_racine
// bytes); at most taille - 1 bytes and a NUL. Returns its length.
uint32_t FavoriRubrique(const char* dossier, uint32_t longueur_racine, char* rubrique,
                        uint32_t taille);
