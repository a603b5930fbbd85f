// The installation's steps over the scripted system: the folder, the 24
// copies, a failing copy, the keys and commands before and after the
// start, and the end.
#include "installation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "faux_installation.h"
#include "lvxsetup_ids.h"

namespace {

using Lignes = std::vector<std::string>;

const char TEXTE_DOSSIER[] = "zone zone Lorvanix 6.1 va \xEAtre install\xE9 dans le dossier : ";

class InstallationTest : public ::testing::Test {
 protected:
  FauxInstallation f;
  Installateur in;

  void SetUp() override { f.Demarrer(&in); }
  void TearDown() override { EXPECT_EQ(f.fautes, Lignes{}); }

  // From "&Installer" to the step that waits for the program manager.
  void Installer(const char* dossier) {
    if (dossier) CopierDossier(dossier);
    f.journal.clear();
    InstallateurCommande(&in, &f.s, CMD_SETUP_INSTALLER);
    f.Derouler();
  }
  void CopierDossier(const char* dossier) { snprintf(in.repertoire, sizeof in.repertoire, "%s", dossier); }
  // The journal's lines from the first that begins with `debut`.
  Lignes Depuis(const std::string& debut) const {
    Lignes l;
    for (const std::string& ligne : f.journal)
      if (!l.empty() || ligne.compare(0, debut.size(), debut) == 0) l.push_back(ligne);
    return l;
  }
};

TEST_F(InstallationTest, DemarrageMontreLeDossierParDefautEtRetientLesDossiers) {
  EXPECT_EQ(f.journal, Lignes{std::string(TEXTE_DOSSIER) + "c:\\lorvanix"});
  EXPECT_STREQ(in.MemoCurrentDir, "C:\\Travail");
  EXPECT_STREQ(in.RepertoireSetup, "A:\\SETUP");
  EXPECT_EQ(in.etape, 0);
}

// Parents are made left to right, whatever already exists; a folder that
// can be made current is left alone.
TEST_F(InstallationTest, DossierEtSesParentsDeGaucheADroite) {
  struct Cas {
    const char* dossier;
    std::vector<std::string> existants;
    Lignes creations;
  } const cas[] = {
      {"c:\\Prog\\Lorvanix", {}, {"creer c:", "creer c:\\Prog", "creer c:\\Prog\\Lorvanix"}},
      {"c:\\Prog\\Lorvanix", {"C:\\PROG"}, {"creer c:", "creer c:\\Prog", "creer c:\\Prog\\Lorvanix"}},
      {"C:\\PROG\\LORVANIX", {"C:\\PROG", "C:\\PROG\\LORVANIX"}, {}},
      {"c:\\lorvanix", {}, {"creer c:", "creer c:\\lorvanix"}},
  };
  for (const Cas& c : cas) {
    FauxInstallation g;
    Installateur i;
    g.Demarrer(&i);
    for (const std::string& d : c.existants) g.dossiers.insert(d);
    snprintf(i.repertoire, sizeof i.repertoire, "%s", c.dossier);
    g.journal.clear();
    InstallateurCommande(&i, &g.s, CMD_SETUP_INSTALLER);
    EXPECT_EQ(g.journal,
              (Lignes{"curseur sablier", "bouton modifier 0", "bouton installer 0", "bouton quitter 0",
                      std::string("zone zone  Cr\351ation du dossier ") + c.dossier}))
        << c.dossier;
    g.journal.clear();
    g.Derouler();
    Lignes attendu = {std::string("courant ") + c.dossier + (c.creations.empty() ? "" : " (absent)")};
    attendu.insert(attendu.end(), c.creations.begin(), c.creations.end());
    attendu.push_back("courant A:\\SETUP");
    EXPECT_EQ(Lignes(g.journal.begin(), g.journal.begin() + attendu.size()), attendu) << c.dossier;
    std::string capitales = c.dossier;
    for (char& x : capitales) x = (char)toupper((unsigned char)x);
    EXPECT_EQ(g.dossiers.count(capitales), 1u) << c.dossier;
  }
}

TEST_F(InstallationTest, VingtQuatreCopiesDansLOrdreAvecLeurEtat) {
  const char* const noms[] = {"lorvanix.exe", "lorvanix.hlp", "exemple.lvx",  "bwcc32.dll",   "licence.txt",
                              "lvxhook.dll",  "navigdef.cfg", "lvxaffic.dll", "lvxcalc.dll",  "lvxfiles.dll",
                              "lvxgest.dll",  "lvxinfo.dll",  "lvxliens.dll", "lvxnavig.dll", "lvxoudef.dll",
                              "lvxprap.dll",  "lvxprint.dll", "lvxrech.dll",  "lvxrecup.dll", "lvxtri.dll",
                              "lvxspec.dll",  "bookdef.cfg",  "courdef.cfg",  "lisezmoi.txt"};
  Installer("D:\\Lvx");
  Lignes attendu;
  for (const char* nom : noms) {
    attendu.push_back(std::string("zone zone  Copie de ") + nom + " vers D:\\Lvx");
    attendu.push_back(std::string("copier ") + nom + " -> D:\\Lvx\\" + nom);
  }
  attendu.push_back("initier 0 PROGMAN");
  Lignes vu = Depuis("zone zone  Copie");
  vu.resize(std::min(vu.size(), attendu.size()));
  EXPECT_EQ(vu, attendu);
  EXPECT_EQ(in.etape, ETAPE_GROUPE);
  EXPECT_FALSE(in.fermee);
}

TEST_F(InstallationTest, UnDossierRacineNeDoublePasLaBarre) {
  f.dossiers.insert("D:");
  Installer("D:\\");
  EXPECT_EQ(f.Lignes("copier lorvanix.exe"), Lignes{"copier lorvanix.exe -> D:\\lorvanix.exe"});
}

// The first failing copy: its box, then the installer closes and leaves
// the files copied before it.
TEST_F(InstallationTest, CopieRateeFermeLInstallateur) {
  for (const char* absent : {"lorvanix.exe", "lvxgest.dll", "lisezmoi.txt"}) {
    FauxInstallation g;
    Installateur i;
    g.Demarrer(&i);
    g.sources_absentes.insert(absent);
    g.journal.clear();
    InstallateurCommande(&i, &g.s, CMD_SETUP_INSTALLER);
    g.Derouler();
    const std::string copie = std::string("copier ") + absent + " -> c:\\lorvanix\\" + absent;
    EXPECT_EQ(g.Lignes("copier").back(), copie) << absent;
    Lignes fin;
    bool apres = false;
    for (const std::string& l : g.journal) {
      if (apres) fin.push_back(l);
      apres = apres || l == copie;
    }
    EXPECT_EQ(fin,
              (Lignes{"message fenetre Lorvanix 6.1 installation 0 Erreur d'installation.", "curseur fleche",
                      "courant C:\\Travail", "curseur fleche", "supprimer police", "detruire fenetre"}))
        << absent;
    EXPECT_EQ(i.etape, 0);
    EXPECT_TRUE(i.fermee);
    EXPECT_EQ(g.etapes_postees, 0);
  }
}

// Installing into the installer's own folder would copy each file onto
// itself: refused before anything starts.
TEST_F(InstallationTest, LeDossierDuProgrammeEstRefuseAuDepart) {
  for (const char* dossier : {"A:\\SETUP", "a:\\setup", "a:\\Setup\\"}) {
    Installer(dossier);
    EXPECT_EQ(f.journal,
              (Lignes{"message fenetre Lorvanix 6.1 installation 48 Le dossier de destination  doit "
                      "\xEAtre diff\xE9rent de celui du programme d'installation."}))
        << dossier;
    EXPECT_EQ(in.etape, 0);
  }
}

// Before the start: "&Quitter", Escape and "q" close, Enter and "i" start.
// Once started, every one of them is ignored, "&Modifier" too.
TEST_F(InstallationTest, CommandesEtTouchesAvantEtPendant) {
  struct Cas {
    const char* quoi;
    int commande;  // 0: the key
    int touche;
    const char* avant;  // the first line written before the start
  } const cas[] = {
      {"Quitter", CMD_SETUP_QUITTER, 0, "courant C:\\Travail"},
      {"Echap", COMMANDE_ECHAP, 0, "courant C:\\Travail"},
      {"q", 0, 'q', "courant C:\\Travail"},
      {"Q", 0, 'Q', "courant C:\\Travail"},
      {"Entree", 0, '\r', "curseur sablier"},
      {"i", 0, 'i', "curseur sablier"},
      {"I", 0, 'I', "curseur sablier"},
      {"Modifier", CMD_SETUP_MODIFIER, 0, "dialogue"},
  };
  auto Agir = [](FauxInstallation& g, Installateur& i, const Cas& c) {
    if (c.commande)
      InstallateurCommande(&i, &g.s, c.commande);
    else
      InstallateurTouche(&i, &g.s, c.touche);
  };
  for (const Cas& c : cas) {
    FauxInstallation g;
    Installateur i;
    g.Demarrer(&i);
    g.journal.clear();
    Agir(g, i, c);
    ASSERT_FALSE(g.journal.empty()) << c.quoi;
    EXPECT_EQ(g.journal[0], c.avant) << c.quoi;

    FauxInstallation h;
    Installateur j;
    h.Demarrer(&j);
    InstallateurCommande(&j, &h.s, CMD_SETUP_INSTALLER);
    for (int pas = 0; pas < 5; pas++) {
      h.etapes_postees--;
      InstallateurCommande(&j, &h.s, CMD_SETUP_INSTALLER);
    }
    h.journal.clear();
    Agir(h, j, c);
    EXPECT_EQ(h.journal, Lignes{}) << c.quoi << " pendant l'installation";
    EXPECT_EQ(j.etape, 6) << c.quoi;
    EXPECT_EQ(h.etapes_postees, 1) << c.quoi;
  }
}

TEST_F(InstallationTest, FermerLaFenetreTermineToujours) {
  Installer(nullptr);
  f.journal.clear();
  Exit(&in, &f.s);
  Exit(&in, &f.s);
  EXPECT_EQ(f.journal,
            (Lignes{"courant C:\\Travail", "curseur fleche", "supprimer police", "detruire fenetre"}));
  EXPECT_TRUE(f.atomes.empty());
  EXPECT_EQ(f.minuteur, 0);
}

}  // namespace
