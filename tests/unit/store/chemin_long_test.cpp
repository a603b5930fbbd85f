#include "chemin_long.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "faux_systeme.h"
#include "lvxgest.h"

namespace {

class CheminLongTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  void SetUp() override {
    InstallerFauxSysteme(&faux);
    faux.noms_longs = {{"C:\\PROGRA~1", "Program Files"},
                       {"C:\\PROGRA~1\\WINDOW~1", "Windows NT"},
                       {"C:\\PROGRA~1\\WINDOW~1\\ACCESS~1", "Accessories"},
                       {"C:\\PROGRA~1\\WINDOW~1\\ACCESS~1\\WORDPAD.EXE", "wordpad.exe"},
                       {"C:\\PROGRA~1\\Lorvanix", "Lorvanix"}};
  }
  std::string Convertir(const std::string& chemin) {
    char tampon[TAILLE_CHEMIN_LONG] = {0};
    memcpy(tampon, chemin.c_str(), chemin.size() + 1);
    EXPECT_EQ(PathCourtVersLong(tampon), 1);
    return tampon;
  }
};

TEST_F(CheminLongTest, ChaqueComposantPrendSonNomLong) {
  EXPECT_EQ(Convertir("C:\\PROGRA~1\\WINDOW~1\\ACCESS~1\\WORDPAD.EXE"),
            "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe");
}

TEST_F(CheminLongTest, SansTildeRienNeChange) {
  // Even a component that is a short name without a tilde stays as it is.
  EXPECT_EQ(Convertir("C:\\PROGRA1\\WORDPAD.EXE"), "C:\\PROGRA1\\WORDPAD.EXE");
  EXPECT_EQ(Convertir(""), "");
}

TEST_F(CheminLongTest, LeLecteurResteCommeEcrit) {
  faux.noms_longs["c:\\PROGRA~1"] = "Program Files";
  EXPECT_EQ(Convertir("c:\\PROGRA~1"), "c:\\Program Files");
}

TEST_F(CheminLongTest, UnComposantIntrouvableResteCommeEcrit) {
  EXPECT_EQ(Convertir("C:\\PROGRA~1\\ABSENT~1\\x.txt"), "C:\\Program Files\\ABSENT~1\\x.txt");
  EXPECT_EQ(Convertir("\\\\SERVEUR\\PART~1"), "\\\\SERVEUR\\PART~1") << "no drive letter: nothing found";
}

TEST_F(CheminLongTest, TropLongRestePareil) {
  std::string long_chemin = "C:\\PROGRA~1\\" + std::string(290, 'x');
  char tampon[TAILLE_CHEMIN_LONG + 10] = {0};
  memcpy(tampon, long_chemin.c_str(), 299);
  std::string avant(tampon);
  CheminCourtVersLong(&faux.fichiers, tampon);
  EXPECT_EQ(std::string(tampon), avant) << "a result of 300 characters would not fit";
}

}  // namespace
