// The rules of the four conversion dialogs and the choices they keep.
#include "dialogues_conversion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "faux_systeme.h"
#include "lvxgest_ids.h"

namespace {

const ModeleConversion TEXTES[] = {MODELE_CONVERTIRREMPLACERBOX, MODELE_CONVERTIRAJOUTERBOX,
                                   MODELE_CONVERTIRSUPPRIMERBOX};
const ModeConversion MODES_TEXTES[] = {CONVERSION_REMPLACER, CONVERSION_AJOUTER,
                                       CONVERSION_SUPPRIMER};

class DialoguesConversionTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  SystemeGest sys{&faux.memoire, &faux.fichiers, &faux.fenetres, &faux.coquille,
                  &faux.dialogues_gest};
  ReglagesConversion r = REGLAGES_CONVERSION_DEPART;
  DialogueConversion d{};

  void Ouvrir(ModeConversion mode) { DialogueConversionPreparer(&d, mode, &r, &sys); }
  SuiteConversion Appuyer(unsigned id) { return DialogueConversionAppuyer(&d, id); }
  int Coche(unsigned id) { return DialogueConversionCoche(&d, id); }
  void Taper(int edit, const std::string& texte) {
    snprintf(d.textes[edit], TAILLE_TEXTE_DIALOGUE_CONVERSION, "%s", texte.c_str());
  }
};

TEST_F(DialoguesConversionTest, ADeLOuvertureLesChoixDeDepartTitreEtRemarque) {
  for (ModeConversion mode : {CONVERSION_VERS_NAVIGATEUR, CONVERSION_REMPLACER, CONVERSION_AJOUTER,
                              CONVERSION_SUPPRIMER}) {
    Ouvrir(mode);
    std::string cases;
    for (unsigned id = IDC_CONVERTIR_TOUTES; id <= IDC_CONVERTIR_MARQUEES; id++)
      cases += (char)('0' + Coche(id));
    for (unsigned id = IDC_CONVERTIR_NOM; id <= IDC_CONVERTIR_CASSE; id++)
      cases += (char)('0' + Coche(id));
    EXPECT_EQ(cases, mode == CONVERSION_VERS_NAVIGATEUR ? "0100" "0000000000" : "0100" "0000100000");
    EXPECT_STREQ(d.textes[0], "");
  }
  // The extra-web commands share a template: its title and remark are theirs.
  Ouvrir(CONVERSION_VERS_NAVIGATEUR);
  EXPECT_STREQ(DialogueConversionTitre(&d), "Convertir <EXTRAWEB> ---> Navigateur");
  EXPECT_STREQ(DialogueConversionRemarque(&d),
               "Remarque : Seuls les fiches <EXTRAWEB> et les fichiers valides correspondants "
               "seront pris en compte.");
  Ouvrir(CONVERSION_VERS_EXTRA_WEB);
  EXPECT_STREQ(DialogueConversionTitre(&d), "Convertir Navigateur ---> <EXTRAWEB>");
  EXPECT_STREQ(DialogueConversionRemarque(&d),
               "Remarque : Les fiches <EXTRAWEB> et les fichiers non valides seront ignor\xe9s.");
  EXPECT_EQ(Appuyer(IDC_CONVERTIR_OK), CONVERSION_FERME_OK) << "no check beyond the card choice";
  Ouvrir(CONVERSION_AJOUTER);
  EXPECT_EQ(DialogueConversionTitre(&d), nullptr);
}

