// "&Modifier": the panel of the folder dialog, the refusal of the
// installer's own folder, cancel and failure.
#include "choix_dossier.h"

#include <gtest/gtest.h>

#include "faux_installation.h"
#include "lvxsetup_ids.h"

namespace {

const char REFUS[] =
    "message dialogue Lorvanix 6.1 installation 48 Le dossier de destination  doit \xEAtre diff\xE9rent de "
    "celui du "
    "programme d'installation.";

// The dialog shows each folder in turn and its OK is pressed on each, until
// one closes it; otherwise "&Annuler". The answers of OK, in order.
std::vector<int> Choisir(FauxInstallation& f, const Lignes& dossiers) {
  std::vector<int> reponses;
  f.dialogue = [&](Installateur* in, const SystemeInstallation* s) {
    for (const std::string& d : dossiers) {
      ChoixDossierChange(in, d.c_str());
      reponses.push_back(ChoixDossierOK(in, s, DIALOGUE));
      if (reponses.back()) return;
    }
    ChoixDossierAnnuler(in);
  };
  f.journal.clear();
  InstallateurCommande(&f.in, &f.s, CMD_SETUP_MODIFIER);
  return reponses;
}

// The installer's own folder, in any letter case, with or without its final
// backslash, is refused and the dialog stays; an empty view gives nothing.
TEST(ChoixDossier, LeDossierMontreALOKDevientLeDossier) {
  const struct {
    Lignes dossiers;
    std::vector<int> reponses;
    Lignes journal;
    const char* repertoire;
  } cas[] = {
      {{"D:\\Mes programmes"},
       {1},
       {"dialogue", "zone Lorvanix 6.1 va \xEAtre install\xE9 dans le dossier : D:\\Mes programmes"},
       "D:\\Mes programmes"},
      {{"a:\\setup", "A:\\Setup\\", "A:\\SETUP\\sous"},
       {0, 0, 1},
       {"dialogue", REFUS, REFUS,
        "zone Lorvanix 6.1 va \xEAtre install\xE9 dans le dossier : A:\\SETUP\\sous"},
       "A:\\SETUP\\sous"},
      {{"A:\\SETUP"}, {0}, {"dialogue", REFUS}, "c:\\lorvanix"},
      {{""}, {0}, {"dialogue"}, "c:\\lorvanix"},
  };
  for (const auto& c : cas) {
    FauxInstallation f;
    EXPECT_EQ(Choisir(f, c.dossiers), c.reponses);
    EXPECT_EQ(f.journal, c.journal);
    EXPECT_STREQ(f.in.repertoire, c.repertoire);
  }
}

TEST(ChoixDossier, UnDialogueEnEchecLeDit) {
  FauxInstallation f;
  f.erreur_dialogue = 12291;
  Choisir(f, {});
  EXPECT_EQ(f.journal, (Lignes{"dialogue", "message fenetre WARNING 16 Erreur #12291"}));
  EXPECT_STREQ(f.in.repertoire, "c:\\lorvanix");
}

}  // namespace
