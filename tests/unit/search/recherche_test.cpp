#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "faux_systeme.h"
#include "lvxrech.h"
#include "outils_fiches.h"

namespace {

enum : unsigned { CASSE = 1, EXACT = 2, TOTAL = 4, DEBUT = 8 };
const unsigned TOUS = 0x1F;  // the five fields

Poignee const EDITS[5] = {(Poignee)0x11, (Poignee)0x12, (Poignee)0x13, (Poignee)0x14,
                          (Poignee)0x15};

// A double-byte code page where 0x81 leads a pair, whatever its second byte.
const char* SuivantDouble(void*, const char* t) {
  if (!*t) return t;
  return (unsigned char)*t == 0x81 && t[1] ? t + 2 : t + 1;
}

class RechercheTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  // Exactly the lent sizes, so that the sanitizer sees any overrun.
  std::vector<uint8_t> tampon = std::vector<uint8_t>(65534);
  std::vector<char> tampon_recherche = std::vector<char>(10001);
  std::vector<uint8_t> fiche;
  std::string expression;

  void SetUp() override { InstallerFauxSysteme(&faux); }

  void Poser(const Textes& t, const std::string& e) {
    std::string o = OctetsFiche(t);
    fiche.assign(o.begin(), o.end());
    expression = e;
  }
  uint16_t Tester(unsigned options = 0, unsigned champs = TOUS) {
    auto f = [&](unsigned bit) { return (uint16_t)((champs >> bit) & 1); };
    return Util_Dll_recherche_chaine(fiche.data(), tampon_recherche.data(), expression.data(),
                                     options & CASSE, f(0), f(1), f(2), f(3), f(4),
                                     (options & EXACT) != 0, (options & TOTAL) != 0,
                                     (options & DEBUT) != 0, tampon.data());
  }
  uint16_t Fiche(const Textes& t, const std::string& e, unsigned options = 0,
                 unsigned champs = TOUS) {
    Poser(t, e);
    return Tester(options, champs);
  }

  // The main program's on-screen state between two searches.
  uint32_t occurrences[5] = {};
  Poignee dernier = nullptr;

  uint16_t Ecran(unsigned options = 0, unsigned champs = TOUS) {
    auto f = [&](unsigned bit) { return (uint16_t)((champs >> bit) & 1); };
    uint16_t trouve = Util_Dll_Recherche_Ecran(
        fiche.data(), occurrences[0], occurrences[1], occurrences[2], occurrences[3],
        occurrences[4], dernier, tampon.data(), expression.data(), tampon_recherche.data(),
        options & CASSE, f(0), f(1), f(2), f(3), f(4), EDITS[0], EDITS[1], EDITS[2], EDITS[3],
        EDITS[4], (options & EXACT) != 0, (options & TOTAL) != 0, (options & DEBUT) != 0);
    if (trouve) {
      dernier = RecupererhChampRecherche();
      occurrences[0] = RecupererlpTextOccurNom();
      occurrences[1] = RecupererlpTextOccurURL();
      occurrences[2] = RecupererlpTextOccurRubrique();
      occurrences[3] = RecupererlpTextOccurMotsCles();
      occurrences[4] = RecupererlpTextOccurNotes();
    }
    return trouve;
  }
  // F3 then F4 until nothing more: "field:start-end" for each occurrence.
  std::vector<std::string> Occurrences(const Textes& t, const std::string& e, unsigned options = 0,
                                       unsigned champs = TOUS) {
    Poser(t, e);
    dernier = nullptr;
    std::vector<std::string> vues;
    while (vues.size() < 20 && Ecran(options, champs)) {
      int champ = 0;
      while (EDITS[champ] != dernier) champ++;
      vues.push_back(std::to_string(champ) + ":" + std::to_string(RecupererOffsetRechercheDebut()) +
                     "-" + std::to_string(RecupererOffsetRechercheFin()));
    }
    return vues;
  }
};

struct CasFiche {
  const char* expression;
  const char* nom;  // the Nom de site field; the others are empty
  unsigned options;
  uint16_t attendu;
};

