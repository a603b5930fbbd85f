#include "tampon_fichier.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faux_systeme.h"

namespace {

Poignee const FENETRE = (Poignee)0x100;

class TamponFichierTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  TamponFichier t{};
  std::vector<uint8_t> transfert = std::vector<uint8_t>(65534);

  void TearDown() override {
    TamponFichierLiberer(sys->memoire, &t);
    EXPECT_EQ(t.bloc, nullptr);
    EXPECT_EQ(faux.blocs_vivants, 0);
  }
  unsigned Charger(const std::string& chemin) {
    return TamponFichierCharger(sys->memoire, sys->fichiers, sys->fenetres, &t, chemin.c_str(),
                                transfert.data(), FENETRE);
  }
  std::string Donnees() const { return std::string((const char*)t.octets, t.longueur); }
  static std::string Contenu(size_t n) {
    std::string s(n, 0);
    for (size_t i = 0; i < n; i++) s[i] = (char)(i * 7 + i / 251);
    return s;
  }
};

TEST_F(TamponFichierTest, LeFichierEntierArriveParMorceauxAvecUnRedessinAvantChacun) {
  const struct {
    size_t taille;
    int morceaux;
  } cas[] = {
      {1, 1},
      {65533, 1},
      {65534, 2},  // whole, then an empty chunk ends the reading
      {65535, 2},
      {3 * 65534 + 5, 4},
  };
  for (const auto& c : cas) {
    std::string octets = Contenu(c.taille);
    faux.Ecrire("C:\\f.bin", octets);
    int avant = faux.redessins;
    ASSERT_EQ(Charger("C:\\f.bin"), 0u) << c.taille;
    EXPECT_EQ(Donnees(), octets) << c.taille;
    EXPECT_EQ(faux.redessins - avant, c.morceaux) << c.taille;
    EXPECT_TRUE(faux.messages.empty());
  }
}

TEST_F(TamponFichierTest, LeTamponGranditSeulementEtGardeSonBloc) {
  faux.Ecrire("C:\\moyen", Contenu(100));
  faux.Ecrire("C:\\petit", "xyz");
  faux.Ecrire("C:\\grand", Contenu(70000));
  ASSERT_EQ(Charger("C:\\moyen"), 0u);
  EXPECT_EQ(t.capacite, 110u);
  Poignee bloc = t.bloc;
  ASSERT_EQ(Charger("C:\\petit"), 0u);
  EXPECT_EQ(t.capacite, 110u);
  EXPECT_EQ(t.bloc, bloc);
  EXPECT_EQ(Donnees(), "xyz");
  ASSERT_EQ(Charger("C:\\grand"), 0u);
  EXPECT_EQ(t.capacite, 70010u);
  EXPECT_EQ(Donnees(), Contenu(70000));
  EXPECT_EQ(faux.blocs_vivants, 1);
}

TEST_F(TamponFichierTest, ChaqueEchecASonDrapeauEtNeLaissePasDeDonnees) {
  faux.Ecrire("C:\\vide", "");
  faux.Ecrire("C:\\un", "abc");
  faux.Ecrire("C:\\deux", Contenu(500));

  EXPECT_EQ(Charger("C:\\absent"), (unsigned)CHARGEMENT_NON_OUVERT);
  EXPECT_EQ(Charger("C:\\vide"), (unsigned)CHARGEMENT_VIDE);
  EXPECT_EQ(t.bloc, nullptr);  // nothing allocated for an empty file

  faux.echec_allocation_dans = 1;
  EXPECT_EQ(Charger("C:\\un"), (unsigned)CHARGEMENT_SANS_MEMOIRE);
  EXPECT_EQ(t.bloc, nullptr);

  ASSERT_EQ(Charger("C:\\un"), 0u);
  // A failed growth keeps the old block, but none of the old data.
  faux.echec_allocation_dans = 1;
  EXPECT_EQ(Charger("C:\\deux"), (unsigned)CHARGEMENT_SANS_MEMOIRE);
  EXPECT_NE(t.bloc, nullptr);
  EXPECT_EQ(t.capacite, 13u);
  EXPECT_EQ(t.longueur, 0u);
  EXPECT_EQ(Charger("C:\\vide"), (unsigned)CHARGEMENT_VIDE);
  EXPECT_EQ(t.longueur, 0u);
  ASSERT_EQ(Charger("C:\\deux"), 0u);
  EXPECT_EQ(Donnees(), Contenu(500));
  EXPECT_TRUE(faux.messages.empty());  // the importer decides what to show
}

TEST_F(TamponFichierTest, LesMessagesSuiventLOrdreDesDrapeaux) {
  TamponFichierSignaler(sys->fenetres, FENETRE,
                        CHARGEMENT_SANS_MEMOIRE | CHARGEMENT_VIDE | CHARGEMENT_NON_OUVERT);
  ASSERT_EQ(faux.messages.size(), 3u);
  EXPECT_EQ(faux.messages[0].texte, "Une erreur est survenue. Impossible d'ouvrir ce fichier.");
  EXPECT_EQ(faux.messages[1].texte, "Ce fichier est vide.");
  EXPECT_EQ(faux.messages[2].texte, "Impossible d'allouer la m\xE9moire n\xE9\x63\xE9ssaire");
  for (const MessageVu& m : faux.messages) {
    EXPECT_EQ(m.titre, "Lorvanix 6.1");
    EXPECT_EQ(m.style, (unsigned)(BOITE_OK | ICONE_ERREUR));
    EXPECT_EQ(m.proprietaire, FENETRE);
  }
  faux.messages.clear();
  TamponFichierSignaler(sys->fenetres, FENETRE, CHARGEMENT_VIDE);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Ce fichier est vide."});
  TamponFichierSignaler(sys->fenetres, FENETRE, 0);
  EXPECT_EQ(faux.messages.size(), 1u);
}

TEST_F(TamponFichierTest, LeTamponDeLaBibliothequeNExisteQuApresUnChargement) {
  EXPECT_EQ(hugeTampon.bloc, nullptr);
  EXPECT_EQ(hugeTampon.capacite, 0u);
  // Releasing a buffer that was never allocated does nothing.
  TamponFichierLiberer(sys->memoire, &hugeTampon);
  faux.Ecrire("C:\\a", "a");
  ASSERT_EQ(TamponFichierCharger(sys->memoire, sys->fichiers, sys->fenetres, &hugeTampon, "C:\\a",
                                 transfert.data(), FENETRE),
            0u);
  EXPECT_EQ(faux.blocs_vivants, 1);
  TamponFichierLiberer(sys->memoire, &hugeTampon);
  EXPECT_EQ(hugeTampon.bloc, nullptr);
}

}  // namespace
