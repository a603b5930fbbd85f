// Bookmark import with "Seulement pour de nouvelles URL": a generated
// bookmark file as current browsers export it, imported into a store of as
// many cards of which some already hold URLs of the file. The store walk
// compares every bookmark with every card; ours asks the URL index. Prints both times, the ratio and whether both leave exactly the same
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
#include "faux_systeme.h"
#include "fiche.h"
#include "generateur_signets.h"
#include "index_urls.h"
#include "options_import.h"
#include "scanner_signets.h"
#include "tampon_fichier.h"

namespace {

const int REPETITIONS = 5;

// A store holding these cards, the last one on screen (the new cards go at
// the end, as after "Dernière fiche").
Magasin Charger(const SystemeProgramme* pf, const std::vector<uint8_t>& octets, uint32_t nombre) {
  Magasin m{};
  m.longSize = (uint32_t)octets.size() + MARGE_BLOC;
  m.GlobalDebutMem = pf->memoire->bloc_allouer(pf->memoire->ctx, m.longSize);
  m.lpDebutMem = pf->memoire->bloc_verrouiller(pf->memoire->ctx, m.GlobalDebutMem);
  memcpy(m.lpDebutMem, octets.data(), octets.size());
  m.TailleTotaleFiches = (uint32_t)octets.size();
  m.lpFinMem = m.lpDebutMem + octets.size();
  m.lpFicheEcran = FichePrecedente(m.lpFinMem);
  m.NumFiche = m.TotalFiches = (int32_t)nombre;
  return m;
}

struct Import {
  const SystemeProgramme* pf;
  Magasin* m;
  IndexUrls* index;  // null: the store walk
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
  if (FicheAjouter(i->pf->memoire, i->m, textes, &i->FichesModifieesOK, i->index) != AJOUT_FAIT)
    return 0;
  i->ajoutees++;
  return 1;
}

struct Resultat {
  double ms;
  uint32_t ajoutees;
  int fin;  // what the scan returned
};

// The command's work from the file on: load it, build the index (ours), scan.
Resultat Importer(FauxSysteme* sf, Magasin* m, bool index, uint32_t total, bool progres) {
  const SystemeProgramme* pf = &sf->programme;
  static std::vector<char> url(TAILLE_TEXTE_IMPORT), nom(TAILLE_TEXTE_IMPORT),
      rubrique(TAILLE_TEXTE_IMPORT), transfert(TAILLE_TEXTE_IMPORT);
  OptionsUrl options = OPTIONS_IMPORT_DEFAUT.url;
  options.SeulementNouvellesUrl = 1;
  options.RemplacerNomVideParUrl = 1;
  TamponFichier tampon{};
  IndexUrls x{};
  Import i{pf, m, index ? &x : nullptr, 0, 0, 0, total, progres};
  ScanSignets scan{&options,         url.data(), nom.data(), rubrique.data(),
                   transfert.data(), &i,         nullptr,    index ? DoublonIndex : DoublonParcours,
                   Ajouter};

  const auto t0 = std::chrono::steady_clock::now();
  Resultat r{0, 0, -1};
  if (TamponFichierCharger(pf->memoire, pf->fichiers, pf->fenetres, &tampon, "C:\\signets.html",
                           (uint8_t*)transfert.data(), nullptr) == 0) {
    if (index) IndexUrlsConstruire(pf->memoire, &x, m, COMPARAISON_OCTETS);
    const char* debut = (const char*)tampon.octets;
    r.fin = SignetsParcourir(&scan, debut, debut + tampon.longueur);
  }
  r.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  r.ajoutees = i.ajoutees;
  if (index) IndexUrlsLiberer(pf->memoire, &x);
  TamponFichierLiberer(pf->memoire, &tampon);
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
    if (strncmp(argv[a], "--nombre=", 9) == 0)
      nombre = (uint32_t)strtoul(argv[a] + 9, nullptr, 10);
    else if (strncmp(argv[a], "--fichier=", 10) == 0)
      garder = argv[a] + 10;
    else if (strcmp(argv[a], "--sans-litteral") == 0)
      litteral = false;
    else {
      fprintf(stderr, "usage: %s [--nombre=N] [--fichier=PATH] [--sans-litteral]\n", argv[0]);
      return 2;
    }
  }
  if (nombre < 100) nombre = 100;

  char modele[] = "/tmp/bench_import_XXXXXX";
  if (!mkdtemp(modele)) return 1;
  FauxSysteme sf;
  sf.racine = modele;
  sf.deplacer_blocs = 0;
  const std::string chemin = sf.Linux("C:\\signets.html");

  const Generation g = GenererSignets(nombre);
  FILE* f = fopen(chemin.c_str(), "wb");
  if (!f || fwrite(g.fichier.data(), 1, g.fichier.size(), f) != g.fichier.size() || fclose(f))
    return 1;
  const std::vector<uint8_t> cartes = GenererFichesCommunes(nombre, g.urls, 0.20);
  const SystemeProgramme* pf = &sf.programme;

  printf("bookmark import, \"Seulement pour de nouvelles URL\" on\n");
  printf("  file: %u bookmarks, %u folders (%u FOLDED), %.1f MB, URLs of 30-150 characters\n",
         nombre, g.dossiers, g.dossiers_fermes, g.fichier.size() / 1e6);
  printf(
      "  store: %u cards (%.1f MB), 20 %% of them hold a URL of the file; new cards at the end\n\n",
      nombre, cartes.size() / 1e6);

  std::vector<double> temps;
  Magasin notre{};
  Resultat r{};
  for (int k = 0; k < REPETITIONS; k++) {
    if (k) MagasinLiberer(&notre, pf->memoire);
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
    printf("  %-34s %12.1f %12u\n", "walk of the store", rl.ms, rl.ajoutees);
    printf("  %-34s %12.1f %12u   median of %d\n", "URL index (ours)", ms_notre, r.ajoutees,
           REPETITIONS);
    printf("  %-34s %11.0fx %12s   stores %s\n", "ratio", rl.ms / ms_notre, "",
           memes ? "byte-identical" : "DIFFERENT");
    MagasinLiberer(&texte, pf->memoire);
  } else {
    printf("  %-34s %12.1f %12u   median of %d\n", "URL index (ours)", ms_notre, r.ajoutees,
           REPETITIONS);
  }
  MagasinLiberer(&notre, pf->memoire);

  // Into a new work: one empty card, which the first bookmark replaces.
  temps.clear();
  for (int k = 0; k < REPETITIONS; k++) {
    Magasin vide{};
    if (!MagasinNouveau(&vide, pf->memoire)) return 1;
    r = Importer(&sf, &vide, true, nombre, false);
    temps.push_back(r.ms);
    bon = bon && r.fin == 1 && vide.TotalFiches == (int32_t)r.ajoutees;
    MagasinLiberer(&vide, pf->memoire);
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
  return bon && sf.messages.empty() ? 0 : 1;
}
