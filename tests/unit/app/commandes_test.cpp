#include "commandes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "configuration.h"
#include "edition.h"
#include "fenetre_principale.h"
#include "essai_programme.h"
#include "faux_bibliotheques.h"
#include "faux_systeme.h"
#include "fiches.h"
#include "outils_fiches.h"
#include "programme.h"

namespace {

class CommandesTest : public EssaiProgramme {
 protected:
  // Starts on a file of n cards named "1", "2", ... (card k marked when k is in marquees).
  void Demarrer(int n, std::vector<int> marquees = {}) {
    std::string cartes;
    for (int k = 1; k <= n; k++) {
      uint16_t marque = std::find(marquees.begin(), marquees.end(), k) != marquees.end();
      cartes += OctetsFiche({std::to_string(k), "http://site" + std::to_string(k) + ".fr/", "", "", ""},
                            marque);
    }
    faux.Ecrire("C:\\f.lvx", OctetsFichier(cartes, (uint32_t)n));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
    faux.messages.clear();
  }
  int Commande(unsigned id) { return ProgrammeCommande(&p, id, 0, nullptr); }
  std::vector<std::string> NomsDesFiches() {
    std::vector<std::string> noms;
    for (uint8_t* f = p.magasin.lpDebutMem; f != p.magasin.lpFinMem; f = FicheSuivante(f))
      noms.push_back(TextesFiche(f)[0]);
    return noms;
  }
  void AllerA(int numero) {
    faux.reponses_aller = {std::to_string(numero)};
    Commande(CMD_ALLER_A);
  }
};

TEST_F(CommandesTest, SupprimerLaSeuleFicheLaisseUneFicheVideModifiee) {
  Demarrer(1);
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_SUPPRIMER);
  AttendreMessage("Voulez-vous vraiment\n supprimer cette fiche?", BOITE_OUI_NON | ICONE_QUESTION);
  EXPECT_EQ(Compteurs(), "0000001/0000001");
  EXPECT_EQ(Nom(), "");
  EXPECT_EQ(p.magasin.TailleTotaleFiches, 27u);
  EXPECT_EQ(p.TravailModifie, 1);
}

TEST_F(CommandesTest, SupprimerLaPremiereLaDerniereOuRefuser) {
  Demarrer(3);
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_BOUTON_SUPPRIMER);
  EXPECT_EQ(Nom(), "2");
  EXPECT_EQ(Compteurs(), "0000001/0000002");

  Commande(CMD_DERNIERE_FICHE);
  faux.messages.clear();
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_SUPPRIMER);
  EXPECT_EQ(Nom(), "2");
  EXPECT_EQ(Compteurs(), "0000001/0000001");

  faux.messages.clear();
  faux.reponses = {REPONSE_NON};
  Commande(CMD_SUPPRIMER);
  EXPECT_EQ(NomsDesFiches(), std::vector<std::string>{"2"});
}

TEST_F(CommandesTest, SupprimerAuMilieuMontreLaFichePrecedente) {
  Demarrer(5);
  AllerA(3);
  faux.reponses = {REPONSE_OUI};
  Commande(CMD_SUPPRIMER);
  EXPECT_EQ(Nom(), "2");
  EXPECT_EQ(Compteurs(), "0000002/0000004");
  EXPECT_EQ(NomsDesFiches(), (std::vector<std::string>{"1", "2", "4", "5"}));
}

TEST_F(CommandesTest, NouvelleFicheApresLaFicheEcran) {
  Demarrer(10, {6});
  AllerA(5);
  Commande(CMD_NOUVELLE_FICHE);
  EXPECT_EQ(Compteurs(), "0000006/0000011");
  EXPECT_EQ(Nom(), "");
  EXPECT_EQ(faux.controles[vue.marquage].cochee, 0);
  std::vector<std::string> noms = NomsDesFiches();
  EXPECT_EQ(noms[5], "");
  EXPECT_EQ(noms[6], "6");
  EXPECT_EQ(LireMot(MagasinFiche(&p.magasin, 7)), 1) << "the former card 6 keeps its mark";
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_NOM]);
}

