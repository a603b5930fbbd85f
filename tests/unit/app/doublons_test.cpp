#include "doublons.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bench/doublons_litteral.h"
#include "faux_systeme.h"
#include "outils_fiches.h"

namespace {

using M = std::vector<uint16_t>;

std::string Cle(ComparaisonDoublon c, const std::string& texte) {
  std::vector<char> cle(LONGUEUR_CLE_MAX);
  uint32_t n = CleDoublon(c, texte.data(), (uint32_t)texte.size(), cle.data());
  return std::string(cle.data(), n);
}

struct CasCle {
  ComparaisonDoublon comparaison;
  const char* texte;
  const char* cle;
};

TEST(CleDoublon, ChaqueComparaisonReduitLeChampCommeAttendu) {
  const CasCle cas[] = {
      // Whole fields: case folded, trailing '/', space and tab gone.
      {DOUBLON_URL, "http://www.Site.fr/", "HTTP://WWW.SITE.FR"},
      {DOUBLON_URL, "http://www.site.fr", "HTTP://WWW.SITE.FR"},
      {DOUBLON_URL, "http://a.fr/x/ \t/", "HTTP://A.FR/X"},
      {DOUBLON_URL, "http://a.fr/x\\", "HTTP://A.FR/X\\"},
      {DOUBLON_NOM, "Le Monde\t", "LE MONDE"},
      {DOUBLON_NOM, "été", "éTé"},
      {DOUBLON_NOM, "ÉTÉ", "ÉTÉ"},
      {DOUBLON_URL, "/", ""},
      {DOUBLON_URL, " /\t", ""},
      {DOUBLON_URL, "<EXTRAWEB>", ""},
      {DOUBLON_NOM, "<EXTRAWEB>/", ""},
      {DOUBLON_URL, "<extraweb>", "<EXTRAWEB>"},
      // Only targets look for an extra-web card's document.
      {DOUBLON_URL, "<EXTRAWEB>C:\\a.exe D:\\Doc\\note.txt", "<EXTRAWEB>C:\\A.EXE D:\\DOC\\NOTE.TXT"},
      {DOUBLON_CIBLE, "<EXTRAWEB>C:\\a.exe D:\\Doc\\note.txt", "D:\\DOC\\NOTE.TXT"},
      {DOUBLON_CIBLE, "<EXTRAWEB>C:\\Program Files\\Bloc\\b.exe D:\\Doc\\note.txt",
       "D:\\DOC\\NOTE.TXT"},
      // A document path keeps its trailing characters.
      {DOUBLON_CIBLE, "<EXTRAWEB>C:\\a.exe D:\\Doc\\ ", "D:\\DOC\\ "},
      // The look back finds a space further before the drive letter.
      {DOUBLON_CIBLE, "<EXTRAWEB>C:\\a.exe xD:\\doc", "XD:\\DOC"},
      // ... but gives up at the first ':'.
      {DOUBLON_CIBLE, "<EXTRAWEB>C:\\a.exeD:\\doc/", "<EXTRAWEB>C:\\A.EXED:\\DOC"},
      {DOUBLON_CIBLE, "<EXTRAWEB>C:\\a.exe /", "<EXTRAWEB>C:\\A.EXE"},
      {DOUBLON_CIBLE, "<EXTRAWEB>", ""},
      {DOUBLON_CIBLE, "http://www.site.fr/rep/", "HTTP://WWW.SITE.FR/REP"},
      // Target ends: the last component.
      {DOUBLON_FIN_CIBLE, "http://www.site.fr/", "WWW.SITE.FR"},
      {DOUBLON_FIN_CIBLE, "http://www.site.fr/rep/page.html", "PAGE.HTML"},
      {DOUBLON_FIN_CIBLE, "http://un.fr/a", "A"},
      {DOUBLON_FIN_CIBLE, "ftp://deux.com/b/a/", "A"},
      {DOUBLON_FIN_CIBLE, "<EXTRAWEB>C:\\a.exe D:\\Doc\\note.txt", "NOTE.TXT"},
      {DOUBLON_FIN_CIBLE, "<EXTRAWEB>C:\\a.exe D:\\Doc\\sous\\ ", "SOUS"},
      {DOUBLON_FIN_CIBLE, "<EXTRAWEB>C:\\a.exe", "A.EXE"},
      {DOUBLON_FIN_CIBLE, "<EXTRAWEB>", ""},
      {DOUBLON_FIN_CIBLE, "<EXTRAWEB>x", "X"},
      {DOUBLON_FIN_CIBLE, "mailto:qui@site.fr", "QUI@SITE.FR"},
      {DOUBLON_FIN_CIBLE, "abc", "ABC"},
      {DOUBLON_FIN_CIBLE, "/", ""},
      // The first character is never trimmed, and a separator must be followed.
      {DOUBLON_FIN_CIBLE, "\\", "\\"},
      {DOUBLON_FIN_CIBLE, "a\\\\", "A"},
      {DOUBLON_FIN_CIBLE, "x>", "X>"},
  };
  for (const CasCle& c : cas) {
    EXPECT_EQ(Cle(c.comparaison, c.texte), c.cle) << c.texte;
    EXPECT_EQ(CleLitterale(c.comparaison, c.texte), c.cle) << "reference: " << c.texte;
  }
}

TEST(CleDoublon, SeulsLes9999PremiersCaracteresComptent) {
  std::string debut(9999, 'a');
  EXPECT_EQ(Cle(DOUBLON_URL, debut + "b"), Cle(DOUBLON_URL, debut + "c"));
  EXPECT_EQ(Cle(DOUBLON_URL, debut + "b").size(), 9999u);
  // Trimming looks at the cut text: its last kept character is a slash.
  EXPECT_EQ(Cle(DOUBLON_URL, std::string(9998, 'a') + "/b"), std::string(9998, 'A'));
}

class DoublonsTest : public EssaiMagasin {
 protected:
  // A store of these URLs (or site names), card k with mark marques[k].
  void Remplir(const std::vector<std::string>& champs, int champ = CHAMP_URL,
               const std::vector<uint16_t>& marques = {}) {
    std::vector<Textes> fiches;
    for (const std::string& c : champs) {
      Textes t;
      t[champ] = c;
      fiches.push_back(t);
    }
    RemplirMagasin(&m, sys->memoire, fiches);
    uint8_t* f = m.lpDebutMem;
    for (size_t k = 0; k < marques.size(); k++, f = FicheSuivante(f)) EcrireMot(f, marques[k]);
  }
  std::vector<uint16_t> Marques() {
    std::vector<uint16_t> r;
    for (uint8_t* f = m.lpDebutMem; f != m.lpFinMem; f = FicheSuivante(f)) r.push_back(LireMot(f));
    return r;
  }
};

TEST_F(DoublonsTest, MarqueLesFichesDontLaCleRevient) {
  struct Cas {
    ComparaisonDoublon c;
    std::vector<std::string> champs;
    M attendues;
  };
  const std::vector<std::string> deux_hotes = {"http://un.fr/a", "http://deux.com/a/"};
  const std::vector<std::string> extraweb = {
      "<EXTRAWEB>C:\\Bloc\\bloc.exe D:\\Doc\\note.txt",
      "<EXTRAWEB>C:\\Program Files\\Ecrire\\ecrire.exe d:\\doc\\NOTE.txt", "D:\\Doc"};
  const Cas cas[] = {
      {DOUBLON_URL, {"http://www.site.fr/", "HTTP://WWW.SITE.FR", "http://autre.fr"}, {1, 1, 0}},
      {DOUBLON_URL, deux_hotes, {0, 0}},
      {DOUBLON_CIBLE, deux_hotes, {0, 0}},
      {DOUBLON_FIN_CIBLE, deux_hotes, {1, 1}},
      {DOUBLON_URL, extraweb, {0, 0, 0}},
      {DOUBLON_CIBLE, extraweb, {1, 1, 0}},
      {DOUBLON_NOM, {"été", "ÉTÉ", "éTé"}, {1, 0, 1}},
      // An empty field has no entry of its own: it is a duplicate only of
      // two non-empty fields that reduce to nothing.
      {DOUBLON_URL, {"", "", "http://x.fr"}, {0, 0, 0}},
      {DOUBLON_URL, {"", "/", "http://x.fr"}, {0, 0, 0}},
      {DOUBLON_URL, {"", "/", "<EXTRAWEB>", "http://x.fr", ""}, {1, 1, 1, 0, 1}},
      {DOUBLON_FIN_CIBLE, {"", ""}, {0, 0}},
  };
  for (const Cas& c : cas) {
    Remplir(c.champs, c.c == DOUBLON_NOM ? CHAMP_NOM : CHAMP_URL);
    EXPECT_GE(DoublonsMarquer(sys->memoire, m.lpDebutMem, m.lpFinMem, c.c, ACTION_MARQUER), 0);
    EXPECT_EQ(Marques(), c.attendues) << c.champs[0] << " ... (" << c.c << ")";
    MagasinLiberer(&m, sys->memoire);
  }
}

TEST_F(DoublonsTest, ChaqueActionSuitSaRegleEtCompteSesChangements) {
  // Three duplicates marked 0, 1 and 2; one card alone.
  std::vector<std::string> urls = {"a", "a/", "A", "b"};
  Remplir(urls, CHAMP_URL, {0, 1, 2, 1});
  EXPECT_EQ(DoublonsMarquer(sys->memoire, m.lpDebutMem, m.lpFinMem, DOUBLON_URL, ACTION_BASCULER),
            3);
  EXPECT_EQ(Marques(), (M{1, 0, 0, 1})) << "any nonzero word toggles to 0";
  MagasinLiberer(&m, sys->memoire);

  Remplir(urls, CHAMP_URL, {0, 1, 2, 0});
  EXPECT_EQ(DoublonsMarquer(sys->memoire, m.lpDebutMem, m.lpFinMem, DOUBLON_URL, ACTION_MARQUER),
            1);
  EXPECT_EQ(Marques(), (M{1, 1, 2, 0})) << "only a 0 is marked";
  MagasinLiberer(&m, sys->memoire);

  Remplir(urls, CHAMP_URL, {0, 1, 2, 1});
  EXPECT_EQ(DoublonsMarquer(sys->memoire, m.lpDebutMem, m.lpFinMem, DOUBLON_URL, ACTION_SUPPRIMER),
            1);
  EXPECT_EQ(Marques(), (M{0, 0, 2, 1})) << "only a 1 is unmarked";
}

TEST_F(DoublonsTest, SansMemoirePourLesClesAucuneMarqueNeChange) {
  Remplir({"a", "a", "b"}, CHAMP_URL, {0, 1, 0});
  faux.echec_allocation_dans = 1;
  EXPECT_EQ(DoublonsMarquer(sys->memoire, m.lpDebutMem, m.lpFinMem, DOUBLON_URL, ACTION_BASCULER),
            -1);
  EXPECT_EQ(Marques(), (M{0, 1, 0}));
}

// Random fields made of the pieces the keys are sensitive to, so that many
// cards collide in one way or another.
std::string ChampAuHasard(std::mt19937& h) {
  static const char* const MORCEAUX[] = {
      "http://", "a",   "A",  "b",  "/",  " ",  "\t", "\\", ":",  ">",  "<EXTRAWEB>",
      "C:\\x",   " D:\\y", "d:\\Y", "é", "É", " ", "www.s.fr", "/p.html"};
  std::string s;
  for (int n = (int)(h() % 5); n > 0; n--) s += MORCEAUX[h() % (sizeof MORCEAUX / sizeof *MORCEAUX)];
  return s;
}

TEST_F(DoublonsTest, MemesMarquesQueLaListeDuTexteSurDesMagasinsAuHasard) {
  std::mt19937 h(20240611);
  const ComparaisonDoublon comparaisons[] = {DOUBLON_NOM, DOUBLON_URL, DOUBLON_CIBLE,
                                             DOUBLON_FIN_CIBLE};
  const ActionMarquage actions[] = {ACTION_BASCULER, ACTION_MARQUER, ACTION_SUPPRIMER};
  for (int essai = 0; essai < 300; essai++) {
    int n = 1 + (int)(h() % 30);
    std::vector<std::string> champs;
    std::vector<uint16_t> marques;
    for (int k = 0; k < n; k++) {
      champs.push_back(ChampAuHasard(h));
      marques.push_back((uint16_t)(h() % 3));
    }
    ComparaisonDoublon c = comparaisons[essai % 4];
    ActionMarquage a = actions[(essai / 4) % 3];
    Remplir(champs, c == DOUBLON_NOM ? CHAMP_NOM : CHAMP_URL, marques);
    int64_t litteral = DoublonsMarquerLitteral(m.lpDebutMem, m.lpFinMem, c, a);
    std::vector<uint16_t> attendues = Marques();
    MagasinLiberer(&m, sys->memoire);
    Remplir(champs, c == DOUBLON_NOM ? CHAMP_NOM : CHAMP_URL, marques);
    ASSERT_EQ(DoublonsMarquer(sys->memoire, m.lpDebutMem, m.lpFinMem, c, a), litteral)
        << "essai " << essai;
    ASSERT_EQ(Marques(), attendues) << "essai " << essai;
    MagasinLiberer(&m, sys->memoire);
  }
}

}  // namespace
