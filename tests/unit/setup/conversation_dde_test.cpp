// The program group: who answers the initiate, the five commands and their
// status lines, acknowledges told apart by topic and by block, and every
// way the server can fail to answer. Once closed, every block and atom is
// given back, the server's too, and no timer runs.
#include "conversation_dde.h"

#include <gtest/gtest.h>

#include "faux_installation.h"
#include "installation.h"
#include "lvxsetup_ids.h"

namespace {

const char SANS_SERVEUR[] =
    "message fenetre Lorvanix 6.1 installation 48 Le gestionnaire de programmes ne r\xE9pond pas : le groupe "
    "Lorvanix 6.1 n'a pas \xE9t\xE9 cr\xE9\xE9.";

// A serveur that answers only to its name, as Wine's.
const FauxInstallation::Reponse PROGMAN = {SERVEUR, "PROGMAN", "PROGMAN"};
const FauxInstallation::Reponse TOUTES = {SERVEUR, "", "PROGMAN"};

void VerifierRendu(const FauxInstallation& f) {
  EXPECT_TRUE(f.in.fermee);
  EXPECT_TRUE(f.blocs.empty());
  EXPECT_TRUE(f.atomes.empty());
  EXPECT_EQ(f.minuteur, 0);
  EXPECT_EQ(f.fautes, Lignes{});
}

TEST(Conversation, CinqCommandesChacuneApresLAccuseDeLaPrecedente) {
  const Lignes commandes[] = {
      {"zone  Cr\351ation du groupe de programmes Lorvanix 6.1",
       "executer serveur [CreateGroup(Lorvanix 6.1)]"},
      {"zone  Cr\351ation de l'ic\364ne Lorvanix 6.1",
       "executer serveur [CreateGroup(Lorvanix 6.1)][AddItem(\"D:\\Mes programmes\\lorvanix.exe\",Lorvanix "
       "6.1)]"},
      {"zone  Cr\351ation de l'ic\364ne Aide de Lorvanix 6.1",
       "executer serveur [CreateGroup(Lorvanix 6.1)][AddItem(\"D:\\Mes programmes\\lorvanix.hlp\",Aide de "
       "Lorvanix "
       "6.1)]"},
      {"zone  Cr\351ation de l'ic\364ne Licence Lorvanix 6.1",
       "executer serveur [CreateGroup(Lorvanix 6.1)][AddItem(\"D:\\Mes programmes\\licence.txt\",Licence "
       "Lorvanix "
       "6.1)]"},
      {"zone  Restauration du groupe Lorvanix 6.1", "executer serveur [Reload(Lorvanix 6.1)]"},
  };
  FauxInstallation f;
  f.reponses = {PROGMAN};
  f.Installer("D:\\Mes programmes");
  Lignes attendu = {"initier 0 PROGMAN", "initier PROGMAN PROGMAN"};
  for (int n = 1; n <= 5; n++) {
    attendu = Plus(attendu, commandes[n - 1]);
    EXPECT_EQ(f.Depuis("initier"), attendu) << "commande " << n;
    EXPECT_EQ(f.minuteur, (int)DELAI_SERVEUR_MS) << "commande " << n;
    f.Accuser(n);
  }
  EXPECT_EQ(f.Depuis("initier"),
            Plus(Plus(attendu, {"curseur fleche", "zone  Installation de Lorvanix 6.1 termin\351e.",
                                "message fenetre Lorvanix 6.1 installation 48 Installation de Lorvanix 6.1 "
                                "termin\351e.",
                                "terminer serveur"}),
                 FERMETURE));
  VerifierRendu(f);
  // Nothing comes after the end.
  const size_t lignes = f.journal.size();
  ConversationDelai(&f.in, &f.s);
  ConversationTerminaison(&f.in, &f.s, SERVEUR);
  InstallateurCommande(&f.in, &f.s, CMD_SETUP_INSTALLER);
  EXPECT_EQ(f.journal.size(), lignes);
  EXPECT_EQ(CommandeDde(2, "C:\\"),
            "[CreateGroup(Lorvanix 6.1)][AddItem(\"C:\\lorvanix.exe\",Lorvanix 6.1)]");
}

// Who answers the initiate, and to what: a server that answers "any
// application" is asked once, one that answers to its name only twice;
// another topic's answer is let go, so is a second server of ours.
TEST(Conversation, ReponsesALInitiation) {
  const struct {
    std::vector<FauxInstallation::Reponse> reponses;
    Lignes initiations;
    Lignes terminaisons;
    bool serveur;
  } cas[] = {
      {{TOUTES}, {"initier 0 PROGMAN"}, {}, true},
      {{PROGMAN}, {"initier 0 PROGMAN", "initier PROGMAN PROGMAN"}, {}, true},
      {{{AUTRE_SERVEUR, "", "SYSTEM"}, TOUTES}, {"initier 0 PROGMAN"}, {"terminer autre_serveur"}, true},
      {{TOUTES, {AUTRE_SERVEUR, "", "PROGMAN"}}, {"initier 0 PROGMAN"}, {"terminer autre_serveur"}, true},
      {{{AUTRE_SERVEUR, "", "SYSTEM"}},
       {"initier 0 PROGMAN", "initier PROGMAN PROGMAN"},
       {"terminer autre_serveur", "terminer autre_serveur"},
       false},
  };
  for (const auto& c : cas) {
    FauxInstallation f;
    f.reponses = c.reponses;
    f.Installer();
    EXPECT_EQ(f.Commencant("initier"), c.initiations);
    EXPECT_EQ(f.Commencant("terminer"), c.terminaisons);
    EXPECT_EQ(f.in.hWndServer, c.serveur ? SERVEUR : nullptr);
    EXPECT_EQ(f.Commencant("executer").size(), c.serveur ? 1u : 0u);
    Exit(&f.in, &f.s);
    VerifierRendu(f);
  }
}

// Only the acknowledge of the awaited command's block moves on: not an
// older block's, not another window's.
TEST(Conversation, AccusesReconnusParLeurBloc) {
  FauxInstallation f;
  f.reponses = {TOUTES};
  f.Installer();
  f.Accuser(1);
  f.Accuser(1);
  f.Accuser(2, AUTRE_SERVEUR);
  EXPECT_EQ(f.Commencant("executer").size(), 2u);
  f.Accuser(2);
  EXPECT_EQ(f.Commencant("executer").size(), 3u);
}

// No answer to the initiate, a server silent after command n, a server
// that ends the conversation: the box says the group was not made, the
// files stay, the installer closes.
TEST(Conversation, ServeurMuetOuPartiFermeLInstallateur) {
  for (int muette = 0; muette <= 5; muette++) {
    for (bool terminaison : {false, true}) {
      if (muette == 0 && terminaison) continue;
      FauxInstallation f;
      if (muette) f.reponses = {TOUTES};
      f.Installer();
      for (int n = 1; n < muette; n++) f.Accuser(n);
      EXPECT_EQ(f.minuteur, (int)DELAI_SERVEUR_MS);
      EXPECT_FALSE(f.in.fermee);
      f.journal.clear();
      Lignes attendu = {"curseur fleche", SANS_SERVEUR};
      if (terminaison) {
        ConversationTerminaison(&f.in, &f.s, AUTRE_SERVEUR);
        ConversationTerminaison(&f.in, &f.s, SERVEUR);
        attendu.insert(attendu.begin(), "terminer serveur");
      } else {
        ConversationDelai(&f.in, &f.s);
        if (muette) attendu.push_back("terminer serveur");
      }
      EXPECT_EQ(f.journal, Plus(attendu, FERMETURE)) << muette << terminaison;
      VerifierRendu(f);
    }
  }
}

}  // namespace
