#include "marquage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "commandes.h"
#include "essai_programme.h"
#include "faux_bibliotheques.h"
#include "outils_fiches.h"

namespace {

using M = std::vector<uint16_t>;
const Poignee FOCUS = (Poignee)99;  // whatever window has the focus when a box opens

// Runs marking command id without its frame, as its row of the command table
// names it; 0 when id is not a marking command. The card on screen's toggle
// (685, the mark box 623) runs whole; for the others this is the command
// inside their frame, after the write back.
int CommandeMarquage(Programme* p, unsigned id) {
  static const ActionCommande MARQUAGES[] = {
      MarquageFicheEcran,    MarquageTout,          MarquagePlage,
      MarquageRecherche,     MarquageDoublonsNom,   MarquageDoublonsUrl,
      MarquageDoublonsCible, MarquageDoublonsFinCible, MarquageIncompletes,
      MarquageExtraWebInvalides, MarquageFicheMarquee};
  const LigneCommande* ligne = CommandeLigne(id);
  if (!ligne) return 0;
  for (ActionCommande a : MARQUAGES) {
    if (a != ligne->action) continue;
    a(p, ligne->parametre);
    return 1;
  }
  return 0;
}

class MarquageTest : public EssaiProgramme {
 protected:
  // Starts on a file of these cards, card k with mark marques[k].
  void Demarrer(const std::vector<Textes>& fiches, const M& marques = {}) {
    std::string cartes;
    for (size_t k = 0; k < fiches.size(); k++)
      cartes += OctetsFiche(fiches[k], k < marques.size() ? marques[k] : 0);
    faux.Ecrire("C:\\f.lvx", OctetsFichier(cartes, (uint32_t)fiches.size()));
    p.TravailModifie = 0;  // no save-changes prompt between two stores
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
    faux.messages.clear();
    journal_bibliotheques = JournalBibliotheques{};
  }
  // n cards named "1", "2", ... with URL http://site<k>.fr/.
  void Demarrer(int n, const M& marques = {}) {
    std::vector<Textes> fiches;
    for (int k = 1; k <= n; k++)
      fiches.push_back({std::to_string(k), "http://site" + std::to_string(k) + ".fr/", "", "", ""});
    Demarrer(fiches, marques);
  }
  // As the dispatch runs it: the card on screen is written back first.
  int Commande(unsigned id) {
    faux.focus = FOCUS;
    ProgrammeReecrire(&p);
    return CommandeMarquage(&p, id);
  }
  M Marques() {
    M r;
    for (uint8_t* f = p.magasin.lpDebutMem; f != p.magasin.lpFinMem; f = FicheSuivante(f))
      r.push_back(LireMot(f));
    return r;
  }
  int Case() { return faux.controles[vue.marquage].cochee; }
  void Plage(unsigned id, const std::string& de, const std::string& a) {
    faux.plages = {{de, a}};
    Commande(id);
  }
  void Question(const std::string& texte, Poignee proprietaire) {
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].proprietaire, proprietaire) << texte;
    AttendreMessage(texte, BOITE_OUI_NON | ICONE_QUESTION);
  }
  void Avertissement(const std::string& texte) {
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].proprietaire, vue.fenetre) << texte;
    AttendreMessage(texte, BOITE_OK | ICONE_ATTENTION);
  }
  void Chercher(const std::string& expression) {
    snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", expression.c_str());
  }
};

TEST_F(MarquageTest, FicheEcranBasculeEtatCaseEtDrapeaux) {
  Demarrer(2);
  for (unsigned id : {CMD_BASCULER_FICHE_ECRAN, CMD_CASE_MARQUAGE}) {
    p.FicheModifiee = p.TravailModifie = 0;
    faux.focus = nullptr;
    EXPECT_EQ(CommandeMarquage(&p, id), 1);
    EXPECT_EQ(p.EtatMarquage, 1);
    EXPECT_EQ(Case(), 1);
    EXPECT_EQ(p.FicheModifiee, 1);
    EXPECT_EQ(p.TravailModifie, 1);
    EXPECT_EQ(faux.focus, p.ChampCourant);
    ASSERT_EQ(ProgrammeReecrire(&p), 1);
    EXPECT_EQ(Marques(), (M{1, 0})) << "the write back stores it";
    CommandeMarquage(&p, id);
    EXPECT_EQ(p.EtatMarquage, 0);
    EXPECT_EQ(Case(), 0);
    ASSERT_EQ(ProgrammeReecrire(&p), 1);
    EXPECT_EQ(Marques(), (M{0, 0}));
  }
  EXPECT_TRUE(faux.messages.empty()) << "no confirmation";

  Demarrer(1, {5});
  CommandeMarquage(&p, CMD_CASE_MARQUAGE);
  EXPECT_EQ(p.EtatMarquage, 0) << "any nonzero word is marked, and unmarks";
  EXPECT_EQ(Case(), 0);
}