const CasFiche CAS_FICHE[] = {
    // Only a to z fold.
    {"web", "WEB", 0, 1},
    {"web", "Web", 0, 1},
    {"web", "site web", 0, 1},
    {"web", "", 0, 0},
    {"web", "WEB", CASSE, 0},
    {"Web", "site web", CASSE, 0},
    {"WEB", "WEB", CASSE, 1},
    {"été", "été", 0, 1},
    {"été", "éTé", 0, 1},
    {"été", "ÉTÉ", 0, 0},
    {"été", "Été", 0, 0},
    {"ÉTÉ", "été", 0, 0},
    {"webmaster", "web", 0, 0},
    // Exactness: space, tab and CR separate, nothing else does.
    {"web", "le web", EXACT, 1},
    {"web", "web\r\n", EXACT, 1},
    {"web", "\tweb", EXACT, 1},
    {"web", "web,", EXACT, 0},
    {"web", "webcam", EXACT, 0},
    {"web", "(web)", EXACT, 0},
    {"web", "webcam", 0, 1},
    {"web", "webweb web", EXACT, 1},
    {"web", "webweb", EXACT, 0},
    // A line feed after: at the end, or before a space, tab or CR.
    {"web", "web\n", EXACT, 1},
    {"web", "web\n\r", EXACT, 1},
    {"web", "web\n x", EXACT, 1},
    {"web", "web\nsuite", EXACT, 0},
    {"web", "web\n\nx", EXACT, 0},
    // A line feed before: among the first two characters, or after a space, tab or CR.
    {"web", "\nweb", EXACT, 1},
    {"web", "x\nweb", EXACT, 1},
    {"web", "\n\nweb", EXACT, 1},
    {"web", "xy\nweb", EXACT, 0},
    {"web", "x\n\nweb", EXACT, 0},
    {"web", "xy \nweb", EXACT, 1},
    {"web", "xy\t\nweb", EXACT, 1},
    {"web", "xy\r\nweb", EXACT, 1},
    // After a failed candidate the card test goes on from its second byte.
    {"x x", "yx x x", EXACT, 1},
    {"a ", "a a ", EXACT, 1},
    // Whole field.
    {"Paris", "Paris", TOTAL, 1},
    {"Paris", "Paris 75", TOTAL, 0},
    {"Paris", " Paris", TOTAL, 0},
    {"Paris", "PARIS", TOTAL, 1},
    {"Paris", "PARIS", TOTAL | CASSE, 0},
    {"Paris", "Paris", TOTAL | EXACT, 1},
    {"web", "webcam web", TOTAL | EXACT, 0},
    // Start of field, and no second candidate when exactness fails.
    {"ftp:", "ftp://ftp.fr", DEBUT, 1},
    {"ftp:", " ftp://ftp.fr", DEBUT, 0},
    {"ftp", "ftp://ftp.fr", DEBUT | EXACT, 0},
    {"ftp", "ftp x", DEBUT | EXACT, 1},
    {"web", "webcam web", DEBUT | EXACT, 0},
    {"web", "webcam web", EXACT, 1},
    // Long expressions go through the skip table.
    {"abcab", "xabcabcab", 0, 1},
    {"abcab", "abcaabcbab", 0, 0},
    {"www.lemonde.fr", "http://WWW.LEMONDE.FR/", 0, 1},
    {"www.lemonde.fr", "http://www.lemonde.com/", 0, 0},
};

TEST_F(RechercheTest, LaFicheSuitLaRegleDeCorrespondance) {
  for (const CasFiche& c : CAS_FICHE)
    EXPECT_EQ(Fiche({c.nom, "", "", "", ""}, c.expression, c.options), c.attendu)
        << '"' << c.expression << "\" dans \"" << c.nom << "\", options " << c.options;
}

TEST_F(RechercheTest, UneLongueExpressionDecaleSansSauterDOccurrence) {
  // Shifts are capped at 255: an expression of 300 bytes still finds its place.
  std::string e = std::string(299, 'a') + "b";
  EXPECT_EQ(Fiche({std::string(600, 'a') + "b", "", "", "", ""}, e), 1);
  EXPECT_EQ(Fiche({std::string(600, 'a'), "", "", "", ""}, e), 0);
  std::string presque;
  for (int i = 0; i < 3; i++) presque += std::string(298, 'a') + "b";
  EXPECT_EQ(Fiche({presque, "", "", "", ""}, e), 0);
}

