// The three export commands, from their dialog to the file: the forms
// against golden files, the selection modes, the checks before the file
// dialog and the failures.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "dialogues_liens.h"
#include "faux_systeme.h"
#include "formes_liens.h"
#include "lvxliens.h"
#include "lvxliens_ids.h"
#include "outils_fiches.h"

namespace {

struct Carte {
  Textes textes;
  uint16_t marque;
};

std::string Octets(unsigned de, unsigned a) {
  std::string s;
  for (unsigned c = de; c <= a; c++) s += (char)c;
  return s;
}

// Accents, line ends, empty URLs and names, mailto: in every case,
// extra-web and marked cards: the store of the golden files.
const std::vector<Carte> CARTES = {
    {{"Caf\xe9 & Th\xe9 <Paris>", "http://www.exemple.fr/caf\xe9?a=1&b=2", "Cuisine",
      "caf\xe9, th\xe9", "Ligne un\r\nLigne deux\rsuite \"entre guillemets\""},
     1},
    {{"", "MAILTO:Jean.Dupont@exemple.fr", "Contacts", "", ""}, 0},
    {{"Sans adresse", "", "", "", "Notes jamais \xe9" "crites dans la page"}, 1},
    {{"Document local", "<EXTRAWEB>C:\\Programmes\\editeur.exe C:\\Documents\\lettre.txt", "Bureau",
      "", "Extra web"},
     1},
    {{"Octets " + Octets(0xA1, 0xBF), "http://www.exemple.org/", "Octets",
      "\x80\x81\x82\x84\x9f\xa0", Octets(0xC0, 0xFF)},
     0},
    {{"Marie Curie", "MaIlTo:marie@exemple.fr", "", "", "Physicienne\n"}, 0},
    {{"", "http://sans-nom.exemple/?x=1&y=<2>", "", "", ""}, 1},
    {{"Paul", "mailto:paul@exemple.org", "Contacts", "ami", "Tel : 01 23 45 67 89"}, 1},
    {{"", "<extraweb>C:\\app.exe", "", "", ""}, 0},  // not in capitals: a link like another
};

const std::string TITRE = "Liens & \"amis\" <\x80\x83\xa0> " + Octets(0xA1, 0xFF);

const char GENERATOR[] = "<META NAME=\"GENERATOR\" CONTENT=\"Fichier Cartes Lorvanix 6.1\">";
const char PIED[] = "\r\n</BODY>\r\n\r\n</HTML>";

// The opening of an HTML form for a plain title.
std::string Tete(FormeLiens forme, const std::string& titre) {
  return std::string("<HTML>\r\n\r\n<HEAD>\r\n") + GENERATOR + "\r\n<TITLE>" + titre +
         "</TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n<H2>" + titre +
         (forme == FORME_MAILING ? "\r\n</H2>\r\n<BR>" : "</H2>\r\n<BR>");
}

std::string Golden(const std::string& nom) {
  std::ifstream in(std::string(LVX_GOLDEN_LIENS) + "/" + nom, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const unsigned OK[] = {IDC_LIENS_OK, IDC_MAILING_OK, IDC_TEXTE_OK};
const ModeleLiens MODELES[] = {MODELE_LIENSHTMLBOX, MODELE_MAILINGLISTEBOX,
                               MODELE_CREERFICHIERTEXTEBOX};
const char* const FICHIERS[] = {"C:\\liens.htm", "C:\\mailing.htm", "C:\\texte.txt"};

class CommandesLiensTest : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  std::vector<uint8_t> transfert = std::vector<uint8_t>(65534);
  std::string cartes;
  size_t ecran = 0;  // offset of the card on screen
  char tampon_recherche[10001] = "";
  char expression[10001] = "";
  uint16_t casse = 0, noms = 0, url = 0, rubriques = 0, mots_cles = 0, notes = 0;
  char chemin[256] = "";
  char titre[200] = "";

  Poignee const FENETRE = (Poignee)0x100;
  Poignee const FLECHE = (Poignee)0x101;
  Poignee const ATTENTE = (Poignee)0x102;

  void SetUp() override {
    InstallerFauxSysteme(&faux);
    reglagesLiens = REGLAGES_LIENS_DEPART;
    Remplir(CARTES);
    snprintf(titre, sizeof titre, "%s", TITRE.c_str());
  }
  void TearDown() override {
    EXPECT_EQ(faux.blocs_vivants, 0);
    EXPECT_EQ(faux.fichiers_ouverts, 0);
  }

  // numero (0-based) on screen.
  void Remplir(const std::vector<Carte>& fiches, size_t numero = 0) {
    cartes.clear();
    for (size_t i = 0; i < fiches.size(); i++) {
      if (i == numero) ecran = cartes.size();
      cartes += OctetsFiche(fiches[i].textes, fiches[i].marque);
    }
  }

  uint16_t Lancer(FormeLiens forme) {
    uint8_t* debut = (uint8_t*)cartes.data();
    uint8_t* fin = debut + cartes.size();
#define CRITERES                                                                            \
  FENETRE, transfert.data(), debut, fin, debut + ecran, tampon_recherche, expression, casse, \
      noms, url, rubriques, mots_cles, notes, 0, 0, 0
    switch (forme) {
      case FORME_LIENS: return Util_Dll_Creer_Fichier_Liens(CRITERES, chemin, titre, FLECHE, ATTENTE);
      case FORME_MAILING: return Util_Dll_Creer_Mailing_Liste(CRITERES, chemin, titre, FLECHE, ATTENTE);
      default: return Util_Dll_Creer_Fichier_Texte(CRITERES, FLECHE, ATTENTE, chemin);
    }
#undef CRITERES
  }

  // A user who types textes into the dialog's edits, then presses ids in
  // turn; 1 when a press closed the dialog with OK.
  void Utilisateur(std::vector<unsigned> ids, std::vector<std::string> textes = {}) {
    faux.dans_liens.push_back([ids, textes](DialogueLiens* d) {
      for (size_t i = 0; i < textes.size(); i++)
        snprintf(d->textes[i], TAILLE_TEXTE_LIENS, "%s", textes[i].c_str());
      for (unsigned id : ids) {
        SuiteLiens s = DialogueLiensAppuyer(d, id);
        if (s != LIENS_RESTE) return s == LIENS_FERME_OK ? 1 : 0;
      }
      return 0;
    });
  }

  // The dialog as the user leaves it after pressing ids, the file chosen;
  // the bytes written.
  std::string Exporter(FormeLiens forme, std::vector<unsigned> ids = {},
                       std::vector<std::string> textes = {}) {
    ids.push_back(OK[forme]);
    Utilisateur(ids, textes);
    faux.choix_fichiers.push_back(FICHIERS[forme]);
    EXPECT_EQ(Lancer(forme), 1);
    EXPECT_STREQ(chemin, FICHIERS[forme]);
    return faux.Lire(FICHIERS[forme]);
  }
};

// The three forms of the same store against their golden files.
TEST_F(CommandesLiensTest, LesTroisFormes) {
  EXPECT_EQ(Exporter(FORME_LIENS), Golden("liens.htm"));
  EXPECT_EQ(faux.redessins, 2 + 9) << "after the dialog, before writing, before each card";
  EXPECT_EQ(Exporter(FORME_MAILING), Golden("mailing.htm"));
  EXPECT_EQ(Exporter(FORME_TEXTE, {}, {" | ", "\r\n"}), Golden("texte.txt"));
  EXPECT_EQ(faux.modeles_liens, (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE, ATTENTE, FLECHE, ATTENTE, FLECHE}));
}

// Each mode, shown by a text export of the URLs alone.
TEST_F(CommandesLiensTest, LesQuatreModesDeSelection) {
  reglagesLiens.texte.champs[CHAMP_NOM] = reglagesLiens.texte.champs[CHAMP_RUBRIQUE] = 0;
  reglagesLiens.texte.champs[CHAMP_MOTS_CLES] = reglagesLiens.texte.champs[CHAMP_NOTES] = 0;
  std::vector<std::string> u;
  for (const Carte& c : CARTES) u.push_back(c.textes[1] + "\n");
  snprintf(expression, sizeof expression, "EXEMPLE.FR");
  url = 1;
  Remplir(CARTES, 3);
  struct Cas {
    unsigned boite;
    std::string attendu;
    int redessins;
  } cas[] = {
      {IDC_TEXTE_TOUTES, u[0] + u[1] + u[2] + u[3] + u[4] + u[5] + u[6] + u[7] + u[8], 11},
      {IDC_TEXTE_ECRAN, u[3], 3},
      {IDC_TEXTE_RECHERCHE, u[0] + u[1] + u[5], 11},
      {IDC_TEXTE_MARQUEES, u[0] + u[2] + u[3] + u[6] + u[7], 11},
  };
  for (const Cas& c : cas) {
    faux.redessins = 0;
    EXPECT_EQ(Exporter(FORME_TEXTE, {c.boite}, {"", "\n"}), c.attendu) << c.boite;
    EXPECT_EQ(faux.redessins, c.redessins) << c.boite;
  }
  EXPECT_TRUE(faux.messages.empty());
}

// The form's own filter after the selection: a page with its header and
// footer alone is still a file written.
TEST_F(CommandesLiensTest, LeFiltreDeLaFormeApresLaSelection) {
  snprintf(titre, sizeof titre, "T");
  Remplir(CARTES, 3);  // the extra-web card
  EXPECT_EQ(Exporter(FORME_LIENS, {IDC_LIENS_ECRAN}), Tete(FORME_LIENS, "T") + PIED);
  Remplir(CARTES, 0);  // not mailto:
  EXPECT_EQ(Exporter(FORME_MAILING, {IDC_MAILING_ECRAN}), Tete(FORME_MAILING, "T") + PIED);
  // The marked mailto: card alone: card 2, unmarked, follows a marked one.
  EXPECT_EQ(Exporter(FORME_MAILING, {IDC_MAILING_MARQUEES}),
            Tete(FORME_MAILING, "T") +
                "<A HREF=\"mailto:paul@exemple.org\">paul@exemple.org</A>; \r\n" + PIED);
  // Without the comment, no notes below the link.
  EXPECT_EQ(Exporter(FORME_LIENS, {IDC_LIENS_ECRAN, IDC_LIENS_COMMENTAIRE}),
            Tete(FORME_LIENS, "T") +
                "\r\n<P><A HREF=\"http://www.exemple.fr/caf\xe9?a=1&b=2\">Caf&eacute; &amp; "
                "Th&eacute; &lt;Paris&gt;</A>" +
                PIED);
  // The notes alone, each followed by the card separator.
  std::string attendu;
  for (const Carte& c : CARTES) attendu += c.textes[4] + "#";
  EXPECT_EQ(Exporter(FORME_TEXTE,
                     {IDC_TEXTE_TOUTES, IDC_TEXTE_NOM, IDC_TEXTE_URL, IDC_TEXTE_RUBRIQUE,
                      IDC_TEXTE_MOTS_CLES},
                     {",", "#"}),
            attendu);
  EXPECT_TRUE(faux.messages.empty());
}

// An emptied separator: one blank after every address, and the next
// dialog shows the blank.
TEST_F(CommandesLiensTest, LeSeparateurVideDevientUnBlanc) {
  snprintf(titre, sizeof titre, "T");
  EXPECT_EQ(Exporter(FORME_MAILING, {IDC_MAILING_RETOUR}, {"T", ""}),
            Tete(FORME_MAILING, "T") +
                "<A HREF=\"MAILTO:Jean.Dupont@exemple.fr\">Jean.Dupont@exemple.fr</A> <BR>\r\n"
                "<A HREF=\"MaIlTo:marie@exemple.fr\">marie@exemple.fr</A> <BR>\r\n"
                "<A HREF=\"mailto:paul@exemple.org\">paul@exemple.org</A> <BR>\r\n" +
                PIED);
  DialogueLiens d;
  DialogueLiensPreparer(&d, MODELE_MAILINGLISTEBOX, &reglagesLiens, titre, &faux.fenetres);
  EXPECT_STREQ(d.textes[1], " ");
}

// A Notes field of 65,000 letters that each take eight bytes in HTML, and
// a site name of 65,000 ampersands: far more than the transfer buffer.
TEST_F(CommandesLiensTest, UnChampQuiGrossitHuitFois) {
  snprintf(titre, sizeof titre, "T");
  Remplir({{{std::string(65000, '&'), "u", "", "", std::string(65000, '\xe9')}, 0}});
  std::string attendu = Tete(FORME_LIENS, "T") + "\r\n<P><A HREF=\"u\">";
  for (int i = 0; i < 65000; i++) attendu += "&amp;";
  attendu += "</A>\r\n<BLOCKQUOTE>";
  for (int i = 0; i < 65000; i++) attendu += "&eacute;";
  attendu += "</BLOCKQUOTE>";
  EXPECT_EQ(Exporter(FORME_LIENS), attendu + PIED);
}

// Refused before the file dialog, in each form: nothing is asked, nothing
// written.
TEST_F(CommandesLiensTest, LaSelectionEstVerifieeAvantLeDialogueDeFichier) {
  const char RIEN[] =
      "Il n'y a rien \xe0 rechercher.\nLes crit\xe8res de recherche ne sont pas correctement "
      "d\xe9" "finis.";
  const char AUCUNE[] = "Il n'y a pas de fiche correspondant aux crit\xe8res de recherche.";
  const char NON_MARQUEE[] = "Il n'y a pas de fiche marqu\xe9" "e";
  struct Cas {
    int mode;
    const char* expression;
    uint16_t champ_url;
    const char* message;
  } cas[] = {
      {SELECTION_RECHERCHE, "", 1, RIEN},
      {SELECTION_RECHERCHE, "exemple", 0, RIEN},
      {SELECTION_RECHERCHE, "introuvable", 1, AUCUNE},
      {SELECTION_MARQUEES, "", 0, NON_MARQUEE},
  };
  std::vector<Carte> sans_marque = CARTES;
  for (Carte& c : sans_marque) c.marque = 0;
  Remplir(sans_marque);
  faux.focus = (Poignee)0xF0C;
  for (FormeLiens forme : {FORME_LIENS, FORME_MAILING, FORME_TEXTE}) {
    for (const Cas& c : cas) {
      faux.messages.clear();
      snprintf(expression, sizeof expression, "%s", c.expression);
      url = c.champ_url;
      Utilisateur({DialogueLiensDescription(MODELES[forme])->selection[c.mode], OK[forme]});
      EXPECT_EQ(Lancer(forme), 0);
      ASSERT_EQ(faux.messages.size(), 1u);
      EXPECT_EQ(faux.messages[0].texte, c.message);
      EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
      EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ATTENTION);
      EXPECT_EQ(faux.messages[0].proprietaire, (Poignee)0xF0C);
    }
  }
  EXPECT_TRUE(faux.dialogues.empty());
  EXPECT_TRUE(faux.fichiers_crees.empty());
}

