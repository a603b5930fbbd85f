// The imports and Répertorier commands as the main program runs them: the
// store handed to the real exports and taken back, the path buffers lent,
// the memory-failure reset, and the edits changed by "Modifier URL".
#include "importation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "commande_import.h"
#include "commandes.h"
#include "configuration.h"
#include "dialogue_import.h"
#include "essai_programme.h"
#include "options_import.h"
#include "outils_fiches.h"

namespace {

const char ALLOCATION_ECHOUEE[] =
    "Allocation de mémoire impossible. La session en cours va être initialisée pour éviter le "
    "plantage de votre ordinateur.";

class ImportationTest : public EssaiProgramme {
 protected:
  void SetUp() override {
    EssaiProgramme::SetUp();
    // The library keeps its options and folders for the life of the process.
    optionsImport = OPTIONS_IMPORT_DEFAUT;
    etatImport = EtatImport{};
  }

  // Starts on a data file holding these cards; no message left.
  void Demarrer(const std::vector<Textes>& fiches) {
    std::string cartes;
    for (const Textes& t : fiches) cartes += OctetsFiche(t);
    faux.Ecrire("C:\\donnees\\liens.lvx", OctetsFichier(cartes, (uint32_t)fiches.size()));
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

  // The user of an import dialog: types textes, then presses ids in turn.
  static std::function<int(DialogueImport*)> Utilisateur(std::vector<unsigned> ids,
                                                         std::vector<std::string> textes = {}) {
    return [ids, textes](DialogueImport* d) {
      for (size_t i = 0; i < textes.size(); i++)
        snprintf(d->textes[i], TAILLE_TEXTE_DIALOGUE, "%s", textes[i].c_str());
      for (unsigned id : ids) {
        SuiteDialogue s = DialogueImportAppuyer(d, id);
        if (s != DIALOGUE_RESTE) return s == DIALOGUE_FERME_OK ? 1 : 0;
      }
      return 0;
    };
  }
  void ImporterPage(const std::string& page) {
    faux.Ecrire("C:\\pages\\p.htm", page);
    faux.choix_fichiers.push_back("C:\\pages\\p.htm");
    faux.dans_import.push_back(Utilisateur({ID_URL_OK}));
    Commande(CMD_IMPORTER_PAGE);
  }
};

TEST_F(ImportationTest, LesLiensDUnePageSuiventLaFicheEditeeEtLaDerniereEstMontree) {
  Demarrer({{"un", "http://un.fr/", "", "", ""}, {"deux", "http://deux.fr/", "", "", ""}});
  Taper(CHAMP_NOM, "un modifié");
  journal_bibliotheques.crochets.clear();
  ImporterPage("<a href=http://a.fr/>A</a> <a href=http://b.fr/>B</a>");

  // The card typed on screen was written back before the store was lent.
  std::vector<Textes> fiches = Fiches();
  ASSERT_EQ(fiches.size(), 4u);
  EXPECT_EQ(fiches[0][0], "un modifié");
  EXPECT_EQ(fiches[1][1], "http://a.fr/");
  EXPECT_EQ(fiches[2][1], "http://b.fr/");
  EXPECT_EQ(fiches[3][0], "deux");
  EXPECT_EQ(Nom(), "B");
  EXPECT_EQ(Compteurs(), "0000003/0000004");
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(p.FicheModifiee, 0);
  // The chooser starts beside the open data file: its name is the path lent.
  EXPECT_EQ(faux.dossiers_initiaux, std::vector<std::string>{"C:\\donnees"});
  EXPECT_EQ(journal_bibliotheques.crochets, (std::vector<uint16_t>{0, 1}));
  EXPECT_EQ(faux.curseurs.back(), p.fleche);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ImportationTest, UnNouveauTravailPrendLePremierLienALaPlaceDeLaFicheVide) {
  ASSERT_EQ(ProgrammeDemarrer(&p, ""), 1);
  ImporterPage("<a href=http://a.fr/>A</a>");
  EXPECT_EQ(Fiches().size(), 1u);
  EXPECT_EQ(Compteurs(), "0000001/0000001");
  EXPECT_EQ(Texte(vue.champs[CHAMP_URL]), "http://a.fr/");
  EXPECT_EQ(faux.dossiers_initiaux, std::vector<std::string>{"C:\\Lorvanix"})
      << "no data file: the program folder handed over at start-up";
}

TEST_F(ImportationTest, UneImportationAbandonneeNeChangeRien) {
  Demarrer({{"un", "http://un.fr/", "", "", ""}});
  p.ChampCourant = vue.champs[CHAMP_NOTES];
  faux.choix_fichiers.push_back("");
  Commande(CMD_IMPORTER_PAGE);
  faux.Ecrire("C:\\vide.htm", "");
  faux.choix_fichiers.push_back("C:\\vide.htm");
  Commande(CMD_IMPORTER_PAGE);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Ce fichier est vide."});
  EXPECT_EQ(p.TravailModifie, 0);
  EXPECT_EQ(Fiches().size(), 1u);
  EXPECT_EQ(faux.focus, vue.champs[CHAMP_NOTES]) << "the focus stays in its field";
}

// Whichever allocation fails during an import, either the library refuses
// with its message and the store is untouched, or the store could not grow
// and the work in progress starts again empty.
TEST_F(ImportationTest, UnEchecDeMemoirePendantLImportation) {
  int reinitialisations = 0;
  for (int n = 1; n <= 8; n++) {
    SCOPED_TRACE(n);
    Demarrer({{"un", "http://un.fr/", "", "", ""}});
    faux.echec_allocation_dans = n;
    ImporterPage("<a href=http://a.fr/>A</a>");
    faux.echec_allocation_dans = 0;
    if (faux.Textes() == std::vector<std::string>{ALLOCATION_ECHOUEE}) {
      reinitialisations++;
      EXPECT_EQ(faux.messages[0].style, (unsigned)(BOITE_OK | ICONE_ERREUR));
      EXPECT_EQ(faux.messages[0].proprietaire, vue.fenetre);
      EXPECT_EQ(Titre(), "Lorvanix 6.1 Sans-Nom");
      EXPECT_STREQ(p.NomFichier, "");
      EXPECT_EQ(Fiches(), std::vector<Textes>(1));
      EXPECT_EQ(p.magasin.longSize, (uint32_t)TAILLE_BLOC_INITIAL);
      EXPECT_EQ(Compteurs(), "0000001/0000001");
      EXPECT_EQ(p.TravailModifie, 0);
    } else {
      EXPECT_EQ(Fiches().size(), faux.messages.empty() ? 2u : 1u);
      EXPECT_STREQ(p.NomFichier, "C:\\donnees\\liens.lvx");
    }
    ProgrammeLiberer(&p);
    p = Programme{};
    ASSERT_EQ(ProgrammeInitialiser(&p, &faux.programme, vue, (Poignee)0x50, (Poignee)0x51, nullptr),
              1);
  }
  EXPECT_EQ(reinitialisations, 1) << "the store grows once for the first card";
}

std::string FichierConfigurationAttendu(const FichierConfiguration& f, std::string chemin) {
  chemin.resize(256, '\0');
  return std::string(f.entete, f.taille_entete) + chemin;
}

// The bookmark file and the mail file are lent the paths read at start-up;
// the ones chosen come back and are written at the end.
TEST_F(ImportationTest, LesFichiersChoisisSontRetenusALaFin) {
  faux.Ecrire("C:\\Lorvanix\\BOOKDEF.CFG",
              FichierConfigurationAttendu(CONFIGURATION_SIGNETS, "C:\\ancien\\bookmark.htm"));
  faux.Ecrire("C:\\Lorvanix\\COURDEF.CFG",
              FichierConfigurationAttendu(CONFIGURATION_COURRIER, "C:\\ancien\\boite.mbox"));
  ASSERT_EQ(ProgrammeDemarrer(&p, ""), 1);
  faux.Ecrire("C:\\Netscape\\bookmark.htm",
              "<DT><H3 FOLDED>Moteurs</H3>\n<DT><A HREF=http://www.example.org/>Exemple</A>\n");
  faux.Ecrire("C:\\Courrier\\boite.mbox", "From marie\nFrom: Marie <marie@example.org>\n\n");
  std::vector<std::string> montres;
  auto nommer = [&montres](unsigned ok, const char* chemin) {
    return [&montres, ok, chemin](DialogueImport* d) {
      montres.push_back(d->textes[0]);
      return Utilisateur({ok}, {chemin})(d);
    };
  };
  faux.dans_import.push_back(nommer(ID_SIGNETS_OK, "C:\\Netscape\\bookmark.htm"));
  Commande(CMD_IMPORTER_SIGNETS);
  faux.dans_import.push_back(nommer(ID_EMAILS_OK, "C:\\Courrier\\boite.mbox"));
  faux.dans_import.push_back(Utilisateur({ID_COURRIEL_OK}));
  Commande(CMD_IMPORTER_COURRIEL);

  EXPECT_EQ(montres,
            (std::vector<std::string>{"C:\\ancien\\bookmark.htm", "C:\\ancien\\boite.mbox"}));
  EXPECT_STREQ(p.CheminSignets, "C:\\Netscape\\bookmark.htm");
  EXPECT_STREQ(p.CheminCourrier, "C:\\Courrier\\boite.mbox");
  ASSERT_EQ(Fiches().size(), 2u);
  EXPECT_EQ(Fiches()[0], (Textes{"Exemple", "http://www.example.org/", "Moteurs", "", ""}));
  EXPECT_EQ(Fiches()[1][1], "mailto:marie@example.org");

  faux.reponses = {REPONSE_NON};
  ASSERT_EQ(ProgrammeQuitter(&p), 1);
  EXPECT_EQ(faux.Lire("C:\\Lorvanix\\bookdef.cfg"),
            FichierConfigurationAttendu(CONFIGURATION_SIGNETS, "C:\\Netscape\\bookmark.htm"));
  EXPECT_EQ(faux.Lire("C:\\Lorvanix\\courdef.cfg"),
            FichierConfigurationAttendu(CONFIGURATION_COURRIER, "C:\\Courrier\\boite.mbox"));
}

// The commands that propose a folder write it into the program's own buffer.
TEST_F(ImportationTest, LesDossiersProposesArriventDansLeursTampons) {
  faux.dossiers_speciaux[DOSSIER_FAVORIS] = "C:\\Windows\\Favoris";
  faux.dossiers_speciaux[DOSSIER_MES_DOCUMENTS] = "C:\\Mes documents";
  ASSERT_EQ(ProgrammeDemarrer(&p, ""), 1);
  Commande(CMD_IMPORTER_FAVORIS);
  Commande(CMD_FICHES_EXTRA_WEB_DOSSIER);
  EXPECT_STREQ(p.DossierFavoris, "C:\\Windows\\Favoris");
  EXPECT_STREQ(p.DossierExtraWeb, "C:\\Mes documents");
  EXPECT_EQ(p.TravailModifie, 0);
}

TEST_F(ImportationTest, CreerUneFicheExtraWebLAjouteApresLaFicheALEcran) {
  faux.Ecrire("C:\\Outils\\ed.exe", "MZ");
  Demarrer({{"un", "http://un.fr/", "", "", ""}, {"deux", "http://deux.fr/", "", "", ""}});
  faux.dans_import.push_back(Utilisateur({ID_EXTRA_WEB_BOITE_OK}, {"C:\\Outils\\ed.exe", ""}));
  Commande(CMD_CREER_FICHE_EXTRA_WEB);
  ASSERT_EQ(Fiches().size(), 3u);
  EXPECT_EQ(Fiches()[1][1], "<EXTRAWEB>C:\\Outils\\ed.exe ");
  EXPECT_EQ(Texte(vue.champs[CHAMP_URL]), "<EXTRAWEB>C:\\Outils\\ed.exe ");
  EXPECT_EQ(Compteurs(), "0000002/0000003");
  EXPECT_EQ(p.TravailModifie, 1);
}

class ModifierUrlTest : public ImportationTest {
 protected:
  void ChoisirPage() {
    faux.Ecrire("C:\\pages\\ete.htm", "<TITLE>Mon &eacute;t&eacute;</TITLE>");
    faux.choix_fichiers.push_back("C:\\pages\\ete.htm");
  }
};

TEST_F(ModifierUrlTest, LaNouvelleURLAtteintLeMagasinALaProchaineReecriture) {
  Demarrer({{"un", "http://un.fr/", "", "", ""}, {"deux", "http://deux.fr/", "", "", ""}});
  ChoisirPage();
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_MODIFIER_URL_FICHIER);
  EXPECT_EQ(Nom(), "Mon été");
  EXPECT_EQ(Texte(vue.champs[CHAMP_URL]), "C:\\pages\\ete.htm");
  EXPECT_EQ(p.FicheModifiee, 1);
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(Fiches()[0][1], "http://un.fr/") << "only the edits changed";

