// Cards that point at local files, made or changed through "Répertorier...":
// a card named after a page's title, the URL of the card on screen replaced
// by a page's path, and by an extra-web URL from the extra-web dialog.
#include "attentes.h"
#include "fichiers.h"
#include "import_pilote.h"
#include "verif.h"

namespace {

constexpr int CMD_CREER_FICHE_FICHIER = 410;
constexpr int CMD_MODIFIER_URL_FICHIER = 363;
constexpr int CMD_MODIFIER_URL_EXTRA_WEB = 364;

const char* const TITRE_CREER = "Créer une fiche pointant vers le fichier :";
const char* const TITRE_REMPLACER = "Remplacer l'URL en cours par le chemin du fichier :";
const char* const TITRE_EXTRA_WEB = "Remplacer l'URL de la fiche à l'écran par l'extra web :";
const char* const URL_EXISTANTE =
    "Une URL identique au chemin choisi existe déja dans la session en cours. \nSouhaitez vous continuer ?";
const std::string BALISE = "<EXTRAWEB>";

constexpr int ID_APPLICATION = 302, ID_DOCUMENT = 303, ID_OK = 421;

std::string QuestionTitre(const std::string& titre) {
  return "Le titre de la page web correspondante au fichier HTML est :\n\n" + titre +
         "\n\nSouhaitez vous remplacer le nom de site actuel par celui-ci ?";
}

FicheLue Fiche(const std::string& nom, const std::string& url) {
  FicheLue f;
  f.champs[0] = nom;
  f.champs[1] = url;
  return f;
}

// Writes a data file of these cards and starts the program on it.
bool DemarrerSurFiches(Programme& p, const std::string& cas, const std::string& fichier,
                       const std::vector<FicheLue>& fiches) {
  std::string octets = EnteteLvx();
  for (const FicheLue& f : fiches) octets += FicheLvx(f.champs[0], f.champs[1], f.champs[2], f.champs[3], f.champs[4]);
  octets += EntierLvx(static_cast<uint32_t>(fiches.size()));
  if (!Verifier(EcrireFichier(fichier, octets), "fichier de fiches ecrit : " + fichier) ||
      !Verifier(PiloteDemarrer(p, cas, "\"" + fichier + "\""), "demarrage avec " + fichier)) {
    return false;
  }
  VerifierFichierCharge(p, fichier.substr(fichier.find_last_of('\\') + 1), octets);
  return true;
}

// The title is decoded; the empty card of a fresh start is filled, not
// followed by a second one; the same path again asks before adding.
void CreerFiche() {
  const std::string page = PreparerDossier("sources\\repertorier_creer") + "\\ete.html";
  EcrireFichier(page, "<HTML><HEAD><TITLE>Mon &eacute;t&eacute;</TITLE></HEAD><BODY>Vacances</BODY></HTML>\r\n");
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_repertorier_creer", ""), "demarrage")) return;
  const FicheLue ete = Fiche("Mon \xE9t\xE9", page);
  PiloteCommande(p, CMD_CREER_FICHE_FICHIER);
  if (Verifier(PiloteRepondreFichier(p, TITRE_CREER, page), "choix de la page")) {
    VerifierFicheAffichee(p, 1, 1, ete, "la fiche vide prend la page");
  }
  // Already there: "Non" adds nothing.
  PiloteCommande(p, CMD_CREER_FICHE_FICHIER);
  if (Verifier(PiloteRepondreFichier(p, TITRE_CREER, page), "meme page une seconde fois")) {
    VerifierBoite(p, URL_EXISTANTE, Icone::Question, {IDYES, IDNO}, IDNO);
    Sleep(300);
    VerifierFicheAffichee(p, 1, 1, ete, "Non n'ajoute rien");
  }
  // "Oui" adds the duplicate as a new card.
  PiloteCommande(p, CMD_CREER_FICHE_FICHIER);
  if (Verifier(PiloteRepondreFichier(p, TITRE_CREER, page), "meme page une troisieme fois")) {
    VerifierBoite(p, URL_EXISTANTE, Icone::Question, {IDYES, IDNO}, IDYES);
    VerifierFicheAffichee(p, 2, 2, ete, "Oui ajoute la fiche");
  }
  std::vector<FicheLue> fiches;
  const std::string liste = PreparerDossier("donnees\\import_repertorier_creer") + "\\pages.lvx";
  if (EnregistrerEtLire(p, liste, fiches) && VerifierEntier(fiches.size(), 2, "fiches enregistrees")) {
    for (const FicheLue& f : fiches) {
      VerifierTexte(f.champs[0] + "|" + f.champs[1] + "|" + f.champs[2] + f.champs[3] + f.champs[4],
                    ete.champs[0] + "|" + page + "|", "fiche enregistree : titre, chemin, le reste vide");
    }
  }
  PiloteTerminer(p);
}

// "Annuler" at the title question leaves the card as it was; "Oui" takes
// the title and the path, and they reach the store at the next save.
void ModifierUrl() {
  const std::string page = PreparerDossier("sources\\repertorier_modifier") + "\\nouvelle.htm";
  EcrireFichier(page, "<HTML><HEAD><TITLE>Nouvelle page</TITLE></HEAD></HTML>\r\n");
  const std::vector<FicheLue> avant = {Fiche("Ancien nom", "http://ancien.example.org/"),
                                       Fiche("Autre", "http://autre.example.org/")};
  const std::string fichier = PreparerDossier("donnees\\import_repertorier_modifier") + "\\liste.lvx";
  Programme p;
  if (!DemarrerSurFiches(p, "import_repertorier_modifier", fichier, avant)) {
    PiloteTerminer(p);
    return;
  }
  PiloteCommande(p, CMD_MODIFIER_URL_FICHIER);
  if (Verifier(PiloteRepondreFichier(p, TITRE_REMPLACER, page), "choix de la page (Annuler)")) {
    VerifierBoite(p, QuestionTitre("Nouvelle page"), Icone::Question, {IDYES, IDNO, IDCANCEL}, IDCANCEL);
    Sleep(300);
    VerifierFicheAffichee(p, 1, 2, avant[0], "Annuler ne change rien");
  }
  PiloteCommande(p, CMD_MODIFIER_URL_FICHIER);
  if (Verifier(PiloteRepondreFichier(p, TITRE_REMPLACER, page), "choix de la page (Oui)")) {
    VerifierBoite(p, QuestionTitre("Nouvelle page"), Icone::Question, {IDYES, IDNO, IDCANCEL}, IDYES);
    VerifierFicheAffichee(p, 1, 2, Fiche("Nouvelle page", page), "Oui : titre et chemin dans les zones");
  }
  std::vector<FicheLue> fiches;
  const std::string copie = PreparerDossier("donnees\\import_repertorier_modifier_copie") + "\\liste.lvx";
  if (EnregistrerEtLire(p, copie, fiches) && VerifierEntier(fiches.size(), 2, "fiches enregistrees")) {
    VerifierTexte(fiches[0].champs[0] + "|" + fiches[0].champs[1], "Nouvelle page|" + page, "fiche 1 modifiee");
    VerifierTexte(fiches[1].champs[0] + "|" + fiches[1].champs[1], "Autre|http://autre.example.org/",
                  "fiche 2 intacte");
  }
  PiloteTerminer(p);
}

// The dialog splits the card's URL at the blank before the document's
// drive letter, even with a blank in the application's folder; OK puts the
// new URL into the URL zone only.
void ModifierExtraWeb() {
  const std::string donnees = PreparerDossier("donnees\\import_repertorier_extraweb");
  const std::string application = donnees + "\\mes outils\\outil.exe";
  const std::string ancien = donnees + "\\ancien.txt", nouveau = donnees + "\\nouveau.txt";
  if (!Verifier(CreerDossiers(donnees + "\\mes outils") &&
                    CopyFileA((DossierBinaires() + "\\essai_temoin.exe").c_str(), application.c_str(), FALSE) &&
                    EcrireFichier(ancien, "ancien\r\n") && EcrireFichier(nouveau, "nouveau\r\n"),
                "application et documents poses")) {
    return;
  }
  const FicheLue outil = Fiche("Outil", BALISE + application + " " + ancien);
  Programme p;
  if (!DemarrerSurFiches(p, "import_repertorier_extraweb", donnees + "\\liste.lvx", {outil})) {
    PiloteTerminer(p);
    return;
  }
  PiloteCommande(p, CMD_MODIFIER_URL_EXTRA_WEB);
  HWND d = PiloteAttendreDialogue(p, TITRE_EXTRA_WEB);
  if (!Verifier(d != nullptr, "la boite extra web s'ouvre en remplacement")) {
    PiloteTerminer(p);
    return;
  }
  VerifierTexte(PiloteTexteControle(d, ID_APPLICATION) + "|" + PiloteTexteControle(d, ID_DOCUMENT),
                application + "|" + ancien, "URL de la fiche partagee entre 302 et 303");
  EcrireControle(d, ID_DOCUMENT, nouveau);
  PiloteCliquer(d, ID_OK);
  Verifier(PiloteAttendreDisparition(d), "OK ferme la boite extra web");
  VerifierFicheAffichee(p, 1, 1, Fiche("Outil", BALISE + application + " " + nouveau), "nouvelle URL a l'ecran");
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"import_repertorier_creer", CreerFiche},
    {"import_repertorier_modifier", ModifierUrl},
    {"import_repertorier_extraweb", ModifierExtraWeb},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
