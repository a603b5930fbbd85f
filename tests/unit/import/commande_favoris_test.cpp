// The favourites command, from the proposed folder to the cards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commandes_recup.h"
#include "essai_import.h"
#include "options_import.h"
#include "tampon_fichier.h"

namespace {

const char RIEN[] = "il n'y a rien dans ce dossier.";
const char LIMITE[] =
    "Le nombre total de fiches existantes est trop important. Tous les favoris n'ont pas pu "
    "être récupérés !";
const char ALLOCATION[] = "Une erreur d'allocation de mémoire est survenue pendant l'opération.";

std::string Raccourci(const std::string& url) {
  return "[InternetShortcut]\r\nURL=" + url + "\r\n";
}

class FavorisTest : public EssaiImport {
 protected:
  void SetUp() override {
    EssaiImport::SetUp();
    faux.dossiers_speciaux[DOSSIER_FAVORIS] = "C:\\Favoris";
  }
  // The user confirms the folder shown, or types one first.
  void Confirmer(const std::string& dossier = "") {
    if (dossier.empty())
      faux.dans_import.push_back(Utilisateur({ID_FAVORIS_OK}));
    else
      faux.dans_import.push_back(Utilisateur({ID_FAVORIS_OK}, {dossier}));
  }
};

TEST_F(FavorisTest, UneFicheParFavoriNommeeEtRangeeSelonSonDossier) {
  faux.Ecrire("C:\\Favoris\\Moteurs\\Recherche.url", Raccourci("http://www.example.org/"));
  faux.Ecrire("C:\\Favoris\\Moteurs\\Outils\\Traduire.url", Raccourci("http://t.example.org/"));
  faux.Ecrire("C:\\Favoris\\Accueil.url", Raccourci("http://accueil.example.org/"));
  faux.Ecrire("C:\\Favoris\\mon.site.url", Raccourci("moi@example.org"));
  std::string montre;
  faux.dans_import.push_back([&montre](DialogueImport* d) {
    montre = d->textes[0];
    return Utilisateur({ID_FAVORIS_OK})(d);
  });
  EXPECT_EQ(RecupererLiensFavoris(&c), 1);

  EXPECT_EQ(montre, "C:\\Favoris");
  EXPECT_STREQ(chemin, "C:\\Favoris") << "the proposed folder goes back to the caller";
  EXPECT_EQ(faux.modeles_import, std::vector<int>{MODELE_LVXRECUPBOXFAVORIS});
  // Listing order, depth first; the empty card of the new store is replaced.
  EXPECT_EQ(Fiches(), (std::vector<Textes>{
                          {"Accueil", "http://accueil.example.org/", "", "", ""},
                          {"Traduire", "http://t.example.org/", "Outils", "", ""},
                          {"Recherche", "http://www.example.org/", "Moteurs", "", ""},
                          {"mon.site", "mailto:moi@example.org", "", "", ""},
                      }));
  EXPECT_EQ(c.magasin.NumFiche, 4);
  EXPECT_EQ(c.magasin.TotalFiches, 4);
  EXPECT_EQ(c.FichesModifieesOK, 1);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_EQ(faux.curseurs, (std::vector<Poignee>{ATTENTE, FLECHE}));
  EXPECT_STREQ(etatImport.dossiers[RETENU_FAVORIS], "C:\\Favoris");
}

TEST_F(FavorisTest, LeDossierRetenuEstProposeEtModifierLeRemplace) {
  faux.Ecrire("C:\\Autres\\a.url", Raccourci("http://a/"));
  snprintf(etatImport.dossiers[RETENU_FAVORIS], TAILLE_DOSSIER, "C:\\Retenu");
  std::vector<DialogueDossier> vus;
  std::vector<std::string> titres, premiers;
  auto choisir = [&](const std::string& choix) {
    return [&, choix](DialogueDossier* d) {
      vus.push_back(*d);
      titres.push_back(d->titre);
      premiers.push_back(d->dossier_initial);
      if (choix.empty()) return 0;
      snprintf(d->dossier, sizeof d->dossier, "%s", choix.c_str());
      return 1;
    };
  };
  faux.dans_dossiers = {choisir("C:\\Autres"), choisir("")};
  std::vector<std::string> apres;
  faux.dans_import.push_back([&apres](DialogueImport* d) {
    for (int i = 0; i < 2; i++) {
      EXPECT_EQ(DialogueImportAppuyer(d, ID_FAVORIS_MODIFIER), DIALOGUE_RESTE);
      apres.push_back(d->textes[0]);
    }
    return DialogueImportAppuyer(d, ID_FAVORIS_OK) == DIALOGUE_FERME_OK;
  });
  EXPECT_EQ(RecupererLiensFavoris(&c), 1);

  EXPECT_STREQ(chemin, "C:\\Retenu");
  EXPECT_EQ(apres, (std::vector<std::string>{"C:\\Autres", "C:\\Autres"}))
      << "a cancelled chooser changes nothing";
  ASSERT_EQ(vus.size(), 2u);
  EXPECT_EQ(titres[0], "Importer les favoris internet explorer depuis le dossier :");
  EXPECT_EQ(premiers, (std::vector<std::string>{"C:\\Retenu", "C:\\Retenu"}));
  EXPECT_EQ(vus[0].panneau, (unsigned)PANNEAU_DOSSIER);
  EXPECT_EQ(vus[0].proprietaire, (Poignee)0xD1A) << "owned by the dialog";
  EXPECT_EQ(std::string(vus[0].filtre, 16), std::string("TOUS (*.*)\0*.*\0\0", 16));
  EXPECT_EQ(Urls(), std::vector<std::string>{"http://a/"});
  EXPECT_STREQ(etatImport.dossiers[RETENU_FAVORIS], "C:\\Autres");
}

TEST_F(FavorisTest, AnnulerNeChangeRien) {
  faux.Ecrire("C:\\Favoris\\a.url", Raccourci("http://a/"));
  faux.dans_import.push_back(Utilisateur({ID_FAVORIS_ANNULER}));
  EXPECT_EQ(RecupererLiensFavoris(&c), 0);
  EXPECT_EQ(RecupererLiensFavoris(&c), 0) << "closing the dialog";
  EXPECT_EQ(Fiches(), std::vector<Textes>{Textes{}});
  EXPECT_EQ(c.FichesModifieesOK, 0);
  EXPECT_TRUE(faux.messages.empty());
  EXPECT_STREQ(etatImport.dossiers[RETENU_FAVORIS], "");
}

TEST_F(FavorisTest, UnDossierVideOuInconnu) {
  std::filesystem::create_directories(faux.Linux("C:\\Vide"));
  Confirmer("C:\\Vide");
  EXPECT_EQ(RecupererLiensFavoris(&c), 1) << "\".\" and \"..\" are listed";
  EXPECT_TRUE(faux.messages.empty());
  Confirmer("C:\\Inconnu");
  EXPECT_EQ(RecupererLiensFavoris(&c), 0);
  ASSERT_EQ(faux.messages.size(), 1u);
  EXPECT_EQ(faux.messages[0].texte, RIEN);
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ATTENTION);
  EXPECT_STREQ(etatImport.dossiers[RETENU_FAVORIS], "C:\\Vide");
  EXPECT_EQ(c.magasin.TotalFiches, 1);
}

