#include "exactitude.h"

namespace {

int Separateur(char c) { return c == ' ' || c == '\t' || c == '\r'; }

int IsoleeAvant(Curseur* c, const char* occurrence) {
  if (occurrence == c->texte) return 1;
  // Separators are single bytes: when the byte before is none, neither is
  // the character before, and the text need not be stepped through.
  char octet = occurrence[-1];
  if (!Separateur(octet) && octet != '\n') return 0;
  const char* avant = CurseurPrecedent(c, occurrence);
  if (avant != occurrence - 1) return 0;  // that byte ends a wider character
  if (octet != '\n') return 1;
  // A line feed among the first two characters counts as the start.
  if (avant == c->texte) return 1;
  const char* avant_saut = CurseurPrecedent(c, avant);
  return avant_saut == c->texte || (avant_saut == avant - 1 && Separateur(*avant_saut));
}

int IsoleeApres(const Caracteres* caracteres, const char* apres) {
  char c = *apres;
  if (c == 0 || Separateur(c)) return 1;
  if (c != '\n') return 0;
  c = *caracteres->caractere_suivant(caracteres->ctx, apres);
  return c == 0 || Separateur(c);
}

}  // namespace

int OccurrenceIsolee(Curseur* c, const char* occurrence, uint32_t longueur) {
  // The cheap side first: most failed candidates go on with a letter.
  return IsoleeApres(c->caracteres, occurrence + longueur) && IsoleeAvant(c, occurrence);
}
