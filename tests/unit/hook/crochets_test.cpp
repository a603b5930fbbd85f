#include "crochets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Touche Cle(uint32_t code, int relachee = 0, int verr_maj = 0, int maj = 0, int active = 1) {
  return {code, (uint16_t)relachee, (uint16_t)verr_maj, (uint16_t)maj, (uint16_t)active};
}

Decision Clavier(const Crochets* c, Touche t) { return CrochetsClavier(c, &t); }

struct Attendu {
  Sortie sortie;
  uint16_t commande;
  uint16_t aide;
};

void Comparer(Decision d, Attendu a, const std::string& cas) {
  EXPECT_EQ(d.sortie, a.sortie) << cas;
  EXPECT_EQ(d.commande, a.commande) << cas;
  EXPECT_EQ(d.aide, a.aide) << cas;
}

// The event goes on in every combination of release, caps lock and shift.
void ToutesCombinaisons(const Crochets* c, uint32_t code, Attendu a) {
  for (int relachee = 0; relachee < 2; relachee++)
    for (int verr = 0; verr < 2; verr++)
      for (int maj = 0; maj < 2; maj++)
        Comparer(Clavier(c, Cle(code, relachee, verr, maj)), a,
                 "touche " + std::to_string(code) + " relachee " + std::to_string(relachee) +
                     " verr " + std::to_string(verr) + " maj " + std::to_string(maj));
}

const Attendu LAISSEE = {SORTIE_LAISSER, 0, 0};
const Attendu JETEE = {SORTIE_JETER, 0, 0};
const Attendu TRANSMISE = {SORTIE_TRANSMETTRE, 0, 0};

TEST(CrochetsPreambule, CodeNegatifPeekOuAutreModulePassentDirectement) {
  EXPECT_EQ(CrochetsTransmettreDirectement(-1, 1), 1);
  EXPECT_EQ(CrochetsTransmettreDirectement(CODE_SANS_RETRAIT, 1), 1);
  EXPECT_EQ(CrochetsTransmettreDirectement(0, 0), 1);
  EXPECT_EQ(CrochetsTransmettreDirectement(0, 1), 0);
}

TEST(CrochetsFiltreChiffres, ToucheDeSaisieLaisseePasseeDansTousLesCas) {
  Crochets c{};
  c.filtre_chiffres = 1;
  const uint32_t laissees[] = {8,  9,  13, 16, 20, 37,  38,  39,  40,  46, 96,
                               97, 98, 99, 100, 101, 102, 103, 104, 105, 144};
  for (uint32_t code : laissees) ToutesCombinaisons(&c, code, LAISSEE);
}

TEST(CrochetsFiltreChiffres, ChiffreDuHautSeulementAvecMajOuVerrMaj) {
  Crochets c{};
  c.filtre_chiffres = 1;
  for (uint32_t code = TOUCHE_0; code <= TOUCHE_9; code++) {
    for (int relachee = 0; relachee < 2; relachee++) {
      std::string cas = "touche " + std::to_string(code);
      Comparer(Clavier(&c, Cle(code, relachee, 0, 0)), JETEE, cas);
      Comparer(Clavier(&c, Cle(code, relachee, 1, 0)), LAISSEE, cas);
      Comparer(Clavier(&c, Cle(code, relachee, 0, 1)), LAISSEE, cas);
      Comparer(Clavier(&c, Cle(code, relachee, 1, 1)), LAISSEE, cas);
    }
  }
}

TEST(CrochetsFiltreChiffres, EchapLettresTouchesFonctionEtVoisinsDesPlagesJetes) {
  Crochets c{};
  c.filtre_chiffres = 1;
  std::vector<uint32_t> jetees = {27, 32, 36, 41, 45, 47, 58, 95, 106, 107, 109, 110, 111, 143, 145};
  for (uint32_t code = 'A'; code <= 'Z'; code++) jetees.push_back(code);
  // F1, F3 and F4 too: no help and no command while the dialog is open.
  for (uint32_t code = TOUCHE_F1; code <= TOUCHE_F1 + 11; code++) jetees.push_back(code);
  for (uint32_t code : jetees) ToutesCombinaisons(&c, code, JETEE);
}

TEST(CrochetsClavier, F1OuvreLAideAuRelachementEtJetteLesDeux) {
  Crochets c{};
  Comparer(Clavier(&c, Cle(TOUCHE_F1, 0)), JETEE, "appui");
  Comparer(Clavier(&c, Cle(TOUCHE_F1, 1)), {SORTIE_JETER, 0, 1},
           "relachement");
  // Help is for whatever window has the focus, dialog or not.
  Comparer(Clavier(&c, Cle(TOUCHE_F1, 1, 0, 0, 0)),
           {SORTIE_JETER, 0, 1}, "dialogue actif");
  c.occupe = 1;
  Comparer(Clavier(&c, Cle(TOUCHE_F1, 1)), JETEE, "occupe");
}

