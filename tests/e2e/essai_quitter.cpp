// Quitting: nothing asked for unchanged work; the save question and each
// of its three answers for changed work.
#include "attentes.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

const char* const QUESTION = "Souhaitez vous sauvegarder les modifications du travail en cours ?";
// Typed, not set: only typing marks an edit as modified. CP1252 bytes.
const char* const NOM_TAPE = "Musée du Louvre";
const char* const URL_TAPEE = "http://www.louvre.fr/";

void QuitterSansModification() {
  Programme p;
  if (Verifier(PiloteDemarrer(p, "quitter_fermeture", ""), "demarrage")) {
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
  if (Verifier(PiloteDemarrer(p, "quitter_menu", ""), "demarrage")) {
    PiloteCommande(p, CMD_QUITTER);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

bool Taper(const Programme& p, int id, const std::string& texte, const char* champ) {
  return Verifier(PiloteTaper(p.principale, id, texte), std::string("saisie dans ") + champ);
}

bool PoserQuestion(Programme& p, int reponse) {
  return VerifierBoite(p, QUESTION, Icone::Question, {IDYES, IDNO, IDCANCEL}, reponse);
}

void QuitterAnnulerPuisOui() {
  const std::string chemin = PreparerDossier("donnees\\quitter_oui") + "\\sauve.lvx";
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "quitter_oui", ""), "demarrage") ||
      !Taper(p, ID_NOM_DE_SITE, NOM_TAPE, "Nom de site") || !Taper(p, ID_URL, URL_TAPEE, "URL")) {
    PiloteTerminer(p);
    return;
  }

  PiloteFermer(p);
  if (PoserQuestion(p, IDCANCEL)) {
    Verifier(WaitForSingleObject(p.processus, 500) == WAIT_TIMEOUT, "Annuler : le programme continue");
    PiloteSynchroniser(p);
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), NOM_TAPE, "Annuler : Nom de site garde");
    VerifierTexte(PiloteTexteControle(p.principale, ID_URL), URL_TAPEE, "Annuler : URL gardee");
    VerifierTexte(PiloteTitre(p), "Lorvanix 6.1 Sans-Nom", "Annuler : titre");
  }

  PiloteCommande(p, CMD_QUITTER);
  if (PoserQuestion(p, IDYES) &&
      Verifier(PiloteRepondreFichier(p, TITRE_ENREGISTRER_SOUS, chemin), "Oui : enregistrer sous " + chemin)) {
    DWORD code = 1;
    if (Verifier(PiloteAttendreFin(p, DELAI_MS, &code), "Oui : le programme se termine apres l'enregistrement")) {
      VerifierEntier(code, 0, "code de sortie");
    }
    std::string octets;
    const std::string attendu = EnteteLvx() + FicheLvx(NOM_TAPE, URL_TAPEE, "", "", "") + EntierLvx(1);
    if (Verifier(LireFichier(chemin, octets), "fichier enregistre")) {
      VerifierEntier(static_cast<long long>(octets.size()), static_cast<long long>(attendu.size()), "taille");
      VerifierTexte(octets, attendu, "octets du fichier");
    }
  }
  PiloteTerminer(p);
}

void QuitterNon() {
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "quitter_non", ""), "demarrage") ||
      !Taper(p, ID_NOTES, "Note à jeter", "Notes")) {
    PiloteTerminer(p);
    return;
  }
  PiloteFermer(p);
  if (PoserQuestion(p, IDNO)) {
    DWORD code = 1;
    if (Verifier(PiloteAttendreFin(p, DELAI_MS, &code), "Non : le programme se termine")) {
      VerifierEntier(code, 0, "code de sortie");
    }
    // Only the shipped sample is there, as it was.
    const auto lvx = ListerFichiers(p.dossier, "*.lvx");
    std::string avant, apres;
    LireFichier(DossierBinaires() + "\\exemple.lvx", avant);
    LireFichier(p.dossier + "\\exemple.lvx", apres);
    Verifier(lvx.size() == 1 && lvx[0] == "exemple.lvx" && avant == apres,
             "Non : aucun fichier de fiches ecrit dans le dossier du programme");
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"quitter_sans_modification", QuitterSansModification},
    {"quitter_annuler_puis_oui", QuitterAnnulerPuisOui},
    {"quitter_non", QuitterNon},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
