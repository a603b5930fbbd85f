// The alphabetical sort by each key on generated stores of 10,000, 100,000
// and 1,000,000 cards: the straightforward selection sort (10,000 cards
// only, or up to --litteral=N) against ours, both asking the fake system's
// comparison (Windows' order of texts, tests/faux/ordre_windows), then ours again with a
// plain byte order, which shows what the sort costs beside the comparison.
// Prints the times, the ratio, the comparisons made and whether both leave
// exactly the same bytes, card on screen and number. --max=N leaves out the
// larger stores.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "bench/tri_litteral.h"
#include "faux_systeme.h"
#include "generateur_fiches.h"
#include "releve.h"
#include "tri.h"

namespace {

const uint32_t TAILLES[] = {10000, 100000, 1000000};
const char* const CLES[] = {"", "site name", "URL", "category"};

enum Algorithme { LITTERAL, NOTRE, OCTETS };
const char* const NOMS[] = {"litteral", "tri", "octets"};

// What one run left: the bytes, the card on screen's offset and number.
struct Resultat {
  std::vector<uint8_t> octets;
  int64_t ecran;
  int32_t numero;
};

struct Banc {
  FauxSysteme systeme;
  Caracteres comptee;  // the fake's comparison, counted
  Caracteres octets;   // the byte order
  uint64_t comparaisons;
  std::map<uint32_t, std::vector<uint8_t>> magasins;  // by card count
  std::map<std::tuple<int, uint32_t, uint16_t>, Resultat> resultats;
  std::map<std::pair<uint32_t, uint16_t>, uint64_t> comparaisons_tri;
};

Banc* banc;

int Compter(void* ctx, const char* a, const char* b) {
  banc->comparaisons++;
  return banc->systeme.caracteres.comparer(ctx, a, b);
}

int Octets(void*, const char* a, const char* b) {
  int r = strcmp(a, b);
  return r < 0 ? -1 : r > 0;
}

std::vector<uint8_t> Generer(Banc* b, uint32_t nombre) {
  Magasin m{};
  if (!GenererFiches(&m, &b->systeme.memoire, nombre)) return {};
  std::vector<uint8_t> octets(m.lpDebutMem, m.lpFinMem);
  MagasinLiberer(&m, &b->systeme.memoire);
  return octets;
}

// The card on screen: the one in the middle of the store.
uint8_t* Milieu(std::vector<uint8_t>& cartes) {
  uint8_t* fin = cartes.data() + cartes.size();
  uint32_t nombre = 0;
  for (uint8_t* f = cartes.data(); f < fin; f = FicheSuivante(f)) nombre++;
  uint8_t* f = cartes.data();
  for (uint32_t i = 0; i < nombre / 2; i++) f = FicheSuivante(f);
  return f;
}

// Every iteration sorts a fresh copy of the generated cards.
void Mesurer(benchmark::State& etat, Banc* b, int algorithme, uint32_t nombre, uint16_t cle) {
  const std::vector<uint8_t>& origine = b->magasins[nombre];
  std::vector<uint8_t> cartes;
  uint8_t* ecran = nullptr;
  int32_t numero = 0;
  for (auto _ : etat) {
    etat.PauseTiming();
    cartes = origine;
    uint8_t* milieu = Milieu(cartes);
    b->comparaisons = 0;
    etat.ResumeTiming();
    uint8_t* debut = cartes.data();
    uint8_t* fin = debut + cartes.size();
    if (algorithme == LITTERAL) {
      int32_t total = 0;
      for (uint8_t* f = debut; f < fin; f = FicheSuivante(f)) total++;
      ecran = TrierLitteral(&b->comptee, debut, fin, milieu, total, cle, &numero);
    } else {
      SystemeTri sys = {&b->systeme.memoire, &b->systeme.fenetres,
                        algorithme == NOTRE ? &b->comptee : &b->octets};
      ecran = TrierFiches(&sys, debut, fin, milieu, cle, nullptr, &numero);
    }
    if (!ecran) {
      etat.SkipWithError("pas de memoire");
      return;
    }
  }
  if (algorithme == NOTRE) b->comparaisons_tri[{nombre, cle}] = b->comparaisons;
  if (algorithme != OCTETS)
    b->resultats[{algorithme, nombre, cle}] = {cartes, ecran - cartes.data(), numero};
}

std::string Nom(int algorithme, uint32_t nombre, uint16_t cle) {
  return std::string(NOMS[algorithme]) + "/" + std::to_string(nombre) + "/" + std::to_string(cle);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  uint32_t litteral_max = 10000, max = 1000000;
  for (int i = 1; i < argc; i++) {
    if (strncmp(argv[i], "--litteral=", 11) == 0)
      litteral_max = (uint32_t)strtoul(argv[i] + 11, nullptr, 10);
    if (strncmp(argv[i], "--max=", 6) == 0) max = (uint32_t)strtoul(argv[i] + 6, nullptr, 10);
  }

  Banc b{};
  banc = &b;
  b.systeme.racine = "/tmp";
  b.systeme.deplacer_blocs = 0;
  b.comptee = b.systeme.caracteres;
  b.comptee.comparer = Compter;
  b.octets = b.systeme.caracteres;
  b.octets.comparer = Octets;
  for (uint32_t nombre : TAILLES) {
    if (nombre > max) continue;
    b.magasins[nombre] = Generer(&b, nombre);
    // A million cards by a key of few distinct values is quick, by URL it
    // takes a minute: one run there.
    int repetitions = nombre >= 1000000 ? 1 : 3;
    for (uint16_t cle = 1; cle <= 3; cle++) {
      if (nombre <= litteral_max)
        benchmark::RegisterBenchmark(Nom(LITTERAL, nombre, cle).c_str(), Mesurer, &b, LITTERAL,
                                     nombre, cle)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1);
      for (int a : {NOTRE, OCTETS})
        benchmark::RegisterBenchmark(Nom(a, nombre, cle).c_str(), Mesurer, &b, a, nombre, cle)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(repetitions > 1);
    }
  }
  Releve releve;
  benchmark::RunSpecifiedBenchmarks(&releve);

