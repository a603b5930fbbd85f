// "&Modifier": the folder dialog's panel, the refusal of the installer's own
// folder, cancel and failure.
#include "choix_dossier.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faux_installation.h"
#include "lvxsetup_ids.h"

namespace {

using Lignes = std::vector<std::string>;

const char REFUS[] =
    "message dialogue Lorvanix 6.1 installation 48 Le dossier de destination  doit \xEAtre diff\xE9rent de "
    "celui du "
    "programme d'installation.";

class ChoixDossierTest : public ::testing::Test {
 protected:
  FauxInstallation f;
  Installateur in;
  std::vector<int> fermetures;  // ChoixDossierOK's answers, in order

  void SetUp() override {
    f.Demarrer(&in);
    f.journal.clear();
  }
  // The dialog shows each folder in turn and its OK is pressed on each.
  void Choisir(std::vector<std::string> dossiers) {
    f.dialogue = [this, dossiers](Installateur* i, const SystemeInstallation* s) {
      for (const std::string& d : dossiers) {
        ChoixDossierChange(i, d.c_str());
        fermetures.push_back(ChoixDossierOK(i, s, DIALOGUE));
        if (fermetures.back()) return;
      }
      ChoixDossierAnnuler(i);
    };
    InstallateurCommande(&in, &f.s, CMD_SETUP_MODIFIER);
  }
};

TEST_F(ChoixDossierTest, LeDossierChoisiDevientCeluiDeLInstallation) {
  Choisir({"D:\\Mes programmes\\Lorvanix"});
  EXPECT_EQ(fermetures, std::vector<int>{1});
  EXPECT_STREQ(in.repertoire, "D:\\Mes programmes\\Lorvanix");
  EXPECT_EQ(f.journal, (Lignes{"dialogue",
                               "zone zone Lorvanix 6.1 va \xEAtre install\xE9 dans le dossier : D:\\Mes "
                               "programmes\\Lorvanix"}));
}

// The installer's folder, in any letter case and with or without its final
// backslash, is refused and the dialog stays open; the next folder is taken.
TEST_F(ChoixDossierTest, LeDossierDuProgrammeEstRefuseEtLeDialogueReste) {
  for (const char* propre : {"A:\\SETUP", "a:\\setup", "A:\\Setup\\"}) {
    FauxInstallation g;
    Installateur i;
    g.Demarrer(&i);
    g.journal.clear();
    std::vector<int> reponses;
    g.dialogue = [&](Installateur* x, const SystemeInstallation* s) {
      ChoixDossierChange(x, propre);
      reponses.push_back(ChoixDossierOK(x, s, DIALOGUE));
      EXPECT_EQ(x->ChangeDirOK, 0);
      ChoixDossierChange(x, "A:\\SETUP\\sous");
      reponses.push_back(ChoixDossierOK(x, s, DIALOGUE));
    };
    InstallateurCommande(&i, &g.s, CMD_SETUP_MODIFIER);
    EXPECT_EQ(reponses, (std::vector<int>{0, 1})) << propre;
    EXPECT_EQ(g.journal[1], REFUS) << propre;
    EXPECT_STREQ(i.repertoire, "A:\\SETUP\\sous");
  }
}

TEST_F(ChoixDossierTest, AnnulerGardeLeDossier) {
  Choisir({"A:\\SETUP"});
  EXPECT_EQ(f.journal, (Lignes{"dialogue", REFUS}));
  EXPECT_STREQ(in.repertoire, "c:\\lorvanix");
  EXPECT_EQ(in.ChangeDirOK, 0);
}

TEST_F(ChoixDossierTest, SansDossierLisibleOKNeFermePas) {
  Choisir({""});
  EXPECT_EQ(fermetures, std::vector<int>{0});
  EXPECT_EQ(f.journal, Lignes{"dialogue"});
}

TEST_F(ChoixDossierTest, UnDialogueEnEchecLeDit) {
  f.erreur_dialogue = 12291;
  Choisir({});
  EXPECT_EQ(f.journal, (Lignes{"dialogue", "message fenetre WARNING 16 Erreur #12291"}));
  EXPECT_STREQ(in.repertoire, "c:\\lorvanix");
}

}  // namespace
