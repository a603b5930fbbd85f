// lvxprint through its export on the fake page device: the layout against
// golden files (fields, titles, frame, page numbers, one card per page,
// long lines, tabs, a field across a page), then the selections, the
// refusals, the cancel and the spooler's failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "essai_impression.h"
#include "fiche.h"
#include "lvxprint.h"
#include "lvxprint_ids.h"

namespace {

class ImpressionTest : public EssaiImpression {
 protected:
  std::vector<uint8_t> transfert = std::vector<uint8_t>(65534);
  char expression[10001] = "";
  char tampon_recherche[10001] = "";
  uint16_t selection[4] = {1, 0, 0, 0};  // all, on screen, search, marked
  uint16_t champs[10] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};  // each field and its title in turn
  uint16_t pagination = 1, cadre = 1, fiche_par_page = 1;
  size_t ecran = 0;  // the card on screen's offset

  uint16_t Imprimer() {
    uint32_t total = 0;
    for (uint8_t* f = Debut(); f < Fin(); f = FicheSuivante(f)) total++;
    return Util_Dll_Lancer_Impression(
        FENETRE, impression, POLICE, POLICE_TITRE, STYLO, selection[0], selection[1],
        selection[2], selection[3], champs[0], champs[1], champs[2], champs[3], champs[4],
        champs[5], champs[6], champs[7], champs[8], champs[9], pagination, cadre, fiche_par_page,
        Debut(), Fin(), total, Debut() + ecran, expression, 1, 1, 1, 1, 1, tampon_recherche, 0, 0,
        0, 0, 320, transfert.data());
  }
  const std::vector<std::string>& Progres() {
    return faux.textes_impression[IDC_IMPRESSION_PROGRES];
  }
};

const std::vector<Carte> TROIS = {
    {{"Alpha", "http://a.fr/", "Web", "html", "Un"}},
    {{"Beta", "http://b.fr/", "", "", ""}, 1},
    {{"Gamma", "http://g.fr/", "Divers", "css web", "Trois"}, 1},
};

TEST_F(ImpressionTest, UneFicheParPageTroisPagesNumerotees) {
  Remplir(TROIS);
  EXPECT_EQ(Imprimer(), 1);
  Golden("fiches_par_page.txt");
  EXPECT_EQ(Progres(), (std::vector<std::string>{"Impression de la fiche 1 sur 3",
                                                 "Impression de la fiche 2 sur 3",
                                                 "Impression de la fiche 3 sur 3"}));
  ASSERT_EQ(faux.boites_impression.size(), 1u);
  EXPECT_EQ(faux.boites_impression[0].modele, "PRINTINGBOX");
  EXPECT_EQ(faux.boites_impression[0].proprietaire, FENETRE);
  EXPECT_EQ(faux.boites_impression[0].annuler, (unsigned)IDC_IMPRESSION_ANNULER);
  EXPECT_EQ(faux.textes_impression[IDC_IMPRESSION_ENVOI],
            std::vector<std::string>{"Lorvanix envoie le document sur :"});
  EXPECT_EQ(faux.textes_impression[IDC_IMPRESSION_IMPRIMANTE], std::vector<std::string>{"PDF"});
  EXPECT_EQ(faux.procedures_abandon, std::vector<Poignee>{DC});
  EXPECT_EQ(faux.activations.size(), 2u);
  VerifierFin();
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(RecupererhDevMode(), nullptr);
  EXPECT_EQ(RecupererhDevNames(), nullptr);
}

// 40 characters fit between x0 and the right margin of a 100 mm page; a
// tab goes to the next stop, nine widths of "a" on; "W" is twice as wide;
// CR LF starts a line; no frame, no titles but the notes', no page number;
// two cards on one page with an empty line between them.
TEST_F(ImpressionTest, LignesLonguesTabulationsEtDeuxFichesSurUnePage) {
  faux.page_largeur_mm = 100;
  pagination = cadre = fiche_par_page = 0;
  const uint16_t nom_et_notes[10] = {1, 0, 0, 0, 0, 0, 0, 0, 1, 1};
  std::copy(nom_et_notes, nom_et_notes + 10, champs);
  Remplir({{{"Site", "", "", "", std::string(45, 'x') + "\tfin\r\na\tb\tc\r\n" +
                                     std::string(38, 'y') + "WW"}},
           {{"Second", "", "", "", "z"}}});
  EXPECT_EQ(Imprimer(), 1);
  Golden("lignes_longues.txt");
}

// A 60 mm page holds a few lines: the notes cross to the next page, whose
// frame sides start again at the top, and whose number is 2.
TEST_F(ImpressionTest, UnChampQuiPasseLaPage) {
  faux.page_largeur_mm = 100;
  faux.page_hauteur_mm = 60;
  champs[2] = champs[4] = champs[6] = 0;  // the site name and the notes
  Remplir({{{"Site", "", "", "", "un\r\ndeux\r\ntrois\r\nquatre\r\ncinq"}}});
  EXPECT_EQ(Imprimer(), 1);
  Golden("champ_coupe.txt");
}

// The longest field fills the transfer buffer to its last byte, and no
// further: every character is drawn.
size_t Caracteres(const std::vector<std::string>& dessins) {
  size_t n = 0;
  for (const std::string& l : dessins)
    if (l.rfind("car ", 0) == 0) n += l.size() - l.find(' ', l.find(' ', 4) + 1) - 1;
  return n;
}

TEST_F(ImpressionTest, LeChampLePlusLongTientDansLeTampon) {
  for (int i = 0; i < 8; i++) champs[i] = 0;
  Remplir({{{"", "", "", "", std::string(65534, 'n')}}});
  EXPECT_EQ(Imprimer(), 1);
  EXPECT_EQ(Caracteres(faux.dessins), 65534u);
}