TEST_F(RechercheTest, SeulsLesChampsChoisisComptent) {
  const Textes t = {"Le Monde", "http://www.lemonde.fr/", "Actualités", "journal", "web"};
  EXPECT_EQ(Fiche(t, "web", 0, TOUS), 1);
  EXPECT_EQ(Fiche(t, "web", 0, 1 << 4), 1);
  EXPECT_EQ(Fiche(t, "web", 0, TOUS & ~(1u << 4)), 0);
  EXPECT_EQ(Fiche(t, "lemonde", 0, 1 << 1), 1);
  EXPECT_EQ(Fiche(t, "lemonde", 0, 1 << 0), 0);
  EXPECT_EQ(Fiche(t, "journal", 0, 0), 0);
}

TEST_F(RechercheTest, LesTamponsRecoiventLesCopiesEnMajuscules) {
  EXPECT_EQ(Fiche({"Le Monde", "http://www.été.fr/", "", "", ""}, "été.fr"), 1);
  EXPECT_STREQ(tampon_recherche.data(), "éTé.FR");
  EXPECT_STREQ((const char*)tampon.data(), "HTTP://WWW.éTé.FR/");
  EXPECT_EQ(Fiche({"Le Monde", "", "", "", "Notes"}, "notes", CASSE), 0);
  EXPECT_STREQ((const char*)tampon.data(), "Notes");
}

TEST_F(RechercheTest, UnChampLongEstCoupeAuTamponDeTransfert) {
  // 65,000 characters: the longest field the card view writes.
  std::string long_champ = std::string(64997, 'x') + "web";
  EXPECT_EQ(Fiche({"", "", "", "", long_champ}, "web", EXACT), 0);
  EXPECT_EQ(Fiche({"", "", "", "", long_champ}, "xweb", 0), 1);
  EXPECT_EQ(Occurrences({"", "", "", "", long_champ}, "web"),
            (std::vector<std::string>{"4:64997-65000"}));
  // 65,534 bytes, the most a length word allows: the copy keeps 65,533.
  EXPECT_EQ(Fiche({"", "", "", "", std::string(65531, 'x') + "web"}, "web"), 0);
  EXPECT_EQ(Fiche({"", "", "", "", std::string(65530, 'x') + "web!"}, "web"), 1);
}

TEST_F(RechercheTest, UneExpressionTropLongueEstCoupeeASonTampon) {
  std::string e = std::string(10000, 'a') + "zzz";
  EXPECT_EQ(Fiche({std::string(10000, 'A'), "", "", "", ""}, e), 1);
  EXPECT_EQ(tampon_recherche[10000], '\0');
}

TEST_F(RechercheTest, UnNulCacheDansUnTexteLeTermine) {
  // The NUL in each place the copy reads a word or a byte from.
  for (size_t avant : {0, 2, 5, 9, 13, 17}) {
    std::string texte = std::string(avant, 'x') + '\0' + "web";
    Poser({texte, "", "", "", ""}, "web");
    EXPECT_EQ(Tester(), 0) << avant << " bytes before the NUL";
    Poser({texte, "", "", "", ""}, "x");
    EXPECT_EQ(Tester(), avant > 0) << avant << " bytes before the NUL";
    EXPECT_EQ(strlen((const char*)tampon.data()), avant);
  }
}

TEST_F(RechercheTest, EnPageDeCodeDoubleLesCaracteresSontCeuxDeLaPlateforme) {
  faux.caracteres.caractere_suivant = SuivantDouble;
  // Offsets count characters: a pair is one.
  EXPECT_EQ(Occurrences({"\x81\x81 a", "", "", "", ""}, "a"), (std::vector<std::string>{"0:2-3"}));
  // A pair ending in a space byte is no space; a line feed after one pair is
  // the second character.
  EXPECT_EQ(Fiche({"\x81 web", "", "", "", ""}, "web", EXACT), 0);
  EXPECT_EQ(Fiche({"\x81  web", "", "", "", ""}, "web", EXACT), 1);
  EXPECT_EQ(Fiche({"\x81x\nweb", "", "", "", ""}, "web", EXACT), 1);
  EXPECT_EQ(Fiche({"yx\nweb", "", "", "", ""}, "web", EXACT), 0);
}

