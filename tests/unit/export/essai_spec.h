// A fixture for lvxspec: the fake system, a copy of its files record that
// a case may change, a store, the export's and the split's arguments, and
// the user of the export dialog.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "decouper.h"
#include "exporter_fiches.h"
#include "faux_systeme.h"
#include "fichier_donnees.h"
#include "lvxspec_ids.h"
#include "outils_fiches.h"

inline const char MAGIE_SPEC[] = "LorVanix version1 Fichier CARTES";

// Card n of the tests: its name and URL carry n, so each card is unique.
inline Textes FicheSpec(int n, size_t notes = 0) {
  return {"Site " + std::to_string(n), "http://site" + std::to_string(n) + ".example/", "Rubrique",
          "", std::string(notes, 'n')};
}
inline std::string OctetsFiches(const std::vector<int>& numeros, size_t notes = 0,
                                const std::vector<int>& marquees = {}) {
  std::string o;
  for (int n : numeros)
    o += OctetsFiche(FicheSpec(n, notes), std::count(marquees.begin(), marquees.end(), n) ? 1 : 0);
  return o;
}

class EssaiSpec : public ::testing::Test {
 protected:
  DossierTemporaire dossier;
  FauxSysteme faux{dossier.chemin};
  Fichiers fichiers = faux.fichiers;
  SystemeSpec sys{&fichiers, &faux.fenetres, &faux.communs, &faux.dialogues_spec};
  CiblesSpec cibles{};
  Magasin m{};
  std::vector<uint8_t> transfert = std::vector<uint8_t>(TAILLE_TRANSFERT);
  std::vector<char> tampon_recherche = std::vector<char>(10001);
  char expression[10001] = "";
  char nom_fichier[TAILLE_CHEMIN] = "C:\\travail\\courant.lvx";
  uint16_t RechercheNoms = 1;
  Poignee const FENETRE = (Poignee)0x100;
  Poignee const FLECHE = (Poignee)0x101;
  Poignee const ATTENTE = (Poignee)0x102;

  void SetUp() override {
    InstallerFauxSysteme(&faux);
    // The folders the tests' dialogs choose from.
    for (const char* d : {"C:\\cibles", "C:\\d"}) std::filesystem::create_directories(faux.Linux(d));
  }
  void TearDown() override {
    MagasinLiberer(&m, &faux.memoire);
    EXPECT_EQ(faux.blocs_vivants, 0);
    EXPECT_EQ(faux.fichiers_ouverts, 0) << "every file is closed";
  }

  // Cards 1 to n, card ecran on screen, the cards of marquees marked.
  void Remplir(int n, int ecran = 1, std::vector<int> marquees = {}, size_t notes = 0) {
    std::vector<Textes> fiches;
    for (int i = 1; i <= n; i++) fiches.push_back(FicheSpec(i, notes));
    RemplirMagasin(&m, &faux.memoire, fiches);
    m.lpFicheEcran = MagasinFiche(&m, ecran);
    for (int i : marquees) EcrireMot(MagasinFiche(&m, i), 1);
  }
  // The user ticks the box of choix, then presses OK.
  void Choisir(int choix) {
    faux.dans_spec.push_back([choix](DialogueSpec* d) {
      DialogueSpecAppuyer(d, ID_CHOIX_SPEC[choix]);
      return DialogueSpecAppuyer(d, IDC_SAUVESPEC_OK) == SPEC_FERME_OK;
    });
  }
  // The export with this store; its ChargerFichierOk.
  uint16_t Exporter() {
    ExportSpec e{&sys, &cibles, FENETRE, m.lpDebutMem, m.lpFinMem, m.lpFicheEcran, MAGIE_SPEC,
                 nom_fichier,
                 CriteresExport{tampon_recherche.data(), expression, 0, RechercheNoms, 0, 0, 0, 0,
                                0, 0, 0, transfert.data()},
                 (uint32_t)m.TotalFiches, m.TailleTotaleFiches, FLECHE, ATTENTE, "C:\\Lorvanix", 0};
    ExporterFiches(&e);
    return e.ChargerFichierOk;
  }
  uint16_t Decouper() {
    DecoupeSpec d{&sys, &cibles, FENETRE, MAGIE_SPEC, transfert.data(), FLECHE, ATTENTE,
                  nom_fichier, "C:\\Lorvanix"};
    return DecouperFichier(&d);
  }
  // The file holds these bytes; a short report when it does not.
  void AttendreFichier(const char* chemin, const std::string& attendu) {
    std::string lu = faux.Lire(chemin);
    EXPECT_EQ(lu.size(), attendu.size()) << chemin;
    EXPECT_TRUE(lu == attendu) << chemin << " differs";
  }
  // Names of the files left in a folder.
  std::vector<std::string> Contenu(const std::string& dossier_windows) const;
};

// A files record whose writes fail once, short of half their bytes, as
// soon as apres bytes have been written in all: the writes after it work.
struct EchecUnique {
  static inline const Fichiers* original;
  static inline int64_t apres = -1;
  static inline int64_t ecrits = 0;
  static size_t Ecrire(void* ctx, Poignee f, const void* octets, size_t n) {
    if (apres >= 0 && ecrits + (int64_t)n > apres) {
      apres = -1;
      return original->fichier_ecrire(ctx, f, octets, n / 2);
    }
    ecrits += (int64_t)n;
    return original->fichier_ecrire(ctx, f, octets, n);
  }
  static void Armer(Fichiers* copie, const Fichiers* de, int64_t octets) {
    original = de;
    apres = octets;
    ecrits = 0;
    copie->fichier_ecrire = Ecrire;
  }
};
