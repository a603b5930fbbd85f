#include "scanner_signets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Signet {
  std::string url, nom, rubrique;
  bool operator==(const Signet& s) const {
    return std::tie(url, nom, rubrique) == std::tie(s.url, s.nom, s.rubrique);
  }
};

std::ostream& operator<<(std::ostream& o, const Signet& s) {
  return o << "{" << s.url << " | " << s.nom << " | " << s.rubrique << "}";
}

// The scan over a copy of the data in a block of exactly its size, so that
// the sanitizer sees any byte read past the end.
struct Essai {
  std::vector<char> url, nom, rubrique, transfert;
  std::vector<Signet> trouves;
  OptionsUrl options = {};             // SeulementNouvellesUrl and RemplacerNomVideParUrl
  std::set<std::string> connues;       // URLs already on a card
  std::vector<std::string> demandees;  // URLs asked of the duplicate test
  size_t arreter_apres = SIZE_MAX;  // signets accepted before the callback stops the scan
  int resultat = -1;

  Essai()
      : url(TAILLE_TEXTE_IMPORT), nom(TAILLE_TEXTE_IMPORT), rubrique(TAILLE_TEXTE_IMPORT),
        transfert(TAILLE_TEXTE_IMPORT) {}

  static int Recevoir(void* contexte, const SignetTrouve* s) {
    Essai* e = (Essai*)contexte;
    e->trouves.push_back({s->url, s->nom, s->rubrique});
    return e->trouves.size() < e->arreter_apres;
  }
  static int Doublon(void* contexte, const char* url) {
    Essai* e = (Essai*)contexte;
    e->demandees.push_back(url);
    return e->connues.count(url) > 0;
  }

  std::vector<Signet> Parcourir(const std::string& donnees, uint16_t remplacer_nom_vide = 1) {
    options.RemplacerNomVideParUrl = remplacer_nom_vide;
    std::unique_ptr<char[]> copie(new char[donnees.size()]);
    memcpy(copie.get(), donnees.data(), donnees.size());
    const ScanSignets scan = {&options, url.data(), nom.data(), rubrique.data(), transfert.data(),
                              this,     nullptr,    Doublon,    Recevoir};
    trouves.clear();
    demandees.clear();
    resultat = SignetsParcourir(&scan, copie.get(), copie.get() + donnees.size());
    return trouves;
  }
};

