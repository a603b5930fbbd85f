// Distinct keywords and categories over generated stores: every batch of
// the list filled in turn, ours (a hash set of the values of the batch)
// beside the literal buffer scanned value by value, on the same cards.
// Prints the times, the ratio and whether both give the same entries in the
// same order. The scan is quadratic in the number of distinct values, so it
// runs only on the smaller store (--litteral=N cards, 20,000 by default).
//   bench_listes [nombre de fiches] [--litteral=N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "faux_systeme.h"
#include "fiche.h"
#include "liste_lots.h"
#include "lvxgest.h"

namespace {

const int REPETITIONS = 3;
const uint32_t VOCABULAIRE = 30000;  // distinct keywords: one batch nearly full
const uint32_t RUBRIQUES = 3000;

// xorshift64*: the same cards on every run.
uint32_t Tirer(uint64_t* etat, uint32_t n) {
  *etat ^= *etat >> 12;
  *etat ^= *etat << 25;
  *etat ^= *etat >> 27;
  return (uint32_t)(((*etat * UINT64_C(2685821657736338717)) >> 32) % n);
}

std::string Mot(uint64_t* h, uint32_t min, uint32_t max) {
  static const char* const LETTRES[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j",
                                        "k", "l", "m", "n", "o", "p", "r", "s", "t", "u",
                                        "v", "w", "y", "z", "é", "è", "à", "ç", "ô"};
  std::string s;
  for (uint32_t n = min + Tirer(h, max - min + 1); n; n--) s += LETTRES[Tirer(h, 29)];
  if (Tirer(h, 8) == 0) s[0] = (char)(s[0] >= 'a' && s[0] <= 'z' ? s[0] - 32 : s[0]);
  return s;
}

std::vector<std::string> Mots(uint64_t* h, uint32_t nombre, uint32_t min, uint32_t max) {
  std::vector<std::string> mots;
  for (uint32_t i = 0; i < nombre; i++) mots.push_back(Mot(h, min, max));
  return mots;
}

// Cards with one category of a few thousand (one in ten empty) and one to
// five keywords drawn from vocabulaire, separated by blanks and line breaks.
std::vector<uint8_t> Generer(uint32_t nombre, uint32_t vocabulaire) {
  uint64_t h = UINT64_C(0x9E3779B97F4A7C15) ^ nombre ^ ((uint64_t)vocabulaire << 32);
  std::vector<std::string> mots = Mots(&h, vocabulaire, 3, 10);
  std::vector<std::string> rubriques = Mots(&h, RUBRIQUES, 4, 12);
  static const char* const SEPARATEURS[] = {" ", "  ", "\r\n", "\t"};
  std::vector<uint8_t> octets;
  for (uint32_t k = 0; k < nombre; k++) {
    std::string nom = "Site " + std::to_string(k);
    std::string url = "http://www.site" + std::to_string(k) + ".fr/";
    std::string rubrique = Tirer(&h, 10) ? rubriques[Tirer(&h, RUBRIQUES)] : "";
    std::string cles;
    for (uint32_t n = 1 + Tirer(&h, 5); n; n--)
      cles += mots[Tirer(&h, vocabulaire)] + SEPARATEURS[Tirer(&h, 4)];
    const char* textes[NB_CHAMPS] = {nom.c_str(), url.c_str(), rubrique.c_str(), cles.c_str(), ""};
    uint32_t longueurs[NB_CHAMPS] = {(uint32_t)nom.size(), (uint32_t)url.size(),
                                     (uint32_t)rubrique.size(), (uint32_t)cles.size(), 0};
    size_t debut = octets.size();
    octets.resize(debut + FicheTaille(longueurs));
    FicheEcrire(octets.data() + debut, 0, textes, longueurs);
  }
  return octets;
}

struct Banc {
  FauxSysteme systeme;
  std::vector<uint8_t> octets;
  uint8_t* debut() { return octets.data(); }
  uint8_t* fin() { return octets.data() + octets.size(); }
};

// Every batch in turn, as "Lot suivant" pressed until the end: the entries of
// each batch in the list's order, and the number of batches.
struct Lots {
  size_t lots = 0, nombre = 0;  // batches and entries in all
  std::vector<std::vector<std::string>> entrees;  // kept only to be compared
};

std::string_view Champ(const uint8_t* fiche, int champ) {
  uint32_t longueur = 0;
  const char* texte = FicheTexte(fiche, champ, &longueur);
  return {texte, longueur};
}

Lots Nos(Banc* b, GenreListe genre, bool garder) {
  auto l = std::make_unique<ListeValeurs>();
  ListePreparer(l.get(), genre, LISTE_TOUTES, CriteresListe{}, b->debut(), b->fin(),
                &b->systeme.caracteres, &b->systeme.fenetres, nullptr, nullptr, nullptr);
  Lots lots;
  ListePremierLot(l.get());
  do {
    lots.lots++;
    lots.nombre += ListeNombre(l.get());
    if (!garder) continue;
    lots.entrees.emplace_back();
    for (uint32_t i = 0; i < ListeNombre(l.get()); i++)
      lots.entrees.back().push_back(ListeEntree(l.get(), i));
  } while (ListeLotSuivant(l.get()));
  return lots;
}

// The literal way: the values of the batch also in a text buffer grown by
// about 1,000 bytes at a time and scanned value by value before each one is
// listed; the list keeps itself sorted by inserting each entry in its place.
Lots Litteral(Banc* b, GenreListe genre) {
  const Caracteres* c = &b->systeme.caracteres;
  Lots lots;
  uint8_t* fiche = b->debut();
  while (fiche < b->fin()) {
    std::vector<std::string> liste;
    size_t taille = 1010, utilise = 0;
    char* tampon = (char*)malloc(taille);
    auto deja = [&](std::string_view v) {
      for (size_t i = 0; i < utilise; i += strlen(tampon + i) + 1)
        if (v == tampon + i) return true;
      return false;
    };
    auto ajouter = [&](std::string_view v) {
      if (utilise + v.size() + 1 + 10 > taille) {
        taille += std::max<size_t>(1000, v.size() + 11);
        tampon = (char*)realloc(tampon, taille);
      }
      memcpy(tampon + utilise, v.data(), v.size());
      tampon[utilise + v.size()] = 0;
      utilise += v.size() + 1;
      std::string s(v);
      auto place = std::upper_bound(liste.begin(), liste.end(), s, [c](const std::string& a,
                                                                       const std::string& e) {
        return c->comparer(c->ctx, a.c_str(), e.c_str()) < 0;
      });
      liste.insert(place, s);
    };
    for (; fiche < b->fin(); fiche = determine_pointeur_fiche_suivante(fiche)) {
      std::vector<std::string_view> nouveaux;
      std::string_view texte = Champ(fiche, genre == LISTE_RUBRIQUES ? CHAMP_RUBRIQUE : CHAMP_MOTS_CLES);
      if (genre == LISTE_RUBRIQUES) {
        if (!texte.empty() && !deja(texte)) nouveaux.push_back(texte);
      } else {
        size_t suite = 0;
        for (std::string_view m = MotSuivant(texte, &suite); !m.empty(); m = MotSuivant(texte, &suite))
          if (!deja(m) && std::find(nouveaux.begin(), nouveaux.end(), m) == nouveaux.end())
            nouveaux.push_back(m);
      }
      if (liste.size() + nouveaux.size() > CAPACITE_LISTE) break;
      for (std::string_view v : nouveaux) ajouter(v);
    }
    free(tampon);
    lots.lots++;
    lots.nombre += liste.size();
    lots.entrees.push_back(liste);
  }
  return lots;
}

template <typename F>
double Chronometrer(F f) {
  std::vector<double> temps;
  for (int i = 0; i < REPETITIONS; i++) {
    auto debut = std::chrono::steady_clock::now();
    f();
    temps.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                              debut)
                        .count());
  }
  std::sort(temps.begin(), temps.end());
  return temps[temps.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  uint32_t nombre = 1000000, litteral = 20000;
  for (int i = 1; i < argc; i++) {
    if (!strncmp(argv[i], "--litteral=", 11))
      litteral = (uint32_t)atoi(argv[i] + 11);
    else
      nombre = (uint32_t)atoi(argv[i]);
  }
  const struct {
    GenreListe genre;
    const char* nom;
  } genres[] = {{LISTE_MOTS_CLES, "keywords"}, {LISTE_RUBRIQUES, "categories"}};

  printf("Distinct values, every batch of the list (%u entries at most), median of %d runs\n",
         (unsigned)CAPACITE_LISTE, REPETITIONS);
  Banc grand;
  grand.octets = Generer(nombre, VOCABULAIRE);
  InstallerFauxSysteme(&grand.systeme);
  for (const auto& g : genres) {
    Lots lots;
    double t = Chronometrer([&] { lots = Nos(&grand, g.genre, false); });
    printf("  %-10s %8u cards: ours %8.1f ms  (%zu batch(es), %zu entries)\n", g.nom, nombre, t,
           lots.lots, lots.nombre);
  }

  Banc petit;
  petit.octets = Generer(litteral, VOCABULAIRE);
  InstallerFauxSysteme(&petit.systeme);
  for (const auto& g : genres) {
    Lots nos, litt;
    double t = Chronometrer([&] { nos = Nos(&petit, g.genre, true); });
    auto debut = std::chrono::steady_clock::now();
    litt = Litteral(&petit, g.genre);
    double tl =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    printf("  %-10s %8u cards: ours %8.1f ms, literal scan %9.1f ms, ratio %6.1f, %s\n", g.nom,
           litteral, t, tl, tl / t,
           nos.entrees == litt.entrees ? "same entries in the same order" : "ENTRIES DIFFER");
  }

  // Worst case of one click: a batch of nothing but new keywords.
  Banc large;
  large.octets = Generer(60000, 400000);
  InstallerFauxSysteme(&large.systeme);
  double t = Chronometrer([&] {
    auto l = std::make_unique<ListeValeurs>();
    ListePreparer(l.get(), LISTE_MOTS_CLES, LISTE_TOUTES, CriteresListe{}, large.debut(),
                  large.fin(), &large.systeme.caracteres, &large.systeme.fenetres, nullptr,
                  nullptr, nullptr);
    ListePremierLot(l.get());
  });
  printf("  one full batch of distinct keywords (%u entries): ours %.1f ms\n",
         (unsigned)CAPACITE_LISTE, t);
  return 0;
}
