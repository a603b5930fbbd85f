#include "programme.h"

#include <gtest/gtest.h>

#include <cstring>

#include "commandes.h"
#include "configuration.h"
#include "fenetre_principale.h"
#include "essai_programme.h"
#include "faux_systeme.h"
#include "outils_fiches.h"

namespace {

class ProgrammeTest : public EssaiProgramme {
 protected:
  const std::string QUESTION = "Souhaitez vous sauvegarder les modifications du travail en cours ?";
};

TEST_F(ProgrammeTest, DemarrageSansFichierDonneUneFicheVideSansNom) {
  ASSERT_EQ(ProgrammeDemarrer(&p, ""), 1);
  EXPECT_EQ(Titre(), "Lorvanix 6.1 Sans-Nom");
  EXPECT_EQ(Texte(vue.numero), "0000001");
  EXPECT_EQ(Texte(vue.total), "0000001");
  EXPECT_EQ(faux.controles[vue.marquage].cochee, 0);
  for (Poignee c : vue.champs) EXPECT_EQ(Texte(c), "");
  EXPECT_EQ(p.magasin.longSize, 1027u);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_NOM]);
}

TEST_F(ProgrammeTest, LigneDeCommandeAvecOuSansGuillemets) {
  char nom[TAILLE_NOM_FICHIER];
  LigneCommandeFichier("\"C:\\Mes documents\\liste.lvx\"", nom);
  EXPECT_STREQ(nom, "C:\\Mes documents\\liste.lvx");
  LigneCommandeFichier("C:\\liste.lvx", nom);
  EXPECT_STREQ(nom, "C:\\liste.lvx");
  LigneCommandeFichier("\"\"C:\\a b.lvx\" reste", nom);
  EXPECT_STREQ(nom, "C:\\a b.lvx");
  std::string long_nom(400, 'x');
  LigneCommandeFichier(long_nom.c_str(), nom);
  EXPECT_EQ(strlen(nom), 255u) << "the name buffer is never overrun";
}

TEST_F(ProgrammeTest, LeFichierDeLaLigneDeCommandeEstCharge) {
  faux.Ecrire("C:\\Mes documents\\liste.lvx",
              OctetsFichier(OctetsFiche({"Le Monde", "https://www.lemonde.fr/", "Actualités", "", ""}, 1) +
                                OctetsFiche({"b", "", "", "", ""}) + OctetsFiche({"c", "", "", "", ""}),
                            3));
  ASSERT_EQ(ProgrammeDemarrer(&p, "\"C:\\Mes documents\\liste.lvx\""), 1);
  EXPECT_EQ(Titre(), "Lorvanix 6.1 liste.lvx");
  EXPECT_EQ(Texte(vue.numero), "0000001");
  EXPECT_EQ(Texte(vue.total), "0000003");
  EXPECT_EQ(Texte(vue.champs[CHAMP_NOM]), "Le Monde");
  EXPECT_EQ(Texte(vue.champs[CHAMP_RUBRIQUE]), "Actualités");
  EXPECT_EQ(faux.controles[vue.marquage].cochee, 1);
  EXPECT_STREQ(p.NomFichier, "C:\\Mes documents\\liste.lvx");
  EXPECT_STREQ(p.NomFichierPrecedent, "C:\\Mes documents\\liste.lvx");
  EXPECT_EQ(p.TravailModifie, 0);
}

TEST_F(ProgrammeTest, UnFichierCorrompuLaisseSansNom) {
  faux.Ecrire("C:\\mauvais.lvx", std::string(100, 'z'));
  ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\mauvais.lvx"), 1);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Erreur de format."});
  EXPECT_EQ(Titre(), "Lorvanix 6.1 Sans-Nom");
  EXPECT_STREQ(p.NomFichier, "");
  EXPECT_EQ(p.magasin.TotalFiches, 1);
}

TEST_F(ProgrammeTest, CompteurASeptChiffres) {
  ProgrammeCompteur(&p, vue.numero, 12);
  EXPECT_EQ(Texte(vue.numero), "0000012");
  ProgrammeCompteur(&p, vue.numero, 9999999);
  EXPECT_EQ(Texte(vue.numero), "9999999");
}

TEST_F(ProgrammeTest, TitreAvecLeNomApresLeDernierAntislash) {
  ProgrammeTitre(&p, "C:\\a\\b\\c.lvx");
  EXPECT_EQ(Titre(), "Lorvanix 6.1 c.lvx");
  ProgrammeTitre(&p, "");
  EXPECT_EQ(Titre(), "Lorvanix 6.1 Sans-Nom");
}

