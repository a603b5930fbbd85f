#include "scanner_page.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Lien {
  std::string url, titre, nom;
  bool operator==(const Lien& autre) const {
    return url == autre.url && titre == autre.titre && nom == autre.nom;
  }
};

void PrintTo(const Lien& l, std::ostream* os) {
  *os << "{" << l.url << " | " << l.titre << " | " << l.nom << "}";
}

// A caller: its store holds the URLs of the cards already there and of the
// cards it appends, so a second link of a page meets the first one.
struct Appelant {
  std::vector<std::string> magasin;
  std::vector<Lien> cartes, montres;
  std::vector<std::string> doublons_demandes;
  int reponses_montrer = 1000;  // links shown before the user cancels
  int places = 1000;            // cards appended before the card limit
};

int Doublon(void* c, const char* url) {
  Appelant* a = (Appelant*)c;
  a->doublons_demandes.push_back(url);
  for (const std::string& u : a->magasin)
    if (u == url) return 1;
  return 0;
}

int Montrer(void* c, const LienTrouve* l) {
  Appelant* a = (Appelant*)c;
  if (a->reponses_montrer-- <= 0) return 0;
  a->montres.push_back({l->url, l->titre, l->nom});
  return 1;
}

int Ajouter(void* c, const LienTrouve* l) {
  Appelant* a = (Appelant*)c;
  if (a->places-- <= 0) return 0;
  a->cartes.push_back({l->url, l->titre, l->nom});
  a->magasin.push_back(l->url);
  return 1;
}

// The defaults of LVXRECUPBOX, and buffers of the exact size, so that the
// sanitizer catches any write past them.
struct Essai {
  Appelant appelant;
  std::vector<char> url, titre, transfert;
  OptionsUrl o = OPTIONS_IMPORT_DEFAUT.url;
  ScanPage scan{};
  int resultat = -1;

  Essai() : url(TAILLE_TEXTE_IMPORT), titre(TAILLE_TEXTE_IMPORT), transfert(TAILLE_TEXTE_IMPORT) {
    scan.options = &o;
    scan.url = url.data();
    scan.titre = titre.data();
    scan.transfert = transfert.data();
    scan.contexte = &appelant;
    scan.doublon = Doublon;
    scan.montrer = Montrer;
    scan.lien = Ajouter;
  }

  // The data alone on the heap, with no NUL after them.
  const std::vector<Lien>& Lancer(const std::string& page) {
    std::vector<char> donnees(page.begin(), page.end());
    const char* debut = donnees.data();
    resultat = PageParcourir(&scan, debut, debut + donnees.size());
    return appelant.cartes;
  }

  std::vector<std::string> Urls(const std::string& page) {
    std::vector<std::string> urls;
    for (const Lien& l : Lancer(page)) urls.push_back(l.url);
    return urls;
  }
};

using Urls = std::vector<std::string>;

TEST(PageParcourir, UnLienAvecLesOptionsParDefaut) {
  Essai e;
  const std::vector<Lien> attendu = {
      {"http://example.org/x.htm", "Site A", "Site A"}};
  EXPECT_EQ(e.Lancer("<a href=http://example.org/x.htm>Site A</a>"), attendu);
  EXPECT_EQ(e.resultat, 1);
}

struct CasURL {
  const char* page;
  Urls urls;
};