// Counts the steps through characters.
int pas = 0;
const char* SuivantCompte(void*, const char* t) {
  pas++;
  return *t ? t + 1 : t;
}

TEST_F(RechercheTest, LesCaracteresDUnChampNeSontParcourusQuUneFois) {
  // Every candidate follows a line feed that does not free it: each asks for
  // the characters before it, which must not mean from the start each time.
  std::string notes;
  for (int i = 0; i < 4000; i++) notes += "ab\nweb ";
  faux.caracteres.caractere_suivant = SuivantCompte;
  pas = 0;
  EXPECT_EQ(Fiche({"", "", "", "", notes}, "web", EXACT), 0);
  EXPECT_LE(pas, 2 * (int)notes.size());
}

struct CasEcran {
  Textes fiche;
  const char* expression;
  unsigned options;
  unsigned champs;
  std::vector<std::string> occurrences;
};

TEST_F(RechercheTest, LEcranParcourtLesOccurrencesDuHautEnBas) {
  const CasEcran cas[] = {
      {{"a b a", "xa", "", "", ""}, "a", 0, TOUS, {"0:0-1", "0:4-5", "1:1-2"}},
      {{"web", "web", "web", "web", "web"},
       "WEB",
       0,
       TOUS,
       {"0:0-3", "1:0-3", "2:0-3", "3:0-3", "4:0-3"}},
      {{"web", "web", "web", "web", "web"}, "web", 0, 0x0D, {"0:0-3", "2:0-3", "3:0-3"}},
      {{"webweb web", "", "", "", ""}, "web", EXACT, TOUS, {"0:7-10"}},
      {{"Paris", "Paris 75", "Paris", "", ""}, "paris", TOTAL, TOUS, {"0:0-5", "2:0-5"}},
      {{"ftp ftp", "ftp", "", "", ""}, "ftp", DEBUT, TOUS, {"0:0-3", "1:0-3"}},
      {{"aaaa", "", "", "", ""}, "aa", 0, TOUS, {"0:0-2", "0:2-4"}},
      // A failed candidate skips the character that follows it.
      {{"ab a", "", "", "", ""}, "a", EXACT, TOUS, {"0:3-4"}},
      {{"yx x x", "", "", "", ""}, "x x", EXACT, TOUS, {}},
      {{"a a ", "", "", "", ""}, "a ", EXACT, TOUS, {}},
      {{"a,a a", "", "", "", ""}, "a", EXACT, TOUS, {"0:4-5"}},
      {{"", "", "", "", ""}, "a", 0, TOUS, {}},
  };
  for (const CasEcran& c : cas)
    EXPECT_EQ(Occurrences(c.fiche, c.expression, c.options, c.champs), c.occurrences)
        << '"' << c.expression << "\" dans \"" << c.fiche[0] << '"';
}

TEST_F(RechercheTest, LEcranRendLesPositionsDeReprise) {
  Poser({"a b a", "xa", "", "", ""}, "a");
  ASSERT_EQ(Ecran(), 1);
  EXPECT_EQ(dernier, EDITS[0]);
  EXPECT_EQ(occurrences[0], 1u);
  ASSERT_EQ(Ecran(), 1);
  EXPECT_EQ(occurrences[0], 5u);
  ASSERT_EQ(Ecran(), 1);
  EXPECT_EQ(dernier, EDITS[1]);
  EXPECT_EQ(RecupererOffsetRechercheDebut(), 1);
  EXPECT_EQ(RecupererOffsetRechercheFin(), 2);
  EXPECT_EQ(occurrences[0], 5u);
  EXPECT_EQ(occurrences[1], 2u);
  EXPECT_EQ(Ecran(), 0);
  EXPECT_EQ(Ecran(), 0);  // a further F4 gives the same answer
  // A new search starts from the top whatever positions come with it.
  dernier = nullptr;
  ASSERT_EQ(Ecran(), 1);
  EXPECT_EQ(RecupererOffsetRechercheDebut(), 0);
  EXPECT_EQ(occurrences[1], 0u);
}

