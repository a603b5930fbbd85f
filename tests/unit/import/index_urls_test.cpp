#include "index_urls.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ajout_fiche.h"
#include "faux_systeme.h"
#include "outils_fiches.h"

namespace {

class IndexUrlsTest : public EssaiMagasin {
 protected:
  IndexUrls index{};
  uint16_t modifiees = 0;

  void TearDown() override {
    IndexUrlsLiberer(sys->memoire, &index);
    EssaiMagasin::TearDown();
  }
  void Remplir(const std::vector<std::string>& urls, uint32_t marge = 1000) {
    std::vector<Textes> fiches;
    for (const std::string& u : urls) fiches.push_back({"", u, "", "", ""});
    RemplirMagasin(&m, sys->memoire, fiches, marge);
  }
  ResultatAjout Ajouter(const std::string& url) {
    const char* textes[NB_CHAMPS] = {"nom", url.c_str(), "", "", ""};
    return FicheAjouter(sys->memoire, &m, textes, &modifiees, &index);
  }
  bool Contient(const std::string& t) {
    return IndexUrlsContient(&index, t.data(), (uint32_t)t.size());
  }
  bool ContientExtraWeb(const std::string& t) {
    return IndexUrlsContientExtraWeb(&index, t.data(), (uint32_t)t.size());
  }
  bool Parcours(ComparaisonUrl c, const std::string& t) {
    return UrlConnueParParcours(m.lpDebutMem, m.lpFinMem, c, t.data(), (uint32_t)t.size());
  }
  bool ParcoursExtraWeb(const std::string& t) {
    return UrlExtraWebConnueParParcours(m.lpDebutMem, m.lpFinMem, t.data(), (uint32_t)t.size());
  }
};

struct CasDoublon {
  ComparaisonUrl comparaison;
  const char* trouve;
  bool doublon;
};

TEST_F(IndexUrlsTest, ChaqueComparaisonTrouveLesDoublonsDuTexte) {
  Remplir({
      "http://Example.org/x.htm",
      "mailto:doe@example.org",
      "MAILTO:jean@example.org",
      "mailto:",
      "<EXTRAWEB>C:\\Outils\\ed.exe D:\\Docs\\Lettre.doc",
      "<EXTRAWEB>D:\\Docs\\Outil.exe",
      "<extraweb>c:\\a.exe e:\\Notes.txt",
      "<EXTRAWEB>C:\\a.exeD:\\sans-espace.txt",
      "d:\\docs\\simple.txt",
      "<EXTRAWEB>",
  });
  const CasDoublon cas[] = {
      // Byte for byte: case counts, "mailto:" stays.
      {COMPARAISON_OCTETS, "http://Example.org/x.htm", true},
      {COMPARAISON_OCTETS, "http://example.org/x.htm", false},
      {COMPARAISON_OCTETS, "mailto:doe@example.org", true},
      {COMPARAISON_OCTETS, "doe@example.org", false},
      {COMPARAISON_OCTETS, "", false},
      // The card's "mailto:" goes, in any case; the found text keeps its own.
      {COMPARAISON_SANS_MAILTO, "doe@example.org", true},
      {COMPARAISON_SANS_MAILTO, "jean@example.org", true},
      {COMPARAISON_SANS_MAILTO, "JEAN@example.org", false},
      {COMPARAISON_SANS_MAILTO, "mailto:doe@example.org", false},
      {COMPARAISON_SANS_MAILTO, "", true},  // the bare "mailto:" card
      {COMPARAISON_SANS_MAILTO, "http://Example.org/x.htm", true},
      // Extra-web document parts and other URLs whole, in capitals.
      {COMPARAISON_DOCUMENT, "d:\\docs\\lettre.doc", true},
      {COMPARAISON_DOCUMENT, "D:\\Docs\\Outil.exe", false},  // one ':' only: empty part
      {COMPARAISON_DOCUMENT, "E:\\NOTES.TXT", true},          // the tag counts in any case
      {COMPARAISON_DOCUMENT, "D:\\sans-espace.txt", false},   // no space before the ':'
      {COMPARAISON_DOCUMENT, "D:\\DOCS\\SIMPLE.TXT", true},
      {COMPARAISON_DOCUMENT, "HTTP://EXAMPLE.ORG/X.HTM", true},
      {COMPARAISON_DOCUMENT, "", true},  // the cards with an empty part
  };
  for (ComparaisonUrl c : {COMPARAISON_OCTETS, COMPARAISON_SANS_MAILTO, COMPARAISON_DOCUMENT}) {
    IndexUrlsConstruire(sys->memoire, &index, &m, c);
    ASSERT_EQ(index.actif, 1);
    for (const CasDoublon& k : cas) {
      if (k.comparaison != c) continue;
      EXPECT_EQ(Contient(k.trouve), k.doublon) << c << " " << k.trouve;
      EXPECT_EQ(Parcours(c, k.trouve), k.doublon) << "walk " << c << " " << k.trouve;
    }
    IndexUrlsLiberer(sys->memoire, &index);
  }
  // A file that is its own application: the whole extra-web URL, in capitals.
  IndexUrlsConstruire(sys->memoire, &index, &m, COMPARAISON_DOCUMENT);
  for (auto [url, doublon] : std::vector<std::pair<std::string, bool>>{
           {"<EXTRAWEB>d:\\docs\\outil.exe", true},
           {"<extraweb>C:\\A.EXE E:\\NOTES.TXT", true},
           {"<EXTRAWEB>", true},
           {"D:\\DOCS\\SIMPLE.TXT", false},  // not an extra-web card
           {"<EXTRAWEB>D:\\Docs\\Outil.ex", false},
       }) {
    EXPECT_EQ(ContientExtraWeb(url), doublon) << url;
    EXPECT_EQ(ParcoursExtraWeb(url), doublon) << "walk " << url;
  }
}

// URLs made of pieces that meet the rules' edges: prefixes in every case,
// colons, spaces, accented bytes, empty texts.
std::string UrlAuHasard(std::mt19937& alea) {
  static const char* const morceaux[] = {
      "mailto:", "MAILTO:", "MaIlTo:", "mailto", "<EXTRAWEB>", "<extraweb>", "http://", "C:\\",
      "d:\\",    " ",       ":",       "a",      "A",          "b",          "B",       "x y",
      "\xE9",    "\xC9",    "z.txt",   "Z.TXT",
  };
  std::string u;
  int n = (int)(alea() % 5);
  for (int i = 0; i < n; i++) u += morceaux[alea() % (sizeof morceaux / sizeof *morceaux)];
  return u;
}

// A found text: at random, or a stored URL changed a little (case, prefix).
std::string TrouveAuHasard(std::mt19937& alea, const Magasin& m) {
  if (alea() % 3 == 0) return UrlAuHasard(alea);
  std::vector<uint8_t*> fiches;
  for (uint8_t* f = m.lpDebutMem; f != m.lpFinMem; f = FicheSuivante(f)) fiches.push_back(f);
  std::string u = TextesFiche(fiches[alea() % fiches.size()])[CHAMP_URL];
  switch (alea() % 4) {
    case 0: return u;
    case 1: return u.size() > 7 ? u.substr(7) : u;
    case 2:
      for (char& c : u) c = (char)toupper((unsigned char)c);
      return u;
    default: {
      size_t espace = u.rfind(' ');
      return espace == std::string::npos ? u : u.substr(espace + 1);
    }
  }
}

TEST_F(IndexUrlsTest, LIndexRepondCommeLeParcoursMemeQuandDesFichesArrivent) {
  std::mt19937 alea(20240611);
  for (int tour = 0; tour < 60; tour++) {
    ComparaisonUrl c = (ComparaisonUrl)(tour % 3);
    std::vector<std::string> urls;
    int n = 1 + (int)(alea() % 40);
    for (int i = 0; i < n; i++) urls.push_back(UrlAuHasard(alea));
    std::vector<Textes> fiches;
    for (const std::string& u : urls)
      fiches.push_back(alea() % 5 ? Textes{"n", u, "", "", ""} : Textes{});  // empty cards too
    RemplirMagasin(&m, sys->memoire, fiches);
    IndexUrlsConstruire(sys->memoire, &index, &m, c);
    ASSERT_EQ(index.actif, 1);
    for (int pas = 0; pas < 300; pas++) {
      std::string t = TrouveAuHasard(alea, m);
      ASSERT_EQ(Contient(t), Parcours(c, t)) << "kind " << c << " text " << t;
      if (c == COMPARAISON_DOCUMENT) {
        ASSERT_EQ(ContientExtraWeb(t), ParcoursExtraWeb(t)) << t;
      }
      if (alea() % 4 == 0) {
        // Now and then the card on screen is an empty one, which the next
        // card replaces.
        if (alea() % 3 == 0) {
          int32_t k = 1 + (int32_t)(alea() % (uint32_t)m.TotalFiches);
          m.lpFicheEcran = MagasinFiche(&m, k);
          m.NumFiche = k;
        }
        ASSERT_EQ(Ajouter(alea() % 2 ? t : UrlAuHasard(alea)), AJOUT_FAIT);
      }
    }
    IndexUrlsLiberer(sys->memoire, &index);
    MagasinLiberer(&m, sys->memoire);
  }
}

TEST_F(IndexUrlsTest, SansMemoireLIndexParcourtLeMagasin) {
  Remplir({"mailto:a@b.fr", "<EXTRAWEB>C:\\e.exe D:\\f.txt"});
  faux.echec_allocation_dans = 1;
  IndexUrlsConstruire(sys->memoire, &index, &m, COMPARAISON_SANS_MAILTO);
  EXPECT_EQ(index.actif, 0);
  EXPECT_EQ(faux.blocs_vivants, 1);  // the store only
  EXPECT_TRUE(Contient("a@b.fr"));
  EXPECT_FALSE(Contient("A@b.fr"));
  ASSERT_EQ(Ajouter("c@d.fr"), AJOUT_FAIT);
  EXPECT_TRUE(Contient("c@d.fr"));
  IndexUrlsLiberer(sys->memoire, &index);

  // The test of a file that is its own application walks for the other
  // comparisons too.
  IndexUrlsConstruire(sys->memoire, &index, &m, COMPARAISON_OCTETS);
  EXPECT_TRUE(ContientExtraWeb("<extraweb>c:\\e.exe d:\\f.txt"));
  IndexUrlsLiberer(sys->memoire, &index);
}

TEST_F(IndexUrlsTest, UneCroissanceRefuseeEnCoursDeCommandeGardeLesMemesReponses) {
  // Room in the store for every card: only the index asks for memory.
  Remplir({"http://a.fr"}, 100000);
  IndexUrlsConstruire(sys->memoire, &index, &m, COMPARAISON_OCTETS);
  ASSERT_EQ(index.actif, 1);
  std::vector<std::string> ajoutees;
  faux.echec_allocation_dans = 1;
  for (int i = 0; i < 200; i++) {
    ajoutees.push_back("http://site" + std::to_string(i) + ".fr");
    ASSERT_EQ(Ajouter(ajoutees.back()), AJOUT_FAIT);
  }
  EXPECT_EQ(index.actif, 0);
  for (const std::string& u : ajoutees) EXPECT_TRUE(Contient(u)) << u;
  EXPECT_TRUE(Contient("http://a.fr"));
  EXPECT_FALSE(Contient("http://site200.fr"));
}

TEST_F(IndexUrlsTest, UnGrandMagasinEstIndexeEnEntier) {
  std::vector<std::string> urls;
  for (int i = 0; i < 5000; i++)
    urls.push_back("http://www.site" + std::to_string(i % 3000) + ".fr/");
  Remplir(urls);
  IndexUrlsConstruire(sys->memoire, &index, &m, COMPARAISON_OCTETS);
  ASSERT_EQ(index.actif, 1);
  EXPECT_EQ(index.nb_entrees, 3000u);
  for (int i = 0; i < 3000; i += 97) EXPECT_TRUE(Contient(urls[(size_t)i]));
  EXPECT_FALSE(Contient("http://www.site3000.fr/"));
  EXPECT_FALSE(Contient("http://www.site1.fr"));
}

}  // namespace
