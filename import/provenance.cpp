#include "provenance.h"

#include <cstring>

void ProvenanceConstruire(Provenance* p, const char* chemin, uint16_t option) {
  static const char DEBUT[] = "Provenance de ce lien: \r\n";
  p->longueur = 0;
  if (option) {
    size_t n = strnlen(chemin, LONGUEUR_CHEMIN_IMPORT);
    memcpy(p->texte, DEBUT, sizeof DEBUT - 1);
    memcpy(p->texte + sizeof DEBUT - 1, chemin, n);
    memcpy(p->texte + sizeof DEBUT - 1 + n, "\r\n", 2);
    p->longueur = (uint32_t)(sizeof DEBUT - 1 + n + 2);
  }
  p->texte[p->longueur] = 0;
}