  Commande(CMD_FICHE_SUIVANTE);
  EXPECT_EQ(Fiches()[0], (Textes{"Mon été", "C:\\pages\\ete.htm", "", "", ""}));
  EXPECT_EQ(Nom(), "deux");
}

TEST_F(ModifierUrlTest, AnnulerALaQuestionDuTitreNeChangeRien) {
  Demarrer({{"un", "http://un.fr/", "", "", ""}});
  ChoisirPage();
  faux.reponses = {REPONSE_ANNULER};
  Commande(CMD_MODIFIER_URL_FICHIER);
  EXPECT_EQ(Nom(), "un");
  EXPECT_EQ(p.FicheModifiee, 0);
  EXPECT_EQ(p.TravailModifie, 0);
}

TEST_F(ModifierUrlTest, ConnecterUnExtraWebInvalideOuvreLeDialogueSurLaFiche) {
  faux.Ecrire("C:\\Outils\\ed.exe", "MZ");
  faux.Ecrire("D:\\doc.txt", "x");
  Demarrer({{"doc", "<EXTRAWEB>C:\\Program Files\\Ed\\ed.exe D:\\doc.txt", "", "", ""}});
  p.ChampCourant = vue.champs[CHAMP_NOTES];
  faux.reponses = {REPONSE_OUI};
  std::string titre, application, document;
  faux.dans_import.push_back([&](DialogueImport* d) {
    titre = d->titre;
    application = d->textes[0];
    document = d->textes[1];
    return Utilisateur({ID_EXTRA_WEB_BOITE_OK}, {"C:\\Outils\\ed.exe", "D:\\doc.txt"})(d);
  });
  journal_bibliotheques.crochets.clear();
  Commande(CMD_CONNECTER);

  EXPECT_EQ(faux.messages.size(), 1u) << "only the question";
  EXPECT_EQ(titre, "Remplacer l'URL de la fiche à l'écran par l'extra web :");
  EXPECT_EQ(application, "C:\\Program Files\\Ed\\ed.exe");
  EXPECT_EQ(document, "D:\\doc.txt");
  EXPECT_EQ(Texte(vue.champs[CHAMP_URL]), "<EXTRAWEB>C:\\Outils\\ed.exe D:\\doc.txt");
  EXPECT_EQ(p.FicheModifiee, 1);
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(faux.focus, vue.champs[CHAMP_NOTES]);
  EXPECT_EQ(faux.curseurs.back(), p.fleche);
  EXPECT_EQ(journal_bibliotheques.crochets, (std::vector<uint16_t>{0, 1}))
      << "the hooks stay off for the dialog";

  ProgrammeReecrire(&p);
  EXPECT_EQ(Fiches()[0][1], "<EXTRAWEB>C:\\Outils\\ed.exe D:\\doc.txt");
}

}  // namespace
