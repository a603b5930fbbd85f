#include "connexion.h"

#include <gtest/gtest.h>

#include "commandes.h"
#include "essai_programme.h"
#include "extraweb.h"
#include "outils_fiches.h"

namespace {

class ConnexionTest : public EssaiProgramme {
 protected:
  void Demarrer(const std::string& url) {
    faux.Ecrire("C:\\f.lvx", OctetsFichier(OctetsFiche({"site", url, "", "", ""}), 1));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
    faux.messages.clear();
  }
  void Connecter() { ProgrammeCommande(&p, CMD_CONNECTER, 0, nullptr); }
  const std::string QUESTION = "<EXTRAWEB> invalide. Souhaitez-vous modifier la fiche en conséquence ?";
};

TEST_F(ConnexionTest, UneURLWebLanceLeNavigateurAvecUnBlanc) {
  Demarrer("https://www.lemonde.fr/");
  Connecter();
  EXPECT_EQ(faux.lancements, std::vector<std::string>{"C:\\Navigateur\\web.exe https://www.lemonde.fr/"});
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ConnexionTest, UnNavigateurAvecDesBlancsEstEntreGuillemets) {
  EXPECT_EQ(LigneNavigateur("C:\\Program Files\\Mozilla Firefox\\firefox.exe", "http://x.fr/"),
            "\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" http://x.fr/");
  EXPECT_EQ(LigneNavigateur("\"C:\\Program Files\\a.exe\"", "u"), "\"C:\\Program Files\\a.exe\" u");
}

TEST_F(ConnexionTest, NavigateurIntrouvable) {
  Demarrer("http://x.fr/");
  faux.resultat_lancer = 2;
  faux.focus = vue.champs[CHAMP_URL];
  Connecter();
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "Lorvanix 6.1 n'a pas trouvé le navigateur !");
  EXPECT_EQ(faux.messages[0].style, (unsigned)BOITE_OK) << "no icon";
}

TEST_F(ConnexionTest, LaFicheTapeeEstEnregistreeAvantDeConnecter) {
  Demarrer("http://ancien.fr/");
  Taper(CHAMP_URL, "http://nouveau.fr/");
  Connecter();
  EXPECT_EQ(faux.lancements.back(), "C:\\Navigateur\\web.exe http://nouveau.fr/");
  EXPECT_EQ(TextesFiche(p.magasin.lpFicheEcran)[1], "http://nouveau.fr/");
}

TEST_F(ConnexionTest, ExtraWebLanceLApplicationSurLeDocument) {
  faux.Ecrire("C:\\Program Files\\Windows NT\\wordpad.exe", "MZ");
  faux.Ecrire("C:\\Mes documents\\recettes.rtf", "{\\rtf}");
  Demarrer("<EXTRAWEB>C:\\Program Files\\Windows NT\\wordpad.exe C:\\Mes documents\\recettes.rtf");
  Connecter();
  EXPECT_EQ(faux.processus,
            std::vector<std::string>{"C:\\Program Files\\Windows NT\\wordpad.exe C:\\Mes documents\\recettes.rtf"});
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ConnexionTest, ExtraWebSansDocumentLanceLApplicationSeule) {
  faux.Ecrire("C:\\windows\\calc.exe", "MZ");
  Demarrer("<EXTRAWEB>C:\\windows\\calc.exe");
  Connecter();
  EXPECT_EQ(faux.processus, std::vector<std::string>{"C:\\windows\\calc.exe"});
}

TEST_F(ConnexionTest, ExtraWebInvalideDemandeSIlFautModifier) {
  faux.Ecrire("C:\\windows\\notepad.exe", "MZ");
  for (std::string url : {"<EXTRAWEB>", "<EXTRAWEB>C:\\windows\\absent.exe",
                          "<EXTRAWEB>C:\\windows\\notepad.exe C:\\absent.txt"}) {
    SCOPED_TRACE(url);
    Demarrer(url);
    faux.reponses = {REPONSE_NON};
    Connecter();
    AttendreMessage(QUESTION, BOITE_OUI_NON | ICONE_QUESTION);
    EXPECT_TRUE(faux.processus.empty());
    ProgrammeLiberer(&p);
    p.magasin = Magasin{};
    ProgrammeInitialiser(&p, &faux.programme, vue, (Poignee)0x50, (Poignee)0x51, nullptr);
  }
}

TEST_F(ConnexionTest, UnProcessusQuiNeDemarrePasDemandeAussi) {
  faux.Ecrire("C:\\windows\\notepad.exe", "MZ");
  Demarrer("<EXTRAWEB>C:\\windows\\notepad.exe");
  faux.processus_echoue = 1;
  faux.reponses = {REPONSE_OUI};
  Connecter();
  AttendreMessage(QUESTION, BOITE_OUI_NON | ICONE_QUESTION);
}

TEST_F(ConnexionTest, MiseAJourOuvreLaPageDuProduit) {
  Demarrer("x");
  ProgrammeCommande(&p, CMD_MISE_A_JOUR, 0, nullptr);
  ProgrammeCommande(&p, CMD_MISE_A_JOUR_BIS, 0, nullptr);
  EXPECT_EQ(faux.lancements, std::vector<std::string>(2, std::string("C:\\Navigateur\\web.exe ") +
                                                             ADRESSE_MISE_A_JOUR));
}

TEST(ExtraWeb, LesDeuxReglesDeDecoupage) {
  const char* r = "C:\\Program Files\\app.exe D:\\Doc\\note.txt";
  DecoupageExtraWeb c = DecouperConnexion(r), v = DecouperValidite(r);
  EXPECT_EQ(std::string(r, c.fin_application), "C:\\Program Files\\app.exe");
  EXPECT_STREQ(c.document, "D:\\Doc\\note.txt");
  EXPECT_EQ(std::string(r, v.fin_application), "C:\\Program Files\\app.exe");
  EXPECT_STREQ(v.document, "D:\\Doc\\note.txt");

  // No blank before the document's drive letter: the rules part ways.
  const char* colle = "C:\\app.exeD:\\doc.txt";
  c = DecouperConnexion(colle);
  v = DecouperValidite(colle);
  EXPECT_EQ(std::string(colle, c.fin_application), "C:\\app.exe");
  EXPECT_EQ(c.document, nullptr);
  EXPECT_EQ(std::string(colle, v.fin_application), colle);
  EXPECT_EQ(v.document, nullptr);

  // The space written by the extra-web dialog stays part of the application path.
  const char* blanc = "C:\\app.exe ";
  v = DecouperValidite(blanc);
  EXPECT_EQ(std::string(blanc, v.fin_application), "C:\\app.exe ");
  EXPECT_TRUE(EstExtraWeb("<EXTRAWEB>x"));
  EXPECT_FALSE(EstExtraWeb("<extraweb>x"));
  EXPECT_FALSE(EstExtraWeb(" <EXTRAWEB>x"));
}

}  // namespace
