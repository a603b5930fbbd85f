#include "options_import.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>

namespace {

struct CasCase {
  unsigned id;
  uint16_t defaut;
};

// Every box of the four sets with its default, as the library loads.
const CasCase CASES[] = {
    {390, 0}, {391, 1}, {392, 1}, {393, 1}, {394, 1}, {396, 1}, {397, 0}, {398, 0}, {399, 0},
    {400, 0}, {401, 0}, {512, 1}, {513, 1}, {514, 1}, {515, 1}, {516, 1}, {517, 1}, {518, 1},
    {505, 1}, {506, 1}, {507, 1}, {508, 1}, {509, 1}, {488, 1}, {527, 1},
};

TEST(OptionsImport, ChaqueCaseASonDrapeauEtSaValeurAuChargement) {
  OptionsImport o = OPTIONS_IMPORT_DEFAUT;
  std::set<uint16_t*> drapeaux;
  for (const CasCase& c : CASES) {
    uint16_t* d = OptionsCase(&o, c.id);
    ASSERT_NE(d, nullptr) << c.id;
    EXPECT_EQ(*d, c.defaut) << c.id;
    drapeaux.insert(d);
  }
  EXPECT_EQ(drapeaux.size(), sizeof CASES / sizeof *CASES);
  EXPECT_STREQ(o.url.TexteAutre, "");
  // Buttons, the edit box and the panel are no boxes.
  for (unsigned id : {388u, 389u, 395u, 403u, 503u, 510u, 528u, 359u, 0u})
    EXPECT_EQ(OptionsCase(&o, id), nullptr) << id;
  // The named flags are the boxes of their ids.
  EXPECT_EQ(OptionsCase(&o, ID_URL_NOUVELLES), &o.url.SeulementNouvellesUrl);
  EXPECT_EQ(OptionsCase(&o, ID_QUELCONQUE_URL_DANS_NOM), &o.quelconque.CopierUrlDansNom);
  EXPECT_EQ(OptionsCase(&o, ID_COURRIEL_DESTINATAIRES), &o.courriel.AdressesDestinataires);
  EXPECT_EQ(OptionsCase(&o, ID_EXTRA_WEB_NOUVEAUX), &o.extra_web.UniquementNouveauxFichiers);
  // The library starts with the defaults.
  EXPECT_EQ(memcmp(&optionsImport, &OPTIONS_IMPORT_DEFAUT, sizeof optionsImport), 0);
}

TEST(OptionsImport, AnnulerRemetLeJeuTelQuIlEtaitALOuverture) {
  OptionsImport o = OPTIONS_IMPORT_DEFAUT;
  o.url.Http = 1;
  CopieOptions copie = OptionsCopier(&o);
  *OptionsCase(&o, ID_URL_HTTP) = 0;
  *OptionsCase(&o, ID_URL_AUTRE) = 1;
  snprintf(o.url.TexteAutre, sizeof o.url.TexteAutre, "gopher:");
  o.extra_web.InclureSousDossiers = 0;
  OptionsRestaurer(&o, &copie);
  EXPECT_EQ(o.url.Http, 1);
  EXPECT_EQ(o.url.Autre, 0);
  EXPECT_STREQ(o.url.TexteAutre, "");
  EXPECT_EQ(o.extra_web.InclureSousDossiers, 1);
}

}  // namespace