TEST_F(ProgrammeTest, ReecrireSeulementQuandUnChampAChange) {
  ProgrammeDemarrer(&p, "");
  faux.controles[vue.champs[CHAMP_URL]].texte = "sans drapeau";
  ASSERT_EQ(ProgrammeReecrire(&p), 1);
  EXPECT_EQ(p.TravailModifie, 0) << "no edit says it changed: nothing written";
  EXPECT_EQ(TextesFiche(p.magasin.lpFicheEcran)[1], "");

  Taper(CHAMP_NOTES, "été\r\n2 lignes");
  ASSERT_EQ(ProgrammeReecrire(&p), 1);
  EXPECT_EQ(TextesFiche(p.magasin.lpFicheEcran)[1], "sans drapeau");
  EXPECT_EQ(TextesFiche(p.magasin.lpFicheEcran)[4], "été\r\n2 lignes");
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(faux.controles[vue.champs[CHAMP_NOTES]].modifie, 0);

  // The mark box forces a rewrite through the card-dirty flag.
  p.EtatMarquage = 1;
  p.FicheModifiee = 1;
  ASSERT_EQ(ProgrammeReecrire(&p), 1);
  EXPECT_EQ(LireMot(p.magasin.lpFicheEcran), 1);
  EXPECT_EQ(p.FicheModifiee, 0);
}

TEST_F(ProgrammeTest, ReecrireCoupeChaqueChampA65000Caracteres) {
  ProgrammeDemarrer(&p, "");
  Taper(CHAMP_NOM, std::string(70000, 'n'));
  ASSERT_EQ(ProgrammeReecrire(&p), 1);
  EXPECT_EQ(TextesFiche(p.magasin.lpFicheEcran)[0].size(), 65000u);
  EXPECT_EQ(p.magasin.TailleTotaleFiches, 65027u);
}

TEST_F(ProgrammeTest, UneCroissanceImpossibleRecommenceUnTravailVide) {
  ProgrammeDemarrer(&p, "");
  snprintf(p.NomFichier, sizeof p.NomFichier, "%s", "C:\\x.lvx");
  Taper(CHAMP_NOM, std::string(5000, 'n'));
  faux.echec_allocation_dans = 1;
  EXPECT_EQ(ProgrammeReecrire(&p), 0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte,
            "Allocation de mémoire impossible. La session en cours va être initialisée pour "
            "éviter le plantage de votre ordinateur.");
  EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ERREUR);
  EXPECT_EQ(faux.messages[0].proprietaire, vue.fenetre);
  EXPECT_EQ(Titre(), "Lorvanix 6.1 Sans-Nom");
  EXPECT_EQ(p.magasin.longSize, 1027u);
  EXPECT_EQ(p.magasin.TotalFiches, 1);
  EXPECT_STREQ(p.NomFichier, "");
  EXPECT_EQ(p.TravailModifie, 0);
}

// No memory at all: the reset cannot get its new block either, so the quit
// sequence runs, whichever command met the failure, and the window goes.
Poignee AucunBloc(void*, uint32_t) { return nullptr; }
Poignee AucuneCroissance(void*, Poignee, uint32_t) { return nullptr; }

