// The main program's side of printing: the printer set up at start-up and
// by Configurer, IMPRIMERBOX's rules, the checks before lvxprint and the
// handles kept and freed. The printing libraries run for real: with no
// printer set up they say so and print nothing.
#include "imprimer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commandes.h"
#include "essai_programme.h"
#include "export/lvxprap.h"
#include "outils_fiches.h"

namespace {

const char PAS_D_IMPRIMANTE[] = "l'imprimante n'est pas correctement configur\xe9" "e.";
const char RIEN_A_RECHERCHER[] =
    "il n'y a rien \xe0 rechercher.\nLes crit\xe8res de recherche ne sont pas correctement "
    "d\xe9" "finis.";
const char PAS_DE_CHAMP[] = "Vous n'avez pas s\xe9lectionn\xe9 de champ \xe0 imprimer !";

const Poignee DC_DEPART = (Poignee)0xDC1;
const Poignee DC_CHOISI = (Poignee)0xDC2;

// The boxes shown ticked.
std::set<unsigned> Cochees(const DialogueImprimer* d) {
  std::set<unsigned> c;
  for (unsigned id : IDS_OPTIONS_IMPRESSION)
    if (DialogueImprimerCoche(d, id)) c.insert(id);
  return c;
}

const std::set<unsigned> DEPART = {
    IDC_IMPRIMER_TOUTES,     IDC_IMPRIMER_NOM,         IDC_IMPRIMER_TITRE_NOM,
    IDC_IMPRIMER_URL,        IDC_IMPRIMER_TITRE_URL,   IDC_IMPRIMER_RUBRIQUE,
    IDC_IMPRIMER_TITRE_RUBRIQUE, IDC_IMPRIMER_MOTS_CLES, IDC_IMPRIMER_TITRE_MOTS_CLES,
    IDC_IMPRIMER_NOTES,      IDC_IMPRIMER_TITRE_NOTES, IDC_IMPRIMER_PAGINATION,
    IDC_IMPRIMER_CADRE,      IDC_IMPRIMER_FICHE_PAR_PAGE};

std::set<unsigned> Sauf(std::set<unsigned> c, std::set<unsigned> enlever,
                        std::set<unsigned> ajouter = {}) {
  for (unsigned id : enlever) c.erase(id);
  c.insert(ajouter.begin(), ajouter.end());
  return c;
}

class ImprimerTest : public EssaiProgramme {
 protected:
  void Demarrer() {
    faux.Ecrire("C:\\f.lvx", OctetsFichier(OctetsFiche({"un", "http://un.fr/", "", "", ""}) +
                                               OctetsFiche({"deux", "", "", "", ""}),
                                           2));
    ASSERT_EQ(ProgrammeDemarrer(&p, "C:\\f.lvx"), 1);
    faux.messages.clear();
  }
  int Commande(unsigned id) { return ProgrammeCommande(&p, id, 0, nullptr); }
  // A new process on a machine whose default printer gives a device
  // context and its two setup blocks.
  void AvecImprimante() {
    ProgrammeLiberer(&p);
    p = Programme{};
    faux.dans_impression.push_back([this](EnregistrementImpression* e) {
      e->hDevMode = faux.memoire.bloc_allouer(faux.memoire.ctx, 100);
      e->hDevNames = faux.memoire.bloc_allouer(faux.memoire.ctx, 40);
      e->hDC = DC_DEPART;
      return 1;
    });
    ASSERT_EQ(ProgrammeInitialiser(&p, &faux.programme, vue, (Poignee)0x50, (Poignee)0x51,
                                   (Poignee)0x400000),
              1);
  }
  // The user presses these controls in IMPRIMERBOX; the dialog's answer.
  void Dans(std::vector<unsigned> ids, int* ferme = nullptr) {
    faux.dans_imprimer.push_back([ids, ferme](DialogueImprimer* d) {
      SuiteImprimer s = IMPRIMER_RESTE;
      for (unsigned id : ids) s = DialogueImprimerAppuyer(d, id);
      if (ferme) *ferme = s;
      return s == IMPRIMER_FERME_OK;
    });
  }
  // What the next dialog shows at its opening.
  std::set<unsigned> ProchainesCochees() {
    std::set<unsigned> vues;
    faux.dans_imprimer.push_back([&vues](DialogueImprimer* d) {
      vues = Cochees(d);
      return 0;
    });
    Commande(CMD_IMPRIMER_FICHES);
    return vues;
  }
};

TEST_F(ImprimerTest, DemarrageImprimanteParDefautPolicesStyloEtFin) {
  const EnregistrementImpression& e = p.impression.enregistrement;
  EXPECT_EQ(faux.drapeaux_impression,
            std::vector<uint32_t>{IMPRESSION_DEFAUT | IMPRESSION_RETOUR_DC});
  EXPECT_EQ(faux.proprietaires_impression, std::vector<Poignee>{vue.fenetre});
  EXPECT_EQ(e.lStructSize, sizeof(EnregistrementImpression));
  EXPECT_EQ(e.hDC, nullptr) << "no printer: nothing kept";
  EXPECT_EQ(faux.polices, (std::vector<std::string>{"320/600/0", "320/700/1"}));
  EXPECT_EQ(faux.stylos, std::vector<int>{22});
  EXPECT_EQ(p.impression.hauteur_police, 320);

  AvecImprimante();
  EXPECT_EQ(p.impression.enregistrement.hInstance, (Poignee)0x400000);
  EXPECT_EQ(p.impression.enregistrement.hDC, DC_DEPART);
  faux.objets_liberes.clear();
  Poignee objets[3] = {p.impression.police, p.impression.police_titre, p.impression.stylo};
  ProgrammeLiberer(&p);
  EXPECT_EQ(faux.contextes_liberes, std::vector<Poignee>{DC_DEPART});
  EXPECT_EQ(faux.objets_liberes, std::vector<Poignee>(objets, objets + 3));
  EXPECT_EQ(faux.blocs_vivants, 0) << "both setup blocks freed";
  ProgrammeLiberer(&p);
  EXPECT_EQ(faux.contextes_liberes.size(), 1u) << "freed once";
}

// The rules of the boxes, press after press from the first values.
TEST_F(ImprimerTest, LesCasesDuDialogue) {
  struct Cas {
    const char* quoi;
    std::vector<unsigned> appuis;
    std::set<unsigned> cochees;
  };
  const Cas cas[] = {
      {"at the start", {}, DEPART},
      {"one card", {IDC_IMPRIMER_ECRAN}, Sauf(DEPART, {IDC_IMPRIMER_TOUTES}, {IDC_IMPRIMER_ECRAN})},
      {"a ticked choice stays", {IDC_IMPRIMER_TOUTES}, DEPART},
      {"marked cards",
       {IDC_IMPRIMER_RECHERCHE, IDC_IMPRIMER_MARQUEES},
       Sauf(DEPART, {IDC_IMPRIMER_TOUTES}, {IDC_IMPRIMER_MARQUEES})},
      {"back from the marked cards",
       {IDC_IMPRIMER_MARQUEES, IDC_IMPRIMER_RECHERCHE},
       Sauf(DEPART, {IDC_IMPRIMER_TOUTES}, {IDC_IMPRIMER_RECHERCHE})},
      {"the field takes its title", {IDC_IMPRIMER_URL},
       Sauf(DEPART, {IDC_IMPRIMER_URL, IDC_IMPRIMER_TITRE_URL})},
      {"no title without its field", {IDC_IMPRIMER_URL, IDC_IMPRIMER_TITRE_URL},
       Sauf(DEPART, {IDC_IMPRIMER_URL, IDC_IMPRIMER_TITRE_URL})},
      {"the field back with its title", {IDC_IMPRIMER_NOTES, IDC_IMPRIMER_NOTES}, DEPART},
      {"a title alone", {IDC_IMPRIMER_TITRE_MOTS_CLES},
       Sauf(DEPART, {IDC_IMPRIMER_TITRE_MOTS_CLES})},
      {"a title back", {IDC_IMPRIMER_TITRE_NOM, IDC_IMPRIMER_TITRE_NOM}, DEPART},
      {"the field unticks its title again",
       {IDC_IMPRIMER_TITRE_RUBRIQUE, IDC_IMPRIMER_RUBRIQUE, IDC_IMPRIMER_RUBRIQUE},
       DEPART},
      {"page options",
       {IDC_IMPRIMER_PAGINATION, IDC_IMPRIMER_CADRE, IDC_IMPRIMER_FICHE_PAR_PAGE},
       Sauf(DEPART, {IDC_IMPRIMER_PAGINATION, IDC_IMPRIMER_CADRE, IDC_IMPRIMER_FICHE_PAR_PAGE})},
      {"not a box", {IDC_NOM, 0}, DEPART},
  };
  for (const Cas& c : cas) {
    memcpy(p.impression.options, OPTIONS_IMPRESSION_DEPART, sizeof p.impression.options);
    DialogueImprimer d;
    DialogueImprimerPreparer(&d, &p);
    for (unsigned id : c.appuis) EXPECT_EQ(DialogueImprimerAppuyer(&d, id), IMPRIMER_RESTE);
    EXPECT_EQ(Cochees(&d), c.cochees) << c.quoi;
  }
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(ImprimerTest, AnnulerGardeLesChoixPrecedentsOKLesGarde) {
  Demarrer();
  EXPECT_EQ(ProchainesCochees(), DEPART) << "a fresh start";
  int ferme = -1;
  Dans({IDC_IMPRIMER_MARQUEES, IDC_IMPRIMER_URL, IDC_IMPRIMER_CADRE, IDC_IMPRIMER_ANNULER}, &ferme);
  Commande(CMD_IMPRIMER_FICHES);
  EXPECT_EQ(ferme, IMPRIMER_FERME_ANNULER);
  EXPECT_EQ(ProchainesCochees(), DEPART);
  EXPECT_TRUE(faux.messages.empty()) << "nothing printed";

  Dans({IDC_IMPRIMER_ECRAN, IDC_IMPRIMER_URL, IDC_IMPRIMER_OK});
  Commande(CMD_BOUTON_IMPRIMER);
  AttendreMessage(PAS_D_IMPRIMANTE, BOITE_OK | ICONE_ERREUR);
  const std::set<unsigned> choisies = Sauf(
      DEPART, {IDC_IMPRIMER_TOUTES, IDC_IMPRIMER_URL, IDC_IMPRIMER_TITRE_URL}, {IDC_IMPRIMER_ECRAN});
  EXPECT_EQ(ProchainesCochees(), choisies);
  // A dialog closed without OK (Escape, the system menu) is an Annuler.
  Dans({IDC_IMPRIMER_TOUTES});
  Commande(CMD_IMPRIMER_FICHES);
  EXPECT_EQ(ProchainesCochees(), choisies);
}

TEST_F(ImprimerTest, SansChampOKRefuseEtLeDialogueReste) {
  Demarrer();
  Poignee proprietaire = nullptr;
  SuiteImprimer refus = IMPRIMER_FERME_OK;
  faux.dans_imprimer.push_back([&](DialogueImprimer* d) {
    for (unsigned id : {IDC_IMPRIMER_NOM, IDC_IMPRIMER_URL, IDC_IMPRIMER_RUBRIQUE,
                        IDC_IMPRIMER_MOTS_CLES, IDC_IMPRIMER_NOTES})
      DialogueImprimerAppuyer(d, id);
    refus = DialogueImprimerAppuyer(d, IDC_IMPRIMER_OK);
    proprietaire = faux.messages.empty() ? nullptr : faux.messages.back().proprietaire;
    DialogueImprimerAppuyer(d, IDC_IMPRIMER_TITRE_NOTES);  // a title alone is not a field
    EXPECT_EQ(DialogueImprimerAppuyer(d, IDC_IMPRIMER_OK), IMPRIMER_RESTE);
    DialogueImprimerAppuyer(d, IDC_IMPRIMER_MOTS_CLES);
    return DialogueImprimerAppuyer(d, IDC_IMPRIMER_OK) == IMPRIMER_FERME_OK;
  });
  Commande(CMD_IMPRIMER_FICHES);
  EXPECT_EQ(refus, IMPRIMER_RESTE);
  EXPECT_EQ(proprietaire, faux.fenetre_imprimer) << "over the dialog";
  EXPECT_EQ(faux.Textes(), (std::vector<std::string>{PAS_DE_CHAMP, PAS_DE_CHAMP, PAS_D_IMPRIMANTE}));
}

// "Le résultat de la recherche" needs an expression and a field to search.
TEST_F(ImprimerTest, LeResultatDeLaRechercheSansCriteresNImprimeRien) {
  Demarrer();
  struct Cas {
    const char* expression;
    uint16_t champs;
    const char* message;
  };
  const Cas cas[] = {
      {"", 1, RIEN_A_RECHERCHER},
      {"web", 0, RIEN_A_RECHERCHER},
      {"web", 1, PAS_D_IMPRIMANTE},
  };
  for (const Cas& c : cas) {
    snprintf(p.ExpressionRecherche, TAILLE_RECHERCHE, "%s", c.expression);
    p.criteres = CriteresRecherche{c.champs, c.champs, c.champs, c.champs, c.champs, 0, 0, 0, 0};
    Dans({IDC_IMPRIMER_RECHERCHE, IDC_IMPRIMER_OK});
    Commande(CMD_IMPRIMER_FICHES);
    ASSERT_EQ(faux.messages.size(), 1u) << c.expression;
    EXPECT_EQ(faux.messages[0].texte, c.message);
    EXPECT_EQ(faux.messages[0].proprietaire, vue.fenetre);
    if (c.message == RIEN_A_RECHERCHER) {
      EXPECT_EQ(faux.messages[0].style, BOITE_OK | ICONE_ATTENTION);
    }
    faux.messages.clear();
  }
  EXPECT_EQ(ProchainesCochees(),
            Sauf(DEPART, {IDC_IMPRIMER_TOUTES}, {IDC_IMPRIMER_RECHERCHE}))
      << "the choice stays even when nothing was printed";
}

TEST_F(ImprimerTest, ConfigurerAnnuleRemetLEnregistrement) {
  AvecImprimante();
  const EnregistrementImpression avant = p.impression.enregistrement;
  faux.drapeaux_impression.clear();
  faux.proprietaires_impression.clear();
  faux.dans_impression.push_back([](EnregistrementImpression* e) {
    e->hDC = nullptr;  // what a failing dialog may leave
    e->nCopies = 3;
    return 0;
  });
  Commande(CMD_CONFIGURER_IMPRESSION);
  EXPECT_EQ(faux.drapeaux_impression,
            std::vector<uint32_t>{IMPRESSION_CONFIGURATION | IMPRESSION_RETOUR_DC});
  EXPECT_EQ(faux.proprietaires_impression, std::vector<Poignee>{vue.fenetre});
  const EnregistrementImpression& e = p.impression.enregistrement;
  EXPECT_EQ(e.hDC, avant.hDC);
  EXPECT_EQ(e.hDevMode, avant.hDevMode);
  EXPECT_EQ(e.hDevNames, avant.hDevNames);
  EXPECT_EQ(e.Flags, avant.Flags);
  EXPECT_EQ(e.hwndOwner, avant.hwndOwner);
  EXPECT_EQ(e.nCopies, avant.nCopies);
  EXPECT_TRUE(faux.contextes_liberes.empty());
}

// The dialog hands a new context and renews the setup blocks itself: the
// old context is freed, the new one at the end.
TEST_F(ImprimerTest, ConfigurerChoisitUneImprimanteDepuisLeDialogue) {
  AvecImprimante();
  Demarrer();
  faux.proprietaires_impression.clear();
  faux.dans_impression.push_back([this](EnregistrementImpression* e) {
    faux.memoire.bloc_liberer(faux.memoire.ctx, e->hDevNames);
    e->hDevNames = faux.memoire.bloc_allouer(faux.memoire.ctx, 60);
    e->hDC = DC_CHOISI;
    return 1;
  });
  Dans({IDC_IMPRIMER_CONFIGURER, IDC_IMPRIMER_ANNULER});
  Commande(CMD_IMPRIMER_FICHES);
  EXPECT_EQ(faux.proprietaires_impression, std::vector<Poignee>{faux.fenetre_imprimer});
  const EnregistrementImpression& e = p.impression.enregistrement;
  EXPECT_EQ(e.hDC, DC_CHOISI);
  EXPECT_EQ(e.hwndOwner, vue.fenetre) << "the main window owns the record again";
  EXPECT_EQ(e.Flags, IMPRESSION_CONFIGURATION | IMPRESSION_RETOUR_DC);
  EXPECT_EQ(faux.contextes_liberes, std::vector<Poignee>{DC_DEPART});
  EXPECT_TRUE(faux.messages.empty());

  // The same context given back is not freed.
  faux.dans_impression.push_back([](EnregistrementImpression*) { return 1; });
  Commande(CMD_CONFIGURER_IMPRESSION);
  EXPECT_EQ(faux.contextes_liberes.size(), 1u);
  ProgrammeLiberer(&p);
  EXPECT_EQ(faux.contextes_liberes, (std::vector<Poignee>{DC_DEPART, DC_CHOISI}));
}

TEST_F(ImprimerTest, ImpressionRapideDeChaqueChamp) {
  Demarrer();
  const struct {
    unsigned id;
    int genre;
  } lignes[] = {{CMD_IMPRIMER_NOMS, RAPIDE_NOMS},
                {CMD_IMPRIMER_URL, RAPIDE_URL},
                {CMD_IMPRIMER_RUBRIQUES, RAPIDE_RUBRIQUES},
                {CMD_IMPRIMER_MOTS_CLES, RAPIDE_MOTS_CLES}};
  for (const auto& l : lignes) {
    const LigneCommande* ligne = CommandeLigne(l.id);
    ASSERT_NE(ligne, nullptr);
    EXPECT_EQ(ligne->action, CommandeImpressionRapide);
    EXPECT_EQ(ligne->parametre, l.genre);
    Commande(l.id);
    ASSERT_EQ(faux.messages.size(), 1u) << l.id;
    EXPECT_EQ(faux.messages[0].texte, PAS_D_IMPRIMANTE);
    EXPECT_EQ(faux.messages[0].proprietaire, vue.fenetre);
    faux.messages.clear();
  }
  EXPECT_EQ(p.impression.hDevModeRapide, nullptr);
  EXPECT_EQ(p.impression.hDevNamesRapide, nullptr);
}

// A handle from a library replaces the one kept before, which goes unless
// the program still holds it.
TEST_F(ImprimerTest, LesPoigneesDesBibliothequesRemplacees) {
  AvecImprimante();
  ImpressionProgramme& i = p.impression;
  Poignee a = faux.memoire.bloc_allouer(faux.memoire.ctx, 10);
  Poignee b = faux.memoire.bloc_allouer(faux.memoire.ctx, 10);
  int vivants = faux.blocs_vivants;
  ImpressionGarder(&p, &i.hDevModeFiches, a);
  ImpressionGarder(&p, &i.hDevModeFiches, nullptr);
  ImpressionGarder(&p, &i.hDevModeFiches, a);
  EXPECT_EQ(i.hDevModeFiches, a);
  EXPECT_EQ(faux.blocs_vivants, vivants) << "null or the same: nothing freed";
  ImpressionGarder(&p, &i.hDevModeRapide, a);
  ImpressionGarder(&p, &i.hDevModeFiches, b);
  EXPECT_EQ(faux.blocs_vivants, vivants) << "a is still kept for lvxprap";
  ImpressionGarder(&p, &i.hDevModeRapide, i.enregistrement.hDevMode);
  EXPECT_EQ(faux.blocs_vivants, vivants - 1) << "a goes";
  ImpressionGarder(&p, &i.hDevModeRapide, b);
  EXPECT_EQ(faux.blocs_vivants, vivants - 1) << "the record's block stays";
  // The end frees each block once: b and the record's two.
}

}  // namespace