TEST_F(ImpressionTest, SansNomsDePeripheriqueRienNEstImprime) {
  Remplir(TROIS);
  faux.memoire.bloc_liberer(faux.memoire.ctx, impression.hDevNames);
  impression.hDevNames = nullptr;
  EXPECT_EQ(Imprimer(), 0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "l'imprimante n'est pas correctement configur\xe9" "e.");
  EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ERREUR);
  EXPECT_EQ(faux.messages[0].proprietaire, FENETRE);
  EXPECT_TRUE(faux.dessins.empty());
  EXPECT_TRUE(faux.boites_impression.empty());
  EXPECT_TRUE(faux.activations.empty());
}

// Which cards each selection prints: their site names, in order, and the
// progress texts of the count before.
TEST_F(ImpressionTest, ChaqueSelectionSesFiches) {
  const struct {
    int selection;
    const char* expression;
    std::vector<std::string> noms;
    const char* calcul;  // the first progress text, or null
    const char* refus;   // the box shown instead of printing, or null
  } cas[] = {
      {0, "", {"Alpha", "Beta", "Gamma"}, nullptr, nullptr},
      {1, "", {"Beta"}, nullptr, nullptr},
      {2, "WEB", {"Alpha", "Gamma"}, "Calcul de la recherche en cours...", nullptr},
      {3, "", {"Beta", "Gamma"}, "S\xe9lection des fiches marqu\xe9" "es en cours...", nullptr},
      {2, "absent", {}, "Calcul de la recherche en cours...",
       "Il n'y a pas de fiche correpondant aux crit\xe8res de recherche."},
      {3, "", {}, "S\xe9lection des fiches marqu\xe9" "es en cours...",
       "Il n'y a pas de fiche marqu\xe9" "e."},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.selection);
    faux.dessins.clear();
    faux.messages.clear();
    faux.textes_impression.clear();
    faux.activations.clear();
    Remplir(TROIS);
    if (c.refus && c.selection == 3) Remplir({{TROIS[0].textes}});
    ecran = OctetsFiche(TROIS[0].textes).size();
    snprintf(expression, sizeof expression, "%s", c.expression);
    for (int i = 0; i < 4; i++) selection[i] = i == c.selection;
    champs[1] = 0;
    for (int i = 2; i < 10; i++) champs[i] = 0;
    EXPECT_EQ(Imprimer(), 1);
    std::vector<std::string> noms;
    for (const std::string& l : faux.dessins)
      if (l.rfind("car ", 0) == 0) noms.push_back(l.substr(l.rfind(' ') + 1));
    EXPECT_EQ(noms, c.noms);
    std::vector<std::string> progres = Progres();
    if (c.calcul) {
      ASSERT_FALSE(progres.empty());
      EXPECT_EQ(progres[0], c.calcul);
      progres.erase(progres.begin());
    }
    EXPECT_EQ(progres.size(), c.noms.size());
    if (!c.noms.empty()) {
      EXPECT_EQ(progres.back(), "Impression de la fiche " + std::to_string(c.noms.size()) +
                                    " sur " + std::to_string(c.noms.size()));
    }
    EXPECT_EQ(Documente(), !c.noms.empty());
    if (c.refus) {
      ASSERT_EQ(faux.messages.size(), 1u);
      EXPECT_EQ(faux.messages[0].texte, c.refus);
      EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ATTENTION);
      EXPECT_EQ(faux.messages[0].proprietaire, FOCUS);
      EXPECT_TRUE(faux.dessins.size() == 3u) << Journal();  // twips, font and pen only
    } else {
      EXPECT_TRUE(faux.messages.empty());
    }
    VerifierFin();
  }
}

// The cancel button, while counting or between cards, and the spooler's
// refusals: the document is dropped, or never started.
TEST_F(ImpressionTest, AnnulationEtRefusDuSpouleur) {
  const struct {
    const char* nom;
    int selection;
    int annuler_au_pompage, echec_document, echec_page, echec_fin_page;
    size_t imprimees;  // cards drawn
    bool documente;
  } cas[] = {
      {"annuler avant la deuxieme fiche", 0, 2, 0, 0, 0, 1, true},
      {"annuler pendant le calcul", 2, 1, 0, 0, 0, 0, false},
      {"document refuse", 0, 0, 1, 0, 0, 0, true},
      {"premiere page refusee", 0, 0, 0, 1, 0, 0, true},
      {"deuxieme page refusee", 0, 0, 0, 2, 0, 1, true},
      {"fin de page refusee", 0, 0, 0, 0, 1, 1, true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    faux.dessins.clear();
    faux.activations.clear();
    faux.annuler_au_pompage = c.annuler_au_pompage;
    faux.echec_debut_document = c.echec_document;
    faux.echec_debut_page_dans = c.echec_page;
    faux.echec_fin_page_dans = c.echec_fin_page;
    snprintf(expression, sizeof expression, "http");
    for (int i = 0; i < 4; i++) selection[i] = i == c.selection;
    Remplir(TROIS);
    EXPECT_EQ(Imprimer(), 1);
    size_t imprimees = 0;
    for (const std::string& l : faux.dessins) imprimees += l == "texte 955 955 Nom du site:";
    EXPECT_EQ(imprimees, c.imprimees);
    EXPECT_EQ(Documente(), c.documente);
    if (c.documente) {
      EXPECT_EQ(faux.dessins.back(), "document abandon");
    }
    EXPECT_EQ(std::count(faux.dessins.begin(), faux.dessins.end(), "document fin"), 0);
    EXPECT_TRUE(faux.messages.empty());
    VerifierFin();
  }
}

}  // namespace
