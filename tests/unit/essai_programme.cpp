#include "essai_programme.h"

#include "configuration.h"

void EssaiProgramme::SetUp() {
  InstallerFauxSysteme(&faux);
  journal_bibliotheques = JournalBibliotheques{};
  vue.fenetre = (Poignee)1;
  vue.numero = (Poignee)2;
  vue.total = (Poignee)3;
  vue.marquage = (Poignee)4;
  for (int i = 0; i < 5; i++) vue.champs[i] = (Poignee)(uintptr_t)(10 + i);
  vue.couper = (Poignee)20;
  vue.copier = (Poignee)21;
  vue.coller = (Poignee)22;
  vue.avancer = (Poignee)23;
  vue.reculer = (Poignee)24;
  faux.chemin_module = "C:\\Lorvanix\\lorvanix.exe";
  faux.Ecrire(faux.chemin_module, "MZ");
  std::string entete(CONFIGURATION_NAVIGATEUR.entete, CONFIGURATION_NAVIGATEUR.taille_entete);
  std::string chemin = "C:\\Navigateur\\web.exe";
  chemin.resize(256, '\0');
  faux.Ecrire("C:\\Lorvanix\\NAVIGDEF.CFG", entete + chemin);
  ASSERT_EQ(ProgrammeInitialiser(&p, &faux.programme, vue, (Poignee)0x50, (Poignee)0x51, nullptr),
            1);
}

void EssaiProgramme::TearDown() {
  ProgrammeLiberer(&p);
  EXPECT_EQ(faux.blocs_vivants, 0);
}

void EssaiProgramme::Taper(int champ, const std::string& texte) {
  faux.controles[vue.champs[champ]].texte = texte;
  faux.controles[vue.champs[champ]].modifie = 1;
}

void EssaiProgramme::AttendreMessage(const std::string& texte, unsigned style) {
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, texte);
  EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
  EXPECT_EQ(faux.messages[0].style, style);
  faux.messages.clear();
}
