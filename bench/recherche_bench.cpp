// The card test over a whole store, as "next matching card" runs it when no
// card matches: a walk from card 1 to the end, one call per card, all five
// fields, case not counted. Reports the megabytes of field text scanned per
// second, without and with exactness, for expressions of several lengths.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "faux_systeme.h"
#include "generateur_fiches.h"
#include "lvxrech.h"
#include "magasin.h"
#include "releve.h"

namespace {

const double CIBLE_MO_S = 500;

// Found on no generated card: one byte and three bytes go through memchr,
// the longer ones through the skip table.
struct Expression {
  const char* libelle;  // for the report: the terminal may not show the bytes
  const char* texte;
};
const Expression EXPRESSIONS[] = {{"1 byte", "§"},
                                  {"3 bytes", "qxz"},
                                  {"11 bytes", "introuvable"},
                                  {"40 bytes", "http://www.introuvable.fr/nulle/part/ici"}};

// The Western code page: one byte, one character.

FauxSysteme systeme;

struct Banc {
  Magasin cartes;
  uint64_t octets_texte;  // text bytes of every field of every card
  std::vector<uint8_t> tampon;
  std::vector<char> tampon_recherche;
};

uint64_t OctetsTexte(const Magasin& m) {
  uint64_t total = 0;
  for (uint8_t* f = m.lpDebutMem; f < m.lpFinMem; f = FicheSuivante(f))
    for (int champ = 0; champ < (int)NB_CHAMPS; champ++) {
      uint32_t longueur;
      FicheTexte(f, champ, &longueur);
      total += longueur;
    }
  return total;
}

void Parcourir(benchmark::State& etat, Banc* b, std::string expression, uint16_t exactitude) {
  for (auto _ : etat) {
    uint32_t trouvees = 0;
    for (uint8_t* f = b->cartes.lpDebutMem; f < b->cartes.lpFinMem; f = FicheSuivante(f))
      trouvees += Util_Dll_recherche_chaine(f, b->tampon_recherche.data(), expression.data(), 0, 1,
                                            1, 1, 1, 1, exactitude, 0, 0, b->tampon.data());
    if (trouvees) {
      etat.SkipWithError("l'expression trouve des fiches");
      break;
    }
  }
  etat.SetBytesProcessed((int64_t)(etat.iterations() * b->octets_texte));
}

std::string Nom(const Expression& e, uint16_t exactitude) {
  return std::string(exactitude ? "exactitude/" : "simple/") + e.libelle;
}

// Wall-clock time decides; CPU time is shown beside it because other work
// on the machine makes the wall clock noisy.
void Resumer(const Releve& releve, const Banc& b) {
  printf("\n%d cards, %.1f MB of field text, medians of %d repetitions\n", b.cartes.TotalFiches,
         b.octets_texte / 1e6, REPETITIONS);
  printf("  %-10s %-10s %8s %8s %9s %9s\n", "expression", "exactness", "wall ms", "cpu ms",
         "wall MB/s", "cpu MB/s");
  for (const Expression& e : EXPRESSIONS)
    for (uint16_t exactitude : {0, 1}) {
      Mediane t = releve.Temps(Nom(e, exactitude));
      if (t.reel <= 0) continue;
      double mo = b.octets_texte / 1e6;
      double reel = mo / (t.reel / 1e3), cpu = mo / (t.cpu / 1e3);
      printf("  %-10s %-10s %8.1f %8.1f %9.0f %9.0f  %s\n", e.libelle, exactitude ? "on" : "off",
             t.reel, t.cpu, reel, cpu,
             reel >= CIBLE_MO_S ? "(>= 500 MB/s)" : "(UNDER 500 MB/s)");
    }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  uint32_t nombre = argc > 1 ? (uint32_t)strtoul(argv[1], nullptr, 10) : 1000000;

  systeme.racine = "/tmp";
  systeme.deplacer_blocs = 0;
  InstallerFauxSysteme(&systeme);

  Banc b{};
  b.tampon.resize(65534);
  b.tampon_recherche.resize(10001);
  if (!GenererFiches(&b.cartes, &systeme.memoire, nombre)) {
    fprintf(stderr, "could not generate the cards\n");
    return 1;
  }
  b.octets_texte = OctetsTexte(b.cartes);

  for (const Expression& e : EXPRESSIONS)
    for (uint16_t exactitude : {0, 1})
      EnMedianes(benchmark::RegisterBenchmark(Nom(e, exactitude).c_str(), Parcourir, &b, e.texte,
                                              exactitude));
  Releve releve;
  benchmark::RunSpecifiedBenchmarks(&releve);
  Resumer(releve, b);
  MagasinLiberer(&b.cartes, &systeme.memoire);
  benchmark::Shutdown();
  return 0;
}
