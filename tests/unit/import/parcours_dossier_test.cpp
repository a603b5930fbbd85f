// The folder walk shared by the favourites and the extra-web folder imports.
#include "parcours_dossier.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faux_systeme.h"

namespace {

struct Vu {
  std::string dossier, nom, chemin;
  bool operator==(const Vu& v) const {
    return dossier == v.dossier && nom == v.nom && chemin == v.chemin;
  }
};

std::ostream& operator<<(std::ostream& o, const Vu& v) {
  return o << "{" << v.dossier << " | " << v.nom << " | " << v.chemin << "}";
}

class ParcoursDossierTest : public ::testing::Test {
 protected:
  DossierTemporaire temporaire;
  FauxSysteme faux{temporaire.chemin};
  std::vector<Vu> vus;
  size_t arreter_apres = SIZE_MAX;  // files seen before the callback stops the walk

  static int Fichier(void* x, const char* dossier, const char* nom, const char* chemin) {
    ParcoursDossierTest* t = (ParcoursDossierTest*)x;
    t->vus.push_back({dossier, nom, chemin});
    return t->vus.size() < t->arreter_apres;
  }

  // -1 when nothing is listed, else the walk's result.
  int Parcourir(const char* racine, int sous_dossiers) {
    EntreeDossier e;
    Poignee liste = DossierLister(&faux.fichiers, racine, &e);
    if (!liste) return -1;
    const ParcoursDossier p = {&faux.fichiers, sous_dossiers, this, Fichier};
    return DossierParcourir(&p, racine, liste, &e);
  }
};

TEST_F(ParcoursDossierTest, EnProfondeurDansLOrdreDeLaListe) {
  faux.Ecrire("C:\\R\\b.url", "");
  faux.Ecrire("C:\\R\\A\\x.url", "");
  faux.Ecrire("C:\\R\\A\\B\\y.url", "");
  faux.Ecrire("C:\\R\\A\\z.url", "");
  faux.Ecrire("C:\\R\\c\\w.url", "");
  EXPECT_EQ(Parcourir("C:\\R", 1), 1);
  EXPECT_EQ(vus, (std::vector<Vu>{{"C:\\R\\A\\B", "y.url", "C:\\R\\A\\B\\y.url"},
                                  {"C:\\R\\A", "x.url", "C:\\R\\A\\x.url"},
                                  {"C:\\R\\A", "z.url", "C:\\R\\A\\z.url"},
                                  {"C:\\R", "b.url", "C:\\R\\b.url"},
                                  {"C:\\R\\c", "w.url", "C:\\R\\c\\w.url"}}));
  EXPECT_EQ(faux.motifs_listes, (std::vector<std::string>{"C:\\R\\*.*", "C:\\R\\A\\*.*",
                                                          "C:\\R\\A\\B\\*.*", "C:\\R\\c\\*.*"}));
}

TEST_F(ParcoursDossierTest, LeRappelArreteToutLeParcours) {
  faux.Ecrire("C:\\R\\A\\x.url", "");
  faux.Ecrire("C:\\R\\A\\y.url", "");
  faux.Ecrire("C:\\R\\b.url", "");
  arreter_apres = 1;
  // Every listing opened is closed: the leak checker sees the others.
  EXPECT_EQ(Parcourir("C:\\R", 1), 0);
  EXPECT_EQ(vus.size(), 1u);
}

TEST_F(ParcoursDossierTest, UnCheminTropLongEstPasse) {
  const std::string dossier = "C:\\R\\" + std::string(200, 'n');
  faux.Ecrire(dossier + "\\" + std::string(200, 'm'), "");
  faux.Ecrire(dossier + "\\ok", "");
  EXPECT_EQ(Parcourir("C:\\R", 1), 1);
  EXPECT_EQ(vus, (std::vector<Vu>{{dossier, "ok", dossier + "\\ok"}}));
}

}  // namespace