TEST_F(CommandesTest, NouvelleFicheEnregistreDAbordLaFicheModifiee) {
  Demarrer(1);
  faux.controles[vue.champs[CHAMP_NOTES]].texte = "note tapée";
  faux.controles[vue.champs[CHAMP_NOTES]].modifie = 1;
  Commande(CMD_BOUTON_NOUVELLE_FICHE);
  EXPECT_EQ(TextesFiche(p.magasin.lpDebutMem)[4], "note tapée");
  EXPECT_EQ(p.magasin.TotalFiches, 2);
}

TEST_F(CommandesTest, DupliquerGardeLaMarque) {
  Demarrer(3, {2});
  AllerA(2);
  Commande(CMD_DUPLIQUER);
  EXPECT_EQ(Compteurs(), "0000003/0000004");
  EXPECT_EQ(NomsDesFiches(), (std::vector<std::string>{"1", "2", "2", "3"}));
  EXPECT_EQ(LireMot(MagasinFiche(&p.magasin, 3)), 1);
  EXPECT_EQ(p.magasin.lpFicheEcran, MagasinFiche(&p.magasin, 3));
  EXPECT_EQ(p.TravailModifie, 1);
}

TEST_F(CommandesTest, LaLimiteDesFichesRefuseNouvelleEtDupliquer) {
  Demarrer(2);
  p.MaxFiches = 2;
  for (unsigned id : {CMD_NOUVELLE_FICHE, CMD_DUPLIQUER, CMD_BOUTON_DUPLIQUER}) {
    Commande(id);
    AttendreMessage("Le nombre total de fiches existantes est trop important pour en créer une nouvelle !",
                    BOITE_OK | ICONE_ATTENTION);
  }
  EXPECT_EQ(p.magasin.TotalFiches, 2);
}

TEST_F(CommandesTest, SuivantePrecedentePremiereDerniere) {
  Demarrer(3);
  Commande(CMD_FICHE_PRECEDENTE);
  AttendreMessage("Il n'y a pas de fiche précédente.", BOITE_OK | ICONE_ATTENTION);
  Commande(CMD_BOUTON_SUIVANTE);
  EXPECT_EQ(Nom(), "2");
  Commande(CMD_DERNIERE_FICHE);
  EXPECT_EQ(Compteurs(), "0000003/0000003");
  Commande(CMD_FICHE_SUIVANTE);
  AttendreMessage("Il n'y a pas de fiche suivante.", BOITE_OK | ICONE_ATTENTION);
  EXPECT_EQ(Nom(), "3");
  Commande(CMD_BOUTON_PRECEDENTE);
  EXPECT_EQ(Compteurs(), "0000002/0000003");
  Commande(CMD_PREMIERE_FICHE);
  EXPECT_EQ(Nom(), "1");
  EXPECT_EQ(Compteurs(), "0000001/0000003");
}

TEST_F(CommandesTest, AllerALaFiche) {
  Demarrer(12);
  AllerA(12);
  EXPECT_EQ(Nom(), "12");
  EXPECT_EQ(journal_bibliotheques.filtres, (std::vector<uint16_t>{1, 0}))
      << "digits only while the dialog is open";

  faux.reponses_aller = {"0"};
  Commande(CMD_ALLER_A);
  AttendreMessage("le numéro de fiche n'est pas valide.", BOITE_OK | ICONE_ATTENTION);
  faux.reponses_aller = {"abc"};
  Commande(CMD_ALLER_A);
  AttendreMessage("le numéro de fiche n'est pas valide.", BOITE_OK | ICONE_ATTENTION);
  faux.reponses_aller = {"13"};
  Commande(CMD_ALLER_A);
  AttendreMessage("Le numéro de fiche que vous avez choisi est trop grand.",
                  BOITE_OK | ICONE_ATTENTION);
  faux.reponses_aller = {"\x1b"};
  Commande(CMD_ALLER_A);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(Nom(), "12");
}

TEST_F(CommandesTest, AllerANeLitQueSixChiffres) {
  EXPECT_EQ(NumeroTape("  42x"), 42u);
  EXPECT_EQ(NumeroTape("+7"), 7u);
  EXPECT_EQ(NumeroTape("-1"), 0xFFFFFFFFu) << "an unsigned comparison sees it as too large";
  Demarrer(3);
  faux.reponses_aller = {"0000021"};  // the dialog hands over 6 characters: "000002"
  Commande(CMD_ALLER_A);
  EXPECT_EQ(Nom(), "2");
}

