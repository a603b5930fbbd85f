// The links of an HTML page and of the HTML files of a folder, and the
// addresses of any file, imported through the main program's menu: the file
// and folder choosers, the options dialogs and their rules, the cards on
// screen and in the saved file.
// Also the library as any caller sees it: every export found by its name.
#include "attentes.h"
#include "entrees.h"
#include "fichiers.h"
#include "import_pilote.h"
#include "verif.h"

namespace {

constexpr int CMD_IMPORTER_PAGE = 387;
constexpr int CMD_IMPORTER_FICHIER_QUELCONQUE = 336;
constexpr int CMD_IMPORTER_DOSSIER_HTML = 395;

const char* const TITRE_PAGE = "Importer les liens HTML depuis le fichier :";
const char* const TITRE_DOSSIER_HTML = "Importer les liens HTML depuis les fichiers *.*htm* du dossier :";
const char* const TITRE_OPTIONS = "Options pour importer les URL :";
const char* const TITRE_FICHIER_QUELCONQUE = "Importer les adresses internet depuis le fichier :";

constexpr int ID_OK = 388, ID_ANNULER = 389, ID_AUTRE_TEXTE = 403;
constexpr int ID_PARCOURIR = 390, ID_CREER = 391, ID_NOUVELLES = 392, ID_TOUS = 396, ID_HTTP = 397;
constexpr int ID_PANNEAU_OK = 326;

const struct {
  int id;
  const char* texte;
} CASES[] = {{390, "Parcourir les URL"},
             {391, "Créer une fiche par URL"},
             {392, "Seulement pour de nouvelles URL"},
             {393, "Ajouter un commentaire de provenance"},
             {394, "Remplacer un nom de site vide par l'URL"},
             {396, "Tous"},
             {397, "http:"},
             {398, "ftp:"},
             {399, "news:"},
             {400, "mailto:"},
             {401, "Autre:"}};

std::string CochesUrl(HWND d) {
  return Coches(d, {390, 391, 392, 393, 394, 396, 397, 398, 399, 400, 401});
}

HWND AttendreOptions(Programme& p) {
  HWND d = PiloteAttendreDialogue(p, TITRE_OPTIONS);
  Verifier(d != nullptr, "\"Options pour importer les URL :\" s'ouvre");
  return d;
}

void Exports() {
  const char* const noms[] = {
      "Util_Dll_Lvxrecup_Recuperer_Liens_Page", "Util_Dll_Lvxrecup_Recuperer_Liens_Fichier_Quelconque",
      "Util_Dll_Lvxrecup_Recuperer_Liens_Favoris", "Util_Dll_Lvxrecup_Recuperer_Liens_Bookmarks",
      "Util_Dll_Lvxrecup_Recuperer_Adresses_Courriel", "Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire",
      "Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire_Quelconque", "Util_Dll_Lvxrecup_Creer_Fiche_Pointant_Fichier",
      "Util_Dll_Lvxrecup_Remplacer_URL_Fichier", "Util_Dll_Lvxrecup_Creer_Fiche_Extra_Web",
      "Util_Dll_Lvxrecup_Remplacer_URL_Extra_Web", "Util_Dll_Lvxrecup_Creer_Fiches_Extras_Web_Sous_Dossier",
      "Util_Dll_Lvxrecup_Transmettre_RepertoireLorvanix", "Util_Dll_Lvxrecup_Liberer_hugeTampon",
      "Util_Dll_Lvxrecup_Recuperer_TailleTotaleFiches", "Util_Dll_Lvxrecup_Recuperer_NumFiche",
      "Util_Dll_Lvxrecup_Recuperer_TotalFiches", "Util_Dll_Lvxrecup_Recuperer_lpDebutMem",
      "Util_Dll_Lvxrecup_Recuperer_GlobalDebutMem", "Util_Dll_Lvxrecup_Recuperer_lpFinMem",
      "Util_Dll_Lvxrecup_Recuperer_lpFicheEcran", "Util_Dll_Lvxrecup_Recuperer_longSize",
      "Util_Dll_Lvxrecup_Recuperer_FichesModifieesOK"};
  HMODULE recup = LoadLibraryA((DossierBinaires() + "\\lvxrecup.dll").c_str());
  if (!Verifier(recup != nullptr, "LoadLibrary de lvxrecup.dll")) return;
  for (const char* nom : noms) Verifier(GetProcAddress(recup, nom) != nullptr, std::string("GetProcAddress ") + nom);
  Verifier(GetProcAddress(recup, "Util_Dll_Lvxrecup_Recuperer_Liens_Page@52") == nullptr, "pas de nom decore");
  // Nothing was ever loaded: freeing the file buffer is harmless.
  auto liberer = reinterpret_cast<unsigned short(__stdcall*)()>(
      reinterpret_cast<void*>(GetProcAddress(recup, "Util_Dll_Lvxrecup_Liberer_hugeTampon")));
  Verifier(liberer && liberer() == 1, "Util_Dll_Lvxrecup_Liberer_hugeTampon rend 1");
  FreeLibrary(recup);
}

// The dialog's texts and its rules, then Annuler: the store is untouched
// and the next opening shows the options as they were.
void VerifierDialogueUrl(Programme& p, HWND d) {
  for (const auto& c : CASES) VerifierTexte(PiloteTexteControle(d, c.id), c.texte, "case " + std::to_string(c.id));
  VerifierTexte(PiloteTexteControle(d, ID_OK) + "|" + PiloteTexteControle(d, ID_ANNULER), "&OK|&Annuler",
                "boutons");
  VerifierTexte(CochesUrl(d), "01111100000", "options au premier lancement");
  Verifier(PiloteFocus(d) == GetDlgItem(d, ID_AUTRE_TEXTE), "le focus est dans la zone \"Autre:\"");
  CliquerAttendre(d, ID_PARCOURIR);
  VerifierTexte(CochesUrl(d), "10000100000", "Parcourir decoche les quatre options de creation");
  CliquerAttendre(d, ID_NOUVELLES);
  VerifierTexte(CochesUrl(d), "10000100000", "392 ne bascule pas en mode parcourir");
  CliquerAttendre(d, ID_CREER);
  VerifierTexte(CochesUrl(d), "01111100000", "Creer recoche les quatre options");
  CliquerAttendre(d, ID_HTTP);
  VerifierTexte(CochesUrl(d), "01111010000", "http: decoche Tous");
  CliquerAttendre(d, ID_HTTP);
  VerifierTexte(CochesUrl(d), "01111100000", "sans preference Tous revient");
  CliquerAttendre(d, ID_TOUS);
  VerifierTexte(CochesUrl(d), "01111011110", "Tous decoche coche les quatre protocoles");
  EcrireControle(d, ID_AUTRE_TEXTE, "exemple");
  PiloteCliquer(d, ID_ANNULER);
  Verifier(PiloteAttendreDisparition(d), "Annuler ferme les options");
  VerifierCompteurs(p, 1, 1, "apres Annuler");
}

void Page() {
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_page", ""), "demarrage")) return;
  const std::string page = DonneeEssai("pages\\page_complete.html");
  PiloteCommande(p, CMD_IMPORTER_PAGE);
  HWND d = nullptr;
  if (Verifier(PiloteRepondreFichier(p, TITRE_PAGE, page), "choix de la page") && (d = AttendreOptions(p))) {
    VerifierDialogueUrl(p, d);
  }
  PiloteCommande(p, CMD_IMPORTER_PAGE);
  if (Verifier(PiloteRepondreFichier(p, TITRE_PAGE, page), "choix de la page") && (d = AttendreOptions(p))) {
    VerifierTexte(CochesUrl(d), "01111100000", "Annuler a remis les options");
    VerifierTexte(PiloteTexteControle(d, ID_AUTRE_TEXTE), "", "Annuler a remis le texte \"Autre:\"");
    PiloteCliquer(d, ID_OK);
    PiloteAttendreDisparition(d);
  }
  // 23 links, two of them found twice: the empty card takes the first.
  VerifierCompteurs(p, 21, 21, "apres l'import");
  std::vector<FicheLue> fiches;
  const std::string liste = PreparerDossier("donnees\\import_page") + "\\liens.lvx";
  if (EnregistrerEtLire(p, liste, fiches) && VerifierEntier(fiches.size(), 21, "fiches enregistrees")) {
    VerifierTexte(fiches[0].champs[0] + "|" + fiches[0].champs[1], "styles/principal.css|styles/principal.css",
                  "fiche 1 : nom vide remplace par l'URL");
    VerifierTexte(fiches[2].champs[0] + "|" + fiches[2].champs[1], "Accueil|http://www.example.fr/", "fiche 3");
    VerifierTexte(fiches[10].champs[0] + "|" + fiches[10].champs[1], "webmestre@example.fr|mailto:webmestre@example.fr",
                  "fiche 11 : le nom sans mailto:");
    VerifierTexte(fiches[19].champs[0] + "|" + fiches[19].champs[1],
                  "Fran\xE7ois & C\xB0|http://www.example.fr/p?a=1&amp;b=2", "fiche 20 : titre decode");
    VerifierTexte(fiches[20].champs[0], "Haut de page", "fiche 21");
    bool notes = true, vides = true;
    for (const FicheLue& f : fiches) {
      notes &= f.champs[4] == Provenance(page);
      vides &= f.champs[2].empty() && f.champs[3].empty() && f.marque == 0;
    }
    Verifier(notes, "chaque fiche a le commentaire de provenance");
    Verifier(vides, "rubriques et mots cles vides, aucune marque");
    VerifierFicheAffichee(p, 21, 21, fiches[20], "la derniere fiche creee est a l'ecran");
  }
  // Again, with "Seulement pour de nouvelles URL": nothing new.
  PiloteCommande(p, CMD_IMPORTER_PAGE);
  if (Verifier(PiloteRepondreFichier(p, TITRE_PAGE, page), "choix de la page") && (d = AttendreOptions(p))) {
    PiloteCliquer(d, ID_OK);
    PiloteAttendreDisparition(d);
  }
  VerifierCompteurs(p, 21, 21, "le second import n'ajoute rien");
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  PiloteTerminer(p);
}

// A folder holding a.htm, b.html and c.txt: the links of the two pages.
void DossierHtml() {
  const std::string dossier = PreparerDossier("sources\\pages_html");
  EcrireFichier(dossier + "\\a.htm", "<A HREF=\"http://a.example.org/\">Page A</A>\r\n");
  EcrireFichier(dossier + "\\b.html", "<a href=http://b.example.org/>Page B</a>\r\n");
  EcrireFichier(dossier + "\\c.txt", "<A HREF=\"http://c.example.org/\">Texte C</A>\r\n");
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_dossier_html", ""), "demarrage")) return;
  PiloteCommande(p, CMD_IMPORTER_DOSSIER_HTML);
  HWND d = nullptr;
  if (PiloteRepondreDossier(p, TITRE_DOSSIER_HTML, dossier, ID_PANNEAU_OK) && (d = AttendreOptions(p))) {
    PiloteCliquer(d, ID_OK);
    PiloteAttendreDisparition(d);
  }
  VerifierCompteurs(p, 2, 2, "deux pages, un lien chacune");
  std::vector<FicheLue> fiches;
  const std::string liste = PreparerDossier("donnees\\import_dossier_html") + "\\liens.lvx";
  if (EnregistrerEtLire(p, liste, fiches) && VerifierEntier(fiches.size(), 2, "fiches enregistrees")) {
    std::string urls = fiches[0].champs[1] + " " + fiches[1].champs[1];
    Verifier(urls == "http://a.example.org/ http://b.example.org/" || urls == "http://b.example.org/ http://a.example.org/",
             "les liens de a.htm et b.html, pas de c.txt : " + urls);
    for (const FicheLue& f : fiches) {
      const bool de_a = f.champs[1] == "http://a.example.org/";
      VerifierTexte(f.champs[4], Provenance(dossier + (de_a ? "\\a.htm" : "\\b.html")),
                    "provenance de " + f.champs[0]);
    }
  }
  PiloteTerminer(p);
}

std::string CochesQuelconque(HWND d) { return Coches(d, {512, 513, 514, 515, 516, 517, 518}); }

// Any file: its dialog refuses OK without a scheme, Annuler leaves the
// options as they were, OK takes the addresses in the order found.
void FichierQuelconque() {
  const std::string fichier = PreparerDossier("sources\\quelconque") + "\\adresses.txt";
  EcrireFichier(fichier, "Ecrire a jean@example.org ou voir http://www.example.org/ .\r\n");
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_fichier_quelconque", ""), "demarrage")) return;
  PiloteCommande(p, CMD_IMPORTER_FICHIER_QUELCONQUE);
  HWND d = nullptr;
  if (Verifier(PiloteRepondreFichier(p, TITRE_FICHIER_QUELCONQUE, fichier), "choix du fichier") &&
      (d = AttendreOptions(p))) {
    const char* const libelles[] = {"Seulement de nouvelles URL", "En ajoutant un commentaire de provenance",
                                    "En copiant aussi l'URL dans le champ Nom", "http", "ftp", "news", "mail"};
    for (int i = 0; i < 7; ++i) VerifierTexte(PiloteTexteControle(d, 512 + i), libelles[i], "case " + std::to_string(512 + i));
    VerifierTexte(CochesQuelconque(d), "1111111", "options au premier lancement");
    for (int id : {515, 516, 517, 518}) CliquerAttendre(d, id);
    VerifierTexte(CochesQuelconque(d), "1110000", "aucun protocole");
    PiloteCliquer(d, 510);
    VerifierBoite(p, "Il n'y a pas de sélection sur http ftp news ou mail !", Icone::Exclamation, {IDOK}, IDOK, &d);
    Verifier(IsWindowVisible(d) != 0, "les options restent ouvertes");
    PiloteCliquer(d, 511);
    Verifier(PiloteAttendreDisparition(d), "Annuler ferme les options");
  }
  VerifierCompteurs(p, 1, 1, "apres Annuler");
  PiloteCommande(p, CMD_IMPORTER_FICHIER_QUELCONQUE);
  if (Verifier(PiloteRepondreFichier(p, TITRE_FICHIER_QUELCONQUE, fichier), "choix du fichier") &&
      (d = AttendreOptions(p))) {
    VerifierTexte(CochesQuelconque(d), "1111111", "Annuler a remis les options");
    PiloteCliquer(d, 510);
    PiloteAttendreDisparition(d);
  }
  VerifierCompteurs(p, 2, 2, "une adresse et une URL");
  FicheLue derniere;
  derniere.champs[0] = derniere.champs[1] = "http://www.example.org/";
  derniere.champs[4] = Provenance(fichier);
  VerifierFicheAffichee(p, 2, 2, derniere, "l'URL trouvee en dernier est a l'ecran");
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"import_exports", Exports},
    {"import_page", Page},
    {"import_fichier_quelconque", FichierQuelconque},
    {"import_dossier_html", DossierHtml},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
