// Any file: every web, FTP or news address and every e-mail address found
// in the bytes, whatever the file holds.
#pragma once
#include <cstdint>

#include "options_import.h"
#include "textes_import.h"

// One address, its texts NUL-terminated in the URL buffer.
struct AdresseInternet {
  const char* texte;  // as found, compared with the cards' URLs without "mailto:"
  const char* nom;    // the text with CopierUrlDansNom, else empty
  const char* url;    // the text, with "mailto:" before it when it holds an "@"
};

struct ScanAdresses {
  // The any-file options (LVXRECUPBOXQUELCONQUE); the comment of origin
  // is the caller's.
  const OptionsQuelconque* options;
  char* url;                          // TAILLE_TEXTE_IMPORT bytes lent by the caller
  void* contexte;                     // handed back to every call
  void (*repeindre)(void* contexte);  // before each byte; may be null
  // 1 when a card's URL, without a leading "mailto:" in any case, equals
  // texte byte for byte (asked only with SeulementNouvellesUrl).
  int (*doublon)(void* contexte, const char* texte);
  // Appends the card; 0 stops the scan.
  int (*adresse)(void* contexte, const AdresseInternet* a);
};

// Scans the data [debut, fin), which need not end with a NUL. A text longer
// than LONGUEUR_AVANT_MAILTO_MAX keeps its first bytes, and the scan goes on
// after its whole length. Returns 1 at the data end, 0 when adresse stopped
// the scan.
int AdressesParcourir(const ScanAdresses* scan, const char* debut, const char* fin);
