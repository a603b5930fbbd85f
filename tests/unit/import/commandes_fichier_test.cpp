// The page and any-file commands, from the file chooser to the cards.
#include <gtest/gtest.h>

#include <string>

#include "commandes_recup.h"
#include "essai_import.h"
#include "options_import.h"

namespace {

using CommandesFichierTest = EssaiImport;

const char PROVENANCE_PAGE[] = "Provenance de ce lien: \r\nC:\\pages\\p.htm\r\n";

TEST_F(CommandesFichierTest, UnLienDUnePageAvecLesOptionsParDefaut) {
  faux.Ecrire("C:\\pages\\p.htm", "<a href=http://example.org/x.htm>Site A</a>\n");
  faux.choix_fichiers.push_back("C:\\pages\\p.htm");
  AccepterOptions(MODELE_LVXRECUPBOX);
  EXPECT_EQ(RecupererLiensPage(&c), 1);

  // The empty card of the new store is replaced: one card, not two.
  EXPECT_EQ(c.magasin.TotalFiches, 1);
  EXPECT_EQ(c.magasin.NumFiche, 1);
  EXPECT_EQ(c.FichesModifieesOK, 1);
  ASSERT_EQ(Fiches().size(), 1u);
  EXPECT_EQ(Fiches()[0], (Textes{"Site A", "http://example.org/x.htm", "", "", PROVENANCE_PAGE}));
  ASSERT_EQ(faux.dialogues.size(), 1u);
  EXPECT_EQ(faux.titres_dialogues[0], "Importer les liens HTML depuis le fichier :");
  EXPECT_EQ(std::string(faux.dialogues[0].filtre, 24), std::string("HTML (*.*htm*)\0*.*htm*\0\0", 24));
  EXPECT_EQ(faux.dossiers_initiaux[0], "C:\\Lorvanix") << "no data file open: the program folder";
  EXPECT_EQ(faux.modeles_import, std::vector<int>{MODELE_LVXRECUPBOX});
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(faux.curseurs.back(), FLECHE);
}

TEST_F(CommandesFichierTest, LeDossierRetenuPasseAvantCeluiDuFichierDeDonnees) {
  faux.Ecrire("C:\\pages\\p.htm", "rien\n");
  snprintf(chemin, sizeof chemin, "C:\\donnees\\liens.lvx");
  for (int i = 0; i < 2; i++) {
    faux.choix_fichiers.push_back(i == 0 ? "C:\\pages\\p.htm" : "");
    faux.dans_import.push_back(Utilisateur({ID_URL_ANNULER}));
    RecupererLiensPage(&c);
  }
  EXPECT_EQ(faux.dossiers_initiaux, (std::vector<std::string>{"C:\\donnees", "C:\\pages"}));
}

TEST_F(CommandesFichierTest, LaMemeUrlDeuxFoisSelonLesNouvellesUrl) {
  const std::string page =
      "<A HREF=\"http://a.fr/\">Un</A> <A HREF=http://a.fr/>Deux</A> <A HREF=http://A.fr/>Trois</A>";
  faux.Ecrire("C:\\p.htm", page);
  for (int nouvelles : {1, 0}) {
    Remplir({{"Existant", "http://b.fr/", "", "", ""}});
    optionsImport.url.SeulementNouvellesUrl = (uint16_t)nouvelles;
    faux.choix_fichiers.push_back("C:\\p.htm");
    AccepterOptions(MODELE_LVXRECUPBOX);
    EXPECT_EQ(RecupererLiensPage(&c), 1);
    // Case counts in the page's duplicate test.
    std::vector<std::string> attendues =
        nouvelles ? std::vector<std::string>{"http://b.fr/", "http://a.fr/", "http://A.fr/"}
                  : std::vector<std::string>{"http://b.fr/", "http://a.fr/", "http://a.fr/",
                                             "http://A.fr/"};
    EXPECT_EQ(Urls(), attendues) << nouvelles;
    EXPECT_EQ(c.magasin.NumFiche, (int32_t)attendues.size()) << "the last new card on screen";
  }
}

TEST_F(CommandesFichierTest, LesNouvellesFichesSuiventLaFicheALEcran) {
  faux.Ecrire("C:\\p.htm", "<a href=n1>N1</a><a href=n2>N2</a>");
  Remplir({{"1", "u1", "", "", ""}, {"2", "u2", "", "", ""}}, 1);
  faux.choix_fichiers.push_back("C:\\p.htm");
  AccepterOptions(MODELE_LVXRECUPBOX);
  RecupererLiensPage(&c);
  EXPECT_EQ(Urls(), (std::vector<std::string>{"u1", "n1", "n2", "u2"}));
  EXPECT_EQ(c.magasin.NumFiche, 3);
  EXPECT_EQ(c.magasin.TotalFiches, 4);
}

TEST_F(CommandesFichierTest, ParcourirMontreChaqueLienEtAnnulerArrete) {
  faux.Ecrire("C:\\p.htm", "<a href=http://a.fr/>A</a><a href=http://b.fr/>B</a>");
  faux.choix_fichiers.push_back("C:\\p.htm");
  faux.dans_import.push_back(Utilisateur({ID_URL_PARCOURIR, ID_URL_OK}));
  faux.reponses = {REPONSE_ANNULER};
  EXPECT_EQ(RecupererLiensPage(&c), 0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "C:\\p.htm\n\nA\n\nhttp://a.fr/");
  EXPECT_EQ(faux.messages[0].titre, "Parcourir les URL...");
  EXPECT_EQ(faux.messages[0].style, (unsigned)BOITE_OK_ANNULER);
  EXPECT_EQ(c.magasin.TotalFiches, 1);
  EXPECT_EQ(c.FichesModifieesOK, 0);
}

TEST_F(CommandesFichierTest, AnnulerAuChoixOuAuxOptionsNeChangeRien) {
  faux.Ecrire("C:\\p.htm", "<a href=http://a.fr/>A</a>");
  faux.choix_fichiers.push_back("");
  EXPECT_EQ(RecupererLiensPage(&c), 0);
  faux.choix_fichiers.push_back("C:\\p.htm");
  faux.dans_import.push_back(Utilisateur({ID_URL_PARCOURIR, ID_URL_ANNULER}));
  EXPECT_EQ(RecupererLiensPage(&c), 1);
  EXPECT_EQ(optionsImport.url.ParcourirLesUrl, 0) << "Annuler restores the options";
  EXPECT_EQ(c.magasin.TotalFiches, 1);
  EXPECT_EQ(Fiches()[0], (Textes{}));
  EXPECT_EQ(c.FichesModifieesOK, 0);
}

TEST_F(CommandesFichierTest, UnFichierVideOuAbsentEstSignale) {
  faux.Ecrire("C:\\vide.htm", "");
  faux.choix_fichiers = {"C:\\vide.htm", "C:\\absent.htm"};
  EXPECT_EQ(RecupererLiensPage(&c), 0);
  EXPECT_EQ(RecupererLiensFichierQuelconque(&c), 0);
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{
                               "Ce fichier est vide.",
                               "Une erreur est survenue. Impossible d'ouvrir ce fichier."}));
  EXPECT_TRUE(faux.modeles_import.empty());
}

