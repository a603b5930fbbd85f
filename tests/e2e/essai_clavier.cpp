// Keys that only the program's keyboard hook turns into commands: F3 and
// F4 (first and next match on the card on screen) in the main window and
// in a dialog, F1 and Aide opening the help viewer.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>

#include "attentes.h"
#include "entrees.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

constexpr int CMD_ALLER_A = 637;
constexpr int CMD_AIDE = 310;
constexpr int CMD_CRITERES = 319;
constexpr int ID_ANNULER_ALLER = 638;
constexpr int ID_EXPRESSION = 436;
constexpr int ID_OK_CRITERES = 496;
const char* const TITRE_ALLER_A = "Aller à la fiche...";
const char* const TITRE_CRITERES = "Définir les critères de recherche !";
const char* const RIEN_A_RECHERCHER =
    "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
const char* const PAS_DE_SUIVANTE = "il n'y a pas de correspondance suivante avec votre recherche sur cette fiche.";

HWND Edit(const Programme& p, int id) { return GetDlgItem(p.principale, id); }

std::string Selection(const Programme& p, int id) {
  DWORD_PTR selection = 0;
  SendMessageTimeoutA(Edit(p, id), EM_GETSEL, 0, 0, SMTO_NORMAL, DELAI_MS, &selection);
  return std::to_string(LOWORD(selection)) + ".." + std::to_string(HIWORD(selection));
}

// A key of the hook, pressed with the main window in front.
void Touche(const Programme& p, WORD vk) {
  PiloteAuPremierPlan(p.principale);
  PiloteTouche(vk);
}

// The key found the match [debut, fin) in the field `id`: selected there,
// with the focus.
void VerifierCorrespondance(const Programme& p, int id, int debut, int fin, const std::string& quoi) {
  const std::string attendu = std::to_string(debut) + ".." + std::to_string(fin);
  PiloteAttendre([&] { return Selection(p, id) == attendu; }, 3000);
  PiloteSynchroniser(p);
  VerifierTexte(Selection(p, id), attendu, quoi + " : texte selectionne");
  VerifierFocus(p, id, quoi);
}

void VerifierAvertissement(Programme& p, const char* texte) {
  VerifierBoite(p, texte, Icone::Exclamation, {IDOK}, IDOK, &p.principale);
}

