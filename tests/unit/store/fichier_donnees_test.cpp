#include "fichier_donnees.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "faux_systeme.h"
#include "lvxfiles.h"
#include "outils_fiches.h"

namespace {

const char MAGIE[] = "LorVanix version1 Fichier CARTES";
Poignee const FENETRE = (Poignee)0x100;
Poignee const FLECHE = (Poignee)0x200;
Poignee const ATTENTE = (Poignee)0x300;

class DonneesTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  const SystemeProgramme* sys = &faux.programme;
  Magasin m{};
  std::vector<uint8_t> tampon = std::vector<uint8_t>(TAILLE_TRANSFERT);

  void SetUp() override { InstallerFauxSysteme(&faux); }
  void TearDown() override {
    MagasinLiberer(&m, sys->memoire);
    EXPECT_EQ(faux.blocs_vivants, 0);
  }
  uint16_t Charger(const char* chemin) {
    return DonneesCharger(sys->memoire, sys->fichiers, sys->fenetres, &m, chemin, MAGIE, FLECHE,
                          ATTENTE, tampon.data(), FENETRE);
  }
  uint16_t Sauver(const char* chemin) {
    return DonneesSauver(sys->fichiers, sys->fenetres, m.lpDebutMem, m.lpFinMem, chemin, MAGIE,
                         m.TailleTotaleFiches, (uint32_t)m.TotalFiches, FLECHE, ATTENTE,
                         tampon.data(), FENETRE);
  }
  std::string Octets() const { return std::string((const char*)m.lpDebutMem, m.TailleTotaleFiches); }
  void AttendreUnSeulMessage(const std::string& texte, unsigned icone) {
    ASSERT_EQ(faux.messages.size(), 1u);
    EXPECT_EQ(faux.messages[0].texte, texte);
    EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
    EXPECT_EQ(faux.messages[0].style, BOITE_OK | icone);
  }
};

TEST_F(DonneesTest, UnTravailNeufSeSauveEn71Octets) {
  MagasinNouveau(&m, sys->memoire);
  ASSERT_EQ(Sauver("C:\\neuf.lvx"), 1);
  std::string attendu = std::string(MAGIE) + std::string(8, '\0') + std::string("\0\0", 2);
  for (int i = 0; i < 5; i++) attendu += std::string("\x01\x00\x00\x01\x00", 5);
  attendu += std::string("\x01\x00\x00\x00", 4);
  EXPECT_EQ(faux.Lire("C:\\neuf.lvx"), attendu);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(DonneesTest, AllerRetourGardeChaqueOctet) {
  RemplirMagasin(
      &m, sys->memoire,
      {{"Légifrance", "https://www.legifrance.gouv.fr/", "Administration", "droit\r\nlois", "été"},
       {"", "mailto:contact@example.fr", "", "", ""}});
  EcrireMot(m.lpDebutMem, 1);
  std::string avant = Octets();
  ASSERT_EQ(Sauver("C:\\aller.lvx"), 1);
  MagasinLiberer(&m, sys->memoire);
  MagasinNouveau(&m, sys->memoire);
  ASSERT_EQ(Charger("C:\\aller.lvx"), 1);
  EXPECT_EQ(Octets(), avant);
  EXPECT_EQ(m.TotalFiches, 2);
  EXPECT_EQ(m.lpFinMem, m.lpDebutMem + avant.size());
  EXPECT_EQ(m.longSize, avant.size() + 1000);

  // A block that is already large enough keeps its size: it never shrinks.
  MagasinLiberer(&m, sys->memoire);
  RemplirMagasin(&m, sys->memoire, {{"x", "", "", "", ""}}, 9000);
  uint32_t grand = m.longSize;
  ASSERT_EQ(Charger("C:\\aller.lvx"), 1);
  EXPECT_EQ(m.longSize, grand);
  EXPECT_EQ(Octets(), avant);
}

TEST_F(DonneesTest, UnMagasinDe150000OctetsPartEnTroisMorceaux) {
  std::vector<Textes> fiches;
  // 27 + 4973 bytes per card: 30 cards make 150,000 bytes.
  for (int i = 0; i < 30; i++) fiches.push_back({std::string(4973, 'a' + i % 26), "", "", "", ""});
  RemplirMagasin(&m, sys->memoire, fiches);
  ASSERT_EQ(m.TailleTotaleFiches, 150000u);
  ASSERT_EQ(Sauver("C:\\gros.lvx"), 1);
  EXPECT_EQ(faux.ecritures, (std::vector<size_t>{40, 65534, 65534, 18932, 4}));
  EXPECT_EQ(faux.redessins, 1 + 3) << "once at the start, then before each chunk";
  EXPECT_EQ(faux.Lire("C:\\gros.lvx").size(), 150044u);
  MagasinLiberer(&m, sys->memoire);
  MagasinNouveau(&m, sys->memoire);
  faux.redessins = 0;
  faux.curseurs.clear();
  ASSERT_EQ(Charger("C:\\gros.lvx"), 1);
  EXPECT_EQ(m.TailleTotaleFiches, 150000u);
  EXPECT_EQ(m.longSize, 151000u);
  EXPECT_EQ(faux.redessins, 1 + 3);
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE}));
}

