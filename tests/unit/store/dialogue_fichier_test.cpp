#include "dialogue_fichier.h"

#include <gtest/gtest.h>

#include <cstring>

#include "faux_systeme.h"
#include "lvxfiles.h"

namespace {

class DialogueTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  char dernier[TAILLE_CHEMIN] = {0};
  char chemin[TAILLE_CHEMIN] = {0};
  char programme[TAILLE_CHEMIN] = "C:\\Program Files\\Lorvanix";
};

TEST_F(DialogueTest, OuvreDansLeDossierDuProgrammePuisDansLeDernierChoisi) {
  faux.choix_fichiers = {"C:\\Mes documents\\liste.lvx", "C:\\Autre\\b.lvx"};
  ASSERT_EQ(DialogueChoisirFichierDonnees(sys->communs, sys->fenetres, dernier, 0, nullptr, chemin,
                                          programme),
            1);
  EXPECT_STREQ(chemin, "C:\\Mes documents\\liste.lvx");
  EXPECT_STREQ(dernier, "C:\\Mes documents");
  ASSERT_EQ(DialogueChoisirFichierDonnees(sys->communs, sys->fenetres, dernier, 0, nullptr, chemin,
                                          programme),
            1);
  EXPECT_EQ(faux.dossiers_initiaux,
            (std::vector<std::string>{"C:\\Program Files\\Lorvanix", "C:\\Mes documents"}));
  const DialogueFichier& d = faux.dialogues[0];
  EXPECT_STREQ(d.titre, "Ouvrir :");
  EXPECT_EQ(std::string(d.filtre, sizeof "Lorvanix (*.lvx)" + sizeof "*.lvx*"),
            std::string("Lorvanix (*.lvx)\0*.lvx*\0", 24));
  EXPECT_EQ(d.taille_chemin, 256u);
  EXPECT_TRUE(d.cacher_lecture_seule);
  EXPECT_TRUE(d.chemin_doit_exister);
  EXPECT_FALSE(d.confirmer_ecrasement);
  EXPECT_EQ(d.extension, nullptr);
}

TEST_F(DialogueTest, SansDernierDossierPartDuDossierDuNomCourantEtVideLeNom) {
  snprintf(chemin, sizeof chemin, "%s", "C:\\Travail\\courant.lvx");
  faux.choix_fichiers = {"C:\\Travail\\nouveau.lvx"};
  ASSERT_EQ(DialogueChoisirFichierDonnees(sys->communs, sys->fenetres, dernier, 1, nullptr, chemin,
                                          programme),
            1);
  EXPECT_EQ(faux.dossiers_initiaux[0], "C:\\Travail");
  EXPECT_STREQ(faux.dialogues[0].titre, "Enregistrer sous :");
  EXPECT_STREQ(faux.dialogues[0].extension, "lvx");
  EXPECT_TRUE(faux.dialogues[0].confirmer_ecrasement);
}

TEST_F(DialogueTest, AnnulerRendZeroEtUnNomVide) {
  snprintf(chemin, sizeof chemin, "%s", "C:\\Travail\\courant.lvx");
  faux.choix_fichiers = {""};
  EXPECT_EQ(DialogueChoisirFichierDonnees(sys->communs, sys->fenetres, dernier, 1, nullptr, chemin,
                                          programme),
            0);
  EXPECT_EQ(chemin[0], 0);
  EXPECT_EQ(dernier[0], 0);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(DialogueTest, UnEchecDuDialogueAfficheErreurDiese) {
  faux.erreur_dialogue = 12290;
  EXPECT_EQ(DialogueChoisirFichierDonnees(sys->communs, sys->fenetres, dernier, 0, (Poignee)7,
                                          chemin, programme),
            0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "Erreur #12290");
  EXPECT_EQ(faux.messages[0].titre, "WARNING");
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ERREUR);
}

TEST_F(DialogueTest, OuvrirEtEnregistrerGardentChacunLeurDossier) {
  InstallerFauxSysteme(&faux);
  faux.choix_fichiers = {"C:\\A\\a.lvx", "C:\\B\\b.lvx", "C:\\A\\c.lvx", "C:\\B\\d.lvx"};
  Util_Dll_lvxfiles_OuvrirFichier(nullptr, chemin, programme);
  Util_Dll_lvxfiles_EnregistrerFichierSous(nullptr, chemin, programme);
  Util_Dll_lvxfiles_OuvrirFichier(nullptr, chemin, programme);
  Util_Dll_lvxfiles_EnregistrerFichierSous(nullptr, chemin, programme);
  ASSERT_EQ(faux.dossiers_initiaux.size(), 4u);
  EXPECT_EQ(faux.dossiers_initiaux[2], "C:\\A");
  EXPECT_EQ(faux.dossiers_initiaux[3], "C:\\B");
}

}  // namespace
