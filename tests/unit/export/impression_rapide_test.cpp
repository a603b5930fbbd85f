// lvxprap through its export on the fake page device: a list against its
// golden file, what each kind collects, the sort against the selection
// sort on values that compare equal or nearly, the cancel, the memory
// failures at each step.
#include <gtest/gtest.h>

#include <algorithm>

#include "bench/rapide_litteral.h"
#include "essai_impression.h"
#include "lvxprap.h"
#include "lvxprap_ids.h"
#include "valeurs_rapides.h"

namespace {

class ImpressionRapideTest : public EssaiImpression {
 protected:
  uint16_t Rapide(uint16_t genre) {
    return Util_Dll_Impression_Rapide(FENETRE, impression, POLICE, POLICE_TITRE, STYLO, Debut(),
                                      Fin(), 0, 320, genre);
  }
  // The values drawn, each on a line of its own.
  std::vector<std::string> Valeurs() const {
    std::vector<std::string> v;
    for (const std::string& l : faux.dessins)
      if (l.rfind("car ", 0) == 0) v.push_back(l.substr(l.find(' ', l.find(' ', 4) + 1) + 1));
    return v;
  }
  const std::vector<std::string>& Progres() { return faux.textes_impression[IDC_RAPIDE_PROGRES]; }
};

Carte Cles(const std::string& mots_cles) { return {{"", "", "", mots_cles, ""}}; }

// A 60 mm page holds four values: the header on each page, a value longer
// than the line continuing at x0, no frame.
TEST_F(ImpressionRapideTest, MotsClesTriesSurDeuxPages) {
  faux.page_largeur_mm = 100;
  faux.page_hauteur_mm = 60;
  Remplir({Cles("web html, web\r\nzeta"), Cles(""), Cles("Alpha " + std::string(45, 'm')),
           Cles("html, beta\tWeb")});
  EXPECT_EQ(Rapide(RAPIDE_MOTS_CLES), 1);
  Golden("rapide_mots_cles.txt");
  EXPECT_EQ(Progres().front(), "Calcul des mots cl\xe9s en cours...");
  EXPECT_EQ(Progres().back(), "Impression du mot cl\xe9 7 sur 7");
  ASSERT_EQ(faux.boites_impression.size(), 1u);
  EXPECT_EQ(faux.boites_impression[0].modele, "LVXPRAP_PRINTINGBOX");
  EXPECT_EQ(faux.boites_impression[0].annuler, (unsigned)IDC_RAPIDE_ANNULER);
  EXPECT_EQ(faux.textes_impression[IDC_RAPIDE_IMPRIMANTE], std::vector<std::string>{"PDF"});
  EXPECT_EQ(faux.procedures_abandon, std::vector<Poignee>{DC});
  VerifierFin();
  EXPECT_EQ(Lvxprap_RecupererhDevMode(), nullptr);
  EXPECT_EQ(Lvxprap_RecupererhDevNames(), nullptr);
}

// What each kind lists, and its texts.
TEST_F(ImpressionRapideTest, ChaqueGenreSesValeursEtSesTextes) {
  const std::vector<Carte> fiches = {
      {{"Exemple", "http://b.fr/", "Web", "html web", ""}},
      {{"exemple", "http://a.fr/", "", "web", ""}},
      {{"Exemple", "", "Divers", "html, web", ""}},
      {{"", "http://a.fr/", "web", "", ""}},
  };
  const struct {
    uint16_t genre;
    std::vector<std::string> valeurs;
    const char *collecte, *entete, *progres;
  } cas[] = {
      {RAPIDE_NOMS, {"exemple", "Exemple"}, "Calcul des noms de sites en cours...",
       "Noms de sites Page 1", "Impression du nom de site 2 sur 2"},
      {RAPIDE_URL, {"http://a.fr/", "http://b.fr/"}, "Calcul des URL en cours...", "URL Page 1",
       "Impression de l'URL 2 sur 2"},
      {RAPIDE_RUBRIQUES, {"Divers", "web", "Web"}, "Calcul des rubriques en cours...",
       "Rubriques Page 1", "Impression de la rubrique 3 sur 3"},
      {RAPIDE_MOTS_CLES, {"html", "html,", "web"}, "Calcul des mots cl\xe9s en cours...",
       "Mots cl\xe9s Page 1", "Impression du mot cl\xe9 3 sur 3"},
  };
  Remplir(fiches);
  for (const auto& c : cas) {
    SCOPED_TRACE(c.entete);
    faux.dessins.clear();
    faux.textes_impression.clear();
    EXPECT_EQ(Rapide(c.genre), 1);
    EXPECT_EQ(Valeurs(), c.valeurs);
    EXPECT_EQ(faux.dessins[5], "droite 855 355 11400 850 " + std::string(c.entete));
    EXPECT_EQ(Progres().front(), c.collecte);
    EXPECT_EQ(Progres().back(), c.progres);
  }
  EXPECT_TRUE(faux.messages.empty());
}

// The longest value fills the value buffer to its last byte, and no further.
TEST_F(ImpressionRapideTest, LaValeurLaPlusLongueTientDansLeTampon) {
  Remplir({{{std::string(65534, 'n'), "", "", "", ""}}});
  EXPECT_EQ(Rapide(RAPIDE_NOMS), 1);
  size_t n = 0;
  for (const std::string& v : Valeurs()) n += v.size();
  EXPECT_EQ(n, 65534u);
}

// Without any value: one page, without a header.
TEST_F(ImpressionRapideTest, ListeVideUnePageSansEntete) {
  Remplir({Cles(" \t\r\n "), Cles("")});
  EXPECT_EQ(Rapide(RAPIDE_MOTS_CLES), 1);
  EXPECT_EQ(Journal(),
            "twips\nchoisir police\nchoisir stylo\ndocument debut Document Lorvanix\npage debut\n"
            "page fin\ndocument fin\n");
}

// Values that compare equal though their bytes differ (control characters
// and ligatures weigh nothing of their own), accents, case, hyphens and
// apostrophes: the same order as the selection sort, whatever the order
// the values are met in.
TEST_F(ImpressionRapideTest, LeTriEgaleLeTriParSelection) {
  std::vector<std::string> noms = {
      "oeuvre", "\x9cuvre", "\x8cuvre", "Oeuvre", "ete",  "\xe9t\xe9", "\xc9t\xe9", "Ete",
      "e-te",   "ete-",     "e'te",     "coop",   "co-op", "Coop",    "a\x01" "b", "ab",
      "a\x7f" "b", "1",     "10",       "9",      "-",    "'",        "a b",  "a  b",
      "zz",     "\xe6" "b", "aeb",      "AEB",    "\xc6" "b"};
  const Caracteres* c = &faux.caracteres;
  for (int tour = 0; tour < 4; tour++) {
    SCOPED_TRACE(tour);
    std::vector<Carte> fiches;
    for (const std::string& n : noms) fiches.push_back({{n, "", "", "", ""}});
    Remplir(fiches);
    ValeursRapides v;
    int abandon = 0;
    const AttenteValeurs attente = {[](void*) {}, nullptr, &abandon};
    ASSERT_TRUE(ValeursPreparer(&v, &faux.memoire));
    ASSERT_EQ(ValeursCollecter(&v, Debut(), Fin(), RAPIDE_NOMS, &attente), VALEURS_FAIT);
    ASSERT_EQ(ValeursTrier(&v, c, &attente), VALEURS_FAIT);
    std::vector<std::string> nos;
    for (const char* t = v.triees; nos.size() < v.nombre; t += strlen(t) + 1) nos.push_back(t);
    ValeursLiberer(&v);
    EXPECT_EQ(nos, ValeursLitterales(c, Debut(), Fin(), RAPIDE_NOMS));
    EXPECT_EQ(nos.size(), noms.size());
    if (tour == 0) {
      // Equal in the order, the first met first.
      EXPECT_EQ(c->comparer(c->ctx, "oeuvre", "\x9cuvre"), 0);
      auto oe = std::find(nos.begin(), nos.end(), "oeuvre");
      ASSERT_NE(oe, nos.end());
      EXPECT_EQ(*(oe + 1), "\x9cuvre");
    }
    std::reverse(noms.begin(), noms.end());
    if (tour == 1) std::rotate(noms.begin(), noms.begin() + 7, noms.end());
  }
}

TEST_F(ImpressionRapideTest, AnnulerPendantLaCollecteNEnvoieRien) {
  Remplir({Cles("a b"), Cles("c")});
  faux.annuler_au_pompage = 1;
  EXPECT_EQ(Rapide(RAPIDE_MOTS_CLES), 1);
  EXPECT_FALSE(Documente());
  EXPECT_TRUE(faux.messages.empty());
  VerifierFin();

  // Between two values: the document is dropped.
  faux.dessins.clear();
  faux.pompages = 0;
  faux.annuler_au_pompage = 4;  // collection, sort, first value, second
  EXPECT_EQ(Rapide(RAPIDE_MOTS_CLES), 1);
  EXPECT_EQ(Valeurs(), std::vector<std::string>{"a"});
  EXPECT_EQ(faux.dessins.back(), "document abandon");
}

// Each allocation that fails, in turn: its box, the command ended, the
// window enabled, the box closed, nothing sent, nothing left allocated.
TEST_F(ImpressionRapideTest, ChaqueEchecDeMemoire) {
  const char* const AVEC_BLANC = "Allocation de m\xe9moire impossible ! ";
  const char* const SANS_BLANC = "Allocation de m\xe9moire impossible !";
  const struct {
    int allocation;
    const char* texte;
    bool boite;
  } cas[] = {
      {1, AVEC_BLANC, false},  // the value buffer
      {2, SANS_BLANC, true},   // the list
      {3, SANS_BLANC, true},   // the values seen
      {4, SANS_BLANC, true},   // the list grown
      {5, AVEC_BLANC, true},   // the sort's working memory
      {6, AVEC_BLANC, true},
      {7, SANS_BLANC, true},  // the sorted list
  };
  // About 12,000 bytes of distinct values: the list grows once.
  std::vector<Carte> fiches;
  for (int i = 0; i < 400; i++)
    fiches.push_back({{"Site numero " + std::to_string(i) + std::string(18, 'x'), "", "", "", ""}});
  Remplir(fiches);
  for (const auto& c : cas) {
    SCOPED_TRACE(c.allocation);
    faux.messages.clear();
    faux.activations.clear();
    faux.dessins.clear();
    faux.echec_allocation_dans = c.allocation;
    EXPECT_EQ(Rapide(RAPIDE_NOMS), 0);
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].texte, c.texte);
    EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ERREUR);
    EXPECT_EQ(faux.messages[0].proprietaire, FENETRE);
    EXPECT_FALSE(Documente());
    EXPECT_EQ(faux.boites_impression.empty(), !c.boite);
    if (c.boite) VerifierFin();
    faux.boites_impression.clear();
    EXPECT_EQ(faux.blocs_vivants, 1);  // the device names
  }

  faux.messages.clear();
  faux.memoire.bloc_liberer(faux.memoire.ctx, impression.hDevNames);
  impression.hDevNames = nullptr;
  EXPECT_EQ(Rapide(RAPIDE_NOMS), 0);
  EXPECT_EQ(faux.Textes(),
            std::vector<std::string>{"l'imprimante n'est pas correctement configur\xe9" "e."});
  EXPECT_TRUE(faux.boites_impression.empty());
  EXPECT_EQ(Rapide(5), 0);
}

}  // namespace
