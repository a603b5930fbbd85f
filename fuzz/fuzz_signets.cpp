// Any bytes through the bookmark scan, with any of its two options: it
// reports exactly what the straightforward algorithm reports (which
// searches every title from scratch), in the same order, and stops where it
// does; nothing is read past the data or written past a text buffer.
//
// The input: a byte of options, a byte giving the call that answers "stop"
// (0: none; 255: none, and when the bytes add up to a multiple of 32
// the data are made longer than a text buffer: these slow runs stay few), the data.
#include <vector>

#include "entites.h"
#include "journal_scan.h"
#include "options_import.h"
#include "scanner_signets.h"

namespace {

const size_t TEXTE_MAX = TAILLE_TEXTE_IMPORT - 1;

void Repeindre(void*) {}

int Doublon(void* c, const char* url) {
  Journal* j = (Journal*)c;
  j->appels.push_back("doublon " + Texte(url, TAILLE_TEXTE_IMPORT));
  return j->Connu(url);
}
int Signet(void* c, const SignetTrouve* s) {
  Journal* j = (Journal*)c;
  j->appels.push_back("signet " + Texte(s->url, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(s->nom, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(s->rubrique, TAILLE_TEXTE_IMPORT));
  if (!j->Repondre()) return 0;
  j->magasin.insert(s->url);
  return 1;
}

bool Blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The closing-tag text from one byte after depart: false when no "</"
// comes before the end.
bool TexteFermeture(const std::string& d, size_t depart, std::string* titre) {
  const size_t n = d.size();
  size_t r = depart + 1;
  while (r + 1 < n && !(d[r] == '<' && d[r + 1] == '/')) r++;
  if (r + 1 >= n) return false;
  titre->clear();
  const size_t g = d.rfind('>', r - 1);
  if (g == std::string::npos) return true;
  size_t s = g;
  while (d[s] == '>' || Blanc(d[s])) s++;
  for (; s < r; s++)
    if (d[s] != '\r' && d[s] != '\n' && titre->size() < TEXTE_MAX) *titre += d[s];
  *titre = JusquAuNul(*titre);
  return true;
}

// The bookmark scan, the straightforward way.
int SignetsLitterale(const OptionsUrl& o, const std::string& d, Journal* j) {
  const size_t n = d.size();
  std::string rubrique;
  for (size_t p = 0; p < n; p++) {
    const char c = Maj(d[p]);
    if (c != 'H' && c != 'F') continue;
    const bool dossier = c == 'F';
    const size_t longueur = dossier ? 6 : 5;
    if (n - p < longueur) return 1;
    if (Majuscules(d.substr(p, longueur)) != (dossier ? "FOLDED" : "HREF=")) continue;
    size_t q = p + longueur;
    size_t depart;
    std::string url;
    if (dossier) {
      depart = d.find('>', q);
      if (depart == std::string::npos) continue;
    } else {
      while (q < n && (d[q] == '"' || d[q] == ' ' || d[q] == '\t')) q++;
      depart = q;
      for (; q < n && d[q] != '"' && d[q] != ' ' && d[q] != '>' && d[q] != '\t'; q++)
        if (d[q] != '\r' && d[q] != '\n' && url.size() < TEXTE_MAX) url += d[q];
      if (q == n) url.clear();
      url = JusquAuNul(url);
    }
    std::string titre;
    if (!TexteFermeture(d, depart, &titre)) continue;
    if (!titre.empty()) {
      static std::vector<char> decode(TAILLE_TEXTE_IMPORT);
      EntitesDecoder(titre.c_str(), decode.data(), TAILLE_TEXTE_IMPORT, nullptr);
      titre = decode.data();
      if (dossier) rubrique = titre;
    }
    if (dossier || url.empty()) continue;
    if (o.SeulementNouvellesUrl) {
      j->appels.push_back("doublon " + url);
      if (j->Connu(url)) continue;
    }
    std::string nom = titre;
    if (nom.empty() && o.RemplacerNomVideParUrl)
      nom = Majuscules(url.substr(0, 7)) == "MAILTO:" ? url.substr(7) : url;
    j->appels.push_back("signet " + url + "|" + nom + "|" + rubrique);
    if (!j->Repondre()) return 0;
    j->magasin.insert(url);
  }
  return 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
  const uint8_t choix = Octet(octets, taille, 0), arret = Octet(octets, taille, 1);
  OptionsUrl o = OPTIONS_IMPORT_DEFAUT.url;
  o.SeulementNouvellesUrl = choix & 1;
  o.RemplacerNomVideParUrl = choix >> 1 & 1;

  std::string donnees = Reste(octets, taille, 2);
  if (arret == 255 && !donnees.empty() && Long(octets, taille))
    donnees.append(TAILLE_TEXTE_IMPORT + 100, donnees.back());
  // The data alone on the heap, with nothing after them.
  std::vector<char> tas(donnees.begin(), donnees.end());
  const char* debut = tas.empty() ? "" : tas.data();

  // Exactly the size of each buffer, so that the sanitizer sees any overrun.
  static std::vector<char> url(TAILLE_TEXTE_IMPORT), nom(TAILLE_TEXTE_IMPORT),
      rubrique(TAILLE_TEXTE_IMPORT), transfert(TAILLE_TEXTE_IMPORT);
  Journal vu, attendu;
  vu.arret = attendu.arret = arret == 255 ? 0 : arret;
  const ScanSignets scan = {&o,
                            url.data(),
                            nom.data(),
                            rubrique.data(),
                            transfert.data(),
                            &vu,
                            choix & 4 ? Repeindre : nullptr,
                            Doublon,
                            Signet};
  const int r = SignetsParcourir(&scan, debut, debut + tas.size());
  Comparer(vu, attendu, r, SignetsLitterale(o, donnees, &attendu));
  return 0;
}