TEST_F(RechercheTest, LesPositionsHorsDuChampOuNonChercheesSontSures) {
  Poser({"a", "a", "", "", ""}, "a");
  // The text shrank since the last search: its position means its end.
  dernier = EDITS[0];
  occurrences[0] = 100000;
  occurrences[2] = 7;  // a field not searched keeps its value
  ASSERT_EQ(Ecran(0, 0x03), 1);
  EXPECT_EQ(dernier, EDITS[1]);
  EXPECT_EQ(occurrences[0], 1u);
  EXPECT_EQ(occurrences[2], 7u);
}

// F4 with a resume position left by other criteria or by another card.
struct CasReprise {
  Textes fiche;
  const char* expression;
  unsigned options;
  uint32_t reprise;     // the Nom de site field's resume position
  const char* attendu;  // "field:start-end", or "" for no match
};

TEST_F(RechercheTest, UneRepriseAuMilieuDUnChampNeFaitPasDeChampComplet) {
  const std::string ff6(6, '\xff');
  const CasReprise cas[] = {
      // Whole field: the field from its start, or nothing.
      {{ff6, "", "", "", ""}, "\xff\xff", TOTAL | CASSE, 4, ""},
      {{"abab", "", "", "", ""}, "ab", TOTAL, 2, ""},
      {{"abab", "", "ab", "", ""}, "ab", TOTAL, 2, "2:0-2"},
      {{"ab", "", "", "", ""}, "ab", TOTAL, 1, "0:0-2"},
      {{"ab", "", "", "", ""}, "ab", TOTAL, 2, ""},
      {{"ab", "ab", "", "", ""}, "ab", TOTAL, 7, "1:0-2"},
      {{"web", "", "", "", ""}, "web", TOTAL | EXACT, 1, "0:0-3"},
      // Other modes go on from the position, as before.
      {{"abab", "", "", "", ""}, "ab", 0, 1, "0:2-4"},
      {{"abab", "", "", "", ""}, "ab", DEBUT, 1, ""},
      {{"ab", "", "", "", ""}, "b", 0, 9, ""},
  };
  for (const CasReprise& c : cas) {
    Poser(c.fiche, c.expression);
    dernier = EDITS[0];
    for (uint32_t& o : occurrences) o = 0;
    occurrences[0] = c.reprise;
    uint16_t trouve = Ecran(c.options);
    std::string vu;
    if (trouve) {
      int champ = 0;
      while (EDITS[champ] != dernier) champ++;
      vu = std::to_string(champ) + ":" + std::to_string(RecupererOffsetRechercheDebut()) + "-" +
           std::to_string(RecupererOffsetRechercheFin());
    }
    EXPECT_EQ(vu, c.attendu) << '"' << c.expression << "\" dans \"" << c.fiche[0] << "\" depuis "
                             << c.reprise;
  }
}

// F4 on another, shorter card: the transfer buffer still holds the end of
// the longer field, which must never be searched.
TEST_F(RechercheTest, UneRepriseAuDelaDUnChampPlusCourtNeLitPasLAncienTampon) {
  for (unsigned options : {0u, (unsigned)EXACT, (unsigned)TOTAL, (unsigned)DEBUT, TOTAL | EXACT}) {
    SCOPED_TRACE(options);
    Poser({"ab ab ab ab", "", "", "", ""}, "ab");
    dernier = nullptr;
    ASSERT_EQ(Ecran(0, 0x01), 1);  // the long field now fills the buffer
    Poser({"ab", "", "", "", ""}, "ab");
    dernier = EDITS[0];
    occurrences[0] = 3;  // "ab" stands at 3 in what is left of the old field
    EXPECT_EQ(Ecran(options, 0x01), 0);
  }
}

}  // namespace
