// The three exports of lvxliens over a million cards, each against a plain
// copy of a file of the same size: each should stay within three times the
// time of its copy.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogues_liens.h"
#include "faux_systeme.h"
#include "fichier_donnees.h"
#include "formes_liens.h"
#include "generateur_fiches.h"
#include "lvxliens.h"
#include "lvxliens_ids.h"
#include "magasin.h"
#include "releve.h"

namespace {

const double RATIO_CIBLE = 3.0;

struct Forme {
  const char* nom;
  const char* libelle;
  FormeLiens forme;
  unsigned ok;
  const char* fichier;
  const char* copie;
};

const Forme FORMES[] = {
    {"liens", "links page", FORME_LIENS, IDC_LIENS_OK, "C:\\liens.htm", "C:\\copie_liens.htm"},
    {"mailing", "mailing list", FORME_MAILING, IDC_MAILING_OK, "C:\\mailing.htm",
     "C:\\copie_mailing.htm"},
    {"texte", "text", FORME_TEXTE, IDC_TEXTE_OK, "C:\\texte.txt", "C:\\copie_texte.txt"},
};

struct Banc {
  FauxSysteme systeme;
  Magasin cartes;               // the generated cards
  std::vector<uint8_t> adresses;  // the same cards with mailto: URLs
  std::vector<uint8_t> transfert;
  std::vector<uint8_t> tampon;  // the copy's buffer
  std::vector<char> recherche;
  char chemin[256];
  char titre[200];
  uint64_t tailles[3];
};

// The mailing list takes only mailto: cards: the same cards, each URL
// turned into an address at its site.
std::vector<uint8_t> Adresses(const Magasin& m) {
  std::vector<uint8_t> octets;
  for (uint8_t* p = m.lpDebutMem; p < m.lpFinMem; p = FicheSuivante(p)) {
    std::string champs[NB_CHAMPS];
    for (int i = 0; i < (int)NB_CHAMPS; i++) champs[i] = FicheTexte(p, i, nullptr);
    std::string& url = champs[CHAMP_URL];
    size_t debut = url.find("://");
    debut = debut == std::string::npos ? 0 : debut + 3;
    if (url.compare(debut, 4, "www.") == 0) debut += 4;
    url = "mailto:webmestre@" + url.substr(debut, url.find('/', debut) - debut);
    const char* textes[NB_CHAMPS];
    uint32_t longueurs[NB_CHAMPS];
    for (int i = 0; i < (int)NB_CHAMPS; i++) {
      textes[i] = champs[i].data();
      longueurs[i] = (uint32_t)champs[i].size();
    }
    size_t position = octets.size();
    octets.resize(position + FicheTaille(longueurs));
    FicheEcrire(octets.data() + position, LireMot(p), textes, longueurs);
  }
  return octets;
}

// One export as the user asks for it: OK in the dialog, then the file.
uint16_t Exporter(Banc* b, const Forme& f) {
  b->systeme.dans_liens.push_back(
      [ok = f.ok](DialogueLiens* d) { return DialogueLiensAppuyer(d, ok) == LIENS_FERME_OK; });
  b->systeme.choix_fichiers.push_back(f.fichier);
  b->systeme.dialogues.clear();
  b->systeme.ecritures.clear();
  uint8_t* debut = b->cartes.lpDebutMem;
  uint8_t* fin = b->cartes.lpFinMem;
  if (f.forme == FORME_MAILING) {
    debut = b->adresses.data();
    fin = debut + b->adresses.size();
  }
#define ARGUMENTS                                                                           \
  nullptr, b->transfert.data(), debut, fin, debut, b->recherche.data(), b->recherche.data(), \
      0, 0, 0, 0, 0, 0, 0, 0, 0
  switch (f.forme) {
    case FORME_LIENS:
      return Util_Dll_Creer_Fichier_Liens(ARGUMENTS, b->chemin, b->titre, nullptr, nullptr);
    case FORME_MAILING:
      return Util_Dll_Creer_Mailing_Liste(ARGUMENTS, b->chemin, b->titre, nullptr, nullptr);
    default: return Util_Dll_Creer_Fichier_Texte(ARGUMENTS, nullptr, nullptr, b->chemin);
  }
#undef ARGUMENTS
}

void Export(benchmark::State& etat, Banc* b, const Forme* f) {
  sync();  // no dirty pages left by the run before
  for (auto _ : etat) {
    if (!Exporter(b, *f)) {
      etat.SkipWithError("export manque");
      break;
    }
  }
  etat.SetBytesProcessed((int64_t)(etat.iterations() * b->tailles[f->forme]));
}

// The reference: read and write through the same 65,534-byte buffer.
int Copier(const std::string& source, const std::string& cible, uint8_t* tampon) {
  FILE* e = fopen(source.c_str(), "rb");
  if (!e) return 0;
  FILE* s = fopen(cible.c_str(), "wb");
  if (!s) {
    fclose(e);
    return 0;
  }
  int bon = 1;
  size_t n;
  while (bon && (n = fread(tampon, 1, TAILLE_TRANSFERT, e)) > 0) bon = fwrite(tampon, 1, n, s) == n;
  bon = !ferror(e) && bon;
  fclose(e);
  return fclose(s) == 0 && bon;
}

void Copie(benchmark::State& etat, Banc* b, const Forme* f) {
  std::string source = b->systeme.Linux(f->fichier);
  std::string cible = b->systeme.Linux(f->copie);
  sync();
  for (auto _ : etat) {
    if (!Copier(source, cible, b->tampon.data())) {
      etat.SkipWithError("copie manquee");
      break;
    }
  }
  etat.SetBytesProcessed((int64_t)(etat.iterations() * b->tailles[f->forme]));
}

// Wall-clock time decides: the user waits for the disk too; CPU time is
// shown beside it because writeback makes the wall clock noisy.
void Resumer(const Releve& releve, const Banc& b) {
  printf("\n%d cards, medians of %d repetitions\n", b.cartes.TotalFiches, REPETITIONS);
  printf("  %-13s %8s %10s %10s %10s %10s   %s\n", "", "MB", "export ms", "cpu ms", "copy ms",
         "cpu ms", "wall ratio to the copy");
  for (const Forme& f : FORMES) {
    Mediane e = releve.Temps(std::string("export_") + f.nom);
    Mediane c = releve.Temps(std::string("copie_") + f.nom);
    if (e.reel <= 0 || c.reel <= 0) {
      printf("  %-13s not measured\n", f.libelle);
      continue;
    }
    double ratio = e.reel / c.reel;
    printf("  %-13s %8.1f %10.1f %10.1f %10.1f %10.1f   %.2f (%s)\n", f.libelle,
           b.tailles[f.forme] / 1e6, e.reel, e.cpu, c.reel, c.cpu, ratio,
           ratio <= RATIO_CIBLE ? "within 3x" : "OVER 3x");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  uint32_t nombre = argc > 1 ? (uint32_t)strtoul(argv[1], nullptr, 10) : 1000000;

  std::string modele = DossierBanc();
  if (modele.empty()) return 1;
  Banc b{};
  b.systeme.racine = modele;
  b.systeme.deplacer_blocs = 0;
  InstallerFauxSysteme(&b.systeme);
  b.transfert.resize(TAILLE_TRANSFERT);
  b.tampon.resize(TAILLE_TRANSFERT);
  b.recherche.resize(10001);
  snprintf(b.titre, sizeof b.titre, "Mes liens & mes adresses");
  // The text export with a tab between fields and a line per card.
  reglagesLiens = REGLAGES_LIENS_DEPART;
  snprintf(reglagesLiens.texte.separateur_champs, sizeof reglagesLiens.texte.separateur_champs, "\t");
  snprintf(reglagesLiens.texte.separateur_fiches, sizeof reglagesLiens.texte.separateur_fiches,
           "\r\n");

  int bon = GenererFiches(&b.cartes, &b.systeme.memoire, nombre);
  if (bon) b.adresses = Adresses(b.cartes);
  // A first export of each form gives the file its copy copies.
  for (const Forme& f : FORMES) {
    bon = bon && Exporter(&b, f) == 1;
    if (bon) b.tailles[f.forme] = std::filesystem::file_size(b.systeme.Linux(f.fichier));
  }
  if (bon) {
    for (const Forme& f : FORMES) {
      EnMedianes(benchmark::RegisterBenchmark((std::string("copie_") + f.nom).c_str(), Copie, &b, &f));
      EnMedianes(
          benchmark::RegisterBenchmark((std::string("export_") + f.nom).c_str(), Export, &b, &f));
    }
    Releve releve;
    benchmark::RunSpecifiedBenchmarks(&releve);
    Resumer(releve, b);
  } else {
    fprintf(stderr, "could not generate the cards or export them\n");
  }
  MagasinLiberer(&b.cartes, &b.systeme.memoire);
  std::filesystem::remove_all(modele);
  benchmark::Shutdown();
  return bon && b.systeme.messages.empty() ? 0 : 1;
}