TEST_F(CommandesLiensTest, LeDialogueDEnregistrement) {
  struct Attendu {
    std::string filtre;
    const char* titre;
    const char* extension;
  } attendus[] = {
      {std::string("HTML (*.htm)\0*.htm\0\0", 20), "G\xe9n\xe9rer la page de liens HTML sous...",
       "htm"},
      {std::string("HTML (*.htm)\0*.htm\0\0", 20), "G\xe9n\xe9rer la mailing liste HTML sous...",
       "htm"},
      {std::string("TEXTE (*.txt)\0*.txt\0TOUS (*.*)\0*.*\0\0", 36),
       "G\xe9n\xe9rer le fichier texte sous...", "txt"},
  };
  for (FormeLiens forme : {FORME_LIENS, FORME_MAILING, FORME_TEXTE}) {
    faux.dialogues.clear();
    memset(chemin, 'x', sizeof chemin);
    Utilisateur({OK[forme]});
    faux.choix_fichiers.push_back("");  // cancelled
    EXPECT_EQ(Lancer(forme), 0);
    ASSERT_EQ(faux.dialogues.size(), 1u);
    const DialogueFichier& d = faux.dialogues[0];
    const Attendu& a = attendus[forme];
    EXPECT_EQ(std::string(d.filtre, a.filtre.size()), a.filtre);
    EXPECT_STREQ(d.titre, a.titre);
    EXPECT_STREQ(d.extension, a.extension);
    EXPECT_EQ(d.proprietaire, FENETRE);
    EXPECT_EQ(d.taille_chemin, 256u);
    EXPECT_EQ(d.enregistrer + d.cacher_lecture_seule + d.confirmer_ecrasement + d.chemin_doit_exister, 4);
    EXPECT_EQ(std::string(chemin, sizeof chemin), std::string(256, '\0')) << "cleared, no name";
  }
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_TRUE(faux.fichiers_crees.empty());

  faux.erreur_dialogue = 12290;
  Utilisateur({IDC_TEXTE_OK});
  EXPECT_EQ(Lancer(FORME_TEXTE), 0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, "Erreur #12290");
  EXPECT_EQ(faux.messages[0].titre, "WARNING");
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ERREUR);
  EXPECT_EQ(faux.messages[0].proprietaire, FENETRE);
}

