#include "generateur_signets.h"

#include <algorithm>

#include "fiche.h"

namespace {

// xorshift64*: the same file and cards on every run.
uint32_t Tirer(uint64_t* etat, uint32_t n) {
  *etat ^= *etat >> 12;
  *etat ^= *etat << 25;
  *etat ^= *etat >> 27;
  return (uint32_t)(((*etat * UINT64_C(2685821657736338717)) >> 32) % n);
}

template <size_t N>
const char* Choisir(uint64_t* h, const char* const (&liste)[N]) {
  return liste[Tirer(h, N)];
}

const char* const DOMAINES[] = {"lemonde",  "legifrance",    "meteofrance",   "marmiton",
                                "routard",  "bnf",           "louvre",        "wikipedia",
                                "github",   "stackoverflow", "youtube",       "service-public",
                                "ameli",    "sncf-connect",  "leboncoin",     "allocine",
                                "geneanet", "developpez",    "openstreetmap", "arxiv"};
const char* const EXTENSIONS[] = {"fr", "com", "org", "net", "gouv.fr", "io", "be", "ch"};
const char* const CHEMINS[] = {"actualites", "archives",    "2024",      "articles",  "index.html",
                               "wiki",       "recherche",   "questions", "dossiers",  "fiche",
                               "produit",    "categorie",   "forum",     "watch",     "issues",
                               "documents",  "telecharger", "aide",      "blob/main", "abs"};
// Titles are UTF-8, as the browsers write them; the bytes are spelt out since
// string literals are compiled to Windows-1252.
const char* const MOTS[] = {"Le Monde",
                            "L\xC3\xA9gifrance",
                            "M\xC3\xA9t\xC3\xA9o",
                            "Recettes",
                            "Voyages",
                            "Biblioth\xC3\xA8que",
                            "Mus\xC3\xA9"
                            "e",
                            "Universit\xC3\xA9",
                            "Forum",
                            "Documentation",
                            "Tutoriel",
                            "Journal",
                            "Sant\xC3\xA9",
                            "\xC3\x89"
                            "ducation",
                            "Cartes",
                            "Vid\xC3\xA9o",
                            "Question",
                            "R\xC3\xA9"
                            "f\xC3\xA9rence",
                            "Actualit\xC3\xA9s",
                            "Projet"};
const char* const SUITES[] = {" - Accueil",
                              " &amp; plus",
                              " | Wikip\xC3\xA9"
                              "dia",
                              " : le guide",
                              " &#8211; Blog",
                              " (version 2)",
                              " &quot;officiel&quot;",
                              ""};
const char* const DOSSIERS[] = {"Travail",        "Loisirs",
                                "Lectures",       "Outils &amp; services",
                                "Cuisine",        "Voyages",
                                "Administration", "D\xC3\xA9veloppement",
                                "Musique",        "\xC3\x80 lire plus tard"};

// A URL of 30 to 150 characters: a site, the number n that keeps it unique,
// path segments, and in one case in four a query.
std::string Url(uint64_t* h, char famille, uint32_t n) {
  std::string s = Tirer(h, 5) ? "https://www." : "http://";
  s += Choisir(h, DOMAINES);
  s += ".";
  s += Choisir(h, EXTENSIONS);
  s += "/" + std::string(1, famille) + std::to_string(n) + "/";
  const size_t longueur = std::max(s.size(), (size_t)(30 + Tirer(h, 101)));
  while (s.size() < longueur) s += std::string(Choisir(h, CHEMINS)) + "/";
  s.resize(longueur);
  if (Tirer(h, 4) == 0) s += "?id=" + std::to_string(Tirer(h, 1000)) + "&amp;lang=fr";
  return s;
}

// A favicon in a data: URL, as the browsers inline them.
std::string Icone(uint64_t* h) {
  static const char b64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string s = "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAABAAAAAQ";
  for (uint32_t n = 200 + Tirer(h, 600); n; n--) s += b64[Tirer(h, 64)];
  return s + "==";
}

}  // namespace

