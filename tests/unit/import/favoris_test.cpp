#include "raccourci_internet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Url {
  std::string texte, url;  // as asked of the duplicate test, as appended
  bool operator==(const Url& u) const { return std::tie(texte, url) == std::tie(u.texte, u.url); }
};

std::ostream& operator<<(std::ostream& o, const Url& u) {
  return o << "{" << u.texte << " | " << u.url << "}";
}

// The reading of a copy of the data in a block of exactly its size, so
// that the sanitizer sees any byte read past the end.
struct Essai {
  std::vector<char> url;
  std::vector<Url> trouvees;
  std::set<std::string> connues;  // texts that the duplicate test knows
  std::string demande;            // the last text asked of it
  size_t arreter_apres = SIZE_MAX;  // URLs accepted before the callback stops the reading
  int resultat = -1;

  Essai() : url(TAILLE_TEXTE_IMPORT) {}

  static int Doublon(void* contexte, const char* texte) {
    Essai* e = (Essai*)contexte;
    e->demande = texte;
    return e->connues.count(texte) > 0;
  }
  static int Recevoir(void* contexte, const char* url) {
    Essai* e = (Essai*)contexte;
    e->trouvees.push_back({e->demande, url});
    return e->trouvees.size() < e->arreter_apres;
  }

  std::vector<Url> Parcourir(const std::string& donnees) {
    std::unique_ptr<char[]> copie(new char[donnees.size()]);
    memcpy(copie.get(), donnees.data(), donnees.size());
    const LectureRaccourci lecture = {url.data(), this, nullptr, Doublon, Recevoir};
    trouvees.clear();
    resultat = RaccourciParcourir(&lecture, copie.get(), copie.get() + donnees.size());
    return trouvees;
  }
};

struct Cas {
  std::string donnees;
  std::vector<Url> attendues;
};

TEST(RaccourciParcourir, ChaqueLigneUrlTermineeDonneSonTexte) {
  const std::string adresse = "moi@example.org";
  const Cas cas[] = {
      {"[InternetShortcut]\r\nURL=http://www.example.org/\r\n",
       {{"http://www.example.org/", "http://www.example.org/"}}},
      {"URL=a\r\n", {{"a", "a"}}},
      {"url=a\nUrl=b\nURL=c\r", {{"a", "a"}, {"b", "b"}, {"c", "c"}}},
      // The line must end with a break.
      {"[InternetShortcut]\r\nURL=http://www.example.org/", {}},
      {"URL=a\r\nURL=b", {{"a", "a"}}},
      // Only at the start of the data or right after a line feed.
      {"[DEFAULT]\r\nBASEURL=http://a/\r\n IconFile=x\r\nx\rURL=b\r\n URL=c\r\n", {}},
      {"URL=\r\nURL=\n", {}},
      // A text that a NUL begins is empty too: no card without a URL.
      {std::string("URL=\0x\r\nURL=a\0b\r\n", 17), {{"a", "a"}}},
      {"x\nURL", {}},
      {"x\nUR", {}},
      // An address becomes a mailto: URL; the text stays for the duplicate test.
      {"URL=" + adresse + "\r\n", {{adresse, "mailto:" + adresse}}},
      {"URL=mailto:" + adresse + "\r\n", {{"mailto:" + adresse, "mailto:" + adresse}}},
      {"URL=MAILTO:" + adresse + "\r\n", {{"MAILTO:" + adresse, "MAILTO:" + adresse}}},
      {"URL=news:fr.comp.infosystemes\r\n",
       {{"news:fr.comp.infosystemes", "news:fr.comp.infosystemes"}}},
  };
  for (const Cas& c : cas) {
    Essai e;
    EXPECT_EQ(e.Parcourir(c.donnees), c.attendues) << c.donnees;
    EXPECT_EQ(e.resultat, 1) << c.donnees;
  }
}

TEST(RaccourciParcourir, UnDoublonEstPasse) {
  Essai e;
  // The text is compared before "mailto:" is put before it.
  e.connues = {"moi@example.org", "http://a/"};
  EXPECT_EQ(e.Parcourir("URL=moi@example.org\r\nURL=mailto:moi@example.org\r\n"
                        "URL=http://a/\r\nURL=http://b/\r\n"),
            std::vector<Url>({{"mailto:moi@example.org", "mailto:moi@example.org"},
                              {"http://b/", "http://b/"}}));
}

TEST(RaccourciParcourir, LeRappelArreteLaLecture) {
  Essai e;
  e.arreter_apres = 1;
  EXPECT_EQ(e.Parcourir("URL=a\r\nURL=b\r\n").size(), 1u);
  EXPECT_EQ(e.resultat, 0);
}

