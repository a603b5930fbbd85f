// A replace that changes every URL ("http" by "https") over a million
// generated cards, through lvxgest's exports as the main program calls
// them: it should stay under 2 s. Beside it, on fewer cards, the same
// replace done card by card, each card resized in place by moving the
// rest of the store, against ours on the same cards: same store, and the
// ratio of the times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "dialogues_conversion.h"
#include "faux_systeme.h"
#include "generateur_fiches.h"
#include "lvxgest.h"
#include "lvxgest_ids.h"
#include "magasin.h"
#include "releve.h"
#include "textes_conversion.h"

namespace {

const double CIBLE_MS = 2000;
const uint32_t PETIT_DEFAUT = 50000;

struct Banc {
  FauxSysteme systeme;
  std::vector<uint8_t> grand, petit;  // the generated cards, never changed
  uint32_t nombre_grand, nombre_petit;
  std::vector<uint8_t> transfert = std::vector<uint8_t>(65534);
  std::vector<char> recherche = std::vector<char>(10001), expression = std::vector<char>(10001);
};

// A store of these bytes in a new block, 1,000 spare bytes after them.
Magasin Remplir(Banc* b, const std::vector<uint8_t>& octets, uint32_t nombre) {
  const Memoire* memoire = &b->systeme.memoire;
  Magasin m{};
  m.longSize = (uint32_t)octets.size() + MARGE_BLOC;
  m.GlobalDebutMem = memoire->bloc_allouer(memoire->ctx, m.longSize);
  m.lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, m.GlobalDebutMem);
  memcpy(m.lpDebutMem, octets.data(), octets.size());
  m.TailleTotaleFiches = (uint32_t)octets.size();
  m.lpFinMem = m.lpDebutMem + octets.size();
  m.lpFicheEcran = m.lpDebutMem;
  m.NumFiche = 1;
  m.TotalFiches = (int32_t)nombre;
  return m;
}

std::vector<uint8_t> Generer(Banc* b, uint32_t nombre) {
  Magasin m{};
  if (!GenererFiches(&m, &b->systeme.memoire, nombre)) return {};
  std::vector<uint8_t> octets(m.lpDebutMem, m.lpFinMem);
  MagasinLiberer(&m, &b->systeme.memoire);
  return octets;
}

// Ours: the Replace dialog answered (every card, the URL field alone),
// then the store handed over and taken back.
int UnPassage(Banc* b, Magasin* m) {
  b->systeme.dans_conversion.push_back([](DialogueConversion* d) {
    DialogueConversionAppuyer(d, IDC_CONVERTIR_TOUTES);
    if (!d->reglages->champs[CHAMP_URL]) DialogueConversionAppuyer(d, IDC_CONVERTIR_URL);
    if (d->reglages->champs[CHAMP_NOTES]) DialogueConversionAppuyer(d, IDC_CONVERTIR_NOTES);
    snprintf(d->textes[0], TAILLE_TEXTE_DIALOGUE_CONVERSION, "http");
    snprintf(d->textes[1], TAILLE_TEXTE_DIALOGUE_CONVERSION, "https");
    return DialogueConversionAppuyer(d, IDC_CONVERTIR_OK) == CONVERSION_FERME_OK;
  });
  Util_Dll_Lvxgest_Init_Variables(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  b->transfert.data(), b->recherche.data(), b->expression.data(),
                                  0, 1, 1, 1, 1, 1, 0, 0, 0, m->lpDebutMem, m->lpFinMem,
                                  m->lpFicheEcran, 1, nullptr, nullptr, 0, 0, 1,
                                  m->TailleTotaleFiches, m->longSize, m->GlobalDebutMem, 0, 0);
  uint16_t fait = Util_Dll_Lvxgest_Convertir();
  m->TailleTotaleFiches = Util_Dll_Lvxgest_Recuperer_TailleTotaleFiches();
  m->lpDebutMem = Util_Dll_Lvxgest_Recuperer_lpDebutMem();
  m->lpFinMem = Util_Dll_Lvxgest_Recuperer_lpFinMem();
  m->lpFicheEcran = Util_Dll_Lvxgest_Recuperer_lpFicheEcran();
  m->longSize = Util_Dll_Lvxgest_Recuperer_longSize();
  m->GlobalDebutMem = Util_Dll_Lvxgest_Recuperer_GlobalDebutMem();
  return fait == 1 && m->lpDebutMem && Util_Dll_Lvxgest_Recuperer_FichesModifieesOK() == 1;
}

