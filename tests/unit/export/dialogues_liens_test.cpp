// The rules of the three export dialogs and the choices they keep.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogues_liens.h"
#include "faux_systeme.h"
#include "lvxliens_ids.h"

namespace {

bool Egaux(const ReglagesExportLiens& a, const ReglagesExportLiens& b) {
  return a.liens.mode == b.liens.mode && a.liens.AjouterCommentaire == b.liens.AjouterCommentaire &&
         a.mailing.mode == b.mailing.mode && a.mailing.RetourALaLigne == b.mailing.RetourALaLigne &&
         strcmp(a.mailing.separateur, b.mailing.separateur) == 0 && a.texte.mode == b.texte.mode &&
         memcmp(a.texte.champs, b.texte.champs, sizeof a.texte.champs) == 0 &&
         strcmp(a.texte.separateur_champs, b.texte.separateur_champs) == 0 &&
         strcmp(a.texte.separateur_fiches, b.texte.separateur_fiches) == 0;
}

class DialoguesLiensTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  ReglagesExportLiens r = REGLAGES_LIENS_DEPART;
  char titre[TAILLE_TITRE_APPELANT] = "Mes liens";
  DialogueLiens d{};

  void Ouvrir(ModeleLiens modele) {
    DialogueLiensPreparer(&d, modele, &r, modele == MODELE_CREERFICHIERTEXTEBOX ? nullptr : titre,
                          &faux.fenetres);
  }
  SuiteLiens Appuyer(unsigned id) { return DialogueLiensAppuyer(&d, id); }
  void Taper(int edit, const std::string& texte) {
    snprintf(d.textes[edit], TAILLE_TEXTE_LIENS, "%s", texte.c_str());
  }
};

TEST_F(DialoguesLiensTest, ADeLOuvertureLesChoixDeDepart) {
  Ouvrir(MODELE_LIENSHTMLBOX);
  EXPECT_STREQ(d.textes[0], "Mes liens");
  EXPECT_TRUE(DialogueLiensCoche(&d, IDC_LIENS_TOUTES) && DialogueLiensCoche(&d, IDC_LIENS_COMMENTAIRE));
  Ouvrir(MODELE_MAILINGLISTEBOX);
  EXPECT_STREQ(d.textes[1], "; ");
  EXPECT_FALSE(DialogueLiensCoche(&d, IDC_MAILING_RETOUR));
  Ouvrir(MODELE_CREERFICHIERTEXTEBOX);
  EXPECT_STREQ(d.textes[0], "");
  for (unsigned id = IDC_TEXTE_NOM; id <= IDC_TEXTE_NOTES; id++) EXPECT_TRUE(DialogueLiensCoche(&d, id));
}

// The four selection boxes stay exclusive, even pressed twice; an option
// box toggles.
TEST_F(DialoguesLiensTest, LesCasesDeSelectionSExcluentLesOptionsBasculent) {
  for (ModeleLiens m : {MODELE_LIENSHTMLBOX, MODELE_MAILINGLISTEBOX, MODELE_CREERFICHIERTEXTEBOX}) {
    Ouvrir(m);
    const DescriptionLiens* desc = DialogueLiensDescription(m);
    for (int i : {2, 3, 3, 1, 0}) {
      EXPECT_EQ(Appuyer(desc->selection[i]), LIENS_RESTE);
      for (int j = 0; j < 4; j++) EXPECT_EQ(DialogueLiensCoche(&d, desc->selection[j]), i == j);
    }
    int avant = DialogueLiensCoche(&d, desc->options[0]);
    Appuyer(desc->options[0]);
    EXPECT_EQ(DialogueLiensCoche(&d, desc->options[0]), !avant);
  }
  Appuyer(IDC_TEXTE_MARQUEES);
  Appuyer(IDC_TEXTE_NOTES);
  EXPECT_EQ(r.texte.mode, SELECTION_MARQUEES);
  EXPECT_EQ(r.texte.champs[CHAMP_NOM] * 2 + r.texte.champs[CHAMP_NOTES], 0);
  EXPECT_EQ(r.liens.AjouterCommentaire * 2 + r.mailing.RetourALaLigne, 1);
}

TEST_F(DialoguesLiensTest, OkCoupeLesTitresEtLeSeparateurDesAdresses) {
  Ouvrir(MODELE_LIENSHTMLBOX);
  Taper(0, std::string(199, 'l'));
  EXPECT_EQ(Appuyer(IDC_LIENS_OK), LIENS_FERME_OK);
  EXPECT_EQ(std::string(titre), std::string(146, 'l'));
  Ouvrir(MODELE_MAILINGLISTEBOX);
  Taper(0, std::string(199, 'm'));
  Taper(1, std::string(60, ','));
  EXPECT_EQ(Appuyer(IDC_MAILING_OK), LIENS_FERME_OK);
  EXPECT_EQ(std::string(titre), std::string(159, 'm'));
  EXPECT_EQ(std::string(r.mailing.separateur), std::string(39, ','));
  EXPECT_TRUE(faux.messages.empty());
}

