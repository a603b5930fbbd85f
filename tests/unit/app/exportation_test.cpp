// The exports as the main program runs them: the card offered for the page,
// list or text file written, the card limit, the application found for a
// text file, and the data file loaded after an export to it.
#include "exportation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commandes.h"
#include "dialogue_donnees.h"
#include "dialogues_liens.h"
#include "essai_programme.h"
#include "lorvanix_ids.h"
#include "lvxliens_ids.h"
#include "lvxspec_ids.h"
#include "outils_fiches.h"

namespace {

class ExportationTest : public EssaiProgramme {
 protected:
  void SetUp() override {
    EssaiProgramme::SetUp();
    reglagesLiens = REGLAGES_LIENS_DEPART;
    faux.Ecrire("C:\\donnees\\liens.lvx",
                OctetsFichier(OctetsFiche({"un", "http://un.fr/", "", "", ""}) +
                                  OctetsFiche({"deux", "mailto:deux@exemple.fr", "", "", ""}),
                              2));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\donnees\\liens.lvx"), 1);
    faux.messages.clear();
  }
  void Commande(unsigned id) { ProgrammeCommande(&p, id, 0, nullptr); }
  std::vector<Textes> Fiches() const {
    std::vector<Textes> f;
    for (uint8_t* c = p.magasin.lpDebutMem; c != p.magasin.lpFinMem; c = FicheSuivante(c))
      f.push_back(TextesFiche(c));
    return f;
  }
  // The export's dialog confirmed with this title typed, the file chosen.
  void Exporter(unsigned ok, const std::string& titre, const std::string& fichier) {
    faux.dans_liens.push_back([ok, titre](DialogueLiens* d) {
      snprintf(d->textes[0], TAILLE_TEXTE_LIENS, "%s", titre.c_str());
      return DialogueLiensAppuyer(d, ok) == LIENS_FERME_OK;
    });
    faux.choix_fichiers.push_back(fichier);
  }
};

// Both HTML exports: Oui gives a card after the one on screen, named after
// the title and pointing at the file; Non adds nothing.
TEST_F(ExportationTest, LesPagesHtmlOffrentUneFicheVersLeFichier) {
  const struct {
    unsigned id, ok;
    const char* question;
  } exports[] = {
      {CMD_EXPORTER_PAGE_LIENS, IDC_LIENS_OK,
       "Souhaitez vous créer une fiche pointant vers cette page de liens ?"},
      {CMD_EXPORTER_LISTE_EMAIL, IDC_MAILING_OK,
       "Souhaitez vous créer une fiche pointant vers cette mailing liste ?"},
  };
  for (const auto& e : exports) {
    SCOPED_TRACE(e.question);
    size_t avant = Fiches().size();
    Exporter(e.ok, "Sans carte", "C:\\donnees\\non.htm");
    faux.reponses = {REPONSE_NON};
    Commande(e.id);
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{e.question});
    EXPECT_EQ(faux.messages.back().style, BOITE_OUI_NON | ICONE_QUESTION);
    EXPECT_EQ(faux.messages.back().proprietaire, vue.fenetre);
    EXPECT_EQ(Fiches().size(), avant);
    EXPECT_TRUE(faux.Existe("C:\\donnees\\non.htm"));
    faux.messages.clear();

    Exporter(e.ok, "Mes liens été", "C:\\donnees\\oui.htm");
    faux.reponses = {REPONSE_OUI};
    Commande(e.id);
    std::vector<Textes> fiches = Fiches();
    ASSERT_EQ(fiches.size(), avant + 1);
    EXPECT_EQ(fiches[p.magasin.NumFiche - 1], (Textes{"Mes liens été", "C:\\donnees\\oui.htm", "", "", ""}));
    EXPECT_EQ(Nom(), "Mes liens été");
    EXPECT_EQ(p.TravailModifie, 1);
    EXPECT_EQ(p.FicheModifiee, 0) << "the card is in the store";
    faux.messages.clear();
  }
  EXPECT_EQ(Compteurs(), "0000003/0000004");
}

