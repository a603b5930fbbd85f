// The exports of the File menu driven as a user would: a links page with
// the card offered for it (the page is then opened in a real browser, see
// tools/page_navigateur.sh), the marked cards to a new data file opened at
// once, a data file cut in two, both halves loaded, and the refusals of the
// other dialogs.
#include "attentes.h"
#include "fichiers.h"
#include "import_pilote.h"
#include "verif.h"

namespace {

constexpr int CMD_DECOUPER = 356;
constexpr int CMD_EXPORTER_FICHES = 323;
constexpr int CMD_EXPORTER_PAGE_LIENS = 380;
constexpr int CMD_EXPORTER_LISTE_EMAIL = 341;
constexpr int CMD_EXPORTER_TEXTE = 573;

constexpr int ID_LIENS_TITRE = 381, ID_LIENS_OK = 472;
constexpr int ID_SPEC_MARQUEES = 624, ID_SPEC_OK = 499, ID_SPEC_ANNULER = 500;
constexpr int ID_MAILING_RECHERCHE = 482, ID_MAILING_SEPARATEUR = 485, ID_MAILING_OK = 486;
constexpr int ID_TEXTE_OK = 781, ID_TEXTE_ANNULER = 782, ID_TEXTE_NOM = 783, ID_TEXTE_NOTES = 787;

const char* const TITRE_LIENS = "Générer une page de liens HTML :";
const char* const TITRE_LIENS_SOUS = "Générer la page de liens HTML sous...";
const char* const TITRE_SPEC = "Exporter des fiches :";
const char* const TITRE_MARQUEES_SOUS = "Enregistrer les fiches marquées :";
const char* const TITRE_A_DECOUPER = "Fichier Lorvanix à découper en deux parties égales :";
const char* const TITRE_DEUXIEME = "Deuxième partie du fichier Lorvanix :";

FicheLue Fiche(const std::string& nom, const std::string& url) {
  FicheLue f;
  f.champs[0] = nom;
  f.champs[1] = url;
  return f;
}

// The page of the sample's links, then the card offered for it. The link
// texts and the note lines expected go beside the page, one per line in
// UTF-8, for the browser check that follows this case.
void PageLiens() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "export_page_liens", fiches)) return;
  const std::string dossier = PreparerDossier("exportation");
  const std::string page = dossier + "\\liens.htm";
  const std::string titre = "Mes liens pr\xE9" "f\xE9r\xE9s & co";
  PiloteCommande(p, CMD_EXPORTER_PAGE_LIENS);
  HWND d = PiloteAttendreDialogue(p, TITRE_LIENS);
  if (!Verifier(d != nullptr, "la boite de la page de liens s'ouvre")) {
    PiloteTerminer(p);
    return;
  }
  EcrireControle(d, ID_LIENS_TITRE, titre);
  PiloteCliquer(d, ID_LIENS_OK);
  if (!Verifier(PiloteRepondreFichier(p, TITRE_LIENS_SOUS, page), "nom de la page")) {
    PiloteTerminer(p);
    return;
  }
  const HWND principale = p.principale;
  VerifierBoite(p, "Souhaitez vous créer une fiche pointant vers cette page de liens ?", Icone::Question,
                {IDYES, IDNO}, IDYES, &principale);
  const uint32_t total = static_cast<uint32_t>(fiches.size());
  VerifierFicheAffichee(p, 2, total + 1, Fiche(titre, page), "la fiche de la page suit la fiche 1");

  std::string octets;
  if (Verifier(LireFichier(page, octets), "la page est ecrite")) {
    VerifierTexte(octets.substr(0, 16), "<HTML>\r\n\r\n<HEAD>", "debut de la page");
    VerifierTexte(octets.substr(octets.size() - 18), "</BODY>\r\n\r\n</HTML>", "fin de la page, sans fin de ligne");
  }
  // Each line of the notes below its link: carriage returns dropped, line
  // feeds breaking the line.
  std::string attendus, notes;
  for (const FicheLue& f : fiches) {
    if (f.champs[1].empty() || f.champs[1].rfind("<EXTRAWEB>", 0) == 0) continue;
    attendus += Utf8(f.champs[0].empty() ? f.champs[1] : f.champs[0]) + "\n";
    std::string ligne;
    for (char c : f.champs[4] + "\n") {
      if (c == '\r') continue;
      if (c != '\n') {
        ligne += c;
      } else if (!ligne.empty()) {
        notes += Utf8(ligne) + "\n";
        ligne.clear();
      }
    }
  }
  EcrireFichier(dossier + "\\liens_attendus.txt", attendus);
  EcrireFichier(dossier + "\\notes_attendues.txt", notes);
  EcrireFichier(dossier + "\\titre_attendu.txt", Utf8(titre) + "\n");
  PiloteTerminer(p);
}

