#include "recherche.h"

#include <gtest/gtest.h>

#include <cstring>

#include "commandes.h"
#include "criteres.h"
#include "essai_programme.h"
#include "outils_fiches.h"

namespace {

class RechercheCommandesTest : public EssaiProgramme {
 protected:
  void Demarrer(const std::vector<Textes>& fiches) {
    std::string cartes;
    for (const Textes& t : fiches) cartes += OctetsFiche(t);
    faux.Ecrire("C:\\f.lvx", OctetsFichier(cartes, (uint32_t)fiches.size()));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
    faux.messages.clear();
  }
  void Chercher(const char* expression) {
    snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", expression);
  }
  int Commande(unsigned id) { return ProgrammeCommande(&p, id, 0, nullptr); }
  FenetreFausse& Champ(int i) { return faux.controles[vue.champs[i]]; }
};

TEST_F(RechercheCommandesTest, UnDemarrageChercheDansLesCinqChampsSansAutreOption) {
  const CriteresRecherche& c = p.criteres;
  EXPECT_EQ(c.RechercheNoms + c.RechercheURL + c.RechercheRubriques + c.RechercheMotsCles +
                c.RechercheNotes, 5);
  EXPECT_EQ(c.RechercheAvecCasse + c.RechercheAvecExactitude + c.RechercheTotalChamp +
                c.RechercheOccurDebutChamp, 0);
  EXPECT_EQ(p.ExpressionRecherche[0], 0);
}

TEST_F(RechercheCommandesTest, LesCasesQuiSExcluent) {
  DialogueCriteres d = {{1, 1, 1, 1, 1, 0, 1, 0, 1}, ""};
  CriteresCliquer(&d, IDC_CRITERE_TOTAL_CHAMP);
  EXPECT_EQ(d.drapeaux[6] + d.drapeaux[8], 0) << "whole field unticks exactness and start";
  EXPECT_EQ(d.drapeaux[7], 1);
  CriteresCliquer(&d, IDC_CRITERE_EXACTITUDE);
  EXPECT_EQ(d.drapeaux[7], 0);
  CriteresCliquer(&d, IDC_CRITERE_TOTAL_CHAMP);
  CriteresCliquer(&d, IDC_CRITERE_DEBUT_CHAMP);
  EXPECT_EQ(d.drapeaux[7], 0);
  EXPECT_EQ(d.drapeaux[8], 1);
  CriteresCliquer(&d, IDC_CRITERE_DEBUT_CHAMP);
  EXPECT_EQ(d.drapeaux[6], 0) << "unticking changes no other box";
  CriteresCliquer(&d, IDC_CRITERE_NOMS);
  EXPECT_EQ(d.drapeaux[0], 0);
}

TEST_F(RechercheCommandesTest, AnnulerRendLesCasesMaisGardeLExpression) {
  Demarrer({{"a", "", "", "", ""}});
  faux.dans_criteres.push_back([](DialogueCriteres* d) {
    snprintf(d->expression, sizeof d->expression, "web");
    CriteresCliquer(d, IDC_CRITERE_CASSE);
    return 1;
  });
  Commande(CMD_CRITERES);
  EXPECT_STREQ(p.ExpressionRecherche, "web");
  EXPECT_EQ(p.criteres.RechercheAvecCasse, 1);
  faux.dans_criteres.push_back([](DialogueCriteres* d) {
    EXPECT_STREQ(d->expression, "web");
    CriteresCliquer(d, IDC_CRITERE_CASSE);
    CriteresCliquer(d, IDC_CRITERE_NOTES);
    snprintf(d->expression, sizeof d->expression, "autre");
    return 0;
  });
  Commande(CMD_BOUTON_CRITERES);
  EXPECT_STREQ(p.ExpressionRecherche, "web");
  EXPECT_EQ(p.criteres.RechercheAvecCasse, 1);
  EXPECT_EQ(p.criteres.RechercheNotes, 1);
}

TEST_F(RechercheCommandesTest, LExpressionEstCoupeeA146Caracteres) {
  Demarrer({{"a", "", "", "", ""}});
  faux.dans_criteres.push_back([](DialogueCriteres* d) {
    memset(d->expression, 'x', sizeof d->expression - 1);
    d->expression[sizeof d->expression - 1] = 0;
    return 1;
  });
  Commande(CMD_CRITERES);
  EXPECT_EQ(strlen(p.ExpressionRecherche), 146u);
}

TEST_F(RechercheCommandesTest, FicheSuivanteCorrespondanteEtSaSelection) {
  Demarrer({{"un", "", "", "", ""}, {"deux", "", "", "", ""}, {"trois", "http://web.fr/", "", "", ""}});
  Chercher("WEB");
  Commande(CMD_RECHERCHE_SUIVANTE);
  EXPECT_EQ(Compteurs(), "0000003/0000003");
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_URL]);
  EXPECT_EQ(Champ(CHAMP_URL).debut_selection, 7u);
  EXPECT_EQ(Champ(CHAMP_URL).fin_selection, 10u);
  EXPECT_EQ(faux.focus, vue.champs[CHAMP_URL]);

  // The card on screen is never tested.
  Commande(CMD_BOUTON_RECHERCHE_SUIVANTE);
  AttendreMessage("Il n'y a pas de fiche suivante correspondant aux critères de recherche.",
                  BOITE_OK | ICONE_ATTENTION);
  EXPECT_EQ(Compteurs(), "0000003/0000003");
}

