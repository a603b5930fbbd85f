// HTML page: every "HREF=" is a link, titled by the text before the next
// closing tag, and kept or dropped by the URL-import options.
#pragma once
#include <cstdint>

#include "options_import.h"
#include "textes_import.h"

// One link, its texts NUL-terminated in the scan's buffers.
struct LienTrouve {
  const char* url;    // the value after "HREF=", as it is (a relative URL stays relative)
  const char* titre;  // the decoded title, possibly empty
  const char* nom;    // the card's site name: the title, or the URL (RemplacerNomVideParUrl)
};

struct ScanPage {
  // The URL-import options (LVXRECUPBOX). ParcourirLesUrl chooses browse
  // mode, CreerUneFicheParUrl being always its opposite; the comment of
  // origin is the caller's.
  const OptionsUrl* options;
  // Buffers of TAILLE_TEXTE_IMPORT bytes lent by the caller: the URL, the
  // title, and the transfer buffer that decoding writes into.
  char* url;
  char* titre;
  char* transfert;
  void* contexte;                     // handed back to every call
  void (*repeindre)(void* contexte);  // before each byte; may be null
  // 1 when a card's URL equals url byte for byte (asked only with
  // SeulementNouvellesUrl, in create mode).
  int (*doublon)(void* contexte, const char* url);
  // Browse mode: shows the link; 0 when the user cancels, which stops the scan.
  int (*montrer)(void* contexte, const LienTrouve* l);
  // Create mode: appends the card; 0 stops the scan.
  int (*lien)(void* contexte, const LienTrouve* l);
};

// Scans the data [debut, fin), which need not end with a NUL. A URL or a
// title longer than its buffer keeps its first TAILLE_TEXTE_IMPORT - 1 bytes
// (a title before its decoding), and the scan goes on as if it were whole.
// Returns 1 at the data end, 0 when montrer or lien stopped the scan.
int PageParcourir(const ScanPage* scan, const char* debut, const char* fin);

// The browse-mode message: chemin, two LF, the title, two LF, the URL; at
// most taille - 1 bytes and a NUL go to texte. Returns its length.
uint32_t PageMessageParcourir(char* texte, uint32_t taille, const char* chemin,
                              const LienTrouve* l);
