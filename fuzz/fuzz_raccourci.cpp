// Any bytes as an internet shortcut file, and as the file and folder names
// a favourite's card is named and filed by: the reading reports exactly
// what the straightforward algorithm reports, in the same order, and
// stops where it does; the name and category are those of the path, cut to
// their buffers; nothing is read or written out of bounds.
//
// The input: a byte giving the call that answers "stop" (0: none; 255: none,
// and when the bytes add up to a multiple of 32 the data are made longer
// than the URL buffer: these slow runs stay few), a byte of root length, a byte
// of name buffer size (0: 65,534), the data.
#include <vector>

#include "journal_scan.h"
#include "raccourci_internet.h"

namespace {

void Repeindre(void*) {}

int Doublon(void* c, const char* texte) {
  Journal* j = (Journal*)c;
  j->appels.push_back("doublon " + Texte(texte, TAILLE_TEXTE_IMPORT));
  return j->Connu(texte);
}
int Favori(void* c, const char* url) {
  Journal* j = (Journal*)c;
  j->appels.push_back("favori " + Texte(url, TAILLE_TEXTE_IMPORT));
  if (!j->Repondre()) return 0;
  j->magasin.insert(url);
  return 1;
}

// The "URL=" lines, the straightforward way.
int RaccourciLitteral(const std::string& d, Journal* j) {
  const size_t n = d.size();
  for (size_t p = 0; p < n; p++) {
    if (d[p] != 'U' && d[p] != 'u') continue;
    if (n - p < 4) return 1;
    if (Majuscules(d.substr(p, 4)) != "URL=" || (p > 0 && d[p - 1] != '\n')) continue;
    size_t e = p + 4;
    while (e < n && d[e] != '\r' && d[e] != '\n') e++;
    std::string texte = e < n ? JusquAuNul(d.substr(p + 4, e - p - 4)) : "";
    if (texte.size() > LONGUEUR_AVANT_MAILTO_MAX) texte.resize(LONGUEUR_AVANT_MAILTO_MAX);
    p = e;
    if (texte.empty()) continue;
    j->appels.push_back("doublon " + texte);
    if (j->Connu(texte)) continue;
    const bool adresse =
        texte.find('@') != std::string::npos && Majuscules(texte.substr(0, 7)) != "MAILTO:";
    const std::string url = adresse ? "mailto:" + texte : texte;
    j->appels.push_back("favori " + url);
    if (!j->Repondre()) return 0;
    j->magasin.insert(url);
  }
  return 1;
}

std::string Couper(const std::string& s, size_t taille) { return s.substr(0, taille - 1); }

std::string NomLitteral(const std::string& fichier, size_t taille) {
  const size_t point = fichier.rfind('.');
  return Couper(point == std::string::npos ? fichier : fichier.substr(0, point), taille);
}

std::string RubriqueLitterale(const std::string& dossier, size_t racine, size_t taille) {
  if (dossier.size() <= racine) return "";
  const size_t barre = dossier.rfind('\\');
  return Couper(barre == std::string::npos ? dossier : dossier.substr(barre + 1), taille);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
  const uint8_t arret = Octet(octets, taille, 0), racine = Octet(octets, taille, 1);
  const uint8_t n_nom = Octet(octets, taille, 2);
  const uint32_t taille_nom = n_nom ? n_nom : (uint32_t)TAILLE_TEXTE_IMPORT;

  std::string donnees = Reste(octets, taille, 3);
  if (arret == 255 && !donnees.empty() && Long(octets, taille))
    donnees.append(TAILLE_TEXTE_IMPORT + 100, donnees.back());
  std::vector<char> tas(donnees.begin(), donnees.end());
  const char* debut = tas.empty() ? "" : tas.data();

  static std::vector<char> url(TAILLE_TEXTE_IMPORT);
  Journal vu, attendu;
  vu.arret = attendu.arret = arret == 255 ? 0 : arret;
  vu.sans_mailto = attendu.sans_mailto = true;
  const LectureRaccourci lecture = {url.data(), &vu, arret & 1 ? Repeindre : nullptr, Doublon,
                                    Favori};
  const int r = RaccourciParcourir(&lecture, debut, debut + tas.size());
  Comparer(vu, attendu, r, RaccourciLitteral(donnees, &attendu));

  // The data as a file name and as the folder that holds it.
  const std::string chemin = JusquAuNul(donnees);
  std::vector<char> nom(taille_nom);
  const uint32_t n = FavoriNom(chemin.c_str(), nom.data(), taille_nom);
  Exiger(std::string(nom.data()) == NomLitteral(chemin, taille_nom) && n == strlen(nom.data()),
         "the name is the file name before its last dot");
  const uint32_t m = FavoriRubrique(chemin.c_str(), racine, nom.data(), taille_nom);
  Exiger(std::string(nom.data()) == RubriqueLitterale(chemin, racine, taille_nom) &&
             m == strlen(nom.data()),
         "the category is the last folder name below the root");
  return 0;
}
