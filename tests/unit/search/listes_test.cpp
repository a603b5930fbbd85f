// The field-value lists: the value each card shows, the batches forward
// and back, the distinct categories and keywords, the choice of the k-th
// equal entry, and the criteria handed back from a category or keyword.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dialogues_affic.h"
#include "lvxaffic.h"
#include "lvxaffic_ids.h"
#include "outils_fiches.h"

namespace {

TEST(ValeursListe, ChaqueFormeDeLUrlEtLesFichesVides) {
  const struct {
    GenreListe genre;
    const char* champ;  // the name for LISTE_NOMS, else the URL
    const char* attendu;
  } cas[] = {
      {LISTE_NOMS, "", SANS_NOM_DE_SITE},
      {LISTE_NOMS, " Exemple ", " Exemple "},
      {LISTE_URL, "", SANS_URL},
      {LISTE_URL, "<EXTRAWEB>", SANS_URL},
      {LISTE_CIBLES, "<EXTRAWEB>", SANS_CIBLE},
      {LISTE_FINS_CIBLES, "", SANS_CIBLE},
      {LISTE_URL, "http://a.fr/dossier/", "http://a.fr/dossier/"},
      {LISTE_CIBLES, "http://a.fr/dossier/", "http://a.fr/dossier/"},
      {LISTE_FINS_CIBLES, "http://a.fr/dossier/", "dossier/"},
      {LISTE_FINS_CIBLES, "http://a.fr/d/page.html", "page.html"},
      {LISTE_FINS_CIBLES, "http://a.fr/d\\ \t", "d\\ \t"},
      {LISTE_FINS_CIBLES, "http://a.fr", "a.fr"},
      {LISTE_FINS_CIBLES, "mailto:moi@a.fr", "moi@a.fr"},
      {LISTE_FINS_CIBLES, "sans-separateur", "sans-separateur"},
      {LISTE_FINS_CIBLES, "//", "//"},
      {LISTE_URL, "<EXTRAWEB>C:\\Prog\\app.exe C:\\docs\\lettre.doc",
       "<EXTRAWEB>C:\\Prog\\app.exe C:\\docs\\lettre.doc"},
      {LISTE_CIBLES, "<EXTRAWEB>C:\\Prog\\app.exe C:\\docs\\lettre.doc", "C:\\docs\\lettre.doc"},
      {LISTE_FINS_CIBLES, "<EXTRAWEB>C:\\Prog\\app.exe C:\\docs\\lettre.doc", "lettre.doc"},
      // No second colon, or no space two places before it: no document.
      {LISTE_CIBLES, "<EXTRAWEB>C:\\Prog\\app.exe", SANS_CIBLE},
      {LISTE_CIBLES, "<EXTRAWEB>C:\\app.exe,C:\\doc.txt", SANS_CIBLE},
      {LISTE_CIBLES, "<extraweb>C:\\a.exe C:\\b.txt", "<extraweb>C:\\a.exe C:\\b.txt"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(std::to_string(c.genre) + " " + c.champ);
    Textes t = {"", "", "", "", ""};
    t[c.genre == LISTE_NOMS ? CHAMP_NOM : CHAMP_URL] = c.champ;
    std::string octets = OctetsFiche(t);
    EXPECT_EQ(ValeurFiche(c.genre, (const uint8_t*)octets.data()), c.attendu);
  }
}

TEST(ValeursListe, LesMotsSeCoupentAuxBlancsSeulement) {
  const struct {
    const char* texte;
    std::vector<std::string> mots;
  } cas[] = {
      {"web html web", {"web", "html", "web"}},
      {"\r\n web\r\nhtml\t\tweb \n", {"web", "html", "web"}},
      {"c++,java;  l'été", {"c++,java;", "l'été"}},
      {" \t\r\n", {}},
      {"", {}},
  };
  for (const auto& c : cas) {
    std::vector<std::string> mots;
    size_t suite = 0;
    std::string_view texte = c.texte;
    for (std::string_view m = MotSuivant(texte, &suite); !m.empty(); m = MotSuivant(texte, &suite))
      mots.emplace_back(m);
    EXPECT_EQ(mots, c.mots) << c.texte;
  }
}

// A store on the installed fake, and lists over it.
class ListesTest : public EssaiMagasin {
 protected:
  std::unique_ptr<ListeValeurs> l = std::make_unique<ListeValeurs>();
  uint8_t tampon[65534];
  char recherche[10001];
  char expression[10001] = "";

  void SetUp() override { InstallerFauxSysteme(&faux); }

  void Remplir(const std::vector<Textes>& fiches) { RemplirMagasin(&m, sys->memoire, fiches); }
  void Preparer(GenreListe genre, RestrictionListe restriction = LISTE_TOUTES,
                uint32_t capacite = CAPACITE_LISTE) {
    CriteresListe c = {.tampon_recherche = recherche,
                       .expression = expression,
                       .RechercheAvecCasse = 0,
                       .RechercheNoms = 1,
                       .RechercheURL = 0,
                       .RechercheRubriques = 0,
                       .RechercheMotsCles = 0,
                       .RechercheNotes = 0,
                       .RechercheAvecExactitude = 0,
                       .RechercheTotalChamp = 0,
                       .RechercheOccurDebutChamp = 0,
                       .tampon = tampon};
    ListePreparer(l.get(), genre, restriction, c, m.lpDebutMem, m.lpFinMem, &faux.caracteres,
                  &faux.fenetres, (Poignee)0x10, (Poignee)0x51, (Poignee)0x50);
    l->capacite = capacite;
  }
  std::vector<std::string> Entrees() const {
    std::vector<std::string> e;
    for (uint32_t i = 0; i < ListeNombre(l.get()); i++) e.push_back(ListeEntree(l.get(), i));
    return e;
  }
  // The batch as its first and last card numbers and its entries.
  std::string Lot() const {
    std::string s = std::to_string(l->numero_debut) + "-" + std::to_string(l->numero_apres - 1);
    for (const std::string& e : Entrees()) s += " " + e;
    return s;
  }
  int32_t Choisie(uint32_t i) {
    uint8_t* fiche = nullptr;
    int32_t numero = 0;
    if (!ListeFicheChoisie(l.get(), i, &fiche, &numero)) return 0;
    EXPECT_EQ(fiche, MagasinFiche(&m, numero));
    return numero;
  }
};

// Equal names stay apart in the list; the k-th of them leads to the k-th
// such card. The placeholder sorts first and is chosen like any name.
TEST_F(ListesTest, NomsEgauxEtLaKiemeFiche) {
  Remplir({{"b", "", "", "", ""},
           {"a", "", "", "", ""},
           {"b", "", "", "", ""},
           {"", "", "", "", ""},
           {"B", "", "", "", ""},
           {"b", "", "", "", ""}});
  Preparer(LISTE_NOMS);
  ListePremierLot(l.get());
  EXPECT_EQ(Entrees(), (std::vector<std::string>{SANS_NOM_DE_SITE, "a", "b", "b", "b", "B"}));
  const int32_t attendues[] = {4, 2, 1, 3, 6, 5};
  for (uint32_t i = 0; i < 6; i++) EXPECT_EQ(Choisie(i), attendues[i]) << i;
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{(Poignee)0x51, (Poignee)0x50}));
  EXPECT_GE(faux.redessins, 1);
}

