// A fixture for the commands of the import library: the fake platform, a
// store holding one empty card, the command's arguments, and the user of
// the import dialogs.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "commande_import.h"
#include "dialogue_import.h"
#include "faux_systeme.h"
#include "outils_fiches.h"

class EssaiImport : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeImport* sys = &faux.import;
  std::vector<uint8_t> transfert = std::vector<uint8_t>(65534);
  char chemin[300] = "";
  CommandeImport c{};

  Poignee const FENETRE = (Poignee)0x100;
  Poignee const FLECHE = (Poignee)0x101;
  Poignee const ATTENTE = (Poignee)0x102;

  void SetUp() override;
  void TearDown() override;

  // Replaces the store by these cards, the card on screen being numero,
  // with marge spare bytes (0: the next card makes it grow). A store that
  // failed to grow keeps naming its old block, which this frees too.
  void Remplir(const std::vector<Textes>& fiches, int32_t numero = 1, uint32_t marge = 1000);
  std::vector<Textes> Fiches() const;
  std::vector<std::string> Urls() const;

  // A user who types textes into the dialog's edits, then presses ids in
  // turn; the dialog's answer is 1 when a press closed it with OK.
  static std::function<int(DialogueImport*)> Utilisateur(std::vector<unsigned> ids,
                                                         std::vector<std::string> textes = {});
  // The options dialog confirmed as it opens.
  void AccepterOptions(ModeleImport modele);
  // A folder chosen in the folder chooser.
  void ChoisirDossier(const std::string& dossier_windows);
};