std::string Donnees(const char* nom) {
  const std::string ici = __FILE__;
  std::ifstream f(ici.substr(0, ici.rfind("/unit/")) + "/data/" + nom, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// The closing-tag text from the position of the marker "|" (left out).
std::string Titre(std::string texte, int* trouve) {
  const size_t depart = texte.find('|');
  texte.erase(depart, 1);
  std::unique_ptr<char[]> copie(new char[texte.size()]);
  memcpy(copie.get(), texte.data(), texte.size());
  char titre[64];
  *trouve = TexteAvantFermeture(copie.get(), copie.get() + texte.size(), copie.get() + depart,
                                titre, sizeof titre);
  return *trouve ? titre : "";
}

TEST(TexteAvantFermeture, PrendLeTexteQuiPrecedeLaPremiereBaliseFermante) {
  const struct {
    const char* donnees;  // "|" marks the start position
    int trouve;
    const char* titre;
  } cas[] = {
      {"<A HREF=|x.htm>Titre</A>", 1, "Titre"},
      {"<A HREF=|x.htm><B>Gras</B> suite</A>", 1, "Gras"},
      {"<A HREF=|x.htm><IMG SRC=y.gif></A>", 1, ""},
      // Blanks and breaks after the ">" go; inside and at the end only CR and LF.
      {"<A HREF=|x>\r\n \t Mon\r\n  titre \r\n</A>", 1, "Mon  titre "},
      // Every "<" not followed by "/" is passed over.
      {"<A HREF=|x>a < b <c></A>", 1, ""},
      {"<A HREF=|x>a < b</A>", 1, "a < b"},
      // The search starts one byte after the given position.
      {"|</A>x>t</B>", 1, "t"},
      // No ">" anywhere before the "</": an empty title.
      {"|ab</A>", 1, ""},
      // The ">" may lie before the start position.
      {"<B>avant |x</A>", 1, "avant x"},
      // No "</" before the end: no title at all.
      {"<A HREF=|x>Titre", 0, ""},
      {"<A HREF=|x>Titre<", 0, ""},
      {"<A HREF=|x>Titre< /A>", 0, ""},
      {"<A HREF=|", 0, ""},
      {"|", 0, ""},
  };
  for (const auto& c : cas) {
    int trouve;
    EXPECT_EQ(Titre(c.donnees, &trouve), c.titre) << c.donnees;
    EXPECT_EQ(trouve, c.trouve) << c.donnees;
  }
}

TEST(TexteAvantFermeture, CoupeUnTitreTropLongAuTampon) {
  const std::string texte = ">" + std::string(100, 'a') + "</A>";
  char titre[11];
  memset(titre, 'x', sizeof titre);
  ASSERT_EQ(TexteAvantFermeture(texte.data(), texte.data() + texte.size(), texte.data(), titre,
                                sizeof titre),
            1);
  EXPECT_STREQ(titre, "aaaaaaaaaa");
}

struct Cas {
  const char* nom;
  std::string donnees;
  uint16_t remplacer_nom_vide;
  std::vector<Signet> attendus;
};

TEST(SignetsParcourir, SuitLesDossiersFermesEtLesLiens) {
  const Cas cas[] = {
      {"un dossier fermé puis un signet",
       "<DT><H3 FOLDED ADD_DATE=9>Moteurs</H3>\r\n"
       "<DT><A HREF=http://www.example.org/ ADD_DATE=9>Exemple</A>\r\n",
       1,
       {{"http://www.example.org/", "Exemple", "Moteurs"}}},
      {"pas de dossier: rubrique vide", "<A HREF=a>A</A>", 1, {{"a", "A", ""}}},
      {"un dossier ouvert ne change pas la rubrique",
       "<H3 FOLDED>Un</H3><A HREF=a>A</A><H3>Deux</H3><A HREF=b>B</A>",
       1,
       {{"a", "A", "Un"}, {"b", "B", "Un"}}},
      {"la fin d'un dossier ne remet pas la rubrique à vide",
       "<H3 FOLDED>Un</H3><DL><p><A HREF=a>A</A></DL><p><A HREF=b>B</A>"
       "<H3 folded>Trois</H3><A HREF=c>C</A>",
       1,
       {{"a", "A", "Un"}, {"b", "B", "Un"}, {"c", "C", "Trois"}}},
      {"un titre de dossier vide garde la rubrique",
       "<H3 FOLDED>Un</H3><H3 FOLDED></H3><A HREF=a>A</A>",
       1,
       {{"a", "A", "Un"}}},
      {"les entités des titres sont décodées",
       "<H3 FOLDED>R&amp;D</H3><A HREF=\"x?a=1&amp;b=2\">A&amp;B &eacute;t&eacute;</A>",
       1,
       {{"x?a=1&amp;b=2", "A&B été", "R&D"}}},
      {"«Unfolded» dans un titre est pris pour un dossier",
       "<A HREF=a>Unfolded</A>\r\n<A HREF=b>Suite</A>",
       1,
       {{"a", "Unfolded", ""}, {"b", "Suite", "Suite"}}},
      {"HREF= compte partout, en toute casse", "<p>voir href=x.htm>Texte</p>", 1,
       {{"x.htm", "Texte", ""}}},
      {"HREF entouré d'espaces n'est pas un lien", "<A HREF = x.htm>T</A>", 1, {}},
      {"guillemets simples gardés, CR LF ôtés de la valeur",
       "<A HREF='x.htm'>T</A><A HREF=\"http://a\r\n.org/\">U</A>",
       1,
       {{"'x.htm'", "T", ""}, {"http://a.org/", "U", ""}}},
      {"titre vide: l'URL, sans MAILTO: en toute casse",
       "<A HREF=ftp://f/></A><A HREF=MailTo:x@y.org></A><A HREF=mailto:></A>",
       1,
       {{"ftp://f/", "ftp://f/", ""}, {"MailTo:x@y.org", "x@y.org", ""}, {"mailto:", "", ""}}},
      {"titre vide sans l'option: nom vide", "<A HREF=a></A>", 0, {{"a", "", ""}}},
      {"une URL vide ne donne rien", "<A HREF=\"\">T</A><A HREF=>U</A>", 1, {}},
      {"sans balise fermante le dernier lien est perdu",
       "<A HREF=a>A</A><A HREF=b>B", 1, {{"a", "A", ""}}},
      {"une URL coupée par la fin des données", "<A HREF=http://a", 1, {}},
      {"FOLDED sans fin de balise ne donne rien", "<A HREF=a>A</A><H3 FOLDED", 1,
       {{"a", "A", ""}}},
      {"un mot-clé coupé par la fin", "<A HREF=a>A</A> FOLDE", 1, {{"a", "A", ""}}},
      {"titre de dossier sur plusieurs lignes",
       "<H3 FOLDED>\r\n  Mes\r\n liens  </H3><A HREF=a>A</A>",
       1,
       {{"a", "A", "Mes liens "}}},
      {"un titre que le décodage vide prend l'URL", "<A HREF=a>\b</A>", 1, {{"a", "a", ""}}},
  };
  for (const Cas& c : cas) {
    Essai e;
    EXPECT_EQ(e.Parcourir(c.donnees, c.remplacer_nom_vide), c.attendus) << c.nom;
    EXPECT_EQ(e.resultat, 1) << c.nom;
  }
}

// Titles are searched at rising positions, except for a link inside a
// folder heading's start tag, whose value lies before the heading's ">":
// its closing tag and its ">" lie before those already found.
TEST(SignetsParcourir, UnLienDansLaBaliseDUnDossierReprendPlusHaut) {
  Essai e;
  EXPECT_EQ(e.Parcourir("<DT><H3 FOLDED HREF=a</B>>Dossier</H3><A HREF=b>B</A>"),
            std::vector<Signet>({{"a</B", "<H3 FOLDED HREF=a", "Dossier"}, {"b", "B", "Dossier"}}));
  EXPECT_EQ(e.Parcourir("<H3 FOLDED HREF=a</B>>Dossier</H3>"),
            std::vector<Signet>({{"a</B", "a</B", "Dossier"}}));
  EXPECT_EQ(e.Parcourir("x>y<H3 FOLDED HREF=a>Dossier</H3>"),
            std::vector<Signet>({{"a", "Dossier", "Dossier"}}));
}

// Long stretches without "</" or ">" around many links: every link still
// gets the text a search from scratch gives it.
TEST(SignetsParcourir, LongsPassagesSansBalise) {
  std::string donnees = "<p>debut";
  std::string sans_chevron = "<p>debut";
  for (int i = 0; i < 300; i++) donnees += " HREF=u" + std::to_string(i);
  donnees += "</A> HREF=v</A>";
  for (int i = 0; i < 300; i++) sans_chevron += " HREF=w" + std::to_string(i) + "</B";
  sans_chevron += ">";
  Essai e;
  const auto trouves = e.Parcourir(donnees);
  ASSERT_EQ(trouves.size(), 301u);
  const std::string texte = donnees.substr(3, donnees.find("</A>") - 3);
  for (int i = 0; i < 300; i++) EXPECT_EQ(trouves[i].nom, texte) << i;
  EXPECT_EQ(trouves[300].nom, "HREF=v");
  // No ">" between the first tag and each "</": the title reaches back to it.
  const auto sans = e.Parcourir(sans_chevron);
  ASSERT_EQ(sans.size(), 300u);
  EXPECT_EQ(sans[0].nom, "debut HREF=w0");
  EXPECT_EQ(sans[299].nom, sans_chevron.substr(3, sans_chevron.rfind("</B") - 3));
  EXPECT_EQ(sans[299].url, "w299</B");
}

TEST(SignetsParcourir, SeulementDeNouvellesUrl) {
  const std::string donnees =
      "<H3 FOLDED>D</H3><A HREF=a></A><A HREF=>x</A><A HREF=b>B</A><A HREF=a>A2</A>";
  Essai e;
  e.connues = {"a"};
  EXPECT_EQ(e.Parcourir(donnees).size(), 3u);
  EXPECT_TRUE(e.demandees.empty());
  e.options.SeulementNouvellesUrl = 1;
  EXPECT_EQ(e.Parcourir(donnees), std::vector<Signet>({{"b", "B", "D"}}));
  // Only bookmarks with a URL are asked about, with the URL as it is.
  EXPECT_EQ(e.demandees, std::vector<std::string>({"a", "b", "a"}));
}

TEST(SignetsParcourir, LeRappelArreteLaLecture) {
  Essai e;
  e.arreter_apres = 1;
  EXPECT_EQ(e.Parcourir("<A HREF=a>A</A><A HREF=b>B</A>").size(), 1u);
  EXPECT_EQ(e.resultat, 0);
}

TEST(SignetsParcourir, UnTexteTropLongGardeSesPremiersOctets) {
  const std::string long_ = std::string(70000, 'u');
  const std::string tronque = long_.substr(0, TAILLE_TEXTE_IMPORT - 1);
  Essai e;
  const auto trouves = e.Parcourir("<H3 FOLDED>" + long_ + "</H3><A HREF=" + long_ + ">" +
                                   std::string(70000, 't') + "</A>");
  ASSERT_EQ(trouves.size(), 1u);
  EXPECT_EQ(trouves[0].url, tronque);
  EXPECT_EQ(trouves[0].nom, std::string(TAILLE_TEXTE_IMPORT - 1, 't'));
  EXPECT_EQ(trouves[0].rubrique, tronque);
  // A long URL given as the name fits the name buffer too.
  EXPECT_EQ(e.Parcourir("<A HREF=" + long_ + "></A>")[0].nom, tronque);
}

// A file exported by a current browser, in UTF-8: the bytes are kept as
// they are; only the references of the decoder are replaced.
TEST(SignetsParcourir, FichierExporteParUnNavigateur) {
  const std::string fichier = Donnees("signets/bookmarks.html");
  ASSERT_FALSE(fichier.empty());
  const std::vector<Signet> attendus = {
      {"https://www.mozilla.org/fr/firefox/", "Firefox", ""},
      {"http://www.example.org/", "Exemple", "Moteurs & annuaires"},
      {"https://recherche.example.com/?q=lorvanix&amp;hl=fr", "Recherche étendue",
       "Moteurs & annuaires"},
      {"ftp://ftp.example.net/pub/", "ftp://ftp.example.net/pub/", "Outils"},
      {"mailto:webmestre@example.org", "webmestre@example.org", "Outils"},
      {"https://www.example.com/depliage", "Unfolded &mdash; la suite", "Outils"},
      {"https://www.example.com/apres", "Apr\xC3\xA8s", "Apr\xC3\xA8s"},
      {"https://www.lemonde.fr/",
       "Le Monde.fr - Actualit\xC3\xA9s et Infos en France et dans le monde", "Apr\xC3\xA8s"},
      {"https://blog.example.org/l-equipe", "L&#39;\xC3\xA9quipe", "Apr\xC3\xA8s"},
      {"place:sort=8&maxResults=10", "\xC3\x89tiquettes r\xC3\xA9" "centes", "Apr\xC3\xA8s"},
  };
  Essai e;
  EXPECT_EQ(e.Parcourir(fichier), attendus);
  EXPECT_EQ(e.resultat, 1);

  // Read again with 392 on, once its cards are in the store: nothing new.
  for (const Signet& s : attendus) e.connues.insert(s.url);
  e.options.SeulementNouvellesUrl = 1;
  EXPECT_TRUE(e.Parcourir(fichier).empty());
  e.options.SeulementNouvellesUrl = 0;

  // Every cut of the file reads inside its data and finds the first
  // bookmarks of the whole file, unchanged.
  for (size_t n = 0; n < fichier.size(); n++) {
    const auto trouves = e.Parcourir(fichier.substr(0, n));
    ASSERT_LE(trouves.size(), attendus.size());
    ASSERT_TRUE(std::equal(trouves.begin(), trouves.end(), attendus.begin())) << n;
  }
}

TEST(SignetsParcourir, DonneesAleatoiresLuesDansLeursBornes) {
  const std::string morceaux[] = {"<", ">", "</", "HREF=", "hReF=", "FOLDED", "folded", "\"",
                                  " ", "\t", "\r", "\n", "&amp;", "&", "a", "mailto:", "H", "F"};
  std::mt19937 hasard(1234);
  Essai e;
  for (int i = 0; i < 3000; i++) {
    std::string donnees;
    const int n = (int)(hasard() % 40);
    for (int j = 0; j < n; j++) donnees += morceaux[hasard() % std::size(morceaux)];
    e.Parcourir(donnees);
    ASSERT_EQ(e.resultat, 1) << donnees;
  }
}

}  // namespace