TEST_F(ProgrammeTest, UneReinitialisationSansMemoireQuitteLeProgramme) {
  const std::string REINITIALISATION =
      "Allocation de mémoire impossible. La session en cours va être initialisée pour éviter "
      "le plantage de votre ordinateur.";
  struct Cas {
    const char* nom;
    unsigned commande;
    std::vector<int> reponses;
    std::vector<std::string> messages;
  };
  const Cas cas[] = {
      {"nouvelle fiche", CMD_NOUVELLE_FICHE, {}, {}},
      {"fiche suivante", CMD_FICHE_SUIVANTE, {}, {}},
      {"quitter en sauvegardant", CMD_QUITTER, {REPONSE_OUI}, {QUESTION}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    if (p.Termine) {  // the case before quit: a new process
      p = Programme{};
      ASSERT_EQ(
          ProgrammeInitialiser(&p, &faux.programme, vue, (Poignee)0x50, (Poignee)0x51, nullptr), 1);
    }
    ProgrammeDemarrer(&p, "");
    snprintf(p.NomFichier, sizeof p.NomFichier, "%s", "C:\\x.lvx");
    Taper(CHAMP_NOM, std::string(5000, 'n'));  // the write back must grow the block
    faux.messages.clear();
    faux.fichiers_crees.clear();
    faux.reponses.assign(c.reponses.begin(), c.reponses.end());
    journal_bibliotheques.crochets.clear();
    Memoire avant = faux.memoire;
    faux.memoire.bloc_allouer = AucunBloc;
    faux.memoire.bloc_reallouer = AucuneCroissance;

    EXPECT_EQ(ProgrammeCommande(&p, c.commande, 0, nullptr), 1) << "the window is destroyed";
    faux.memoire = avant;
    std::vector<std::string> attendus = c.messages;
    attendus.push_back(REINITIALISATION);
    attendus.push_back("Allocation de mémoire impossible !");
    EXPECT_EQ(faux.Textes(), attendus) << "nothing is left to save: no question";
    for (size_t i = c.messages.size(); i < faux.messages.size(); i++)
      EXPECT_EQ(faux.messages[i].style, BOITE_OK | ICONE_ERREUR) << faux.messages[i].texte;
    // The quit sequence: paths written back, hooks off for good, all released.
    EXPECT_EQ(faux.fichiers_crees, (std::vector<std::string>{"C:\\Lorvanix\\bookdef.cfg",
                                                             "C:\\Lorvanix\\courdef.cfg"}));
    ASSERT_FALSE(journal_bibliotheques.crochets.empty());
    EXPECT_EQ(journal_bibliotheques.crochets.back(), 0);
    EXPECT_EQ(faux.blocs_vivants, 0);
    EXPECT_EQ(p.TamponTransfert, nullptr);
    EXPECT_EQ(p.Termine, 1);
  }
}

// The data file changed between its check and its reading: the old cards
// are gone, and the program takes back the store the loader left.
int lectures_avant_changement;
size_t (*lire_reel)(void*, Poignee, void*, size_t);
size_t LireQuiChange(void* ctx, Poignee f, void* tampon, size_t n) {
  size_t lu = lire_reel(ctx, f, tampon, n);
  if (--lectures_avant_changement == 0 && lu > 10) ((uint8_t*)tampon)[2] = 0xEE;  // a length word
  return lu;
}

TEST_F(ProgrammeTest, UnFichierQuiChangePendantLaLectureLaisseUnTravailVide) {
  faux.Ecrire("C:\\a.lvx", OctetsFichier(OctetsFiche({"a", "", "", "", ""}), 1));
  faux.Ecrire("C:\\b.lvx", OctetsFichier(OctetsFiche({std::string(3000, 'b'), "", "", "", ""}) +
                                             OctetsFiche({"b2", "", "", "", ""}), 2));
  ProgrammeDemarrer(&p, "C:\\a.lvx");
  lire_reel = faux.fichiers.fichier_lire;
  faux.fichiers.fichier_lire = LireQuiChange;
  lectures_avant_changement = 4;  // the header, the count, the check, then the store
  EXPECT_EQ(ProgrammeCharger(&p, "C:\\b.lvx"), 0);
  faux.fichiers.fichier_lire = lire_reel;
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Erreur de format."});
  EXPECT_EQ(Titre(), "Lorvanix 6.1 Sans-Nom");
  EXPECT_STREQ(p.NomFichier, "");
  EXPECT_EQ(Compteurs(), "0000001/0000001");
  EXPECT_EQ(Nom(), "");
  EXPECT_EQ(p.magasin.lpFinMem, p.magasin.lpDebutMem + 27);
  EXPECT_EQ(p.magasin.lpFicheEcran, p.magasin.lpDebutMem);
  EXPECT_EQ(p.TravailModifie, 0);
}

TEST_F(ProgrammeTest, QuitterUnTravailInchangeNeDemandeRien) {
  ProgrammeDemarrer(&p, "");
  EXPECT_EQ(ProgrammeCommande(&p, CMD_QUITTER, 0, nullptr), 1);
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ProgrammeTest, QuitterApresUneFrappeDemandeEtAnnulerReste) {
  ProgrammeDemarrer(&p, "");
  Taper(CHAMP_NOM, "Service-public.fr");
  faux.reponses = {REPONSE_ANNULER};
  EXPECT_EQ(ProgrammeQuitter(&p), 0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, QUESTION);
  EXPECT_EQ(faux.messages[0].titre, "Lorvanix 6.1");
  EXPECT_EQ(faux.messages[0].style, BOITE_OUI_NON_ANNULER | ICONE_QUESTION);
  EXPECT_EQ(faux.messages[0].proprietaire, nullptr);
  EXPECT_EQ(Texte(vue.champs[CHAMP_NOM]), "Service-public.fr");
  EXPECT_NE(p.magasin.lpDebutMem, nullptr);
}

TEST_F(ProgrammeTest, OuiEnregistreParLeDialogueEtLeFichierTientLaFiche) {
  ProgrammeDemarrer(&p, "");
  Taper(CHAMP_URL, "https://www.service-public.fr/");
  faux.reponses = {REPONSE_OUI};
  faux.choix_fichiers = {"C:\\sauve.lvx"};
  EXPECT_EQ(ProgrammeQuitter(&p), 1);
  EXPECT_EQ(faux.titres_dialogues, std::vector<std::string>{"Enregistrer sous :"});
  EXPECT_EQ(faux.Lire("C:\\sauve.lvx"),
            OctetsFichier(OctetsFiche({"", "https://www.service-public.fr/", "", "", ""}), 1));
}

TEST_F(ProgrammeTest, OuiPuisAnnulerLeDialogueReste) {
  ProgrammeDemarrer(&p, "");
  Taper(CHAMP_NOM, "x");
  faux.reponses = {REPONSE_OUI};
  faux.choix_fichiers = {""};
  EXPECT_EQ(ProgrammeQuitter(&p), 0);
  EXPECT_STREQ(p.NomFichier, "");
}

TEST_F(ProgrammeTest, NonQuitteSansEcrire) {
  ProgrammeDemarrer(&p, "");
  Taper(CHAMP_NOM, "x");
  faux.reponses = {REPONSE_NON};
  EXPECT_EQ(ProgrammeQuitter(&p), 1);
  // Only the bookmark and mail paths are written back, beside the program.
  EXPECT_EQ(faux.fichiers_crees, (std::vector<std::string>{"C:\\Lorvanix\\bookdef.cfg",
                                                           "C:\\Lorvanix\\courdef.cfg"}));
}

TEST_F(ProgrammeTest, UneSauvegardeRateeGardeLAncienNom) {
  faux.Ecrire("C:\\a.lvx", OctetsFichier(OctetsFiche({"a", "", "", "", ""}), 1));
  ProgrammeDemarrer(&p, "C:\\a.lvx");
  Taper(CHAMP_NOM, "b");
  faux.creation_echoue = 1;
  EXPECT_EQ(ProgrammeCommande(&p, CMD_ENREGISTRER, 0, nullptr), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Ecriture sur le disque impossible."});
  EXPECT_STREQ(p.NomFichier, "C:\\a.lvx");
  EXPECT_EQ(p.TravailModifie, 1);
}

TEST_F(ProgrammeTest, EnregistrerSousChangeLeTitreEtLeNom) {
  ProgrammeDemarrer(&p, "");
  faux.choix_fichiers = {"C:\\nouveau.lvx"};
  ProgrammeCommande(&p, CMD_ENREGISTRER_SOUS, 0, nullptr);
  EXPECT_EQ(Titre(), "Lorvanix 6.1 nouveau.lvx");
  EXPECT_EQ(faux.Lire("C:\\nouveau.lvx").size(), 71u);
  faux.choix_fichiers = {""};
  ProgrammeCommande(&p, CMD_ENREGISTRER_SOUS, 0, nullptr);
  EXPECT_STREQ(p.NomFichier, "C:\\nouveau.lvx") << "a cancelled dialog puts the name back";
}

TEST_F(ProgrammeTest, OuvrirParLeMenuOuLeBoutonFaitLaMemeChose) {
  faux.Ecrire("C:\\o.lvx", OctetsFichier(OctetsFiche({"o1", "", "", "", ""}) +
                                             OctetsFiche({"o2", "", "", "", ""}), 2));
  for (unsigned id : {CMD_OUVRIR, CMD_BOUTON_OUVRIR}) {
    ProgrammeDemarrer(&p, "");
    faux.choix_fichiers = {"C:\\o.lvx"};
    ProgrammeCommande(&p, id, 0, nullptr);
    EXPECT_EQ(Titre(), "Lorvanix 6.1 o.lvx");
    EXPECT_EQ(Texte(vue.total), "0000002");
    EXPECT_EQ(Texte(vue.champs[0]), "o1");
  }
  faux.choix_fichiers = {""};
  ProgrammeCommande(&p, CMD_OUVRIR, 0, nullptr);
  EXPECT_STREQ(p.NomFichier, "C:\\o.lvx");
}

TEST_F(ProgrammeTest, OuvrirDemandeDAbordSIlFautSauvegarder) {
  ProgrammeDemarrer(&p, "");
  Taper(CHAMP_NOM, "x");
  faux.reponses = {REPONSE_ANNULER};
  ProgrammeCommande(&p, CMD_OUVRIR, 0, nullptr);
  EXPECT_TRUE(faux.dialogues.empty());
}

TEST_F(ProgrammeTest, FinDeSessionProposeDeSauvegarder) {
  ProgrammeDemarrer(&p, "");
  ProgrammeFinDeSession(&p);
  EXPECT_TRUE(faux.messages.empty());
  Taper(CHAMP_NOM, "x");
  faux.reponses = {REPONSE_NON};
  ProgrammeFinDeSession(&p);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte,
            "Souhaitez vous sauvegarder les modifications du travail en cours avec Lorvanix 6.1 ?");
  EXPECT_EQ(faux.messages[0].style, BOITE_OUI_NON | ICONE_QUESTION);
}

TEST_F(ProgrammeTest, LeFocusRecuParUnChampEnFaitLeChampCourant) {
  ProgrammeDemarrer(&p, "");
  ProgrammeCommande(&p, IDC_NOTES, NOTIFICATION_FOCUS, vue.champs[CHAMP_NOTES]);
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_NOTES]);
  ProgrammeCommande(&p, CMD_BOUTON_CONNECTER, NOTIFICATION_FOCUS, (Poignee)99);
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_NOTES]);
}

