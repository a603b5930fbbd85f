#include "extraweb.h"

#include <cstring>
#include <string>

const char* const BALISE_EXTRAWEB = "<EXTRAWEB>";

int EstExtraWeb(const char* texte) {
  return strncmp(texte, BALISE_EXTRAWEB, LONGUEUR_BALISE_EXTRAWEB) == 0;
}

namespace {

// Position of the second ':' in r, or -1.
long DeuxiemeDeuxPoints(const char* r) {
  int vus = 0;
  for (long i = 0; r[i]; i++)
    if (r[i] == ':' && ++vus == 2) return i;
  return -1;
}

}  // namespace

DecoupageExtraWeb DecouperConnexion(const char* r) {
  long p = DeuxiemeDeuxPoints(r);
  if (p < 0) return {strlen(r), nullptr};
  if (p >= 2 && r[p - 2] == ' ') return {(size_t)(p - 2), r + p - 1};
  return {(size_t)(p - 1), nullptr};
}

DecoupageExtraWeb DecouperValidite(const char* r) {
  long p = DeuxiemeDeuxPoints(r);
  if (p >= 2 && r[p - 2] == ' ') return {(size_t)(p - 2), r + p - 1};
  return {strlen(r), nullptr};
}

int ExtraWebValide(const Fichiers* fichiers, const char* r) {
  if (!r[0]) return 0;
  DecoupageExtraWeb d = DecouperValidite(r);
  std::string application(r, d.fin_application);
  if (!fichiers->acces(fichiers->ctx, application.c_str())) return 0;
  return !d.document || fichiers->acces(fichiers->ctx, d.document);
}
