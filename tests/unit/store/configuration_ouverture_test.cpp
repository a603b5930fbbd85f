#include "configuration_ouverture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "configuration.h"
#include "faux_systeme.h"
#include "lvxoudef.h"

namespace {

const char SANS_NOM[] =
    "Le travail en cours ne comporte pas de nom. Si vous choisissez OK il n'y aura pas "
    "d'ouverture de fichier par d\xE9"
    "faut la prochaine fois que vous lancerez Lorvanix.";
const char INSERER[] =
    "Pour que Lorvanix puisse mettre \xE0 jour ses fichiers de configuration vous devez ins\xE9"
    "rer le disque de lancement en v\xE9rifiant qu'il n'est pas prot\xE9g\xE9 en \xE9"
    "criture !";

class OuvertureTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  char programme[TAILLE_CHEMIN] = "C:\\Lorvanix";
  char nom[TAILLE_CHEMIN] = {0};

  void SetUp() override {
    InstallerFauxSysteme(&faux);
    faux.Ecrire("C:\\Lorvanix\\lorvanix.exe", "MZ");
    // File names do not depend on case on the platform: the reader's
    // OUVDEF.CFG is the writer's ouvdef.cfg.
    ASSERT_EQ(symlink(faux.Linux("C:\\Lorvanix\\ouvdef.cfg").c_str(),
                      faux.Linux("C:\\Lorvanix\\OUVDEF.CFG").c_str()),
              0);
  }
  std::string Ecrit() { return faux.Lire("C:\\Lorvanix\\ouvdef.cfg"); }
  std::string Attendu(const std::string& chemin) {
    return std::string(CONFIGURATION_OUVERTURE.entete, 68) + chemin +
           std::string(TAILLE_CHEMIN - chemin.size(), '\0');
  }
};

TEST_F(OuvertureTest, SansNomOKEcritUnCheminVideQueLaLectureRendSansMessage) {
  EXPECT_EQ(Util_Dll_Definir_Ouverture_Default(nom, programme), 1);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, SANS_NOM);
  EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
  EXPECT_EQ(faux.messages[0].style, (unsigned)(ICONE_ATTENTION | BOITE_OK_ANNULER));
  EXPECT_EQ(Ecrit(), Attendu(""));

  char lu[TAILLE_CHEMIN] = "ancien";
  EXPECT_EQ(Util_Dll_Lire_Chemin_Fichier_Ouvrir_Default(lu, programme), 1);
  EXPECT_STREQ(lu, "");
  EXPECT_EQ(faux.messages.size(), 1u);
}

TEST_F(OuvertureTest, AvecNomOKEcritLeNomSeul) {
  memset(nom, '#', sizeof nom);
  snprintf(nom, sizeof nom, "%s", "C:\\Travail\\liens.lvx");
  EXPECT_EQ(OuvertureDefautDefinir(sys->fichiers, sys->fenetres, nom, programme), 1);
  EXPECT_EQ(faux.messages[0].texte,
            "Si vous choissez OK, le fichier :\n\nC:\\Travail\\liens.lvx\n\nsera charg\xE9 "
            "automatiquement au prochain lancement de Lorvanix.");
  EXPECT_EQ(faux.fichiers_crees, (std::vector<std::string>{"C:\\Lorvanix\\ouvdef.cfg"}));
  EXPECT_EQ(Ecrit(), Attendu("C:\\Travail\\liens.lvx"));
  char lu[TAILLE_CHEMIN];
  EXPECT_EQ(Util_Dll_Lire_Chemin_Fichier_Ouvrir_Default(lu, programme), 1);
  EXPECT_STREQ(lu, "C:\\Travail\\liens.lvx");
}

TEST_F(OuvertureTest, AnnulerRendUnEtNEcritRien) {
  snprintf(nom, sizeof nom, "%s", "C:\\Travail\\liens.lvx");
  for (const char* n : {(const char*)"", (const char*)nom}) {
    faux.reponses = {REPONSE_ANNULER};
    EXPECT_EQ(OuvertureDefautDefinir(sys->fichiers, sys->fenetres, n, programme), 1);
  }
  EXPECT_EQ(faux.messages.size(), 2u);
  EXPECT_TRUE(faux.fichiers_crees.empty());
}

TEST_F(OuvertureTest, SansLeProgrammeDansSonDossierRienNEstEcrit) {
  ASSERT_EQ(unlink(faux.Linux("C:\\Lorvanix\\lorvanix.exe").c_str()), 0);
  EXPECT_EQ(OuvertureDefautDefinir(sys->fichiers, sys->fenetres, nom, programme), 0);
  ASSERT_EQ(faux.messages.size(), 3u);
  EXPECT_EQ(faux.messages[1].texte, INSERER);
  EXPECT_EQ(faux.messages[1].style, (unsigned)ICONE_ATTENTION);
  EXPECT_EQ(faux.messages[2].texte,
            "Lorvanix n'a pas pu mettre \xE0 jour ses fichiers de configuration.");
  EXPECT_EQ(faux.messages[2].style, (unsigned)ICONE_ERREUR);
  EXPECT_TRUE(faux.fichiers_crees.empty());
}

TEST_F(OuvertureTest, DeuxEchecsDeCreationDonnentLesDeuxMessages) {
  faux.creation_echoue = 1;
  EXPECT_EQ(OuvertureDefautDefinir(sys->fichiers, sys->fenetres, nom, programme), 0);
  ASSERT_EQ(faux.messages.size(), 3u);
  EXPECT_EQ(faux.messages[1].texte,
            "Ecriture sur le disque impossible. V\xE9rifiez que le disque de lancement n'est pas "
            "prot\xE9g\xE9 en \xE9"
            "criture.");
  EXPECT_EQ(faux.messages[2].texte, "Impossible de mettre \xE0 jour les fichiers de configuration.");
  EXPECT_EQ(faux.messages[1].style, (unsigned)ICONE_ERREUR);
  EXPECT_EQ(faux.messages[2].style, (unsigned)ICONE_ERREUR);
}

TEST_F(OuvertureTest, UneEcritureIncompleteCompteCommeUnEchec) {
  faux.ecriture_echoue_apres = 68;
  EXPECT_EQ(OuvertureDefautDefinir(sys->fichiers, sys->fenetres, nom, programme), 0);
  EXPECT_EQ(faux.messages.size(), 3u);
  EXPECT_EQ(faux.fichiers_crees.size(), 2u);
}

}  // namespace
