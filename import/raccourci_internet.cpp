#include "raccourci_internet.h"

#include <cstring>

#include "majuscules.h"

namespace {

const char MAILTO[] = "mailto:";
const uint32_t PREFIXE = sizeof MAILTO - 1;  // room left before the text

uint32_t CopierBorne(const char* source, size_t n, char* cible, uint32_t taille) {
  if (n > taille - 1) n = taille - 1;
  memcpy(cible, source, n);
  cible[n] = 0;
  return (uint32_t)n;
}

}  // namespace

int RaccourciParcourir(const LectureRaccourci* lecture, const char* debut, const char* fin) {
  for (const char* p = debut; p < fin; p++) {
    if (lecture->repeindre) lecture->repeindre(lecture->contexte);
    if (*p != 'U' && *p != 'u') continue;
    if (fin - p < 4) return 1;
    if (!CommenceSansCasse(p, "URL=") || (p > debut && p[-1] != '\n')) continue;

    const char* ligne = p + 4;
    p = ligne;
    while (p < fin && *p != '\r' && *p != '\n') p++;
    if (p == fin) return 1;  // a line without its break gives nothing

    char* texte = lecture->url + PREFIXE;
    CopierBorne(ligne, (size_t)(p - ligne), texte, LONGUEUR_AVANT_MAILTO_MAX + 1);
    if (!texte[0]) continue;  // an empty line, or one that a NUL begins
    if (lecture->doublon(lecture->contexte, texte)) continue;
    const char* url = texte;
    if (strchr(texte, '@') && !CommenceSansCasse(texte, MAILTO)) {
      url = lecture->url;
      memcpy(lecture->url, MAILTO, PREFIXE);
    }
    if (!lecture->favori(lecture->contexte, url)) return 0;
  }
  return 1;
}

uint32_t FavoriNom(const char* fichier, char* nom, uint32_t taille) {
  const char* point = strrchr(fichier, '.');
  return CopierBorne(fichier, point ? (size_t)(point - fichier) : strlen(fichier), nom, taille);
}

uint32_t FavoriRubrique(const char* dossier, uint32_t longueur_racine, char* rubrique,
                        uint32_t taille) {
  const size_t longueur = strlen(dossier);
  if (longueur <= longueur_racine) {
    rubrique[0] = 0;
    return 0;
  }
  const char* dernier = strrchr(dossier, '\\');
  const char* nom = dernier ? dernier + 1 : dossier;
  return CopierBorne(nom, longueur - (size_t)(nom - dossier), rubrique, taille);
}