TEST_F(DonneesTest, LesOctets33A39DeLEnteteNeSontPasLus) {
  std::string fichier = OctetsFichier(OctetsFiche({"a", "", "", "", ""}), 1);
  memcpy(&fichier[33], "xyz\x01\x02\x03\x04", 7);
  faux.Ecrire("C:\\libre.lvx", fichier);
  MagasinNouveau(&m, sys->memoire);
  EXPECT_EQ(Charger("C:\\libre.lvx"), 1);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(DonneesTest, LeCompteDesFichesEstBorneA9999999) {
  // The count is checked before the cards: a count alone decides the refusal.
  faux.Ecrire("C:\\trop.lvx", OctetsFichier(OctetsFiche({"", "", "", "", ""}), 10000000));
  MagasinNouveau(&m, sys->memoire);
  std::string avant = Octets();
  EXPECT_EQ(Charger("C:\\trop.lvx"), 0);
  AttendreUnSeulMessage("Ce fichier contient trop de fiches.", ICONE_ATTENTION);
  EXPECT_EQ(Octets(), avant);

  // 9,999,999 passes the count test; these bytes hold one card, so the
  // walk then refuses the file as malformed.
  faux.messages.clear();
  faux.Ecrire("C:\\max.lvx", OctetsFichier(OctetsFiche({"", "", "", "", ""}), 9999999));
  EXPECT_EQ(Charger("C:\\max.lvx"), 0);
  AttendreUnSeulMessage("Erreur de format.", ICONE_ERREUR);
}

TEST_F(DonneesTest, FichiersRefusesSansToucherAuMagasin) {
  std::string carte = OctetsFiche({"site", "url", "", "", ""});
  struct Cas {
    const char* nom;
    std::string octets;  // empty name: no file at all
    const char* message;
  };
  std::string magie_fausse = OctetsFichier(carte, 1);
  magie_fausse[3] = 'v';
  std::string sans_nul = OctetsFichier(carte, 1);
  sans_nul[32] = 'x';
  std::string deborde = OctetsFichier(carte, 1);
  deborde[40 + 2] = (char)0xF0;  // first length runs past the end
  std::string magie_seule = std::string(MAGIE) + std::string(1, '\0');
  const Cas cas[] = {
      {"absent", "", "Ouverture du fichier impossible."},
      {"vide", std::string(), "Ce fichier est vide."},
      {"magie", magie_fausse, "Erreur de format."},
      {"sans_nul", sans_nul, "Erreur de format."},
      {"court", "LorVa", "Erreur de format."},
      {"magie_seule", magie_seule, "Erreur de format."},
      {"entete_40", magie_seule + std::string(7, '\0'), "Erreur de format."},
      {"sans_fiche", OctetsFichier("", 0), "Erreur de format."},
      {"compte_zero", OctetsFichier(carte, 0), "Erreur de format."},
      {"compte_plus", OctetsFichier(carte, 2), "Erreur de format."},
      {"compte_moins", OctetsFichier(carte + carte, 1), "Erreur de format."},
      {"deborde", deborde, "Erreur de format."},
      {"queue", OctetsFichier(carte + "xyz", 1), "Erreur de format."},
  };
  RemplirMagasin(&m, sys->memoire, {{"garde", "moi", "", "", ""}});
  Magasin avant = m;
  std::string octets_avant = Octets();
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    std::string chemin = std::string("C:\\") + c.nom + ".lvx";
    if (std::string(c.nom) != "absent") faux.Ecrire(chemin, c.octets);
    faux.messages.clear();
    EXPECT_EQ(Charger(chemin.c_str()), 0);
    AttendreUnSeulMessage(c.message, ICONE_ERREUR);
    EXPECT_EQ(memcmp(&m, &avant, sizeof m), 0);
    EXPECT_EQ(Octets(), octets_avant);
  }
}

