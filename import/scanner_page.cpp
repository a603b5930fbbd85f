#include "scanner_page.h"

#include <cstring>

#include "entites.h"
#include "majuscules.h"
#include "scanner_signets.h"

namespace {

bool ContientSansCasse(const char* texte, const char* mot) {
  for (; *texte; texte++)
    if (CommenceSansCasse(texte, mot)) return true;
  return false;
}

bool SchemaAdmis(const OptionsUrl* o, const char* url) {
  if (o->Tous) return true;
  return (o->Http && ContientSansCasse(url, "HTTP:")) ||
         (o->News && ContientSansCasse(url, "NEWS:")) ||
         (o->Ftp && ContientSansCasse(url, "FTP:")) ||
         (o->Mailto && ContientSansCasse(url, "MAILTO:")) ||
         (o->Autre && strstr(url, o->TexteAutre));
}

const char* NomDuLien(const ScanPage* scan) {
  if (scan->titre[0] || !scan->options->RemplacerNomVideParUrl) return scan->titre;
  return CommenceSansCasse(scan->url, "MAILTO:") ? scan->url + 7 : scan->url;
}

// Appends source to texte while room is left; returns the new length.
uint32_t Ajouter(char* texte, uint32_t n, uint32_t taille, const char* source) {
  for (; *source && n + 1 < taille; source++) texte[n++] = *source;
  return n;
}

}  // namespace

int PageParcourir(const ScanPage* scan, const char* debut, const char* fin) {
  ReperesTitre reperes = ReperesNeufs(debut, fin);
  for (const char* p = debut; p < fin; p++) {
    if (scan->repeindre) scan->repeindre(scan->contexte);
    if (*p != 'H' && *p != 'h') continue;
    if (fin - p < 5) return 1;
    if (!CommenceSansCasse(p, "HREF=")) continue;
    // The scan goes on at the next byte, inside the value: a link is never
    // jumped over ("REF=" holds no further "H"). So every later "HREF="
    // lies inside this value or after it, and when this one meets the data
    // end, before the value's end or the "</", so will they all.
    int complete;
    const char* valeur = LireValeurHref(p + 5, fin, scan->url, &complete);
    if (!complete) return 1;
    if (!TitreAvantFermeture(&reperes, debut, fin, valeur, scan->titre, TAILLE_TEXTE_IMPORT))
      return 1;
    if (!scan->url[0]) continue;
    if (scan->titre[0]) EntitesRemplacer(scan->titre, scan->transfert);
    if (!SchemaAdmis(scan->options, scan->url)) continue;

    const LienTrouve l = {scan->url, scan->titre, NomDuLien(scan)};
    if (scan->options->ParcourirLesUrl) {
      if (!scan->montrer(scan->contexte, &l)) return 0;
      continue;
    }
    if (scan->options->SeulementNouvellesUrl && scan->doublon(scan->contexte, l.url)) continue;
    if (!scan->lien(scan->contexte, &l)) return 0;
  }
  return 1;
}

uint32_t PageMessageParcourir(char* texte, uint32_t taille, const char* chemin,
                              const LienTrouve* l) {
  if (!taille) return 0;
  uint32_t n = Ajouter(texte, 0, taille, chemin);
  n = Ajouter(texte, n, taille, "\n\n");
  n = Ajouter(texte, n, taille, l->titre);
  n = Ajouter(texte, n, taille, "\n\n");
  n = Ajouter(texte, n, taille, l->url);
  texte[n] = 0;
  return n;
}
