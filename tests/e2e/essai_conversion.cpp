// The bulk conversion from the Gestion menu, driven as a user would: a
// replace across the marked cards changes them, leaves alone the card
// whose site name is too long and says so once; the dialog shows the
// choices again at the next command.
#include "attentes.h"
#include "fichiers.h"
#include "import_pilote.h"
#include "store/lvxgest_ids.h"
#include "verif.h"

namespace {

constexpr int CMD_CONVERTIR_REMPLACER = 544;

const char* const TITRE_REMPLACER = "Convertir : Remplacer...par...";
const char* const DEPASSEMENT =
    "Certaines fiches n'ont pas été traitées car au moins un champ comportait trop de caractères.";

std::string FicheMarquee(const std::string& nom, const std::string& notes) {
  std::string carte = FicheLvx(nom, "http://" + nom.substr(0, 8) + ".example.org/", "", "", notes);
  carte[0] = 1;
  return carte;
}

void RemplacerDansLesMarquees() {
  const std::string dossier = PreparerDossier("donnees\\conversion_remplacer_marquees");
  const std::string fichier = dossier + "\\conversion.lvx", enregistre = dossier + "\\apres.lvx";
  const std::string trop_long(65001, 'w');
  // Card 3 is marked too, but its site name has more than 65,000 characters.
  const std::string octets = EnteteLvx() + FicheMarquee("un", "le web") +
                             FicheLvx("deux", "http://deux.example.org/", "", "", "web") +
                             FicheMarquee(trop_long, "web") + FicheMarquee("quatre", "web et web") +
                             EntierLvx(4);
  Programme p;
  if (!Verifier(EcrireFichier(fichier, octets), "fichier ecrit") ||
      !Verifier(PiloteDemarrer(p, "conversion_remplacer_marquees", "\"" + fichier + "\""), "demarrage")) {
    return;
  }
  VerifierFichierCharge(p, "conversion.lvx", octets);

  PiloteCommande(p, CMD_CONVERTIR_REMPLACER);
  HWND d = PiloteAttendreDialogue(p, TITRE_REMPLACER);
  if (!Verifier(d != nullptr, "la boite Remplacer s'ouvre")) {
    PiloteTerminer(p);
    return;
  }
  // At start-up: the card on screen, the Notes field, nothing else.
  VerifierTexte(Coches(d, {IDC_CONVERTIR_TOUTES, IDC_CONVERTIR_ECRAN, IDC_CONVERTIR_RECHERCHE,
                           IDC_CONVERTIR_MARQUEES, IDC_CONVERTIR_NOM, IDC_CONVERTIR_URL,
                           IDC_CONVERTIR_RUBRIQUE, IDC_CONVERTIR_MOTS_CLES, IDC_CONVERTIR_NOTES,
                           IDC_CONVERTIR_APPLICATION, IDC_CONVERTIR_DOCUMENT, IDC_CONVERTIR_CASSE}),
                "010000001000", "cases au depart");
  Verifier(!IsWindowEnabled(GetDlgItem(d, IDC_CONVERTIR_APPLICATION)),
           "chemin de l'application grise sans le champ URL");
  CliquerAttendre(d, IDC_CONVERTIR_MARQUEES);
  EcrireControle(d, IDC_CONVERTIR_TEXTE, "WEB");
  EcrireControle(d, IDC_CONVERTIR_PAR, "toile");
  PiloteCliquer(d, IDC_CONVERTIR_OK);
  const HWND principale = p.principale;
  VerifierBoite(p, DEPASSEMENT, Icone::Erreur, {IDOK}, IDOK, &principale);
  PiloteAttendre([&] { return PiloteTexteControle(principale, ID_NOTES) == "le toile"; });
  VerifierTexte(PiloteTexteControle(principale, ID_NOTES), "le toile", "notes de la fiche a l'ecran");

  std::vector<FicheLue> fiches;
  if (EnregistrerEtLire(p, enregistre, fiches) && VerifierEntier(fiches.size(), 4, "quatre fiches")) {
    const char* attendues[] = {"le toile", "web", "web", "toile et toile"};
    for (size_t i = 0; i < 4; i++)
      VerifierTexte(fiches[i].champs[4], attendues[i], "notes de la fiche " + std::to_string(i + 1));
    VerifierEntier(fiches[2].champs[0].size(), 65001, "le nom trop long reste entier");
    VerifierEntier(fiches[0].marque + fiches[2].marque + fiches[3].marque, 3, "les marques restent");
  }

  // The choices and texts are there again for the next command; Annuler.
  PiloteCommande(p, CMD_CONVERTIR_REMPLACER);
  d = PiloteAttendreDialogue(p, TITRE_REMPLACER);
  if (Verifier(d != nullptr, "la boite Remplacer s'ouvre une deuxieme fois")) {
    VerifierTexte(Coches(d, {IDC_CONVERTIR_ECRAN, IDC_CONVERTIR_MARQUEES}), "01", "fiches marquees gardees");
    VerifierTexte(PiloteTexteControle(d, IDC_CONVERTIR_TEXTE), "WEB", "texte a rechercher garde");
    VerifierTexte(PiloteTexteControle(d, IDC_CONVERTIR_PAR), "toile", "remplacement garde");
    PiloteCliquer(d, IDC_CONVERTIR_ANNULER);
    Verifier(PiloteAttendreDisparition(d), "Annuler ferme la boite");
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"conversion_remplacer_marquees", RemplacerDansLesMarquees},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
