// Opening a data file through the "Ouvrir :" dialog, from the menu and
// from the toolbar button.
#include "attentes.h"
#include "fichiers.h"
#include "verif.h"

namespace {

void OuvrirPar(const char* cas, int commande, const char* nom) {
  const std::string chemin = PreparerDossier(std::string("donnees\\") + cas) + "\\" + nom;
  std::string octets;
  if (!CopierExemple(chemin, octets)) return;
  Programme p;
  if (Verifier(PiloteDemarrer(p, cas, ""), "demarrage")) {
    PiloteCommande(p, commande);
    if (Verifier(PiloteRepondreFichier(p, TITRE_OUVRIR, chemin), "\"Ouvrir :\" repond " + chemin)) {
      VerifierFichierCharge(p, nom, octets);
    }
  }
  PiloteTerminer(p);
}

void OuvrirMenu() {
  OuvrirPar("ouvrir_menu", CMD_OUVRIR, "liste.lvx");
}

void OuvrirBouton() {
  OuvrirPar("ouvrir_bouton", CMD_BOUTON_OUVRIR, "favoris.lvx");
}

const Cas cas[] = {
    {"ouvrir_menu", OuvrirMenu},
    {"ouvrir_bouton", OuvrirBouton},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