// The card boxes are exclusive; "Champ URL" brings the extra-web parts
// with it, which move only while it is ticked; the two browse boxes
// exclude each other; the dialog of the extra-web commands has none of
// the option boxes.
TEST_F(DialoguesConversionTest, LesCasesSuiventLeursRegles) {
  Ouvrir(CONVERSION_SUPPRIMER);
  for (unsigned id : {IDC_CONVERTIR_MARQUEES, IDC_CONVERTIR_MARQUEES, IDC_CONVERTIR_TOUTES}) {
    Appuyer(id);
    for (unsigned autre = IDC_CONVERTIR_TOUTES; autre <= IDC_CONVERTIR_MARQUEES; autre++)
      EXPECT_EQ(Coche(autre), autre == id);
  }
  EXPECT_FALSE(DialogueConversionActive(&d, IDC_CONVERTIR_APPLICATION));
  Appuyer(IDC_CONVERTIR_APPLICATION);
  EXPECT_EQ(r.application, 0);
  Appuyer(IDC_CONVERTIR_URL);
  EXPECT_EQ(r.application + r.document, 2);
  Appuyer(IDC_CONVERTIR_DOCUMENT);
  EXPECT_EQ(r.document, 0);
  Appuyer(IDC_CONVERTIR_URL);
  EXPECT_EQ(r.application + r.document + r.champs[CHAMP_URL], 0);
  Appuyer(IDC_CONVERTIR_MENU_DEMARRER);
  Appuyer(IDC_CONVERTIR_MES_DOCUMENTS);
  EXPECT_EQ(r.MenuDemarrer * 10 + r.MesDocuments, 1);
  Appuyer(IDC_CONVERTIR_MES_DOCUMENTS);
  EXPECT_EQ(r.MenuDemarrer + r.MesDocuments, 0) << "at most one, and none is allowed";
  Appuyer(IDC_CONVERTIR_CASSE);
  EXPECT_EQ(r.casse, 1);

  ReglagesConversion avant = r;
  Ouvrir(CONVERSION_VERS_EXTRA_WEB);
  for (unsigned id = IDC_CONVERTIR_NOM; id <= IDC_CONVERTIR_CASSE; id++) Appuyer(id);
  EXPECT_EQ(memcmp(&avant, &r, sizeof r), 0);
  Ouvrir(CONVERSION_AJOUTER);
  Appuyer(IDC_CONVERTIR_CASSE);
  EXPECT_EQ(r.casse, 1) << "add has no case box";
}

struct Verification {
  ModeConversion mode;
  const char* texte;
  const char* par;
  int champ;  // the one field ticked, or -1 for none
  const char* message;  // null: OK closes
};

// OK refuses in this order, with the first message that applies, and
// takes the texts only when it closes.
TEST_F(DialoguesConversionTest, OkRefuseDansLOrdre) {
  std::string long_(300, 'x'), juste(299, 'x');
  const Verification cas[] = {
      {CONVERSION_REMPLACER, long_.c_str(), long_.c_str(), -1,
       "Le champ Texte \xe0 rechercher est trop long !"},
      {CONVERSION_REMPLACER, juste.c_str(), long_.c_str(), -1,
       "Le champ Remplacer par est trop long !"},
      {CONVERSION_REMPLACER, "", "b", -1, "Vous devez saisir les deux champs d'\xe9" "dition !"},
      {CONVERSION_REMPLACER, "a", "", -1, "Vous devez saisir les deux champs d'\xe9" "dition !"},
      {CONVERSION_REMPLACER, "web", "web", -1,
       "Les deux champs d'\xe9" "dition ne doivent pas \xeatre identiques !"},
      {CONVERSION_REMPLACER, "web", "WEB", -1, "Vous devez s\xe9lectionner au moins un champ !"},
      {CONVERSION_REMPLACER, juste.c_str(), "b", CHAMP_NOM, nullptr},
      {CONVERSION_AJOUTER, long_.c_str(), "", -1, "Le champ Texte \xe0 ajouter est trop long !"},
      {CONVERSION_AJOUTER, "", "", -1, "Vous devez saisir le champ d'\xe9" "dition !"},
      {CONVERSION_AJOUTER, "a", "", -1, "Vous devez s\xe9lectionner au moins un champ !"},
      {CONVERSION_AJOUTER, "a", "", CHAMP_URL, nullptr},
      {CONVERSION_SUPPRIMER, long_.c_str(), "", -1, "Le champ Texte \xe0 supprimer est trop long !"},
      {CONVERSION_SUPPRIMER, "", "", CHAMP_NOTES, "Vous devez saisir le champ d'\xe9" "dition !"},
      {CONVERSION_SUPPRIMER, "a", "", CHAMP_NOTES, nullptr},
  };
  faux.focus = (Poignee)0xF0C;
  for (const Verification& c : cas) {
    r = REGLAGES_CONVERSION_DEPART;
    for (uint16_t& champ : r.champs) champ = 0;
    if (c.champ >= 0) r.champs[c.champ] = 1;
    Ouvrir(c.mode);
    Taper(0, c.texte);
    Taper(1, c.par);
    faux.messages.clear();
    SuiteConversion suite = Appuyer(IDC_CONVERTIR_OK);
    if (!c.message) {
      EXPECT_EQ(suite, CONVERSION_FERME_OK) << c.texte;
      EXPECT_TRUE(faux.messages.empty());
      EXPECT_STREQ(r.textes[0], c.texte);
      EXPECT_STREQ(r.textes[1], c.mode == CONVERSION_REMPLACER ? c.par : "");
      continue;
    }
    EXPECT_EQ(suite, CONVERSION_RESTE) << c.message;
    ASSERT_EQ(faux.messages.size(), 1u) << c.message;
    EXPECT_EQ(faux.messages[0].texte, c.message);
    EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
    EXPECT_EQ(faux.messages[0].style, (unsigned)(BOITE_OK | ICONE_ATTENTION));
    EXPECT_EQ(faux.messages[0].proprietaire, (Poignee)0xF0C);
    EXPECT_STREQ(r.textes[0], "") << "nothing taken while refused";
  }
}