TEST_F(ExportationTest, LaLimiteDesFichesLaisseLeFichierEcritSansFiche) {
  p.MaxFiches = 2;
  Exporter(IDC_LIENS_OK, "Titre", "C:\\donnees\\liens.htm");
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_EXPORTER_PAGE_LIENS);
  EXPECT_EQ(faux.Textes(),
            (std::vector<std::string>{
                "Souhaitez vous créer une fiche pointant vers cette page de liens ?",
                "Le nombre total de fiches existantes est trop important pour en créer une nouvelle !"}));
  EXPECT_EQ(Fiches().size(), 2u);
  EXPECT_TRUE(faux.Existe("C:\\donnees\\liens.htm"));
}

// A text file: an extra-web card on the application the system knows for
// it, or, without one, a warning and a card on the file itself.
TEST_F(ExportationTest, LeTexteOffreUneFicheExtraWebOuVersLeFichier) {
  const char question[] = "Souhaitez vous créer une fiche <EXTRAWEB>pointant vers ce fichier ?";
  faux.associations[".txt"] = "C:\\Outils\\ed.exe";
  faux.dans_liens.push_back([](DialogueLiens* d) { return DialogueLiensAppuyer(d, IDC_TEXTE_OK) == LIENS_FERME_OK; });
  faux.choix_fichiers.push_back("C:\\donnees\\base.txt");
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_EXPORTER_TEXTE);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{question});
  EXPECT_EQ(Fiches()[1], (Textes{"", "<EXTRAWEB>C:\\Outils\\ed.exe C:\\donnees\\base.txt", "", "", ""}));
  faux.messages.clear();

  faux.associations.clear();
  faux.dans_liens.push_back([](DialogueLiens* d) { return DialogueLiensAppuyer(d, IDC_TEXTE_OK) == LIENS_FERME_OK; });
  faux.choix_fichiers.push_back("C:\\donnees\\autre.dat");
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_EXPORTER_TEXTE);
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{
                               question, "Impossible de trouver une application pour charger ce fichier !"}));
  EXPECT_EQ(faux.messages.back().style, BOITE_OK | ICONE_ATTENTION);
  EXPECT_EQ(Fiches()[2], (Textes{"", "C:\\donnees\\autre.dat", "", "", ""}));
  EXPECT_EQ(Compteurs(), "0000003/0000004");
}

// The cards exported to a new file, then "Oui": the target is loaded and
// named in the title; "Non" keeps the work and its name.
TEST_F(ExportationTest, LeFichierCibleEstChargeSurDemande) {
  auto exporter = [&](const std::string& cible, int reponse) {
    faux.dans_spec.push_back([](DialogueSpec* d) {
      DialogueSpecAppuyer(d, IDC_SAUVESPEC_NOUVEAU_ECRAN);
      return DialogueSpecAppuyer(d, IDC_SAUVESPEC_OK) == SPEC_FERME_OK;
    });
    faux.choix_fichiers.push_back(cible);
    faux.reponses = {reponse};
    Commande(CMD_EXPORTER_FICHES);
  };
  exporter("C:\\donnees\\garde.lvx", REPONSE_NON);
  EXPECT_STREQ(p.NomFichier, "C:\\donnees\\liens.lvx");
  EXPECT_EQ(Fiches().size(), 2u);

  exporter("C:\\donnees\\une.lvx", REPONSE_OUI);
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{"Souhaitez vous ouvrir le fichier cible ?",
                                                      "Souhaitez vous ouvrir le fichier cible ?"}));
  EXPECT_STREQ(p.NomFichier, "C:\\donnees\\une.lvx");
  EXPECT_EQ(Titre(), "Lorvanix 6.1 une.lvx");
  EXPECT_EQ(Fiches(), (std::vector<Textes>{{"un", "http://un.fr/", "", "", ""}}));
  EXPECT_EQ(Compteurs(), "0000001/0000001");
}

}  // namespace
