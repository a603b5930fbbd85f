// The cards pointing to a local page: Créer fiche and Modifier URL.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commandes_recup.h"
#include "essai_import.h"

namespace {

const char VIDE[] = "Ce fichier est vide.";
const char OUVERTURE[] = "Une erreur est survenue. Impossible d'ouvrir ce fichier.";
const char IDENTIQUE[] =
    "Une URL identique au chemin choisi existe déja dans la session en cours. \n"
    "Souhaitez vous continuer ?";
const char SANS_TITRE[] =
    "La page web correspondant au fichier HTML n'a pas de titre.\n\n"
    "Souhaitez vous effacer le nom de site actuel ?\n";
const char LIMITE[] =
    "Le nombre total de fiches existantes est trop important pour en créer une nouvelle !";
const std::string AVANT_TITRE = "Le titre de la page web correspondante au fichier HTML est :\n\n";
const std::string APRES_TITRE = "\n\nSouhaitez vous remplacer le nom de site actuel par celui-ci ?";

using FicheFichierTest = EssaiImport;

class UrlFichierTest : public EssaiImport {
 protected:
  Poignee const NOM = (Poignee)0x200;
  Poignee const URL = (Poignee)0x201;
  void SetUp() override {
    EssaiImport::SetUp();
    Remplir({{"Ancien", "http://ancien/", "", "", ""}});
    faux.controles[NOM].texte = "Ancien";
    faux.controles[URL].texte = "http://ancien/";
  }
  uint16_t Remplacer() {
    CommandeImport s{};
    s.sys = sys;
    s.transfert = transfert.data();
    s.fenetre = FENETRE;
    s.chemin = chemin;
    s.magasin.lpDebutMem = c.magasin.lpDebutMem;
    s.magasin.lpFinMem = c.magasin.lpFinMem;
    uint16_t r = RemplacerUrlFichier(&s, NOM, URL);
    modifiees = s.FichesModifieesOK;
    return r;
  }
  uint16_t modifiees = 0;
};

TEST_F(FicheFichierTest, LeTitreDecodeNommeLaFiche) {
  faux.Ecrire("C:\\pages\\ete.htm", "<HTML><TITLE>Mon &eacute;t&eacute;</TITLE></HTML>");
  snprintf(chemin, sizeof chemin, "C:\\donnees\\liens.lvx");
  faux.choix_fichiers.push_back("C:\\pages\\ete.htm");
  EXPECT_EQ(CreerFichePointantFichier(&c), 1);
  // The empty card on screen takes the new card.
  EXPECT_EQ(Fiches(), std::vector<Textes>({{"Mon été", "C:\\pages\\ete.htm", "", "", ""}}));
  EXPECT_EQ(c.magasin.TotalFiches, 1);
  EXPECT_EQ(c.FichesModifieesOK, 1);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(faux.titres_dialogues[0], "Créer une fiche pointant vers le fichier :");
  EXPECT_EQ(std::string(faux.dialogues[0].filtre, 24),
            std::string("HTML (*.*htm*)\0*.*htm*\0\0", 24));
  EXPECT_EQ(faux.dialogues[0].proprietaire, FENETRE);
  EXPECT_EQ(faux.dossiers_initiaux[0], "C:\\donnees");
  EXPECT_STREQ(etatImport.dossiers[RETENU_FICHE_FICHIER], "C:\\pages");
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE}));
}

struct CasTitre {
  std::string page, titre;
};

