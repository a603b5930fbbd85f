#include "scanner_adresses.h"

#include <cstring>

#include "majuscules.h"

namespace {

const char MAILTO[] = "mailto:";
const uint32_t PREFIXE = sizeof MAILTO - 1;  // room kept before the text

// Bytes are taken as signed: 128 to 255 fall below every range here.
bool Commun(signed char c) {
  return c == '-' || c == '.' || c == '/' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}
bool CaractereURL(char c) { return Commun(c) || c == ':' || c == '\\' || c == '~'; }
bool CaractereLocal(char c) { return Commun(c) || c == '$'; }
bool CaractereAdresse(char c) { return CaractereLocal(c) || c == '@'; }

// The scheme word that a byte may start, when its option is on.
const char* MotSchema(const OptionsQuelconque* o, char c) {
  switch (Majuscule(c)) {
    case 'H': return o->Http ? "HTTP:" : nullptr;
    case 'F': return o->Ftp ? "FTP:" : nullptr;
    case 'N': return o->News ? "NEWS:" : nullptr;
    default: return nullptr;
  }
}

// The start of the local part before the "@" at p (p > debut), or p itself
// when it is empty.
const char* DebutLocal(const char* debut, const char* p) {
  const char* q = p - 1;
  while (q > debut && CaractereLocal(*q)) q--;
  return CaractereLocal(*q) ? q : q + 1;
}

}  // namespace

int AdressesParcourir(const ScanAdresses* scan, const char* debut, const char* fin) {
  const OptionsQuelconque* o = scan->options;
  char* const texte = scan->url + PREFIXE;
  for (const char* p = debut; p < fin; p++) {
    if (scan->repeindre) scan->repeindre(scan->contexte);

    const char* depart = nullptr;
    bool courriel = false;
    if (const char* mot = MotSchema(o, *p)) {
      const uint32_t longueur = (uint32_t)strlen(mot);
      if ((uint32_t)(fin - p) < longueur) return 1;  // the data end cuts the word short
      uint32_t i = 0;
      while (i < longueur && Majuscule(p[i]) == mot[i]) i++;
      if (i == longueur) depart = p;
    } else if (*p == '@' && o->Mail && p > debut) {
      const char* local = DebutLocal(debut, p);
      if (local != p) depart = local, courriel = true;
    }
    if (!depart) continue;

    uint32_t n = 0;
    const char* q = depart;
    for (; q < fin && (courriel ? CaractereAdresse(*q) : CaractereURL(*q)); q++)
      if (n < LONGUEUR_AVANT_MAILTO_MAX) texte[n++] = *q;
    // A text run into the data end is dropped, and so is every one after
    // it: each would start inside it (no ":" among address characters, no
    // "@" among URL ones) and run into the end too.
    if (q == fin) return 1;
    texte[n] = 0;
    p = q;  // the byte that ended the text is passed over too

    if (o->SeulementNouvellesUrl && scan->doublon(scan->contexte, texte)) continue;
    const char* url = texte;
    if (memchr(texte, '@', n)) {
      url = scan->url;
      memcpy(scan->url, MAILTO, PREFIXE);
    }
    const AdresseInternet a = {texte, o->CopierUrlDansNom ? texte : "", url};
    if (!scan->adresse(scan->contexte, &a)) return 0;
  }
  return 1;
}