// The plain way: each card's five texts copied out, the URL replaced,
// the card resized in place (the rest of the store moved up or down) and
// written back.
int UneParUne(Banc* b, Magasin* m) {
  const Memoire* memoire = &b->systeme.memoire;
  Remplacement r;
  RemplacementPreparer(&r, "http", "https", 0);
  std::vector<char> champs[NB_CHAMPS], pli(TAILLE_TAMPON_CONVERSION), sortie(LONGUEUR_RESULTAT_MAX);
  for (std::vector<char>& c : champs) c.resize(TAILLE_TAMPON_CONVERSION);
  for (uint8_t* p = m->lpDebutMem; p < m->lpFinMem;) {
    uint8_t* suivante = FicheSuivante(p);
    const char* textes[NB_CHAMPS];
    uint32_t longueurs[NB_CHAMPS];
    for (int i = 0; i < (int)NB_CHAMPS; i++) {
      const char* t = FicheTexte(p, i, &longueurs[i]);
      memcpy(champs[i].data(), t, longueurs[i]);
      textes[i] = champs[i].data();
    }
    Texte url = {textes[CHAMP_URL], longueurs[CHAMP_URL]};
    uint32_t n;
    if (Remplacer(&r, url, pli.data(), sortie.data(), &n) > 0) {
      memcpy(champs[CHAMP_URL].data(), sortie.data(), n);
      longueurs[CHAMP_URL] = n;
      uint32_t ancienne = (uint32_t)(suivante - p), nouvelle = FicheTaille(longueurs);
      size_t position = (size_t)(p - m->lpDebutMem);
      if (nouvelle < ancienne) MagasinFermerEspace(m, suivante, ancienne - nouvelle);
      if (nouvelle > ancienne && !MagasinOuvrirEspace(m, memoire, &suivante, nouvelle - ancienne))
        return 0;
      p = m->lpDebutMem + position;
      suivante = p + FicheEcrire(p, LireMot(p), textes, longueurs);
    }
    p = suivante;
  }
  return 1;
}

void Mesurer(benchmark::State& etat, Banc* b, const std::vector<uint8_t>* octets, uint32_t nombre,
             int (*remplacer)(Banc*, Magasin*)) {
  for (auto _ : etat) {
    etat.PauseTiming();
    Magasin m = Remplir(b, *octets, nombre);
    etat.ResumeTiming();
    int fait = remplacer(b, &m);
    etat.PauseTiming();
    MagasinLiberer(&m, &b->systeme.memoire);
    etat.ResumeTiming();
    if (!fait) {
      etat.SkipWithError("remplacement manque");
      break;
    }
  }
  etat.SetItemsProcessed((int64_t)(etat.iterations() * nombre));
}

void Grand(benchmark::State& e, Banc* b) { Mesurer(e, b, &b->grand, b->nombre_grand, UnPassage); }
void Petit(benchmark::State& e, Banc* b) { Mesurer(e, b, &b->petit, b->nombre_petit, UnPassage); }
void PetitUneParUne(benchmark::State& e, Banc* b) {
  Mesurer(e, b, &b->petit, b->nombre_petit, UneParUne);
}

// Both ways give the same store, to the byte and to the block size, or the
// times mean nothing.
int Verifier(Banc* b) {
  Magasin a = Remplir(b, b->petit, b->nombre_petit), c = Remplir(b, b->petit, b->nombre_petit);
  int bon = UnPassage(b, &a) && UneParUne(b, &c) && a.TailleTotaleFiches == c.TailleTotaleFiches &&
            a.longSize == c.longSize &&
            a.TailleTotaleFiches == b->petit.size() + b->nombre_petit &&
            memcmp(a.lpDebutMem, c.lpDebutMem, a.TailleTotaleFiches) == 0;
  MagasinLiberer(&a, &b->systeme.memoire);
  MagasinLiberer(&c, &b->systeme.memoire);
  return bon;
}

void Resumer(const Releve& releve, const Banc& b) {
  Mediane grand = releve.Temps("un_passage_grand");
  Mediane petit = releve.Temps("un_passage_petit");
  Mediane une_par_une = releve.Temps("une_par_une_petit");
  printf("\nReplace of \"http\" by \"https\" in every URL, medians of %d repetitions\n",
         REPETITIONS);
  printf("  %-34s %10s %10s\n", "", "wall ms", "cpu ms");
  if (grand.reel > 0)
    printf("  %-34s %10.1f %10.1f   %s\n", (std::to_string(b.nombre_grand) + " cards, one pass").c_str(),
           grand.reel, grand.cpu, grand.reel < CIBLE_MS ? "(under 2 s)" : "(OVER 2 s)");
  std::string n = std::to_string(b.nombre_petit) + " cards, ";
  if (petit.reel > 0)
    printf("  %-34s %10.1f %10.1f\n", (n + "one pass").c_str(), petit.reel, petit.cpu);
  if (une_par_une.reel > 0)
    printf("  %-34s %10.1f %10.1f\n", (n + "card by card").c_str(), une_par_une.reel, une_par_une.cpu);
  if (petit.reel > 0 && une_par_une.reel > 0)
    printf("  card by card / one pass: %.0fx\n", une_par_une.reel / petit.reel);
}

}  // namespace

// Arguments: the cards of the large store (1,000,000), then of the small
// one (50,000), then --benchmark_* flags.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Banc b{};
  b.nombre_grand = argc > 1 ? (uint32_t)strtoul(argv[1], nullptr, 10) : 1000000;
  b.nombre_petit = argc > 2 ? (uint32_t)strtoul(argv[2], nullptr, 10) : PETIT_DEFAUT;
  b.systeme.deplacer_blocs = 0;
  InstallerFauxSysteme(&b.systeme);
  b.grand = Generer(&b, b.nombre_grand);
  b.petit = Generer(&b, b.nombre_petit);
  if (b.grand.empty() || b.petit.empty() || !Verifier(&b)) {
    fprintf(stderr, "could not generate the cards, or the two ways differ\n");
    return 1;
  }
  EnMedianes(benchmark::RegisterBenchmark("un_passage_grand", Grand, &b));
  EnMedianes(benchmark::RegisterBenchmark("un_passage_petit", Petit, &b));
  EnMedianes(benchmark::RegisterBenchmark("une_par_une_petit", PetitUneParUne, &b));
  Releve releve;
  benchmark::RunSpecifiedBenchmarks(&releve);
  Resumer(releve, b);
  return 0;
}
