// Extra-web cards made by the import library through the main program's
// menu: one card named in the extra-web dialog, and one card for every
// file under a folder, each with the program the system opens it with.
#include "attentes.h"
#include "fichiers.h"
#include "import_pilote.h"
#include "verif.h"

namespace {

constexpr int CMD_CREER_EXTRA_WEB = 411;
constexpr int CMD_EXTRA_WEB_DOSSIER = 409;

const char* const TITRE_CREER = "Créer une fiche extra web :";
const char* const TITRE_DOCUMENT = "Fichier à charger par l'application :";
const char* const TITRE_DOSSIER = "Créer les fiches extra web pour les fichiers *.* du dossier :";
const std::string BALISE = "<EXTRAWEB>";

constexpr int ID_APPLICATION = 302, ID_DOCUMENT = 303, ID_PARCOURIR_APPLICATION = 304,
              ID_PARCOURIR_DOCUMENT = 305, ID_OK = 421, ID_ANNULER = 474;
constexpr int ID_SOUS_DOSSIERS = 488, ID_NOUVEAUX = 527, ID_PANNEAU_OK = 528, ID_PANNEAU_ANNULER = 529;

// The programs that Wine associates with these documents.
const std::string WORDPAD = "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe";
const std::string NOTEPAD = "C:\\windows\\system32\\notepad.exe";

// In the folder: Lettre.rtf (WordPad), Outil.exe (itself), Inconnu.zzq (no
// program); in its sub-folder: Note.ini (Notepad).
std::string PreparerDocuments() {
  const std::string dossier = PreparerDossier("sources\\Documents");
  EcrireFichier(dossier + "\\Lettre.rtf", "{\\rtf1 Bonjour.}\r\n");
  CopyFileA((DossierBinaires() + "\\essai_temoin.exe").c_str(), (dossier + "\\Outil.exe").c_str(), FALSE);
  EcrireFichier(dossier + "\\Inconnu.zzq", "?\r\n");
  CreerDossiers(dossier + "\\Rangement");
  EcrireFichier(dossier + "\\Rangement\\Note.ini", "[Note]\r\n");
  return dossier;
}

void Dialogue() {
  const std::string dossier = PreparerDocuments();
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_extraweb_dialogue", ""), "demarrage")) return;
  PiloteCommande(p, CMD_CREER_EXTRA_WEB);
  HWND d = PiloteAttendreDialogue(p, TITRE_CREER);
  if (!Verifier(d != nullptr, "\"Cr\xE9" "er une fiche extra web :\" s'ouvre")) {
    PiloteTerminer(p);
    return;
  }
  VerifierTexte(PiloteTexteControle(d, ID_PARCOURIR_APPLICATION) + "|" + PiloteTexteControle(d, ID_PARCOURIR_DOCUMENT) +
                    "|" + PiloteTexteControle(d, ID_OK) + "|" + PiloteTexteControle(d, ID_ANNULER),
                "&Parcourir...|Pa&rcourir...|&OK|&Annuler", "boutons");
  VerifierTexte(PiloteTexteControle(d, ID_APPLICATION) + PiloteTexteControle(d, ID_DOCUMENT), "",
                "les deux zones sont vides");
  // Nothing given: refused, the dialog stays.
  PiloteCliquer(d, ID_OK);
  VerifierBoite(p, "Vous n'avez rien spécifié !", Icone::Exclamation, {IDOK}, IDOK, &d);
  Verifier(IsWindowVisible(d) != 0, "la boite extra web reste ouverte");
  // A document alone: the program Windows would use is looked for.
  const std::string lettre = dossier + "\\Lettre.rtf";
  PiloteCliquer(d, ID_PARCOURIR_DOCUMENT);
  if (Verifier(PiloteRepondreFichier(p, TITRE_DOCUMENT, lettre), "Parcourir : choix du document")) {
    PiloteAttendre([&] { return PiloteTexteControle(d, ID_DOCUMENT) == lettre; });
    VerifierTexte(PiloteTexteControle(d, ID_DOCUMENT), lettre, "le document choisi est dans sa zone");
  }
  PiloteCliquer(d, ID_OK);
  VerifierBoite(p,
                "Vous n'avez pas spécifié d'application !\nSouhaitez vous que Lorvanix 6.1 recherche l'application "
                "que Windows utiliserait pour ouvrir le fichier ?",
                Icone::Exclamation, {IDYES, IDNO}, IDYES, &d);
  PiloteAttendre([&] { return !PiloteTexteControle(d, ID_APPLICATION).empty(); });
  const std::string application = PiloteTexteControle(d, ID_APPLICATION);
  VerifierTexte(application, WORDPAD, "l'application associee au document est proposee");
  PiloteCliquer(d, ID_OK);
  Verifier(PiloteAttendreDisparition(d), "OK ferme la boite extra web");
  // The new card takes the place of the empty one.
  VerifierCompteurs(p, 1, 1, "une fiche extra web");
  VerifierTexte(PiloteTexteControle(p.principale, ID_URL), BALISE + application + " " + lettre, "URL de la fiche");
  VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), "", "pas de nom de site");
  PiloteTerminer(p);
}