void ToucheF3() {
  Programme p;
  std::vector<FicheLue> fiches;
  std::string chemin;
  if (!DemarrerSurExemple(p, "touche_f3", fiches, &chemin)) {
    PiloteTerminer(p);
    return;
  }
  FicheLue attendue = fiches[0];

  // No criteria at first: each key writes the edited card back, then says
  // there is nothing to search for.
  if (Verifier(PiloteTaper(p.principale, ID_URL, "?f3"), "saisie dans URL")) attendue.champs[1] += "?f3";
  Touche(p, VK_F3);
  VerifierAvertissement(p, RIEN_A_RECHERCHER);
  Verifier(!PiloteEditModifie(Edit(p, ID_URL)), "F3 : la fiche est reecrite avant (URL plus modifiee)");
  VerifierFocus(p, ID_NOM_DE_SITE, "F3 sans criteres");
  if (Verifier(PiloteTaper(p.principale, ID_NOTES, " F4"), "saisie dans Notes")) attendue.champs[4] += " F4";
  Touche(p, VK_F4);
  VerifierAvertissement(p, RIEN_A_RECHERCHER);
  Verifier(!PiloteEditModifie(Edit(p, ID_NOTES)), "F4 : la fiche est reecrite avant (Notes plus modifiees)");

  // "monde" is in Nom de site ("Le Monde") and in the URL, nowhere else.
  PiloteCommande(p, CMD_CRITERES);
  HWND criteres = PiloteAttendreDialogue(p, TITRE_CRITERES);
  DWORD_PTR resultat = 0;
  if (!Verifier(criteres != nullptr, "criteres de recherche : le dialogue s'ouvre") ||
      !SendMessageTimeoutA(GetDlgItem(criteres, ID_EXPRESSION), WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>("monde"), SMTO_NORMAL, DELAI_MS, &resultat) ||
      !Verifier(PiloteCliquer(criteres, ID_OK_CRITERES) && PiloteAttendreDisparition(criteres),
                "expression \"monde\" puis OK")) {
    PiloteTerminer(p);
    return;
  }
  // F4 before any F3 starts from the first field, as F3 does.
  Touche(p, VK_F4);
  VerifierCorrespondance(p, ID_NOM_DE_SITE, 3, 8, "F4 avant tout F3");
  Touche(p, VK_F4);
  VerifierCorrespondance(p, ID_URL, 14, 19, "F4 suivant");
  Touche(p, VK_F4);
  VerifierAvertissement(p, PAS_DE_SUIVANTE);
  VerifierFocus(p, ID_URL, "apres \"pas de correspondance suivante\"");
  Touche(p, VK_F3);
  VerifierCorrespondance(p, ID_NOM_DE_SITE, 3, 8, "F3 repart du premier champ");

  // In the go-to dialog F3 does nothing: the dialog stays, the card is not
  // written back, no message comes.
  PiloteCommande(p, CMD_ALLER_A);
  HWND dialogue = PiloteAttendreDialogue(p, TITRE_ALLER_A);
  if (Verifier(dialogue != nullptr, "\"Aller a la fiche...\" s'ouvre") &&
      Verifier(PiloteTaper(p.principale, ID_URL, "&dialogue"), "saisie dans URL, dialogue ouvert") &&
      Verifier(PiloteAuPremierPlan(dialogue), "dialogue au premier plan")) {
    attendue.champs[1] += "&dialogue";
    PiloteTouche(VK_F3);
    Sleep(500);
    PiloteSynchroniser(p);
    Verifier(IsWindowVisible(dialogue), "F3 dans le dialogue : le dialogue reste ouvert");
    Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "F3 dans le dialogue : aucun message");
    Verifier(PiloteEditModifie(Edit(p, ID_URL)), "F3 dans le dialogue : rien n'est reecrit (URL modifiee)");
    Verifier(PiloteCliquer(dialogue, ID_ANNULER_ALLER) && PiloteAttendreDisparition(dialogue),
             "Annuler ferme le dialogue");
    PiloteSynchroniser(p);
    Verifier(PiloteEditModifie(Edit(p, ID_URL)), "apres Annuler : URL toujours modifiee");
    Touche(p, VK_F3);
    VerifierCorrespondance(p, ID_NOM_DE_SITE, 3, 8, "F3 de nouveau dans la fenetre");
    Verifier(!PiloteEditModifie(Edit(p, ID_URL)), "F3 : la fiche est reecrite (URL plus modifiee)");
  }

  // What the keys wrote back is what the file gets.
  std::string avant, octets;
  std::vector<FicheLue> lues;
  LireFichier(chemin, avant);
  PiloteCommande(p, CMD_ENREGISTRER);
  PiloteAttendre([&] { return LireFichier(chemin, octets) && octets != avant && LireFichesLvx(octets, lues); });
  if (Verifier(LireFichesLvx(octets, lues) && lues.size() == fiches.size(), "fichier enregistre et relu")) {
    VerifierTexte(lues[0].champs[1], attendue.champs[1], "URL de la fiche 1 enregistree");
    VerifierTexte(lues[0].champs[4], attendue.champs[4], "Notes de la fiche 1 enregistrees");
  }
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  PiloteTerminer(p);
}

