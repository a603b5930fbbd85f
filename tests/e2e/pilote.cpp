#include "pilote.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "fichiers.h"

namespace {

struct Recherche {
  DWORD pid;
  const char* classe;
  const char* titre;  // nullptr: any caption
  HWND trouvee;
};

BOOL CALLBACK Examiner(HWND fenetre, LPARAM parametre) {
  auto* r = reinterpret_cast<Recherche*>(parametre);
  DWORD pid = 0;
  GetWindowThreadProcessId(fenetre, &pid);
  if (pid != r->pid || !IsWindowVisible(fenetre)) return TRUE;
  char classe[64] = {};
  GetClassNameA(fenetre, classe, sizeof classe);
  if (lstrcmpiA(classe, r->classe) != 0) return TRUE;
  if (r->titre) {
    // Another process's caption comes from the server: no message is sent.
    char titre[256] = {};
    GetWindowTextA(fenetre, titre, sizeof titre);
    if (std::strcmp(titre, r->titre) != 0) return TRUE;
  }
  r->trouvee = fenetre;
  return FALSE;
}

}  // namespace

HWND PiloteChercherFenetre(DWORD pid, const char* classe, const char* titre) {
  Recherche r{pid, classe, titre, nullptr};
  EnumWindows(Examiner, reinterpret_cast<LPARAM>(&r));
  return r.trouvee;
}

bool PiloteAttendre(const std::function<bool()>& condition, int delai_ms) {
  const DWORD debut = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - debut > static_cast<DWORD>(delai_ms)) return false;
    Sleep(50);
  }
}

bool PiloteInstaller(Programme& p, const std::string& cas) {
  p = Programme{};
  p.cas = cas;
  p.dossier = PreparerDossier("programmes\\" + cas);
  const std::string bin = DossierBinaires();
  if (!CopierProgramme(bin, p.dossier) || !FichierExiste(p.dossier + "\\lorvanix.exe")) {
    std::printf("lorvanix.exe introuvable ou non copie depuis %s\n", bin.c_str());
    return false;
  }
  return true;
}

// Starts the program of p.dossier; the information box is left to the caller.
static bool Lancer(Programme& p, const std::string& arguments) {
  p.processus = nullptr;
  p.pid = 0;
  p.principale = nullptr;
  const std::string exe = p.dossier + "\\lorvanix.exe";
  std::string ligne = "\"" + exe + "\"";
  if (!arguments.empty()) ligne += " " + arguments;
  std::vector<char> modifiable(ligne.begin(), ligne.end());
  modifiable.push_back('\0');
  STARTUPINFOA demarrage{};
  demarrage.cb = sizeof demarrage;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), modifiable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      p.dossier.c_str(), &demarrage, &pi)) {
    std::printf("CreateProcess a echoue (%lu)\n", GetLastError());
    return false;
  }
  CloseHandle(pi.hThread);
  p.processus = pi.hProcess;
  p.pid = pi.dwProcessId;
  const bool trouvee = PiloteAttendre([&] {
    p.principale = PiloteChercherFenetre(p.pid, CLASSE_LORVANIX, nullptr);
    return p.principale != nullptr;
  });
  if (!trouvee) std::printf("fenetre de classe \"%s\" introuvable\n", CLASSE_LORVANIX);
  return trouvee;
}

bool PiloteRedemarrer(Programme& p, const std::string& arguments) {
  if (!Lancer(p, arguments)) return false;
  HWND info = PiloteAttendreDialogue(p, TITRE_A_PROPOS);
  if (!info || !PiloteCliquer(info, IDOK) || !PiloteAttendreDisparition(info)) {
    std::printf("boite \"%s\" non fermee\n", TITRE_A_PROPOS);
    return false;
  }
  return PiloteSynchroniser(p);
}

bool PiloteDemarrer(Programme& p, const std::string& cas, const std::string& arguments) {
  return PiloteInstaller(p, cas) && PiloteRedemarrer(p, arguments);
}

