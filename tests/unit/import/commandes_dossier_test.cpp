// The bookmark, mail and folder commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "commandes_recup.h"
#include "essai_import.h"
#include "options_import.h"

namespace {

using CommandesDossierTest = EssaiImport;

const char SIGNETS[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
    "<DT><H3 FOLDED ADD_DATE=9>Moteurs</H3>\n<DL><p>\n"
    "<DT><A HREF=http://www.example.org/ ADD_DATE=9>Exemple &amp; co</A>\n</DL><p>\n"
    "<DT><H3 ADD_DATE=9>Ouvert</H3>\n"
    "<DT><A HREF=\"https://b.example.org/\">B</A>\n</DL>\n";

TEST_F(CommandesDossierTest, LesSignetsPrennentLeDernierDossierFermeEtRendentLeChemin) {
  faux.Ecrire("C:\\Signets\\bookmark.htm", SIGNETS);
  snprintf(chemin, sizeof chemin, "C:\\Signets\\bookmark.htm");
  for (int fois = 0; fois < 2; fois++) {
    faux.dans_import.push_back(Utilisateur({ID_SIGNETS_OK}));
    EXPECT_EQ(RecupererLiensBookmarks(&c), 1);
  }
  // The open folder keeps the closed one's title; the second import adds nothing.
  auto f = Fiches();
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0], (Textes{"Exemple & co", "http://www.example.org/", "Moteurs", "", ""}));
  EXPECT_EQ(f[1], (Textes{"B", "https://b.example.org/", "Moteurs", "", ""}));
  EXPECT_STREQ(chemin, "C:\\Signets\\bookmark.htm");
  EXPECT_EQ(faux.modeles_import, (std::vector<int>{MODELE_LVXRECUPBOXBOOKMARKS,
                                                   MODELE_LVXRECUPBOXBOOKMARKS}));
}

TEST_F(CommandesDossierTest, ModifierChoisitLeFichierDesSignetsDansLeDossierDuChemin) {
  faux.Ecrire("C:\\Autre\\favoris.html", SIGNETS);
  snprintf(chemin, sizeof chemin, "C:\\Signets\\bookmark.htm");
  faux.choix_fichiers.push_back("C:\\Autre\\favoris.html");
  faux.dans_import.push_back(Utilisateur({ID_SIGNETS_MODIFIER, ID_SIGNETS_OK}));
  EXPECT_EQ(RecupererLiensBookmarks(&c), 1);
  EXPECT_EQ(faux.dossiers_initiaux[0], "C:\\Signets");
  EXPECT_EQ(faux.titres_dialogues[0], "Importer les signets Netscape depuis le fichier :");
  EXPECT_STREQ(chemin, "C:\\Autre\\favoris.html");
  EXPECT_EQ(c.magasin.TotalFiches, 2);

  // Cancelling the chooser cancels the import; a file that cannot be read
  // leaves the path as it was.
  faux.choix_fichiers.push_back("");
  faux.dans_import.push_back(Utilisateur({ID_SIGNETS_MODIFIER, ID_SIGNETS_OK}));
  EXPECT_EQ(RecupererLiensBookmarks(&c), 0);
  faux.dans_import.push_back(Utilisateur({ID_SIGNETS_OK}, {"C:\\absent.htm"}));
  EXPECT_EQ(RecupererLiensBookmarks(&c), 0);
  EXPECT_STREQ(chemin, "C:\\Autre\\favoris.html");
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{
                               "Une erreur est survenue. Impossible d'ouvrir ce fichier."});
}

const char BOITE[] =
    "From jean Mon Jan  1 00:00:00 2024\n"
    "From: Service Clients <jean@example.org>\n"
    "To: \"Clients, Service\" <c@example.org>, Marie <marie@example.org>\n"
    "Reply-To: autre@example.org\n"
    "Cc: jean@example.org (Doublon)\n"
    "\n";

TEST_F(CommandesDossierTest, LesAdressesDUnFichierDeCourrier) {
  faux.Ecrire("C:\\Courrier\\boite.mbox", BOITE);
  snprintf(chemin, sizeof chemin, "C:\\Courrier\\boite.mbox");
  faux.dans_import.push_back(Utilisateur({ID_EMAILS_OK}));
  AccepterOptions(MODELE_LVXRECUPADRESSESBOX);
  EXPECT_EQ(RecupererAdressesCourriel(&c), 1);
  const std::string p = "Provenance de ce lien: \r\nC:\\Courrier\\boite.mbox\r\n";
  EXPECT_EQ(Fiches(), (std::vector<Textes>{
                          {"Service Clients", "mailto:jean@example.org", "", "", p},
                          {"Clients Service", "mailto:c@example.org", "", "", p},
                          {"Marie", "mailto:marie@example.org", "", "", p},
                      }));
  EXPECT_EQ(faux.modeles_import, (std::vector<int>{MODELE_LVXRECUPBOXEMAILS,
                                                   MODELE_LVXRECUPADRESSESBOX}));
}