// Categories once each, exactly as written; empty ones not at all. The
// keywords of every card, once each.
TEST_F(ListesTest, RubriquesEtMotsClesDistincts) {
  Remplir({{"", "", "Divers", "web html web", ""},
           {"", "", "", "html\r\ncss", ""},
           {"", "", "divers", "", ""},
           {"", "", "Divers", "  web  ", ""}});
  Preparer(LISTE_RUBRIQUES);
  ListePremierLot(l.get());
  EXPECT_EQ(Lot(), "1-4 divers Divers");
  Preparer(LISTE_MOTS_CLES);
  ListePremierLot(l.get());
  EXPECT_EQ(Lot(), "1-4 css html web");

  MagasinLiberer(&m, sys->memoire);
  Remplir({{"", "", "", "web html web", ""}});
  Preparer(LISTE_MOTS_CLES);
  ListePremierLot(l.get());
  EXPECT_EQ(Lot(), "1-1 html web");
}

// A full list ends the batch before the card that does not fit; Lot
// suivant goes on from there, Lot précédent walks back from the batch's
// first card. Neither moves past the ends of the store.
TEST_F(ListesTest, LotsEnAvantEtEnArriere) {
  Remplir({{"1", "", "", "", ""},
           {"2", "", "", "", ""},
           {"3", "", "", "", ""},
           {"4", "", "", "", ""},
           {"5", "", "", "", ""}});
  Preparer(LISTE_NOMS, LISTE_TOUTES, 2);
  ListePremierLot(l.get());
  EXPECT_EQ(Lot(), "1-2 1 2");
  EXPECT_EQ(ListeLotPrecedent(l.get()), 0);
  EXPECT_EQ(Lot(), "1-2 1 2");
  const struct {
    int (*lot)(ListeValeurs*);
    int change;
    const char* attendu;
  } pas[] = {
      {ListeLotSuivant, 1, "3-4 3 4"}, {ListeLotSuivant, 1, "5-5 5"},
      {ListeLotSuivant, 0, "5-5 5"},   {ListeLotPrecedent, 1, "3-4 3 4"},
      {ListeLotSuivant, 1, "5-5 5"},   {ListeLotPrecedent, 1, "3-4 3 4"},
      {ListeLotPrecedent, 1, "1-2 1 2"}, {ListeLotPrecedent, 0, "1-2 1 2"},
  };
  for (const auto& p : pas) {
    EXPECT_EQ(p.lot(l.get()), p.change);
    EXPECT_EQ(Lot(), p.attendu);
  }
  // Choosing in a later batch counts from that batch's first card.
  ListeLotSuivant(l.get());
  EXPECT_EQ(Choisie(1), 4);
}