// "Parcourir..." opens the chooser in the Start menu or My Documents as
// ticked, else in the current folder; its path replaces the whole text
// of the edit beside it. Annuler changes nothing, a failure says why.
TEST_F(DialoguesConversionTest, ParcourirRemplitLeTexteACoteDuBouton) {
  faux.dossiers_speciaux[DOSSIER_MENU_DEMARRER] = "C:\\Menu";
  faux.dossiers_speciaux[DOSSIER_MES_DOCUMENTS] = "C:\\Documents";
  Ouvrir(CONVERSION_REMPLACER);
  Taper(0, "ancien");
  Taper(1, "autre");
  faux.chemins_choisis = {"C:\\Menu\\Outils\\ed.exe", "C:\\Documents", "", "D:\\x.txt"};
  Appuyer(IDC_CONVERTIR_MENU_DEMARRER);
  Appuyer(IDC_CONVERTIR_PARCOURIR);
  EXPECT_STREQ(d.textes[0], "C:\\Menu\\Outils\\ed.exe");
  EXPECT_EQ(d.textes_changes, 1);
  Appuyer(IDC_CONVERTIR_MES_DOCUMENTS);
  Appuyer(IDC_CONVERTIR_PARCOURIR_PAR);
  EXPECT_STREQ(d.textes[1], "C:\\Documents");
  Appuyer(IDC_CONVERTIR_MES_DOCUMENTS);
  Appuyer(IDC_CONVERTIR_PARCOURIR);
  EXPECT_STREQ(d.textes[0], "C:\\Menu\\Outils\\ed.exe") << "Annuler leaves the text";
  faux.dossiers_speciaux.clear();
  Appuyer(IDC_CONVERTIR_MENU_DEMARRER);
  Appuyer(IDC_CONVERTIR_PARCOURIR_PAR);
  EXPECT_EQ(faux.dossiers_chemins,
            (std::vector<std::string>{"C:\\Menu", "C:\\Documents", "", ""}));
  EXPECT_TRUE(faux.messages.empty());

  faux.erreur_chemin = 0x3002;
  faux.chemins_choisis = {"C:\\y"};
  Appuyer(IDC_CONVERTIR_PARCOURIR);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Erreur #12290"});
  EXPECT_EQ(faux.messages[0].titre, "WARNING");
  EXPECT_EQ(faux.messages[0].style, (unsigned)(BOITE_OK | ICONE_ERREUR));
  EXPECT_STREQ(d.textes[0], "C:\\Menu\\Outils\\ed.exe");
}

