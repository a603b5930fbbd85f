// Saving: an untouched new work, a loaded file saved over itself (menu and
// toolbar) and under a new name, each compared byte for byte.
#include "attentes.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

// The save ends after the dialog closes: poll until the bytes are there.
void VerifierFichierEcrit(const std::string& chemin, const std::string& attendu) {
  std::string octets;
  PiloteAttendre([&] { return LireFichier(chemin, octets) && octets == attendu; });
  if (Verifier(FichierExiste(chemin), "fichier ecrit : " + chemin)) {
    VerifierEntier(static_cast<long long>(octets.size()), static_cast<long long>(attendu.size()), "taille");
    VerifierTexte(octets, attendu, "octets du fichier");
  }
}

void EnregistrerVierge() {
  const std::string chemin = PreparerDossier("donnees\\enregistrer_vierge") + "\\vierge.lvx";
  Programme p;
  if (Verifier(PiloteDemarrer(p, "enregistrer_vierge", ""), "demarrage")) {
    // No file name yet: "Enregistrer" asks for one first.
    PiloteCommande(p, CMD_ENREGISTRER);
    if (Verifier(PiloteRepondreFichier(p, TITRE_ENREGISTRER_SOUS, chemin), "\"Enregistrer sous :\" repond")) {
      VerifierFichierEcrit(chemin, EnteteLvx() + FicheLvx("", "", "", "", "") + EntierLvx(1));
    }
  }
  PiloteTerminer(p);
}

// Loads a copy of the sample whose header bytes 33 to 39 are not zero:
// loading ignores them, saving writes them as zeros.
bool ChargerExempleGarni(Programme& p, const char* cas, const std::string& chemin, std::string& attendu) {
  std::string octets;
  if (!CopierExemple(chemin, octets) || octets.size() < 44) return false;
  attendu = octets;
  attendu.replace(33, 7, 7, '\0');
  std::string garni = octets;
  garni.replace(33, 7, "garnis!");
  if (!Verifier(EcrireFichier(chemin, garni), "octets 33 a 39 de l'en-tete garnis") ||
      !Verifier(PiloteDemarrer(p, cas, "\"" + chemin + "\""), "demarrage avec " + chemin)) {
    return false;
  }
  VerifierFichierCharge(p, "liste.lvx", garni);
  return true;
}

void EnregistrerPar(const char* cas, int commande) {
  const std::string chemin = PreparerDossier(std::string("donnees\\") + cas) + "\\liste.lvx";
  std::string attendu;
  Programme p;
  if (ChargerExempleGarni(p, cas, chemin, attendu)) {
    PiloteCommande(p, commande);
    VerifierFichierEcrit(chemin, attendu);
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

void EnregistrerMenu() {
  EnregistrerPar("enregistrer_menu", CMD_ENREGISTRER);
}

void EnregistrerBouton() {
  EnregistrerPar("enregistrer_bouton", CMD_BOUTON_ENREGISTRER);
}

void EnregistrerSous() {
  const std::string dossier = PreparerDossier("donnees\\enregistrer_sous");
  const std::string chemin = dossier + "\\liste.lvx";
  const std::string copie = dossier + "\\copie.lvx";
  std::string attendu;
  Programme p;
  if (ChargerExempleGarni(p, "enregistrer_sous", chemin, attendu)) {
    std::string avant;
    LireFichier(chemin, avant);
    PiloteCommande(p, CMD_ENREGISTRER_SOUS);
    if (Verifier(PiloteRepondreFichier(p, TITRE_ENREGISTRER_SOUS, copie), "\"Enregistrer sous :\" repond")) {
      VerifierFichierEcrit(copie, attendu);
      std::string apres;
      Verifier(LireFichier(chemin, apres) && apres == avant, "le fichier d'origine est intact");
    }
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"enregistrer_vierge", EnregistrerVierge},
    {"enregistrer_menu", EnregistrerMenu},
    {"enregistrer_bouton", EnregistrerBouton},
    {"enregistrer_sous", EnregistrerSous},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