TEST_F(FicheFichierTest, OuSeTrouveLeTitre) {
  const std::string loin(65520 - 15, ' ');
  const CasTitre cas[] = {
      {"<title>x</title>", ""},  // only in capitals
      {"<TITLE>x</title>", ""},
      {"<TITLE>a</TITLE><TITLE>b</TITLE>", "a"},
      {"</TITLE><TITLE>b</TITLE>", "b"},
      {"<TITLE></TITLE>", ""},
      {"<TITLE>  a\r\n b </TITLE>", " a b "},
      {"<TITLE>x", ""},
      // Only the first 65,520 bytes are read.
      {loin + "<TITLE>x</TITLE>", ""},
      {loin.substr(1) + "<TITLE>x</TITLE>", "x"},
      {std::string("<TITLE>a\0b</TITLE>", 18), "a"},
  };
  int i = 0;
  for (const CasTitre& k : cas) {
    SCOPED_TRACE(i);
    std::string p = "C:\\p" + std::to_string(i++) + ".htm";
    faux.Ecrire(p, k.page);
    faux.choix_fichiers.push_back(p);
    ASSERT_EQ(CreerFichePointantFichier(&c), 1);
    EXPECT_EQ(Fiches().back()[0], k.titre);
    EXPECT_EQ(Fiches().back()[1], p);
  }
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(FicheFichierTest, UnCheminDejaPresentDemandeSiContinuer) {
  faux.Ecrire("C:\\p.htm", "<TITLE>T</TITLE>");
  Remplir({{"1", "C:\\p.htm", "", "", ""}, {"2", "c:\\P.htm", "", "", ""}});
  faux.choix_fichiers = {"C:\\p.htm", "C:\\p.htm"};
  faux.reponses = {REPONSE_NON, REPONSE_OUI};
  EXPECT_EQ(CreerFichePointantFichier(&c), 1) << "the file was read";
  EXPECT_EQ(Urls(), (std::vector<std::string>{"C:\\p.htm", "c:\\P.htm"}));
  EXPECT_EQ(c.FichesModifieesOK, 0);
  EXPECT_EQ(CreerFichePointantFichier(&c), 1);
  EXPECT_EQ(Urls(), (std::vector<std::string>{"C:\\p.htm", "C:\\p.htm", "c:\\P.htm"}));
  EXPECT_EQ(c.magasin.NumFiche, 2);
  ASSERT_EQ(faux.messages.size(), 2u);
  EXPECT_EQ(faux.messages[0].texte, IDENTIQUE);
  EXPECT_EQ(faux.messages[0].style, (unsigned)(BOITE_OUI_NON | ICONE_QUESTION));
}

TEST_F(FicheFichierTest, EchecsDeLecture) {
  faux.Ecrire("C:\\vide.htm", "");
  faux.choix_fichiers = {"C:\\vide.htm", "C:\\absent.htm", ""};
  for (int i = 0; i < 3; i++) EXPECT_EQ(CreerFichePointantFichier(&c), 0);
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{VIDE, OUVERTURE}));
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ERREUR);
  EXPECT_EQ(Fiches(), std::vector<Textes>{Textes{}});
  EXPECT_EQ(c.FichesModifieesOK, 0);
}

TEST_F(FicheFichierTest, LaLimiteDesFiches) {
  faux.Ecrire("C:\\p.htm", "<TITLE>T</TITLE>");
  c.magasin.TotalFiches = 9999999;
  faux.choix_fichiers = {"C:\\p.htm", "C:\\p.htm"};
  EXPECT_EQ(CreerFichePointantFichier(&c), 1) << "an empty card on screen is still replaced";
  EXPECT_EQ(Urls(), std::vector<std::string>{"C:\\p.htm"});
  faux.reponses = {REPONSE_OUI};
  EXPECT_EQ(CreerFichePointantFichier(&c), 1);
  EXPECT_EQ(Urls(), std::vector<std::string>{"C:\\p.htm"});
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{IDENTIQUE, LIMITE}));
  EXPECT_EQ(faux.messages[1].style, (unsigned)ICONE_ATTENTION);
}

