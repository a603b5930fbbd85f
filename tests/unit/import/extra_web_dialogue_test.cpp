// The EXTRAWEBBOX commands: one extra-web card, or the URL on screen replaced.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "commandes_recup.h"
#include "essai_import.h"

namespace {

const char RIEN[] = "Vous n'avez rien spécifié !";
const char DOCUMENT[] = "Le fichier à charger par l'application n'a pas été trouvé !";
const char EXECUTABLE[] = "Le fichier exécutable de l'application n'a pas été trouvé !";
const char CHERCHER_EXECUTABLE[] =
    "Le fichier exécutable de l'application n'a pas été trouvé !\n"
    "Souhaitez vous que Lorvanix 6.1 recherche l'application que Windows utiliserait pour "
    "ouvrir le fichier ?";
const char CHERCHER_APPLICATION[] =
    "Vous n'avez pas spécifié d'application !\n"
    "Souhaitez vous que Lorvanix 6.1 recherche l'application que Windows utiliserait pour "
    "ouvrir le fichier ?";
const char SANS_APPLICATION[] = "Windows n'a pas trouvé d'application pour ouvrir ce fichier !";
const char IDENTIQUE[] =
    "Un extra web identique existe déja dans la session en cours. \nSouhaitez vous continuer ?";
const char LIMITE[] =
    "Le nombre total de fiches existantes est trop important pour en créer une nouvelle !";

using Boites = std::array<std::string, 2>;

class ExtraWebTest : public EssaiImport {
 protected:
  Poignee const URL = (Poignee)0x201;
  std::vector<Boites> boites;  // the two boxes after each press
  std::vector<std::string> titres;

  void SetUp() override {
    EssaiImport::SetUp();
    faux.Ecrire("C:\\Outils\\ed.exe", "MZ");
    faux.Ecrire("C:\\Docs\\lettre.txt", "texte");
  }
  // The user types the boxes, then presses each id in turn, noting the
  // boxes after each press.
  void Utiliser(const Boites& tape, std::vector<unsigned> ids) {
    faux.dans_import.push_back([this, tape, ids](DialogueImport* d) {
      titres.push_back(d->titre ? d->titre : "");
      snprintf(d->textes[0], TAILLE_TEXTE_DIALOGUE, "%s", tape[0].c_str());
      snprintf(d->textes[1], TAILLE_TEXTE_DIALOGUE, "%s", tape[1].c_str());
      for (unsigned id : ids) {
        SuiteDialogue s = DialogueImportAppuyer(d, id);
        boites.push_back({d->textes[0], d->textes[1]});
        if (s != DIALOGUE_RESTE) return s == DIALOGUE_FERME_OK ? 1 : 0;
      }
      return 0;
    });
  }
  // The boxes as the dialog opens, then Annuler.
  Boites AOuverture() {
    Boites b;
    faux.dans_import.push_back([&b](DialogueImport* d) {
      b = {d->textes[0], d->textes[1]};
      return 0;
    });
    Remplacer();
    return b;
  }
  uint16_t Remplacer() {
    CommandeImport s{};
    s.sys = sys;
    s.transfert = transfert.data();
    s.fenetre = FENETRE;
    s.chemin = chemin;
    s.magasin.lpDebutMem = c.magasin.lpDebutMem;
    s.magasin.lpFinMem = c.magasin.lpFinMem;
    s.magasin.lpFicheEcran = c.magasin.lpFicheEcran;
    uint16_t r = RemplacerUrlExtraWeb(&s, URL);
    modifiees = s.FichesModifieesOK;
    return r;
  }
  uint16_t modifiees = 0;
};

TEST_F(ExtraWebTest, SeulementUneApplication) {
  Utiliser({"C:\\Outils\\ed.exe", ""}, {ID_EXTRA_WEB_BOITE_OK});
  EXPECT_EQ(CreerFicheExtraWeb(&c), 1);
  EXPECT_EQ(Fiches(), std::vector<Textes>({{"", "<EXTRAWEB>C:\\Outils\\ed.exe ", "", "", ""}}));
  EXPECT_EQ(c.FichesModifieesOK, 1);
  EXPECT_EQ(titres, std::vector<std::string>{"Créer une fiche extra web :"});
  EXPECT_EQ(faux.modeles_import, std::vector<int>{MODELE_EXTRAWEBBOX});
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE}));
}

struct CasOk {
  Boites tape;
  std::vector<int> reponses;
  std::vector<std::string> messages;
  Boites apres;
};