TEST_F(CommandesTest, DefilementRapideAvantUneCartePar50ms) {
  Demarrer(100);
  Commande(CMD_AVANCER_APPUI);
  EXPECT_EQ(faux.minuteurs[MINUTEUR_DEFILEMENT], 50u);
  EXPECT_EQ(faux.controles[vue.avancer].enfonce, 1);
  EXPECT_EQ(journal_bibliotheques.maintenus.avancer, 1);
  for (int i = 0; i < 20; i++) ProgrammeMinuteur(&p);
  EXPECT_EQ(Texte(vue.numero), "0000021");
  EXPECT_EQ(Nom(), "1") << "the view changes only on release";
  Commande(CMD_AVANCER_RELACHE);
  EXPECT_EQ(Nom(), "21");
  EXPECT_TRUE(faux.minuteurs.empty());
  EXPECT_EQ(faux.controles[vue.avancer].enfonce, 0);
  EXPECT_EQ(journal_bibliotheques.maintenus.avancer, 0);
}

TEST_F(CommandesTest, DefilementSurLaDerniereFicheLaMontreEncore) {
  Demarrer(3);
  Commande(CMD_DERNIERE_FICHE);
  Commande(CMD_AVANCER_APPUI);
  for (int i = 0; i < 5; i++) ProgrammeMinuteur(&p);
  Commande(CMD_AVANCER_AILLEURS);
  EXPECT_EQ(Nom(), "3");
  EXPECT_EQ(Compteurs(), "0000003/0000003");
}

TEST_F(CommandesTest, DefilementArriereSArreteALaPremiere) {
  Demarrer(10);
  AllerA(4);
  Commande(CMD_RECULER_APPUI);
  for (int i = 0; i < 6; i++) ProgrammeMinuteur(&p);
  Commande(CMD_RECULER_AILLEURS);
  EXPECT_EQ(Nom(), "1");
  EXPECT_EQ(Compteurs(), "0000001/0000010");
  // A release with nothing held shows nothing new.
  Commande(CMD_RECULER_AILLEURS);
  EXPECT_EQ(Nom(), "1");
}

TEST_F(CommandesTest, CouperParLeBoutonMaintenu) {
  Demarrer(1);
  Poignee notes = vue.champs[CHAMP_NOTES];
  faux.controles[notes].texte = "garder couper";
  faux.controles[notes].debut_selection = 6;
  faux.controles[notes].fin_selection = 13;
  ProgrammeCommande(&p, IDC_NOTES, NOTIFICATION_FOCUS, notes);
  Commande(CMD_COUPER_APPUI);
  EXPECT_EQ(journal_bibliotheques.maintenus.couper, 1);
  EXPECT_EQ(faux.controles[vue.couper].enfonce, 1);
  Commande(CMD_COUPER_AILLEURS);
  EXPECT_EQ(faux.controles[notes].texte, "garder couper") << "released elsewhere: nothing cut";
  EXPECT_EQ(p.TravailModifie, 0);

  Commande(CMD_COUPER_APPUI);
  Commande(CMD_COUPER_RELACHE);
  EXPECT_EQ(faux.controles[notes].texte, "garder");
  EXPECT_EQ(p.TravailModifie, 1);
  EXPECT_EQ(p.FicheModifiee, 1);
  EXPECT_EQ(journal_bibliotheques.maintenus.couper, 0);
  EXPECT_EQ(faux.focus, notes);
}

TEST_F(CommandesTest, CopierEtCollerParLesBoutons) {
  Demarrer(1);
  Poignee url = vue.champs[CHAMP_URL];
  ProgrammeCommande(&p, CMD_CLIC_NOM + 1, 0, nullptr);
  EXPECT_EQ(p.ChampCourant, url);
  faux.controles[url].debut_selection = 0;
  faux.controles[url].fin_selection = 4;
  Commande(CMD_COPIER_APPUI);
  Commande(CMD_COPIER_RELACHE);
  EXPECT_EQ(faux.controles[url].actions, std::vector<ActionEdit>{EDIT_COPIER});
  EXPECT_EQ(p.TravailModifie, 0) << "the copy button leaves the flags alone";

  Commande(CMD_COLLER_APPUI);
  Commande(CMD_COLLER_RELACHE);
  EXPECT_EQ(faux.controles[url].actions.size(), 1u) << "no text on the clipboard";
  faux.texte_copie = 1;
  Commande(CMD_COLLER_APPUI);
  Commande(CMD_COLLER_RELACHE);
  EXPECT_EQ(faux.controles[url].actions.back(), EDIT_COLLER);
  EXPECT_EQ(p.TravailModifie, 1);
}