TEST_F(CommandesDossierTest, LeCheminDuCourrierNeRevientQuApresUnExamenComplet) {
  faux.Ecrire("C:\\Courrier\\boite.mbox", BOITE);
  snprintf(chemin, sizeof chemin, "C:\\Ancien\\a.mbox");
  // Modifier, chooser from the folder of the path handed in, then cancel the options.
  faux.choix_fichiers = {"C:\\Courrier\\boite.mbox"};
  faux.dans_import.push_back(Utilisateur({ID_EMAILS_MODIFIER, ID_EMAILS_OK}));
  faux.dans_import.push_back(Utilisateur({ID_COURRIEL_ANNULER}));
  EXPECT_EQ(RecupererAdressesCourriel(&c), 1);
  EXPECT_STREQ(chemin, "C:\\Ancien\\a.mbox");
  EXPECT_EQ(c.magasin.TotalFiches, 1);
  // The next Modifier starts in the remembered mail folder.
  faux.choix_fichiers = {"C:\\Courrier\\boite.mbox"};
  faux.dans_import.push_back(Utilisateur({ID_EMAILS_MODIFIER, ID_EMAILS_OK}));
  AccepterOptions(MODELE_LVXRECUPADRESSESBOX);
  EXPECT_EQ(RecupererAdressesCourriel(&c), 1);
  EXPECT_EQ(faux.dossiers_initiaux, (std::vector<std::string>{"C:\\Ancien", "C:\\Courrier"}));
  EXPECT_STREQ(chemin, "C:\\Courrier\\boite.mbox");
}

TEST_F(CommandesDossierTest, LePremierTamponDuCourrierManqueAvecSonTitreABlanc) {
  faux.echec_allocation_dans = 1;
  EXPECT_EQ(RecupererAdressesCourriel(&c), 0);
  faux.echec_allocation_dans = 2;
  EXPECT_EQ(RecupererAdressesCourriel(&c), 0);
  ASSERT_EQ(faux.messages.size(), 2u);
  EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1 ");
  EXPECT_EQ(faux.messages[1].titre, "Lorvanix 6.1");
  EXPECT_EQ(faux.messages[1].texte, "Allocation de m\xe9moire impossible !");
  EXPECT_TRUE(faux.modeles_import.empty());
}

TEST_F(CommandesDossierTest, LeDossierHtmlNeLitQueSesFichiersHtmlOrdinaires) {
  faux.Ecrire("C:\\site\\a.htm", "<a href=http://a.fr/>A</a>");
  faux.Ecrire("C:\\site\\b.html", "<a href=http://b.fr/>B</a><a href=http://a.fr/>A2</a>");
  faux.Ecrire("C:\\site\\c.txt", "<a href=http://c.fr/>C</a>");
  faux.Ecrire("C:\\site\\cache.htm", "<a href=http://cache.fr/>Cache</a>");
  faux.Ecrire("C:\\site\\sous\\d.htm", "<a href=http://d.fr/>D</a>");
  faux.attributs["C:\\site\\cache.htm"] = ATTRIBUT_CACHE;
  ChoisirDossier("C:\\site");
  AccepterOptions(MODELE_LVXRECUPBOX);
  EXPECT_EQ(RecupererLiensRepertoire(&c), 1);
  // The duplicate test holds across the files of one command.
  EXPECT_EQ(Urls(), (std::vector<std::string>{"http://a.fr/", "http://b.fr/"}));
  EXPECT_EQ(Fiches()[1][4], "Provenance de ce lien: \r\nC:\\site\\b.html\r\n");
  EXPECT_EQ(faux.motifs_listes, std::vector<std::string>{"C:\\site\\*.*htm*"});
  ASSERT_EQ(faux.dialogues_dossier.size(), 1u);
  EXPECT_EQ(faux.dialogues_dossier[0].panneau, (unsigned)PANNEAU_DOSSIER);
  EXPECT_STREQ(faux.dialogues_dossier[0].titre,
               "Importer les liens HTML depuis les fichiers *.*htm* du dossier :");
  EXPECT_STREQ(etatImport.dossiers[RETENU_DOSSIER_HTML], "C:\\site");
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(CommandesDossierTest, UnDossierSansFichierEtUnFichierIllisible) {
  faux.Ecrire("C:\\vide\\sous\\x.txt", "http://x.fr/ ");
  ChoisirDossier("C:\\vide");
  EXPECT_EQ(RecupererLiensRepertoireQuelconque(&c), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Il n'y a pas de fichier dans ce dossier !"});

  // A listed file that cannot be opened is passed over and reported at the end.
  faux.messages.clear();
  faux.Ecrire("C:\\mixte\\b.txt", "http://b.fr/ ");
  std::filesystem::create_symlink(faux.Linux("C:\\nulle_part"), faux.Linux("C:\\mixte\\a.txt"));
  ChoisirDossier("C:\\mixte");
  AccepterOptions(MODELE_LVXRECUPBOXQUELCONQUE);
  EXPECT_EQ(RecupererLiensRepertoireQuelconque(&c), 1);
  EXPECT_EQ(Urls(), std::vector<std::string>{"http://b.fr/"});
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{
                               "Une erreur d'ouverture de fichier est survenue pendant l'op\xe9ration."});
  EXPECT_EQ(faux.motifs_listes.back(), "C:\\mixte\\*.*");
}

TEST_F(CommandesDossierTest, UnDossierALaRacineNeDoublePasSaBarre) {
  faux.Ecrire("C:\\a.htm", "<a href=http://a.fr/>A</a>");
  ChoisirDossier("C:\\");
  faux.dans_import.push_back(Utilisateur({ID_URL_ANNULER}));
  EXPECT_EQ(RecupererLiensRepertoire(&c), 1);
  EXPECT_EQ(faux.motifs_listes, std::vector<std::string>{"C:\\*.*htm*"});
  EXPECT_EQ(c.magasin.TotalFiches, 1);
  EXPECT_EQ(c.FichesModifieesOK, 0);
}

}  // namespace