Generation GenererSignets(uint32_t nombre) {
  uint64_t h = UINT64_C(0x2545F4914F6CDD1D);
  Generation g;
  std::string& f = g.fichier;
  f = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
      "<!-- This is an automatically generated file.\n"
      "     It will be read and overwritten.\n"
      "     DO NOT EDIT! -->\n"
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self'; "
      "script-src 'none'; img-src data: *; object-src 'none'\"></meta>\n"
      "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks Menu</H1>\n\n<DL><p>\n";
  uint32_t profondeur = 1, date = 1600000000;
  std::string retrait = "    ";
  for (uint32_t n = 0; n < nombre; n++) {
    if (n % 40 == 0) {
      while (profondeur > 4 || (profondeur > 1 && Tirer(&h, 2))) {
        profondeur--;
        retrait.resize(retrait.size() - 4);
        f += retrait + "</DL><p>\n";
      }
      const bool ferme = Tirer(&h, 3) == 0;
      f += retrait + "<DT><H3 " + (ferme ? "FOLDED " : "") + "ADD_DATE=\"" + std::to_string(date) +
           "\" LAST_MODIFIED=\"" + std::to_string(date + 3600) + "\">" + Choisir(&h, DOSSIERS) +
           " " + std::to_string(g.dossiers) + "</H3>\n";
      f += retrait + "<DL><p>\n";
      profondeur++;
      retrait += "    ";
      g.dossiers++;
      g.dossiers_fermes += ferme;
    }
    std::string url = n > 100 && Tirer(&h, 100) == 0 ? g.urls[Tirer(&h, n)] : Url(&h, 's', n);
    g.urls.push_back(url);
    date += 1 + Tirer(&h, 5000);
    f += retrait + "<DT><A HREF=\"" + url + "\" ADD_DATE=\"" + std::to_string(date) +
         "\" LAST_MODIFIED=\"" + std::to_string(date + Tirer(&h, 100000)) + "\"";
    if (Tirer(&h, 3) == 0) f += " ICON=\"" + Icone(&h) + "\"";
    f += ">";
    if (Tirer(&h, 50))
      f += std::string(Choisir(&h, MOTS)) + " " + std::to_string(n) + Choisir(&h, SUITES);
    f += "</A>\n";
  }
  for (; profondeur > 1; profondeur--) {
    retrait.resize(retrait.size() - 4);
    f += retrait + "</DL><p>\n";
  }
  f += "</DL>\n";
  return g;
}

std::vector<uint8_t> GenererFichesCommunes(uint32_t nombre,
                                           const std::vector<std::string>& urls_fichier,
                                           double part_commune) {
  uint64_t h = UINT64_C(0x9E3779B97F4A7C15);
  std::vector<std::string> urls;
  const uint32_t communes = (uint32_t)(nombre * part_commune);
  for (uint32_t n = 0; n < communes; n++)
    urls.push_back(urls_fichier[Tirer(&h, (uint32_t)urls_fichier.size())]);
  for (uint32_t n = communes; n < nombre; n++) urls.push_back(Url(&h, 'm', n));
  for (uint32_t n = nombre - 1; n > 0; n--) std::swap(urls[n], urls[Tirer(&h, n + 1)]);
  std::vector<uint8_t> octets;
  for (uint32_t n = 0; n < nombre; n++) {
    const std::string nom = std::string(Choisir(&h, MOTS)) + " " + std::to_string(n);
    const std::string rubrique = Choisir(&h, DOSSIERS);
    const char* textes[NB_CHAMPS] = {nom.c_str(), urls[n].c_str(), rubrique.c_str(), "", ""};
    const uint32_t longueurs[NB_CHAMPS] = {(uint32_t)nom.size(), (uint32_t)urls[n].size(),
                                           (uint32_t)rubrique.size(), 0, 0};
    const size_t debut = octets.size();
    octets.resize(debut + FicheTaille(longueurs));
    FicheEcrire(octets.data() + debut, 0, textes, longueurs);
  }
  return octets;
}