TEST_F(DonneesTest, UneAllocationImpossibleAuChargementGardeLeTravail) {
  faux.Ecrire("C:\\a.lvx", OctetsFichier(OctetsFiche({"a", "", "", "", ""}), 1));
  MagasinNouveau(&m, sys->memoire);
  Magasin avant = m;
  faux.echec_allocation_dans = 1;
  EXPECT_EQ(Charger("C:\\a.lvx"), 0);
  AttendreUnSeulMessage("Allocation de mémoire impossible !", ICONE_ERREUR);
  EXPECT_EQ(memcmp(&m, &avant, sizeof m), 0);
}

// The file is walked chunk by chunk before the store is touched: whatever
// byte is damaged at the seam of two chunks, the verdict is the one of the
// walk over the whole cards, and a refused file leaves the store as it was.
TEST_F(DonneesTest, LaVerificationParMorceauxVautCelleDuBlocEntier) {
  RemplirMagasin(&m, sys->memoire, {{"garde", "", "", "", ""}});
  Magasin avant = m;
  const std::string octets_avant = Octets();
  for (uint32_t decalage = 0; decalage < 6; decalage++) {
    // A first card of a varying length brings each part of a field onto the seam.
    std::string cartes = OctetsFiche({std::string(65000 + decalage, 'd'), "", "", "", ""}) +
                         OctetsFiche({"e", "f", "g", "h", "i"}) +
                         OctetsFiche({std::string(70000, 'j'), "", "", "", ""});
    for (uint32_t seam : {65534u, 131068u})
      for (uint32_t k = seam - 8; k <= seam + 8; k++)
        for (uint8_t valeur : {0x00, 0x01, 0xFF}) {
          if (k >= cartes.size() || (uint8_t)cartes[k] == valeur) continue;
          std::string abimees = cartes;
          abimees[k] = (char)valeur;
          int attendu =
              FichesValides((const uint8_t*)abimees.data(), abimees.size(), 3) ? 1 : 0;
          faux.Ecrire("C:\\seam.lvx", OctetsFichier(abimees, 3));
          faux.messages.clear();
          SCOPED_TRACE("decalage " + std::to_string(decalage) + ", octet " + std::to_string(k) +
                       " = " + std::to_string(valeur));
          ASSERT_EQ(Charger("C:\\seam.lvx"), attendu);
          if (attendu) {
            EXPECT_EQ(Octets(), abimees);
            MagasinLiberer(&m, sys->memoire);
            RemplirMagasin(&m, sys->memoire, {{"garde", "", "", "", ""}});
            avant = m;
          } else {
            AttendreUnSeulMessage("Erreur de format.", ICONE_ERREUR);
            EXPECT_EQ(memcmp(&m, &avant, sizeof m), 0);
            EXPECT_EQ(Octets(), octets_avant);
          }
        }
  }
}

// The cards go into the store's own block: kept where it is when large
// enough, grown in place otherwise; never a second block beside it.
TEST_F(DonneesTest, LeBlocDuMagasinSertSansCopieASesCotes) {
  std::string cartes = OctetsFiche({std::string(5000, 'a'), "", "", "", ""});
  faux.Ecrire("C:\\bloc.lvx", OctetsFichier(cartes, 1));
  struct Cas {
    uint32_t marge;         // spare bytes of the store before the load
    uint32_t long_size;     // the block's size afterwards
    bool meme_adresse;      // the block did not move
  };
  const uint32_t taille_vide = 27;
  const Cas cas[] = {
      {6000, taille_vide + 6000, true},
      {(uint32_t)cartes.size() + 1000 - taille_vide, (uint32_t)cartes.size() + 1000, true},
      {1000, (uint32_t)cartes.size() + 1000, false},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.marge);
    MagasinLiberer(&m, sys->memoire);
    RemplirMagasin(&m, sys->memoire, {{"", "", "", "", ""}}, c.marge);
    const uint8_t* adresse = m.lpDebutMem;
    const Poignee bloc = m.GlobalDebutMem;
    int vivants = faux.blocs_vivants;
    ASSERT_EQ(Charger("C:\\bloc.lvx"), 1);
    EXPECT_EQ(faux.blocs_vivants, vivants);
    EXPECT_EQ(m.GlobalDebutMem, bloc);
    EXPECT_EQ(m.longSize, c.long_size);
    EXPECT_EQ(m.lpDebutMem == adresse, c.meme_adresse);
    EXPECT_EQ(Octets(), cartes);
  }
}

