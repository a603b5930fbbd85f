// Driver of the end-to-end tests: starts the real lorvanix.exe in a fresh
// program folder, reads its windows and answers its dialogs from outside,
// as a user would (same wineserver, another process).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The program's window class and the ids the tests touch.
constexpr const char* CLASSE_LORVANIX = "Lorvanix 6.1";
constexpr const char* TITRE_BOITES = "Lorvanix 6.1";
constexpr const char* TITRE_A_PROPOS = "A propos de Lorvanix 6.1";
constexpr const char* TITRE_OUVRIR = "Ouvrir :";
constexpr const char* TITRE_ENREGISTRER_SOUS = "Enregistrer sous :";

constexpr int ID_NUMERO_FICHE = 425;
constexpr int ID_TOTAL_FICHES = 426;
constexpr int ID_MARQUAGE = 623;
constexpr int ID_NOM_DE_SITE = 438;
constexpr int ID_URL = 439;
constexpr int ID_RUBRIQUE = 440;
constexpr int ID_MOTS_CLES = 441;
constexpr int ID_NOTES = 442;

constexpr int CMD_QUITTER = 308;
constexpr int CMD_OUVRIR = 414;
constexpr int CMD_ENREGISTRER_SOUS = 415;
constexpr int CMD_ENREGISTRER = 416;
constexpr int CMD_BOUTON_OUVRIR = 490;
constexpr int CMD_BOUTON_ENREGISTRER = 491;

constexpr int DELAI_MS = 10000;

struct Programme {
  std::string cas;        // names the program folder and the screenshots
  std::string dossier;    // fresh program folder (Windows path)
  HANDLE processus = nullptr;
  DWORD pid = 0;
  HWND principale = nullptr;
  int captures = 0;       // numbers the dialog screenshots of the case
};

enum class Icone { Aucune, Erreur, Exclamation, Question, Information, Inconnue };

// --- program (pilote.cpp) ---
// Copies the program files into <cwd>\essais\programmes\<cas>, starts
// lorvanix.exe with `arguments`, finds its main window and closes the
// information box shown at start-up. False (with a message) on failure.
bool PiloteDemarrer(Programme& p, const std::string& cas, const std::string& arguments);
// The two halves of PiloteDemarrer: a fresh program folder with the
// program's files, then a start of lorvanix.exe from p.dossier with its
// information box closed. Another start in the same folder finds the
// files the last run left there.
bool PiloteInstaller(Programme& p, const std::string& cas);
bool PiloteRedemarrer(Programme& p, const std::string& arguments);
// A visible top-level window of the process (any caption when `titre` is null).
HWND PiloteChercherFenetre(DWORD pid, const char* classe, const char* titre);
// Returns once the program's thread takes messages again (main or modal loop).
bool PiloteSynchroniser(const Programme& p);
void PiloteCommande(const Programme& p, int id);
void PiloteFermer(const Programme& p);
std::string PiloteTitre(const Programme& p);
std::string PiloteTexteControle(HWND parent, int id);
int PiloteCoche(HWND parent, int id);
RECT PiloteRectangle(HWND fenetre);
// Types at the end of an edit as the keyboard would (WM_CHAR), so it
// counts as modified.
bool PiloteTaper(HWND parent, int id, const std::string& texte);
// Polls `condition` every 50 ms for at most `delai_ms`.
bool PiloteAttendre(const std::function<bool()>& condition, int delai_ms = DELAI_MS);
// Waits for the process to end; its exit code goes to `code`.
bool PiloteAttendreFin(Programme& p, int delai_ms, DWORD* code);
// Ends the program whatever its state: close, answer "Non", else kill.
void PiloteTerminer(Programme& p);

// --- dialogs (dialogues.cpp) ---
// A visible "#32770" window of the process with exactly this caption; a
// screenshot of it is saved when found.
HWND PiloteAttendreDialogue(Programme& p, const char* titre, int delai_ms = DELAI_MS);
HWND PiloteChercherDialogue(const Programme& p, const char* titre);
std::string PiloteTexteBoite(HWND boite);
bool PiloteCliquer(HWND dialogue, int id);
bool PiloteAttendreDisparition(HWND fenetre, int delai_ms = DELAI_MS);
// Answers an Explorer-style file dialog with `chemin`.
// With `remplacer`, the chosen file exists: the dialog's question whether
// to replace it is answered Oui.
bool PiloteRepondreFichier(Programme& p, const char* titre, const std::string& chemin,
                           bool remplacer = false);

// --- icon of a message box (icone.cpp) ---
Icone PiloteIconeBoite(HWND boite);
const char* NomIcone(Icone icone);

// --- screenshots (capture.cpp), into <build>\screenshots ---
// Saves `nom`.png; false when the capture failed or came out black.
bool PiloteCapturer(HWND fenetre, const std::string& nom);
// The same for a part of the screen (screen coordinates).
bool PiloteCapturerZone(const RECT& zone, const std::string& nom);
std::string DossierCaptures();
