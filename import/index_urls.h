// The duplicate test of the imports: is a found URL already on a card? The
// text walks the whole store for every URL; the index answers the same from
// a hash set of the compared keys, built once per command and kept current
// by every card append. The walk stays: it answers when the index has no
// memory, and the tests hold the index to it.
#pragma once
#include <cstdint>

#include "magasin.h"
#include "plateforme.h"

// What is compared with a card's URL field.
enum ComparaisonUrl {
  // Page links, bookmarks, file-pointing cards, the extra-web dialog: the
  // whole URL, byte for byte.
  COMPARAISON_OCTETS,
  // Any file, favourites, e-mail: the URL without a leading "mailto:" (in
  // any case), byte for byte.
  COMPARAISON_SANS_MAILTO,
  // Extra-web cards of a folder: in capitals, an extra-web URL's document
  // part (after the nearest space before its second ':', empty without one),
  // any other URL whole.
  COMPARAISON_DOCUMENT,
};

struct EntreeIndex;

struct IndexUrls {
  const Magasin* magasin;     // walked when the table is not there
  ComparaisonUrl comparaison;
  int actif;                  // 1: the table answers
  Poignee blocs[3];           // slots, entries, key bytes
  uint32_t* cases;            // per slot: entry + 1, 0 when free
  EntreeIndex* entrees;
  char* cles;                 // every distinct key once, its family byte first
  uint32_t nb_cases, nb_entrees, max_entrees, octets_cles, max_octets_cles;
};

// Indexes the URL of every card of m (whose record must outlive x). When the
// memory cannot be had, x answers by walking m, with the same answers.
void IndexUrlsConstruire(const Memoire* memoire, IndexUrls* x, const Magasin* m, ComparaisonUrl c);
void IndexUrlsLiberer(const Memoire* memoire, IndexUrls* x);

// 1 when some card's URL matches the n bytes of texte by x's comparison
// (with COMPARAISON_DOCUMENT, texte is the file path as it is).
int IndexUrlsContient(const IndexUrls* x, const char* texte, uint32_t n);
// 1 when some card's URL begins with "<EXTRAWEB>" and equals url, both in
// capitals: the test of a file that is its own application.
int IndexUrlsContientExtraWeb(const IndexUrls* x, const char* url, uint32_t n);

// The card at fiche has just been written into the store / is about to be
// overwritten. A growth failure leaves x walking the store.
void IndexUrlsNoter(const Memoire* memoire, IndexUrls* x, const uint8_t* fiche);
void IndexUrlsOublier(IndexUrls* x, const uint8_t* fiche);

// The store walk: every card from debut to fin, in turn, compared one by one.
int UrlConnueParParcours(uint8_t* debut, uint8_t* fin, ComparaisonUrl c, const char* texte,
                         uint32_t n);
int UrlExtraWebConnueParParcours(uint8_t* debut, uint8_t* fin, const char* url, uint32_t n);