// A file that changes between its check and its reading: the old cards are
// already overwritten, so the store is handed back holding one empty card.
int lectures_avant_changement;
size_t (*faux_lire_reel)(void*, Poignee, void*, size_t);
size_t LireQuiChange(void* ctx, Poignee f, void* tampon, size_t n) {
  size_t lu = faux_lire_reel(ctx, f, tampon, n);
  if (--lectures_avant_changement == 0 && lu > 10) ((uint8_t*)tampon)[9] = 0xEE;
  return lu;
}

TEST_F(DonneesTest, UnFichierQuiChangeEntreLesDeuxPassesLaisseUneFicheVide) {
  std::string cartes = OctetsFiche({"un", "", "", "", ""}) + OctetsFiche({"deux", "", "", "", ""});
  faux.Ecrire("C:\\change.lvx", OctetsFichier(cartes, 2));
  RemplirMagasin(&m, sys->memoire, {{"ancien", "", "", "", ""}});
  Fichiers changeante = faux.fichiers;
  faux_lire_reel = faux.fichiers.fichier_lire;
  changeante.fichier_lire = LireQuiChange;
  // The header, the count, the check, then the reading into the store.
  lectures_avant_changement = 4;
  EXPECT_EQ(DonneesCharger(&faux.memoire, &changeante, &faux.fenetres, &m, "C:\\change.lvx", MAGIE,
                           FLECHE, ATTENTE, tampon.data(), FENETRE),
            0);
  AttendreUnSeulMessage("Erreur de format.", ICONE_ERREUR);
  EXPECT_EQ(Octets(), OctetsFiche({"", "", "", "", ""}));
  EXPECT_EQ(m.TotalFiches, 1);
  EXPECT_EQ(m.NumFiche, 1);
  EXPECT_EQ(m.lpFicheEcran, m.lpDebutMem);
}

TEST_F(DonneesTest, UnMagasinSansOctetNeSauveRienEtReussit) {
  MagasinNouveau(&m, sys->memoire);
  m.lpFinMem = m.lpDebutMem;
  m.TailleTotaleFiches = 0;
  EXPECT_EQ(Sauver("C:\\rien.lvx"), 1);
  EXPECT_FALSE(faux.Existe("C:\\rien.lvx"));
  EXPECT_TRUE(faux.fichiers_crees.empty());
}

TEST_F(DonneesTest, LAncienFichierCompteCommePlaceDisponible) {
  // A store of 120,000 bytes over a 100,000-byte file needs 20,044 more bytes.
  std::vector<Textes> fiches;
  for (int i = 0; i < 10; i++) fiches.push_back({std::string(11973, 'x'), "", "", "", ""});
  RemplirMagasin(&m, sys->memoire, fiches);
  ASSERT_EQ(m.TailleTotaleFiches, 120000u);
  faux.Ecrire("C:\\place.lvx", std::string(100000, 'o'));

  faux.espace_libre = 20043;
  EXPECT_EQ(Sauver("C:\\place.lvx"), 0);
  AttendreUnSeulMessage(
      "Il n'y a pas assez de place sur le disque, impossible d'exécuter l'opération.",
      ICONE_ERREUR);
  EXPECT_EQ(faux.Lire("C:\\place.lvx"), std::string(100000, 'o'));

  faux.messages.clear();
  faux.espace_libre = 20044;
  EXPECT_EQ(Sauver("C:\\place.lvx"), 1);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(faux.Lire("C:\\place.lvx").size(), 120044u);
}

