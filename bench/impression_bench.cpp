// The printing libraries on page devices that draw nothing. The quick list
// of the distinct keywords of a million generated cards: its collection and
// sort alone, then the whole quick print; on a smaller store (--litteral=N
// cards, 20,000 by default) the same collection and sort beside the literal
// scan of the values listed and the selection sort, with the ratio and
// whether both give the same list. Then the printout of 10,000 cards, every
// field with its title and frame. Median of 3 runs; the literal way runs
// once.
//   bench_impression [nombre de fiches] [--litteral=N] [--fiches=N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/rapide_litteral.h"
#include "faux_systeme.h"
#include "fiche.h"
#include "generateur_fiches.h"
#include "lvxprap.h"
#include "lvxprint.h"
#include "valeurs_rapides.h"

namespace {

const int REPETITIONS = 3;
const uint32_t VOCABULAIRE_GRAND = 200000;  // distinct keywords of the large store, about
const uint32_t VOCABULAIRE_PETIT = 12000;   // of the smaller one

// xorshift64*: the same cards on every run.
uint32_t Tirer(uint64_t* etat, uint32_t n) {
  *etat ^= *etat >> 12;
  *etat ^= *etat << 25;
  *etat ^= *etat >> 27;
  return (uint32_t)(((*etat * UINT64_C(2685821657736338717)) >> 32) % n);
}

// Words of 3 to 10 letters, accented ones among them, one in eight
// capitalised, one in ten with a hyphen.
std::string Mot(uint64_t* h) {
  static const char* const LETTRES[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j",
                                        "k", "l", "m", "n", "o", "p", "r", "s", "t", "u",
                                        "v", "w", "y", "z", "é", "è", "à", "ç", "ô"};
  std::string s;
  for (uint32_t n = 3 + Tirer(h, 8); n; n--) s += LETTRES[Tirer(h, 29)];
  if (Tirer(h, 8) == 0 && s[0] >= 'a' && s[0] <= 'z') s[0] = (char)(s[0] - 32);
  if (Tirer(h, 10) == 0) s.insert(s.size() / 2, "-");
  return s;
}

// Cards with one to five keywords drawn from vocabulaire, separated by
// blanks, commas, line breaks and tabs.
std::vector<uint8_t> Generer(uint32_t nombre, uint32_t vocabulaire) {
  uint64_t h = UINT64_C(0x9E3779B97F4A7C15) ^ nombre ^ ((uint64_t)vocabulaire << 32);
  std::vector<std::string> mots;
  for (uint32_t i = 0; i < vocabulaire; i++) mots.push_back(Mot(&h));
  static const char* const SEPARATEURS[] = {" ", ", ", "\r\n", "\t"};
  std::vector<uint8_t> octets;
  for (uint32_t k = 0; k < nombre; k++) {
    std::string nom = "Site " + std::to_string(k);
    std::string cles;
    for (uint32_t n = 1 + Tirer(&h, 5); n; n--)
      cles += mots[Tirer(&h, vocabulaire)] + SEPARATEURS[Tirer(&h, 4)];
    const char* textes[NB_CHAMPS] = {nom.c_str(), "", "", cles.c_str(), ""};
    uint32_t longueurs[NB_CHAMPS] = {(uint32_t)nom.size(), 0, 0, (uint32_t)cles.size(), 0};
    size_t debut = octets.size();
    octets.resize(debut + FicheTaille(longueurs));
    FicheEcrire(octets.data() + debut, 0, textes, longueurs);
  }
  return octets;
}

// A page device and a progress box that do nothing; the characters drawn
// are counted.
uint64_t caracteres_dessines = 0;
void Rien(void*, Poignee) {}
void Taille(void*, Poignee, int* l, int* h) {
  *l = 210;
  *h = 297;
}
void Choisir(void*, Poignee, Poignee) {}
int Largeur(void*, Poignee, const char*, int n) { return 100 * n; }
void Texte(void*, Poignee, int, int, const char*, int n) { caracteres_dessines += (uint64_t)n; }
void ADroite(void*, Poignee, int, int, int, int, const char*) {}
void Ligne(void*, Poignee, int, int, int, int) {}
int Document(void*, Poignee, const char*) { return 1; }
int Oui(void*, Poignee) { return 1; }
Poignee Ouvrir(void*, Poignee, const char*, unsigned, int*) { return (Poignee)1; }
void Ecrire(void*, Poignee, unsigned, const char*) {}
void Activer(void*, Poignee, int) {}
void Abandon(void*, Poignee, Poignee) {}

const PageImpression PAGE_MUETTE = {
    .ctx = nullptr,
    .taille_mm = Taille,
    .mode_twips = Rien,
    .choisir = Choisir,
    .largeur = Largeur,
    .texte = Texte,
    .texte_a_droite = ADroite,
    .ligne = Ligne,
    .debut_document = Document,
    .debut_page = Oui,
    .fin_page = Oui,
    .fin_document = Oui,
    .abandon_document = Oui,
};
const ProgressionImpression BOITE_MUETTE = {
    .ctx = nullptr,
    .ouvrir = Ouvrir,
    .ecrire = Ecrire,
    .traiter_messages = Rien,
    .fermer = Rien,
    .activer = Activer,
    .installer_abandon = Abandon,
};

struct Banc {
  FauxSysteme systeme;
  std::vector<uint8_t> octets;
  Poignee noms = nullptr;  // a device-names block
  uint8_t* debut() { return octets.data(); }
  uint8_t* fin() { return octets.data() + octets.size(); }

