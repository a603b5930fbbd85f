#include "caracteres.h"

uint16_t CaracteresCompter(const Plateforme* pf, const char* debut, const char* fin) {
  uint16_t n = 0;
  for (const char* p = debut; p < fin; p = pf->caractere_suivant(pf->ctx, p)) n++;
  return n;
}

const char* CurseurPrecedent(Curseur* c, const char* p) {
  if (p <= c->texte) return c->texte;
  if (c->borne >= p) return c->avant;
  // Every byte before p is text, so each step moves on.
  for (const char* n; (n = c->pf->caractere_suivant(c->pf->ctx, c->borne)) < p;) {
    c->avant = c->borne;
    c->borne = n;
  }
  return c->borne;
}
