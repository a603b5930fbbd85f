// Every member of every fake record is set: a member added to a record
// without its fake fails here, not in whichever test first calls it.
#include <gtest/gtest.h>

#include <cstring>

#include "faux_systeme.h"

namespace {

// The records hold ctx and function pointers only, all of one size.
template <typename R>
int MembresVides(const R& r) {
  static_assert(sizeof(R) % sizeof(void*) == 0, "pointers only");
  void* membres[sizeof(R) / sizeof(void*)];
  memcpy(membres, &r, sizeof r);
  int vides = 0;
  for (void* m : membres) vides += m == nullptr;
  return vides;
}

TEST(PlateformeTest, LeFauxRemplitChaqueMembreDeChaqueEnregistrement) {
  DossierTemporaire dossier;
  FauxSysteme faux(dossier.chemin);
  EXPECT_EQ(MembresVides(faux.memoire), 0);
  EXPECT_EQ(MembresVides(faux.fichiers), 0);
  EXPECT_EQ(MembresVides(faux.fenetres), 0);
  EXPECT_EQ(MembresVides(faux.caracteres), 0);
  EXPECT_EQ(MembresVides(faux.coquille), 0);
  EXPECT_EQ(MembresVides(faux.presse_papiers), 0);
  EXPECT_EQ(MembresVides(faux.communs), 0);
  EXPECT_EQ(MembresVides(faux.dialogues_programme), 0);
  EXPECT_EQ(MembresVides(faux.dialogues_import), 0);
  EXPECT_EQ(MembresVides(faux.programme), 0);
  EXPECT_EQ(MembresVides(faux.import), 0);
  EXPECT_EQ(MembresVides(faux.dialogues_liens), 0);
  EXPECT_EQ(MembresVides(faux.dialogues_spec), 0);
  EXPECT_EQ(MembresVides(faux.dialogues_affic), 0);
  EXPECT_EQ(MembresVides(faux.dialogues_gest), 0);
  EXPECT_EQ(MembresVides(faux.dialogues_calcul), 0);
  EXPECT_EQ(MembresVides(faux.page_impression), 0);
  EXPECT_EQ(MembresVides(faux.progression_impression), 0);
  EXPECT_EQ(MembresVides(faux.imprimante), 0);
}

}  // namespace
