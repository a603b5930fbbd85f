#include "scanner_adresses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Carte {
  std::string url, nom;
  bool operator==(const Carte& autre) const { return url == autre.url && nom == autre.nom; }
};

void PrintTo(const Carte& c, std::ostream* os) { *os << "{" << c.url << " | " << c.nom << "}"; }

// A caller whose store compares as the any-file import does: the card's URL
// without a leading "mailto:" in any case.
struct Appelant {
  std::vector<std::string> magasin;
  std::vector<Carte> cartes;
  std::vector<std::string> doublons_demandes;
  int places = 1000;
};

std::string SansMailto(const std::string& url) {
  std::string debut = url.substr(0, 7);
  for (char& c : debut) c = (char)tolower((unsigned char)c);
  return debut == "mailto:" ? url.substr(7) : url;
}

int Doublon(void* c, const char* texte) {
  Appelant* a = (Appelant*)c;
  a->doublons_demandes.push_back(texte);
  for (const std::string& u : a->magasin)
    if (SansMailto(u) == texte) return 1;
  return 0;
}

int Ajouter(void* c, const AdresseInternet* adresse) {
  Appelant* a = (Appelant*)c;
  if (a->places-- <= 0) return 0;
  EXPECT_EQ(SansMailto(adresse->url), adresse->texte);
  a->cartes.push_back({adresse->url, adresse->nom});
  a->magasin.push_back(adresse->url);
  return 1;
}

// The defaults of LVXRECUPBOXQUELCONQUE, and a URL buffer of its exact size.
struct Essai {
  Appelant appelant;
  std::vector<char> url;
  OptionsQuelconque o = OPTIONS_IMPORT_DEFAUT.quelconque;
  ScanAdresses scan{};
  int resultat = -1;

  Essai() : url(TAILLE_TEXTE_IMPORT) {
    scan.options = &o;
    scan.url = url.data();
    scan.contexte = &appelant;
    scan.doublon = Doublon;
    scan.adresse = Ajouter;
  }

  // The data alone on the heap, with no NUL after them.
  const std::vector<Carte>& Lancer(const std::string& texte) {
    std::vector<char> donnees(texte.begin(), texte.end());
    const char* debut = donnees.data();
    resultat = AdressesParcourir(&scan, debut, debut + donnees.size());
    return appelant.cartes;
  }

  std::vector<std::string> Urls(const std::string& texte) {
    std::vector<std::string> urls;
    for (const Carte& c : Lancer(texte)) urls.push_back(c.url);
    return urls;
  }
};

using Urls = std::vector<std::string>;

struct Cas {
  const char* texte;
  Urls urls;
};

TEST(AdressesParcourir, LesClassesDeCaracteresBornentChaqueTexte) {
  const Cas cas[] = {
      {"see http://www.example.org/p_1.html now", {"http://www.example.org/p"}},
      {"http://example.org?q=1 ", {"http://example.org"}},
      {"(http://a.fr/~moi/C:\\doc-1.txt)", {"http://a.fr/~moi/C:\\doc-1.txt"}},
      // Every byte above 127 ends a text.
      {"http://caf\xE9.fr ", {"http://caf"}},
      {"http://a.fr/%20 http://b.fr#x http://c.fr,http://d.fr;", {"http://a.fr/", "http://b.fr",
                                                                  "http://c.fr", "http://d.fr"}},
      // "http:" alone is a text.
      {"le mot http: seul\n", {"http:"}},
      // Any case, for every scheme.
      {"HTTP://A.FR hTtP://b.fr FTP://c.fr Ftp://d.fr NEWS:fr.e nEwS:f\r\n",
       {"HTTP://A.FR", "hTtP://b.fr", "FTP://c.fr", "Ftp://d.fr", "NEWS:fr.e", "nEwS:f"}},
      // An "@" ends a URL and is passed over with it.
      {"http://moi@example.org ", {"http://moi"}},
      // The scheme need not begin a word.
      {"xhttp://a.fr ", {"http://a.fr"}},
  };
  for (const Cas& c : cas) {
    Essai e;
    e.o.SeulementNouvellesUrl = 0;
    EXPECT_EQ(e.Urls(c.texte), c.urls) << c.texte;
    EXPECT_EQ(e.resultat, 1) << c.texte;
  }
}

TEST(AdressesParcourir, UneAdresseCourrielCommenceAuDebutDeSaPartieLocale) {
  const Cas cas[] = {
      // The underscore ends the walk back.
      {"write to john_doe@example.org", {}},
      {"write to john_doe@example.org\r\n", {"mailto:doe@example.org"}},
      {"<a.b-c/d$e@f.fr>", {"mailto:a.b-c/d$e@f.fr"}},
      {"Jean <jean@example.fr>, Marie <marie@example.fr>\r\n",
       {"mailto:jean@example.fr", "mailto:marie@example.fr"}},
      // ":" and backslash end an address; a second "@" does not.
      {"a@b.fr:80 ", {"mailto:a@b.fr"}},
      {"a@b.fr\\x ", {"mailto:a@b.fr"}},
      {"a@b@c.fr ", {"mailto:a@b@c.fr"}},
      {"mailto:a@b.fr ", {"mailto:a@b.fr"}},
      {"caf\xE9@b.fr ", {}},
      // Nothing before the "@": nothing.
      {"@example.org\r\n", {}},
      {"voir @example.org\r\n", {}},
      {"@@a.fr ", {}},
      // The first byte may start the local part.
      {"a@b ", {"mailto:a@b"}},
  };
  for (const Cas& c : cas) {
    Essai e;
    e.o.SeulementNouvellesUrl = 0;
    EXPECT_EQ(e.Urls(c.texte), c.urls) << c.texte;
  }
}

