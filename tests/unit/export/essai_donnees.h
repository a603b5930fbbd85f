// A fixture for lvxspec: the fake system, a copy of its files record that
// a case may change, a store, and the user of the dialogs.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "decouper.h"
#include "exporter_fiches.h"
#include "faux_systeme.h"
#include "fichier_donnees.h"
#include "lvxspec_ids.h"
#include "outils_fiches.h"

// Card n carries n in its name and URL; notes bytes of notes.
Textes FicheSpec(int n, size_t notes = 0);
// Cards numeros back to back, those of marquees marked.
std::string OctetsFiches(const std::vector<int>& numeros, size_t notes = 0,
                         const std::vector<int>& marquees = {});

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
  uint16_t RechercheNoms = 1;
  char nom_fichier[TAILLE_CHEMIN] = "C:\\travail\\courant.lvx";
  Poignee const FENETRE = (Poignee)0x100, FLECHE = (Poignee)0x101, ATTENTE = (Poignee)0x102;

  void SetUp() override;
  void TearDown() override;
  // Cards 1 to n, card ecran on screen, those of marquees marked.
  void Remplir(int n, int ecran = 1, const std::vector<int>& marquees = {});
  // The user ticks choix, presses OK and names chemin; gives ChargerFichierOk.
  uint16_t Exporter(int choix, const char* chemin);
  // The split, the dialogs answered with chemins in turn.
  uint16_t Decouper(const std::deque<std::string>& chemins);
  void AttendreFichier(const char* chemin, const std::string& attendu);
  std::vector<std::string> Contenu(const std::string& dossier_windows) const;
};

// Writes that fail once, short of half their bytes, as soon as apres bytes
// have been written in all; the writes after it work.
struct EchecUnique {
  static inline const Fichiers* original;
  static inline int64_t apres = -1, ecrits = 0;
  static size_t Ecrire(void* ctx, Poignee f, const void* octets, size_t n) {
    bool rate = apres >= 0 && ecrits + (int64_t)n > apres;
    if (rate) apres = -1;
    ecrits += (int64_t)n;
    return original->fichier_ecrire(ctx, f, octets, rate ? n / 2 : n);
  }
  static void Armer(Fichiers* copie, const Fichiers* de, int64_t octets) {
    original = de;
    apres = octets;
    ecrits = 0;
    copie->fichier_ecrire = Ecrire;
  }
};