// The marked cards of the sample to a new file, opened at once.
void FichesMarquees() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "export_fiches_marquees", fiches)) return;
  const std::string cible = PreparerDossier("donnees\\export_fiches_marquees_cible") + "\\marquees.lvx";
  PiloteCommande(p, CMD_EXPORTER_FICHES);
  HWND d = PiloteAttendreDialogue(p, TITRE_SPEC);
  if (!Verifier(d != nullptr, "la boite d'export des fiches s'ouvre")) {
    PiloteTerminer(p);
    return;
  }
  CliquerAttendre(d, ID_SPEC_MARQUEES);
  PiloteCliquer(d, ID_SPEC_OK);
  if (!Verifier(PiloteRepondreFichier(p, TITRE_MARQUEES_SOUS, cible), "nom du nouveau fichier")) {
    PiloteTerminer(p);
    return;
  }
  const HWND principale = p.principale;
  VerifierBoite(p, "Souhaitez vous ouvrir le fichier cible ?", Icone::Question, {IDYES, IDNO}, IDYES, &principale);
  std::vector<FicheLue> marquees;
  for (const FicheLue& f : fiches)
    if (f.marque) marquees.push_back(f);
  std::string octets;
  std::vector<FicheLue> ecrites;
  if (Verifier(LireFichier(cible, octets) && LireFichesLvx(octets, ecrites), "le nouveau fichier se relit") &&
      VerifierEntier(ecrites.size(), marquees.size(), "fiches marquees ecrites")) {
    for (size_t i = 0; i < ecrites.size(); i++)
      VerifierTexte(ecrites[i].champs[0], marquees[i].champs[0], "fiche marquee " + std::to_string(i + 1));
    VerifierFichierCharge(p, "marquees.lvx", octets);
  }
  PiloteTerminer(p);
}

std::string FichierDeFiches(int premiere, int nombre) {
  std::string octets = EnteteLvx();
  for (int i = premiere; i < premiere + nombre; i++)
    octets += FicheLvx("Site " + std::to_string(i), "http://www" + std::to_string(i) + ".example.org/", "", "", "");
  return octets + EntierLvx(static_cast<uint32_t>(nombre));
}

// The Open dialog on `chemin`: the file is loaded with `octets`.
void Charger(Programme& p, const std::string& chemin, const std::string& octets) {
  PiloteCommande(p, CMD_OUVRIR);
  if (Verifier(PiloteRepondreFichier(p, TITRE_OUVRIR, chemin), "ouverture de " + chemin))
    VerifierFichierCharge(p, chemin.substr(chemin.find_last_of('\\') + 1), octets);
}

