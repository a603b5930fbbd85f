#include "scanner_courriel.h"

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

struct Adresse {
  std::string adresse, nom;
  bool operator==(const Adresse& a) const {
    return std::tie(adresse, nom) == std::tie(a.adresse, a.nom);
  }
};

std::ostream& operator<<(std::ostream& o, const Adresse& a) {
  return o << "{" << a.adresse << " | " << a.nom << "}";
}

// The options at library load, but for the duplicate test, which the cases
// that need it turn on.
OptionsCourriel Options() {
  OptionsCourriel o = OPTIONS_IMPORT_DEFAUT.courriel;
  o.UniquementNouvellesAdresses = 0;
  return o;
}

// The scan over a copy of the data in a block of exactly its size, so that
// the sanitizer sees any byte read past the end.
struct Essai {
  std::vector<char> partie1, partie2;
  std::vector<Adresse> trouvees;
  std::set<std::string> connues;       // addresses already on a card
  std::vector<std::string> demandees;  // addresses asked of the duplicate test
  size_t arreter_apres = SIZE_MAX;  // addresses accepted before the callback stops the scan
  int lignes = 0;                   // repaints, one per line examined
  int resultat = -1;

  Essai() : partie1(TAILLE_TEXTE_IMPORT), partie2(TAILLE_TEXTE_IMPORT) {}

  static int Recevoir(void* contexte, const AdresseTrouvee* a) {
    Essai* e = (Essai*)contexte;
    EXPECT_EQ(std::string(a->url), "mailto:" + std::string(a->adresse));
    e->trouvees.push_back({a->adresse, a->nom});
    return e->trouvees.size() < e->arreter_apres;
  }
  static void Repeindre(void* contexte) { ((Essai*)contexte)->lignes++; }
  static int Doublon(void* contexte, const char* adresse) {
    Essai* e = (Essai*)contexte;
    e->demandees.push_back(adresse);
    return e->connues.count(adresse) > 0;
  }

  std::vector<Adresse> Parcourir(const std::string& donnees, OptionsCourriel o = Options()) {
    std::unique_ptr<char[]> copie(new char[donnees.size()]);
    memcpy(copie.get(), donnees.data(), donnees.size());
    const ScanCourriel scan = {&o,   partie1.data(), partie2.data(), this,
                               Repeindre, Doublon,   Recevoir};
    trouvees.clear();
    demandees.clear();
    lignes = 0;
    resultat = CourrielParcourir(&scan, copie.get(), copie.get() + donnees.size());
    return trouvees;
  }
};