TEST_F(MarquageTest, BasculerToutDeuxFoisRestaureMarquesEtCase) {
  Demarrer(4, {0, 1, 0, 1});
  faux.reponses = {REPONSE_OUI};
  Commande(332);
  Question("Souhaitez vous vraiment basculer le marquage de toutes les fiches ?", FOCUS);
  EXPECT_EQ(Marques(), (M{1, 0, 1, 0}));
  EXPECT_EQ(p.EtatMarquage, 1);
  EXPECT_EQ(Case(), 1);
  EXPECT_EQ(p.TravailModifie, 1);
  faux.reponses = {REPONSE_OUI};
  Commande(332);
  EXPECT_EQ(Marques(), (M{0, 1, 0, 1}));
  EXPECT_EQ(p.EtatMarquage, 0);
  EXPECT_EQ(Case(), 0);
}

TEST_F(MarquageTest, MarquerEtSupprimerToutModifientToujoursLeTravail) {
  Demarrer(3, {1, 1, 1});
  faux.reponses = {REPONSE_OUI};
  Commande(333);
  Question("Voulez vous vraiment marquer toutes les fiches ?", vue.fenetre);
  EXPECT_EQ(p.TravailModifie, 1) << "even when every card already was";
  for (unsigned id : {324u, 629u}) {
    Demarrer(3, {1, 0, 2});
    faux.reponses = {REPONSE_OUI};
    Commande(id);
    Question("Voulez vous vraiment supprimer le marquage de toutes les fiches ?", vue.fenetre);
    EXPECT_EQ(Marques(), (M{0, 0, 0}));
    EXPECT_EQ(p.EtatMarquage, 0);
    EXPECT_EQ(Case(), 0);
    EXPECT_EQ(p.TravailModifie, 1);
  }
}

// Every command that asks first: answering no changes nothing at all.
TEST_F(MarquageTest, RefuserLaConfirmationNeChangeRien) {
  struct Cas {
    unsigned id;
    const char* question;
    bool focus;  // owned by the focus window, else by the main window
  };
  const std::string d = "Souhaitez vous vraiment ";
  const char* const nom = " toutes les fiches dont le champ Nom de site est identique à celui d'une autre fiche ?";
  const char* const url = " toutes les fiches dont le champ URL est identique à celui d'une autre fiche ?";
  const char* const cible = " toutes les fiches dont le champ URL cible le même document que celui d'une autre fiche ?";
  const char* const fin = " toutes les fiches dont le champ URL vise la même fin de cible que celle d'une autre fiche ?";
  const char* const rech = " toutes les fiches correspondant aux critères de recherche ?";
  const char* const xw = " toutes les fiches <EXTRAWEB> dont l'application ou le fichier à ouvrir avec l'application sont introuvables ?";
  const std::string b = "basculer le marquage de", m = "marquer", s = "supprimer le marquage de";
  const std::vector<std::pair<unsigned, std::pair<std::string, bool>>> cas = {
      {332, {"Souhaitez vous vraiment basculer le marquage de toutes les fiches ?", true}},
      {333, {"Voulez vous vraiment marquer toutes les fiches ?", false}},
      {324, {"Voulez vous vraiment supprimer le marquage de toutes les fiches ?", false}},
      {629, {"Voulez vous vraiment supprimer le marquage de toutes les fiches ?", false}},
      {353, {d + b + rech, true}}, {306, {d + m + rech, true}}, {412, {d + s + rech, false}},
      {351, {d + b + nom, false}}, {352, {d + m + nom, false}}, {354, {d + s + nom, false}},
      {347, {d + b + url, false}}, {348, {d + m + url, false}}, {349, {d + s + url, false}},
      {530, {d + b + cible, false}}, {531, {d + m + cible, false}}, {532, {d + s + cible, false}},
      {541, {d + b + fin, false}}, {542, {d + m + fin, false}}, {543, {d + s + fin, false}},
      {691, {d + b + xw, false}}, {692, {d + m + xw, false}}, {693, {d + s + xw, false}},
  };
  Demarrer({{"a", "http://x.fr", "", "", ""}, {"a", "http://x.fr/", "", "", ""},
            {"b", "<EXTRAWEB>", "", "", ""}}, {0, 1, 0});
  Chercher("x");
  for (const auto& c : cas) {
    faux.reponses = {REPONSE_NON};
    EXPECT_EQ(Commande(c.first), 1);
    Question(c.second.first, c.second.second ? FOCUS : vue.fenetre);
    EXPECT_EQ(Marques(), (M{0, 1, 0})) << c.first;
    EXPECT_EQ(p.TravailModifie, 0) << c.first;
  }
  EXPECT_EQ(CommandeMarquage(&p, CMD_FICHE_SUIVANTE), 0) << "not a marking command";
}