// Five cards cut into 2 and 3; the second part named as the first is
// refused and asked again.
void Decouper() {
  const std::string dossier = PreparerDossier("donnees\\export_decouper");
  const std::string source = dossier + "\\cinq.lvx", seconde = dossier + "\\suite.lvx";
  EcrireFichier(source, FichierDeFiches(1, 5));
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "export_decouper", ""), "demarrage")) return;
  PiloteCommande(p, CMD_DECOUPER);
  if (!Verifier(PiloteRepondreFichier(p, TITRE_A_DECOUPER, source), "fichier a decouper") ||
      !Verifier(PiloteRepondreFichier(p, TITRE_DEUXIEME, source, true), "meme nom pour la deuxieme partie")) {
    PiloteTerminer(p);
    return;
  }
  const HWND principale = p.principale;
  VerifierBoite(p,
                "Les deux parties doivent correspondre à des noms ou chemins de fichiers différents.\n\n"
                "Choisissez un autre fichier pour la deuxième partie du découpage",
                Icone::Erreur, {IDOK}, IDOK, &principale);
  if (!Verifier(PiloteRepondreFichier(p, TITRE_DEUXIEME, seconde), "deuxieme partie demandee a nouveau")) {
    PiloteTerminer(p);
    return;
  }
  const std::string premiere_attendue = FichierDeFiches(1, 2), seconde_attendue = FichierDeFiches(3, 3);
  std::string octets;
  PiloteAttendre([&] { return LireFichier(seconde, octets) && octets == seconde_attendue; });
  PiloteSynchroniser(p);
  Verifier(LireFichier(source, octets) && octets == premiere_attendue, "la source garde les fiches 1 et 2");
  Verifier(LireFichier(seconde, octets) && octets == seconde_attendue, "la deuxieme partie a les fiches 3 a 5");
  Charger(p, source, premiere_attendue);
  Charger(p, seconde, seconde_attendue);
  PiloteTerminer(p);
}

// The other dialogs as a user meets them, and their refusals: criteria
// that cannot select anything, no field to write, no choice made.
void Dialogues() {
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "export_dialogues", ""), "demarrage")) return;
  PiloteCommande(p, CMD_EXPORTER_LISTE_EMAIL);
  HWND d = PiloteAttendreDialogue(p, "Générer une mailing liste HTML :");
  if (Verifier(d != nullptr, "la boite de la mailing liste s'ouvre")) {
    VerifierTexte(PiloteTexteControle(d, ID_MAILING_SEPARATEUR), "; ", "separateur de depart");
    CliquerAttendre(d, ID_MAILING_RECHERCHE);
    PiloteCliquer(d, ID_MAILING_OK);
    VerifierBoite(p, "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.",
                  Icone::Exclamation, {IDOK}, IDOK);
    Verifier(PiloteChercherDialogue(p, "Générer la mailing liste HTML sous...") == nullptr,
             "pas de choix de fichier sans critere");
  }
  PiloteCommande(p, CMD_EXPORTER_TEXTE);
  d = PiloteAttendreDialogue(p, "Exporter vers un fichier texte :");
  if (Verifier(d != nullptr, "la boite du fichier texte s'ouvre")) {
    for (int id = ID_TEXTE_NOM; id <= ID_TEXTE_NOTES; id++) CliquerAttendre(d, id);
    PiloteCliquer(d, ID_TEXTE_OK);
    VerifierBoite(p, "Vous devez sélectionner au moins un champ !", Icone::Exclamation, {IDOK}, IDOK);
    Verifier(IsWindowVisible(d) != 0, "la boite du fichier texte reste ouverte");
    PiloteCliquer(d, ID_TEXTE_ANNULER);
    Verifier(PiloteAttendreDisparition(d), "Annuler ferme la boite du fichier texte");
  }
  PiloteCommande(p, CMD_EXPORTER_FICHES);
  d = PiloteAttendreDialogue(p, TITRE_SPEC);
  if (Verifier(d != nullptr, "la boite d'export des fiches s'ouvre")) {
    PiloteCliquer(d, ID_SPEC_OK);
    VerifierBoite(p, "Vous devez sélectionner une option !", Icone::Exclamation, {IDOK}, IDOK);
    PiloteCliquer(d, ID_SPEC_ANNULER);
    Verifier(PiloteAttendreDisparition(d), "Annuler ferme la boite d'export");
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"export_page_liens", PageLiens},
    {"export_fiches_marquees", FichesMarquees},
    {"export_decouper", Decouper},
    {"export_dialogues", Dialogues},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
