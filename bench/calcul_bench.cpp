// The counts of distinct categories and keywords over a million cards: the
// generated cards (a few dozen distinct values), then cards whose every
// category and keyword is new (a million categories, three million words),
// where a scan of the values collected so far would be quadratic. Target:
// under 2 s each.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "calcul.h"
#include "faux_systeme.h"
#include "generateur_fiches.h"
#include "releve.h"

namespace {

const uint32_t NOMBRE = 1000000;
const double CIBLE_MS = 2000;

struct Banc {
  FauxSysteme systeme;
  SystemeCalcul sys;
  Magasin generees, distinctes;
};

// Card k: category "Rubrique k", keywords "mot3k mot3k+1 mot3k+2".
int Distinctes(Magasin* m, const Memoire* memoire) {
  std::vector<uint8_t> octets;
  for (uint32_t k = 0; k < NOMBRE; k++) {
    std::string rubrique = "Rubrique " + std::to_string(k);
    std::string mots = "mot" + std::to_string(3 * k) + " mot" + std::to_string(3 * k + 1) +
                       "\r\nmot" + std::to_string(3 * k + 2);
    const char* textes[NB_CHAMPS] = {"", "", rubrique.c_str(), mots.c_str(), ""};
    uint32_t longueurs[NB_CHAMPS] = {0, 0, (uint32_t)rubrique.size(), (uint32_t)mots.size(), 0};
    size_t position = octets.size();
    octets.resize(position + FicheTaille(longueurs));
    FicheEcrire(octets.data() + position, 0, textes, longueurs);
  }
  *m = Magasin{};
  m->longSize = (uint32_t)octets.size();
  m->GlobalDebutMem = memoire->bloc_allouer(memoire->ctx, m->longSize);
  if (!m->GlobalDebutMem) return 0;
  m->lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, m->GlobalDebutMem);
  memcpy(m->lpDebutMem, octets.data(), octets.size());
  m->lpFinMem = m->lpDebutMem + octets.size();
  return 1;
}

void Compter(benchmark::State& etat, Banc* b, Magasin* m, int compte) {
  Calcul c{};
  c.sys = &b->sys;
  c.debut = m->lpDebutMem;
  c.fin = m->lpFinMem;
  c.compte = compte;
  uint32_t nombre = 0;
  for (auto _ : etat)
    if (!CalculCompter(&c, &nombre)) etat.SkipWithError("pas de memoire");
  etat.counters["distincts"] = nombre;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Banc b{};
  b.systeme.racine = "/tmp";
  b.systeme.deplacer_blocs = 0;
  b.sys = {&b.systeme.memoire, &b.systeme.fenetres, &b.systeme.dialogues_calcul};
  if (!GenererFiches(&b.generees, &b.systeme.memoire, NOMBRE) ||
      !Distinctes(&b.distinctes, &b.systeme.memoire))
    return 1;
  const struct {
    const char* nom;
    Magasin* m;
    int compte;
  } mesures[] = {{"rubriques/generees", &b.generees, COMPTE_RUBRIQUES},
                 {"mots_cles/generees", &b.generees, COMPTE_MOTS_CLES},
                 {"rubriques/distinctes", &b.distinctes, COMPTE_RUBRIQUES},
                 {"mots_cles/distinctes", &b.distinctes, COMPTE_MOTS_CLES}};
  for (const auto& m : mesures)
    EnMedianes(benchmark::RegisterBenchmark(m.nom, Compter, &b, m.m, m.compte));
  Releve releve;
  benchmark::RunSpecifiedBenchmarks(&releve);

  printf("\ndistinct values over %u cards (target under %.0f ms)\n", NOMBRE, CIBLE_MS);
  bool bon = true;
  for (const auto& m : mesures) {
    double ms = releve.Temps(m.nom).reel;
    if (ms <= 0) continue;
    bon = bon && ms < CIBLE_MS;
    printf("  %-22s %10.1f ms  %s\n", m.nom, ms, ms < CIBLE_MS ? "ok" : "TOO SLOW");
  }
  MagasinLiberer(&b.generees, &b.systeme.memoire);
  MagasinLiberer(&b.distinctes, &b.systeme.memoire);
  benchmark::Shutdown();
  return bon ? 0 : 1;
}
