// Bookmark import with "Seulement pour de nouvelles URL": a generated
// bookmark file as current browsers export it, imported into a store of as
// many cards of which some already hold URLs of the file. The text's
// duplicate test walks the whole store for every bookmark; ours asks the URL
// index. Prints both times, the ratio and whether both leave exactly the same
// store, then the time of ours into an empty store.
//   bench_import [--nombre=N] [--fichier=PATH] [--sans-litteral]
// --fichier keeps the generated file at PATH (for a comparison with another
// program); by default it goes to a temporary folder and is removed.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ajout_fiche.h"
#include "fiche.h"
#include "index_urls.h"
#include "options_import.h"
#include "scanner_signets.h"
#include "systeme_fichiers.h"
#include "tampon_fichier.h"

namespace {

const int REPETITIONS = 5;

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

const char* const DOMAINES[] = {
    "lemonde", "legifrance", "meteofrance", "marmiton", "routard", "bnf", "louvre",
    "wikipedia", "github", "stackoverflow", "youtube", "service-public", "ameli", "sncf-connect",
    "leboncoin", "allocine", "geneanet", "developpez", "openstreetmap", "arxiv"};
const char* const EXTENSIONS[] = {"fr", "com", "org", "net", "gouv.fr", "io", "be", "ch"};
const char* const CHEMINS[] = {
    "actualites", "archives", "2024", "articles", "index.html", "wiki", "recherche", "questions",
    "dossiers", "fiche", "produit", "categorie", "forum", "watch", "issues", "documents",
    "telecharger", "aide", "blob/main", "abs"};
// Titles are UTF-8, as the browsers write them; the bytes are spelt out since
// string literals are compiled to Windows-1252.
const char* const MOTS[] = {
    "Le Monde", "L\xC3\xA9gifrance", "M\xC3\xA9t\xC3\xA9o", "Recettes", "Voyages", "Biblioth\xC3\xA8que", "Mus\xC3\xA9" "e",
    "Universit\xC3\xA9", "Forum", "Documentation", "Tutoriel", "Journal", "Sant\xC3\xA9", "\xC3\x89" "ducation",
    "Cartes", "Vid\xC3\xA9o", "Question", "R\xC3\xA9" "f\xC3\xA9rence", "Actualit\xC3\xA9s", "Projet"};
const char* const SUITES[] = {
    " - Accueil", " &amp; plus", " | Wikip\xC3\xA9" "dia", " : le guide", " &#8211; Blog",
    " (version 2)", " &quot;officiel&quot;", ""};
const char* const DOSSIERS[] = {
    "Travail", "Loisirs", "Lectures", "Outils &amp; services", "Cuisine", "Voyages",
    "Administration", "D\xC3\xA9veloppement", "Musique", "\xC3\x80 lire plus tard"};

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

struct Generation {
  std::string fichier;
  std::vector<std::string> urls;  // of the bookmarks, in file order
  uint32_t dossiers = 0, dossiers_fermes = 0;
};

// nombre bookmarks in nested folders; one folder heading in three carries
// FOLDED, as older exports wrote; one bookmark in a hundred repeats an
// earlier URL (the same page filed twice).
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
      f += retrait + "<DT><H3 " + (ferme ? "FOLDED " : "") + "ADD_DATE=\"" +
           std::to_string(date) + "\" LAST_MODIFIED=\"" + std::to_string(date + 3600) + "\">" +
           Choisir(&h, DOSSIERS) + " " + std::to_string(g.dossiers) + "</H3>\n";
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
    if (Tirer(&h, 50)) f += std::string(Choisir(&h, MOTS)) + " " + std::to_string(n) + Choisir(&h, SUITES);
    f += "</A>\n";
  }
  for (; profondeur > 1; profondeur--) {
    retrait.resize(retrait.size() - 4);
    f += retrait + "</DL><p>\n";
  }
  f += "</DL>\n";
  return g;
}