TEST_F(CommandesTest, MenuEditionSurLeChampQuiALeFocus) {
  Demarrer(1);
  Poignee nom = vue.champs[CHAMP_NOM];
  faux.focus = (Poignee)99;
  Commande(CMD_ANNULER);
  EXPECT_EQ(p.TravailModifie, 0) << "focus outside the fields: nothing";
  faux.focus = nom;
  Commande(CMD_COPIER);
  EXPECT_EQ(p.TravailModifie, 0) << "empty selection: nothing";
  faux.controles[nom].fin_selection = 1;
  Commande(CMD_COPIER);
  EXPECT_EQ(p.TravailModifie, 1) << "a copy marks the work modified";
  EXPECT_EQ(faux.controles[nom].actions, std::vector<ActionEdit>{EDIT_COPIER});
  Commande(CMD_ANNULER);
  EXPECT_EQ(faux.controles[nom].actions.back(), EDIT_ANNULER);
  Commande(CMD_COLLER);
  EXPECT_EQ(faux.controles[nom].actions.back(), EDIT_ANNULER) << "nothing to paste";
}

TEST_F(CommandesTest, CopierPuisQuitterDemandeDeSauvegarder) {
  Demarrer(1);
  faux.focus = vue.champs[CHAMP_NOM];
  faux.controles[faux.focus].fin_selection = 1;
  Commande(CMD_COPIER);
  faux.reponses = {REPONSE_ANNULER};
  EXPECT_EQ(Commande(CMD_QUITTER), 0);
  AttendreMessage("Souhaitez vous sauvegarder les modifications du travail en cours ?",
                  BOITE_OUI_NON_ANNULER | ICONE_QUESTION);
}

TEST_F(CommandesTest, ChampPasseAuChampSuivantEnBoucle) {
  Demarrer(1);
  faux.focus = vue.champs[CHAMP_NOTES];
  Commande(CMD_CHAMP);
  EXPECT_EQ(faux.focus, vue.champs[CHAMP_NOM]);
  Commande(CMD_CHAMP);
  EXPECT_EQ(faux.focus, vue.champs[CHAMP_URL]);
  EXPECT_EQ(p.ChampCourant, vue.champs[CHAMP_URL]);
  faux.focus = (Poignee)99;
  Commande(CMD_CHAMP);
  EXPECT_EQ(faux.focus, vue.champs[CHAMP_NOM]);
}

TEST_F(CommandesTest, AideEtInfo) {
  Demarrer(1);
  Commande(CMD_AIDE);
  EXPECT_EQ(faux.aides, std::vector<std::string>{"C:\\Lorvanix\\lorvanix.hlp"});
  Commande(CMD_INFO);
  EXPECT_EQ(journal_bibliotheques.informations, std::vector<void*>{vue.fenetre});
}

TEST_F(CommandesTest, LesCommandesADialoguesCoupentLesCrochets) {
  Demarrer(1);
  journal_bibliotheques.crochets.clear();
  Commande(387);
  EXPECT_EQ(journal_bibliotheques.crochets, (std::vector<uint16_t>{0, 1}));
  journal_bibliotheques.crochets.clear();
  Commande(CMD_FICHE_SUIVANTE);
  EXPECT_TRUE(journal_bibliotheques.crochets.empty());
}

TEST_F(CommandesTest, CriteresVidesRefusentListesEtComptes) {
  Demarrer(1);
  for (unsigned id : {643u, 404u, 534u, 538u, 687u}) {
    Commande(id);
    AttendreMessage("il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                    "correctement définis.",
                    BOITE_OK | ICONE_ATTENTION);
  }
  snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", "web");
  p.criteres = CriteresRecherche{};
  Commande(643);
  EXPECT_EQ(faux.messages.size(), 1u) << "no field to search in";
}