TEST_F(ProgrammeTest, NouveauGardeLeBlocEtVideLeTravail) {
  faux.Ecrire("C:\\a.lvx", OctetsFichier(OctetsFiche({std::string(3000, 'a'), "", "", "", ""}), 1));
  ProgrammeDemarrer(&p, "C:\\a.lvx");
  uint32_t taille = p.magasin.longSize;
  EXPECT_EQ(ProgrammeCommande(&p, CMD_NOUVEAU, 0, nullptr), 0);
  EXPECT_EQ(p.magasin.longSize, taille);
  EXPECT_EQ(Titre(), "Lorvanix 6.1 Sans-Nom");
  EXPECT_EQ(Texte(vue.champs[0]), "");
}

TEST(Tampons, UneAllocationImpossibleAuDemarrageEstSignalee) {
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  InstallerFauxSysteme(&faux);  // the import library is released on the same platform
  Programme p{};
  VueFiche vue{};
  faux.echec_allocation_dans = 3;
  EXPECT_EQ(ProgrammeInitialiser(&p, &faux.programme, vue, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{"Allocation de mémoire impossible !"});
  ProgrammeLiberer(&p);
  EXPECT_EQ(faux.blocs_vivants, 0);
}

TEST(Fenetre, CentreeSelonLaTailleDeLEcran) {
  int x, y;
  PositionFenetre(1024, 768, &x, &y);
  EXPECT_EQ(x, 192);
  EXPECT_EQ(y, 144);
  PositionFenetre(640, 480, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  PositionFenetre(641, 481, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  PositionFenetre(643, 483, &x, &y);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 1);
}

TEST(Fenetre, TenueA640Sur470AuPlus) {
  int l = 800, h = 600;
  EXPECT_EQ(LimiterFenetre(&l, &h), 1);
  EXPECT_EQ(l, 640);
  EXPECT_EQ(h, 470);
  l = 640, h = 480;
  EXPECT_EQ(LimiterFenetre(&l, &h), 1);
  EXPECT_EQ(h, 470);
  l = 500, h = 300;
  EXPECT_EQ(LimiterFenetre(&l, &h), 0);
}

TEST(Fenetre, BullesEnWindows1252) {
  EXPECT_STREQ(BOUTONS_OUTILS[6].info, "Dupliquer, recopier la fiche \xE0 l'\xE9" "cran");
  EXPECT_STREQ(INFO_CONNECTER, "Se connecter au site cibl\xE9 par la fiche en cours");
  for (const BoutonOutil& b : BOUTONS_OUTILS) EXPECT_EQ(strstr(b.info, "\xC3"), nullptr) << b.info;
}

}  // namespace
