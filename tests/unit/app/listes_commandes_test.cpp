// The Afficher menu as the main program runs it: the flags each entry
// hands over, the card chosen shown, the search criteria taken from a
// category or keyword and used by the next search.
#include "listes.h"

#include <gtest/gtest.h>

#include "dialogues_affic.h"
#include "essai_programme.h"
#include "lorvanix_ids.h"
#include "lvxaffic_ids.h"
#include "outils_fiches.h"

namespace {

class ListesCommandesTest : public EssaiProgramme {
 protected:
  void SetUp() override {
    EssaiProgramme::SetUp();
    std::string cartes =
        OctetsFiche({"Outil", "http://a.fr/outils/", "Web", "html css", ""}) +
        OctetsFiche({"Exemple", "http://b.fr/index.html", "Divers", "", ""}, 1) +
        OctetsFiche({"Outil", "<EXTRAWEB>C:\\app.exe C:\\docs\\lettre.doc", "Web", "", ""}, 1) +
        OctetsFiche({"Autre", "http://c.fr/", "Web", "html", "un outil"});
    faux.Ecrire("C:\\f.lvx", OctetsFichier(cartes, 4));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
    faux.messages.clear();
  }
  int Commande(unsigned id) { return ProgrammeCommande(&p, id, 0, nullptr); }
  // The next list: its title and entries noted, entry i chosen (-1: closed).
  void Choisir(int32_t i, std::string* titre = nullptr, std::vector<std::string>* entrees = nullptr) {
    faux.dans_listes.push_back([=](DialogueListes* d) {
      if (titre) *titre = d->titre;
      if (entrees)
        for (uint32_t k = 0; k < ListeNombre(&d->liste); k++)
          entrees->push_back(ListeEntree(&d->liste, k));
      d->selection = i;
      DialogueListesAppuyer(d, i < 0 ? IDC_LISTES_FERMER : IDC_LISTES_RECHERCHER);
    });
  }
};

// Each entry of the menu: its list, its cards, and the card its first
// entry leads to.
TEST_F(ListesCommandesTest, ChaqueEntreeDuMenuEtLaFicheChoisie) {
  snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", "outil");
  const struct {
    unsigned id;
    const char* titre;
    std::vector<std::string> entrees;
    const char* compteur;  // after the first entry was chosen
  } cas[] = {
      {CMD_AFFICHER_NOMS, "Noms de sites disponibles", {"Autre", "Exemple", "Outil", "Outil"},
       "0000004"},
      {CMD_AFFICHER_NOMS_MARQUEES, "Noms des sites correspondant aux fiches marquées",
       {"Exemple", "Outil"}, "0000002"},
      {CMD_AFFICHER_URL_RECHERCHE,
       "Liste des URL des fiches correspondant aux critères de recherche",
       {"<EXTRAWEB>C:\\app.exe C:\\docs\\lettre.doc", "http://a.fr/outils/", "http://c.fr/"},
       "0000003"},
      {CMD_AFFICHER_CIBLES_MARQUEES, "Liste des cibles des fiches marquées",
       {"C:\\docs\\lettre.doc", "http://b.fr/index.html"}, "0000003"},
      {CMD_AFFICHER_FINS_CIBLES, "Liste des fins de cibles disponibles",
       {"c.fr/", "index.html", "lettre.doc", "outils/"}, "0000004"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.titre);
    std::string titre;
    std::vector<std::string> entrees;
    Choisir(0, &titre, &entrees);
    Commande(c.id);
    EXPECT_EQ(titre, c.titre);
    EXPECT_EQ(entrees, c.entrees);
    EXPECT_EQ(Texte(vue.numero), c.compteur);
    EXPECT_EQ(p.magasin.NumFiche, std::stoi(c.compteur));
    EXPECT_EQ(p.magasin.lpFicheEcran, MagasinFiche(&p.magasin, p.magasin.NumFiche));
    EXPECT_EQ(TextesFiche(p.magasin.lpFicheEcran)[0], Nom());
    EXPECT_TRUE(faux.messages.empty());
  }
}

// From the search, the name chosen is shown with its match selected;
// closing the list leaves the card on screen where it was.
TEST_F(ListesCommandesTest, UnNomDeLaRechercheSelectionneSaCorrespondance) {
  snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", "outil");
  Choisir(2);  // Autre, Outil, Outil: the second card named Outil
  Commande(CMD_AFFICHER_NOMS_RECHERCHE);
  EXPECT_EQ(Compteurs(), "0000003/0000004");
  EXPECT_EQ(p.ecran.champ, vue.champs[CHAMP_NOM]);
  EXPECT_EQ(faux.controles[vue.champs[CHAMP_NOM]].debut_selection, 0u);
  EXPECT_EQ(faux.controles[vue.champs[CHAMP_NOM]].fin_selection, 5u);

  Choisir(-1);
  Commande(CMD_AFFICHER_NOMS);
  EXPECT_EQ(Compteurs(), "0000003/0000004");
  EXPECT_EQ(p.magasin.lpFicheEcran, MagasinFiche(&p.magasin, 3));
}

// A category chosen and confirmed becomes the search criteria: the next
// matching card is the next card of that category.
TEST_F(ListesCommandesTest, UneRubriqueChoisieDevientLaRecherche) {
  std::vector<std::string> entrees;
  Choisir(1, nullptr, &entrees);
  faux.dans_env_recherche.push_back(
      [](DialogueEnvRecherche* e) { return EnvRechercheAppuyer(e, IDC_ENV_OK) == ENV_OK; });
  Commande(CMD_AFFICHER_RUBRIQUES);
  EXPECT_EQ(entrees, (std::vector<std::string>{"Divers", "Web"}));
  EXPECT_STREQ(p.ExpressionRecherche, "Web");
  const CriteresRecherche& c = p.criteres;
  EXPECT_EQ((std::vector<uint16_t>{c.RechercheNoms, c.RechercheURL, c.RechercheRubriques,
                                   c.RechercheMotsCles, c.RechercheNotes, c.RechercheAvecCasse,
                                   c.RechercheAvecExactitude, c.RechercheTotalChamp,
                                   c.RechercheOccurDebutChamp}),
            (std::vector<uint16_t>{0, 0, 1, 0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(Compteurs(), "0000001/0000004") << "the card on screen stays";
  Commande(CMD_RECHERCHE_SUIVANTE);
  EXPECT_EQ(Compteurs(), "0000003/0000004");

  // A keyword cancelled in the criteria dialog, then the list closed:
  // the criteria stay as they were.
  Choisir(0);
  faux.dans_env_recherche.push_back(
      [](DialogueEnvRecherche* e) { return EnvRechercheAppuyer(e, IDC_ENV_ANNULER) == ENV_OK; });
  Commande(CMD_AFFICHER_MOTS_CLES);
  EXPECT_STREQ(p.ExpressionRecherche, "Web");
  EXPECT_EQ(c.RechercheTotalChamp, 1);
}

}  // namespace
