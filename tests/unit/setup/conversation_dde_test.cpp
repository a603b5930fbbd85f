// The program group: who answers the initiate, the five commands and their
// status lines, acknowledges recognised by topic and by block, and every
// way the server can fail to answer.
#include "conversation_dde.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faux_installation.h"
#include "installation.h"
#include "lvxsetup_ids.h"

namespace {

using Lignes = std::vector<std::string>;

const char* const ETATS[] = {
    "zone zone  Cr\351ation du groupe de programmes Lorvanix 6.1",
    "zone zone  Cr\351ation de l'ic\xF4ne Lorvanix 6.1",
    "zone zone  Cr\351ation de l'ic\xF4ne Aide de Lorvanix 6.1",
    "zone zone  Cr\351ation de l'ic\xF4ne Licence Lorvanix 6.1",
    "zone zone  Restauration du groupe Lorvanix 6.1",
};

const char* const COMMANDES[] = {
    "executer serveur [CreateGroup(Lorvanix 6.1)]",
    "executer serveur [CreateGroup(Lorvanix 6.1)]"
    "[AddItem(\"D:\\Mes programmes\\lorvanix.exe\",Lorvanix 6.1)]",
    "executer serveur [CreateGroup(Lorvanix 6.1)]"
    "[AddItem(\"D:\\Mes programmes\\lorvanix.hlp\",Aide de Lorvanix 6.1)]",
    "executer serveur [CreateGroup(Lorvanix 6.1)]"
    "[AddItem(\"D:\\Mes programmes\\licence.txt\",Licence Lorvanix 6.1)]",
    "executer serveur [Reload(Lorvanix 6.1)]",
};

const char SANS_SERVEUR[] =
    "message fenetre Lorvanix 6.1 installation 48 Le gestionnaire de programmes ne r\xE9pond pas : le groupe "
    "Lorvanix 6.1 n'a pas \xE9t\xE9 cr\xE9\xE9.";

class ConversationTest : public ::testing::Test {
 protected:
  FauxInstallation f;
  Installateur in;