// Process ids of the running help viewers.
std::vector<DWORD> AidesOuvertes() {
  std::vector<DWORD> pids;
  HANDLE instantane = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (instantane == INVALID_HANDLE_VALUE) return pids;
  PROCESSENTRY32 entree{};
  entree.dwSize = sizeof entree;
  for (BOOL encore = Process32First(instantane, &entree); encore; encore = Process32Next(instantane, &entree)) {
    if (lstrcmpiA(entree.szExeFile, "winhlp32.exe") == 0) pids.push_back(entree.th32ProcessID);
  }
  CloseHandle(instantane);
  return pids;
}

// Asks the viewer to quit, then ends it: it must not outlive the case
// (it would keep ctest's output open).
bool FermerAides(HWND fenetre) {
  if (AidesOuvertes().empty()) return true;
  WinHelpA(fenetre, "lorvanix.hlp", HELP_QUIT, 0);
  // The hidden viewer of a missing file does not always take HELP_QUIT.
  if (PiloteAttendre([] { return AidesOuvertes().empty(); }, 1000)) return true;
  for (DWORD pid : AidesOuvertes()) {
    if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(h, 1);
      WaitForSingleObject(h, 3000);
      CloseHandle(h);
    }
  }
  return AidesOuvertes().empty();
}

// The help viewer's main window, and the text of the page it shows.
HWND FenetreAide() { return FindWindowA("MS_WINHELP", nullptr); }
BOOL CALLBACK TrouverPage(HWND f, LPARAM l) {
  char classe[64] = {};
  GetClassNameA(f, classe, sizeof classe);
  if (lstrcmpiA(classe, "RichEdit20A") != 0) return TRUE;
  *(HWND*)l = f;
  return FALSE;
}
std::string PageAide() {
  HWND page = nullptr;
  EnumChildWindows(FenetreAide(), TrouverPage, (LPARAM)&page);
  if (!page) return "";
  std::vector<char> texte(8192, '\0');
  DWORD_PTR copies = 0;
  SendMessageTimeoutA(page, WM_GETTEXT, texte.size(), (LPARAM)texte.data(), SMTO_NORMAL, 2000, &copies);
  return std::string(texte.data(), copies);
}
// The contents page of the shipped help, as its first words read.
bool SommaireAffiche() { return PageAide().find("Lorvanix 6.1 est un fichier de fiches") != std::string::npos; }

// F1 (by name) and Aide (full path) open the shipped help on its contents
// page, "Sommaire"; no message, the program goes on.
void ToucheF1() {
  Programme p;
  if (!Verifier(FermerAides(nullptr), "aucun visualiseur d'aide avant le cas") ||
      !Verifier(PiloteDemarrer(p, "touche_f1", ""), "demarrage")) {
    PiloteTerminer(p);
    return;
  }
  if (Verifier(PiloteAuPremierPlan(p.principale), "fenetre principale au premier plan")) {
    PiloteTouche(VK_F1);
    Verifier(PiloteAttendre(SommaireAffiche, 10000), "F1 : l'aide s'ouvre sur son sommaire");
    Sleep(1000);  // the viewer paints its page after filling it
    if (HWND aide = FenetreAide()) PiloteCapturer(aide, "touche_f1_aide");
    Verifier(PiloteSynchroniser(p), "F1 : le programme repond");
    Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "F1 : aucun message");
    Verifier(FermerAides(p.principale), "F1 : visualiseur d'aide ferme");
  }
  PiloteCommande(p, CMD_AIDE);
  Verifier(PiloteAttendre(SommaireAffiche, 10000), "Aide : l'aide s'ouvre sur son sommaire");
  Sleep(1000);
  if (HWND aide = FenetreAide()) PiloteCapturer(aide, "touche_f1_menu_aide");
  Verifier(PiloteSynchroniser(p), "Aide : le programme repond");
  Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "Aide : aucun message");
  Verifier(FermerAides(p.principale), "Aide : visualiseur d'aide ferme");
  VerifierTravailVierge(p);
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  PiloteTerminer(p);
  FermerAides(nullptr);
}

const Cas cas[] = {
    {"touche_f3", ToucheF3},
    {"touche_f1", ToucheF1},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
