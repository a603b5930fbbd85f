#include "ajouter_fiches.h"

#include <gtest/gtest.h>

#include <tuple>

#include "essai_donnees.h"

namespace {

using AjouterTest = EssaiSpec;

const char CIBLE[] = "C:\\cibles\\cible.lvx";

// A file that is no data file, or a write that fails part-way, beside the
// file or in place: the target keeps every byte it had.
TEST_F(AjouterTest, UnFichierRefuseOuUneEcritureManqueeLaissentLaCibleIntacte) {
  const std::string dix = OctetsFichier(OctetsFiches({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}), 10);
  const uint64_t GRAND = UINT64_C(1) << 40, B = OctetsFiches({1, 2, 3}).size() + 44;
  const std::tuple<std::string, uint64_t, int64_t, const char*> CAS[] = {
      {"", GRAND, -1, "Ce fichier est vide."},
      {OctetsFichier(OctetsFiches({1}), 1, "LorVanix version2 Fichier CARTES"), GRAND, -1,
       "Erreur de format."},
      {std::string("LorVanix version1 Fichier CARTES") + std::string(3, '\0'), GRAND, -1,
       "Erreur de format."},
      {dix, GRAND, 0, "Ecriture sur le disque impossible."},
      {dix, GRAND, (int64_t)dix.size() + 10, "Ecriture sur le disque impossible."},
      {dix, B, 0, "Ecriture sur le disque impossible."},
      {dix, B, 10, "Ecriture sur le disque impossible."},
  };
  Remplir(3);
  for (auto [fichier, libre, echec, message] : CAS) {
    SCOPED_TRACE(testing::Message() << message << " " << libre << " " << echec);
    faux.messages.clear();
    faux.Ecrire(CIBLE, fichier);
    faux.espace_libre = libre;
    fichiers = faux.fichiers;
    if (echec >= 0) EchecUnique::Armer(&fichiers, &faux.fichiers, echec);
    Exporter(CHOIX_AJOUT_TOUTES, CIBLE);
    EXPECT_EQ(faux.Lire(CIBLE), fichier);
    EXPECT_EQ(Contenu("C:\\cibles"), std::vector<std::string>{"cible.lvx"});
    ASSERT_EQ(faux.Textes(), std::vector<std::string>{message});
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
  }
}

TEST_F(AjouterTest, ChaqueCauseDUneOuvertureManqueeASonMessage) {
  static int cause;
  fichiers.fichier_modifier = [](void*, const char*) -> Poignee { return nullptr; };
  fichiers.fichier_erreur = [](void*) { return cause; };
  const std::pair<int, std::vector<std::string>> CAS[] = {
      {ERREUR_FICHIER_INTROUVABLE, {"Fichier non trouvé."}},
      {ERREUR_FICHIER_INTERDIT, {"Accés au fichier Interdit."}},
      {ERREUR_FICHIER_TROP_OUVERTS, {"Trop de fichiers ouverts."}},
      {ERREUR_FICHIER_ACCES_INVALIDE, {"Accés invalide."}},
      {ERREUR_FICHIER_AUTRE, {}},
  };
  Remplir(1);
  for (const auto& [erreur, messages] : CAS) {
    faux.messages.clear();
    cause = erreur;
    Exporter(CHOIX_AJOUT_ECRAN, CIBLE);
    EXPECT_EQ(faux.Textes(), messages);
  }
}

}  // namespace
