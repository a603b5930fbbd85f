#include "caracteres.h"

uint16_t CaracteresCompter(const Caracteres* caracteres, const char* debut, const char* fin) {
  uint16_t n = 0;
  for (const char* p = debut; p < fin; p = caracteres->caractere_suivant(caracteres->ctx, p)) n++;
  return n;
}

const char* CurseurPrecedent(Curseur* c, const char* p) {
  if (p <= c->texte) return c->texte;
  if (c->borne >= p) return c->avant;
  // Every byte before p is text, so each step moves on.
  for (const char* n; (n = c->caracteres->caractere_suivant(c->caracteres->ctx, c->borne)) < p;) {
    c->avant = c->borne;
    c->borne = n;
  }
  return c->borne;
}
