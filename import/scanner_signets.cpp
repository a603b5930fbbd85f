#include "scanner_signets.h"

#include <cstring>

#include "entites.h"

namespace {

const uint32_t LONGUEUR_MAX = TAILLE_TEXTE_SIGNET - 1;
static_assert((uint32_t)TAILLE_TEXTE_SIGNET == (uint32_t)TAILLE_TAMPON_TEXTE,
              "decoding clears the whole transfer buffer");

char Majuscule(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }

// mot is in capitals; the caller checked that n bytes remain.
bool EgalSansCasse(const char* p, const char* mot, uint32_t n) {
  for (uint32_t i = 0; i < n; i++)
    if (Majuscule(p[i]) != mot[i]) return false;
  return true;
}

// The value after "HREF=", read as the page scanner reads it. Returns the
// first byte of the value (after the quotes and blanks skipped); the URL is
// left empty when the data end comes before the value's end.
const char* LireValeur(const char* p, const char* fin, char* url) {
  while (p < fin && (*p == '"' || *p == ' ' || *p == '\t')) p++;
  const char* valeur = p;
  uint32_t n = 0;
  for (; p < fin && *p != '"' && *p != ' ' && *p != '>' && *p != '\t'; p++)
    if (*p != '\r' && *p != '\n' && n < LONGUEUR_MAX) url[n++] = *p;
  url[p < fin ? n : 0] = 0;
  return valeur;
}

void Copier(char* cible, const char* source) {
  size_t n = strlen(source);
  memcpy(cible, source, n + 1);
}

}  // namespace

int TexteAvantFermeture(const char* debut, const char* fin, const char* depart, char* titre,
                        uint32_t taille) {
  if (fin - depart < 2) return 0;
  const char* fermeture = depart + 1;
  while (true) {
    fermeture = (const char*)memchr(fermeture, '<', (size_t)(fin - fermeture));
    if (!fermeture || fin - fermeture < 2) return 0;
    if (fermeture[1] == '/') break;
    fermeture++;
  }
  const char* p = fermeture;
  while (p > debut && p[-1] != '>') p--;
  titre[0] = 0;
  if (p == debut) return 1;  // no ">" before the "</": an empty title
  p--;
  while (*p == '>' || *p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') p++;
  uint32_t n = 0;
  for (; p < fermeture; p++)
    if (*p != '\r' && *p != '\n' && n + 1 < taille) titre[n++] = *p;
  titre[n] = 0;
  return 1;
}

int SignetsParcourir(const ScanSignets* scan, const char* debut, const char* fin) {
  scan->rubrique[0] = 0;
  for (const char* p = debut; p < fin; p++) {
    if (scan->repeindre) scan->repeindre(scan->contexte);
    scan->url[0] = 0;
    const char c = Majuscule(*p);
    if (c != 'H' && c != 'F') continue;
    const bool dossier = c == 'F';
    const uint32_t longueur = dossier ? 6 : 5;
    if ((uint32_t)(fin - p) < longueur) return 1;
    if (!EgalSansCasse(p, dossier ? "FOLDED" : "HREF=", longueur)) continue;
    const char* apres = p + longueur;
    p = apres - 1;  // the scan goes on after the keyword, whatever the entry gives

    // The title starts after the heading's start tag, or at the value.
    const char* depart;
    if (dossier) {
      depart = (const char*)memchr(apres, '>', (size_t)(fin - apres));
      if (!depart) continue;
    } else {
      depart = LireValeur(apres, fin, scan->url);
    }
    if (!TexteAvantFermeture(debut, fin, depart, scan->nom, TAILLE_TEXTE_SIGNET)) continue;
    if (scan->nom[0]) {
      EntitesRemplacer(scan->nom, scan->transfert);
      if (dossier) Copier(scan->rubrique, scan->nom);
    }
    if (dossier || !scan->url[0]) continue;
    const OptionsUrl* o = scan->options;
    if (o->SeulementNouvellesUrl && scan->doublon(scan->contexte, scan->url)) continue;

    if (!scan->nom[0] && o->RemplacerNomVideParUrl) {
      const char* url = scan->url;
      if (strlen(url) >= 7 && EgalSansCasse(url, "MAILTO:", 7)) url += 7;
      Copier(scan->nom, url);
    }
    const SignetTrouve s = {scan->url, scan->nom, scan->rubrique};
    if (!scan->signet(scan->contexte, &s)) return 0;
  }
  return 1;
}