TEST(PageParcourir, ReconnaitHrefEtLitSaValeur) {
  const CasURL cas[] = {
      // No blank before the "="; the blanks after it are skipped.
      {"<A HREF = x.htm>X</A>", {}},
      {"<A HREF= x.htm>X</A>", {"x.htm"}},
      {"<A HREF=\t\"x.htm\">X</A>", {"x.htm"}},
      // Any case, any tag, or plain text.
      {"<a hReF=\"x.htm\">X</a>", {"x.htm"}},
      {"<LINK REL=stylesheet HREF=s.css>\r\n<P>Texte</P>", {"s.css"}},
      {"<MAP><AREA SHAPE=rect HREF=\"zone.htm\"></MAP>", {"zone.htm"}},
      {"<BASE HREF=\"http://example.org/\"><P>x</P>", {"http://example.org/"}},
      // "<" does not end a value.
      {"voir href=x.htm</p>", {"x.htm</p"}},
      // Single quotes are not special.
      {"<A HREF='x.htm'>X</A>", {"'x.htm'"}},
      // A quote, a space, ">" or TAB ends the value; CR and LF are left out.
      {"<A HREF=\"a b.htm\">X</A>", {"a"}},
      {"<A HREF=a\tb>X</A>", {"a"}},
      {"<A HREF=\"a\r\nb.htm\">X</A>", {"ab.htm"}},
      {"<A HREF=\r\nx.htm>X</A>", {"x.htm"}},
      // An empty value is no link; the quotes before a value are skipped.
      {"<A HREF=\"\">X</A>", {}},
      {"<A HREF=\"\" x.htm>X</A>", {"x.htm"}},
      // A value running into the data end is no link.
      {"<A HREF=x.htm", {}},
      {"<A HREF=", {}},
      {"<A HREF", {}},
      // The scan goes on inside a value.
      {"<A HREF=r.cgi?href=y.htm>X</A>", {"r.cgi?href=y.htm", "y.htm"}},
  };
  for (const CasURL& c : cas) {
    Essai e;
    e.o.SeulementNouvellesUrl = 0;
    EXPECT_EQ(e.Urls(c.page), c.urls) << c.page;
    EXPECT_EQ(e.resultat, 1) << c.page;
  }
}

struct CasTitre {
  const char* page;
  const char* titre;
};

TEST(PageParcourir, LeTitreEstLeTexteAvantLaBaliseFermante) {
  const CasTitre cas[] = {
      {"<A HREF=x.htm>Titre</A>", "Titre"},
      {"<A HREF=x.htm><B>Gras</B> suite</A>", "Gras"},
      {"<A HREF=x.htm><IMG SRC=y.gif></A>", ""},
      // The blanks and ">" before the text are skipped, CR and LF left out,
      // then white space runs become one space.
      {"<A HREF=x.htm>\r\n\t  Mon \r\n  site\r\n</A>", "Mon site"},
      // Entities are decoded, unknown ones kept.
      {"<A HREF=x.htm>Caf&eacute; &amp; th&eacute;&nbsp;&#146;&hellip;</A>",
       "Café & thé '&hellip;"},
      // A "<" that does not open a closing tag is passed over.
      {"<A HREF=x.htm>a < b </A>", "a < b "},
      // The nearest ">" may lie before the link itself.
      {"<P>Lire href=x.htm</P>", "Lire href=x.htm"},
      // No ">" at all before the "</": an empty title.
      {"href=x.htm </A>", ""},
  };
  for (const CasTitre& c : cas) {
    Essai e;
    e.o.RemplacerNomVideParUrl = 0;
    const std::vector<Lien>& cartes = e.Lancer(c.page);
    ASSERT_EQ(cartes.size(), 1u) << c.page;
    EXPECT_EQ(cartes[0].titre, c.titre) << c.page;
    EXPECT_EQ(cartes[0].nom, c.titre) << c.page;
  }
}

TEST(PageParcourir, UnLienSansBaliseFermanteApresLuiEstPerdu) {
  const CasURL cas[] = {
      {"<A HREF=a.htm>A</A>\r\n<A HREF=b.htm>B", {"a.htm"}},
      {"<A HREF=c.htm>C<", {}},
      {"<A HREF=d.htm>D</", {"d.htm"}},
  };
  for (const CasURL& c : cas) {
    Essai e;
    EXPECT_EQ(e.Urls(c.page), c.urls) << c.page;
    EXPECT_EQ(e.resultat, 1) << c.page;
  }
}

TEST(PageParcourir, UnTitreVidePrendLURLSelonLOption394) {
  const char* page =
      "<A HREF=x.htm></A><A HREF=MailTo:moi@example.org></A>"
      "<A HREF=mailto:></A><A HREF=mail></A>";
  Essai avec;
  const std::vector<Lien> attendu = {{"x.htm", "", "x.htm"},
                                     {"MailTo:moi@example.org", "", "moi@example.org"},
                                     {"mailto:", "", ""},
                                     {"mail", "", "mail"}};
  EXPECT_EQ(avec.Lancer(page), attendu);

  Essai sans;
  sans.o.RemplacerNomVideParUrl = 0;
  for (const Lien& l : sans.Lancer(page)) EXPECT_EQ(l.nom, "") << l.url;
  EXPECT_EQ(sans.appelant.cartes.size(), 4u);
}

