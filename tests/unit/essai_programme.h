// A main program on the fake platform, installed in C:\Lorvanix with its
// browser file, its card view made of numbered fake windows.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "faux_bibliotheques.h"
#include "faux_systeme.h"
#include "programme.h"

class EssaiProgramme : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  Programme p{};
  VueFiche vue{};

  void SetUp() override;
  void TearDown() override;

  std::string Texte(Poignee h) { return faux.controles[h].texte; }
  std::string Titre() { return Texte(vue.fenetre); }
  std::string Nom() { return Texte(vue.champs[CHAMP_NOM]); }
  std::string Compteurs() { return Texte(vue.numero) + "/" + Texte(vue.total); }
  // Text typed into a field: the edit then says it was modified.
  void Taper(int champ, const std::string& texte);
  // The one message shown since the last call, checked and forgotten.
  void AttendreMessage(const std::string& texte, unsigned style);
};
