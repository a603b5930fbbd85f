// Netscape bookmark file: every "HREF=" is a bookmark titled by the text
// before the next closing tag, every "FOLDED" a closed folder whose title
// becomes the category of the bookmarks that follow it.
#pragma once
#include <cstdint>

#include "options_import.h"
#include "textes_import.h"

// One bookmark, its texts NUL-terminated in the scan's buffers.
struct SignetTrouve {
  const char* url;       // the value after "HREF=", as it is
  const char* nom;       // the decoded title, or the URL (RemplacerNomVideParUrl)
  const char* rubrique;  // the title of the last closed folder, or empty
};

struct ScanSignets {
  // The URL-import options (LVXRECUPBOX), of which only two are followed:
  // SeulementNouvellesUrl and RemplacerNomVideParUrl.
  const OptionsUrl* options;
  // Buffers of TAILLE_TEXTE_IMPORT bytes lent by the caller: the URL, the
  // title, the category, and the transfer buffer that decoding writes into.
  char* url;
  char* nom;
  char* rubrique;
  char* transfert;
  void* contexte;                     // handed back to every call
  void (*repeindre)(void* contexte);  // before each byte; may be null
  // 1 when a card's URL equals url byte for byte (asked only with
  // SeulementNouvellesUrl).
  int (*doublon)(void* contexte, const char* url);
  // Appends the card; 0 stops the scan.
  int (*signet)(void* contexte, const SignetTrouve* s);
};

// Scans the data [debut, fin), which need not end with a NUL. A URL or a
// title longer than its buffer keeps its first TAILLE_TEXTE_IMPORT - 1 bytes
// (a title before its decoding), and the scan goes on as if it were whole.
// Returns 1 at the data end, 0 when signet stopped the scan.
int SignetsParcourir(const ScanSignets* scan, const char* debut, const char* fin);

// What the last title searches of one scan found, so that a long stretch
// without "</" or without ">" is read once, not once for every link in it.
// Valid while the data do not change.
struct ReperesTitre {
  // No "</" starts in [cherche, fermeture); fermeture is the first one from
  // cherche, or null when none comes before the data end.
  const char* cherche;
  const char* fermeture;
  // chevron is the last ">" before borne, or null when there is none.
  const char* borne;
  const char* chevron;
};

ReperesTitre ReperesNeufs(const char* debut, const char* fin);

// TexteAvantFermeture for the successive links of one scan.
int TitreAvantFermeture(ReperesTitre* r, const char* debut, const char* fin, const char* depart,
                        char* titre, uint32_t taille);

// The value after "HREF=": quotes, spaces and TABs skipped, then every byte
// up to a quote, space, ">" or TAB, CR and LF left out, at most
// TAILLE_TEXTE_IMPORT - 1 bytes and a NUL into url. Returns the value's
// first byte; *complete is 0 when the data end came before the value's end.
const char* LireValeurHref(const char* p, const char* fin, char* url, int* complete);

// The text that titles a link: from the ">" nearest before the first "</"
// after depart + 1, with the ">", blanks and line breaks after it skipped,
// up to that "</", CR and LF left out; at most taille - 1 bytes and a NUL
// go to titre. Returns 0 when no "</" comes before fin (no title), else 1.
int TexteAvantFermeture(const char* debut, const char* fin, const char* depart, char* titre,
                        uint32_t taille);
