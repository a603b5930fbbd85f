#include "exactitude.h"

namespace {

int Separateur(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The character just before p when it is a single byte that may separate,
// else 0. Separators are single bytes, so the platform is asked only when
// the byte before p is one: it says whether that byte is a whole character.
char CaractereAvant(const Plateforme* pf, const char* texte, const char* p) {
  char c = p[-1];
  if (!Separateur(c) && c != '\n') return 0;
  return pf->caractere_precedent(pf->ctx, texte, p) == p - 1 ? c : 0;
}

int IsoleeAvant(const Plateforme* pf, const char* texte, const char* occurrence) {
  if (occurrence == texte) return 1;
  char c = CaractereAvant(pf, texte, occurrence);
  if (c != '\n') return Separateur(c);
  // A line feed among the first two characters counts as the start.
  const char* saut = occurrence - 1;
  if (saut == texte || pf->caractere_suivant(pf->ctx, texte) == saut) return 1;
  return Separateur(CaractereAvant(pf, texte, saut));
}

int IsoleeApres(const Plateforme* pf, const char* apres) {
  char c = *apres;
  if (c == 0 || Separateur(c)) return 1;
  if (c != '\n') return 0;
  c = *pf->caractere_suivant(pf->ctx, apres);
  return c == 0 || Separateur(c);
}

}  // namespace

int OccurrenceIsolee(const Plateforme* pf, const char* texte, const char* occurrence,
                     uint32_t longueur) {
  // The cheap side first: most failed candidates go on with a letter.
  return IsoleeApres(pf, occurrence + longueur) && IsoleeAvant(pf, texte, occurrence);
}
