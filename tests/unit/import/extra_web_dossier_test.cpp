// The extra-web cards of the files under a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "choix_import.h"
#include "commandes_recup.h"
#include "essai_import.h"
#include "options_import.h"

namespace {

const char RIEN[] = "Il n'y a rien dans ce dossier.";
const char LIMITE[] =
    "Le nombre total de fiches existantes est trop important. Tous les fichiers n'ont pas pu "
    "être traités !";
const char WORD[] = "C:\\Program Files\\Word\\winword.exe";

class ExtraWebDossierTest : public EssaiImport {
 protected:
  struct Choix {
    std::string titre, premier;
    DialogueDossier d;
  };
  std::vector<Choix> choix;

  void SetUp() override {
    EssaiImport::SetUp();
    faux.dossiers_speciaux[DOSSIER_MES_DOCUMENTS] = "C:\\Mes documents";
    faux.associations[".doc"] = "C:\\PROGRA~1\\Word\\WINWORD.EXE";
    faux.noms_longs["C:\\PROGRA~1"] = "Program Files";
    faux.noms_longs["C:\\PROGRA~1\\Word"] = "Word";
    faux.noms_longs["C:\\PROGRA~1\\Word\\WINWORD.EXE"] = "winword.exe";
    faux.Ecrire("D:\\Docs\\Lettre.doc", "lettre");
    faux.Ecrire("D:\\Docs\\Outil.exe", "MZ");
  }
  // The user clicks the panel's boxes, then chooses the folder (empty: Annuler).
  void Choisir(const std::string& dossier, std::vector<unsigned> clics = {}) {
    faux.dans_dossiers.push_back([this, dossier, clics](DialogueDossier* d) {
      choix.push_back({d->titre, d->dossier_initial, *d});
      for (unsigned id : clics) PanneauCliquer(d, id);
      if (dossier.empty()) return 0;
      snprintf(d->dossier, sizeof d->dossier, "%s", dossier.c_str());
      return 1;
    });
  }
};

TEST_F(ExtraWebDossierTest, UneFicheParFichierAvecSonApplication) {
  Choisir("D:\\Docs");
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  EXPECT_EQ(
      Fiches(),
      (std::vector<Textes>{
          {"Lettre", std::string("<EXTRAWEB>") + WORD + " D:\\Docs\\Lettre.doc", "Docs", "", ""},
          {"Outil", "<EXTRAWEB>D:\\Docs\\Outil.exe", "Docs", "", ""},
      }));
  EXPECT_EQ(c.magasin.NumFiche, 2);
  EXPECT_EQ(c.FichesModifieesOK, 1);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE}));

  ASSERT_EQ(choix.size(), 1u);
  EXPECT_EQ(choix[0].titre, "Créer les fiches extra web pour les fichiers *.* du dossier :");
  EXPECT_EQ(choix[0].premier, "C:\\Mes documents");
  EXPECT_EQ(choix[0].d.panneau, (unsigned)PANNEAU_DOSSIER_EXTRA_WEB);
  EXPECT_EQ(choix[0].d.options, &optionsImport.extra_web.InclureSousDossiers);
  EXPECT_EQ(choix[0].d.proprietaire, FENETRE);
  EXPECT_EQ(std::string(choix[0].d.filtre, 16), std::string("TOUS (*.*)\0*.*\0\0", 16));
  EXPECT_STREQ(chemin, "C:\\Mes documents");
  EXPECT_STREQ(etatImport.dossiers[RETENU_DOSSIER_EXTRA_WEB], "D:\\Docs");

  // The remembered folder is proposed next time.
  Choisir("");
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 0);
  EXPECT_EQ(choix[1].premier, "D:\\Docs");
  EXPECT_STREQ(chemin, "D:\\Docs");
}

TEST_F(ExtraWebDossierTest, DeuxFoisAvecLesNouveauxFichiersNAjouteRien) {
  for (int i = 0; i < 2; i++) {
    Choisir("D:\\Docs");
    EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  }
  EXPECT_EQ(Fiches().size(), 2u);
  // Without the option the files get their cards again.
  Choisir("D:\\Docs", {ID_EXTRA_WEB_NOUVEAUX});
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  EXPECT_EQ(Fiches().size(), 4u);
  EXPECT_EQ(optionsImport.extra_web.UniquementNouveauxFichiers, 0) << "OK keeps the options";
}

TEST_F(ExtraWebDossierTest, LesCartesExistantesComparentSansLaCasse) {
  faux.Ecrire("D:\\Docs\\Note.txt", "note");
  faux.Ecrire("D:\\Docs\\Autre.doc", "autre");
  faux.associations[".txt"] = "C:\\Outils\\ed.exe";
  Remplir(
      {
          // In capitals the tag is there: the document part is compared.
          {"", "<extraweb>C:\\Ed\\ed.exe d:\\docs\\lettre.doc", "", "", ""},
          // A file that is its own application: the whole URL.
          {"", "<EXTRAWEB>d:\\docs\\outil.EXE", "", "", ""},
          {"", "d:\\DOCS\\note.TXT", "", "", ""},
      },
      3);
  Choisir("D:\\Docs");
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  std::vector<std::string> u = Urls();
  ASSERT_EQ(u.size(), 4u);
  EXPECT_EQ(u[3], std::string("<EXTRAWEB>") + WORD + " D:\\Docs\\Autre.doc");
}