TEST(RaccourciParcourir, UnTexteTropLongGardeSesPremiersOctets) {
  Essai e;
  const std::string long_(70000, 'a');
  auto trouvees = e.Parcourir("URL=" + long_ + "\r\n");
  ASSERT_EQ(trouvees.size(), 1u);
  EXPECT_EQ(trouvees[0].texte, std::string(LONGUEUR_AVANT_MAILTO_MAX, 'a'));
  // "mailto:" and the cut text fill the URL buffer exactly.
  trouvees = e.Parcourir("URL=@" + long_ + "\r\n");
  ASSERT_EQ(trouvees.size(), 1u);
  EXPECT_EQ(trouvees[0].url.size(), (size_t)TAILLE_TEXTE_IMPORT - 1);
  EXPECT_EQ(trouvees[0].url, "mailto:@" + std::string(LONGUEUR_AVANT_MAILTO_MAX - 1, 'a'));
}

std::string Nom(const char* fichier, uint32_t taille = 260) {
  std::vector<char> nom(taille);
  const uint32_t n = FavoriNom(fichier, nom.data(), taille);
  EXPECT_EQ(n, strlen(nom.data()));
  return nom.data();
}

std::string Rubrique(const char* racine, const char* dossier, uint32_t taille = 260) {
  std::vector<char> rubrique(taille);
  const uint32_t n = FavoriRubrique(dossier, (uint32_t)strlen(racine), rubrique.data(), taille);
  EXPECT_EQ(n, strlen(rubrique.data()));
  return rubrique.data();
}

TEST(Favori, NomSansExtensionEtRubriqueDuDossierQuiLeContient) {
  EXPECT_EQ(Nom("Recherche.url"), "Recherche");
  EXPECT_EQ(Nom("mon.site.url"), "mon.site");
  EXPECT_EQ(Nom("Sans extension"), "Sans extension");
  EXPECT_EQ(Nom(".url"), "");
  EXPECT_EQ(Nom("fin."), "fin");
  EXPECT_EQ(Nom("mon.site.url", 4), "mon");

  EXPECT_EQ(Rubrique("C:\\Favoris", "C:\\Favoris"), "");
  EXPECT_EQ(Rubrique("C:\\Favoris", "C:\\Favoris\\Moteurs"), "Moteurs");
  EXPECT_EQ(Rubrique("C:\\Favoris", "C:\\Favoris\\Moteurs\\Outils"), "Outils");
  EXPECT_EQ(Rubrique("C:\\Favoris", "C:\\Favoris\\mes.liens"), "mes.liens");
  // A drive's root is extended by one more backslash.
  EXPECT_EQ(Rubrique("C:\\", "C:\\"), "");
  EXPECT_EQ(Rubrique("C:\\", "C:\\\\Liens"), "Liens");
  EXPECT_EQ(Rubrique("C:\\Favoris\\", "C:\\Favoris\\\\Liens"), "Liens");
  EXPECT_EQ(Rubrique("C:\\Favoris", "C:\\Favoris\\Moteurs", 4), "Mot");
}

struct Favori {
  std::string nom, url, rubrique;
  bool operator<(const Favori& f) const {
    return std::tie(rubrique, nom, url) < std::tie(f.rubrique, f.nom, f.url);
  }
  bool operator==(const Favori& f) const {
    return std::tie(nom, url, rubrique) == std::tie(f.nom, f.url, f.rubrique);
  }
};

std::ostream& operator<<(std::ostream& o, const Favori& f) {
  return o << "{" << f.nom << " | " << f.url << " | " << f.rubrique << "}";
}

// Walks a real folder as the favourites import does, naming each folder as
// Windows would under a root «C:\Favoris».
void Parcourir(const std::filesystem::path& reel, const std::string& dossier,
               uint32_t longueur_racine, std::vector<Favori>* favoris) {
  for (const auto& entree : std::filesystem::directory_iterator(reel)) {
    const std::string nom = entree.path().filename().string();
    if (entree.is_directory()) {
      Parcourir(entree.path(), dossier + "\\" + nom, longueur_racine, favoris);
      continue;
    }
    std::ifstream f(entree.path(), std::ios::binary);
    Essai e;
    char nom_site[260], rubrique[260];
    FavoriNom(nom.c_str(), nom_site, sizeof nom_site);
    FavoriRubrique(dossier.c_str(), longueur_racine, rubrique, sizeof rubrique);
    for (const Url& u : e.Parcourir(std::string(std::istreambuf_iterator<char>(f), {})))
      favoris->push_back({nom_site, u.url, rubrique});
  }
}

TEST(Favori, ArbreDeFavoris) {
  const std::string ici = __FILE__;
  const std::string racine = "C:\\Favoris";
  std::vector<Favori> favoris;
  Parcourir(ici.substr(0, ici.rfind("/unit/")) + "/data/favoris", racine,
            (uint32_t)racine.size(), &favoris);
  std::sort(favoris.begin(), favoris.end());
  // desktop.ini has no "URL=" line; Dictionnaire.url's has no line break.
  const std::vector<Favori> attendus = {
      {"Accueil", "https://www.lorvanix.example/accueil.htm", ""},
      {"mon.site", "http://mon.site.example/", ""},
      {"Courriel", "mailto:moi@example.org", "Liens"},
      {"Ecrire", "mailto:moi@example.org", "Liens"},
      {"Recherche", "http://www.example.org/", "Moteurs"},
      {"Traducteur", "https://traduction.example.net/fr-en", "Outils"},
  };
  EXPECT_EQ(favoris, attendus);
}

}  // namespace
