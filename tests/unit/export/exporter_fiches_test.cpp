#include "exporter_fiches.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <tuple>

#include "essai_donnees.h"
#include "lvxspec.h"

namespace {

using ExporterTest = EssaiSpec;

const char CIBLE[] = "C:\\cibles\\cible.lvx";

// Ten cards whose header bytes 33 to 39 are not zero: an append leaves
// the header as it is.
std::string FichierDeDix() {
  std::string f = OctetsFichier(OctetsFiches({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}), 10);
  memcpy(&f[33], "entete", 6);
  return f;
}

TEST_F(ExporterTest, ChaqueSorteDExportEcritSesFiches) {
  const std::pair<int, std::vector<int>> CAS[] = {
      {CHOIX_NOUVEAU_ECRAN, {5}},       {CHOIX_NOUVEAU_RECHERCHE, {1, 10, 11, 12}},
      {CHOIX_NOUVEAU_MARQUEES, {2, 7}}, {CHOIX_AJOUT_TOUTES, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {CHOIX_AJOUT_ECRAN, {5}},         {CHOIX_AJOUT_RECHERCHE, {1, 10, 11, 12}},
      {CHOIX_AJOUT_MARQUEES, {2, 7}},
  };
  Remplir(12, 5, {2, 7});
  snprintf(expression, sizeof expression, "1");
  for (auto [choix, fiches] : CAS) {
    SCOPED_TRACE(choix);
    faux.messages.clear();
    std::string cartes = OctetsFiches(fiches, 0, {2, 7});
    std::string attendu = OctetsFichier(cartes, (uint32_t)fiches.size());
    if (choix >= CHOIX_AJOUT_TOUTES) {
      // The card on screen onto ten cards: eleven, grown by that card alone.
      faux.Ecrire(CIBLE, FichierDeDix());
      attendu = FichierDeDix().substr(0, FichierDeDix().size() - 4) +
                OctetsFichier(cartes, 10 + (uint32_t)fiches.size()).substr(40);
    }
    EXPECT_EQ(Exporter(choix, CIBLE), 0) << "the question answered with OK, not Oui";
    EXPECT_EQ(faux.Lire(CIBLE), attendu);
    EXPECT_EQ(Contenu("C:\\cibles"), std::vector<std::string>{"cible.lvx"}) << "nothing beside";
    ASSERT_EQ(faux.Textes(), std::vector<std::string>{"Souhaitez vous ouvrir le fichier cible ?"});
    EXPECT_EQ(faux.messages[0].style, BOITE_OUI_NON | ICONE_QUESTION);
    EXPECT_EQ(faux.curseurs.back(), FLECHE);
    EXPECT_STREQ(nom_fichier, "C:\\travail\\courant.lvx");
  }
}

TEST_F(ExporterTest, SansFicheAPrendreRienNEstDemande) {
  const char* RIEN = "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
  const std::tuple<int, const char*, uint16_t, std::string> CAS[] = {
      {CHOIX_NOUVEAU_RECHERCHE, "", 1, RIEN},
      {CHOIX_AJOUT_RECHERCHE, "", 1, "i" + std::string(RIEN + 1)},
      {CHOIX_NOUVEAU_RECHERCHE, "Site", 0, RIEN},
      {CHOIX_AJOUT_RECHERCHE, "Site", 0, "i" + std::string(RIEN + 1)},
      {CHOIX_AJOUT_RECHERCHE, "zzz", 1, "Il n'y a pas de fiche correspondant aux critères de recherche."},
      {CHOIX_NOUVEAU_MARQUEES, "", 1, "Il n'y a pas de fiche marquée."},
      {CHOIX_AJOUT_MARQUEES, "", 1, "Il n'y a pas de fiche marquée."},
  };
  Remplir(3);
  for (auto [choix, texte, noms, message] : CAS) {
    faux.messages.clear();
    snprintf(expression, sizeof expression, "%s", texte);
    RechercheNoms = noms;
    Exporter(choix, CIBLE);
    ASSERT_EQ(faux.Textes(), std::vector<std::string>{message});
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ATTENTION);
    EXPECT_TRUE(faux.dialogues.empty());
  }
}

TEST_F(ExporterTest, LaPlaceQuiManqueTientCompteDeLAncienFichier) {
  Remplir(1);
  const int64_t B = (int64_t)OctetsFiches({1}).size() + 44;
  // existant -1: no file. An append needs the whole size free; without
  // room for a copy beside the file, it writes in place.
  const std::tuple<int, int64_t, int64_t, bool> CAS[] = {
      {CHOIX_NOUVEAU_ECRAN, -1, B, true},      {CHOIX_NOUVEAU_ECRAN, -1, B - 1, false},
      {CHOIX_NOUVEAU_ECRAN, B - 10, 10, true}, {CHOIX_NOUVEAU_ECRAN, B - 10, 9, false},
      {CHOIX_NOUVEAU_ECRAN, B + 100, 0, true}, {CHOIX_AJOUT_ECRAN, 0, B - 1, false},
      {CHOIX_AJOUT_ECRAN, 0, B, true},
  };
  for (auto [choix, existant, libre, accepte] : CAS) {
    SCOPED_TRACE(testing::Message() << choix << " " << existant << " " << libre);
    faux.messages.clear();
    std::string avant = choix == CHOIX_AJOUT_ECRAN ? FichierDeDix()
                        : existant >= 0            ? std::string((size_t)existant, 'x')
                                                   : "";
    std::remove(faux.Linux(CIBLE).c_str());
    if (existant >= 0) faux.Ecrire(CIBLE, avant);
    faux.espace_libre = (uint64_t)libre;
    Exporter(choix, CIBLE);
    EXPECT_EQ(faux.Textes()[0] == "Il n'y a pas assez de place sur le disque, impossible "
                                  "d'exécuter l'opération.",
              !accepte);
    if (accepte)
      EXPECT_EQ(faux.Lire(CIBLE).size(), choix == CHOIX_AJOUT_ECRAN ? avant.size() + B - 44 : B);
    else
      EXPECT_EQ(faux.Lire(CIBLE), avant);
  }
}

TEST_F(ExporterTest, UneFicheDePlusDe65534OctetsPartEntiereEtUneEcritureManqueeSeVoit) {
  std::vector<Textes> fiches = {FicheSpec(1), {"grande", std::string(40000, 'u'), "", "", std::string(40000, 'n')}};
  RemplirMagasin(&m, &faux.memoire, fiches);
  m.lpFicheEcran = MagasinFiche(&m, 2);
  EcrireMot(MagasinFiche(&m, 1), 1);
  EcrireMot(MagasinFiche(&m, 2), 1);
  std::string une = OctetsFiche(fiches[1], 1), deux = OctetsFiche(fiches[0], 1) + une;
  ASSERT_GT(une.size(), 65534u);
  Exporter(CHOIX_NOUVEAU_ECRAN, CIBLE);
  AttendreFichier(CIBLE, OctetsFichier(une, 1));
  Exporter(CHOIX_NOUVEAU_MARQUEES, CIBLE);
  AttendreFichier(CIBLE, OctetsFichier(deux, 2));
  Exporter(CHOIX_AJOUT_ECRAN, CIBLE);
  AttendreFichier(CIBLE, OctetsFichier(deux + une, 3));

  faux.messages.clear();
  EchecUnique::Armer(&fichiers, &faux.fichiers, 100);
  Exporter(CHOIX_NOUVEAU_MARQUEES, CIBLE);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Ecriture sur le disque impossible."});
  EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
}

// Through the export itself: the answer to the question, reset by every call.
TEST_F(ExporterTest, LeFichierCibleSOuvreSurOuiSeulement) {
  Remplir(2);
  char magie[] = "LorVanix version1 Fichier CARTES", vide[] = "", programme[] = "C:\\Lorvanix";
  auto Appeler = [&](int reponse, bool annuler = false) {
    faux.dans_spec.push_back([annuler](DialogueSpec* d) {
      DialogueSpecAppuyer(d, IDC_SAUVESPEC_NOUVEAU_ECRAN);
      return !annuler;
    });
    faux.choix_fichiers = {CIBLE};
    faux.reponses = {reponse};
    EXPECT_EQ(Util_Dll_manipulation_speciale(
                  FENETRE, m.lpDebutMem, m.lpFinMem, magie, m.lpFicheEcran, nom_fichier,
                  expression, tampon_recherche.data(), 0, 1, 0, 0, 0, 0, 0, 0, 0,
                  (uint32_t)m.TotalFiches, m.TailleTotaleFiches, transfert.data(), vide, FLECHE,
                  ATTENTE, programme),
              0);
    return Lvxspec_Recuperer_ChargerFichierOk();
  };
  EXPECT_EQ(Appeler(REPONSE_NON), 0);
  EXPECT_STREQ(nom_fichier, "C:\\travail\\courant.lvx");
  EXPECT_EQ(Appeler(REPONSE_OUI), 1);
  EXPECT_STREQ(nom_fichier, CIBLE);
  EXPECT_EQ(Appeler(REPONSE_OUI, true), 0);
}

}  // namespace