// Couper, Copier and Coller reach the edit focused last (the first before
// any), which gets the focus back.
TEST_F(DialoguesConversionTest, CouperCopierCollerVontAuDernierTexte) {
  Poignee texte = (Poignee)0x821, par = (Poignee)0x822;
  Ouvrir(CONVERSION_REMPLACER);
  d.edits[0] = texte;
  d.edits[1] = par;
  Appuyer(IDC_CONVERTIR_COPIER);
  DialogueConversionFocus(&d, IDC_CONVERTIR_PAR);
  Appuyer(IDC_CONVERTIR_COUPER);
  DialogueConversionFocus(&d, IDC_CONVERTIR_OK);
  Appuyer(IDC_CONVERTIR_COLLER);
  EXPECT_EQ(faux.controles[texte].actions, std::vector<ActionEdit>{EDIT_COPIER});
  EXPECT_EQ(faux.controles[par].actions, (std::vector<ActionEdit>{EDIT_COUPER, EDIT_COLLER}));
  EXPECT_EQ(faux.focus, par);
}

// The choices live from one command to the next: OK keeps them, Annuler
// (or a refusal left by closing) puts back those of the opening, in each
// dialog's own set.
TEST_F(DialoguesConversionTest, OkGardeLesChoixAnnulerLesRemet) {
  for (ReglagesConversion& x : reglagesConversion) x = REGLAGES_CONVERSION_DEPART;
  for (int i = 0; i < 3; i++) {
    ReglagesConversion* reglages = &reglagesConversion[TEXTES[i]];
    faux.dans_conversion.push_back([](DialogueConversion* x) {
      DialogueConversionAppuyer(x, IDC_CONVERTIR_MARQUEES);
      DialogueConversionAppuyer(x, IDC_CONVERTIR_URL);
      snprintf(x->textes[0], TAILLE_TEXTE_DIALOGUE_CONVERSION, "gard\xe9");
      snprintf(x->textes[1], TAILLE_TEXTE_DIALOGUE_CONVERSION, "aussi");
      return DialogueConversionAppuyer(x, IDC_CONVERTIR_OK) == CONVERSION_FERME_OK;
    });
    faux.dans_conversion.push_back([](DialogueConversion* x) {
      DialogueConversionAppuyer(x, IDC_CONVERTIR_TOUTES);
      DialogueConversionAppuyer(x, IDC_CONVERTIR_NOTES);
      DialogueConversionAppuyer(x, IDC_CONVERTIR_CASSE);
      snprintf(x->textes[0], TAILLE_TEXTE_DIALOGUE_CONVERSION, "%s", std::string(300, 'x').c_str());
      DialogueConversionAppuyer(x, IDC_CONVERTIR_OK);
      return DialogueConversionAppuyer(x, IDC_CONVERTIR_ANNULER) == CONVERSION_FERME_OK;
    });
    DialogueConversion x;
    DialogueConversionPreparer(&x, MODES_TEXTES[i], reglages, &sys);
    EXPECT_EQ(DialogueConversionMontrer(&x, nullptr), 1);
    ReglagesConversion apres_ok = *reglages;
    DialogueConversionPreparer(&x, MODES_TEXTES[i], reglages, &sys);
    EXPECT_STREQ(x.textes[0], "gard\xe9") << "the text stays in place";
    EXPECT_EQ(DialogueConversionMontrer(&x, nullptr), 0);
    EXPECT_EQ(memcmp(&apres_ok, reglages, sizeof apres_ok), 0);
    EXPECT_EQ(reglages->fiches, FICHES_MARQUEES);
    EXPECT_EQ(reglages->champs[CHAMP_URL] + reglages->application + reglages->document, 3);
    EXPECT_STREQ(reglages->textes[1], i == 0 ? "aussi" : "");
  }
  EXPECT_EQ(faux.modeles_conversion,
            (std::vector<int>{MODELE_CONVERTIRREMPLACERBOX, MODELE_CONVERTIRREMPLACERBOX,
                              MODELE_CONVERTIRAJOUTERBOX, MODELE_CONVERTIRAJOUTERBOX,
                              MODELE_CONVERTIRSUPPRIMERBOX, MODELE_CONVERTIRSUPPRIMERBOX}));
  EXPECT_EQ(reglagesConversion[MODELE_CONVERTIRBOX].fiches, FICHES_ECRAN) << "a set of its own";
}

}  // namespace
