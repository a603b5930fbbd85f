#include "ajouter_fiches.h"

#include <gtest/gtest.h>

#include "essai_spec.h"

namespace {

using AjouterTest = EssaiSpec;

const char CIBLE[] = "C:\\cibles\\cible.lvx";

// A file that is no data file, or a write that fails part-way: the target
// keeps every byte it had.
TEST_F(AjouterTest, UnFichierRefuseOuUneEcritureManqueeLaissentLaCibleIntacte) {
  const std::string dix = OctetsFichier(OctetsFiches({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}), 10);
  const uint64_t B = OctetsFiches({1, 2, 3}).size() + 44;
  struct Cas {
    std::string fichier;
    uint64_t libre;     // B: no room for a copy beside, in place
    int64_t echec;      // bytes written before one write fails; -1 none
    const char* message;
  };
  const Cas CAS[] = {
      {"", UINT64_C(1) << 40, -1, "Ce fichier est vide."},
      {OctetsFichier(OctetsFiches({1}), 1, "LorVanix version2 Fichier CARTES"), UINT64_C(1) << 40,
       -1, "Erreur de format."},
      {std::string(MAGIE_SPEC) + std::string(3, '\0'), UINT64_C(1) << 40, -1, "Erreur de format."},
      {dix, UINT64_C(1) << 40, 0, "Ecriture sur le disque impossible."},
      {dix, UINT64_C(1) << 40, (int64_t)dix.size() + 10, "Ecriture sur le disque impossible."},
      {dix, B, 0, "Ecriture sur le disque impossible."},
      {dix, B, 10, "Ecriture sur le disque impossible."},
  };
  Remplir(3);
  for (const Cas& c : CAS) {
    SCOPED_TRACE(testing::Message() << c.message << " " << c.libre << " " << c.echec);
    faux.messages.clear();
    faux.Ecrire(CIBLE, c.fichier);
    faux.espace_libre = c.libre;
    fichiers = faux.fichiers;
    if (c.echec >= 0) EchecUnique::Armer(&fichiers, &faux.fichiers, c.echec);
    Choisir(CHOIX_AJOUT_TOUTES);
    faux.choix_fichiers = {CIBLE};
    Exporter();
    EXPECT_EQ(faux.Lire(CIBLE), c.fichier);
    EXPECT_EQ(Contenu("C:\\cibles"), std::vector<std::string>{"cible.lvx"});
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{c.message});
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
  }
}

TEST_F(AjouterTest, ChaqueCauseDUneOuvertureManqueeASonMessage) {
  static int cause;
  fichiers.fichier_modifier = [](void*, const char*) -> Poignee { return nullptr; };
  fichiers.fichier_erreur = [](void*) { return cause; };
  const std::pair<int, const char*> CAS[] = {
      {ERREUR_FICHIER_INTROUVABLE, "Fichier non trouvé."},
      {ERREUR_FICHIER_INTERDIT, "Accés au fichier Interdit."},
      {ERREUR_FICHIER_TROP_OUVERTS, "Trop de fichiers ouverts."},
      {ERREUR_FICHIER_ACCES_INVALIDE, "Accés invalide."},
      {ERREUR_FICHIER_AUTRE, nullptr},
  };
  Remplir(1);
  for (auto [erreur, message] : CAS) {
    faux.messages.clear();
    cause = erreur;
    Choisir(CHOIX_AJOUT_ECRAN);
    faux.choix_fichiers = {CIBLE};
    Exporter();
    EXPECT_EQ(faux.Textes(), message ? std::vector<std::string>{message} : std::vector<std::string>{});
  }
}

}  // namespace