TEST(CrochetsClavier, F3EtF4PostentAuRelachementSurLaFenetrePrincipale) {
  Crochets c{};
  struct {
    uint32_t code;
    uint16_t commande;
  } cas[] = {{TOUCHE_F3, 635}, {TOUCHE_F4, 636}};
  for (auto k : cas) {
    std::string nom = "touche " + std::to_string(k.code);
    c.occupe = 0;
    Comparer(Clavier(&c, Cle(k.code, 0)), JETEE, nom + " appui");
    Comparer(Clavier(&c, Cle(k.code, 1)), {SORTIE_JETER, k.commande, 0},
             nom + " relachement");
    Comparer(Clavier(&c, Cle(k.code, 1, 1, 1)),
             {SORTIE_JETER, k.commande, 0}, nom + " avec maj");
    Comparer(Clavier(&c, Cle(k.code, 1, 0, 0, 0)), JETEE,
             nom + " dialogue actif");
    c.occupe = 1;
    Comparer(Clavier(&c, Cle(k.code, 1)), JETEE, nom + " occupe");
  }
}

TEST(CrochetsClavier, AutresTouchesTransmisesSansFiltre) {
  Crochets c{};
  const uint32_t autres[] = {8, 13, 27, 48, 57, 65, 90, 96, 113, 116, 123, 144};
  for (uint32_t code : autres) ToutesCombinaisons(&c, code, TRANSMISE);
}

// Ten distinct windows, plus two the hook does not watch.
struct Fenetres {
  char controles[NB_CONTROLES];
  char principale;
  char autre;
};

class CrochetsSourisTest : public ::testing::Test {
 protected:
  Fenetres f{};
  Crochets c{};
  void SetUp() override {
    for (int i = 0; i < NB_CONTROLES; i++) c.controles[i] = &f.controles[i];
  }
  const void* Bouton(int b) const { return c.controles[CONTROLE_COUPER + b]; }
  void Verifier(MessageSouris m, const void* fenetre, Attendu a, const std::string& cas) {
    Comparer(CrochetsSouris(&c, m, fenetre), a, cas);
  }
};

TEST_F(CrochetsSourisTest, ClicSurUnChampPosteEtPasse) {
  for (int i = 0; i < NB_CHAMPS_SURVEILLES; i++) {
    std::string cas = "champ " + std::to_string(i);
    Verifier(SOURIS_GAUCHE_ENFONCEE, c.controles[i],
             {SORTIE_TRANSMETTRE, (uint16_t)(701 + i), 0}, cas);
    Verifier(SOURIS_GAUCHE_RELACHEE, c.controles[i], TRANSMISE, cas + " relachement");
    Verifier(SOURIS_AUTRE, c.controles[i], TRANSMISE, cas + " autre");
  }
}

TEST_F(CrochetsSourisTest, AppuiEtRelachementSurChaqueBoutonJetes) {
  for (int b = 0; b < NB_BOUTONS_TENUS; b++) {
    std::string cas = "bouton " + std::to_string(b);
    uint16_t premiere = (uint16_t)(706 + 3 * b);
    Verifier(SOURIS_GAUCHE_ENFONCEE, Bouton(b), {SORTIE_JETER, premiere, 0}, cas);
    Verifier(SOURIS_GAUCHE_RELACHEE, Bouton(b), {SORTIE_JETER, (uint16_t)(premiere + 1), 0}, cas);
    Verifier(SOURIS_AUTRE, Bouton(b), TRANSMISE, cas + " survol");
  }
}

TEST_F(CrochetsSourisTest, BoutonTenuFiniSurToutMessageAilleurs) {
  for (int b = 0; b < NB_BOUTONS_TENUS; b++) {
    c = {};
    SetUp();
    c.tenus[b] = 1;
    std::string cas = "bouton " + std::to_string(b);
    Attendu ailleurs = {SORTIE_JETER, (uint16_t)(708 + 3 * b), 0};
    for (MessageSouris m : {SOURIS_AUTRE, SOURIS_GAUCHE_RELACHEE}) {
      Verifier(m, &f.principale, ailleurs, cas + " principale");
      Verifier(m, &f.autre, ailleurs, cas + " autre fenetre");
      Verifier(m, c.controles[CONTROLE_NOM], ailleurs, cas + " champ");
    }
    Verifier(SOURIS_AUTRE, Bouton(b), TRANSMISE, cas + " survol de lui-meme");
    Verifier(SOURIS_GAUCHE_RELACHEE, Bouton(b), {SORTIE_JETER, (uint16_t)(707 + 3 * b), 0},
             cas + " relache dessus");
  }
}

