// Appending a million cards at the end of a data file of a million cards,
// against a plain copy of a file of the resulting size: the append should
// stay within twice the time of the copy. The append writes the grown
// file beside the old one and moves it over; the same append in place
// (what a nearly full drive gets) is shown beside it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "exporter_fiches.h"
#include "faux_systeme.h"
#include "fichier_donnees.h"
#include "generateur_fiches.h"
#include "magasin.h"
#include "releve.h"

namespace {

const char MAGIE[] = "LorVanix version1 Fichier CARTES";
const char FICHIER[] = "C:\\cartes.lvx";  // the million cards, never changed
const char CIBLE[] = "C:\\cible.lvx";     // the file appended to
const char COPIE[] = "C:\\copie.lvx";
const double RATIO_CIBLE = 2.0;

struct Banc {
  FauxSysteme systeme;
  Magasin cartes;
  std::vector<uint8_t> tampon;
  std::vector<char> tampon_recherche;
  CiblesSpec cibles;
  SystemeSpec sys;
  uint64_t taille_fichier;   // the file of a million cards
  uint64_t taille_resultat;  // the same after the append
};

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

ExportSpec Export(Banc* b) {
  const Magasin& m = b->cartes;
  static char expression[] = "";
  ExportSpec e{};
  e.sys = &b->sys;
  e.cibles = &b->cibles;
  e.debut = m.lpDebutMem;
  e.fin = m.lpFinMem;
  e.ecran = m.lpFicheEcran;
  e.magie = MAGIE;
  e.criteres = CriteresExport{b->tampon_recherche.data(), expression, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                              b->tampon.data()};
  e.TotalFiches = (uint32_t)m.TotalFiches;
  e.TailleTotaleFiches = m.TailleTotaleFiches;
  return e;
}

// All cards of the store at the end of a fresh copy of the file, the size
// computed first as the command does.
void Ajouter(benchmark::State& etat, Banc* b, uint64_t libre) {
  std::string fichier = b->systeme.Linux(FICHIER), cible = b->systeme.Linux(CIBLE);
  b->systeme.espace_libre = libre;
  for (auto _ : etat) {
    etat.PauseTiming();
    bool pret = Copier(fichier, cible, b->tampon.data());
    sync();  // no dirty pages left by the copy
    etat.ResumeTiming();
    ExportSpec e = Export(b);
    uint64_t besoin = TailleExport(&e, SELECTION_TOUTES);
    if (!pret || !AjouterAuFichier(&e, SELECTION_TOUTES, CIBLE, besoin)) {
      etat.SkipWithError("ajout manque");
      break;
    }
  }
  etat.SetBytesProcessed((int64_t)(etat.iterations() * b->taille_resultat));
}

void AjoutACote(benchmark::State& etat, Banc* b) { Ajouter(etat, b, UINT64_C(1) << 40); }
// Room for the cards, not for a copy of the file.
void AjoutSurPlace(benchmark::State& etat, Banc* b) {
  Ajouter(etat, b, b->taille_fichier + 1);
}

// A file of the resulting size copied whole.
void Copie(benchmark::State& etat, Banc* b) {
  std::string source = b->systeme.Linux(CIBLE), cible = b->systeme.Linux(COPIE);
  for (auto _ : etat) {
    etat.PauseTiming();
    sync();
    etat.ResumeTiming();
    if (!Copier(source, cible, b->tampon.data())) {
      etat.SkipWithError("copie manquee");
      break;
    }
  }
  etat.SetBytesProcessed((int64_t)(etat.iterations() * b->taille_resultat));
}

struct Mesure {
  const char* nom;
  void (*fonction)(benchmark::State&, Banc*);
};
const Mesure MESURES[] = {{"copie", Copie}, {"ajout", AjoutACote}, {"ajout_sur_place", AjoutSurPlace}};

void Resumer(const Releve& releve, const Banc& b) {
  Mediane copie = releve.Temps("copie");
  printf("\n%d cards appended to a file of as many (%.1f MB), %.1f MB after, medians of %d "
         "repetitions\n",
         b.cartes.TotalFiches, b.taille_fichier / 1e6, b.taille_resultat / 1e6, REPETITIONS);
  printf("  %-15s %8s %8s   %s\n", "", "wall ms", "cpu ms", "wall ratio to the copy");
  printf("  %-15s %8.1f %8.1f\n", "copy", copie.reel, copie.cpu);
  for (auto [libelle, nom] : {std::pair{"append", "ajout"}, std::pair{"append in place", "ajout_sur_place"}}) {
    Mediane t = releve.Temps(nom);
    if (t.reel <= 0 || copie.reel <= 0) {
      printf("  %-15s not measured\n", libelle);
      continue;
    }
    double ratio = t.reel / copie.reel;
    printf("  %-15s %8.1f %8.1f   %.2f (%s)\n", libelle, t.reel, t.cpu, ratio,
           ratio <= RATIO_CIBLE ? "within 2x" : "OVER 2x");
  }
}

// The appended file must hold the old cards, then the store's, then the
// sum of the counts, or the timings mean nothing. It stays as the copy's
// source.
int Verifier(Banc* b) {
  std::string fichier = b->systeme.Linux(FICHIER), cible = b->systeme.Linux(CIBLE);
  ExportSpec e = Export(b);
  if (!Copier(fichier, cible, b->tampon.data()) ||
      !AjouterAuFichier(&e, SELECTION_TOUTES, CIBLE, TailleExport(&e, SELECTION_TOUTES)))
    return 0;
  std::string lu = b->systeme.Lire(CIBLE), avant = b->systeme.Lire(FICHIER);
  const Magasin& m = b->cartes;
  uint64_t t = m.TailleTotaleFiches;
  std::string attendu = avant.substr(0, avant.size() - 4) + std::string((const char*)m.lpDebutMem, t);
  uint32_t n = 2 * (uint32_t)m.TotalFiches;
  attendu += std::string{(char)n, (char)(n >> 8), (char)(n >> 16), (char)(n >> 24)};
  b->taille_resultat = lu.size();
  return lu == attendu;
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
  b.tampon.resize(TAILLE_TRANSFERT);
  b.tampon_recherche.resize(10001);
  b.sys = SystemeSpec{&b.systeme.fichiers, &b.systeme.fenetres, &b.systeme.communs,
                      &b.systeme.dialogues_spec};
  InstallerFauxSysteme(&b.systeme);
  const SystemeProgramme* pf = &b.systeme.programme;

  int bon = GenererFiches(&b.cartes, pf->memoire, nombre) &&
            DonneesSauver(pf->fichiers, pf->fenetres, b.cartes.lpDebutMem, b.cartes.lpFinMem,
                          FICHIER, MAGIE, b.cartes.TailleTotaleFiches,
                          (uint32_t)b.cartes.TotalFiches, nullptr, nullptr, b.tampon.data(),
                          nullptr);
  if (bon) {
    b.taille_fichier = std::filesystem::file_size(b.systeme.Linux(FICHIER));
    bon = Verifier(&b);
  }
  if (bon) {
    for (const Mesure& mesure : MESURES)
      EnMedianes(benchmark::RegisterBenchmark(mesure.nom, mesure.fonction, &b));
    Releve releve;
    benchmark::RunSpecifiedBenchmarks(&releve);
    Resumer(releve, b);
  } else {
    fprintf(stderr, "could not generate, save and append the cards\n");
  }
  MagasinLiberer(&b.cartes, pf->memoire);
  std::filesystem::remove_all(modele);
  benchmark::Shutdown();
  return bon && b.systeme.messages.empty() ? 0 : 1;
}