const char* const SCHEMAS =
    "<A HREF=http://a.fr>1</A><A HREF=HTTP://EXAMPLE.ORG>2</A>"
    "<A HREF=ftp://example.org>3</A><A HREF=news:fr.comp>4</A>"
    "<A HREF=mailto:a@b.fr>5</A><A HREF=page.htm>6</A>"
    "<A HREF=go.cgi?u=http://c.fr>7</A><A HREF=Exemple.htm>8</A>";

struct CasFiltre {
  uint16_t http, ftp, news, mailto, autre;
  const char* texte_autre;
  Urls urls;
};

TEST(PageParcourir, FiltreParSchemaQuandTousEstDecoche) {
  const CasFiltre cas[] = {
      // The scheme may stand anywhere, in any case.
      {1, 0, 0, 0, 0, "", {"http://a.fr", "HTTP://EXAMPLE.ORG", "go.cgi?u=http://c.fr"}},
      {0, 1, 0, 0, 0, "", {"ftp://example.org"}},
      {0, 0, 1, 0, 0, "", {"news:fr.comp"}},
      {0, 0, 0, 1, 0, "", {"mailto:a@b.fr"}},
      {0, 1, 1, 0, 0, "", {"ftp://example.org", "news:fr.comp"}},
      // "Autre:" compares with case; empty, it takes every link.
      {0, 0, 0, 0, 1, "Exemple", {"Exemple.htm"}},
      {0, 0, 0, 0, 1, "EXAMPLE", {"HTTP://EXAMPLE.ORG"}},
      {0, 0, 0, 0, 1, "", {"http://a.fr", "HTTP://EXAMPLE.ORG", "ftp://example.org",
                           "news:fr.comp", "mailto:a@b.fr", "page.htm", "go.cgi?u=http://c.fr",
                           "Exemple.htm"}},
      // Text given but its box off: nothing.
      {0, 0, 0, 0, 0, "page", {}},
  };
  for (const CasFiltre& c : cas) {
    Essai e;
    e.o.Tous = 0;
    e.o.Http = c.http;
    e.o.Ftp = c.ftp;
    e.o.News = c.news;
    e.o.Mailto = c.mailto;
    e.o.Autre = c.autre;
    snprintf(e.o.TexteAutre, sizeof e.o.TexteAutre, "%s", c.texte_autre);
    EXPECT_EQ(e.Urls(SCHEMAS), c.urls) << c.http << c.ftp << c.news << c.mailto << c.autre;
  }
}

TEST(PageParcourir, LeTestDesDoublonsSuitLOption392) {
  const char* page = "<A HREF=x.htm>Un</A> <A HREF=y.htm>Deux</A> <A HREF=x.htm>Trois</A>";
  Essai avec;
  EXPECT_EQ(avec.Urls(page), (Urls{"x.htm", "y.htm"}));
  EXPECT_EQ(avec.appelant.doublons_demandes, (Urls{"x.htm", "y.htm", "x.htm"}));

  Essai sans;
  sans.o.SeulementNouvellesUrl = 0;
  EXPECT_EQ(sans.Urls(page), (Urls{"x.htm", "y.htm", "x.htm"}));
  EXPECT_TRUE(sans.appelant.doublons_demandes.empty());

  Essai deja;
  deja.appelant.magasin = {"y.htm"};
  EXPECT_EQ(deja.Urls(page), Urls{"x.htm"});
}

TEST(PageParcourir, LeModeParcourirMontreChaqueLienSansCreerDeFiche) {
  const char* page = "<A HREF=a.htm>A</A><A HREF=a.htm></A><A HREF=ftp://b.fr>B</A>";
  Essai e;
  e.o.ParcourirLesUrl = 1;
  e.Lancer(page);
  const std::vector<Lien> attendu = {
      {"a.htm", "A", "A"}, {"a.htm", "", "a.htm"}, {"ftp://b.fr", "B", "B"}};
  EXPECT_EQ(e.appelant.montres, attendu);
  EXPECT_TRUE(e.appelant.cartes.empty());
  EXPECT_TRUE(e.appelant.doublons_demandes.empty());
  EXPECT_EQ(e.resultat, 1);

  // Cancel at the second link ends the scan.
  Essai annule;
  annule.o.ParcourirLesUrl = 1;
  annule.appelant.reponses_montrer = 1;
  annule.Lancer(page);
  EXPECT_EQ(annule.appelant.montres.size(), 1u);
  EXPECT_EQ(annule.resultat, 0);
}

