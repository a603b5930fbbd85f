// The installation's steps: the folder and its parents, the 24 copies, a
// failing copy, the installer's own folder, the keys and commands before
// and after the start, the end.
#include "installation.h"

#include <gtest/gtest.h>

#include "faux_installation.h"
#include "lvxsetup_ids.h"

namespace {

TEST(Installation, DemarrageMontreLeDossierEtRetientLesDossiers) {
  FauxInstallation f;
  EXPECT_EQ(f.journal, Lignes{"zone Lorvanix 6.1 va \xEAtre install\xE9 dans le dossier : c:\\lorvanix"});
  EXPECT_STREQ(f.in.MemoCurrentDir, "C:\\Travail");
  EXPECT_STREQ(f.in.RepertoireSetup, "A:\\SETUP");
}

// Every part of a folder that cannot be made current is created, left to
// right, whatever exists already; the installer's folder is then current.
TEST(Installation, DossierEtSesParentsDeGaucheADroite) {
  const struct {
    const char* dossier;
    const char* existant;
    Lignes creations;
  } cas[] = {
      {"c:\\Prog\\Lvx",
       nullptr,
       {"courant c:\\Prog\\Lvx (absent)", "creer c:", "creer c:\\Prog", "creer c:\\Prog\\Lvx"}},
      {"c:\\Prog\\Lvx",
       "C:\\PROG",
       {"courant c:\\Prog\\Lvx (absent)", "creer c:", "creer c:\\Prog", "creer c:\\Prog\\Lvx"}},
      {"C:\\PROG\\LVX", "C:\\PROG\\LVX", {"courant C:\\PROG\\LVX"}},
  };
  for (const auto& c : cas) {
    FauxInstallation f;
    if (c.existant) f.dossiers.insert(c.existant);
    f.Installer(c.dossier);
    EXPECT_EQ(Lignes(f.journal.begin(), f.journal.begin() + 5 + c.creations.size() + 1),
              Plus(Plus({"curseur sablier", "bouton modifier 0", "bouton installer 0", "bouton quitter 0",
                         std::string("zone  Cr\351ation du dossier ") + c.dossier},
                        c.creations),
                   {"courant A:\\SETUP"}))
        << c.dossier;
    EXPECT_TRUE(f.dossiers.count("C:\\PROG\\LVX")) << c.dossier;
  }
}

TEST(Installation, VingtQuatreCopiesDansLOrdreAvecLeurEtat) {
  const char* const noms[] = {"lorvanix.exe", "lorvanix.hlp", "exemple.lvx",  "bwcc32.dll",   "licence.txt",
                              "lvxhook.dll",  "navigdef.cfg", "lvxaffic.dll", "lvxcalc.dll",  "lvxfiles.dll",
                              "lvxgest.dll",  "lvxinfo.dll",  "lvxliens.dll", "lvxnavig.dll", "lvxoudef.dll",
                              "lvxprap.dll",  "lvxprint.dll", "lvxrech.dll",  "lvxrecup.dll", "lvxtri.dll",
                              "lvxspec.dll",  "bookdef.cfg",  "courdef.cfg",  "lisezmoi.txt"};
  FauxInstallation f;
  f.Installer("D:\\Lvx");
  Lignes attendu;
  for (const char* nom : noms)
    attendu = Plus(attendu, {std::string("zone  Copie de ") + nom + " vers D:\\Lvx",
                             std::string("copier ") + nom + " -> D:\\Lvx\\" + nom});
  attendu.push_back("initier 0 PROGMAN");
  Lignes vu = f.Depuis("zone  Copie");
  vu.resize(attendu.size());
  EXPECT_EQ(vu, attendu);
  EXPECT_EQ(f.in.etape, ETAPE_GROUPE);

  FauxInstallation racine;
  racine.Installer("D:\\");
  EXPECT_EQ(racine.Commencant("copier lorvanix.exe"), Lignes{"copier lorvanix.exe -> D:\\lorvanix.exe"});
}

// The first failing copy: its box, then the installer closes and leaves the
// files copied before it.
TEST(Installation, CopieRateeFermeLInstallateur) {
  for (const char* absent : {"lorvanix.exe", "lvxgest.dll", "lisezmoi.txt"}) {
    FauxInstallation f;
    f.absentes.insert(absent);
    f.Installer();
    const std::string copie = std::string("copier ") + absent + " -> c:\\lorvanix\\" + absent;
    EXPECT_EQ(f.Commencant("copier").back(), copie);
    EXPECT_EQ(
        f.Depuis(copie),
        Plus({copie, "message fenetre Lorvanix 6.1 installation 0 Erreur d'installation.", "curseur fleche"},
             FERMETURE));
    EXPECT_EQ(f.in.etape, 0);
    EXPECT_EQ(f.etapes, 0);
  }
}

// Installing into the installer's own folder would copy each file onto
// itself: refused before anything starts, in any letter case.
TEST(Installation, LeDossierDuProgrammeEstRefuseAuDepart) {
  for (const char* dossier : {"A:\\SETUP", "a:\\setup", "a:\\Setup\\"}) {
    FauxInstallation f;
    f.Installer(dossier);
    EXPECT_EQ(f.journal,
              Lignes{"message fenetre Lorvanix 6.1 installation 48 Le dossier de destination  doit "
                     "\xEAtre diff\xE9rent de celui du programme d'installation."});
    EXPECT_EQ(f.in.etape, 0);
  }
}

// Before the start "&Quitter", Escape and "q" close, Enter and "i" start.
// Once started every one of them is ignored, "&Modifier" too.
TEST(Installation, CommandesEtTouchesAvantEtPendant) {
  const struct {
    int commande;  // 0: the key
    int touche;
    const char* avant;  // the first line written before the start
  } cas[] = {
      {CMD_SETUP_QUITTER, 0, "courant C:\\Travail"},
      {COMMANDE_ECHAP, 0, "courant C:\\Travail"},
      {0, 'q', "courant C:\\Travail"},
      {0, 'Q', "courant C:\\Travail"},
      {0, '\r', "curseur sablier"},
      {0, 'i', "curseur sablier"},
      {0, 'I', "curseur sablier"},
      {CMD_SETUP_MODIFIER, 0, "dialogue"},
  };
  for (const auto& c : cas) {
    FauxInstallation avant, pendant;
    pendant.Installer();
    for (FauxInstallation* f : {&avant, &pendant}) {
      f->journal.clear();
      const int etape = f->in.etape;
      if (c.commande)
        InstallateurCommande(&f->in, &f->s, c.commande);
      else
        InstallateurTouche(&f->in, &f->s, c.touche);
      if (f == &avant) {
        EXPECT_EQ(f->journal.at(0), c.avant) << c.commande << " " << c.touche;
      } else {
        EXPECT_EQ(f->journal, Lignes{}) << c.commande << " " << c.touche;
        EXPECT_EQ(f->in.etape, etape);
        EXPECT_EQ(f->etapes, 0);
      }
    }
  }
}

TEST(Installation, FermerLaFenetreFermeUneFois) {
  FauxInstallation f;
  f.Installer();
  f.journal.clear();
  Exit(&f.in, &f.s);
  Exit(&f.in, &f.s);
  EXPECT_EQ(f.journal, FERMETURE);
  EXPECT_TRUE(f.atomes.empty());
  EXPECT_EQ(f.minuteur, 0);
  EXPECT_EQ(f.fautes, Lignes{});
}

}  // namespace