// The keywords of a card go in together or wait for the next batch; a card
// with more of them than an empty list holds is cut, so that paging moves on.
TEST_F(ListesTest, LesMotsDUneFicheVontEnsemble) {
  Remplir({{"", "", "", "a b", ""}, {"", "", "", "b c d", ""}, {"", "", "", "e f g h", ""}});
  Preparer(LISTE_MOTS_CLES, LISTE_TOUTES, 3);
  ListePremierLot(l.get());
  EXPECT_EQ(Lot(), "1-1 a b");
  ListeLotSuivant(l.get());
  EXPECT_EQ(Lot(), "2-2 b c d");
  ListeLotSuivant(l.get());
  EXPECT_EQ(Lot(), "3-3 e f g");
  EXPECT_EQ(ListeLotSuivant(l.get()), 0);
  ListeLotPrecedent(l.get());
  EXPECT_EQ(Lot(), "2-2 b c d");
}

// Restricted lists skip the other cards, in both directions, and when no
// card is kept the list is empty.
TEST_F(ListesTest, RestrictionsRechercheEtMarquees) {
  Remplir({{"web un", "", "", "", ""},
           {"autre", "", "", "", ""},
           {"web deux", "", "", "", ""},
           {"web trois", "", "", "", ""}});
  snprintf(expression, sizeof expression, "web");
  Preparer(LISTE_NOMS, LISTE_RECHERCHE, 2);
  ListePremierLot(l.get());
  EXPECT_EQ(Lot(), "1-3 web deux web un");
  EXPECT_EQ(Choisie(0), 3);
  ListeLotSuivant(l.get());
  EXPECT_EQ(Lot(), "4-4 web trois");
  ListeLotPrecedent(l.get());
  EXPECT_EQ(Lot(), "1-3 web deux web un");

  Preparer(LISTE_NOMS, LISTE_MARQUEES);
  ListePremierLot(l.get());
  EXPECT_EQ(Lot(), "1-4");
  EXPECT_EQ(ListeLotSuivant(l.get()), 0);
  EXPECT_EQ(ListeLotPrecedent(l.get()), 0);
}

