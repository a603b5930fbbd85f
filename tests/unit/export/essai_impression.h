// A fixture for lvxprint and lvxprap: the fake system with its page device
// and progress box, a print setup record whose device names name "PDF",
// cards, and the golden files of the drawing calls.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faux_systeme.h"
#include "impression.h"
#include "outils_fiches.h"

struct Carte {
  Textes textes;
  uint16_t marque = 0;
};

class EssaiImpression : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  EnregistrementImpression impression{};
  std::string cartes;
  Poignee const FENETRE = (Poignee)0x100, FOCUS = (Poignee)0x101, DC = (Poignee)0xDC,
                POLICE = (Poignee)0x31, POLICE_TITRE = (Poignee)0x32, STYLO = (Poignee)0x33;

  void SetUp() override;
  void TearDown() override;
  void Remplir(const std::vector<Carte>& fiches);
  uint8_t* Debut() { return (uint8_t*)cartes.data(); }
  uint8_t* Fin() { return Debut() + cartes.size(); }
  // The page device's lines, one per line.
  std::string Journal() const;
  // Journal() against golden/nom; LVX_GOLDEN_REECRIRE=1 writes it instead.
  void Golden(const std::string& nom) const;
  // Whether the spooler was asked for a document.
  bool Documente() const;
  // The window enabled and the box gone at the end.
  void VerifierFin() const;
};