TEST(AdressesParcourir, LeNomEstLeTexteTrouveSelonLOption514) {
  Essai avec;
  const std::vector<Carte> attendu = {{"mailto:doe@example.org", "doe@example.org"},
                                      {"http://a.fr", "http://a.fr"}};
  EXPECT_EQ(avec.Lancer("john_doe@example.org http://a.fr\n"), attendu);

  Essai sans;
  sans.o.CopierUrlDansNom = 0;
  const std::vector<Carte> vides = {{"mailto:doe@example.org", ""}, {"http://a.fr", ""}};
  EXPECT_EQ(sans.Lancer("john_doe@example.org http://a.fr\n"), vides);
}

TEST(AdressesParcourir, UnTexteQuiAtteintLaFinDesDonneesEstPerdu) {
  const Cas cas[] = {
      {"voir http://a.fr", {}},
      {"voir http://a.fr\r\n", {"http://a.fr"}},
      {"voir http://a.fr.", {}},
      {"a@b.fr", {}},
      {"a@b.fr\n", {"mailto:a@b.fr"}},
      {"http://a.fr a@b.fr http://c.fr", {"http://a.fr", "mailto:a@b.fr"}},
      {"http:", {}},
      // A scheme word cut short by the data end ends the scan, here before
      // the "@" that follows.
      {"ah@b\n", {}},
  };
  for (const Cas& c : cas) {
    Essai e;
    EXPECT_EQ(e.Urls(c.texte), c.urls) << c.texte;
    EXPECT_EQ(e.resultat, 1) << c.texte;
  }
}

struct CasOptions {
  uint16_t http, ftp, news, mail;
  Urls urls;
};

TEST(AdressesParcourir, ChaqueSchemaSuitSaCase) {
  const char* texte = "http://a.fr/x ftp://b.fr news:c.d http://moi@e.fr ah@b\n";
  const CasOptions cas[] = {
      {1, 1, 1, 1, {"http://a.fr/x", "ftp://b.fr", "news:c.d", "http://moi"}},
      {1, 0, 0, 0, {"http://a.fr/x", "http://moi"}},
      {0, 1, 0, 0, {"ftp://b.fr"}},
      {0, 0, 1, 0, {"news:c.d"}},
      // Without http, the "//" before the "@" is a local part.
      {0, 0, 0, 1, {"mailto://moi@e.fr", "mailto:ah@b"}},
  };
  for (const CasOptions& c : cas) {
    Essai e;
    e.o.Http = c.http;
    e.o.Ftp = c.ftp;
    e.o.News = c.news;
    e.o.Mail = c.mail;
    EXPECT_EQ(e.Urls(texte), c.urls) << c.http << c.ftp << c.news << c.mail;
  }
}

TEST(AdressesParcourir, LeTestDesDoublonsRecoitLeTexteSansMailto) {
  Essai e;
  e.appelant.magasin = {"MAILTO:doe@example.org", "http://a.fr"};
  EXPECT_EQ(e.Urls("doe@example.org http://a.fr http://b.fr b@c.fr http://b.fr b@c.fr\n"),
            (Urls{"http://b.fr", "mailto:b@c.fr"}));
  EXPECT_EQ(e.appelant.doublons_demandes,
            (Urls{"doe@example.org", "http://a.fr", "http://b.fr", "b@c.fr", "http://b.fr",
                  "b@c.fr"}));

  Essai sans;
  sans.o.SeulementNouvellesUrl = 0;
  sans.appelant.magasin = {"mailto:doe@example.org"};
  EXPECT_EQ(sans.Urls("doe@example.org doe@example.org\n").size(), 2u);
  EXPECT_TRUE(sans.appelant.doublons_demandes.empty());
}

TEST(AdressesParcourir, UnAjoutRefuseArreteLeParcours) {
  Essai e;
  e.appelant.places = 1;
  EXPECT_EQ(e.Urls("http://a.fr b@c.fr http://d.fr\n"), Urls{"http://a.fr"});
  EXPECT_EQ(e.resultat, 0);
}

TEST(AdressesParcourir, UnTexteTropLongEstCoupePourQueMailtoTienne) {
  const std::string local(70000, 'a');
  Essai e;
  const std::vector<Carte>& cartes =
      e.Lancer("http://" + local + " " + local + "@b.fr x@" + local + "\n");
  ASSERT_EQ(cartes.size(), 3u);
  // Cut, and the scan goes on after the whole text.
  EXPECT_EQ(cartes[0].url, "http://" + std::string(LONGUEUR_AVANT_MAILTO_MAX - 7, 'a'));
  // This cut text holds no "@": it is not made an address.
  EXPECT_EQ(cartes[1].url, std::string(LONGUEUR_AVANT_MAILTO_MAX, 'a'));
  const std::string adresse = "x@" + local.substr(0, LONGUEUR_AVANT_MAILTO_MAX - 2);
  EXPECT_EQ(cartes[2].url, "mailto:" + adresse);
  EXPECT_EQ(cartes[2].nom, adresse);
}

}  // namespace
