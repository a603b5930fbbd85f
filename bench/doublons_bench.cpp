// Duplicate marking (URL, whole field, toggle) on generated stores with 10 %
// duplicates: the key list scanned for every card against the hashed
// keys, on the same cards. Prints both times, the ratio and whether both
// leave exactly the same marks. The key list is quadratic, so it runs once
// per size and only up to the size given by --litteral=N (30,000 by default:
// 100,000 takes about three minutes); beyond, its time is extrapolated from
// the largest size measured.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/doublons.h"
#include "bench/doublons_litteral.h"
#include "faux_systeme.h"
#include "fiche.h"
#include "releve.h"

namespace {

const uint32_t TAILLES[] = {10000, 30000, 100000, 1000000};

// xorshift64*: the same cards on every run.
uint32_t Tirer(uint64_t* etat, uint32_t n) {
  *etat ^= *etat >> 12;
  *etat ^= *etat << 25;
  *etat ^= *etat >> 27;
  return (uint32_t)(((*etat * UINT64_C(2685821657736338717)) >> 32) % n);
}

std::string Mot(uint64_t* h, uint32_t min, uint32_t max) {
  std::string s;
  for (uint32_t n = min + Tirer(h, max - min + 1); n; n--) s += (char)('a' + Tirer(h, 26));
  return s;
}

// A URL of 40 to 120 characters: a host, then path segments, cut to length.
std::string Url(uint64_t* h) {
  uint32_t longueur = 40 + Tirer(h, 81);
  std::string s = Tirer(h, 4) ? "https://www." : "http://";
  s += Mot(h, 4, 12) + (Tirer(h, 2) ? ".fr/" : ".com/");
  while (s.size() < longueur) s += Mot(h, 3, 10) + (Tirer(h, 5) ? "/" : ".html");
  s.resize(longueur);
  return s;
}

// Cards with random marks; one in ten repeats an earlier URL, as it stands,
// in capitals or with a final slash.
std::vector<uint8_t> Generer(uint32_t nombre) {
  uint64_t h = UINT64_C(0x9E3779B97F4A7C15) ^ nombre;
  std::vector<std::string> urls;
  std::vector<uint8_t> octets;
  for (uint32_t k = 0; k < nombre; k++) {
    std::string url;
    if (k && Tirer(&h, 10) == 0) {
      url = urls[Tirer(&h, k)];
      uint32_t forme = Tirer(&h, 3);
      if (forme == 1)
        for (char& x : url) x = (char)(x >= 'a' && x <= 'z' ? x - 32 : x);
      if (forme == 2) url += "/";
    } else {
      url = Url(&h);
    }
    urls.push_back(url);
    std::string nom = "Site " + std::to_string(k);
    const char* textes[NB_CHAMPS] = {nom.c_str(), url.c_str(), "Divers", "", ""};
    uint32_t longueurs[NB_CHAMPS] = {(uint32_t)nom.size(), (uint32_t)url.size(), 6, 0, 0};
    size_t debut = octets.size();
    octets.resize(debut + FicheTaille(longueurs));
    FicheEcrire(octets.data() + debut, (uint16_t)Tirer(&h, 2), textes, longueurs);
  }
  return octets;
}

struct Banc {
  FauxSysteme systeme;
  std::map<uint32_t, std::vector<uint8_t>> magasins;  // by card count
  // What the key list left, to compare without running it twice.
  std::map<uint32_t, std::vector<uint8_t>> apres_litteral;
  std::map<uint32_t, int64_t> changees_litteral;
};

int64_t Hache(Banc* b, std::vector<uint8_t>& cartes) {
  return DoublonsMarquer(&b->systeme.memoire, cartes.data(), cartes.data() + cartes.size(),
                         DOUBLON_URL, ACTION_BASCULER);
}
int64_t Litteral(Banc*, std::vector<uint8_t>& cartes) {
  return DoublonsMarquerLitteral(cartes.data(), cartes.data() + cartes.size(), DOUBLON_URL,
                                 ACTION_BASCULER);
}

// Every iteration marks a fresh copy of the generated cards.
void Mesurer(benchmark::State& etat, Banc* b, uint32_t nombre,
             int64_t (*marquer)(Banc*, std::vector<uint8_t>&)) {
  const std::vector<uint8_t>& origine = b->magasins[nombre];
  std::vector<uint8_t> cartes;
  int64_t changees = 0;
  for (auto _ : etat) {
    etat.PauseTiming();
    cartes = origine;
    etat.ResumeTiming();
    changees = marquer(b, cartes);
    if (changees < 0) {
      etat.SkipWithError("marquage impossible");
      return;
    }
  }
  if (marquer == Litteral) {
    b->apres_litteral[nombre] = cartes;
    b->changees_litteral[nombre] = changees;
  }
}

std::string Nom(const char* algorithme, uint32_t nombre) {
  return std::string(algorithme) + "/" + std::to_string(nombre);
}

// Both ways from the same cards must leave the same bytes.
bool MemesMarques(Banc* b, uint32_t nombre) {
  std::vector<uint8_t> h = b->magasins[nombre];
  return b->apres_litteral.count(nombre) && Hache(b, h) == b->changees_litteral[nombre] &&
         h == b->apres_litteral[nombre];
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  uint32_t litteral_max = 30000;
  for (int i = 1; i < argc; i++)
    if (strncmp(argv[i], "--litteral=", 11) == 0) litteral_max = (uint32_t)strtoul(argv[i] + 11, nullptr, 10);

  Banc b{};
  b.systeme.racine = "/tmp";
  b.systeme.deplacer_blocs = 0;
  for (uint32_t nombre : TAILLES) {
    b.magasins[nombre] = Generer(nombre);
    if (nombre <= litteral_max)
      benchmark::RegisterBenchmark(Nom("litteral", nombre).c_str(), Mesurer, &b, nombre, Litteral)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime()
          ->Iterations(1);
    EnMedianes(
        benchmark::RegisterBenchmark(Nom("hache", nombre).c_str(), Mesurer, &b, nombre, Hache));
  }
  Releve releve;
  benchmark::RunSpecifiedBenchmarks(&releve);

  printf("\nduplicate URLs (whole field, toggle), 10 %% duplicates, URLs of 40-120 characters\n");
  printf("  %9s %14s %12s %10s  %s\n", "cards", "key list ms", "hashed ms", "ratio", "marks");
  bool bon = true;
  uint32_t mesuree = 0;  // largest size the key list ran on
  double temps_mesure = 0;
  for (uint32_t nombre : TAILLES) {
    double h = releve.Temps(Nom("hache", nombre)).reel;
    if (h <= 0) continue;  // filtered out
    double l = releve.Temps(Nom("litteral", nombre)).reel;
    if (l > 0) {
      mesuree = nombre;
      temps_mesure = l;
      bool memes = MemesMarques(&b, nombre);
      bon = bon && memes;
      printf("  %9u %14.1f %12.1f %9.0fx  %s\n", nombre, l, h, l / h,
             memes ? "identical" : "DIFFERENT");
    } else if (mesuree) {
      double facteur = (double)nombre / mesuree;
      double l = temps_mesure * facteur * facteur;
      printf("  %9u %13.0f~ %12.1f %9.0fx  - (key list extrapolated from %u cards)\n", nombre, l,
             h, l / h, mesuree);
    } else {
      printf("  %9u %14s %12.1f %10s  -\n", nombre, "-", h, "-");
    }
  }
  benchmark::Shutdown();
  return bon && b.systeme.messages.empty() ? 0 : 1;
}