TEST_F(CrochetsSourisTest, LOrdreDesLignesDecide) {
  // The held Couper ends before the press on Copier is seen.
  c.tenus[0] = 1;
  Verifier(SOURIS_GAUCHE_ENFONCEE, Bouton(1), {SORTIE_JETER, 708, 0}, "Couper tenu, Copier");
  // A press on an edit comes before every button row.
  Verifier(SOURIS_GAUCHE_ENFONCEE, c.controles[CONTROLE_NOTES], {SORTIE_TRANSMETTRE, 705, 0},
           "Couper tenu, Notes");
  // Couper's press row comes before the held Copier's release elsewhere.
  c.tenus[0] = 0;
  c.tenus[1] = 1;
  Verifier(SOURIS_GAUCHE_ENFONCEE, Bouton(0), {SORTIE_JETER, 706, 0}, "Copier tenu, Couper");
  // Two held: the first in the table wins.
  c.tenus[4] = 1;
  Verifier(SOURIS_AUTRE, &f.principale, {SORTIE_JETER, 711, 0}, "Copier et reculer tenus");
  Verifier(SOURIS_AUTRE, Bouton(1), {SORTIE_JETER, 720, 0}, "sur Copier, reculer tenu");
}

TEST_F(CrochetsSourisTest, RienDeTenuAilleursPasse) {
  for (MessageSouris m : {SOURIS_GAUCHE_ENFONCEE, SOURIS_GAUCHE_RELACHEE, SOURIS_AUTRE}) {
    Verifier(m, &f.principale, TRANSMISE, "principale");
    Verifier(m, &f.autre, TRANSMISE, "autre");
  }
}

TEST(CrochetsSouris, ControlesInconnusNeRepondentARien) {
  Crochets c{};
  for (MessageSouris m : {SOURIS_GAUCHE_ENFONCEE, SOURIS_GAUCHE_RELACHEE, SOURIS_AUTRE})
    Comparer(CrochetsSouris(&c, m, nullptr), TRANSMISE, "fenetre nulle");
}

// A platform whose hook calls are written down and can be made to fail.
std::vector<std::string> journal;
int clavier_refuse, souris_refuse;
char crochet_clavier, crochet_souris;

void* FauxClavier(void* fenetre) {
  journal.push_back(std::string("clavier ") + (char*)fenetre);
  return clavier_refuse ? nullptr : &crochet_clavier;
}
void* FausseSouris(void* fenetre) {
  journal.push_back(std::string("souris ") + (char*)fenetre);
  return souris_refuse ? nullptr : &crochet_souris;
}
void FauxRetrait(void* crochet) {
  journal.push_back(crochet == &crochet_clavier  ? "retrait clavier"
                    : crochet == &crochet_souris ? "retrait souris"
                                                 : "retrait inconnu");
}

class CrochetsInstallerTest : public ::testing::Test {
 protected:
  const PoseCrochets pose = {FauxClavier, FausseSouris, FauxRetrait};
  Crochets c{};
  char fenetre[2] = "F";
  char autre[2] = "G";
  char instance;
  void SetUp() override {
    journal.clear();
    clavier_refuse = souris_refuse = 0;
  }
  uint16_t Installer(void* f, uint16_t on) { return CrochetsInstaller(&c, &pose, f, &instance, on); }
};

TEST_F(CrochetsInstallerTest, ClavierPuisSourisSurLeFilDeLaFenetre) {
  EXPECT_EQ(Installer(fenetre, 1), 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"clavier F", "souris F"}));
  EXPECT_EQ(c.installe, 1);
  EXPECT_EQ(c.fenetre, fenetre);
  EXPECT_EQ(c.instance, &instance);
}

TEST_F(CrochetsInstallerTest, MemeEtatRendZeroSansRienPoserMaisGardeLaFenetre) {
  ASSERT_EQ(Installer(fenetre, 1), 1);
  journal.clear();
  EXPECT_EQ(Installer(autre, 1), 0);
  EXPECT_EQ(Installer(autre, 7), 0);
  EXPECT_TRUE(journal.empty());
  EXPECT_EQ(c.fenetre, autre);
  EXPECT_EQ(c.installe, 1);
}

TEST_F(CrochetsInstallerTest, ArretRetireLesDeuxUneSeuleFois) {
  EXPECT_EQ(Installer(fenetre, 0), 0);
  ASSERT_EQ(Installer(fenetre, 1), 1);
  journal.clear();
  EXPECT_EQ(Installer(fenetre, 0), 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"retrait clavier", "retrait souris"}));
  EXPECT_EQ(c.installe, 0);
  EXPECT_EQ(Installer(fenetre, 0), 0);
  EXPECT_EQ(journal.size(), 2u);
}

TEST_F(CrochetsInstallerTest, EchecDuClavierNeTentePasLaSouris) {
  clavier_refuse = 1;
  EXPECT_EQ(Installer(fenetre, 1), 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"clavier F"}));
  EXPECT_EQ(c.installe, 0);
}

TEST_F(CrochetsInstallerTest, EchecDeLaSourisRetireLeClavierEtPermetDeReessayer) {
  souris_refuse = 1;
  EXPECT_EQ(Installer(fenetre, 1), 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"clavier F", "souris F", "retrait clavier"}));
  EXPECT_EQ(c.installe, 0);
  souris_refuse = 0;
  journal.clear();
  EXPECT_EQ(Installer(fenetre, 1), 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"clavier F", "souris F"}));
}

}  // namespace
