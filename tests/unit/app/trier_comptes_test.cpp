// The sort and the counts as the main program runs them from the menu.
#include <gtest/gtest.h>

#include "commandes.h"
#include "essai_programme.h"
#include "outils_fiches.h"

namespace {

class TrierComptesTest : public EssaiProgramme {
 protected:
  void Demarrer(const std::vector<Textes>& fiches) {
    std::string cartes;
    for (const Textes& t : fiches) cartes += OctetsFiche(t, t[0] == "b");
    faux.Ecrire("C:\\f.lvx", OctetsFichier(cartes, (uint32_t)fiches.size()));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
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
// new number; the work is then modified.
TEST_F(TrierComptesTest, LeTriGardeLaFicheEcran) {
  Demarrer({{"c", "http://b/", "1", "", ""}, {"a", "http://c/", "3", "", ""},
            {"b", "http://a/", "2", "", ""}});
  Taper(CHAMP_NOTES, "tapée");
  const struct {
    unsigned id;
    int champ;
    const char* ordre;
    const char* numero;
  } cas[] = {{CMD_TRIER_NOMS, CHAMP_NOM, "a;b;c;", "0000003/0000003"},
             {CMD_TRIER_URL, CHAMP_URL, "http://a/;http://b/;http://c/;", "0000002/0000003"},
             {CMD_TRIER_RUBRIQUES, CHAMP_RUBRIQUE, "1;2;3;", "0000001/0000003"}};
  for (const auto& c : cas) {
    p.TravailModifie = 0;
    Commande(c.id);
    EXPECT_EQ(Colonne(c.champ), c.ordre);
    EXPECT_EQ(Compteurs(), c.numero);
    EXPECT_EQ(Nom(), "c");
    EXPECT_EQ(Texte(vue.champs[CHAMP_NOTES]), "tapée");
    EXPECT_EQ(p.TravailModifie, 1);
  }
  EXPECT_EQ(faux.controles[vue.marquage].cochee, 0);
  EXPECT_EQ(LireMot(MagasinFiche(&p.magasin, 2)), 1) << "b keeps its mark";
}

// One card: nothing at all, not even the write back. No memory: the
// library's message, and the card and the work as they were.
TEST_F(TrierComptesTest, UneFicheOuPasDeMemoireRienNeChange) {
  Demarrer({{"seule", "", "", "", ""}});
  Taper(CHAMP_NOM, "tapée");
  Commande(CMD_TRIER_NOMS);
  EXPECT_EQ(TextesFiche(p.magasin.lpDebutMem)[0], "seule");
  EXPECT_TRUE(faux.curseurs.empty());
  EXPECT_EQ(p.TravailModifie, 0);

  faux.Ecrire("C:\\g.lvx", OctetsFichier(OctetsFiche({"b", "", "", "", ""}) +
                                             OctetsFiche({"a", "", "", "", ""}), 2));
  ASSERT_EQ(ProgrammeCharger(&p, "C:\\g.lvx"), 1);
  p.TravailModifie = 0;
  faux.echec_allocation_dans = 1;
  Commande(CMD_TRIER_NOMS);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de mémoire impossible ! "});
  EXPECT_EQ(Colonne(CHAMP_NOM), "b;a;");
  EXPECT_EQ(Compteurs(), "0000001/0000002");
  EXPECT_EQ(p.TravailModifie, 0);
}

// Each menu entry reaches its count, over the texts written back first.
TEST_F(TrierComptesTest, ChaqueEntreeDuMenuSonCompte) {
  Demarrer({{"b", "http://x/", "Web", "un deux", "web"}, {"a", "http://x/", "web", "un", ""}});
  Taper(CHAMP_RUBRIQUE, "Art");
  snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", "web");
  const struct {
    unsigned id;
    const char* ligne;
    const char* nombre;
  } cas[] = {
      {CMD_COMPTE_MARQUEES, "Nombre de fiches marquées :", "1"},
      {CMD_COMPTE_RECHERCHE, " aux critères de recherche :", "2"},
      {CMD_TAILLE_TRAVAIL, "du travail en cours :", "136"},
      {CMD_COMPTE_INCOMPLETES, "Incomplètes :", "1"},
      {CMD_NOMBRE_RUBRIQUES, "disponibles :", "2"},
      {CMD_NOMBRE_MOTS_CLES, "disponibles :", "2"},
      {CMD_COMPTE_NOM_EN_COURS, "de la fiche en cours :", "1"},
      {CMD_COMPTE_URL_EN_COURS, "l'URL de la fiche en cours :", "2"},
      {CMD_COMPTE_RUBRIQUE_EN_COURS, "la rubrique de la fiche en cours :", "1"},
  };
  for (const auto& c : cas) {
    faux.resultats_calcul.clear();
    Commande(c.id);
    ASSERT_EQ(faux.resultats_calcul.size(), 1u) << c.ligne;
    EXPECT_EQ(faux.resultats_calcul[0].ligne2, c.ligne);
    EXPECT_EQ(faux.resultats_calcul[0].nombre, c.nombre) << c.ligne;
  }
}

// The selected text counted in every field whatever the case, then the
// user's own criteria and expression back.
TEST_F(TrierComptesTest, LaSelectionAvecDesCriteresProvisoires) {
  Demarrer({{"Le Web", "", "", "", ""}, {"a", "", "", "", "web"}, {"c", "", "", "", ""}});
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