// The exports, with the scripted user in the dialogs.
class AfficherTest : public ListesTest {
 protected:
  char expression_principale[10001] = "ancienne";
  // Criteria handed over: Noms and Notes, case.
  void Init(uint16_t noms_recherche = 0, uint16_t noms_marquees = 0, uint16_t url_recherche = 0,
            uint16_t url_marquees = 0, uint16_t cibles = 0, uint16_t fins = 0) {
    Util_Dll_Afficher_Init_Variables((Poignee)0x10, tampon, noms_recherche, noms_marquees,
                                     url_recherche, url_marquees, expression_principale,
                                     recherche, 1, 0, 0, 0, 1, 1, 0, 0, 0, m.lpDebutMem,
                                     m.lpFinMem, m.lpFicheEcran, 1, (Poignee)0x51,
                                     (Poignee)0x50, cibles, fins);
  }
  std::vector<uint16_t> Criteres() {
    return {Lvxaffic_Recuperer_RechercheNoms(),          Lvxaffic_Recuperer_RechercheURL(),
            Lvxaffic_Recuperer_RechercheRubriques(),     Lvxaffic_Recuperer_RechercheMotsCles(),
            Lvxaffic_Recuperer_RechercheNotes(),         Lvxaffic_Recuperer_RechercheAvecCasse(),
            Lvxaffic_Recuperer_RechercheAvecExactitude(), Lvxaffic_Recuperer_RechercheTotalChamp(),
            Lvxaffic_Recuperer_RechercheOccurDebutChamp()};
  }
  // What the user does in the next list: select an entry (-1: none),
  // press a button, and what the dialog then does.
  struct Pas {
    int32_t selection;
    unsigned id;
    SuiteListes attendue;
  };
  void Presser(std::vector<Pas> pas) {
    faux.dans_listes.push_back([pas](DialogueListes* d) {
      for (const Pas& p : pas) {
        d->selection = p.selection;
        EXPECT_EQ(DialogueListesAppuyer(d, p.id), p.attendue) << p.id;
      }
    });
  }
};

TEST_F(AfficherTest, TitresEtEtiquettesSelonLaCommande) {
  Remplir({{"un", "http://a.fr/x/", "", "", ""}, {"deux", "http://b.fr/", "", "", ""}});
  const struct {
    void (*commande)();
    uint16_t drapeaux[6];  // noms recherche, noms marquées, url recherche, url marquées, cibles, fins
    const char* titre;
    const char* etiquette;
    const char* premiere;
  } cas[] = {
      {Util_Dll_Afficher_Liste_Noms_De_Sites, {0, 0, 0, 0, 0, 0}, "Noms de sites disponibles",
       "Noms de sites dans cette liste.", "deux"},
      {Util_Dll_Afficher_Liste_Noms_De_Sites, {0, 1, 0, 0, 0, 0},
       "Noms des sites correspondant aux fiches marquées", "Noms de sites dans cette liste.", ""},
      {Util_Dll_Afficher_Liste_URL, {0, 0, 1, 0, 0, 0},
       "Liste des URL des fiches correspondant aux critères de recherche",
       "URL dans cette liste.", ""},
      {Util_Dll_Afficher_Liste_URL, {0, 0, 0, 0, 1, 0}, "Liste des cibles disponibles",
       "Cibles dans cette liste.", "http://a.fr/x/"},
      {Util_Dll_Afficher_Liste_URL, {0, 0, 0, 1, 1, 1},
       "Liste des fins de cibles des fiches marquées", "Fins de cibles dans cette liste.", ""},
      {Util_Dll_Afficher_Liste_URL, {1, 1, 0, 0, 1, 1}, "Liste des fins de cibles disponibles",
       "Fins de cibles dans cette liste.", "b.fr/"},
      {Util_Dll_Afficher_Liste_Rubriques, {0, 0, 0, 0, 0, 0}, "Rubriques disponibles",
       "rubriques dans cette liste.", ""},
      {Util_Dll_Afficher_Liste_Mots_Cles, {0, 0, 0, 0, 0, 0}, "Mots clés disponibles",
       "mots clés dans cette liste.", ""},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.titre);
    const uint16_t* f = c.drapeaux;
    Init(f[0], f[1], f[2], f[3], f[4], f[5]);
    std::string vus[5];
    faux.dans_listes.push_back([&](DialogueListes* d) {
      vus[0] = d->titre;
      vus[1] = d->etiquette;
      vus[2] = std::string(d->de) + " " + d->a + " " + d->nombre;
      vus[3] = ListeNombre(&d->liste) ? ListeEntree(&d->liste, 0) : "";
      vus[4] = std::to_string(d->selection);
    });
    c.commande();
    EXPECT_EQ(vus[0], c.titre);
    EXPECT_EQ(vus[1], c.etiquette);
    bool vide = !*c.premiere;
    EXPECT_EQ(vus[2], vide ? "0000001 0000002 0000000" : "0000001 0000002 0000002");
    EXPECT_EQ(vus[3], c.premiere);
    EXPECT_EQ(vus[4], vide ? "-1" : "0");
    EXPECT_EQ(Lvxaffic_Recuperer_AfficherFicheOk(), 0);
  }
}

