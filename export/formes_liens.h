// The three forms a card can be written in: an HTML page of links, an
// HTML mailing list and plain text. Each writes its opening, the cards
// the walk hands it and its end through a Sortie; the walk itself is the
// command's.
#pragma once
#include <cstdint>

#include "dialogues_liens.h"
#include "sortie.h"

enum FormeLiens { FORME_LIENS, FORME_MAILING, FORME_TEXTE };

enum : uint32_t { TAILLE_PIECE_HTML = 65534 };  // the transfer buffer

struct EcritureLiens {
  FormeLiens forme;
  Sortie* sortie;
  // The transfer buffer (TAILLE_PIECE_HTML bytes): converted text is
  // assembled here one piece at a time, so a field of any length fits.
  char* piece;
  const char* titre;  // the page or list title (HTML forms)
  ReglagesExportLiens* reglages;
};

// Text converted for HTML (html_texte.h), written piece by piece.
void EcrireHtml(const EcritureLiens* e, const char* texte, size_t n);

// 1 when the form takes a card that the selection took: the links page
// leaves out the extra-web cards, the mailing list keeps only the mailto:
// ones.
int FormeRetient(FormeLiens forme, const uint8_t* fiche);
void FormeEcrireDebut(const EcritureLiens* e);
void FormeEcrireFiche(const EcritureLiens* e, const uint8_t* fiche);
void FormeEcrireFin(const EcritureLiens* e);