// The text dialog refuses in order: the field separator, the card
// separator, then no field; it takes both separators before the last.
TEST_F(DialoguesLiensTest, OkDuTexteRefuseDansLOrdre) {
  faux.focus = (Poignee)0xF0C;
  Ouvrir(MODELE_CREERFICHIERTEXTEBOX);
  for (unsigned id = IDC_TEXTE_NOM; id <= IDC_TEXTE_NOTES; id++) Appuyer(id);
  Taper(0, std::string(300, 'c'));
  Taper(1, std::string(300, 'f'));
  EXPECT_EQ(Appuyer(IDC_TEXTE_OK), LIENS_RESTE);
  Taper(0, std::string(299, 'c'));
  EXPECT_EQ(Appuyer(IDC_TEXTE_OK), LIENS_RESTE);
  EXPECT_STREQ(r.texte.separateur_champs, "") << "nothing taken while refused";
  Taper(1, "\r\n");
  EXPECT_EQ(Appuyer(IDC_TEXTE_OK), LIENS_RESTE);
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{
                               "Le champ S\xe9parer les champs par est trop long !",
                               "Le champ S\xe9parer les fiches par est trop long !",
                               "Vous devez s\xe9lectionner au moins un champ !"}));
  for (const MessageVu& m : faux.messages) {
    EXPECT_EQ(m.titre, "Lorvanix 6.1");
    EXPECT_EQ(m.style, (unsigned)(BOITE_OK | ICONE_ATTENTION));
    EXPECT_EQ(m.proprietaire, (Poignee)0xF0C);
  }
  EXPECT_EQ(std::string(r.texte.separateur_champs), std::string(299, 'c')) << "kept whole";
  EXPECT_STREQ(r.texte.separateur_fiches, "\r\n");
  Appuyer(IDC_TEXTE_NOTES);
  EXPECT_EQ(Appuyer(IDC_TEXTE_OK), LIENS_FERME_OK);
  EXPECT_EQ(faux.messages.size(), 3u);
}

// Couper, Copier and Coller reach the separator edit focused last (the
// field separator before any), which gets the focus back.
TEST_F(DialoguesLiensTest, CouperCopierCollerVontAuDernierSeparateur) {
  Poignee champs = (Poignee)0x788, fiches = (Poignee)0x789;
  Ouvrir(MODELE_CREERFICHIERTEXTEBOX);
  d.separateurs[0] = champs;
  d.separateurs[1] = fiches;
  Appuyer(IDC_TEXTE_COPIER);
  DialogueLiensFocus(&d, IDC_TEXTE_SEPARATEUR_FICHES);
  Appuyer(IDC_TEXTE_COUPER);
  Appuyer(IDC_TEXTE_COLLER);
  EXPECT_EQ(faux.focus, fiches);
  DialogueLiensFocus(&d, IDC_TEXTE_OK);  // a button taking the focus changes nothing
  Appuyer(IDC_TEXTE_COPIER);
  DialogueLiensFocus(&d, IDC_TEXTE_SEPARATEUR_CHAMPS);
  Appuyer(IDC_TEXTE_COLLER);
  EXPECT_EQ(faux.controles[champs].actions, (std::vector<ActionEdit>{EDIT_COPIER, EDIT_COLLER}));
  EXPECT_EQ(faux.controles[fiches].actions,
            (std::vector<ActionEdit>{EDIT_COUPER, EDIT_COLLER, EDIT_COPIER}));
  EXPECT_EQ(faux.focus, champs);
}

// Annuler, or a refusal left by closing the dialog, puts every setting
// and the title back.
TEST_F(DialoguesLiensTest, AnnulerRemetLesReglagesEtLeTitre) {
  for (ModeleLiens m : {MODELE_LIENSHTMLBOX, MODELE_MAILINGLISTEBOX, MODELE_CREERFICHIERTEXTEBOX}) {
    const DescriptionLiens* desc = DialogueLiensDescription(m);
    faux.dans_liens.push_back([desc](DialogueLiens* x) {
      DialogueLiensAppuyer(x, desc->selection[3]);
      for (const unsigned* o = desc->options; *o; o++) DialogueLiensAppuyer(x, *o);
      snprintf(x->textes[0], TAILLE_TEXTE_LIENS, "autre");
      snprintf(x->textes[1], TAILLE_TEXTE_LIENS, "autre");
      DialogueLiensAppuyer(x, desc->ok);  // the text dialog takes its separators, then refuses
      return DialogueLiensAppuyer(x, desc->annuler) == LIENS_FERME_OK;
    });
    Ouvrir(m);
    EXPECT_EQ(DialogueLiensMontrer(&faux.dialogues_liens, nullptr, &d), 0);
    EXPECT_TRUE(Egaux(r, REGLAGES_LIENS_DEPART)) << desc->nom;
    EXPECT_STREQ(titre, "Mes liens");
  }
  EXPECT_EQ(faux.modeles_liens, (std::vector<int>{0, 1, 2}));
}

}  // namespace