TEST_F(ExtraWebDossierTest, LesSousDossiersSelonLOption) {
  faux.Ecrire("D:\\Docs\\Cache\\Caché.doc", "x");
  faux.attributs["D:\\Docs\\Cache"] = ATTRIBUT_DOSSIER | ATTRIBUT_CACHE;
  faux.Ecrire("D:\\Docs\\Sans.zzz", "sans application");
  Choisir("D:\\Docs", {ID_EXTRA_WEB_SOUS_DOSSIERS});
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  EXPECT_EQ(Fiches().size(), 2u);
  Choisir("D:\\Docs", {ID_EXTRA_WEB_SOUS_DOSSIERS, ID_EXTRA_WEB_NOUVEAUX});
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  auto f = Fiches();
  ASSERT_EQ(f.size(), 5u);
  EXPECT_EQ(f[2], (Textes{"Caché", std::string("<EXTRAWEB>") + WORD + " D:\\Docs\\Cache\\Caché.doc",
                          "Cache", "", ""}));
  EXPECT_TRUE(faux.messages.empty()) << "a file without application is passed over silently";
}

TEST_F(ExtraWebDossierTest, AnnulerRemetLesOptions) {
  Choisir("", {ID_EXTRA_WEB_SOUS_DOSSIERS, ID_EXTRA_WEB_NOUVEAUX});
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 0);
  EXPECT_EQ(optionsImport.extra_web.InclureSousDossiers, 1);
  EXPECT_EQ(optionsImport.extra_web.UniquementNouveauxFichiers, 1);
  EXPECT_EQ(Fiches(), std::vector<Textes>{Textes{}});
  EXPECT_EQ(c.FichesModifieesOK, 0);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_STREQ(etatImport.dossiers[RETENU_DOSSIER_EXTRA_WEB], "");
}

TEST_F(ExtraWebDossierTest, UnDossierVideOuAbsent) {
  std::filesystem::create_directories(faux.Linux("C:\\Vide"));
  Choisir("C:\\Vide");
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  EXPECT_TRUE(faux.messages.empty());
  Choisir("C:\\Absent");
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{RIEN});
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ATTENTION);
  EXPECT_EQ(Fiches(), std::vector<Textes>{Textes{}});
}

TEST_F(ExtraWebDossierTest, LaRacineDUnLecteurDonneUneRubriqueVide) {
  faux.Ecrire("E:\\Outil.exe", "MZ");
  Choisir("E:\\", {ID_EXTRA_WEB_SOUS_DOSSIERS});
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 1);
  auto f = Fiches();
  ASSERT_FALSE(f.empty());
  EXPECT_EQ(f.back(), (Textes{"Outil", "<EXTRAWEB>E:\\Outil.exe", "", "", ""}));
}

TEST_F(ExtraWebDossierTest, LaLimiteDesFichesArreteAvecSonMessage) {
  Remplir({{"1", "u1", "", "", ""}});
  c.magasin.TotalFiches = 9999999;
  Choisir("D:\\Docs");
  EXPECT_EQ(CreerFichesExtrasWebSousDossier(&c), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{LIMITE});
  EXPECT_EQ(Urls(), std::vector<std::string>{"u1"});
  EXPECT_EQ(faux.curseurs.back(), FLECHE);
}

// Every allocation after the chooser fails in turn: the store's stops the
// command with a null start and no message, the duplicate index's changes
// nothing.
TEST_F(ExtraWebDossierTest, ChaqueEchecDAllocation) {
  int sans_bloc = 0;
  for (int n = 1; n <= 8; n++) {
    SCOPED_TRACE(n);
    Remplir({{"1", "u1", "", "", ""}}, 1, 0);
    faux.dans_dossiers.push_back([this, n](DialogueDossier* d) {
      faux.echec_allocation_dans = n;
      snprintf(d->dossier, sizeof d->dossier, "D:\\Docs");
      return 1;
    });
    uint16_t r = CreerFichesExtrasWebSousDossier(&c);
    faux.echec_allocation_dans = 0;
    EXPECT_TRUE(faux.messages.empty());
    if (!c.magasin.lpDebutMem) {
      sans_bloc++;
      EXPECT_EQ(r, 0);
    } else {
      EXPECT_EQ(r, 1);
      EXPECT_EQ(Fiches().size(), 3u);
    }
  }
  EXPECT_GE(sans_bloc, 1);
}

}  // namespace
