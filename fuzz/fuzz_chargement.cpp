// Any bytes as a data file: loading must refuse them with one message and
// leave the store as it was, or give a store whose every card walks and
// reads inside the block, forwards and backwards.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "faux_systeme.h"
#include "fichier_donnees.h"
#include "magasin.h"

namespace {

const char MAGIE[] = "LorVanix version1 Fichier CARTES";
Poignee const FENETRE = (Poignee)0x100;
Poignee const FLECHE = (Poignee)0x200;
Poignee const ATTENTE = (Poignee)0x300;

void Exiger(bool condition, const char* quoi) {
  if (condition) return;
  fprintf(stderr, "invariant broken: %s\n", quoi);
  abort();
}

// Reads every text byte, so that the sanitizer sees any overrun.
void LireChamps(uint8_t* fiche) {
  for (int champ = 0; champ < (int)NB_CHAMPS; champ++) {
    uint32_t longueur;
    const char* texte = FicheTexte(fiche, champ, &longueur);
    Exiger(memchr(texte, 0, longueur + 1u) != nullptr, "a text ends with its NUL");
  }
}

bool MemesVariables(const Magasin& a, const Magasin& b) {
  return a.GlobalDebutMem == b.GlobalDebutMem && a.lpDebutMem == b.lpDebutMem &&
         a.lpFinMem == b.lpFinMem && a.lpFicheEcran == b.lpFicheEcran &&
         a.TailleTotaleFiches == b.TailleTotaleFiches && a.longSize == b.longSize &&
         a.NumFiche == b.NumFiche && a.TotalFiches == b.TotalFiches;
}

void Parcourir(const Magasin& m) {
  Exiger(m.lpFinMem >= m.lpDebutMem &&
             m.TailleTotaleFiches == (uint32_t)(m.lpFinMem - m.lpDebutMem),
         "TailleTotaleFiches = lpFinMem - lpDebutMem");
  Exiger(m.longSize >= m.TailleTotaleFiches, "longSize >= TailleTotaleFiches");
  Exiger(m.TotalFiches >= 1 && m.NumFiche == 1 && m.lpFicheEcran == m.lpDebutMem,
         "card 1 of at least one on screen");

  uint8_t* p = m.lpDebutMem;
  for (int32_t n = 0; n < m.TotalFiches; n++) {
    Exiger(p < m.lpFinMem, "each card starts before lpFinMem");
    LireChamps(p);
    uint8_t* suivante = FicheSuivante(p);
    Exiger(suivante > p && suivante <= m.lpFinMem, "the next card is inside the store");
    Exiger(FichePrecedente(suivante) == p, "the previous card of the next is the card");
    p = suivante;
  }
  Exiger(p == m.lpFinMem, "TotalFiches steps forwards reach lpFinMem");

  for (int32_t n = 0; n < m.TotalFiches; n++) {
    Exiger(p > m.lpDebutMem, "the walk back stays after lpDebutMem");
    p = FichePrecedente(p);
  }
  Exiger(p == m.lpDebutMem, "TotalFiches steps backwards reach lpDebutMem");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  // The shared fake, its one data file holding the input.
  static DossierTemporaire dossier;
  static FauxSysteme s(dossier.chemin);
  s.messages.clear();
  s.Ecrire("C:\\essai.lvx", std::string((const char*)donnees, taille));
  const SystemeProgramme* pf = &s.programme;
  static uint8_t tampon[TAILLE_TRANSFERT];

  Magasin m{};
  Exiger(MagasinNouveau(&m, pf->memoire), "a new store");
  const Magasin avant = m;
  uint8_t fiche_vide[TAILLE_FICHE_VIDE];
  memcpy(fiche_vide, m.lpDebutMem, TAILLE_FICHE_VIDE);

  uint16_t charge = DonneesCharger(pf->memoire, pf->fichiers, pf->fenetres, &m, "C:\\essai.lvx",
                                   MAGIE, FLECHE, ATTENTE, tampon, FENETRE);
  Exiger(s.fichiers_ouverts == 0, "the file is closed");
  if (charge) {
    Exiger(s.messages.empty(), "no message on success");
    Parcourir(m);
  } else {
    Exiger(s.messages.size() == 1, "exactly one message on failure");
    Exiger(MemesVariables(m, avant) &&
               memcmp(m.lpDebutMem, fiche_vide, TAILLE_FICHE_VIDE) == 0,
           "a refused file leaves the store as it was");
  }
  MagasinLiberer(&m, pf->memoire);
  Exiger(s.blocs_vivants == 0, "every block released");
  return 0;
}