TEST_F(CommandesTest, CompteDeLaSelectionBorneA497Caracteres) {
  Demarrer(1);
  Poignee notes = vue.champs[CHAMP_NOTES];
  faux.focus = (Poignee)99;
  Commande(CMD_COMPTE_SELECTION);
  AttendreMessage("Il n'y a pas de sélection", BOITE_OK | ICONE_ATTENTION);
  faux.focus = notes;
  Commande(CMD_COMPTE_SELECTION);
  AttendreMessage("Il n'y a pas de sélection de texte.", BOITE_OK | ICONE_ATTENTION);
  faux.focus = notes;
  faux.controles[notes].fin_selection = 498;
  Commande(CMD_COMPTE_SELECTION);
  AttendreMessage("Votre sélection est trop importante.", BOITE_OK | ICONE_ATTENTION);
  faux.focus = notes;
  faux.controles[notes].fin_selection = 497;
  EXPECT_EQ(SelectionComptable(&p), 1);
}

TEST_F(CommandesTest, DemarrageOuvreLeFichierParDefaut) {
  std::string entete(CONFIGURATION_OUVERTURE.entete, CONFIGURATION_OUVERTURE.taille_entete);
  std::string chemin = "C:\\defaut.lvx";
  chemin.resize(256, '\0');
  faux.Ecrire("C:\\Lorvanix\\OUVDEF.CFG", entete + chemin);
  faux.Ecrire("C:\\defaut.lvx", OctetsFichier(OctetsFiche({"par défaut", "", "", "", ""}), 1));
  ASSERT_EQ(ProgrammeDemarrer(&p, ""), 1);
  EXPECT_EQ(Nom(), "par défaut");
  EXPECT_EQ(Texte(vue.fenetre), "Lorvanix 6.1 defaut.lvx");
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(CommandesTest, AllerALaFicheMarqueeEnregistreDAbordLaFicheModifiee) {
  Demarrer(3, {3});
  Taper(CHAMP_NOTES, "tapé avant de partir");
  Commande(CMD_BOUTON_MARQUEE_SUIVANTE);
  EXPECT_EQ(Nom(), "3");
  EXPECT_EQ(TextesFiche(p.magasin.lpDebutMem)[4], "tapé avant de partir");
}

TEST_F(CommandesTest, LaCaseMarquageBasculeLaFicheEcran) {
  Demarrer(2);
  Commande(CMD_CASE_MARQUAGE);
  EXPECT_EQ(faux.controles[vue.marquage].cochee, 1);
  EXPECT_EQ(p.TravailModifie, 1);
  Commande(CMD_FICHE_SUIVANTE);
  EXPECT_EQ(LireMot(p.magasin.lpDebutMem), 1) << "the mark reaches the store at the write back";
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(CommandesTest, UnIdentifiantHorsTableNeFaitRien) {
  Demarrer(2);
  for (unsigned id : {0u, 305u, 721u, 0xFFFFu}) EXPECT_EQ(Commande(id), 0);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(Nom(), "1");
}

// The steps around a command, as letters: 0 and 1 the hooks off and on, A
// and a the wait and arrow cursors, F the focus given to a window. A frame
// is a pattern: its steps before the "*", the command's own in its place,
// its steps after; hooks change only at the frame's edges.
const char* const MAGASIN = "A*Fa";
const char* const DIALOGUES = "0A*Fa1";
const char* const IMPRESSION = "0Aa*1F";
const char* const CONVERSION = "0Aa*1";
const char* const CROCHETS = "0*1";
const char* const CROCHETS_FOCUS = "0*1F";
const char* const ATTENTE = "A*a";
const char* const FOCUS = "F";
const char* const LIBRE = "*";  // steps of its own, the hooks left on

Fenetres systeme;  // the fake's calls, which the noted ones forward to

void CurseurNote(void* ctx, Poignee c) {
  journal_bibliotheques.etapes += c == (Poignee)0x51 ? 'A' : 'a';
  systeme.curseur(ctx, c);
}

void FocusNote(void* ctx, Poignee f) {
  journal_bibliotheques.etapes += 'F';
  systeme.focus(ctx, f);
}

bool Suit(const std::string& etapes, const std::string& motif) {
  size_t etoile = motif.find('*');
  if (etoile == std::string::npos) return etapes == motif;
  std::string avant = motif.substr(0, etoile), apres = motif.substr(etoile + 1);
  if (etapes.size() < avant.size() + apres.size()) return false;
  if (etapes.compare(0, avant.size(), avant) || etapes.compare(etapes.size() - apres.size(),
                                                               apres.size(), apres))
    return false;
  std::string milieu = etapes.substr(avant.size(), etapes.size() - avant.size() - apres.size());
  return milieu.find_first_of("01") == std::string::npos;
}

class TableCommandesTest : public CommandesTest {
 protected:
  Fenetres notees{};
  SystemeProgramme notee{};

  // A fresh program on three cards, the card on screen edited, whose
  // cursor and focus steps are noted.
  void Recommencer() {
    ProgrammeLiberer(&p);
    p = Programme{};
    systeme = faux.fenetres;
    notees = faux.fenetres;
    notees.curseur = CurseurNote;
    notees.focus = FocusNote;
    notee = faux.programme;
    notee.fenetres = &notees;
    ASSERT_EQ(ProgrammeInitialiser(&p, &notee, vue, (Poignee)0x50, (Poignee)0x51, nullptr), 1);
    Demarrer(3);
    Taper(CHAMP_NOTES, "tapée");
    faux.focus = nullptr;
    faux.reponses.clear();
    journal_bibliotheques = JournalBibliotheques{};
  }
};

TEST_F(TableCommandesTest, ChaqueIdentifiantUneFoisChaqueCommandeDansSonCadre) {
  struct Ligne {
    std::vector<unsigned> ids;
    const char* cadre;
  };
  const Ligne lignes[] = {
      // Fichier
      {{417}, LIBRE},
      {{308}, "*0"},  // the hooks go for good with the window
      {{414, 490, 416, 491, 415}, CROCHETS_FOCUS},
      {{307, 358, 357, 469, 468, 467}, CROCHETS},
      {{356, 336, 387, 331, 337, 395, 689, 407, 323, 380, 341, 573, 410, 411, 409, 363, 364},
       DIALOGUES},
      // Impression
      {{419, 489, 377, 378, 376, 379}, IMPRESSION},
      {{418}, CROCHETS_FOCUS},
      // Edition and Gestion
      {{330, 311, 312, 313, 314, 437, 315, 427, 317, 422, 318, 423, 321, 429, 320, 428, 626,
        628, 625, 627},
       LIBRE},
      {{316, 420, 335, 637, 365, 370, 375}, ATTENTE},
      {{340}, "Aa*"},  // the arrow comes back before the last card is shown
      {{526, 536, 544, 572, 677}, CONVERSION},
      // Marquage
      {{685, 623}, FOCUS},
      {{332, 333, 324, 629, 338, 334, 346, 353, 306, 412, 351, 352, 354, 347, 348, 349, 530, 531,
        532, 541, 542, 543, 366, 413, 475, 691, 692, 693},
       MAGASIN},
      // Afficher and Calculer
      {{641, 644, 643, 642, 405, 404, 533, 535, 534, 537, 539, 538, 645, 657, 686, 688, 690, 695,
        696, 345, 350, 355, 687, 360},
       MAGASIN},
      // Recherche, Champ, Info, Aide, and what the mouse hook posts
      {{319, 424}, "*F"},
      {{635, 636}, "Aa*"},
      {{322, 309, 310, 701, 702, 703, 704, 705}, FOCUS},
      {{706, 707, 708, 709, 710, 711, 712, 713, 714, 715, 716, 717, 718, 719, 720}, LIBRE},
  };
  std::vector<unsigned> attendus, table;
  for (const Ligne& l : lignes) attendus.insert(attendus.end(), l.ids.begin(), l.ids.end());
  for (size_t i = 0; i < NB_COMMANDES; i++) {
    table.push_back(COMMANDES[i].id);
    EXPECT_NE(COMMANDES[i].action, nullptr) << COMMANDES[i].id << " has no action";
  }
  std::sort(attendus.begin(), attendus.end());
  std::sort(table.begin(), table.end());
  auto double_id = std::adjacent_find(table.begin(), table.end());
  EXPECT_TRUE(double_id == table.end()) << *double_id << " twice";
  EXPECT_EQ(table, attendus);

  for (const Ligne& l : lignes) {
    for (unsigned id : l.ids) {
      Recommencer();
      ProgrammeCommande(&p, id, 0, nullptr);
      EXPECT_PRED2(Suit, journal_bibliotheques.etapes, l.cadre) << id;
    }
  }
}

}  // namespace
