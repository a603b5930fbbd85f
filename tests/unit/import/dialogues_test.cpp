#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogue_import.h"
#include "faux_systeme.h"
#include "options_import.h"

namespace {

class DialoguesImportTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  OptionsImport o = OPTIONS_IMPORT_DEFAUT;
  DialogueImport d{};

  void Ouvrir(ModeleImport modele) {
    d = DialogueImport{};
    d.modele = modele;
    d.options = &o;
    d.sys = &faux.import;
    d.fenetre = (Poignee)0xD1A;
  }
  SuiteDialogue Appuyer(unsigned id) { return DialogueImportAppuyer(&d, id); }
};

TEST_F(DialoguesImportTest, LesModesParcourirEtCreerCommandentLesTroisCasesDeCreation) {
  Ouvrir(MODELE_LVXRECUPBOX);
  EXPECT_EQ(Appuyer(ID_URL_PARCOURIR), DIALOGUE_RESTE);
  EXPECT_EQ(o.url.ParcourirLesUrl, 1);
  EXPECT_EQ(o.url.CreerUneFicheParUrl + o.url.SeulementNouvellesUrl +
                o.url.AjouterCommentaireProvenance + o.url.RemplacerNomVideParUrl,
            0);
  // In browse mode the three create-mode boxes do not move.
  Appuyer(ID_URL_NOUVELLES);
  Appuyer(ID_URL_COMMENTAIRE);
  Appuyer(ID_URL_NOM_VIDE);
  EXPECT_EQ(o.url.SeulementNouvellesUrl + o.url.AjouterCommentaireProvenance +
                o.url.RemplacerNomVideParUrl,
            0);
  Appuyer(ID_URL_CREER_FICHE);
  EXPECT_EQ(o.url.ParcourirLesUrl, 0);
  EXPECT_EQ(o.url.CreerUneFicheParUrl & o.url.SeulementNouvellesUrl &
                o.url.AjouterCommentaireProvenance & o.url.RemplacerNomVideParUrl,
            1);
  Appuyer(ID_URL_NOUVELLES);
  EXPECT_EQ(o.url.SeulementNouvellesUrl, 0);
}

TEST_F(DialoguesImportTest, TousEtLesSchemasSExcluent) {
  Ouvrir(MODELE_LVXRECUPBOX);
  o.url.Autre = 1;
  Appuyer(ID_URL_TOUS);  // was on: off, the four schemes on, Autre off
  EXPECT_EQ(o.url.Tous, 0);
  EXPECT_EQ(o.url.Http & o.url.Ftp & o.url.News & o.url.Mailto, 1);
  EXPECT_EQ(o.url.Autre, 0);
  Appuyer(ID_URL_TOUS);  // was off: on, the four off
  EXPECT_EQ(o.url.Tous, 1);
  EXPECT_EQ(o.url.Http | o.url.Ftp | o.url.News | o.url.Mailto | o.url.Autre, 0);

  Appuyer(ID_URL_FTP);
  EXPECT_EQ(o.url.Ftp, 1);
  EXPECT_EQ(o.url.Tous, 0);
  Appuyer(ID_URL_AUTRE);
  Appuyer(ID_URL_FTP);
  EXPECT_EQ(o.url.Tous, 0) << "Autre is still on";
  Appuyer(ID_URL_AUTRE);
  EXPECT_EQ(o.url.Tous, 1) << "none left: Tous again";
}

TEST_F(DialoguesImportTest, OkGardeLeTexteAutreCoupeA999Caracteres) {
  Ouvrir(MODELE_LVXRECUPBOX);
  std::string long_texte(1200, 'x');
  snprintf(d.textes[0], sizeof d.textes[0], "%s", long_texte.c_str());
  EXPECT_EQ(Appuyer(ID_URL_OK), DIALOGUE_FERME_OK);
  EXPECT_EQ(strlen(o.url.TexteAutre), 999u);
}

TEST_F(DialoguesImportTest, SansAucunSchemaLeDialogueDesFichiersQuelconquesResteOuvert) {
  Ouvrir(MODELE_LVXRECUPBOXQUELCONQUE);
  for (unsigned id : {515u, 516u, 517u, 518u}) Appuyer(id);
  EXPECT_EQ(Appuyer(ID_QUELCONQUE_OK), DIALOGUE_RESTE);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "Il n'y a pas de s\xe9lection sur http ftp news ou mail !");
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ATTENTION);
  EXPECT_EQ(faux.messages[0].proprietaire, (Poignee)0xD1A);
  Appuyer(ID_QUELCONQUE_MAIL);
  EXPECT_EQ(Appuyer(ID_QUELCONQUE_OK), DIALOGUE_FERME_OK);
}

TEST_F(DialoguesImportTest, EmetteursEtDestinatairesNeSontJamaisTousDeuxDecoches) {
  Ouvrir(MODELE_LVXRECUPADRESSESBOX);
  Appuyer(ID_COURRIEL_EMETTEURS);
  EXPECT_EQ(o.courriel.AdressesEmetteurs, 0);
  Appuyer(ID_COURRIEL_DESTINATAIRES);  // would leave both off: ignored
  EXPECT_EQ(o.courriel.AdressesDestinataires, 1);
  Appuyer(ID_COURRIEL_EMETTEURS);
  Appuyer(ID_COURRIEL_DESTINATAIRES);
  EXPECT_EQ(o.courriel.AdressesEmetteurs, 1);
  EXPECT_EQ(o.courriel.AdressesDestinataires, 0);
  Appuyer(ID_COURRIEL_NOUVELLES);
  EXPECT_EQ(o.courriel.UniquementNouvellesAdresses, 0);
}

TEST_F(DialoguesImportTest, AnnulerRemetLesOptionsCommeAvantLOuverture) {
  InstallerFauxSysteme(&faux);
  for (ModeleImport m : {MODELE_LVXRECUPBOX, MODELE_LVXRECUPBOXQUELCONQUE,
                         MODELE_LVXRECUPADRESSESBOX}) {
    const DescriptionDialogue* desc = DialogueImportDescription(m);
    faux.dans_import.push_back([desc](DialogueImport* x) {
      for (const unsigned* c = desc->cases; *c; c++) DialogueImportAppuyer(x, *c);
      return DialogueImportAppuyer(x, desc->annuler) == DIALOGUE_FERME_OK;
    });
    Ouvrir(m);
    EXPECT_EQ(DialogueImportMontrer(&faux.import, nullptr, &d), 0);
    EXPECT_EQ(memcmp(&o, &OPTIONS_IMPORT_DEFAUT, sizeof o), 0) << desc->nom;
  }
}

}  // namespace