TEST_F(FicheFichierTest, LesAllocations) {
  faux.Ecrire("C:\\p.htm", "<TITLE>T</TITLE>");
  faux.echec_allocation_dans = 1;
  faux.choix_fichiers.push_back("C:\\p.htm");
  EXPECT_EQ(CreerFichePointantFichier(&c), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de mémoire impossible !"});
  EXPECT_TRUE(faux.dialogues.empty());

  // The store cannot grow: a null start and no message.
  faux.messages.clear();
  Remplir({{"1", "u1", "", "", ""}}, 1, 0);
  faux.echec_allocation_dans = 2;  // after the title buffer
  EXPECT_EQ(CreerFichePointantFichier(&c), 0);
  EXPECT_EQ(c.magasin.lpDebutMem, nullptr);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(UrlFichierTest, LeTitreProposeSelonLaReponse) {
  faux.Ecrire("C:\\pages\\p.htm", "<TITLE>Le &amp; titre</TITLE>");
  const struct {
    int reponse;
    std::string nom, url;
    uint16_t modifiees;
  } cas[] = {
      {REPONSE_OUI, "Le & titre", "C:\\pages\\p.htm", 1},
      {REPONSE_NON, "Ancien", "C:\\pages\\p.htm", 1},
      {REPONSE_ANNULER, "Ancien", "http://ancien/", 0},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.reponse);
    faux.controles[NOM].texte = "Ancien";
    faux.controles[URL].texte = "http://ancien/";
    faux.messages.clear();
    faux.choix_fichiers.push_back("C:\\pages\\p.htm");
    faux.reponses = {k.reponse};
    EXPECT_EQ(Remplacer(), 1);
    EXPECT_EQ(faux.controles[NOM].texte, k.nom);
    EXPECT_EQ(faux.controles[URL].texte, k.url);
    EXPECT_EQ(modifiees, k.modifiees);
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].texte, AVANT_TITRE + "Le & titre" + APRES_TITRE);
    EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
    EXPECT_EQ(faux.messages[0].style, (unsigned)(BOITE_OUI_NON_ANNULER | ICONE_QUESTION));
  }
  EXPECT_EQ(Fiches(), std::vector<Textes>({{"Ancien", "http://ancien/", "", "", ""}}));
  EXPECT_EQ(faux.titres_dialogues[0], "Remplacer l'URL en cours par le chemin du fichier :");
  EXPECT_EQ(faux.dossiers_initiaux,
            (std::vector<std::string>{"C:\\Lorvanix", "C:\\pages", "C:\\pages"}));
}

TEST_F(UrlFichierTest, UnePageSansTitre) {
  faux.Ecrire("C:\\p.htm", "<title>petit</title>");
  const struct {
    int reponse;
    std::string nom, url;
  } cas[] = {
      {REPONSE_OUI, "", "C:\\p.htm"},
      {REPONSE_NON, "Ancien", "C:\\p.htm"},
      {REPONSE_ANNULER, "Ancien", "http://ancien/"},
  };
  for (const auto& k : cas) {
    faux.controles[NOM].texte = "Ancien";
    faux.controles[URL].texte = "http://ancien/";
    faux.choix_fichiers.push_back("C:\\p.htm");
    faux.reponses = {k.reponse};
    EXPECT_EQ(Remplacer(), 1);
    EXPECT_EQ(faux.controles[NOM].texte, k.nom) << k.reponse;
    EXPECT_EQ(faux.controles[URL].texte, k.url) << k.reponse;
    EXPECT_EQ(faux.messages.back().texte, SANS_TITRE);
  }
}

TEST_F(UrlFichierTest, AnnulerAChaqueEtapeNeChangeRien) {
  faux.Ecrire("C:\\p.htm", "<TITLE>T</TITLE>");
  faux.Ecrire("C:\\vide.htm", "");
  Remplir({{"Ancien", "C:\\p.htm", "", "", ""}});
  const std::string avant(c.magasin.lpDebutMem, c.magasin.lpFinMem);
  faux.choix_fichiers = {"", "C:\\vide.htm", "C:\\p.htm"};
  faux.reponses = {REPONSE_OK, REPONSE_NON};  // the empty file's message, then the duplicate
  for (int i = 0; i < 3; i++) Remplacer();
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{VIDE, IDENTIQUE}));
  EXPECT_EQ(faux.controles[NOM].texte, "Ancien");
  EXPECT_EQ(faux.controles[URL].texte, "http://ancien/");
  EXPECT_EQ(modifiees, 0);
  EXPECT_EQ(std::string(c.magasin.lpDebutMem, c.magasin.lpFinMem), avant);
}

TEST_F(UrlFichierTest, UnTitreTresLongGardeLaQuestionDansSonTampon) {
  const std::string titre(65520 - 15, 'T');
  faux.Ecrire("C:\\p.htm", "<TITLE>" + titre + "</TITLE>");
  faux.choix_fichiers.push_back("C:\\p.htm");
  faux.reponses = {REPONSE_OUI};
  EXPECT_EQ(Remplacer(), 1);
  ASSERT_EQ(faux.messages.size(), 1u);
  const std::string& texte = faux.messages[0].texte;
  EXPECT_LE(texte.size(), 65533u);
  EXPECT_EQ(texte.substr(0, AVANT_TITRE.size()), AVANT_TITRE + "");
  EXPECT_EQ(texte.substr(texte.size() - APRES_TITRE.size()), APRES_TITRE);
  EXPECT_EQ(faux.controles[NOM].texte, titre) << "the name gets the whole title";
}

}  // namespace
