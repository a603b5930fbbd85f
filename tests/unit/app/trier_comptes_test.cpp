// The sort and the counts as the main program runs them from the menu.
#include <gtest/gtest.h>

#include "commandes.h"
#include "essai_programme.h"
#include "outils_fiches.h"

namespace {

class TrierComptesTest : public EssaiProgramme {
 protected:
  // Loads these cards, "b" marked.
  void Charger(const std::vector<Textes>& fiches) {
    std::string cartes;
    for (const Textes& t : fiches) cartes += OctetsFiche(t, t[0] == "b");
    faux.Ecrire("C:\\f.lvx", OctetsFichier(cartes, (uint32_t)fiches.size()));
    if (!p.magasin.lpDebutMem)
      ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
    else
      ASSERT_EQ(ProgrammeCharger(&p, "C:\\f.lvx"), 1);
    p.TravailModifie = 0;
    faux.messages.clear();
    faux.curseurs.clear();
  }
  void Commande(unsigned id) { ProgrammeCommande(&p, id, 0, nullptr); }
  std::string Colonne(int champ) {
    std::string s;
    for (uint8_t* f = p.magasin.lpDebutMem; f != p.magasin.lpFinMem; f = FicheSuivante(f))
      s += TextesFiche(f)[champ] + ";";
    return s;
  }
};

// Each sort shows the same card, its edit written back first, under its
// new number, with its mark; the work is then modified.
TEST_F(TrierComptesTest, LeTriGardeLaFicheEcran) {
  Charger({{"c", "http://b/", "1", "", ""},
           {"b", "http://c/", "3", "", ""},
           {"a", "http://a/", "2", "", ""}});
  Commande(CMD_FICHE_SUIVANTE);
  Taper(CHAMP_NOTES, "tapée");
  const struct {
    unsigned id;
    int champ;
    const char *ordre, *compteurs;
  } cas[] = {{CMD_TRIER_NOMS, CHAMP_NOM, "a;b;c;", "0000002/0000003"},
             {CMD_TRIER_URL, CHAMP_URL, "http://a/;http://b/;http://c/;", "0000003/0000003"},
             {CMD_TRIER_RUBRIQUES, CHAMP_RUBRIQUE, "1;2;3;", "0000003/0000003"}};
  for (const auto& c : cas) {
    p.TravailModifie = 0;
    Commande(c.id);
    EXPECT_EQ(Colonne(c.champ), c.ordre);
    EXPECT_EQ(Compteurs(), c.compteurs);
    EXPECT_EQ(Nom() + Texte(vue.champs[CHAMP_NOTES]), "btapée");
    EXPECT_EQ(faux.controles[vue.marquage].cochee, 1);
    EXPECT_EQ(p.TravailModifie, 1);
  }
}

// One card: nothing at all, not even the write back. No memory: the
// library's message, and the card and the work as they were.
TEST_F(TrierComptesTest, UneFicheOuPasDeMemoireRienNeChange) {
  Charger({{"seule", "", "", "", ""}});
  Taper(CHAMP_NOM, "tapée");
  Commande(CMD_TRIER_NOMS);
  EXPECT_EQ(Colonne(CHAMP_NOM), "seule;");
  EXPECT_TRUE(faux.curseurs.empty());
  EXPECT_EQ(p.TravailModifie, 0);

  Charger({{"z", "", "", "", ""}, {"a", "", "", "", ""}});
  faux.echec_allocation_dans = 1;
  Commande(CMD_TRIER_NOMS);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de mémoire impossible ! "});
  EXPECT_EQ(Colonne(CHAMP_NOM) + Compteurs(), "z;a;0000001/0000002");
  EXPECT_EQ(p.TravailModifie, 0);
}

// Each menu entry reaches its count, over the texts written back first;
// the search's count needs usable criteria.
TEST_F(TrierComptesTest, ChaqueEntreeDuMenuSonCompte) {
  Charger({{"b", "http://x/", "Web", "un deux", "web"}, {"a", "http://x/", "web", "un", ""}});
  Taper(CHAMP_RUBRIQUE, "Art");
  snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", "web");
  std::string vus;
  for (unsigned id :
       {CMD_COMPTE_MARQUEES, CMD_COMPTE_RECHERCHE, CMD_TAILLE_TRAVAIL, CMD_COMPTE_INCOMPLETES,
        CMD_NOMBRE_RUBRIQUES, CMD_NOMBRE_MOTS_CLES, CMD_COMPTE_NOM_EN_COURS,
        CMD_COMPTE_URL_EN_COURS, CMD_COMPTE_RUBRIQUE_EN_COURS}) {
    Commande(id);
    vus += faux.resultats_calcul.back().ligne2 + faux.resultats_calcul.back().nombre + "\n";
  }
  EXPECT_EQ(
      vus,
      "Nombre de fiches marquées :1\n aux critères de recherche :2\ndu travail en cours :136\n"
      "Incomplètes :1\ndisponibles :2\ndisponibles :2\nde la fiche en cours :1\n"
      "l'URL de la fiche en cours :2\nla rubrique de la fiche en cours :1\n");
  p.ExpressionRecherche[0] = 0;
  Commande(CMD_COMPTE_RECHERCHE);
  EXPECT_EQ(faux.resultats_calcul.size(), 9u);
  EXPECT_EQ(faux.messages.size(), 1u);
}

// The selected text counted in every field whatever the case, then the
// user's own criteria and expression back.
TEST_F(TrierComptesTest, LaSelectionAvecDesCriteresProvisoires) {
  Charger({{"Le Web", "", "", "", ""}, {"a", "", "", "", "web"}, {"c", "", "", "", ""}});
  snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", "zzz");
  p.criteres = CriteresRecherche{};
  p.criteres.RechercheNoms = p.criteres.RechercheAvecCasse = 1;
  const CriteresRecherche avant = p.criteres;
  faux.focus = vue.champs[CHAMP_NOM];
  faux.controles[faux.focus].debut_selection = 3;
  faux.controles[faux.focus].fin_selection = 6;
  Commande(CMD_COMPTE_SELECTION);
  ASSERT_EQ(faux.resultats_calcul.size(), 1u);
  EXPECT_EQ(faux.resultats_calcul[0].nombre, "2");
  EXPECT_STREQ(p.ExpressionRecherche, "zzz");
  EXPECT_EQ(memcmp(&p.criteres, &avant, sizeof avant), 0);
}

}  // namespace
