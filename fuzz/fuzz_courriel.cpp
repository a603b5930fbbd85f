// Any bytes through the mail scan, with any options: it reports exactly
// what the straightforward algorithm reports, in the same order, and
// stops where it does; nothing is read past the data or written past a
// text buffer.
//
// The input: a byte of options, a byte giving the call that answers "stop"
// (0: none; 255: none, and when the bytes add up to a multiple of 32
// the data are made longer than a text buffer: these slow runs stay few), the data.
#include <vector>

#include "journal_scan.h"
#include "options_import.h"
#include "scanner_courriel.h"

namespace {

void Repeindre(void*) {}

int Doublon(void* c, const char* adresse) {
  Journal* j = (Journal*)c;
  j->appels.push_back("doublon " + Texte(adresse, TAILLE_TEXTE_IMPORT));
  return j->Connu(adresse);
}
int Adresse(void* c, const AdresseTrouvee* a) {
  Journal* j = (Journal*)c;
  j->appels.push_back("adresse " + Texte(a->adresse, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(a->nom, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(a->url, TAILLE_TEXTE_IMPORT));
  if (!j->Repondre()) return 0;
  j->magasin.insert(a->url);
  return 1;
}

// Digits, "@", letters, "[", backslash, "]", "^", "_", "`", ".", "-", space.
bool Garde(char c) {
  return (c >= '0' && c <= '9') || c == '@' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         (c && strchr("[\\]^_`.- ", c));
}

bool FinPremiere(char c) { return c == '<' || c == '(' || c == '\r' || c == '\n'; }
bool FinSeconde(char c) { return c == '>' || c == ')' || c == '\r' || c == '\n'; }

void Garder(std::string* partie, char c) {
  if (Garde(c) && partie->size() < LONGUEUR_AVANT_MAILTO_MAX) *partie += c;
}

std::string Rogner(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

bool Commence(const std::string& d, size_t p, const char* mot) {
  const size_t n = strlen(mot);
  return d.size() - p >= n && Majuscules(d.substr(p, n)) == mot;
}

// The mail scan, the straightforward way: one header line at a time.
int CourrielLitterale(const OptionsCourriel& o, const std::string& d, Journal* j) {
  const size_t n = d.size();
  size_t p = 0;
  while (true) {
    const size_t lf = d.find('\n', p);
    if (lf == std::string::npos || lf == n - 1) return 1;
    const size_t ligne = lf + 1;
    p = ligne;
    size_t mot = 0;
    if (o.AdressesEmetteurs && Commence(d, ligne, "FROM:"))
      mot = 5;
    else if (o.AdressesDestinataires && Commence(d, ligne, "TO:"))
      mot = 3;
    else if (o.AdressesDestinataires && Commence(d, ligne, "BCC:"))
      mot = 4;
    else if (o.AdressesDestinataires && Commence(d, ligne, "CC:"))
      mot = 3;
    if (!mot) continue;
    p = ligne + mot;
    while (true) {
      while (p < n && d[p] == ' ') p++;
      std::string premiere, seconde;
      bool guillemet = false;
      for (; p < n && !FinPremiere(d[p]); p++) {
        if (d[p] == '"' && !guillemet) {
          guillemet = true;
          premiere.clear();
        }
        Garder(&premiere, d[p]);
      }
      char fin_seconde = 0;
      if (p < n && (d[p] == '<' || d[p] == '(')) {
        for (p++; p < n && !FinSeconde(d[p]); p++) Garder(&seconde, d[p]);
        if (p < n) fin_seconde = d[p];
      }
      std::string adresse = fin_seconde == ')' ? premiere : seconde;
      std::string nom = fin_seconde == ')' ? seconde : premiere;
      if (adresse.empty() && nom.find('@') != std::string::npos) adresse = nom;
      adresse = Rogner(adresse);
      nom = Rogner(nom);
      if (adresse.empty() || p == n) break;
      bool nouvelle = true;
      if (o.UniquementNouvellesAdresses) {
        j->appels.push_back("doublon " + adresse);
        nouvelle = !j->Connu(adresse);
      }
      if (nouvelle) {
        if (nom.empty() && o.RemplacerNomVideParAdresse) nom = adresse;
        const std::string url = "mailto:" + adresse;
        j->appels.push_back("adresse " + adresse + "|" + nom + "|" + url);
        if (!j->Repondre()) return 0;
        j->magasin.insert(url);
      }
      if (!((fin_seconde == '>' || fin_seconde == ')') && p + 1 < n &&
            (d[p + 1] == ',' || d[p + 1] == ';')))
        break;
      p++;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
  const uint8_t choix = Octet(octets, taille, 0), arret = Octet(octets, taille, 1);
  OptionsCourriel o = OPTIONS_IMPORT_DEFAUT.courriel;
  o.UniquementNouvellesAdresses = choix & 1;
  o.RemplacerNomVideParAdresse = choix >> 1 & 1;
  o.AdressesEmetteurs = choix >> 2 & 1;
  o.AdressesDestinataires = choix >> 3 & 1;
  if (!o.AdressesEmetteurs && !o.AdressesDestinataires) o.AdressesEmetteurs = 1;

  std::string donnees = Reste(octets, taille, 2);
  if (arret == 255 && !donnees.empty() && Long(octets, taille))
    donnees.append(TAILLE_TEXTE_IMPORT + 100, donnees.back());
  std::vector<char> tas(donnees.begin(), donnees.end());
  const char* debut = tas.empty() ? "" : tas.data();

  static std::vector<char> partie1(TAILLE_TEXTE_IMPORT), partie2(TAILLE_TEXTE_IMPORT);
  Journal vu, attendu;
  vu.arret = attendu.arret = arret == 255 ? 0 : arret;
  vu.sans_mailto = attendu.sans_mailto = true;
  const ScanCourriel scan = {
      &o, partie1.data(), partie2.data(), &vu, choix & 16 ? Repeindre : nullptr, Doublon, Adresse};
  const int r = CourrielParcourir(&scan, debut, debut + tas.size());
  Comparer(vu, attendu, r, CourrielLitterale(o, donnees, &attendu));
  return 0;
}
