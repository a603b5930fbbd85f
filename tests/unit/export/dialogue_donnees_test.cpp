#include "dialogue_donnees.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "essai_donnees.h"

namespace {

using DialogueSpecTest = EssaiSpec;

TEST_F(DialogueSpecTest, LesSeptChoixSExcluentEtOkVeutUnChoix) {
  DialogueSpec d{CHOIX_AUCUN, &faux.fenetres, (Poignee)0xD1B};
  EXPECT_EQ(DialogueSpecAppuyer(&d, IDC_SAUVESPEC_OK), SPEC_RESTE);
  ASSERT_EQ(faux.Textes(), std::vector<std::string>{"Vous devez sélectionner une option !"});
  EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
  EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ATTENTION);
  EXPECT_EQ(faux.messages[0].proprietaire, (Poignee)0xD1B);
  // Each choice twice: a set choice clicked again stays set.
  for (int choix = 0; choix < 2 * NB_CHOIX_SPEC; choix++) {
    EXPECT_EQ(DialogueSpecAppuyer(&d, ID_CHOIX_SPEC[choix / 2]), SPEC_RESTE);
    for (int autre = 0; autre < NB_CHOIX_SPEC; autre++)
      EXPECT_EQ(DialogueSpecCochee(&d, ID_CHOIX_SPEC[autre]), autre == choix / 2);
  }
  EXPECT_EQ(DialogueSpecAppuyer(&d, IDC_SAUVESPEC_OK), SPEC_FERME_OK);
  EXPECT_EQ(DialogueSpecAppuyer(&d, IDC_SAUVESPEC_ANNULER), SPEC_FERME_ANNULER);

  // Every opening starts with no choice; Annuler ends the command.
  faux.dans_spec.push_back([](DialogueSpec* d) {
    EXPECT_EQ(d->choix, CHOIX_AUCUN);
    return DialogueSpecAppuyer(d, IDC_SAUVESPEC_ANNULER) == SPEC_FERME_OK;
  });
  Remplir(1);
  Exporter(CHOIX_NOUVEAU_ECRAN, "C:\\cibles\\a.lvx");  // its user comes second: never asked
  EXPECT_TRUE(faux.dialogues.empty());
  EXPECT_EQ(faux.messages.size(), 1u);
}

TEST_F(DialogueSpecTest, ChaqueDialogueDeFichierASonTitreEtSesOptions) {
  struct Cas {
    int usage;
    const char* titre;
    const char* extension;
    int enregistrer, confirmer;
  };
  const Cas CAS[] = {
      {CHOIX_NOUVEAU_ECRAN, "Enregistrer la fiche à l'écran :", "lvx", 1, 1},
      {CHOIX_NOUVEAU_RECHERCHE, "Enregistrer les fiches correspondant aux critères de recherche :",
       "lvx", 1, 1},
      {CHOIX_NOUVEAU_MARQUEES, "Enregistrer les fiches marquées :", "lvx", 1, 1},
      {CHOIX_AJOUT_TOUTES, "Ajouter toutes les fiches à la suite du fichier Lorvanix :", "lvx", 1, 0},
      {CHOIX_AJOUT_ECRAN, "Ajouter la fiche à l'écran à la suite du fichier Lorvanix :", "lvx", 1, 0},
      {CHOIX_AJOUT_RECHERCHE, "Ajouter la recherche à la suite du fichier Lorvanix :", "lvx", 1, 0},
      {CHOIX_AJOUT_MARQUEES, "Ajouter les fiches marquées à la suite du fichier Lorvanix :", "lvx",
       1, 0},
      {USAGE_DECOUPER_SOURCE, "Fichier Lorvanix à découper en deux parties égales :", "*", 0, 0},
      {USAGE_DECOUPER_SECONDE, "Deuxième partie du fichier Lorvanix :", "lvx", 1, 1},
  };
  // The name field starts empty, whatever the use chose last time.
  static int (*dialogue)(void*, DialogueFichier*) = faux.communs.dialogue_fichier;
  static int vide;
  DialoguesCommuns communs = faux.communs;
  communs.dialogue_fichier = [](void* ctx, DialogueFichier* d) {
    vide = d->chemin[0] == 0;
    return dialogue(ctx, d);
  };
  sys.communs = &communs;
  for (const Cas& c : CAS) {
    SCOPED_TRACE(c.titre);
    snprintf(cibles.usages[c.usage].chemin, TAILLE_CHEMIN, "C:\\ancien.lvx");
    faux.choix_fichiers = {"C:\\cibles\\choisi.lvx"};
    ASSERT_EQ(ChoisirCibleSpec(&sys, &cibles, c.usage, FENETRE, "", "C:\\Lorvanix"), 1);
    EXPECT_EQ(vide, 1);
    EXPECT_STREQ(cibles.usages[c.usage].chemin, "C:\\cibles\\choisi.lvx");
    const DialogueFichier& d = faux.dialogues.back();
    EXPECT_STREQ(d.titre, c.titre);
    EXPECT_STREQ(d.extension, c.extension);
    EXPECT_EQ(d.enregistrer * 10 + d.confirmer_ecrasement, c.enregistrer * 10 + c.confirmer);
    EXPECT_EQ(d.cacher_lecture_seule + d.chemin_doit_exister, 2);
    EXPECT_EQ(std::string(d.filtre, 25), std::string("Lorvanix (*.lvx)\0*.lvx*\0", 25));
    EXPECT_EQ(d.taille_chemin, 256u);
  }
}

TEST_F(DialogueSpecTest, LeDossierInitialEstLeRetenuSinonCeluiDuFichierCourantSinonLeProgramme) {
  faux.choix_fichiers = {"", "", "C:\\cibles\\a.lvx", "", ""};
  ChoisirCibleSpec(&sys, &cibles, CHOIX_NOUVEAU_ECRAN, FENETRE, "", "C:\\Lorvanix");
  for (int i = 0; i < 3; i++)
    ChoisirCibleSpec(&sys, &cibles, CHOIX_NOUVEAU_ECRAN, FENETRE, nom_fichier, "C:\\Lorvanix");
  // Each use remembers its own folder.
  ChoisirCibleSpec(&sys, &cibles, CHOIX_AJOUT_ECRAN, FENETRE, nom_fichier, "C:\\Lorvanix");
  EXPECT_EQ(faux.dossiers_initiaux, (std::vector<std::string>{"C:\\Lorvanix", "C:\\travail",
                                                               "C:\\travail", "C:\\cibles",
                                                               "C:\\travail"}));
  faux.erreur_dialogue = 12290;
  EXPECT_EQ(ChoisirCibleSpec(&sys, &cibles, CHOIX_NOUVEAU_ECRAN, FENETRE, "", "C:\\L"), 0);
  ASSERT_EQ(faux.Textes(), std::vector<std::string>{"Erreur #12290"}) << "a cancel shows nothing";
  EXPECT_EQ(faux.messages[0].titre, "WARNING");
  EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
}

}  // namespace