  void SetUp() override {
    f.Demarrer(&in);
    snprintf(in.repertoire, sizeof in.repertoire, "D:\\Mes programmes");
  }
  void TearDown() override {
    EXPECT_EQ(f.fautes, Lignes{});
    // Once closed, every block and atom is given back, the server's too.
    if (in.fermee) {
      EXPECT_TRUE(f.blocs.empty());
      EXPECT_TRUE(f.atomes.empty());
      EXPECT_EQ(f.minuteur, 0);
    }
  }
  // Copies done, the initiate broadcast.
  void JusquAuGroupe() {
    InstallateurCommande(&in, &f.s, CMD_SETUP_INSTALLER);
    f.Derouler();
    ASSERT_EQ(in.etape, ETAPE_GROUPE);
  }
  // The journal from the first initiate on.
  Lignes Conversation() const {
    Lignes l;
    for (const std::string& ligne : f.journal)
      if (!l.empty() || ligne.compare(0, 7, "initier") == 0) l.push_back(ligne);
    return l;
  }
  void Accuser(int n) { f.Accuser(in.Commandes[n - 1]); }
};

TEST_F(ConversationTest, CinqCommandesChacuneApresLAccuseDeLaPrecedente) {
  f.reponses = {{SERVEUR, "PROGMAN", "PROGMAN"}};
  JusquAuGroupe();
  Lignes attendu = {"initier 0 PROGMAN", "initier PROGMAN PROGMAN"};
  for (int n = 1; n <= 5; n++) {
    attendu.push_back(ETATS[n - 1]);
    attendu.push_back(COMMANDES[n - 1]);
    EXPECT_EQ(Conversation(), attendu) << "commande " << n;
    EXPECT_EQ(f.minuteur, (int)DELAI_SERVEUR_MS) << "commande " << n;
    Accuser(n);
  }
  attendu.insert(attendu.end(), {"curseur fleche", "zone zone  Installation de Lorvanix 6.1 termin\351e.",
                                 "message fenetre Lorvanix 6.1 installation 48 Installation de Lorvanix 6.1 "
                                 "termin\351e.",
                                 "terminer serveur", "courant C:\\Travail", "curseur fleche",
                                 "supprimer police", "detruire fenetre"});
  EXPECT_EQ(Conversation(), attendu);
}

// A program manager that answers "any application" is asked once; one that
// answers only to its name gets the second initiate.
TEST_F(ConversationTest, InitiationAToutesPuisAPROGMAN) {
  struct Cas {
    std::string application;
    Lignes initiations;
  } const cas[] = {
      {"", {"initier 0 PROGMAN"}},
      {"PROGMAN", {"initier 0 PROGMAN", "initier PROGMAN PROGMAN"}},
  };
  for (const Cas& c : cas) {
    FauxInstallation g;
    Installateur i;
    g.Demarrer(&i);
    g.reponses = {{SERVEUR, c.application, "PROGMAN"}};
    InstallateurCommande(&i, &g.s, CMD_SETUP_INSTALLER);
    g.Derouler();
    EXPECT_EQ(g.Lignes("initier"), c.initiations) << c.application;
    EXPECT_EQ(i.hWndServer, SERVEUR);
    EXPECT_EQ(g.Lignes("executer").size(), 1u);
  }
}

TEST_F(ConversationTest, SansAucuneReponseLeDelaiFermeLInstallateur) {
  JusquAuGroupe();
  EXPECT_EQ(Conversation(), (Lignes{"initier 0 PROGMAN", "initier PROGMAN PROGMAN"}));
  EXPECT_EQ(f.minuteur, (int)DELAI_SERVEUR_MS);
  EXPECT_FALSE(in.fermee);
  f.journal.clear();
  ConversationDelai(&in, &f.s);
  EXPECT_EQ(f.journal, (Lignes{"curseur fleche", SANS_SERVEUR, "courant C:\\Travail", "curseur fleche",
                               "supprimer police", "detruire fenetre"}));
  EXPECT_TRUE(in.fermee);
}

// The server answers the initiate, then stops answering at some command:
// each command has its own time limit, the conversation ends politely.
TEST_F(ConversationTest, UnServeurQuiSeTaitEstQuitteApresLeDelai) {
  for (int muette = 1; muette <= 5; muette++) {
    FauxInstallation g;
    Installateur i;
    g.Demarrer(&i);
    g.reponses = {{SERVEUR, "", "PROGMAN"}};
    InstallateurCommande(&i, &g.s, CMD_SETUP_INSTALLER);
    g.Derouler();
    for (int n = 1; n < muette; n++) g.Accuser(i.Commandes[n - 1]);
    EXPECT_EQ(g.minuteur, (int)DELAI_SERVEUR_MS);
    g.journal.clear();
    ConversationDelai(&i, &g.s);
    EXPECT_EQ(g.journal, (Lignes{"curseur fleche", SANS_SERVEUR, "terminer serveur", "courant C:\\Travail",
                                 "curseur fleche", "supprimer police", "detruire fenetre"}))
        << "muette " << muette;
    EXPECT_TRUE(g.blocs.empty());
    EXPECT_TRUE(g.atomes.empty());
  }
}

// Only the acknowledge of the awaited command's block moves on: not an
// older block's, not another window's, not an initiate's answer.
TEST_F(ConversationTest, AccusesReconnusParLeurBloc) {
  f.reponses = {{SERVEUR, "", "PROGMAN"}};
  JusquAuGroupe();
  Accuser(1);
  ASSERT_EQ(f.Lignes("executer").size(), 2u);
  Accuser(1);
  f.Accuser(in.Commandes[1], AUTRE_SERVEUR);
  EXPECT_EQ(f.Lignes("executer").size(), 2u);
  EXPECT_EQ(in.commande, 2);
  Accuser(2);
  EXPECT_EQ(f.Lignes("executer").size(), 3u);
  ConversationDelai(&in, &f.s);
}

// Answers to the initiate are told by their topic: another topic's answer
// is let go; a second server of our topic too, the first is kept.
TEST_F(ConversationTest, ReponsesALInitiationParLeurSujet) {
  struct Cas {
    std::vector<FauxInstallation::Reponse> reponses;
    Poignee serveur;
    Lignes terminaisons;
  } const cas[] = {
      {{{AUTRE_SERVEUR, "", "SYSTEM"}, {SERVEUR, "", "PROGMAN"}}, SERVEUR, {"terminer autre_serveur"}},
      {{{SERVEUR, "", "PROGMAN"}, {AUTRE_SERVEUR, "", "PROGMAN"}}, SERVEUR, {"terminer autre_serveur"}},
      {{{AUTRE_SERVEUR, "", "SYSTEM"}}, nullptr, {"terminer autre_serveur", "terminer autre_serveur"}},
  };
  for (const Cas& c : cas) {
    FauxInstallation g;
    Installateur i;
    g.Demarrer(&i);
    g.reponses = c.reponses;
    InstallateurCommande(&i, &g.s, CMD_SETUP_INSTALLER);
    g.Derouler();
    EXPECT_EQ(i.hWndServer, c.serveur);
    EXPECT_EQ(g.Lignes("terminer"), c.terminaisons);
    EXPECT_EQ(g.Lignes("executer").size(), c.serveur ? 1u : 0u);
    Exit(&i, &g.s);
    EXPECT_TRUE(g.atomes.empty());
    EXPECT_EQ(g.fautes, Lignes{});
  }
}

TEST_F(ConversationTest, LeServeurQuiTermineEstSalueEtLInstallateurSeFerme) {
  f.reponses = {{SERVEUR, "", "PROGMAN"}};
  JusquAuGroupe();
  Accuser(1);
  ConversationTerminaison(&in, &f.s, AUTRE_SERVEUR);
  EXPECT_FALSE(in.fermee);
  f.journal.clear();
  ConversationTerminaison(&in, &f.s, SERVEUR);
  EXPECT_EQ(f.journal, (Lignes{"terminer serveur", "curseur fleche", SANS_SERVEUR, "courant C:\\Travail",
                               "curseur fleche", "supprimer police", "detruire fenetre"}));
}

TEST_F(ConversationTest, RienNArriveApresLaFin) {
  f.reponses = {{SERVEUR, "", "PROGMAN"}};
  JusquAuGroupe();
  for (int n = 1; n <= 5; n++) Accuser(n);
  ASSERT_TRUE(in.fermee);
  const size_t lignes = f.journal.size();
  ConversationDelai(&in, &f.s);
  ConversationTerminaison(&in, &f.s, SERVEUR);
  InstallateurCommande(&in, &f.s, CMD_SETUP_INSTALLER);
  InstallateurCommande(&in, &f.s, CMD_SETUP_QUITTER);
  EXPECT_EQ(f.journal.size(), lignes);
}

TEST(CommandeDde, DossierRacineSansBarreDoublee) {
  EXPECT_EQ(CommandeDde(2, "C:\\"),
            "[CreateGroup(Lorvanix 6.1)][AddItem(\"C:\\lorvanix.exe\",Lorvanix 6.1)]");
}

}  // namespace