  printf("\nsort of generated cards, the card in the middle on screen\n");
  printf("  %9s %-10s %12s %10s %8s %12s %11s  %s\n", "cards", "key", "selection ms", "ours ms",
         "ratio", "comparisons", "bytes ms", "result");
  bool bon = true;
  for (uint32_t nombre : TAILLES) {
    for (uint16_t cle = 1; cle <= 3; cle++) {
      double nous = releve.Temps(Nom(NOTRE, nombre, cle)).reel;
      if (nous <= 0) continue;
      double octets = releve.Temps(Nom(OCTETS, nombre, cle)).reel;
      double litteral = releve.Temps(Nom(LITTERAL, nombre, cle)).reel;
      unsigned long long n = b.comparaisons_tri[{nombre, cle}];
      if (litteral <= 0) {
        printf("  %9u %-10s %12s %10.1f %8s %12llu %11.1f  -\n", nombre, CLES[cle], "-", nous, "-",
               n, octets);
        continue;
      }
      const Resultat& l = b.resultats[{LITTERAL, nombre, cle}];
      const Resultat& t = b.resultats[{NOTRE, nombre, cle}];
      bool memes = l.octets == t.octets && l.ecran == t.ecran && l.numero == t.numero;
      bon = bon && memes;
      printf("  %9u %-10s %12.1f %10.1f %7.0fx %12llu %11.1f  %s\n", nombre, CLES[cle], litteral,
             nous, litteral / nous, n, octets, memes ? "identical" : "DIFFERENT");
    }
  }
  benchmark::Shutdown();
  return bon && b.systeme.messages.empty() ? 0 : 1;
}
