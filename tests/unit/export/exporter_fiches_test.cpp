#include "exporter_fiches.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <tuple>

#include "essai_spec.h"
#include "lvxspec.h"

namespace {

using ExporterTest = EssaiSpec;

const char CIBLE[] = "C:\\cibles\\cible.lvx";
const char PLACE[] = "Il n'y a pas assez de place sur le disque, impossible d'exécuter l'opération.";

// A data file of ten cards whose header bytes 33 to 39 are not zero: an
// append must leave the header as it is.
std::string FichierDeDix() {
  std::string f = OctetsFichier(OctetsFiches({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}), 10);
  memcpy(&f[33], "entete", 6);
  return f;
}

TEST_F(ExporterTest, ChaqueSorteDExportEcritSesFiches) {
  struct Cas {
    int choix;
    std::vector<int> fiches;
  };
  const Cas CAS[] = {
      {CHOIX_NOUVEAU_ECRAN, {5}},          {CHOIX_NOUVEAU_RECHERCHE, {1, 10, 11, 12}},
      {CHOIX_NOUVEAU_MARQUEES, {2, 7}},    {CHOIX_AJOUT_TOUTES, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {CHOIX_AJOUT_ECRAN, {5}},            {CHOIX_AJOUT_RECHERCHE, {1, 10, 11, 12}},
      {CHOIX_AJOUT_MARQUEES, {2, 7}},
  };
  Remplir(12, 5, {2, 7});
  snprintf(expression, sizeof expression, "1");
  for (const Cas& c : CAS) {
    SCOPED_TRACE(c.choix);
    faux.messages.clear();
    int ajout = c.choix >= CHOIX_AJOUT_TOUTES;
    if (ajout) faux.Ecrire(CIBLE, FichierDeDix());
    Choisir(c.choix);
    faux.choix_fichiers = {CIBLE};
    EXPECT_EQ(Exporter(), 0) << "the question answered with OK, not Oui";

    std::string cartes = OctetsFiches(c.fiches, 0, {2, 7});
    std::string attendu = OctetsFichier(cartes, (uint32_t)c.fiches.size());
    if (ajout) {
      attendu = FichierDeDix();
      attendu.resize(attendu.size() - 4);
      attendu += OctetsFichier(cartes, 10 + (uint32_t)c.fiches.size()).substr(40);
    }
    EXPECT_EQ(faux.Lire(CIBLE), attendu);
    EXPECT_EQ(Contenu("C:\\cibles"), std::vector<std::string>{"cible.lvx"}) << "no file left beside";
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].texte, "Souhaitez vous ouvrir le fichier cible ?");
    EXPECT_EQ(faux.messages[0].style, BOITE_OUI_NON | ICONE_QUESTION);
    EXPECT_EQ(faux.messages[0].proprietaire, FENETRE);
    EXPECT_EQ(faux.curseurs.back(), FLECHE);
    EXPECT_STREQ(nom_fichier, "C:\\travail\\courant.lvx");
  }
}

TEST_F(ExporterTest, LesCartesSansFicheAPrendreArretentAvantLeDialogueDeFichier) {
  struct Cas {
    int choix;
    const char* expression;
    uint16_t noms;
    const char* message;
  };
  const char* RIEN = "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
  const char* rien = "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
  const Cas CAS[] = {
      {CHOIX_NOUVEAU_RECHERCHE, "", 1, RIEN},
      {CHOIX_AJOUT_RECHERCHE, "", 1, rien},
      {CHOIX_NOUVEAU_RECHERCHE, "Site", 0, RIEN},
      {CHOIX_AJOUT_RECHERCHE, "Site", 0, rien},
      {CHOIX_AJOUT_RECHERCHE, "zzz", 1, "Il n'y a pas de fiche correspondant aux critères de recherche."},
      {CHOIX_NOUVEAU_MARQUEES, "", 1, "Il n'y a pas de fiche marquée."},
      {CHOIX_AJOUT_MARQUEES, "", 1, "Il n'y a pas de fiche marquée."},
  };
  Remplir(3);
  for (const Cas& c : CAS) {
    SCOPED_TRACE(c.message);
    faux.messages.clear();
    snprintf(expression, sizeof expression, "%s", c.expression);
    RechercheNoms = c.noms;
    Choisir(c.choix);
    Exporter();
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].texte, c.message);
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ATTENTION);
    EXPECT_TRUE(faux.dialogues.empty());
  }
}