std::string Donnees(const char* nom) {
  const std::string ici = __FILE__;
  std::ifstream f(ici.substr(0, ici.rfind("/unit/")) + "/data/" + nom, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

struct Cas {
  std::string ligne;  // read after a first line, which is never examined
  std::vector<Adresse> attendues;
};

TEST(CourrielParcourir, LitLesAdressesDesEntetes) {
  const Cas cas[] = {
      {"From: Service Clients <jean@example.org>\r\n",
       {{"jean@example.org", "Service Clients"}}},
      {"From: jean@example.org (Service Clients)\r\n",
       {{"jean@example.org", "Service Clients"}}},
      {"From: jean@example.org\r\n", {{"jean@example.org", "jean@example.org"}}},
      // The comma inside the quotes is dropped; "," after ">" goes on.
      {"To: \"Clients, Service\" <jean@example.org>, Marie <marie@example.org>\r\n",
       {{"jean@example.org", "Clients Service"}, {"marie@example.org", "Marie"}}},
      // Without brackets a comma does not separate addresses.
      {"To: a@example.org, b@example.org\r\n",
       {{"a@example.org b@example.org", "a@example.org b@example.org"}}},
      // Accented letters are not kept.
      {"From: Hélène <h@example.org>\r\n", {{"h@example.org", "Hlne"}}},
      {"From: \"Hélène Dupré\" <h@example.org>\r\n", {{"h@example.org", "Hlne Dupr"}}},
      // The first quote drops an unquoted word before it; a later one does not.
      {"To: Monsieur \"Jean Dupont\" <j@x.org>\r\n", {{"j@x.org", "Jean Dupont"}}},
      {"To: \"A\" B \"C\" <x@y.org>\r\n", {{"x@y.org", "A B C"}}},
      // Kept: digits, letters, "@[\\]^_`", "." "-" and space; nothing else.
      {"From: Jean-Pierre O'Neil [ML] <jp.o_neil+liste@x.org>\r\n",
       {{"jp.o_neilliste@x.org", "Jean-Pierre ONeil [ML]"}}},
      {"From:\tA\t<a@x.org>\r\n", {{"a@x.org", "A"}}},
      {"From:Sans Espace <s@x.org>\r\n", {{"s@x.org", "Sans Espace"}}},
      // ";" separates as "," does, but only right after the bracket.
      {"Cc: A <a@x.org>; B <b@x.org>\r\n", {{"a@x.org", "A"}, {"b@x.org", "B"}}},
      {"Cc: A <a@x.org> , B <b@x.org>\r\n", {{"a@x.org", "A"}}},
      {"Bcc: a@x.org (A), b@x.org (B);c@x.org\r\n",
       {{"a@x.org", "A"}, {"b@x.org", "B"}, {"c@x.org", "c@x.org"}}},
      // An empty address ends the line.
      {"To: <>, B <b@x.org>\r\n", {}},
      {"To: Marie <marie@x.org>,\r\n\t\"Equipe\" <e@x.org>\r\n", {{"marie@x.org", "Marie"}}},
      {"To: Sans adresse\r\n", {}},
      {"To: \"\" <x@y.org>\r\n", {{"x@y.org", "x@y.org"}}},
      // «adresse (Nom)» only when the second part ends at ")".
      {"From: x (y@z.org>\r\n", {{"y@z.org", "x"}}},
      {"From: Nom <a@x.org)\r\n", {{"Nom", "a@x.org"}}},
      {"From: Nom <a@x.org\r\n", {{"a@x.org", "Nom"}}},
      // Keywords in any case, at the very start of a line, colon attached.
      {"FROM: a@x.org\r\nfrom: b@x.org\r\ncC: c@x.org\r\nbcc: d@x.org\r\nTO: e@x.org\r\n",
       {{"a@x.org", "a@x.org"},
        {"b@x.org", "b@x.org"},
        {"c@x.org", "c@x.org"},
        {"d@x.org", "d@x.org"},
        {"e@x.org", "e@x.org"}}},
      {"Reply-To: a@x.org\r\nX-From: b@x.org\r\n From: c@x.org\r\n\tTo: d@x.org\r\n"
       "From : e@x.org\r\nFrom e@x.org Mon Jan 15\r\nDelivered-To: f@x.org\r\n",
       {}},
      // Line feeds alone end lines as well.
      {"From: A <a@x.org>\nTo: b@x.org\n", {{"a@x.org", "A"}, {"b@x.org", "b@x.org"}}},
      // A line must follow a line feed: a lone CR does not start one.
      {"X: y\rFrom: a@x.org\r\n", {}},
  };
  for (const Cas& c : cas) {
    Essai e;
    EXPECT_EQ(e.Parcourir("premiere ligne\r\n" + c.ligne), c.attendues) << c.ligne;
    EXPECT_EQ(e.resultat, 1) << c.ligne;
  }
}

TEST(CourrielParcourir, LaPremiereLigneEtLaFinDesDonnees) {
  Essai e;
  EXPECT_TRUE(e.Parcourir("From: a@x.org\r\nTo: b@x.org\r\n") ==
              std::vector<Adresse>({{"b@x.org", "b@x.org"}}));
  // A part that runs into the end of the data gives nothing; a ">" ends it.
  EXPECT_TRUE(e.Parcourir("x\r\nFrom: a@x.org").empty());
  EXPECT_TRUE(e.Parcourir("x\r\nFrom: A <a@x.org").empty());
  EXPECT_EQ(e.Parcourir("x\r\nFrom: A <a@x.org>"), std::vector<Adresse>({{"a@x.org", "A"}}));
  EXPECT_EQ(e.Parcourir("x\r\nTo: A <a@x.org>,"),
            std::vector<Adresse>({{"a@x.org", "A"}}));
  // A line feed as the last byte starts no line.
  EXPECT_EQ(e.Parcourir("x\r\nFrom: A <a@x.org>\r\n").size(), 1u);
  EXPECT_EQ(e.lignes, 1);
  EXPECT_TRUE(e.Parcourir("x\n").empty());
  EXPECT_EQ(e.lignes, 0);
  EXPECT_TRUE(e.Parcourir("").empty());
  EXPECT_TRUE(e.Parcourir("\nF").empty());
  EXPECT_EQ(e.resultat, 1);
}

TEST(CourrielParcourir, OptionsEmetteursDestinatairesEtNomVide) {
  const std::string donnees = "x\r\nFrom: <a@x.org>\r\nTo: B <b@x.org>\r\nCc: c@x.org (C)\r\n";
  Essai e;
  OptionsCourriel o = Options();
  o.AdressesDestinataires = 0;
  EXPECT_EQ(e.Parcourir(donnees, o), std::vector<Adresse>({{"a@x.org", "a@x.org"}}));
  o = Options();
  o.AdressesEmetteurs = 0;
  EXPECT_EQ(e.Parcourir(donnees, o),
            std::vector<Adresse>({{"b@x.org", "B"}, {"c@x.org", "C"}}));
  o = Options();
  o.RemplacerNomVideParAdresse = 0;
  EXPECT_EQ(e.Parcourir(donnees, o)[0], (Adresse{"a@x.org", ""}));
}

TEST(CourrielParcourir, UnDoublonEstPasseEtLaLigneContinue) {
  const std::string donnees = "x\r\nTo: A < a@x.org >, B <b@x.org>\r\n";
  Essai e;
  e.connues = {"a@x.org"};
  EXPECT_EQ(e.Parcourir(donnees).size(), 2u);
  EXPECT_TRUE(e.demandees.empty());
  OptionsCourriel o = Options();
  o.UniquementNouvellesAdresses = 1;
  EXPECT_EQ(e.Parcourir(donnees, o), std::vector<Adresse>({{"b@x.org", "B"}}));
  EXPECT_EQ(e.demandees, std::vector<std::string>({"a@x.org", "b@x.org"}));
}

TEST(CourrielParcourir, LeRappelArreteLaLecture) {
  Essai e;
  e.arreter_apres = 1;
  EXPECT_EQ(e.Parcourir("x\r\nTo: A <a@x.org>, B <b@x.org>\r\nTo: c@x.org\r\n").size(), 1u);
  EXPECT_EQ(e.resultat, 0);
}

TEST(CourrielParcourir, UnePartieTropLongueGardeSesPremiersCaracteres) {
  const std::string long_(70000, 'a');
  Essai e;
  const auto trouvees = e.Parcourir("x\r\nFrom: " + long_ + " <" + long_ + "@x.org>\r\n");
  ASSERT_EQ(trouvees.size(), 1u);
  EXPECT_EQ(trouvees[0].nom, std::string(LONGUEUR_AVANT_MAILTO_MAX, 'a'));
  EXPECT_EQ(trouvees[0].adresse, std::string(LONGUEUR_AVANT_MAILTO_MAX, 'a'));
  // The same part as address and name, the whole line without brackets.
  const auto seule = e.Parcourir("x\r\nTo: x@" + long_ + "\r\n");
  ASSERT_EQ(seule.size(), 1u);
  EXPECT_EQ(seule[0].adresse, "x@" + std::string(LONGUEUR_AVANT_MAILTO_MAX - 2, 'a'));
  EXPECT_EQ(seule[0].nom, seule[0].adresse);
  // Cut before its "@", a part is no address.
  EXPECT_TRUE(e.Parcourir("x\r\nTo: " + long_ + "@x.org\r\n").empty());
}

// An mbox file of two messages in Windows-1252, with CR LF line breaks.
TEST(CourrielParcourir, FichierDeCourrier) {
  const std::string fichier = Donnees("courriel/boite.mbox");
  ASSERT_FALSE(fichier.empty());
  const std::vector<Adresse> attendues = {
      {"jean@example.org", "Service Clients"},
      {"clients@example.org", "Clients Service"},
      {"marie@example.net", "Marie"},
      {"paul.durand@example.com", "Durand Paul"},
      // An encoded word is read as plain text.
      {"helene@example.fr", "ISO-8859-1QHE9lE8ne"},
      {"h@example.org", "Hlne"},
      {"jean@example.org", "Jean Dupont"},
      {"marie@example.net", "Marie"},
      {"sans.nom@example.org", "sans.nom@example.org"},
      {"a@example.org b@example.org", "a@example.org b@example.org"},
      // A header quoted at the start of a line of the body is read too.
      {"ancien@example.com", "Ancien Expditeur"},
  };
  Essai e;
  EXPECT_EQ(e.Parcourir(fichier), attendues);
  EXPECT_EQ(e.resultat, 1);

  // Read again with 505 on, once its cards are in the store: nothing new.
  for (const Adresse& a : attendues) e.connues.insert(a.adresse);
  OptionsCourriel o = Options();
  o.UniquementNouvellesAdresses = 1;
  EXPECT_TRUE(e.Parcourir(fichier, o).empty());
  e.connues.clear();

  o = Options();
  o.AdressesDestinataires = 0;
  EXPECT_EQ(e.Parcourir(fichier, o),
            std::vector<Adresse>({attendues[0], attendues[5], attendues[10]}));
  o = Options();
  o.AdressesEmetteurs = 0;
  EXPECT_EQ(e.Parcourir(fichier, o).size(), attendues.size() - 3);

  // Every cut of the file reads inside its data and finds the first
  // addresses of the whole file.
  for (size_t n = 0; n < fichier.size(); n++) {
    const auto trouvees = e.Parcourir(fichier.substr(0, n));
    ASSERT_LE(trouvees.size(), attendues.size());
    ASSERT_TRUE(std::equal(trouvees.begin(), trouvees.end(), attendues.begin())) << n;
  }
}

TEST(CourrielParcourir, DonneesAleatoiresLuesDansLeursBornes) {
  const std::string morceaux[] = {"\r\n", "\n", "\r", "From:", "to:", "Cc:", "BCC:", "<", ">",
                                  "(", ")", "\"", ",", ";", " ", "\t", "a", "@", "é"};
  std::mt19937 hasard(99);
  Essai e;
  for (int i = 0; i < 3000; i++) {
    std::string donnees;
    const int n = (int)(hasard() % 40);
    for (int j = 0; j < n; j++) donnees += morceaux[hasard() % std::size(morceaux)];
    for (const Adresse& a : e.Parcourir(donnees)) ASSERT_FALSE(a.adresse.empty()) << donnees;
    ASSERT_EQ(e.resultat, 1) << donnees;
  }
}

}  // namespace
