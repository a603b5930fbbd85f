#include "textes_conversion.h"

#include <cstring>

#include "casse.h"
#include "chaines.h"
#include "majuscules.h"

namespace {

const char BALISE[] = "<EXTRAWEB>";

// The text in capitals, whole: a stray NUL inside a field does not end it.
void Plier(char* pli, Texte t) {
  uint32_t copies = TexteCopier(pli, t.octets, t.longueur, 0);
  for (uint32_t i = copies; i < t.longueur; i++) pli[i] = Majuscule(t.octets[i]);
}

}  // namespace

void RemplacementPreparer(Remplacement* r, const char* cherche, const char* par, uint16_t casse) {
  CopierTexte(r->cherche, cherche, sizeof r->cherche);
  r->longueur_cherche = (uint32_t)strlen(r->cherche);
  if (!casse)
    for (uint32_t i = 0; i < r->longueur_cherche; i++) r->cherche[i] = Majuscule(r->cherche[i]);
  r->par = par ? par : "";
  r->longueur_par = (uint32_t)strnlen(r->par, LONGUEUR_TEXTE_CONVERSION);
  r->casse = casse;
  MotifPreparer(&r->motif, r->cherche, r->longueur_cherche);
}

int32_t Remplacer(const Remplacement* r, Texte t, char* pli, char* sortie, uint32_t* longueur) {
  if (r->longueur_cherche == 0 || t.longueur < r->longueur_cherche) return 0;
  const char* dans = t.octets;
  if (!r->casse) {
    Plier(pli, t);
    dans = pli;
  }
  const char* fin = dans + t.longueur;
  const char* trouve = MotifTrouver(&r->motif, dans, fin);
  if (!trouve) return 0;
  int32_t occurrences = 0;
  uint32_t n = 0, depuis = 0;
  for (; trouve; trouve = MotifTrouver(&r->motif, dans + depuis, fin)) {
    uint32_t position = (uint32_t)(trouve - dans);
    uint32_t avant = position - depuis;
    if ((uint64_t)n + avant + r->longueur_par > LONGUEUR_RESULTAT_MAX) return REMPLACEMENT_TROP_LONG;
    memcpy(sortie + n, t.octets + depuis, avant);
    memcpy(sortie + n + avant, r->par, r->longueur_par);
    n += avant + r->longueur_par;
    depuis = position + r->longueur_cherche;
    occurrences++;
  }
  uint32_t reste = t.longueur - depuis;
  if ((uint64_t)n + reste > LONGUEUR_RESULTAT_MAX) return REMPLACEMENT_TROP_LONG;
  memcpy(sortie + n, t.octets + depuis, reste);
  *longueur = n + reste;
  return occurrences;
}

int EstUrlExtraWeb(Texte url) {
  return url.longueur >= LONGUEUR_BALISE && memcmp(url.octets, BALISE, LONGUEUR_BALISE) == 0;
}

UrlExtraWeb UrlExtraWebDecouper(Texte url) {
  Texte r = {url.octets + LONGUEUR_BALISE, url.longueur - LONGUEUR_BALISE};
  UrlExtraWeb u = {r, {r.octets + r.longueur, 0}};
  int deux_points = 0;
  for (uint32_t i = 0; i < r.longueur; i++) {
    if (r.octets[i] != ':' || ++deux_points < 2) continue;
    if (i >= 2 && r.octets[i - 2] == ' ') {
      u.application = {r.octets, i - 2};
      u.document = {r.octets + i - 1, r.longueur - (i - 1)};
    }
    break;
  }
  return u;
}

int UrlExtraWebConstruire(Texte application, Texte document, char* sortie, uint32_t* longueur) {
  uint64_t n = (uint64_t)LONGUEUR_BALISE + application.longueur + 1 + document.longueur;
  if (n > LONGUEUR_RESULTAT_MAX) return 0;
  memcpy(sortie, BALISE, LONGUEUR_BALISE);
  // The parts may lie in sortie's own buffer's neighbours, never in sortie.
  memcpy(sortie + LONGUEUR_BALISE, application.octets, application.longueur);
  sortie[LONGUEUR_BALISE + application.longueur] = ' ';
  memcpy(sortie + LONGUEUR_BALISE + application.longueur + 1, document.octets, document.longueur);
  *longueur = (uint32_t)n;
  return 1;
}