// Each box combination keeps the dialog open with its message.
TEST_F(ExtraWebTest, LesErreursGardentLaBoiteOuverte) {
  faux.associations[".txt"] = "C:\\Outils\\ed.exe";
  faux.Ecrire("C:\\Docs\\inconnu.zzz", "?");
  const CasOk cas[] = {
      {{"", ""}, {}, {RIEN}, {"", ""}},
      {{"C:\\Outils\\ed.exe", "C:\\Docs\\absent.txt"}, {}, {DOCUMENT}, {}},
      {{"", "C:\\Docs\\absent.txt"}, {}, {DOCUMENT}, {}},
      {{"C:\\absent.exe", ""}, {}, {EXECUTABLE}, {}},
      {{"C:\\absent.exe", "C:\\Docs\\lettre.txt"}, {REPONSE_NON}, {CHERCHER_EXECUTABLE}, {}},
      {{"C:\\absent.exe", "C:\\Docs\\lettre.txt"},
       {REPONSE_OUI},
       {CHERCHER_EXECUTABLE},
       {"C:\\Outils\\ed.exe", "C:\\Docs\\lettre.txt"}},
      {{"", "C:\\Docs\\lettre.txt"}, {REPONSE_NON}, {CHERCHER_APPLICATION}, {}},
      {{"", "C:\\Docs\\lettre.txt"},
       {REPONSE_OUI},
       {CHERCHER_APPLICATION},
       {"C:\\Outils\\ed.exe", "C:\\Docs\\lettre.txt"}},
      {{"", "C:\\Docs\\inconnu.zzz"}, {REPONSE_OUI}, {CHERCHER_APPLICATION, SANS_APPLICATION}, {}},
  };
  for (const CasOk& k : cas) {
    SCOPED_TRACE(k.tape[0] + " | " + k.tape[1]);
    faux.messages.clear();
    boites.clear();
    faux.reponses = {k.reponses.begin(), k.reponses.end()};
    Utiliser(k.tape, {ID_EXTRA_WEB_BOITE_OK, ID_EXTRA_WEB_BOITE_ANNULER});
    EXPECT_EQ(CreerFicheExtraWeb(&c), 1);
    EXPECT_EQ(faux.Textes(), k.messages);
    for (const MessageVu& m : faux.messages) {
      EXPECT_EQ(m.proprietaire, (Poignee)0xD1A) << "owned by the dialog";
      EXPECT_EQ(m.style & 0xF0, (unsigned)ICONE_ATTENTION);
    }
    ASSERT_EQ(boites.size(), 2u) << "still open after OK";
    EXPECT_EQ(boites[0], k.apres[0].empty() && k.apres[1].empty() ? k.tape : k.apres);
  }
  EXPECT_EQ(Fiches(), std::vector<Textes>{Textes{}});
  EXPECT_EQ(c.FichesModifieesOK, 0);
}

TEST_F(ExtraWebTest, LApplicationTrouveePrendSaFormeLongueDepuisSonLecteur) {
  faux.Ecrire("C:\\Program Files\\Ed Long\\ed.exe", "MZ");
  faux.noms_longs["C:\\PROGRA~1"] = "Program Files";
  faux.noms_longs["C:\\PROGRA~1\\EDLONG~1"] = "Ed Long";
  faux.noms_longs["C:\\PROGRA~1\\EDLONG~1\\ED.EXE"] = "ed.exe";
  for (std::string trouve : {"C:\\PROGRA~1\\EDLONG~1\\ED.EXE", "\"C:\\Outils\\ed.exe"}) {
    SCOPED_TRACE(trouve);
    faux.associations[".txt"] = trouve;
    boites.clear();
    faux.reponses = {REPONSE_OUI};
    Utiliser({"", "C:\\Docs\\lettre.txt"}, {ID_EXTRA_WEB_BOITE_OK, ID_EXTRA_WEB_BOITE_ANNULER});
    CreerFicheExtraWeb(&c);
    ASSERT_FALSE(boites.empty());
    EXPECT_EQ(boites[0][0],
              trouve[0] == '"' ? "C:\\Outils\\ed.exe" : "C:\\Program Files\\Ed Long\\ed.exe");
  }
}

TEST_F(ExtraWebTest, RechercherPuisConfirmerCreeLaFiche) {
  faux.associations[".txt"] = "C:\\Outils\\ed.exe";
  faux.reponses = {REPONSE_OUI};
  Utiliser({"C:\\absent.exe", "C:\\Docs\\lettre.txt"},
           {ID_EXTRA_WEB_BOITE_OK, ID_EXTRA_WEB_BOITE_OK});
  EXPECT_EQ(CreerFicheExtraWeb(&c), 1);
  EXPECT_EQ(Urls(), std::vector<std::string>{"<EXTRAWEB>C:\\Outils\\ed.exe C:\\Docs\\lettre.txt"});
}

