// The Convertir commands as the main program runs them: the card on
// screen written back, the store handed to lvxgest and taken back, the
// work marked modified, the message for the cards left alone and the
// memory-failure reset.
#include "conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commandes.h"
#include "dialogues_conversion.h"
#include "essai_programme.h"
#include "lvxgest_ids.h"
#include "outils_fiches.h"

namespace {

const char DEPASSEMENT[] =
    "Certaines fiches n'ont pas \xe9t\xe9 trait\xe9" "es car au moins un champ comportait trop de "
    "caract\xe8res.";
const char ALLOCATION_ECHOUEE[] =
    "Allocation de m\xe9moire impossible. La session en cours va \xeatre initialis\xe9" "e pour "
    "\xe9viter le plantage de votre ordinateur.";

class ConversionCommandeTest : public EssaiProgramme {
 protected:
  void SetUp() override {
    EssaiProgramme::SetUp();
    for (ReglagesConversion& r : reglagesConversion) r = REGLAGES_CONVERSION_DEPART;
  }

  // Starts on a data file of these cards, those numbered in marquees marked.
  void Demarrer(const std::vector<Textes>& fiches, const std::vector<size_t>& marquees) {
    std::string cartes;
    for (size_t k = 0; k < fiches.size(); k++) {
      bool marquee = std::find(marquees.begin(), marquees.end(), k + 1) != marquees.end();
      cartes += OctetsFiche(fiches[k], marquee ? 1 : 0);
    }
    faux.Ecrire("C:\\donnees\\liens.lvx", OctetsFichier(cartes, (uint32_t)fiches.size()));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\donnees\\liens.lvx"), 1);
    faux.messages.clear();
  }
  // A replace of web by toile in the marked cards' Notes.
  void RemplacerDansLesMarquees() {
    faux.dans_conversion.push_back([](DialogueConversion* d) {
      DialogueConversionAppuyer(d, IDC_CONVERTIR_MARQUEES);
      snprintf(d->textes[0], TAILLE_TEXTE_DIALOGUE_CONVERSION, "web");
      snprintf(d->textes[1], TAILLE_TEXTE_DIALOGUE_CONVERSION, "toile");
      return DialogueConversionAppuyer(d, IDC_CONVERTIR_OK) == CONVERSION_FERME_OK;
    });
    ProgrammeCommande(&p, CMD_CONVERTIR_REMPLACER, 0, nullptr);
  }
  std::vector<std::string> Notes() const {
    std::vector<std::string> notes;
    for (uint8_t* c = p.magasin.lpDebutMem; c != p.magasin.lpFinMem; c = FicheSuivante(c))
      notes.push_back(TextesFiche(c)[CHAMP_NOTES]);
    return notes;
  }
};

// The card typed on screen reaches the store first; the marked cards
// change, the work is modified and the card on screen shows its new text.
TEST_F(ConversionCommandeTest, UnRemplacementSurLesFichesMarquees) {
  Demarrer({{"un", "", "", "", "web"}, {"deux", "", "", "", "web"}, {"trois", "", "", "", "le web"}},
           {1, 3});
  Taper(CHAMP_NOTES, "web tap\xe9");
  journal_bibliotheques.crochets.clear();
  RemplacerDansLesMarquees();
  EXPECT_EQ(Notes(), (std::vector<std::string>{"toile tap\xe9", "web", "le toile"}));
  EXPECT_EQ(Texte(vue.champs[CHAMP_NOTES]), "toile tap\xe9");
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(faux.modeles_conversion, std::vector<int>{MODELE_CONVERTIRREMPLACERBOX});
  EXPECT_EQ(journal_bibliotheques.crochets, (std::vector<uint16_t>{0, 1}));
  EXPECT_EQ(faux.curseurs.back(), p.fleche);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(Compteurs(), "0000001/0000003");
}

// A marked card with a field over 65,000 characters is left alone and
// said once, whatever the number of such cards.
TEST_F(ConversionCommandeTest, LesFichesTropLonguesSontSignaleesUneFois) {
  std::string long_(65001, 'w');
  Demarrer({{long_, "", "", "", "web"}, {"deux", "", "", "", "web"}, {long_, "", "", "", "web"}},
           {1, 2, 3});
  RemplacerDansLesMarquees();
  AttendreMessage(DEPASSEMENT, BOITE_OK | ICONE_ERREUR);
  EXPECT_EQ(Notes(), (std::vector<std::string>{"web", "toile", "web"}));
  EXPECT_EQ(p.TravailModifie, 1);
}

TEST_F(ConversionCommandeTest, AnnulerNeChangeRien) {
  Demarrer({{"un", "", "", "", "web"}}, {1});
  for (unsigned id : {CMD_CONVERTIR_VERS_NAVIGATEUR, CMD_CONVERTIR_VERS_EXTRA_WEB,
                      CMD_CONVERTIR_REMPLACER, CMD_CONVERTIR_AJOUTER, CMD_CONVERTIR_SUPPRIMER})
    ProgrammeCommande(&p, id, 0, nullptr);
  EXPECT_EQ(faux.modeles_conversion,
            (std::vector<int>{MODELE_CONVERTIRBOX, MODELE_CONVERTIRBOX, MODELE_CONVERTIRREMPLACERBOX,
                              MODELE_CONVERTIRAJOUTERBOX, MODELE_CONVERTIRSUPPRIMERBOX}));
  EXPECT_EQ(Notes(), std::vector<std::string>{"web"});
  EXPECT_EQ(p.TravailModifie, 0);
  EXPECT_TRUE(faux.messages.empty());
}

// Whichever allocation fails, lvxgest refuses with its message and the
// store is untouched (its working buffers, its list of changes, the
// store's growth); lvxgest keeps no block of its own.
TEST_F(ConversionCommandeTest, UnEchecDeMemoirePendantLaConversion) {
  int refus = 0, faites = 0;
  for (int n = 1; n <= 14; n++) {
    SCOPED_TRACE(n);
    std::string beaucoup;
    for (int i = 0; i < 600; i++) beaucoup += "web ";
    Demarrer({{"un", "", "", "", "web"}, {"deux", "", "", "", beaucoup}}, {1, 2});
    faux.echec_allocation_dans = n;
    RemplacerDansLesMarquees();
    faux.echec_allocation_dans = 0;
    if (!faux.messages.empty()) {
      refus++;
      EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de m\xe9moire impossible !"});
      EXPECT_EQ(faux.messages[0].style, (unsigned)(BOITE_OK | ICONE_ERREUR));
      EXPECT_EQ(Notes(), (std::vector<std::string>{"web", beaucoup}));
      EXPECT_EQ(p.TravailModifie, 0);
    } else {
      faites++;
      EXPECT_EQ(Notes()[0], "toile");
    }
    EXPECT_EQ(faux.curseurs.back(), p.fleche);
    ProgrammeLiberer(&p);
    p = Programme{};
    ASSERT_EQ(ProgrammeInitialiser(&p, &faux.programme, vue, (Poignee)0x50, (Poignee)0x51, nullptr),
              1);
  }
  EXPECT_EQ(refus, 11) << "nine working buffers, the list of changes, the store's growth";
  EXPECT_GT(faites, 0);
}

}  // namespace