// nombre cards; part_commune of them hold a URL of the file, the others URLs
// of their own, in a shuffled order.
std::vector<uint8_t> GenererFiches(uint32_t nombre, const std::vector<std::string>& urls_fichier,
                                   double part_commune) {
  uint64_t h = UINT64_C(0x9E3779B97F4A7C15);
  std::vector<std::string> urls;
  const uint32_t communes = (uint32_t)(nombre * part_commune);
  for (uint32_t n = 0; n < communes; n++) urls.push_back(urls_fichier[Tirer(&h, (uint32_t)urls_fichier.size())]);
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

// A store holding these cards, the last one on screen (the new cards go at
// the end, as after "Dernière fiche").
Magasin Charger(const Plateforme* pf, const std::vector<uint8_t>& octets, uint32_t nombre) {
  Magasin m{};
  m.longSize = (uint32_t)octets.size() + MARGE_BLOC;
  m.GlobalDebutMem = pf->bloc_allouer(pf->ctx, m.longSize);
  m.lpDebutMem = pf->bloc_verrouiller(pf->ctx, m.GlobalDebutMem);
  memcpy(m.lpDebutMem, octets.data(), octets.size());
  m.TailleTotaleFiches = (uint32_t)octets.size();
  m.lpFinMem = m.lpDebutMem + octets.size();
  m.lpFicheEcran = FichePrecedente(m.lpFinMem);
  m.NumFiche = m.TotalFiches = (int32_t)nombre;
  return m;
}

struct Import {
  const Plateforme* pf;
  Magasin* m;
  IndexUrls* index;  // null: the text's walk
  uint16_t FichesModifieesOK;
  uint32_t ajoutees, vus, total;
  bool progres;
};

int DoublonParcours(void* c, const char* url) {
  Import* i = (Import*)c;
  if (i->progres && ++i->vus % (i->total / 10 ? i->total / 10 : 1) == 0)
    fprintf(stderr, "  literal: %u / %u bookmarks\n", i->vus, i->total);
  return UrlConnueParParcours(i->m->lpDebutMem, i->m->lpFinMem, COMPARAISON_OCTETS, url,
                             (uint32_t)strlen(url));
}
int DoublonIndex(void* c, const char* url) {
  Import* i = (Import*)c;
  return IndexUrlsContient(i->index, url, (uint32_t)strlen(url));
}
int Ajouter(void* c, const SignetTrouve* s) {
  Import* i = (Import*)c;
  const char* textes[NB_CHAMPS] = {s->nom, s->url, s->rubrique, "", ""};
  if (FicheAjouter(i->pf, i->m, textes, &i->FichesModifieesOK, i->index) != AJOUT_FAIT) return 0;
  i->ajoutees++;
  return 1;
}

struct Resultat {
  double ms;
  uint32_t ajoutees;
  int fin;  // what the scan returned
};

// The command's work from the file on: load it, build the index (ours), scan.
Resultat Importer(SystemeFichiers* sf, Magasin* m, bool index, uint32_t total, bool progres) {
  const Plateforme* pf = &sf->pf;
  static std::vector<char> url(TAILLE_TEXTE_SIGNET), nom(TAILLE_TEXTE_SIGNET),
      rubrique(TAILLE_TEXTE_SIGNET), transfert(TAILLE_TEXTE_SIGNET);
  OptionsUrl options = OPTIONS_IMPORT_DEFAUT.url;
  options.SeulementNouvellesUrl = 1;
  options.RemplacerNomVideParUrl = 1;
  TamponFichier tampon{};
  IndexUrls x{};
  Import i{pf, m, index ? &x : nullptr, 0, 0, 0, total, progres};
  ScanSignets scan{&options, url.data(), nom.data(), rubrique.data(), transfert.data(),
                   &i, nullptr, index ? DoublonIndex : DoublonParcours, Ajouter};

  const auto t0 = std::chrono::steady_clock::now();
  Resultat r{0, 0, -1};
  if (TamponFichierCharger(pf, &tampon, "C:\\signets.html", (uint8_t*)transfert.data(), nullptr) == 0) {
    if (index) IndexUrlsConstruire(pf, &x, m, COMPARAISON_OCTETS);
    const char* debut = (const char*)tampon.octets;
    r.fin = SignetsParcourir(&scan, debut, debut + tampon.longueur);
  }
  r.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  r.ajoutees = i.ajoutees;
  if (index) IndexUrlsLiberer(pf, &x);
  TamponFichierLiberer(pf, &tampon);
  return r;
}

bool MemeMagasin(const Magasin& a, const Magasin& b) {
  const size_t n = (size_t)(a.lpFinMem - a.lpDebutMem);
  return a.TotalFiches == b.TotalFiches && a.NumFiche == b.NumFiche &&
         a.TailleTotaleFiches == b.TailleTotaleFiches && n == (size_t)(b.lpFinMem - b.lpDebutMem) &&
         a.lpFicheEcran - a.lpDebutMem == b.lpFicheEcran - b.lpDebutMem &&
         memcmp(a.lpDebutMem, b.lpDebutMem, n) == 0;
}

double Mediane(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  uint32_t nombre = 100000;
  std::string garder;
  bool litteral = true;
  for (int a = 1; a < argc; a++) {
    if (strncmp(argv[a], "--nombre=", 9) == 0) nombre = (uint32_t)strtoul(argv[a] + 9, nullptr, 10);
    else if (strncmp(argv[a], "--fichier=", 10) == 0) garder = argv[a] + 10;
    else if (strcmp(argv[a], "--sans-litteral") == 0) litteral = false;
    else {
      fprintf(stderr, "usage: %s [--nombre=N] [--fichier=PATH] [--sans-litteral]\n", argv[0]);
      return 2;
    }
  }
  if (nombre < 100) nombre = 100;

  char modele[] = "/tmp/bench_import_XXXXXX";
  if (!mkdtemp(modele)) return 1;
  SystemeFichiers sf;
  SystemeFichiersInit(&sf, modele);
  const std::string chemin = SystemeFichiersChemin(&sf, "C:\\signets.html");

  const Generation g = GenererSignets(nombre);
  FILE* f = fopen(chemin.c_str(), "wb");
  if (!f || fwrite(g.fichier.data(), 1, g.fichier.size(), f) != g.fichier.size() || fclose(f)) return 1;
  const std::vector<uint8_t> cartes = GenererFiches(nombre, g.urls, 0.20);
  const Plateforme* pf = &sf.pf;

  printf("bookmark import, \"Seulement pour de nouvelles URL\" on\n");
  printf("  file: %u bookmarks, %u folders (%u FOLDED), %.1f MB, URLs of 30-150 characters\n",
         nombre, g.dossiers, g.dossiers_fermes, g.fichier.size() / 1e6);
  printf("  store: %u cards (%.1f MB), 20 %% of them hold a URL of the file; new cards at the end\n\n",
         nombre, cartes.size() / 1e6);

  std::vector<double> temps;
  Magasin notre{};
  Resultat r{};
  for (int k = 0; k < REPETITIONS; k++) {
    if (k) MagasinLiberer(&notre, pf);
    notre = Charger(pf, cartes, nombre);
    r = Importer(&sf, &notre, true, nombre, false);
    temps.push_back(r.ms);
  }
  const double ms_notre = Mediane(temps);

  printf("  %-34s %12s %12s\n", "duplicate test", "ms", "cards added");
  bool bon = r.fin == 1;
  if (litteral) {
    Magasin texte = Charger(pf, cartes, nombre);
    const Resultat rl = Importer(&sf, &texte, false, nombre, true);
    const bool memes = MemeMagasin(texte, notre);
    bon = bon && memes && rl.fin == 1 && rl.ajoutees == r.ajoutees;
    printf("  %-34s %12.1f %12u\n", "walk of the store (the text)", rl.ms, rl.ajoutees);
    printf("  %-34s %12.1f %12u   median of %d\n", "URL index (ours)", ms_notre, r.ajoutees,
           REPETITIONS);
    printf("  %-34s %11.0fx %12s   stores %s\n", "ratio", rl.ms / ms_notre, "",
           memes ? "byte-identical" : "DIFFERENT");
    MagasinLiberer(&texte, pf);
  } else {
    printf("  %-34s %12.1f %12u   median of %d\n", "URL index (ours)", ms_notre, r.ajoutees,
           REPETITIONS);
  }
  MagasinLiberer(&notre, pf);

  // Into a new work: one empty card, which the first bookmark replaces.
  temps.clear();
  for (int k = 0; k < REPETITIONS; k++) {
    Magasin vide{};
    if (!MagasinNouveau(&vide, pf)) return 1;
    r = Importer(&sf, &vide, true, nombre, false);
    temps.push_back(r.ms);
    bon = bon && r.fin == 1 && vide.TotalFiches == (int32_t)r.ajoutees;
    MagasinLiberer(&vide, pf);
  }
  printf("\n  into an empty store (ours): %.1f ms, %u cards (median of %d)\n", Mediane(temps),
         r.ajoutees, REPETITIONS);

  unlink(chemin.c_str());
  if (!garder.empty()) {
    FILE* copie = fopen(garder.c_str(), "wb");
    if (!copie || fwrite(g.fichier.data(), 1, g.fichier.size(), copie) != g.fichier.size() ||
        fclose(copie))
      bon = false;
    printf("  file kept at %s\n", garder.c_str());
  }
  rmdir(modele);
  return bon && sf.messages == 0 ? 0 : 1;
}
