#include "essai_donnees.h"

#include <algorithm>
#include <filesystem>

Textes FicheSpec(int n, size_t notes) {
  return {"Site " + std::to_string(n), "http://site" + std::to_string(n) + ".example/", "Rubrique",
          "", std::string(notes, 'n')};
}

std::string OctetsFiches(const std::vector<int>& numeros, size_t notes,
                         const std::vector<int>& marquees) {
  std::string o;
  for (int n : numeros)
    o += OctetsFiche(FicheSpec(n, notes), std::count(marquees.begin(), marquees.end(), n) ? 1 : 0);
  return o;
}

void EssaiSpec::SetUp() {
  InstallerFauxSysteme(&faux);
  // The folders the tests' dialogs choose from.
  for (const char* d : {"C:\\cibles", "C:\\d"}) std::filesystem::create_directories(faux.Linux(d));
}

void EssaiSpec::TearDown() {
  MagasinLiberer(&m, &faux.memoire);
  EXPECT_EQ(faux.blocs_vivants, 0);
  EXPECT_EQ(faux.fichiers_ouverts, 0) << "every file is closed";
}

void EssaiSpec::Remplir(int n, int ecran, const std::vector<int>& marquees) {
  std::vector<Textes> fiches;
  for (int i = 1; i <= n; i++) fiches.push_back(FicheSpec(i));
  RemplirMagasin(&m, &faux.memoire, fiches);
  m.lpFicheEcran = MagasinFiche(&m, ecran);
  for (int i : marquees) EcrireMot(MagasinFiche(&m, i), 1);
}

uint16_t EssaiSpec::Exporter(int choix, const char* chemin) {
  faux.dans_spec.push_back([choix](DialogueSpec* d) {
    DialogueSpecAppuyer(d, ID_CHOIX_SPEC[choix]);
    return DialogueSpecAppuyer(d, IDC_SAUVESPEC_OK) == SPEC_FERME_OK;
  });
  faux.choix_fichiers = {chemin};
  ExportSpec e{&sys, &cibles, FENETRE, m.lpDebutMem, m.lpFinMem, m.lpFicheEcran,
               "LorVanix version1 Fichier CARTES", nom_fichier,
               CriteresExport{tampon_recherche.data(), expression, 0, RechercheNoms, 0, 0, 0, 0, 0,
                              0, 0, transfert.data()},
               (uint32_t)m.TotalFiches, m.TailleTotaleFiches, FLECHE, ATTENTE, "C:\\Lorvanix", 0};
  ExporterFiches(&e);
  return e.ChargerFichierOk;
}

uint16_t EssaiSpec::Decouper(const std::deque<std::string>& chemins) {
  faux.choix_fichiers = chemins;
  DecoupeSpec d{&sys, &cibles, FENETRE, "LorVanix version1 Fichier CARTES", transfert.data(),
                FLECHE, ATTENTE, nom_fichier, "C:\\Lorvanix"};
  return DecouperFichier(&d);
}

void EssaiSpec::AttendreFichier(const char* chemin, const std::string& attendu) {
  std::string lu = faux.Lire(chemin);
  EXPECT_EQ(lu.size(), attendu.size()) << chemin;
  EXPECT_TRUE(lu == attendu) << chemin << " differs";  // no dump of large files
}

std::vector<std::string> EssaiSpec::Contenu(const std::string& dossier_windows) const {
  std::vector<std::string> noms;
  std::error_code erreur;
  for (const auto& x : std::filesystem::directory_iterator(faux.Linux(dossier_windows), erreur))
    noms.push_back(x.path().filename().string());
  std::sort(noms.begin(), noms.end());
  return noms;
}
