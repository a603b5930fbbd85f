// Any bytes through the page scanner and the address scanner, with any
// options: each reports exactly what the straightforward algorithm
// reports (which walks back to the data start for every title, and sends
// the address scan back after a text that ran into the data end), in the
// same order, and stops where it does; nothing is read past the data or
// written past a text buffer.
//
// The input: a byte of page options, a byte of address options, a byte
// giving the call that answers "stop" (0 and 255: none; 255 with the top
// five bits of the next byte set: the data are made longer than a text
// buffer), a byte of "Autre:" length and its bytes, then the data.
#include <vector>

#include "entites.h"
#include "journal_scan.h"
#include "options_import.h"
#include "scanner_adresses.h"
#include "scanner_page.h"


namespace {

const size_t TEXTE_MAX = TAILLE_TEXTE_IMPORT - 1;

void Repeindre(void*) {}

int Doublon(void* c, const char* texte) {
  Journal* j = (Journal*)c;
  j->appels.push_back("doublon " + Texte(texte, TAILLE_TEXTE_IMPORT));
  return j->Connu(texte);
}
int Montrer(void* c, const LienTrouve* l) {
  Journal* j = (Journal*)c;
  j->appels.push_back("montrer " + Texte(l->url, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(l->titre, TAILLE_TEXTE_IMPORT) + "|" + Texte(l->nom, TAILLE_TEXTE_IMPORT));
  return j->Repondre();
}
int Lien(void* c, const LienTrouve* l) {
  Journal* j = (Journal*)c;
  j->appels.push_back("lien " + Texte(l->url, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(l->titre, TAILLE_TEXTE_IMPORT) + "|" + Texte(l->nom, TAILLE_TEXTE_IMPORT));
  if (!j->Repondre()) return 0;
  j->magasin.insert(l->url);
  return 1;
}
int Adresse(void* c, const AdresseInternet* a) {
  Journal* j = (Journal*)c;
  j->appels.push_back("adresse " + Texte(a->texte, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(a->nom, TAILLE_TEXTE_IMPORT) + "|" +
                      Texte(a->url, TAILLE_TEXTE_IMPORT));
  if (!j->Repondre()) return 0;
  j->magasin.insert(a->url);
  return 1;
}

// The page scanner, the straightforward way.
int PageLitterale(const OptionsUrl& o, const std::string& d, Journal* j) {
  const size_t n = d.size();
  for (size_t p = 0; p < n; p++) {
    if (d[p] != 'H' && d[p] != 'h') continue;
    if (n - p < 5) return 1;
    if (Majuscules(d.substr(p, 5)) != "HREF=") continue;
    size_t q = p + 5;
    while (q < n && (d[q] == '"' || d[q] == ' ' || d[q] == '\t')) q++;
    const size_t valeur = q;
    std::string url;
    for (; q < n && d[q] != '"' && d[q] != ' ' && d[q] != '>' && d[q] != '\t'; q++)
      if (d[q] != '\r' && d[q] != '\n' && url.size() < TEXTE_MAX) url += d[q];
    if (q == n) url.clear();
    url = JusquAuNul(url);

    // The closing-tag text, from one byte after the value's start.
    bool fermante = false;
    std::string titre;
    size_t r = valeur + 1;
    while (r + 1 < n && !(d[r] == '<' && d[r + 1] == '/')) r++;
    if (r + 1 < n) {
      fermante = true;
      size_t g = d.rfind('>', r - 1);
      if (g != std::string::npos) {
        size_t s = g;
        while (d[s] == '>' || d[s] == ' ' || d[s] == '\t' || d[s] == '\r' || d[s] == '\n') s++;
        for (; s < r; s++)
          if (d[s] != '\r' && d[s] != '\n' && titre.size() < TEXTE_MAX) titre += d[s];
        titre = JusquAuNul(titre);
        if (!titre.empty()) {
          static std::vector<char> decode(TAILLE_TEXTE_IMPORT);
          EntitesDecoder(titre.c_str(), decode.data(), TAILLE_TEXTE_IMPORT, nullptr);
          titre = decode.data();
        }
      }
    }
    if (url.empty() || !fermante) continue;

    const std::string u = Majuscules(url);
    const bool admis = o.Tous || (o.Http && u.find("HTTP:") != std::string::npos) ||
                       (o.News && u.find("NEWS:") != std::string::npos) ||
                       (o.Ftp && u.find("FTP:") != std::string::npos) ||
                       (o.Mailto && u.find("MAILTO:") != std::string::npos) ||
                       (o.Autre && url.find(o.TexteAutre) != std::string::npos);
    if (!admis) continue;
    std::string nom = titre;
    if (titre.empty() && o.RemplacerNomVideParUrl)
      nom = u.compare(0, 7, "MAILTO:") == 0 ? url.substr(7) : url;
    const std::string texte = url + "|" + titre + "|" + nom;
    if (o.ParcourirLesUrl) {
      j->appels.push_back("montrer " + texte);
      if (!j->Repondre()) return 0;
      continue;
    }
    if (o.SeulementNouvellesUrl) {
      j->appels.push_back("doublon " + url);
      if (j->Connu(url)) continue;
    }
    j->appels.push_back("lien " + texte);
    if (!j->Repondre()) return 0;
    j->magasin.insert(url);
  }
  return 1;
}

bool Commun(signed char c) {
  return strchr("-./", c) || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}
bool DeURL(char c) { return c && (Commun(c) || c == ':' || c == '\\' || c == '~'); }
bool DeLocal(char c) { return c && (Commun(c) || c == '$'); }
bool DAdresse(char c) { return c && (Commun(c) || c == '$' || c == '@'); }

// The address scanner, the straightforward way.
int AdressesLitterale(const OptionsQuelconque& o, const std::string& d, Journal* j) {
  const size_t n = d.size();
  size_t arobase = 0;
  for (size_t p = 0; p < n; p++) {
    const char c = Maj(d[p]);
    const char* mot = c == 'H' && o.Http   ? "HTTP:"
                      : c == 'F' && o.Ftp  ? "FTP:"
                      : c == 'N' && o.News ? "NEWS:"
                                           : nullptr;
    size_t depart = n;
    bool courriel = false;
    if (mot) {
      if (n - p < strlen(mot)) return 1;
      if (Majuscules(d.substr(p, strlen(mot))) == mot) depart = p;
    } else if (d[p] == '@' && o.Mail && p != 0 && p != arobase) {
      arobase = p;
      size_t q = p - 1;
      while (q > 0 && DeLocal(d[q])) q--;
      if (!DeLocal(d[q])) q++;
      if (q != p) depart = q, courriel = true;
    }
    if (depart == n) continue;
    size_t q = depart;
    std::string texte;
    for (; q < n && (courriel ? DAdresse(d[q]) : DeURL(d[q])); q++)
      if (texte.size() < LONGUEUR_AVANT_MAILTO_MAX) texte += d[q];
    if (q == n) texte.clear();
    if (texte.empty()) {
      p = depart;
      continue;
    }
    p = q;
    if (o.SeulementNouvellesUrl) {
      j->appels.push_back("doublon " + texte);
      if (j->Connu(texte)) continue;
    }
    const std::string url = texte.find('@') != std::string::npos ? "mailto:" + texte : texte;
    j->appels.push_back("adresse " + texte + "|" + (o.CopierUrlDansNom ? texte : "") + "|" + url);
    if (!j->Repondre()) return 0;
    j->magasin.insert(url);
  }
  return 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* entree, size_t taille_entree) {
  // A short input is read as if zeros followed it: every input reaches the
  // scanners, which alone tell the fuzzer what is new.
  std::vector<uint8_t> complete(entree, entree + taille_entree);
  if (complete.size() < 4) complete.resize(4);
  const uint8_t* octets = complete.data();
  const uint8_t op = octets[0], oa = octets[1], arret = octets[2];
  size_t n_autre = octets[3] % 8;
  if (complete.size() < 4 + n_autre) complete.resize(4 + n_autre);
  octets = complete.data();
  const size_t taille = complete.size();

  OptionsUrl ou = OPTIONS_IMPORT_DEFAUT.url;
  ou.ParcourirLesUrl = op & 1;
  ou.CreerUneFicheParUrl = !ou.ParcourirLesUrl;
  ou.SeulementNouvellesUrl = op >> 1 & 1;
  ou.RemplacerNomVideParUrl = op >> 2 & 1;
  ou.Tous = op >> 3 & 1;
  ou.Http = op >> 4 & 1;
  ou.Ftp = op >> 5 & 1;
  ou.News = op >> 6 & 1;
  ou.Mailto = op >> 7 & 1;
  ou.Autre = oa >> 7 & 1;
  memcpy(ou.TexteAutre, octets + 4, n_autre);
  ou.TexteAutre[n_autre] = 0;

  OptionsQuelconque oq = OPTIONS_IMPORT_DEFAUT.quelconque;
  oq.SeulementNouvellesUrl = oa & 1;
  oq.CopierUrlDansNom = oa >> 1 & 1;
  oq.Http = oa >> 2 & 1;
  oq.Ftp = oa >> 3 & 1;
  oq.News = oa >> 4 & 1;
  oq.Mail = oa >> 5 & 1;

  std::string donnees((const char*)octets + 4 + n_autre, taille - 4 - n_autre);
  // Data longer than a text buffer cost a thousand ordinary inputs: they
  // also want the five spare bits of the fourth byte, or the fuzzer, finding
  // them new, would breed little else.
  const bool longues = arret == 255 && (octets[3] & 0xF8) == 0xF8;
  if (longues && !donnees.empty()) donnees.append(TAILLE_TEXTE_IMPORT + 100, donnees.back());
  // The data alone on the heap, with nothing after them.
  std::vector<char> tas(donnees.begin(), donnees.end());
  const char* debut = tas.data();
  const char* fin = debut + tas.size();

  // Exactly the size of each buffer, so that the sanitizer sees any overrun.
  static std::vector<char> url(TAILLE_TEXTE_IMPORT), titre(TAILLE_TEXTE_IMPORT),
      transfert(TAILLE_TEXTE_IMPORT), adresse(TAILLE_TEXTE_IMPORT);
  const int arret_appel = arret == 255 ? 0 : arret;
  {
    Journal vu, attendu;
    vu.arret = attendu.arret = arret_appel;
    ScanPage scan{};
    scan.options = &ou;
    scan.url = url.data();
    scan.titre = titre.data();
    scan.transfert = transfert.data();
    scan.contexte = &vu;
    scan.repeindre = oa & 64 ? Repeindre : nullptr;
    scan.doublon = Doublon;
    scan.montrer = Montrer;
    scan.lien = Lien;
    const int r = PageParcourir(&scan, debut, fin);
    Comparer(vu, attendu, r, PageLitterale(ou, donnees, &attendu));
  }
  {
    Journal vu, attendu;
    vu.arret = attendu.arret = arret_appel;
    vu.sans_mailto = attendu.sans_mailto = true;
    ScanAdresses scan{};
    scan.options = &oq;
    scan.url = adresse.data();
    scan.contexte = &vu;
    scan.repeindre = oa & 64 ? Repeindre : nullptr;
    scan.doublon = Doublon;
    scan.adresse = Adresse;
    const int r = AdressesParcourir(&scan, debut, fin);
    Comparer(vu, attendu, r, AdressesLitterale(oq, donnees, &attendu));
  }
  return 0;
}