TEST_F(ExtraWebTest, UnExtraWebDejaPresentDemandeSiContinuer) {
  Remplir({{"", "<EXTRAWEB>C:\\Outils\\ed.exe ", "", "", ""}});
  faux.reponses = {REPONSE_NON, REPONSE_OUI};
  for (int i = 0; i < 2; i++) {
    Utiliser({"C:\\Outils\\ed.exe", ""}, {ID_EXTRA_WEB_BOITE_OK});
    EXPECT_EQ(CreerFicheExtraWeb(&c), 1);
  }
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{IDENTIQUE, IDENTIQUE}));
  EXPECT_EQ(faux.messages[0].style, (unsigned)(BOITE_OUI_NON | ICONE_QUESTION));
  EXPECT_EQ(boites.size(), 2u) << "No closes the dialog too";
  EXPECT_EQ(Urls(), (std::vector<std::string>{"<EXTRAWEB>C:\\Outils\\ed.exe ",
                                              "<EXTRAWEB>C:\\Outils\\ed.exe "}));
}

TEST_F(ExtraWebTest, LaLimiteDesFiches) {
  Remplir({{"1", "u1", "", "", ""}});
  c.magasin.TotalFiches = 9999999;
  Utiliser({"C:\\Outils\\ed.exe", ""}, {ID_EXTRA_WEB_BOITE_OK});
  EXPECT_EQ(CreerFicheExtraWeb(&c), 1);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{LIMITE});
  EXPECT_EQ(Urls(), std::vector<std::string>{"u1"});
  EXPECT_EQ(c.FichesModifieesOK, 0);
}

TEST_F(ExtraWebTest, UnMagasinQuiNePeutGrandir) {
  Remplir({{"1", "u1", "", "", ""}}, 1, 0);
  faux.echec_allocation_dans = 1;
  Utiliser({"C:\\Outils\\ed.exe", ""}, {ID_EXTRA_WEB_BOITE_OK});
  EXPECT_EQ(CreerFicheExtraWeb(&c), 0);
  EXPECT_EQ(c.magasin.lpDebutMem, nullptr);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ExtraWebTest, LesDeuxBoutonsParcourir) {
  faux.dossiers_speciaux[DOSSIER_MENU_DEMARRER] = "C:\\Menu";
  snprintf(chemin, sizeof chemin, "C:\\donnees\\liens.lvx");
  faux.choix_fichiers = {"C:\\Outils\\ed.exe", "C:\\Docs\\lettre.txt", "", ""};
  Utiliser({"", ""}, {ID_EXTRA_WEB_PARCOURIR_APPLICATION, ID_EXTRA_WEB_PARCOURIR_DOCUMENT,
                      ID_EXTRA_WEB_PARCOURIR_APPLICATION, ID_EXTRA_WEB_PARCOURIR_DOCUMENT,
                      ID_EXTRA_WEB_BOITE_ANNULER});
  EXPECT_EQ(CreerFicheExtraWeb(&c), 1);
  EXPECT_EQ(boites[1], (Boites{"C:\\Outils\\ed.exe", "C:\\Docs\\lettre.txt"}));
  EXPECT_EQ(boites[3], boites[1]) << "a cancelled chooser changes nothing";
  EXPECT_EQ(faux.titres_dialogues,
            (std::vector<std::string>{"Application à lancer par Connecter... depuis la fiche :",
                                      "Fichier à charger par l'application :",
                                      "Application à lancer par Connecter... depuis la fiche :",
                                      "Fichier à charger par l'application :"}));
  EXPECT_EQ(faux.dossiers_initiaux,
            (std::vector<std::string>{"C:\\Menu", "C:\\donnees", "C:\\Menu", "C:\\Docs"}));
  EXPECT_EQ(std::string(faux.dialogues[0].filtre, 26),
            std::string("Exécutable (*.exe)\0*.exe\0\0", 26));
  EXPECT_EQ(std::string(faux.dialogues[1].filtre, 16), std::string("TOUS (*.*)\0*.*\0\0", 16));
  EXPECT_EQ(faux.dialogues[0].proprietaire, (Poignee)0xD1A);
  EXPECT_EQ(faux.dialogues[1].proprietaire, (Poignee)0xD1A);
  EXPECT_EQ(Fiches(), std::vector<Textes>{Textes{}});
}