std::string CochesPanneau(HWND panneau) { return Coches(panneau, {ID_SOUS_DOSSIERS, ID_NOUVEAUX}); }

// The panel's two options, their clicks, then the button of the case.
void PanneauParDefaut(HWND panneau) {
  VerifierTexte(PiloteTexteControle(panneau, ID_SOUS_DOSSIERS) + "|" + PiloteTexteControle(panneau, ID_NOUVEAUX),
                "Inclure les sous-dossiers|Uniquement les nouveaux fichiers", "options du panneau");
  VerifierTexte(CochesPanneau(panneau), "11", "les deux options cochees");
  CliquerAttendre(panneau, ID_SOUS_DOSSIERS);
  VerifierTexte(CochesPanneau(panneau), "01", "488 se decoche");
  CliquerAttendre(panneau, ID_SOUS_DOSSIERS);
  VerifierTexte(CochesPanneau(panneau), "11", "488 se recoche");
}

void SansSousDossiers(HWND panneau) {
  CliquerAttendre(panneau, ID_SOUS_DOSSIERS);
  VerifierTexte(CochesPanneau(panneau), "01", "488 decochee avant Annuler");
}

void Restaurees(HWND panneau) { VerifierTexte(CochesPanneau(panneau), "11", "Annuler a remis les options"); }

void Dossier() {
  const std::string dossier = PreparerDocuments();
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_extraweb_dossier", ""), "demarrage")) return;
  PiloteCommande(p, CMD_EXTRA_WEB_DOSSIER);
  PiloteRepondreDossier(p, TITRE_DOSSIER, dossier, ID_PANNEAU_OK, PanneauParDefaut);
  // Inconnu.zzq has no program: no card.
  VerifierCompteurs(p, 3, 3, "une fiche par fichier associe, sous-dossier compris");
  std::vector<FicheLue> fiches;
  const std::string liste = PreparerDossier("donnees\\import_extraweb_dossier") + "\\extraweb.lvx";
  if (EnregistrerEtLire(p, liste, fiches) && VerifierEntier(fiches.size(), 3, "fiches enregistrees")) {
    for (const FicheLue& f : fiches) {
      const std::string& url = f.champs[1];
      if (f.champs[0] == "Outil") {
        VerifierTexte(url, BALISE + dossier + "\\Outil.exe", "Outil : le programme lui-meme, sans document");
        VerifierTexte(f.champs[2], "Documents", "Outil : rubrique");
      } else if (f.champs[0] == "Lettre") {
        VerifierTexte(url, BALISE + WORDPAD + " " + dossier + "\\Lettre.rtf", "Lettre : WordPad puis le document");
        VerifierTexte(f.champs[2], "Documents", "Lettre : rubrique");
      } else if (f.champs[0] == "Note") {
        VerifierTexte(url, BALISE + NOTEPAD + " " + dossier + "\\Rangement\\Note.ini",
                      "Note : le Bloc-notes puis le document");
        VerifierTexte(f.champs[2], "Rangement", "Note : rubrique du sous-dossier");
      } else {
        Verifier(false, "fiche inattendue : " + Lisible(f.champs[0]));
      }
    }
  }
  // Again with "Uniquement les nouveaux fichiers": nothing new.
  PiloteCommande(p, CMD_EXTRA_WEB_DOSSIER);
  PiloteRepondreDossier(p, TITRE_DOSSIER, dossier, ID_PANNEAU_OK);
  Sleep(500);
  VerifierCompteurs(p, 3, 3, "le second passage n'ajoute rien");
  // Annuler puts the options back.
  PiloteCommande(p, CMD_EXTRA_WEB_DOSSIER);
  PiloteRepondreDossier(p, TITRE_DOSSIER, dossier, ID_PANNEAU_ANNULER, SansSousDossiers);
  PiloteCommande(p, CMD_EXTRA_WEB_DOSSIER);
  PiloteRepondreDossier(p, TITRE_DOSSIER, dossier, ID_PANNEAU_ANNULER, Restaurees);
  VerifierCompteurs(p, 3, 3, "Annuler ne cree rien");
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"import_extraweb_dialogue", Dialogue},
    {"import_extraweb_dossier", Dossier},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