TEST_F(CommandesFichierTest, LaLimiteDesFichesArreteAvecSonMessage) {
  faux.Ecrire("C:\\p.htm", "<a href=http://a.fr/>A</a><a href=http://b.fr/>B</a>");
  Remplir({{"1", "u1", "", "", ""}});
  c.magasin.TotalFiches = 9999999;
  faux.choix_fichiers.push_back("C:\\p.htm");
  AccepterOptions(MODELE_LVXRECUPBOX);
  EXPECT_EQ(RecupererLiensPage(&c), 0);
  EXPECT_EQ(Urls(), std::vector<std::string>{"u1"});
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte,
            "Le nombre total de fiches existantes est trop important. Tous les liens n'ont pas "
            "pu \xeatre r\xe9" "cup\xe9r\xe9s !");
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ATTENTION);
}

TEST_F(CommandesFichierTest, UnMagasinQuiNePeutGrandirRendUnDebutNulSansMessage) {
  faux.Ecrire("C:\\p.htm", "<a href=http://a.fr/>A</a><a href=http://b.fr/>B</a>");
  Remplir({{"1", "u1", "", "", ""}});
  optionsImport.url.SeulementNouvellesUrl = 0;
  faux.choix_fichiers.push_back("C:\\p.htm");
  faux.dans_import.push_back([this](DialogueImport* d) {
    faux.echec_allocation_dans = 1;  // the first growth of the store
    return Utilisateur({ID_URL_OK})(d);
  });
  EXPECT_EQ(RecupererLiensPage(&c), 0);
  EXPECT_EQ(c.magasin.lpDebutMem, nullptr);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(CommandesFichierTest, LesAdressesDUnFichierQuelconque) {
  faux.Ecrire("C:\\notes.txt",
              "see http://www.example.org/p_1.html now\r\nwrite to john_doe@example.org\r\n"
              "http://example.org?q=1 et moi@example.org\r\n");
  Remplir({{"", "MAILTO:moi@example.org", "", "", ""}});
  faux.choix_fichiers.push_back("C:\\notes.txt");
  AccepterOptions(MODELE_LVXRECUPBOXQUELCONQUE);
  EXPECT_EQ(RecupererLiensFichierQuelconque(&c), 1);
  auto f = Fiches();
  ASSERT_EQ(f.size(), 4u);
  const std::string provenance = "Provenance de ce lien: \r\nC:\\notes.txt\r\n";
  EXPECT_EQ(f[1], (Textes{"http://www.example.org/p", "http://www.example.org/p", "", "", provenance}));
  EXPECT_EQ(f[2], (Textes{"doe@example.org", "mailto:doe@example.org", "", "", provenance}));
  EXPECT_EQ(f[3], (Textes{"http://example.org", "http://example.org", "", "", provenance}));
  EXPECT_EQ(faux.titres_dialogues[0], "Importer les adresses internet depuis le fichier :");
}

}  // namespace
