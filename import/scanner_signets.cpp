#include "scanner_signets.h"

#include <cstring>

#include "chaines.h"
#include "entites.h"
#include "majuscules.h"

namespace {

const uint32_t LONGUEUR_MAX = TAILLE_TEXTE_IMPORT - 1;

// The title replaced by its decoding. Only the title's length of the
// transfer buffer is cleared, not all of it for every bookmark: the decoding
// is never longer than the title.
void Decoder(char* titre, char* transfert) {
  const uint32_t n = EntitesDecoder(titre, transfert, (uint32_t)strlen(titre) + 1, nullptr);
  memcpy(titre, transfert, n + 1);
}

// The first "<" of [p, limite) followed by "/"; limite is at most fin - 1.
const char* ChercherFermeture(const char* p, const char* limite) {
  while (p < limite) {
    p = (const char*)memchr(p, '<', (size_t)(limite - p));
    if (!p) return nullptr;
    if (p[1] == '/') return p;
    p++;
  }
  return nullptr;
}

// The last ">" of [bas, p), or null.
const char* ChercherChevronAvant(const char* bas, const char* p) {
  while (p > bas)
    if (*--p == '>') return p;
  return nullptr;
}

// The first "</" at or after p, which lies before fin - 1; null when none.
const char* PremiereFermeture(ReperesTitre* r, const char* p, const char* fin) {
  if (p >= r->cherche && (!r->fermeture || p <= r->fermeture)) return r->fermeture;
  if (p < r->cherche) {
    const char* limite = r->cherche < fin - 1 ? r->cherche : fin - 1;
    const char* f = ChercherFermeture(p, limite);
    if (f) r->fermeture = f;
  } else {
    r->fermeture = ChercherFermeture(p, fin - 1);
  }
  r->cherche = p;
  return r->fermeture;
}

// The last ">" of [debut, p), or null.
const char* DernierChevron(ReperesTitre* r, const char* debut, const char* p) {
  if (p < r->borne) {
    if (!r->chevron || r->chevron < p) return r->chevron;
    return ChercherChevronAvant(debut, p);
  }
  const char* c = ChercherChevronAvant(r->borne, p);
  if (c) r->chevron = c;
  r->borne = p;
  return r->chevron;
}

}  // namespace

const char* LireValeurHref(const char* p, const char* fin, char* url, int* complete) {
  while (p < fin && (*p == '"' || *p == ' ' || *p == '\t')) p++;
  const char* valeur = p;
  uint32_t n = 0;
  for (; p < fin && *p != '"' && *p != ' ' && *p != '>' && *p != '\t'; p++)
    if (*p != '\r' && *p != '\n' && n < LONGUEUR_MAX) url[n++] = *p;
  url[n] = 0;
  *complete = p < fin;
  return valeur;
}

ReperesTitre ReperesNeufs(const char* debut, const char* fin) {
  return {fin, nullptr, debut, nullptr};
}

int TitreAvantFermeture(ReperesTitre* r, const char* debut, const char* fin, const char* depart,
                        char* titre, uint32_t taille) {
  if (fin - depart < 2) return 0;
  const char* fermeture = PremiereFermeture(r, depart + 1, fin);
  if (!fermeture) return 0;
  titre[0] = 0;
  const char* p = DernierChevron(r, debut, fermeture);
  if (!p) return 1;  // no ">" before the "</": an empty title
  while (*p == '>' || *p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') p++;
  uint32_t n = 0;
  for (; p < fermeture && n + 1 < taille; p++)
    if (*p != '\r' && *p != '\n') titre[n++] = *p;
  titre[n] = 0;
  return 1;
}

int TexteAvantFermeture(const char* debut, const char* fin, const char* depart, char* titre,
                        uint32_t taille) {
  ReperesTitre r = ReperesNeufs(debut, fin);
  return TitreAvantFermeture(&r, debut, fin, depart, titre, taille);
}

int SignetsParcourir(const ScanSignets* scan, const char* debut, const char* fin) {
  scan->rubrique[0] = 0;
  ReperesTitre reperes = ReperesNeufs(debut, fin);
  // The first ">" from chevron_depuis, null when none: the heading searches
  // rise with the scan and share it.
  const char* chevron_depuis = fin;
  const char* chevron_suivant = nullptr;
  void (*const repeindre)(void* contexte) = scan->repeindre;
  for (const char* p = debut; p < fin; p++) {
    if (repeindre) repeindre(scan->contexte);
    // Or-ing 0x20 makes "H" and "F" small and no other byte "h" or "f".
    const char c = (char)(*p | 0x20);
    if (c != 'h' && c != 'f') continue;
    scan->url[0] = 0;
    const bool dossier = c == 'f';
    const uint32_t longueur = dossier ? 6 : 5;
    if ((uint32_t)(fin - p) < longueur) return 1;
    if (!EgauxSansCasse(p, dossier ? "FOLDED" : "HREF=", longueur)) continue;
    const char* apres = p + longueur;
    p = apres - 1;  // the scan goes on after the keyword, whatever the entry gives

    // The title starts after the heading's start tag, or at the value.
    const char* depart;
    if (dossier) {
      if (apres < chevron_depuis || (chevron_suivant && apres > chevron_suivant))
        chevron_suivant = (const char*)memchr(apres, '>', (size_t)(fin - apres));
      chevron_depuis = apres;
      depart = chevron_suivant;
      if (!depart) continue;
    } else {
      int complete;
      depart = LireValeurHref(apres, fin, scan->url, &complete);
      if (!complete) scan->url[0] = 0;
    }
    if (!TitreAvantFermeture(&reperes, debut, fin, depart, scan->nom, TAILLE_TEXTE_IMPORT))
      continue;
    if (scan->nom[0]) {
      Decoder(scan->nom, scan->transfert);
      if (dossier) CopierTexte(scan->rubrique, scan->nom, TAILLE_TEXTE_IMPORT);
    }
    if (dossier || !scan->url[0]) continue;
    const OptionsUrl* o = scan->options;
    if (o->SeulementNouvellesUrl && scan->doublon(scan->contexte, scan->url)) continue;

    if (!scan->nom[0] && o->RemplacerNomVideParUrl) {
      const char* url = scan->url;
      if (strlen(url) >= 7 && EgauxSansCasse(url, "MAILTO:", 7)) url += 7;
      CopierTexte(scan->nom, url, TAILLE_TEXTE_IMPORT);
    }
    const SignetTrouve s = {scan->url, scan->nom, scan->rubrique};
    if (!scan->signet(scan->contexte, &s)) return 0;
  }
  return 1;
}