TEST_F(FavorisTest, LesDoublonsSontPassesSaufLesLignesMailto) {
  faux.Ecrire("C:\\Favoris\\a.url", Raccourci("http://a/"));
  faux.Ecrire("C:\\Favoris\\b.url", Raccourci("moi@example.org"));
  faux.Ecrire("C:\\Favoris\\c.url", Raccourci("mailto:toi@example.org"));
  faux.Ecrire("C:\\Favoris\\d.url", Raccourci("http://a/"));
  Remplir({{"Moi", "MAILTO:moi@example.org", "", "", ""}});
  Confirmer();
  EXPECT_EQ(RecupererLiensFavoris(&c), 1);
  EXPECT_EQ(Urls(), (std::vector<std::string>{"MAILTO:moi@example.org", "http://a/",
                                              "mailto:toi@example.org"}));
  // A second import adds only the "mailto:" line again.
  Confirmer();
  EXPECT_EQ(RecupererLiensFavoris(&c), 1);
  EXPECT_EQ(Urls(), (std::vector<std::string>{"MAILTO:moi@example.org", "http://a/",
                                              "mailto:toi@example.org", "mailto:toi@example.org"}));
}

TEST_F(FavorisTest, TousLesFichiersSontLusEtLesIllisiblesPasses) {
  faux.Ecrire("C:\\Favoris\\vide.url", "");
  faux.Ecrire("C:\\Favoris\\sans_fin.url", "URL=http://sans.fin/");
  faux.Ecrire("C:\\Favoris\\deux.txt", "URL=http://un/\nBASEURL=http://base/\nurl=http://deux/\n");
  faux.Ecrire("C:\\Favoris\\sans_point", Raccourci("http://trois/"));
  Confirmer();
  EXPECT_EQ(RecupererLiensFavoris(&c), 1);
  EXPECT_EQ(Fiches(), (std::vector<Textes>{{"deux", "http://un/", "", "", ""},
                                           {"deux", "http://deux/", "", "", ""},
                                           {"sans_point", "http://trois/", "", "", ""}}));
  EXPECT_TRUE(faux.messages.empty());
}