TEST(PageParcourir, UnAjoutRefuseArreteLeParcours) {
  Essai e;
  e.appelant.places = 1;
  EXPECT_EQ(e.Urls("<A HREF=a.htm>A</A><A HREF=b.htm>B</A><A HREF=c.htm>C</A>"),
            Urls{"a.htm"});
  EXPECT_EQ(e.resultat, 0);
}

TEST(PageParcourir, UnTexteTropLongEstCoupeASonTampon) {
  const std::string longue(70000, 'u');
  Essai e;
  e.o.RemplacerNomVideParUrl = 0;
  const std::vector<Lien>& cartes =
      e.Lancer("<A HREF=" + longue + ">" + longue + "</A> <A HREF=b.htm>B</A>");
  ASSERT_EQ(cartes.size(), 2u);
  EXPECT_EQ(cartes[0].url, std::string(TAILLE_TEXTE_IMPORT - 1, 'u'));
  EXPECT_EQ(cartes[0].titre, std::string(TAILLE_TEXTE_IMPORT - 1, 'u'));
  EXPECT_EQ(cartes[1].url, "b.htm");
}

TEST(PageMessageParcourir, CheminTitreEtURLSeparesParDeuxLF) {
  const LienTrouve l = {"http://a.fr", "Titre", "Titre"};
  char texte[64];
  EXPECT_EQ(PageMessageParcourir(texte, sizeof texte, "C:\\pages\\a.htm", &l), 34u);
  EXPECT_STREQ(texte, "C:\\pages\\a.htm\n\nTitre\n\nhttp://a.fr");
  char court[10];
  EXPECT_EQ(PageMessageParcourir(court, sizeof court, "C:\\pages\\a.htm", &l), 9u);
  EXPECT_STREQ(court, "C:\\pages\\");
}

// A page made here, as a French site of the time would write it.
TEST(PageParcourir, UnePageCompleteDonneChacunDeSesLiens) {
  std::string chemin = __FILE__;
  chemin = chemin.substr(0, chemin.rfind("/unit/")) + "/data/pages/page_complete.html";
  std::ifstream f(chemin, std::ios::binary);
  ASSERT_TRUE(f) << chemin;
  const std::string page((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());

  Essai e;
  e.o.SeulementNouvellesUrl = 0;
  const std::vector<Lien> attendu = {
      // Both titled by the text after the script's "-->".
      {"styles/principal.css", "", "styles/principal.css"},
      {"index.htm", "", "index.htm"},
      {"http://www.example.fr/", "Accueil", "Accueil"},
      {"actualites.html", "Actualités", "Actualités"},
      {"'archives/1999.htm'", "Archives 1999", "Archives 1999"},
      {"#bas", "Aller en bas de page", "Aller en bas de page"},
      {"HTTP://WWW.EXAMPLE.ORG/Guide.HTM", "guide", "guide"},
      {"http://www.example.fr/cgi-bin/rech.cgi?mot=caf%E9&page=2", "Recherche", "Recherche"},
      {"ftp://ftp.example.fr/pub/outils.zip", "Outils (FTP)", "Outils (FTP)"},
      {"news:fr.comp.infosystemes.www", "Forum", "Forum"},
      {"mailto:webmestre@example.fr", "", "webmestre@example.fr"},
      {"javascript:ouvrir('plan.htm')", "Plan du site", "Plan du site"},
      {"../index.htm", "Sommaire", "Sommaire"},
      {"ancien.htm", "Ancienne page", "Ancienne page"},  // inside a comment
      {"produits.htm", "Nos produits", "Nos produits"},
      {"contact.htm", "Contact", "Contact"},
      // «href = "livre-dor.htm"» is no link.
      {"http://www.example.com/partenaire.html", "Partenaire &eacute", "Partenaire &eacute"},
      {"produits.htm", "", "produits.htm"},  // the two AREA of the map
      {"contact.htm", "", "contact.htm"},
      {"/images/grand.jpg", "", "/images/grand.jpg"},
      {"plan-acces.htm", "Plan d'accès et horaires", "Plan d'accès et horaires"},
      {"http://www.example.fr/p?a=1&amp;b=2", "François & C°", "François & C°"},
      {"#haut", "Haut de page", "Haut de page"},
  };
  EXPECT_EQ(e.Lancer(page), attendu);
  EXPECT_EQ(e.resultat, 1);

  // With 392 the map's links meet the cards of the text links.
  Essai nouvelles;
  EXPECT_EQ(nouvelles.Lancer(page).size(), attendu.size() - 2);
}

}  // namespace