TEST_F(ExtraWebTest, LeDecoupageALOuverture) {
  const std::string long_(300, 'a');
  const struct {
    std::string url;
    Boites boites;
  } cas[] = {
      {"<EXTRAWEB>C:\\Outils\\ed.exe", {"C:\\Outils\\ed.exe", ""}},
      {"<EXTRAWEB>C:\\Program Files\\Ed\\ed.exe D:\\doc.txt",
       {"C:\\Program Files\\Ed\\ed.exe", "D:\\doc.txt"}},
      // No ':' after the first space: the whole rest, without the blank
      // that OK writes again.
      {"<EXTRAWEB>C:\\Outils\\ed.exe ", {"C:\\Outils\\ed.exe", ""}},
      {"<EXTRAWEB>C:\\Mes Outils\\ed.exe  ", {"C:\\Mes Outils\\ed.exe", ""}},
      {"<EXTRAWEB>C:\\Mes Outils\\ed.exe", {"C:\\Mes Outils\\ed.exe", ""}},
      {"<EXTRAWEB>C:\\a b\\ed.exe D:\\x y\\doc.txt", {"C:\\a b\\ed.exe", "D:\\x y\\doc.txt"}},
      {"<EXTRAWEB>", {"", ""}},
      {"<extraweb>C:\\Outils\\ed.exe", {"", ""}},
      {"http://example.org/", {"", ""}},
      {"<EXTRAWEB>" + long_ + " D:\\" + long_,
       {long_.substr(0, 255), "D:\\" + long_.substr(0, 252)}},
  };
  for (const auto& k : cas) {
    Remplir({{"", k.url, "", "", ""}});
    EXPECT_EQ(AOuverture(), k.boites) << k.url;
  }
}

TEST_F(ExtraWebTest, RemplacerEcritLEditSansToucherAuMagasin) {
  Remplir({{"Ed", "<EXTRAWEB>C:\\Outils\\ed.exe", "", "", ""}});
  const std::string avant(c.magasin.lpDebutMem, c.magasin.lpFinMem);
  faux.controles[URL].texte = "<EXTRAWEB>C:\\Outils\\ed.exe";
  Utiliser({"C:\\Outils\\ed.exe", "C:\\Docs\\lettre.txt"}, {ID_EXTRA_WEB_BOITE_OK});
  EXPECT_EQ(Remplacer(), 1);
  EXPECT_EQ(faux.controles[URL].texte, "<EXTRAWEB>C:\\Outils\\ed.exe C:\\Docs\\lettre.txt");
  EXPECT_EQ(modifiees, 1);
  EXPECT_EQ(titres,
            std::vector<std::string>{"Remplacer l'URL de la fiche à l'écran par l'extra web :"});
  EXPECT_EQ(std::string(c.magasin.lpDebutMem, c.magasin.lpFinMem), avant);
}

TEST_F(ExtraWebTest, RemplacerSansRienChangerRendLaMemeUrl) {
  Remplir({{"Ed", "<EXTRAWEB>C:\\Outils\\ed.exe ", "", "", ""}});
  faux.Ecrire("C:\\Outils\\ed.exe", "MZ");
  faux.dans_import.push_back([](DialogueImport* d) {
    return DialogueImportAppuyer(d, ID_EXTRA_WEB_BOITE_OK) == DIALOGUE_FERME_OK;
  });
  faux.reponses = {REPONSE_OUI};  // the card on screen holds that URL already
  EXPECT_EQ(Remplacer(), 1);
  EXPECT_EQ(faux.controles[URL].texte, "<EXTRAWEB>C:\\Outils\\ed.exe ");
}

TEST_F(ExtraWebTest, RemplacerAnnuleOuRefuseNeChangeRien) {
  Remplir({{"Ed", "<EXTRAWEB>C:\\Outils\\ed.exe ", "", "", ""}});
  const std::string avant(c.magasin.lpDebutMem, c.magasin.lpFinMem);
  faux.controles[URL].texte = "avant";
  // Annuler; then the same URL as the card on screen, answered No.
  Utiliser({"C:\\Outils\\ed.exe", ""}, {ID_EXTRA_WEB_BOITE_ANNULER});
  EXPECT_EQ(Remplacer(), 1);
  faux.reponses = {REPONSE_NON};
  Utiliser({"C:\\Outils\\ed.exe", ""}, {ID_EXTRA_WEB_BOITE_OK});
  EXPECT_EQ(Remplacer(), 1);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{IDENTIQUE});
  EXPECT_EQ(faux.controles[URL].texte, "avant");
  EXPECT_EQ(modifiees, 0);
  EXPECT_EQ(std::string(c.magasin.lpDebutMem, c.magasin.lpFinMem), avant);
}

}  // namespace
