// The counts through lvxcalc's export on the fake system: each count's
// number and label lines, the new work's counts, and the memory failure.
#include "calcul.h"

#include <gtest/gtest.h>

#include "lvxcalc.h"
#include "outils_fiches.h"

namespace {

const Poignee NOM = (Poignee)11, URL = (Poignee)12, RUBRIQUE = (Poignee)13;

class CalculTest : public EssaiMagasin {
 protected:
  std::vector<uint8_t> tampon = std::vector<uint8_t>(65534);
  char expression[10001] = "WEB";
  char tampon_recherche[10001] = "";
  uint16_t casse = 0, noms = 1;

  void SetUp() override { InstallerFauxSysteme(&faux); }
  void Calculer(int compte) {
    uint16_t d[NB_COMPTES] = {};
    d[compte] = 1;
    Util_Dll_calculer_nombre((Poignee)1, m.lpDebutMem, m.lpFinMem, tampon.data(), (Poignee)0x50,
                             (Poignee)0x51, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8],
                             d[9], NOM, URL, RUBRIQUE, noms, 1, 1, 1, 1, casse, 0, 0, 0, expression,
                             tampon_recherche);
  }
  // The number of the one box shown by this count.
  std::string Nombre(int compte) {
    faux.resultats_calcul.clear();
    Calculer(compte);
    EXPECT_EQ(faux.resultats_calcul.size(), 1u);
    return faux.resultats_calcul.empty() ? "" : faux.resultats_calcul[0].nombre;
  }
};

TEST_F(CalculTest, ChaqueCompteSesLignesEtSonNombre) {
  RemplirMagasin(&m, sys->memoire,
                 {{"Alpha", "http://a.fr/", "Web", "web html web", "note"},
                  {"", "http://b.fr/", "web", "html\tcss\r\n web  ", ""},
                  {"Alpha", "http://a.fr/", "Web", "", "x"},
                  {"", "ftp://c.fr/", "", "  ", "le Web"}});
  EcrireMot(m.lpDebutMem, 1);
  EcrireMot(MagasinFiche(&m, 3), 2);
  faux.controles[NOM].texte = "Alpha";
  faux.controles[URL].texte = "http://a.fr/";
  faux.controles[RUBRIQUE].texte = "web";
  const struct {
    int compte;
    const char *ligne1, *ligne2, *nombre;
  } cas[] = {
      {COMPTE_MARQUEES, "", "Nombre de fiches marquées :", "2"},
      {COMPTE_RECHERCHE, "Nombre de fiches correspondant", " aux critères de recherche :", "4"},
      {COMPTE_TAILLE, "Taille en octets ", "du travail en cours :", "259"},
      {COMPTE_INCOMPLETES, "Nombre de fiches", "Incomplètes :", "3"},
      {COMPTE_RUBRIQUES, "Nombre de rubriques", "disponibles :", "2"},
      {COMPTE_MOTS_CLES, "Nombre de mots clés", "disponibles :", "3"},
      {COMPTE_NOM_EN_COURS, "Nombre de fiches au Nom du site", "de la fiche en cours :", "2"},
      {COMPTE_URL_EN_COURS, "Nombre de fiches ayant", "l'URL de la fiche en cours :", "2"},
      {COMPTE_RUBRIQUE_EN_COURS, "Nombre de fiches ayant",
       "la rubrique de la fiche en cours :", "1"},
      {COMPTE_SELECTION, "Nombre de fiches comportant", "le texte sélectionné :", "4"},
  };
  for (const auto& c : cas) {
    faux.curseurs.clear();
    EXPECT_EQ(Nombre(c.compte), c.nombre) << c.ligne2;
    EXPECT_EQ(faux.resultats_calcul[0].ligne1, c.ligne1);
    EXPECT_EQ(faux.resultats_calcul[0].ligne2, c.ligne2);
    EXPECT_EQ(faux.resultats_calcul[0].proprietaire, (Poignee)1);
    EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{(Poignee)0x51, (Poignee)0x50}));
  }
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_GT(faux.redessins, 0);

  // Letter case counts between categories; unusable criteria count
  // nothing; an empty site name on screen counts every card without one.
  faux.controles[RUBRIQUE].texte = "Web";
  EXPECT_EQ(Nombre(COMPTE_RUBRIQUE_EN_COURS), "2");
  casse = 1;
  EXPECT_EQ(Nombre(COMPTE_RECHERCHE), "0");
  casse = noms = 0;
  expression[0] = 0;
  EXPECT_EQ(Nombre(COMPTE_RECHERCHE), "0");
  faux.controles[NOM].texte = "";
  EXPECT_EQ(Nombre(COMPTE_NOM_EN_COURS), "2");
}

TEST_F(CalculTest, UnTravailNeufDonne1_0_0_0_71) {
  ASSERT_EQ(MagasinNouveau(&m, sys->memoire), 1);
  std::string nombres;
  for (int compte :
       {COMPTE_INCOMPLETES, COMPTE_MARQUEES, COMPTE_RUBRIQUES, COMPTE_MOTS_CLES, COMPTE_TAILLE})
    nombres += Nombre(compte) + "/";
  EXPECT_EQ(nombres, "1/0/0/0/71/");
}

// The field on screen is read up to 497 characters: a longer one no longer
// equals its own card.
TEST_F(CalculTest, LeChampEnCoursLuJusquA497Caracteres) {
  for (size_t longueur : {497u, 498u}) {
    MagasinLiberer(&m, sys->memoire);
    RemplirMagasin(&m, sys->memoire, {{std::string(longueur, 'n'), "", "", "", ""}});
    faux.controles[NOM].texte = std::string(longueur, 'n');
    EXPECT_EQ(Nombre(COMPTE_NOM_EN_COURS), longueur == 497 ? "1" : "0");
  }
}

// The collection of distinct texts missing at its start or when it grows:
// the message, no box, no block left.
TEST_F(CalculTest, SansMemoireNiBoiteNiBlocRestant) {
  std::vector<Textes> fiches;
  for (int i = 0; i < 600; i++) fiches.push_back({"", "", "r" + std::to_string(i), "", ""});
  RemplirMagasin(&m, sys->memoire, fiches);
  for (int echec : {1, 2}) {
    faux.echec_allocation_dans = echec;
    Calculer(COMPTE_RUBRIQUES);
    EXPECT_TRUE(faux.resultats_calcul.empty());
    EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de mémoire impossible !"});
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
    EXPECT_EQ(faux.blocs_vivants, 1);
    faux.messages.clear();
  }
  EXPECT_EQ(Nombre(COMPTE_RUBRIQUES), "600");
}

}  // namespace