// Rechercher on a name: the card and its number come back. Without a
// selection a warning, and the list stays; Fermer gives nothing back.
TEST_F(AfficherTest, ChoixDUnNomOuRien) {
  Remplir({{"b", "", "", "", ""}, {"a", "", "", "", ""}, {"b", "", "", "", ""}});
  Init();
  Presser({{-1, IDC_LISTES_RECHERCHER, LISTES_RESTE}, {2, IDC_LISTES_RECHERCHER, LISTES_FERME}});
  Util_Dll_Afficher_Liste_Noms_De_Sites();
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "il n'y a pas de sélection !");
  EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ATTENTION);
  EXPECT_EQ(faux.messages[0].proprietaire, (Poignee)0xD1C);
  EXPECT_EQ(Lvxaffic_Recuperer_AfficherFicheOk(), 1);
  EXPECT_EQ(Lvxaffic_Recuperer_NumFiche(), 3);
  EXPECT_EQ(Lvxaffic_Recuperer_lpFicheEcran(), MagasinFiche(&m, 3));

  Init();
  Presser({{0, IDC_LISTES_FERMER, LISTES_FERME}});
  Util_Dll_Afficher_Liste_Noms_De_Sites();
  EXPECT_EQ(Lvxaffic_Recuperer_AfficherFicheOk(), 0);
  EXPECT_EQ(Lvxaffic_Recuperer_NumFiche(), 1);
  EXPECT_EQ(Lvxaffic_Recuperer_lpFicheEcran(), m.lpFicheEcran);

  faux.messages.clear();
  Init();
  faux.echec_allocation_dans = 1;
  Presser({{0, IDC_LISTES_RECHERCHER, LISTES_FERME}});
  Util_Dll_Afficher_Liste_Noms_De_Sites();
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de mémoire impossible !"});
  EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
  EXPECT_EQ(Lvxaffic_Recuperer_AfficherFicheOk(), 0);
}

// A category presets a whole-field search on Rubrique, a keyword an exact
// search on Mots clés; OK hands the criteria and the expression back,
// Annuler returns to the list and leaves them as they were.
TEST_F(AfficherTest, LesCriteresRendusParUneRubriqueOuUnMotCle) {
  Remplir({{"", "", "Outils web", "html", ""}});
  const struct {
    void (*commande)();
    const char* texte;
    std::vector<uint16_t> preset;
  } cas[] = {
      {Util_Dll_Afficher_Liste_Rubriques, "Outils web", {0, 0, 1, 0, 0, 0, 0, 1, 0}},
      {Util_Dll_Afficher_Liste_Mots_Cles, "html", {0, 0, 0, 1, 0, 0, 1, 0, 0}},
  };
  const std::vector<uint16_t> avant = {1, 0, 0, 0, 1, 1, 0, 0, 0};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.texte);
    Init();
    Presser({{0, IDC_LISTES_RECHERCHER, LISTES_RESTE}, {0, IDC_LISTES_RECHERCHER, LISTES_FERME}});
    faux.dans_env_recherche.push_back([&](DialogueEnvRecherche* e) {
      EXPECT_EQ(std::vector<uint16_t>(e->drapeaux, e->drapeaux + 9), c.preset);
      EXPECT_STREQ(e->expression, c.texte);
      EnvRechercheAppuyer(e, IDC_ENV_NOTES);
      return EnvRechercheAppuyer(e, IDC_ENV_ANNULER) == ENV_OK;
    });
    faux.dans_env_recherche.push_back([](DialogueEnvRecherche* e) {
      EnvRechercheAppuyer(e, IDC_ENV_CASSE);
      snprintf(e->expression, sizeof e->expression, "%s", "changée");
      return EnvRechercheAppuyer(e, IDC_ENV_OK) == ENV_OK;
    });
    c.commande();
    EXPECT_TRUE(faux.dans_env_recherche.empty());
    std::vector<uint16_t> rendus = c.preset;
    rendus[5] = 1;
    EXPECT_EQ(Criteres(), rendus);
    EXPECT_STREQ(expression_principale, "changée");

    snprintf(expression_principale, sizeof expression_principale, "%s", "ancienne");
    Init();
    Presser({{0, IDC_LISTES_RECHERCHER, LISTES_RESTE}, {0, IDC_LISTES_FERMER, LISTES_FERME}});
    c.commande();
    EXPECT_EQ(Criteres(), avant);
    EXPECT_STREQ(expression_principale, "ancienne");
  }
}

