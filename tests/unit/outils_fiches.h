// Building cards and data files for the tests.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "faux_systeme.h"
#include "magasin.h"

using Textes = std::array<std::string, 5>;

// Bytes of one card.
std::string OctetsFiche(const Textes& t, uint16_t marque = 0);
// A whole data file: header with this magic, the cards, the count.
std::string OctetsFichier(const std::string& cartes, uint32_t total,
                          const std::string& magie = "LorVanix version1 Fichier CARTES");
// A store on the fake platform holding these cards (card 1 on screen).
void RemplirMagasin(Magasin* m, const Memoire* memoire, const std::vector<Textes>& fiches,
                    uint32_t marge = 1000);
// Texts of the card at p.
Textes TextesFiche(const uint8_t* p);

// A store on the fake system, released after each case: no block may
// outlive it.
class EssaiMagasin : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  Magasin m{};

  void TearDown() override {
    MagasinLiberer(&m, sys->memoire);
    EXPECT_EQ(faux.blocs_vivants, 0) << "every block is freed";
  }
};