  Banc() {
    systeme.racine = "/tmp";
    systeme.deplacer_blocs = 0;
    systeme.page_impression = PAGE_MUETTE;
    systeme.progression_impression = BOITE_MUETTE;
    const char texte[] = "\x08\x00\x11\x00\x15\x00\x00\x00winspool\0PDF\0FILE:";
    noms = systeme.memoire.bloc_allouer(systeme.memoire.ctx, sizeof texte);
    memcpy(systeme.memoire.bloc_verrouiller(systeme.memoire.ctx, noms), texte, sizeof texte);
  }
  ~Banc() {
    systeme.memoire.bloc_deverrouiller(systeme.memoire.ctx, noms);
    systeme.memoire.bloc_liberer(systeme.memoire.ctx, noms);
  }
  EnregistrementImpression Impression() const {
    EnregistrementImpression e{};
    e.lStructSize = 66;
    e.hDC = (Poignee)0xDC;
    e.hDevNames = noms;
    return e;
  }
};

// Our collection and sort of the keywords: the sorted list, or its count alone.
std::vector<std::string> NosValeurs(Banc* b, bool garder, uint32_t* nombre) {
  ValeursRapides v;
  int abandon = 0;
  const AttenteValeurs attente = {[](void*) {}, nullptr, &abandon};
  std::vector<std::string> liste;
  if (ValeursPreparer(&v, &b->systeme.memoire) &&
      ValeursCollecter(&v, b->debut(), b->fin(), RAPIDE_MOTS_CLES, &attente) == VALEURS_FAIT &&
      ValeursTrier(&v, &b->systeme.caracteres, &attente) == VALEURS_FAIT) {
    *nombre = v.nombre;
    for (const char* t = v.triees; garder && liste.size() < v.nombre; t += strlen(t) + 1)
      liste.push_back(t);
  } else {
    *nombre = 0;
  }
  ValeursLiberer(&v);
  return liste;
}

template <typename F>
double Chronometrer(F f, int repetitions = REPETITIONS) {
  std::vector<double> temps;
  for (int i = 0; i < repetitions; i++) {
    auto debut = std::chrono::steady_clock::now();
    f();
    temps.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
            .count());
  }
  std::sort(temps.begin(), temps.end());
  return temps[temps.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  uint32_t nombre = 1000000, litteral = 20000, fiches = 10000;
  for (int i = 1; i < argc; i++) {
    if (!strncmp(argv[i], "--litteral=", 11))
      litteral = (uint32_t)atoi(argv[i] + 11);
    else if (!strncmp(argv[i], "--fiches=", 9))
      fiches = (uint32_t)atoi(argv[i] + 9);
    else
      nombre = (uint32_t)atoi(argv[i]);
  }
  bool bon = true;

  printf("Quick list of the distinct keywords, median of %d runs\n", REPETITIONS);
  Banc grand;
  grand.octets = Generer(nombre, VOCABULAIRE_GRAND);
  InstallerFauxSysteme(&grand.systeme);
  uint32_t valeurs = 0;
  double t = Chronometrer([&] { NosValeurs(&grand, false, &valeurs); });
  printf("  %8u cards: collection and sort %8.1f ms  (%u values)\n", nombre, t, valeurs);
  const EnregistrementImpression e = grand.Impression();
  uint16_t resultat = 0;
  caracteres_dessines = 0;
  t = Chronometrer([&] {
    resultat = Util_Dll_Impression_Rapide((Poignee)1, e, (Poignee)2, (Poignee)3, (Poignee)4,
                                          grand.debut(), grand.fin(), nombre, 320,
                                          RAPIDE_MOTS_CLES);
  });
  printf("  %8u cards: whole quick print  %8.1f ms  (%llu characters laid out)\n", nombre, t,
         (unsigned long long)(caracteres_dessines / REPETITIONS));
  bon = bon && resultat == 1;

  Banc petit;
  petit.octets = Generer(litteral, VOCABULAIRE_PETIT);
  InstallerFauxSysteme(&petit.systeme);
  std::vector<std::string> nos, litt;
  t = Chronometrer([&] { nos = NosValeurs(&petit, true, &valeurs); });
  double tl = Chronometrer(
      [&] {
        litt = ValeursLitterales(&petit.systeme.caracteres, petit.debut(), petit.fin(),
                                 RAPIDE_MOTS_CLES);
      },
      1);
  printf("  %8u cards: ours %8.1f ms, literal scan and selection sort %9.1f ms, ratio %7.1f,"
         " %zu values, %s\n",
         litteral, t, tl, tl / t, nos.size(), nos == litt ? "same list" : "LISTS DIFFER");
  bon = bon && nos == litt;

  Banc cartes;
  Magasin m{};
  if (!GenererFiches(&m, &cartes.systeme.memoire, fiches)) return 1;
  InstallerFauxSysteme(&cartes.systeme);
  const EnregistrementImpression ec = cartes.Impression();
  char expression[10001] = "", tampon_recherche[10001] = "";
  std::vector<uint8_t> transfert(65534);
  caracteres_dessines = 0;
  t = Chronometrer([&] {
    resultat = Util_Dll_Lancer_Impression(
        (Poignee)1, ec, (Poignee)2, (Poignee)3, (Poignee)4, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1,
        1, 1, 1, 0, m.lpDebutMem, m.lpFinMem, (uint32_t)m.TotalFiches, m.lpDebutMem, expression,
        1, 1, 1, 1, 1, tampon_recherche, 0, 0, 0, 0, 320, transfert.data());
  });
  printf("Card printout, every field with its title and frame, page numbers\n");
  printf("  %8u cards: %8.1f ms  (%llu characters drawn)\n", fiches, t,
         (unsigned long long)(caracteres_dessines / REPETITIONS));
  bon = bon && resultat == 1;
  MagasinLiberer(&m, &cartes.systeme.memoire);
  return bon && grand.systeme.messages.empty() && petit.systeme.messages.empty() ? 0 : 1;
}