TEST_F(MarquageTest, PlageDansLUnOuLAutreSens) {
  Demarrer(12, {0, 0, 1});
  Plage(338, "10", "3");
  EXPECT_EQ(faux.titres_plages, std::vector<std::string>{"Basculer le marquage des fiches..."});
  EXPECT_EQ(journal_bibliotheques.filtres, (std::vector<uint16_t>{1, 0}))
      << "digits only while the dialog is open";
  EXPECT_EQ(Marques(), (M{0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(Case(), 0) << "card 1 is outside the range";
  EXPECT_TRUE(faux.messages.empty());

  Plage(334, "1", "1");
  EXPECT_EQ(faux.titres_plages.back(), "Marquer les fiches...");
  EXPECT_EQ(p.EtatMarquage, 1) << "the card on screen changed";
  EXPECT_EQ(Case(), 1);
  Plage(346, "12", "1");
  EXPECT_EQ(faux.titres_plages.back(), "Supprimer le marquage des fiches...");
  EXPECT_EQ(Marques(), M(12, 0));
  EXPECT_EQ(Case(), 0);
}

TEST_F(MarquageTest, PlageNeModifieLeTravailQuePourUnChangementDe0Ou1) {
  Demarrer(3, {1, 5, 0});
  Plage(334, "1", "2");
  EXPECT_EQ(Marques(), (M{1, 1, 0})) << "5 becomes 1";
  EXPECT_EQ(p.TravailModifie, 0) << "no card was 0";
  Demarrer(3, {0, 5, 1});
  Plage(346, "1", "2");
  EXPECT_EQ(Marques(), (M{0, 0, 1}));
  EXPECT_EQ(p.TravailModifie, 0) << "no card was 1";
  Plage(346, "3", "3");
  EXPECT_EQ(p.TravailModifie, 1);
  Demarrer(2, {5, 0});
  Plage(338, "1", "2");
  EXPECT_EQ(Marques(), (M{0, 1})) << "toggle: 0 -> 1, else 0";
}

TEST_F(MarquageTest, PlageRefuseZeroEtTropGrand) {
  Demarrer(12, {1});
  const std::pair<std::string, std::string> trop_grands[] = {{"3", "13"}, {"0", "99"}, {"-1", "2"}};
  for (const auto& t : trop_grands) {
    Plage(338, t.first, t.second);
    Avertissement("Un numéro de fiche que vous avez choisi est trop grand.");
  }
  const std::pair<std::string, std::string> invalides[] = {{"0", "3"}, {"4", ""}, {"x", "2"}};
  for (const auto& t : invalides) {
    Plage(338, t.first, t.second);
    Avertissement("Un numéro de fiche n'est pas valide.");
  }
  faux.plages = {{"\x1b", ""}};
  Commande(334);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(Marques(), (M{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(p.TravailModifie, 0);
}

TEST_F(MarquageTest, RechercheSansCriteresNeDemandeRien) {
  Demarrer(3);
  Commande(306);
  Avertissement("Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.");
  Chercher("site");
  p.criteres.RechercheNoms = p.criteres.RechercheURL = p.criteres.RechercheRubriques =
      p.criteres.RechercheMotsCles = p.criteres.RechercheNotes = 0;
  Commande(353);
  Avertissement("Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.");
  EXPECT_EQ(Marques(), (M{0, 0, 0}));
}

TEST_F(MarquageTest, RechercheMarqueLesFichesCorrespondantes) {
  // "site1" is in the URLs of cards 1, 10, 11 and 12.
  Demarrer(12, {5, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2});
  Chercher("SITE1");
  faux.reponses = {REPONSE_OUI};
  Commande(353);
  EXPECT_EQ(Marques(), (M{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1})) << "toggle: 1 -> 0, else 1";
  EXPECT_EQ(p.EtatMarquage, 1);
  EXPECT_EQ(p.TravailModifie, 1);

  Demarrer(12, {5, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2});
  Chercher("site1");
  faux.reponses = {REPONSE_OUI};
  Commande(306);
  EXPECT_EQ(Marques(), (M{5, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2})) << "only a 0 is marked";
  EXPECT_EQ(p.TravailModifie, 1);

  Demarrer(12, {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2});
  Chercher("site1");
  faux.reponses = {REPONSE_OUI};
  Commande(412);
  EXPECT_EQ(Marques(), (M{5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2})) << "only a 1 is unmarked";
  EXPECT_EQ(p.TravailModifie, 0) << "nothing changed";
}

TEST_F(MarquageTest, DoublonsMarquentEtSuiventLaFicheEcran) {
  Demarrer({{"a", "http://un.fr/a", "", "", ""}, {"b", "http://deux.fr/a/", "", "", ""},
            {"c", "http://trois.fr/b", "", "", ""}}, {0, 0, 1});
  faux.reponses = {REPONSE_OUI};
  Commande(542);
  EXPECT_EQ(Marques(), (M{1, 1, 1}));
  EXPECT_EQ(p.EtatMarquage, 1);
  EXPECT_EQ(Case(), 1);
  EXPECT_EQ(p.TravailModifie, 1);

  p.TravailModifie = 0;
  faux.reponses = {REPONSE_OUI};
  Commande(348);
  EXPECT_EQ(p.TravailModifie, 0) << "no URL is a whole-field duplicate";
  faux.reponses = {REPONSE_OUI};
  Commande(543);
  EXPECT_EQ(Marques(), (M{0, 0, 1}));
  EXPECT_EQ(Case(), 0);
  EXPECT_EQ(p.TravailModifie, 1);
}

TEST_F(MarquageTest, DoublonsSansMemoireNeChangentRien) {
  Demarrer({{"a", "", "", "", ""}, {"A", "", "", "", ""}});
  faux.reponses = {REPONSE_OUI};
  faux.echec_allocation_dans = 1;
  Commande(351);
  ASSERT_EQ(faux.messages.size(), 2u);
  EXPECT_EQ(faux.messages[1].texte, "Allocation de mémoire impossible !");
  EXPECT_EQ(faux.messages[1].style, (unsigned)(BOITE_OK | ICONE_ERREUR));
  EXPECT_EQ(faux.messages[1].proprietaire, FOCUS);
  EXPECT_EQ(Marques(), (M{0, 0}));
  EXPECT_EQ(p.TravailModifie, 0);
}

TEST_F(MarquageTest, IncompletesAvecSeulementNotesVide) {
  Demarrer({{"a", "u", "r", "m", "n"}, {"", "u", "r", "m", ""}, {"a", "", "", "", ""},
            {"a", "u", "r", "m", "n"}});
  M ouvertes;
  faux.dans_incompletes = {[&](uint16_t* choix) {
    ouvertes.assign(choix, choix + 5);
    choix[0] = choix[1] = choix[2] = choix[3] = 0;
    return 1;
  }};
  Commande(413);
  EXPECT_EQ(ouvertes, (M{1, 1, 1, 1, 1})) << "every opening starts ticked";
  EXPECT_EQ(Marques(), (M{0, 1, 1, 0}));
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_TRUE(faux.messages.empty()) << "no confirmation";
}

TEST_F(MarquageTest, IncompletesModifientLeTravailMemeSansChangement) {
  auto tout_coche = [](uint16_t*) { return 1; };
  Demarrer({{"", "u", "", "", ""}, {"", "u", "", "", ""}, {"a", "u", "r", "m", "n"}}, {1, 5, 0});
  faux.dans_incompletes = {tout_coche};
  Commande(366);
  EXPECT_EQ(Marques(), (M{0, 1, 0})) << "toggle: 1 -> 0, else 1";
  faux.dans_incompletes = {tout_coche, tout_coche};
  Commande(413);
  p.TravailModifie = 0;
  Commande(413);
  EXPECT_EQ(Marques(), (M{1, 1, 0}));
  EXPECT_EQ(p.TravailModifie, 1) << "every incomplete card counts, changed or not";
  faux.dans_incompletes = {tout_coche};
  Commande(475);
  EXPECT_EQ(Marques(), (M{0, 0, 0}));

  // No choice ticked, or the box cancelled (nothing scripted): nothing.
  p.TravailModifie = 0;
  faux.dans_incompletes = {[](uint16_t* choix) {
    for (int i = 0; i < 5; i++) choix[i] = 0;
    return 1;
  }};
  Commande(413);
  Commande(413);
  EXPECT_EQ(Marques(), (M{0, 0, 0}));
  EXPECT_EQ(p.TravailModifie, 0);
}

TEST_F(MarquageTest, ExtraWebInvalidesSelonLesFichiersPresents) {
  faux.Ecrire("C:\\Prog\\app.exe", "MZ");
  faux.Ecrire("D:\\Doc\\note.txt", "texte");
  Demarrer({{"valide", "<EXTRAWEB>C:\\Prog\\app.exe D:\\Doc\\note.txt", "", "", ""},
            {"document absent", "<EXTRAWEB>C:\\Prog\\app.exe D:\\Doc\\absent.txt", "", "", ""},
            {"application absente", "<EXTRAWEB>C:\\Prog\\absent.exe", "", "", ""},
            {"seule", "<EXTRAWEB>C:\\Prog\\app.exe", "", "", ""},
            {"vide", "<EXTRAWEB>", "", "", ""},
            {"espace final", "<EXTRAWEB>C:\\Prog\\app.exe ", "", "", ""},
            {"web", "http://absent.fr", "", "", ""}},
           {0, 0, 1, 0, 5, 0, 0});
  faux.reponses = {REPONSE_OUI};
  Commande(692);
  EXPECT_EQ(Marques(), (M{0, 1, 1, 0, 1, 1, 0}));
  EXPECT_EQ(p.TravailModifie, 1);
  faux.reponses = {REPONSE_OUI};
  Commande(691);
  EXPECT_EQ(Marques(), (M{0, 0, 0, 0, 0, 0, 0}));
  p.TravailModifie = 0;
  faux.reponses = {REPONSE_OUI};
  Commande(693);
  EXPECT_EQ(p.TravailModifie, 1) << "every invalid card counts, changed or not";
}

TEST_F(MarquageTest, FichesMarqueesSuivantesEtPrecedentes) {
  Demarrer(5, {1, 0, 3, 0, 0});
  p.ChampCourant = vue.champs[CHAMP_NOTES];
  Commande(CMD_MARQUEE_SUIVANTE);
  EXPECT_EQ(Nom(), "3");
  EXPECT_EQ(Compteurs(), "0000003/0000005");
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_NOM]);
  EXPECT_EQ(faux.focus, vue.champs[CHAMP_NOM]);
  EXPECT_EQ(Case(), 1);
  Commande(CMD_BOUTON_MARQUEE_SUIVANTE);
  Avertissement("Il n'y a pas de fiche marquée suivante.");
  EXPECT_EQ(Compteurs(), "0000003/0000005");

  Commande(CMD_MARQUEE_PRECEDENTE);
  EXPECT_EQ(Nom(), "1") << "the first card is tested";
  EXPECT_EQ(Compteurs(), "0000001/0000005");
  Commande(CMD_BOUTON_MARQUEE_PRECEDENTE);
  Avertissement("Il n'y a pas de fiche marquée précédente.");
  EXPECT_EQ(Nom(), "1") << "the card on screen is not tested";
}

}  // namespace