// The boxes of the criteria dialog: exactness and start of field each
// untick whole field, whole field unticks both, unticking changes nothing
// else; the edit buttons act on the expression box and keep the focus.
TEST(EnvRecherche, ExclusionsEtBoutonsDEdition) {
  const struct {
    std::vector<unsigned> clics;
    std::vector<uint16_t> attendus;
  } cas[] = {
      {{IDC_ENV_TOTAL_CHAMP}, {0, 0, 1, 0, 0, 0, 0, 1, 0}},
      {{IDC_ENV_EXACTITUDE}, {0, 0, 1, 0, 0, 0, 1, 0, 0}},
      {{IDC_ENV_DEBUT_CHAMP}, {0, 0, 1, 0, 0, 0, 0, 0, 1}},
      {{IDC_ENV_EXACTITUDE, IDC_ENV_DEBUT_CHAMP, IDC_ENV_TOTAL_CHAMP}, {0, 0, 1, 0, 0, 0, 0, 1, 0}},
      {{IDC_ENV_TOTAL_CHAMP, IDC_ENV_RUBRIQUES, IDC_ENV_NOMS}, {1, 0, 0, 0, 0, 0, 0, 1, 0}},
      {{IDC_ENV_URL, IDC_ENV_MOTS_CLES, IDC_ENV_CASSE}, {0, 1, 1, 1, 0, 1, 0, 0, 0}},
  };
  DossierTemporaire dossier;
  FauxSysteme faux(dossier.chemin);
  for (const auto& c : cas) {
    // As a category presets it: Rubrique and whole field.
    DialogueEnvRecherche d = {{0, 0, 1, 0, 0, 0, 0, 0, 0}, "", (Poignee)0xE, &faux.fenetres};
    for (unsigned id : c.clics) EXPECT_EQ(EnvRechercheAppuyer(&d, id), ENV_RESTE);
    EXPECT_EQ(std::vector<uint16_t>(d.drapeaux, d.drapeaux + 9), c.attendus);
    for (int i = 0; i < 9; i++) EXPECT_EQ(EnvRechercheCoche(&d, IDS_ENV_RECHERCHE[i]), d.drapeaux[i]);
  }
  DialogueEnvRecherche d = {{0}, "", (Poignee)0xE, &faux.fenetres};
  faux.focus = (Poignee)0xB;
  for (unsigned id : {IDC_ENV_COUPER, IDC_ENV_COPIER, IDC_ENV_COLLER})
    EXPECT_EQ(EnvRechercheAppuyer(&d, id), ENV_RESTE);
  EXPECT_EQ(faux.controles[(Poignee)0xE].actions,
            (std::vector<ActionEdit>{EDIT_COUPER, EDIT_COPIER, EDIT_COLLER}));
  EXPECT_EQ(faux.focus, (Poignee)0xB);
  EXPECT_EQ(EnvRechercheAppuyer(&d, IDC_ENV_ANNULER), ENV_ANNULER);
}

// Lot suivant and Lot précédent through the dialog: the numbers follow,
// the list is to be shown again only when the batch changed.
TEST_F(AfficherTest, LesBoutonsDeLotRenumerotent) {
  std::vector<Textes> fiches;
  for (int k = 1; k <= 3; k++) fiches.push_back({"n" + std::to_string(k), "", "", "", ""});
  Remplir(fiches);
  Init();
  faux.dans_listes.push_back([](DialogueListes* d) {
    d->liste.capacite = 2;
    ListePremierLot(&d->liste);
    const struct {
      unsigned id;
      int change;
      const char* numeros;
    } pas[] = {
        {IDC_LISTES_PRECEDENT, 0, "0000001 0000003 0000003"},
        {IDC_LISTES_SUIVANT, 1, "0000003 0000003 0000001"},
        {IDC_LISTES_SUIVANT, 0, "0000003 0000003 0000001"},
        {IDC_LISTES_PRECEDENT, 1, "0000001 0000002 0000002"},
    };
    for (const auto& p : pas) {
      EXPECT_EQ(DialogueListesAppuyer(d, p.id), LISTES_RESTE);
      EXPECT_EQ(d->lot_change, p.change);
      EXPECT_EQ(std::string(d->de) + " " + d->a + " " + d->nombre, p.numeros);
    }
  });
  Util_Dll_Afficher_Liste_Noms_De_Sites();
  EXPECT_TRUE(faux.dans_listes.empty());
}

}  // namespace