TEST_F(CommandesLiensTest, AnnulerNeLaisseRien) {
  Utilisateur({IDC_LIENS_MARQUEES, IDC_LIENS_COMMENTAIRE, IDC_LIENS_ANNULER});
  EXPECT_EQ(Lancer(FORME_LIENS), 0);
  EXPECT_EQ(reglagesLiens.liens.mode, SELECTION_TOUTES);
  EXPECT_EQ(reglagesLiens.liens.AjouterCommentaire, 1);
  EXPECT_EQ(faux.redessins, 1);
  EXPECT_TRUE(faux.dialogues.empty());
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_STREQ(titre, TITRE.c_str());
}

// Each failure is told and the command answers 0: no buffer, no file, a
// write that fell short (the disk full).
TEST_F(CommandesLiensTest, LesEchecsSontDitsEtRendentZero) {
  faux.echec_allocation_dans = 1;
  EXPECT_EQ(Lancer(FORME_MAILING), 0);
  EXPECT_TRUE(faux.modeles_liens.empty()) << "no dialog";

  faux.creation_echoue = 1;
  faux.erreur_creation = ERREUR_FICHIER_INTERDIT;
  Utilisateur({IDC_LIENS_OK});
  faux.choix_fichiers.push_back("C:\\liens.htm");
  EXPECT_EQ(Lancer(FORME_LIENS), 0);
  faux.creation_echoue = 0;

  faux.ecriture_echoue_apres = 100;
  Utilisateur({IDC_TEXTE_OK});
  faux.choix_fichiers.push_back("C:\\texte.txt");
  EXPECT_EQ(Lancer(FORME_TEXTE), 0);
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE}));
  EXPECT_EQ(faux.Lire("C:\\texte.txt").size(), 100u);

  EXPECT_EQ(faux.Textes(),
            (std::vector<std::string>{"Allocation de m\xe9moire impossible ! ",
                                      "Acc\xe9s au fichier Interdit.",
                                      "Ecriture sur le disque impossible."}));
  for (const MessageVu& m : faux.messages) {
    EXPECT_EQ(m.titre, "Lorvanix 6.1");
    EXPECT_EQ(m.style, (unsigned)ICONE_ERREUR);
  }
}

}  // namespace
