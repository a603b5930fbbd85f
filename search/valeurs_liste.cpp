#include "valeurs_liste.h"

#include "fiche.h"

const char* const SANS_NOM_DE_SITE = "          !!  FICHE SANS NOM DE SITE  !!   ";
const char* const SANS_URL = "          !!  FICHE SANS URL  !!   ";
const char* const SANS_CIBLE = "          !!  FICHE SANS CIBLE  !!   ";

namespace {

const std::string_view EXTRAWEB = "<EXTRAWEB>";

bool Separateur(char c) { return c == '/' || c == '\\' || c == '>' || c == ':'; }
bool Fin(char c) { return c == '/' || c == '\\' || c == ' ' || c == '\t'; }
bool Blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TexteChamp(const uint8_t* fiche, int champ) {
  uint32_t longueur = 0;
  const char* texte = FicheTexte(fiche, champ, &longueur);
  return {texte, longueur};
}

}  // namespace

std::string_view Cible(std::string_view url) {
  if (url.substr(0, EXTRAWEB.size()) != EXTRAWEB) return url;
  std::string_view suite = url.substr(EXTRAWEB.size());
  size_t premier = suite.find(':');
  size_t second = premier == std::string_view::npos ? premier : suite.find(':', premier + 1);
  if (second == std::string_view::npos || second < 2 || suite[second - 2] != ' ') return {};
  return suite.substr(second - 1);
}

std::string_view FinDeCible(std::string_view cible) {
  size_t i = cible.size();
  while (i > 0 && Fin(cible[i - 1])) i--;
  while (i > 0 && !Separateur(cible[i - 1])) i--;
  return cible.substr(i);
}

std::string_view ValeurFiche(GenreListe genre, const uint8_t* fiche) {
  if (genre == LISTE_NOMS) {
    std::string_view nom = TexteChamp(fiche, CHAMP_NOM);
    return nom.empty() ? SANS_NOM_DE_SITE : nom;
  }
  std::string_view valeur = TexteChamp(fiche, CHAMP_URL);
  if (valeur == EXTRAWEB) valeur = {};
  if (genre != LISTE_URL) valeur = Cible(valeur);
  if (genre == LISTE_FINS_CIBLES) valeur = FinDeCible(valeur);
  if (!valeur.empty()) return valeur;
  return genre == LISTE_URL ? SANS_URL : SANS_CIBLE;
}

std::string_view MotSuivant(std::string_view texte, size_t* suite) {
  size_t debut = *suite;
  while (debut < texte.size() && Blanc(texte[debut])) debut++;
  size_t fin = debut;
  while (fin < texte.size() && !Blanc(texte[fin])) fin++;
  *suite = fin;
  return texte.substr(debut, fin - debut);
}