TEST_F(FavorisTest, UneRacineTermineeParUneBarre) {
  faux.Ecrire("C:\\Favoris\\a.url", Raccourci("http://a/"));
  faux.Ecrire("C:\\Favoris\\Sous\\b.url", Raccourci("http://b/"));
  Confirmer("C:\\Favoris\\");
  EXPECT_EQ(RecupererLiensFavoris(&c), 1);
  EXPECT_EQ(Fiches(), (std::vector<Textes>{{"b", "http://b/", "Sous", "", ""},
                                           {"a", "http://a/", "", "", ""}}));
}

TEST_F(FavorisTest, LaLimiteDesFichesArreteAvecSonMessage) {
  faux.Ecrire("C:\\Favoris\\a.url", Raccourci("http://a/"));
  Remplir({{"1", "u1", "", "", ""}});
  c.magasin.TotalFiches = 9999999;
  Confirmer();
  EXPECT_EQ(RecupererLiensFavoris(&c), 0);
  EXPECT_EQ(Urls(), std::vector<std::string>{"u1"});
  EXPECT_EQ(faux.Textes(), std::vector<std::string>{LIMITE});
  EXPECT_EQ(faux.messages[0].style, (unsigned)ICONE_ATTENTION);
  EXPECT_EQ(faux.curseurs.back(), FLECHE);
}

// Every allocation after the dialog fails in turn: the file buffer's failure
// is reported at the end, the store's stops with a null start and no
// message, any other (the duplicate index) changes nothing.
TEST_F(FavorisTest, ChaqueEchecDAllocation) {
  faux.Ecrire("C:\\Favoris\\a.url", Raccourci("http://a/"));
  int sans_bloc = 0, sans_tampon = 0;
  for (int n = 1; n <= 8; n++) {
    SCOPED_TRACE(n);
    Remplir({{"1", "u1", "", "", ""}}, 1, 0);
    TamponFichierLiberer(sys->memoire, &hugeTampon);
    faux.messages.clear();
    faux.dans_import.push_back([this, n](DialogueImport* d) {
      faux.echec_allocation_dans = n;
      return Utilisateur({ID_FAVORIS_OK})(d);
    });
    uint16_t r = RecupererLiensFavoris(&c);
    faux.echec_allocation_dans = 0;
    if (!c.magasin.lpDebutMem) {
      sans_bloc++;
      EXPECT_EQ(r, 0);
      EXPECT_TRUE(faux.messages.empty());
    } else if (!faux.messages.empty()) {
      sans_tampon++;
      EXPECT_EQ(r, 1);
      EXPECT_EQ(faux.Textes(), std::vector<std::string>{ALLOCATION});
      EXPECT_EQ(Urls(), std::vector<std::string>{"u1"});
    } else {
      EXPECT_EQ(r, 1);
      EXPECT_EQ(Urls(), (std::vector<std::string>{"u1", "http://a/"}));
    }
  }
  EXPECT_EQ(sans_bloc, 1);
  EXPECT_EQ(sans_tampon, 1);
}

}  // namespace