TEST_F(DonneesTest, LeMessageDePlaceEstEnWindows1252) {
  MagasinNouveau(&m, sys->memoire);
  faux.espace_libre = 10;
  EXPECT_EQ(Sauver("C:\\x.lvx"), 0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_NE(faux.messages[0].texte.find("\xE9"), std::string::npos) << "é is the single byte E9";
  EXPECT_EQ(faux.messages[0].texte.find("\xC3\xA9"), std::string::npos) << "no UTF-8 left";
}

TEST_F(DonneesTest, UneEcritureQuiEchoueLaisseLAncienFichierEntier) {
  RemplirMagasin(&m, sys->memoire, {{std::string(100000, 'n'), "", "", "", ""}});
  faux.Ecrire("C:\\garde.lvx", "ancien contenu");
  faux.ecriture_echoue_apres = 70000;
  EXPECT_EQ(Sauver("C:\\garde.lvx"), 0);
  AttendreUnSeulMessage("Ecriture sur le disque impossible.", ICONE_ERREUR);
  EXPECT_EQ(faux.Lire("C:\\garde.lvx"), "ancien contenu");
  EXPECT_FALSE(faux.Existe("C:\\lvx1.tmp")) << "the temporary file is removed";
}

TEST_F(DonneesTest, UnRemplacementQuiEchoueEstUnEchec) {
  MagasinNouveau(&m, sys->memoire);
  faux.Ecrire("C:\\garde.lvx", "ancien");
  faux.remplacement_echoue = 1;
  EXPECT_EQ(Sauver("C:\\garde.lvx"), 0);
  AttendreUnSeulMessage("Ecriture sur le disque impossible.", ICONE_ERREUR);
  EXPECT_EQ(faux.Lire("C:\\garde.lvx"), "ancien");
}

TEST_F(DonneesTest, SansPlacePourUneCopieLeFichierEstRecritSurPlace) {
  MagasinNouveau(&m, sys->memoire);
  faux.Ecrire("C:\\plein.lvx", std::string(200, 'o'));
  faux.espace_libre = 0;
  EXPECT_EQ(Sauver("C:\\plein.lvx"), 1);
  EXPECT_EQ(faux.Lire("C:\\plein.lvx").size(), 71u);
  EXPECT_EQ(faux.fichiers_crees, (std::vector<std::string>{"C:\\plein.lvx"}));
}

TEST_F(DonneesTest, CreationImpossible) {
  MagasinNouveau(&m, sys->memoire);
  faux.creation_echoue = 1;
  EXPECT_EQ(Sauver("C:\\x.lvx"), 0);
  AttendreUnSeulMessage("Ecriture sur le disque impossible.", ICONE_ERREUR);
}

TEST_F(DonneesTest, LesExportsRendentLeMagasinParLeursGetters) {
  faux.Ecrire("C:\\e.lvx", OctetsFichier(OctetsFiche({"a", "", "", "", ""}) +
                                             OctetsFiche({"b", "", "", "", ""}), 2));
  MagasinNouveau(&m, sys->memoire);
  char chemin[256] = "C:\\e.lvx";
  char magie[] = "LorVanix version1 Fichier CARTES";
  ASSERT_EQ(Util_Dll_lvxfiles_charger_fichier(chemin, magie, FLECHE, ATTENTE, m.lpDebutMem,
                                              m.lpFinMem, m.longSize, tampon.data(),
                                              m.GlobalDebutMem, FENETRE),
            1);
  m.GlobalDebutMem = Util_Dll_lvxfiles_Recuperer_GlobalDebutMem();
  m.lpDebutMem = Util_Dll_lvxfiles_Recuperer_lpDebutMem();
  m.lpFinMem = Util_Dll_lvxfiles_Recuperer_lpFinMem();
  m.longSize = Util_Dll_lvxfiles_Recuperer_longSize();
  m.TailleTotaleFiches = Util_Dll_lvxfiles_Recuperer_TailleTotaleFiches();
  m.TotalFiches = Util_Dll_lvxfiles_Recuperer_TotalFiches();
  EXPECT_EQ(m.TotalFiches, 2);
  EXPECT_EQ(m.TailleTotaleFiches, 56u);
  EXPECT_EQ(TextesFiche(FicheSuivante(m.lpDebutMem))[0], "b");
}

}  // namespace