TEST_F(RechercheCommandesTest, FichePrecedenteCorrespondante) {
  Demarrer({{"web", "", "", "", ""}, {"deux", "", "", "", ""}, {"trois", "", "", "", ""}});
  Chercher("web");
  Commande(CMD_DERNIERE_FICHE);
  Commande(CMD_BOUTON_RECHERCHE_PRECEDENTE);
  EXPECT_EQ(Compteurs(), "0000001/0000003");
  Commande(CMD_RECHERCHE_PRECEDENTE);
  AttendreMessage("Il n'y a pas de fiche précédente correspondant aux critères de recherche.",
                  BOITE_OK | ICONE_ATTENTION);
}

TEST_F(RechercheCommandesTest, CriteresInvalidesAvecMajusculeOuMinuscule) {
  Demarrer({{"web", "", "", "", ""}});
  Commande(CMD_RECHERCHE_SUIVANTE);
  AttendreMessage("Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                  "correctement définis.",
                  BOITE_OK | ICONE_ATTENTION);
  Commande(CMD_RECHERCHE_PRECEDENTE);
  AttendreMessage("il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                  "correctement définis.",
                  BOITE_OK | ICONE_ATTENTION);
  Commande(CMD_CORRESPONDANCE_PREMIERE);
  AttendreMessage("il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                  "correctement définis.",
                  BOITE_OK | ICONE_ATTENTION);
}

TEST_F(RechercheCommandesTest, F3PuisF4ParcourentLesCorrespondances) {
  Demarrer({{"a b a", "http://a.fr/", "", "", ""}});
  Chercher("a");
  Commande(CMD_CORRESPONDANCE_SUIVANTE);  // F4 before any F3 acts as F3
  EXPECT_EQ(Champ(CHAMP_NOM).debut_selection, 0u);
  EXPECT_EQ(Champ(CHAMP_NOM).fin_selection, 1u);
  Commande(CMD_CORRESPONDANCE_SUIVANTE);
  EXPECT_EQ(Champ(CHAMP_NOM).debut_selection, 4u);
  EXPECT_EQ(Champ(CHAMP_NOM).fin_selection, 5u);
  Commande(CMD_CORRESPONDANCE_SUIVANTE);
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_URL]);
  EXPECT_EQ(Champ(CHAMP_URL).debut_selection, 7u);
  Commande(CMD_CORRESPONDANCE_SUIVANTE);
  AttendreMessage("il n'y a pas de correspondance suivante avec votre recherche sur cette fiche.",
                  BOITE_OK | ICONE_ATTENTION);
  Commande(CMD_CORRESPONDANCE_SUIVANTE);
  AttendreMessage("il n'y a pas de correspondance suivante avec votre recherche sur cette fiche.",
                  BOITE_OK | ICONE_ATTENTION);
  Commande(CMD_CORRESPONDANCE_PREMIERE);
  EXPECT_EQ(Champ(CHAMP_NOM).debut_selection, 0u);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(RechercheCommandesTest, F3SansCorrespondance) {
  Demarrer({{"rien", "", "", "", ""}});
  Chercher("web");
  Commande(CMD_CORRESPONDANCE_PREMIERE);
  AttendreMessage("il n'y a pas de correspondance avec votre recherche sur cette fiche.",
                  BOITE_OK | ICONE_ATTENTION);
}

}  // namespace