TEST_F(ExporterTest, LaPlaceQuiManqueTientCompteDeLAncienFichier) {
  Remplir(1);
  const int64_t B = (int64_t)OctetsFiche(FicheSpec(1)).size() + 44;
  struct Cas {
    int choix;
    int64_t existant;  // -1: no file
    int64_t libre;
    bool accepte;
  };
  const Cas CAS[] = {
      {CHOIX_NOUVEAU_ECRAN, -1, B, true},         {CHOIX_NOUVEAU_ECRAN, -1, B - 1, false},
      {CHOIX_NOUVEAU_ECRAN, B - 10, 10, true},    {CHOIX_NOUVEAU_ECRAN, B - 10, 9, false},
      {CHOIX_NOUVEAU_ECRAN, B + 100, 0, true},
      // An append needs the whole size free; without room for a copy
      // beside it, it writes in place.
      {CHOIX_AJOUT_ECRAN, 0, B - 1, false},       {CHOIX_AJOUT_ECRAN, 0, B, true},
  };
  for (const Cas& c : CAS) {
    SCOPED_TRACE(testing::Message() << c.choix << " " << c.existant << " " << c.libre);
    faux.messages.clear();
    std::string avant = c.choix == CHOIX_AJOUT_ECRAN ? FichierDeDix()
                        : c.existant >= 0            ? std::string((size_t)c.existant, 'x')
                                                     : "";
    std::remove(faux.Linux(CIBLE).c_str());
    if (c.existant >= 0) faux.Ecrire(CIBLE, avant);
    faux.espace_libre = (uint64_t)c.libre;
    Choisir(c.choix);
    faux.choix_fichiers = {CIBLE};
    Exporter();
    ASSERT_FALSE(faux.messages.empty());
    EXPECT_EQ(faux.messages[0].texte == PLACE, !c.accepte);
    if (c.accepte)
      EXPECT_EQ(faux.Lire(CIBLE).size(), c.choix == CHOIX_AJOUT_ECRAN ? avant.size() + B - 44 : B);
    else
      EXPECT_EQ(faux.Lire(CIBLE), c.existant >= 0 ? avant : "");
  }
}

TEST_F(ExporterTest, UneFicheDePlusDe65534OctetsPartEntiere) {
  std::vector<Textes> fiches = {FicheSpec(1),
                                {"grande", std::string(40000, 'u'), "", "", std::string(40000, 'n')},
                                FicheSpec(3)};
  RemplirMagasin(&m, &faux.memoire, fiches);
  m.lpFicheEcran = MagasinFiche(&m, 2);
  EcrireMot(MagasinFiche(&m, 1), 1);
  EcrireMot(MagasinFiche(&m, 2), 1);
  std::string une = OctetsFiche(fiches[1], 1), deux = OctetsFiche(fiches[0], 1) + une;
  ASSERT_GT(une.size(), 65534u);
  for (auto [choix, cartes, total] : {std::tuple{CHOIX_NOUVEAU_ECRAN, une, 1},
                                      std::tuple{CHOIX_NOUVEAU_MARQUEES, deux, 2}}) {
    Choisir(choix);
    faux.choix_fichiers = {CIBLE};
    Exporter();
    AttendreFichier(CIBLE, OctetsFichier(cartes, total));
  }
  Choisir(CHOIX_AJOUT_ECRAN);
  faux.choix_fichiers = {CIBLE};
  Exporter();
  AttendreFichier(CIBLE, OctetsFichier(deux + une, 3));
}

TEST_F(ExporterTest, UneEcritureManqueeNEstPasUnSucces) {
  Remplir(3, 1, {1, 2, 3});
  EchecUnique::Armer(&fichiers, &faux.fichiers, 100);
  Choisir(CHOIX_NOUVEAU_MARQUEES);
  faux.choix_fichiers = {CIBLE};
  Exporter();
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Ecriture sur le disque impossible."});
  EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
}

// Through the export itself: the answer to the question, reset by every call.
TEST_F(ExporterTest, LeFichierCibleSOuvreSurOuiSeulement) {
  Remplir(2);
  char magie[] = "LorVanix version1 Fichier CARTES";
  char vide[] = "", dossier_programme[] = "C:\\Lorvanix";
  auto Appeler = [&]() {
    return Util_Dll_manipulation_speciale(FENETRE, m.lpDebutMem, m.lpFinMem, magie, m.lpFicheEcran,
                                          nom_fichier, expression, tampon_recherche.data(), 0, 1,
                                          0, 0, 0, 0, 0, 0, 0, (uint32_t)m.TotalFiches,
                                          m.TailleTotaleFiches, transfert.data(), vide, FLECHE,
                                          ATTENTE, dossier_programme);
  };
  Choisir(CHOIX_NOUVEAU_ECRAN);
  faux.choix_fichiers = {CIBLE};
  faux.reponses = {REPONSE_OUI};
  EXPECT_EQ(Appeler(), 0);
  EXPECT_EQ(Lvxspec_Recuperer_ChargerFichierOk(), 1);
  EXPECT_STREQ(nom_fichier, CIBLE);

  snprintf(nom_fichier, sizeof nom_fichier, "C:\\travail\\courant.lvx");
  Choisir(CHOIX_NOUVEAU_ECRAN);
  faux.choix_fichiers = {CIBLE};
  faux.reponses = {REPONSE_NON};
  Appeler();
  EXPECT_EQ(Lvxspec_Recuperer_ChargerFichierOk(), 0);
  EXPECT_STREQ(nom_fichier, "C:\\travail\\courant.lvx");

  Choisir(CHOIX_NOUVEAU_ECRAN);
  faux.choix_fichiers = {CIBLE};
  faux.reponses = {REPONSE_OUI};
  Appeler();
  ASSERT_EQ(Lvxspec_Recuperer_ChargerFichierOk(), 1);
  Appeler();  // the dialog cancelled
  EXPECT_EQ(Lvxspec_Recuperer_ChargerFichierOk(), 0);
}

}  // namespace
