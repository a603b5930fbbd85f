#include "configuration_navigateur.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "configuration.h"
#include "faux_systeme.h"
#include "lvxnavig.h"

namespace {

const char MENU[] = "C:\\Users\\moi\\Start Menu";
const char ANCIEN[] = "C:\\Netscape\\netscape.exe";
const char NOUVEAU[] = "C:\\Mozilla\\firefox.exe";

class NavigateurTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  char programme[TAILLE_CHEMIN] = "C:\\Lorvanix";
  char chemin[TAILLE_CHEMIN] = {0};
  char sauvegarde[TAILLE_CHEMIN] = {0};
  Poignee fenetre = (Poignee)0x1234;

  void SetUp() override {
    InstallerFauxSysteme(&faux);
    faux.Ecrire("C:\\Lorvanix\\lorvanix.exe", "MZ");
    faux.dossiers_speciaux[DOSSIER_MENU_DEMARRER] = MENU;
    snprintf(chemin, sizeof chemin, "%s", ANCIEN);
  }
  uint16_t Choisir() {
    return Util_Dll_Choisir_Navigateur(chemin, sauvegarde, programme, fenetre);
  }
};

TEST_F(NavigateurTest, AnnulerLaQuestionNeChangeRien) {
  faux.reponses = {REPONSE_ANNULER};
  EXPECT_EQ(Choisir(), 0);
  EXPECT_STREQ(chemin, ANCIEN);
  EXPECT_STREQ(sauvegarde, ANCIEN);
  EXPECT_TRUE(faux.dialogues.empty());
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte,
            std::string("Le navigateur actuel est:\n\n") + ANCIEN +
                "\n\nSi vous choisissez OK vous pourrez en choisir un autre parmi ceux d\xE9ja "
                "install\xE9s sur votre ordinateur.");
  EXPECT_EQ(faux.messages[0].style, (unsigned)(ICONE_ATTENTION | BOITE_OK_ANNULER));
  EXPECT_EQ(faux.messages[0].proprietaire, fenetre);
}

TEST_F(NavigateurTest, LeDialogueChercheUnExecutableDepuisLeMenuDemarrer) {
  faux.choix_fichiers = {""};
  Choisir();
  ASSERT_EQ(faux.dialogues.size(), 1u);
  const DialogueFichier& d = faux.dialogues[0];
  EXPECT_EQ(std::string(d.filtre, 26), std::string("Executables (*.exe)\0*.exe\0", 26));
  EXPECT_EQ(d.filtre[26], '\0');
  EXPECT_EQ(faux.titres_dialogues[0], "Navigateur \xE0 lancer sur l'URL par Connecter... :");
  EXPECT_EQ(faux.dossiers_initiaux[0], MENU);
  EXPECT_EQ(d.taille_chemin, 256u);
  EXPECT_EQ(d.enregistrer, 0);
  EXPECT_TRUE(d.cacher_lecture_seule);
  EXPECT_TRUE(d.chemin_doit_exister);
  EXPECT_EQ(d.proprietaire, fenetre);
}

TEST_F(NavigateurTest, SansMenuDemarrerLeDialogueSOuvreOuIlVeut) {
  faux.dossiers_speciaux.clear();
  faux.choix_fichiers = {""};
  Choisir();
  EXPECT_EQ(faux.dialogues[0].dossier_initial, nullptr);
}

TEST_F(NavigateurTest, AnnulerLeDialogueRemetLAncienNavigateur) {
  faux.choix_fichiers = {""};
  EXPECT_EQ(Choisir(), 0);
  EXPECT_STREQ(chemin, ANCIEN);
  EXPECT_EQ(faux.messages.size(), 1u);
  EXPECT_TRUE(faux.fichiers_crees.empty());
}

TEST_F(NavigateurTest, UnEchecDuDialogueAfficheErreurDiese) {
  faux.erreur_dialogue = 12291;
  EXPECT_EQ(Choisir(), 0);
  EXPECT_STREQ(chemin, ANCIEN);
  ASSERT_EQ(faux.messages.size(), 2u);
  EXPECT_EQ(faux.messages[1].texte, "Erreur #12291");
  EXPECT_EQ(faux.messages[1].titre, "WARNING");
  EXPECT_EQ(faux.messages[1].style, (unsigned)ICONE_ERREUR);
}

TEST_F(NavigateurTest, OuiEnregistreNavigdef) {
  faux.choix_fichiers = {NOUVEAU};
  faux.reponses = {REPONSE_OK, REPONSE_OUI};
  EXPECT_EQ(Choisir(), 1);
  EXPECT_STREQ(chemin, NOUVEAU);
  EXPECT_STREQ(sauvegarde, NOUVEAU);
  ASSERT_EQ(faux.messages.size(), 2u);
  EXPECT_EQ(faux.messages[1].texte,
            "Souhaitez vous que ce navigateur soit pris par d\xE9"
            "faut lors des prochaines sessions de Lorvanix ?");
  EXPECT_EQ(faux.messages[1].style, (unsigned)(ICONE_QUESTION | BOITE_OUI_NON));
  EXPECT_EQ(faux.fichiers_crees, (std::vector<std::string>{"C:\\Lorvanix\\navigdef.cfg"}));
  std::string fichier = faux.Lire("C:\\Lorvanix\\navigdef.cfg");
  ASSERT_EQ(fichier.size(), 325u);
  EXPECT_EQ(fichier.substr(0, 69), std::string(CONFIGURATION_NAVIGATEUR.entete, 69));
  EXPECT_STREQ(fichier.c_str() + 69, NOUVEAU);
}

TEST_F(NavigateurTest, NonGardeLeNavigateurPourLaSessionSansEcrire) {
  faux.choix_fichiers = {NOUVEAU};
  faux.reponses = {REPONSE_OK, REPONSE_NON};
  EXPECT_EQ(Choisir(), 1);
  EXPECT_STREQ(chemin, NOUVEAU);
  EXPECT_TRUE(faux.fichiers_crees.empty());
}

TEST_F(NavigateurTest, NavigdefImpossibleAEcrireLaisseLeNavigateurChoisi) {
  faux.choix_fichiers = {NOUVEAU};
  faux.reponses = {REPONSE_OK, REPONSE_OUI};
  faux.creation_echoue = 1;
  EXPECT_EQ(Choisir(), 1);
  EXPECT_STREQ(chemin, NOUVEAU);
  EXPECT_EQ(faux.Textes(),
            (std::vector<std::string>{
                faux.messages[0].texte, faux.messages[1].texte,
                "Le disque de lancement doit \xEAtre ins\xE9r\xE9 et non prot\xE9g\xE9 en \xE9"
                "criture !",
                "Impossible de sauvegarder le chemin du navigateur."}));
  EXPECT_EQ(faux.messages[2].style, (unsigned)ICONE_ERREUR);
  EXPECT_EQ(faux.messages[3].style, (unsigned)ICONE_ERREUR);
  EXPECT_EQ(faux.messages[3].proprietaire, fenetre);
}

}  // namespace
