// Mail file: the sender and recipient addresses of the header lines From,
// To, Cc and Bcc, each with the person's display name.
#pragma once
#include <cstdint>

#include "options_import.h"
#include "textes_import.h"

// One address found, its texts NUL-terminated in the scan's buffers.
struct AdresseTrouvee {
  const char* adresse;  // the address alone
  const char* nom;      // the display name, or the address (RemplacerNomVideParAdresse)
  const char* url;      // "mailto:" and the address
};

struct ScanCourriel {
  // The e-mail options (LVXRECUPADRESSESBOX): AdressesEmetteurs reads the
  // From lines, AdressesDestinataires the To, Cc and Bcc lines; the comment
  // of origin is the caller's.
  const OptionsCourriel* options;
  // Two buffers of TAILLE_TEXTE_IMPORT bytes lent by the caller: the two
  // parts of an address, which become the address or the name.
  char* partie1;
  char* partie2;
  void* contexte;                     // handed back to every call
  void (*repeindre)(void* contexte);  // before each line; may be null
  // 1 when a card's URL, without a leading "mailto:" in any case, equals
  // adresse byte for byte (asked only with UniquementNouvellesAdresses).
  int (*doublon)(void* contexte, const char* adresse);
  // Appends the card; 0 stops the scan.
  int (*adresse)(void* contexte, const AdresseTrouvee* a);
};

// Scans the data [debut, fin), which need not end with a NUL. A part
// longer than LONGUEUR_AVANT_MAILTO_MAX kept characters keeps its first ones, and
// the reading goes on to the part's end.
// Returns 1 at the data end, 0 when adresse stopped the scan.
int CourrielParcourir(const ScanCourriel* scan, const char* debut, const char* fin);
