#include "essai_import.h"

#include <cstring>

#include "options_import.h"
#include "tampon_fichier.h"

void EssaiImport::SetUp() {
  InstallerFauxSysteme(&faux);
  optionsImport = OPTIONS_IMPORT_DEFAUT;
  etatImport = EtatImport{};
  etatImport.RepertoireLorvanix = "C:\\Lorvanix";
  c = CommandeImport{};
  c.sys = sys;
  c.transfert = transfert.data();
  c.fenetre = FENETRE;
  c.fleche = FLECHE;
  c.attente = ATTENTE;
  c.chemin = chemin;
  ASSERT_EQ(MagasinNouveau(&c.magasin, sys->memoire), 1);
}

void EssaiImport::TearDown() {
  if (c.magasin.GlobalDebutMem) MagasinLiberer(&c.magasin, sys->memoire);
  TamponFichierLiberer(sys->memoire, &hugeTampon);
  EXPECT_EQ(faux.blocs_vivants, 0);
}

void EssaiImport::Remplir(const std::vector<Textes>& fiches, int32_t numero, uint32_t marge) {
  MagasinLiberer(&c.magasin, sys->memoire);
  RemplirMagasin(&c.magasin, sys->memoire, fiches, marge);
  c.magasin.NumFiche = numero;
  c.magasin.lpFicheEcran = MagasinFiche(&c.magasin, numero);
}

std::vector<Textes> EssaiImport::Fiches() const {
  std::vector<Textes> f;
  for (uint8_t* p = c.magasin.lpDebutMem; p && p != c.magasin.lpFinMem; p = FicheSuivante(p))
    f.push_back(TextesFiche(p));
  return f;
}

std::vector<std::string> EssaiImport::Urls() const {
  std::vector<std::string> u;
  for (const Textes& t : Fiches()) u.push_back(t[1]);
  return u;
}

std::function<int(DialogueImport*)> EssaiImport::Utilisateur(std::vector<unsigned> ids,
                                                             std::vector<std::string> textes) {
  return [ids, textes](DialogueImport* d) {
    for (size_t i = 0; i < textes.size(); i++)
      snprintf(d->textes[i], TAILLE_TEXTE_DIALOGUE, "%s", textes[i].c_str());
    for (unsigned id : ids) {
      SuiteDialogue s = DialogueImportAppuyer(d, id);
      if (s != DIALOGUE_RESTE) return s == DIALOGUE_FERME_OK ? 1 : 0;
    }
    return 0;
  };
}

void EssaiImport::AccepterOptions(ModeleImport modele) {
  faux.dans_import.push_back(Utilisateur({DialogueImportDescription(modele)->ok}));
}

void EssaiImport::ChoisirDossier(const std::string& dossier_windows) {
  faux.dans_dossiers.push_back([dossier_windows](DialogueDossier* d) {
    snprintf(d->dossier, sizeof d->dossier, "%s", dossier_windows.c_str());
    return 1;
  });
}