bool PiloteSynchroniser(const Programme& p) {
  // A sent message is only taken when the thread reads its queue again.
  DWORD_PTR resultat = 0;
  return SendMessageTimeoutA(p.principale, WM_NULL, 0, 0, SMTO_NORMAL, DELAI_MS, &resultat) != 0;
}

void PiloteCommande(const Programme& p, int id) {
  PostMessageA(p.principale, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void PiloteFermer(const Programme& p) {
  PostMessageA(p.principale, WM_CLOSE, 0, 0);
}

std::string PiloteTitre(const Programme& p) {
  char titre[512] = {};
  GetWindowTextA(p.principale, titre, sizeof titre);
  return titre;
}

std::string PiloteTexteControle(HWND parent, int id) {
  HWND controle = GetDlgItem(parent, id);
  if (!controle) return "(controle " + std::to_string(id) + " absent)";
  DWORD_PTR longueur = 0;
  if (!SendMessageTimeoutA(controle, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, DELAI_MS, &longueur)) {
    return "(pas de reponse)";
  }
  std::vector<char> texte(longueur + 1, '\0');
  DWORD_PTR copies = 0;
  SendMessageTimeoutA(controle, WM_GETTEXT, texte.size(), reinterpret_cast<LPARAM>(texte.data()),
                      SMTO_NORMAL, DELAI_MS, &copies);
  return std::string(texte.data(), copies);
}

int PiloteCoche(HWND parent, int id) {
  HWND controle = GetDlgItem(parent, id);
  DWORD_PTR etat = 0;
  if (!controle || !SendMessageTimeoutA(controle, BM_GETCHECK, 0, 0, SMTO_NORMAL, DELAI_MS, &etat)) return -1;
  return static_cast<int>(etat);
}

RECT PiloteRectangle(HWND fenetre) {
  RECT r{};
  GetWindowRect(fenetre, &r);
  return r;
}

bool PiloteTaper(HWND parent, int id, const std::string& texte) {
  HWND edit = GetDlgItem(parent, id);
  if (!edit) return false;
  const std::string avant = PiloteTexteControle(parent, id);
  // Typed after the text there, as a user would after clicking at its end.
  DWORD_PTR resultat = 0;
  SendMessageTimeoutA(edit, EM_SETSEL, avant.size(), avant.size(), SMTO_NORMAL, DELAI_MS, &resultat);
  for (unsigned char c : texte) PostMessageA(edit, WM_CHAR, c, 1);
  return PiloteAttendre([&] { return PiloteTexteControle(parent, id) == avant + texte; });
}

bool PiloteAttendreFin(Programme& p, int delai_ms, DWORD* code) {
  if (!p.processus || WaitForSingleObject(p.processus, delai_ms) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(p.processus, code);
  return true;
}

void PiloteTerminer(Programme& p) {
  if (!p.processus) return;
  const DWORD debut = GetTickCount();
  DWORD dernier_close = 0;
  while (WaitForSingleObject(p.processus, 100) == WAIT_TIMEOUT && GetTickCount() - debut < 5000) {
    // Whatever is still open: the save question gets "Non", any other
    // dialog is cancelled, then the window is asked to close again.
    HWND dialogue = PiloteChercherFenetre(p.pid, "#32770", nullptr);
    if (dialogue && GetDlgItem(dialogue, IDNO)) {
      PiloteCliquer(dialogue, IDNO);
    } else if (dialogue) {
      PostMessageA(dialogue, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else if (GetTickCount() - dernier_close > 1000) {
      PiloteFermer(p);
      dernier_close = GetTickCount();
    }
  }
  if (WaitForSingleObject(p.processus, 0) == WAIT_TIMEOUT) {
    std::printf("le programme ne se ferme pas : TerminateProcess\n");
    TerminateProcess(p.processus, 1);
    WaitForSingleObject(p.processus, 5000);
  }
  CloseHandle(p.processus);
  p.processus = nullptr;
}
