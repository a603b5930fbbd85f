// lvxsetup.exe driven as a user would, from a fresh source folder holding
// it and the 24 files: a two-level folder chosen in its folder dialog and
// the whole installation, down to the Start menu's items and the installed
// program; a missing file; "&Quitter" and the keys once started; the
// installer's own folder refused.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fichiers.h"
#include "import_pilote.h"
#include "pilote.h"
#include "setup/lvxsetup_ids.h"
#include "verif.h"

namespace {

const char* const CLASSE_SETUP = "Lorvanix 6.1 Setup";
const char* const TITRE_SETUP = "Lorvanix 6.1 installation";
const char* const TITRE_DOSSIER = "Installer Lorvanix 6.1 dans le dossier :";
const char* const TEXTE_DOSSIER = "Lorvanix 6.1 va \xEAtre install\xE9 dans le dossier : ";
constexpr int DELAI_INSTALLATION_MS = 60000;

// What the installer copies, in its order.
const char* const FICHIERS[] = {
    "lorvanix.exe", "lorvanix.hlp", "exemple.lvx",  "bwcc32.dll",   "licence.txt",  "lvxhook.dll",
    "navigdef.cfg", "lvxaffic.dll", "lvxcalc.dll",  "lvxfiles.dll", "lvxgest.dll",  "lvxinfo.dll",
    "lvxliens.dll", "lvxnavig.dll", "lvxoudef.dll", "lvxprap.dll",  "lvxprint.dll", "lvxrech.dll",
    "lvxrecup.dll", "lvxtri.dll",   "lvxspec.dll",  "bookdef.cfg",  "courdef.cfg",  "lisezmoi.txt"};
constexpr int NOMBRE_FICHIERS = sizeof FICHIERS / sizeof FICHIERS[0];

// The group's items: link name, the installed file it opens.
const struct {
  const char* nom;
  const char* fichier;
} ELEMENTS[] = {
    {"Lorvanix 6.1", "lorvanix.exe"},
    {"Aide de Lorvanix 6.1", "lorvanix.hlp"},
    {"Licence Lorvanix 6.1", "licence.txt"},
};

// A date of its own for each source file, so that a copy dated now shows.
FILETIME DateSource(int i) {
  SYSTEMTIME st{};
  st.wYear = 2003;
  st.wMonth = 4;
  st.wDay = 5;
  st.wHour = 6;
  st.wMinute = 7 + i;
  st.wSecond = 8;
  FILETIME ft{};
  SystemTimeToFileTime(&st, &ft);
  return ft;
}

bool DateFichier(const std::string& chemin, FILETIME* date, const FILETIME* nouvelle = nullptr) {
  HANDLE h = CreateFileA(chemin.c_str(), nouvelle ? FILE_WRITE_ATTRIBUTES : GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool ok =
      nouvelle ? SetFileTime(h, nullptr, nullptr, nouvelle) : GetFileTime(h, nullptr, nullptr, date);
  CloseHandle(h);
  return ok;
}

// essais\installation\<cas>\source: the installer and the 24 files but
// `manquant`, each dated apart, as the build ships them.
std::string PreparerSource(const std::string& cas, const std::string& manquant) {
  const std::string source = PreparerDossier("installation\\" + cas + "\\source");
  const std::string bin = DossierBinaires();
  Verifier(CopyFileA((bin + "\\lvxsetup.exe").c_str(), (source + "\\lvxsetup.exe").c_str(), FALSE) != 0,
           "lvxsetup.exe copie dans " + source);
  for (int i = 0; i < NOMBRE_FICHIERS; i++) {
    const std::string nom = FICHIERS[i];
    if (nom == manquant) continue;
    const std::string cible = source + "\\" + nom;
    Verifier(CopyFileA((bin + "\\" + nom).c_str(), cible.c_str(), FALSE) != 0, nom + " copie dans " + source);
    const FILETIME date = DateSource(i);
    DateFichier(cible, nullptr, &date);
  }
  return source;
}

// Starts the installer of `source` with `courant` as its current folder
// and finds its window.
bool Demarrer(Programme& p, const std::string& cas, const std::string& source, const std::string& courant) {
  p = Programme{};
  p.cas = cas;
  p.dossier = source;
  const std::string exe = source + "\\lvxsetup.exe";
  const std::string ligne = "\"" + exe + "\"";
  std::vector<char> modifiable(ligne.begin(), ligne.end());
  modifiable.push_back('\0');
  STARTUPINFOA demarrage{};
  demarrage.cb = sizeof demarrage;
  PROCESS_INFORMATION pi{};
  if (!Verifier(CreateProcessA(exe.c_str(), modifiable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               courant.c_str(), &demarrage, &pi) != 0,
                "lvxsetup.exe demarre")) {
    return false;
  }
  CloseHandle(pi.hThread);
  p.processus = pi.hProcess;
  p.pid = pi.dwProcessId;
  const bool trouvee = PiloteAttendre([&] {
    p.principale = PiloteChercherFenetre(p.pid, CLASSE_SETUP, nullptr);
    return p.principale != nullptr;
  });
  return Verifier(trouvee, std::string("fenetre de classe \"") + CLASSE_SETUP + "\"") &&
         PiloteSynchroniser(p);
}

std::string Etat(const Programme& p) { return PiloteTexteControle(p.principale, IDC_SETUP_ZONE); }

bool AttendreEtat(const Programme& p, const std::string& texte, const std::string& quoi) {
  PiloteAttendre([&] { return Etat(p) == texte; });
  return VerifierTexte(Etat(p), texte, quoi);
}

bool Active(const Programme& p, int id) { return IsWindowEnabled(GetDlgItem(p.principale, id)) != 0; }

// "&Modifier", then `dossier` chosen in the folder dialog with its "&OK".
bool ChoisirDossier(Programme& p, const std::string& dossier) {
  PiloteCliquer(p.principale, CMD_SETUP_MODIFIER);
  return PiloteRepondreDossier(p, TITRE_DOSSIER, dossier, IDC_SETUP_DOSSIER_OK) &&
         AttendreEtat(p, TEXTE_DOSSIER + dossier, "la ligne d'etat nomme le dossier choisi");
}

// The box of the installer with this text and icon, owned by its window.
HWND AttendreBoite(Programme& p, const std::string& texte, Icone icone, int delai_ms) {
  HWND boite = PiloteAttendreDialogue(p, TITRE_SETUP, delai_ms);
  if (!Verifier(boite != nullptr, std::string("une boite \"") + TITRE_SETUP + "\" s'affiche")) return nullptr;
  VerifierTexte(PiloteTexteBoite(boite), texte, "texte de la boite");
  VerifierTexte(NomIcone(PiloteIconeBoite(boite)), NomIcone(icone), "icone de la boite");
  Verifier(GetWindow(boite, GW_OWNER) == p.principale, "boite possedee par la fenetre de l'installateur");
  return boite;
}

void VerifierFinInstallateur(Programme& p, HWND boite) {
  PiloteCliquer(boite, IDOK);
  DWORD code = 1;
  Verifier(PiloteAttendreFin(p, DELAI_MS, &code), "OK : l'installateur se ferme");
  VerifierEntier(code, 0, "code de sortie de l'installateur");
}

// Each file copied has its source's bytes and date; the others are absent.
void VerifierCopies(const std::string& source, const std::string& cible, int copies) {
  for (int i = 0; i < NOMBRE_FICHIERS; i++) {
    const std::string nom = FICHIERS[i];
    std::string attendu, obtenu;
    if (i >= copies) {
      Verifier(!FichierExiste(cible + "\\" + nom), nom + " non copie");
      continue;
    }
    if (!Verifier(LireFichier(cible + "\\" + nom, obtenu), nom + " copie")) continue;
    LireFichier(source + "\\" + nom, attendu);
    Verifier(obtenu == attendu, nom + " : memes octets (" + std::to_string(obtenu.size()) + ")");
    FILETIME a{}, b{};
    Verifier(DateFichier(source + "\\" + nom, &a) && DateFichier(cible + "\\" + nom, &b) &&
                 CompareFileTime(&a, &b) == 0,
             nom + " : date et heure de la source");
  }
}

// The Linux home folder of the prefix's user, as a Windows path (Z:\...).
std::string DossierPersonnel() {
  char chemin[MAX_PATH] = {};
  GetEnvironmentVariableA("WINEHOMEDIR", chemin, sizeof chemin);
  std::string dossier = chemin;
  if (dossier.rfind("\\??\\", 0) == 0) dossier = dossier.substr(4);
  return dossier;
}

std::string GroupeMenuDemarrer() {
  char programmes[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programmes);
  return std::string(programmes) + "\\Lorvanix 6.1";
}

// The name, in capitals or not, as 8-bit or UTF-16 text inside the link.
bool LienNomme(const std::string& octets, const std::string& nom) {
  std::string texte = octets;
  for (char& c : texte)
    if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
  std::string large;
  for (char c : nom) large += std::string{c, '\0'};
  return texte.find(nom) != std::string::npos || texte.find(large) != std::string::npos;
}

// Wine's program manager shows each new group in an Explorer window.
BOOL CALLBACK FermerGroupe(HWND fenetre, LPARAM) {
  char titre[64] = {};
  GetWindowTextA(fenetre, titre, sizeof titre);
  if (IsWindowVisible(fenetre) && std::string(titre) == "Lorvanix 6.1") PostMessageA(fenetre, WM_CLOSE, 0, 0);
  return TRUE;
}

void InstallationComplete() {
  const std::string cas = "installation_complete";
  const std::string source = PreparerSource(cas, "");
  const std::string dessus = PreparerDossier("installation\\" + cas + "\\cible");
  const std::string cible = dessus + "\\Mes logiciels\\Lorvanix";
  const std::string groupe = GroupeMenuDemarrer();
  SupprimerArbre(groupe);
  // The dialog only shows folders that exist: the two levels are made for
  // the choice, then removed so that the installation makes them again.
  CreerDossiers(cible);
  Programme p;
  if (!Demarrer(p, cas, source, dessus)) return;
  VerifierTexte(PiloteTitre(p), TITRE_SETUP, "titre de la fenetre");
  const RECT r = PiloteRectangle(p.principale);
  VerifierEntier(r.right - r.left, 640, "largeur de la fenetre");
  VerifierEntier(r.bottom - r.top, 470, "hauteur de la fenetre");
  VerifierTexte(Etat(p), std::string(TEXTE_DOSSIER) + "c:\\lorvanix", "ligne d'etat au depart");
  VerifierTexte(PiloteTexteControle(p.principale, CMD_SETUP_MODIFIER) + "|" +
                    PiloteTexteControle(p.principale, CMD_SETUP_INSTALLER) + "|" +
                    PiloteTexteControle(p.principale, CMD_SETUP_QUITTER),
                "&Modifier|&Installer|&Quitter", "boutons");
  Verifier(PiloteCapturer(p.principale, cas + "_fenetre"), "capture de la fenetre (non noire)");
  if (!ChoisirDossier(p, cible)) {
    PiloteTerminer(p);
    return;
  }
  Verifier(PiloteAttendre([&] { return SupprimerArbre(dessus + "\\Mes logiciels"); }) &&
               GetFileAttributesA(cible.c_str()) == INVALID_FILE_ATTRIBUTES,
           "les deux niveaux du dossier retires avant l'installation");
  PiloteCliquer(p.principale, CMD_SETUP_INSTALLER);
  HWND fin = AttendreBoite(p, "Installation de Lorvanix 6.1 termin\351e.", Icone::Exclamation,
                           DELAI_INSTALLATION_MS);
  if (fin) {
    VerifierTexte(Etat(p), " Installation de Lorvanix 6.1 termin\351e.", "ligne d'etat a la fin");
    Verifier(
        !Active(p, CMD_SETUP_MODIFIER) && !Active(p, CMD_SETUP_INSTALLER) && !Active(p, CMD_SETUP_QUITTER),
        "les trois boutons desactives");
    PiloteCapturer(p.principale, cas + "_terminee");
    VerifierFinInstallateur(p, fin);
  }
  PiloteTerminer(p);
  VerifierCopies(source, cible, NOMBRE_FICHIERS);

  for (const auto& e : ELEMENTS) {
    const std::string lien = groupe + "\\" + e.nom + ".lnk";
    std::string octets;
    PiloteAttendre([&] { return LireFichier(lien, octets) && !octets.empty(); });
    if (Verifier(LireFichier(lien, octets), "element du menu Demarrer : " + lien))
      Verifier(LienNomme(octets, e.fichier), lien + " mene a " + e.fichier);
  }
  // Wine's menu builder turns the program's and the help's links into
  // desktop entries of the Linux menu; the licence's (a text file) gets none.
  const std::string entrees = DossierPersonnel() + "\\.local\\share\\applications\\wine\\Programs\\Lorvanix 6.1";
  for (const char* nom : {"Lorvanix 6.1", "Aide de Lorvanix 6.1"}) {
    const std::string entree = entrees + "\\" + nom + ".desktop";
    std::string octets;
    Verifier(PiloteAttendre([&] { return LireFichier(entree, octets); }), "entree du menu Linux : " + entree);
    Verifier(octets.find("Name=" + std::string(nom) + "\n") != std::string::npos, entree + " porte son nom");
  }
  // The group's Explorer windows may come late: closed for a while.
  for (int i = 0; i < 10; i++) {
    EnumWindows(FermerGroupe, 0);
    Sleep(300);
  }

  // The installed program starts from its folder and finds its files.
  Programme installe;
  installe.cas = cas + "_lorvanix";
  installe.dossier = cible;
  if (Verifier(PiloteRedemarrer(installe, ""), "lorvanix.exe installe demarre")) {
    VerifierTexte(PiloteTitre(installe), "Lorvanix 6.1 Sans-Nom", "titre du programme installe");
    Sleep(500);
    HWND message = PiloteChercherDialogue(installe, "Lorvanix 6.1");
    Verifier(message == nullptr, "aucun message au demarrage" +
                                     (message ? " : \"" + Lisible(PiloteTexteBoite(message)) + "\"" : ""));
    PiloteCapturer(installe.principale, cas + "_programme_installe");
  }
  PiloteTerminer(installe);
}

// `manquant` is not in the source folder: the copies stop at it.
struct Manque {
  Programme p;
  std::string source, cible;
  HWND boite = nullptr;
  int index = 0;
};

bool InstallerSans(Manque& m, const std::string& cas, const char* manquant) {
  m.source = PreparerSource(cas, manquant);
  m.cible = PreparerDossier("installation\\" + cas + "\\cible");
  while (std::string(FICHIERS[m.index]) != manquant) m.index++;
  if (!Demarrer(m.p, cas, m.source, m.source) || !ChoisirDossier(m.p, m.cible)) return false;
  PiloteCliquer(m.p.principale, CMD_SETUP_INSTALLER);
  m.boite = AttendreBoite(m.p, "Erreur d'installation.", Icone::Aucune, DELAI_INSTALLATION_MS);
  return m.boite != nullptr;
}

void InstallationFichierManquant() {
  Manque m;
  if (InstallerSans(m, "installation_fichier_manquant", "lvxgest.dll")) {
    VerifierTexte(Etat(m.p), " Copie de lvxgest.dll vers " + m.cible, "ligne d'etat au fichier manquant");
    VerifierFinInstallateur(m.p, m.boite);
    VerifierCopies(m.source, m.cible, m.index);
  }
  PiloteTerminer(m.p);
}

// While the box of the failed last copy is up the installation has
// started: "&Quitter", Escape, "q", Enter and "i" change nothing.
void InstallationQuitter() {
  Manque m;
  if (InstallerSans(m, "installation_quitter", "lisezmoi.txt")) {
    const std::string etat = " Copie de lisezmoi.txt vers " + m.cible;
    VerifierTexte(Etat(m.p), etat, "ligne d'etat a la derniere copie");
    Verifier(!Active(m.p, CMD_SETUP_QUITTER) && !Active(m.p, CMD_SETUP_MODIFIER) &&
                 !Active(m.p, CMD_SETUP_INSTALLER),
             "\"&Quitter\" et les autres boutons desactives");
    PostMessageA(m.p.principale, WM_COMMAND, MAKEWPARAM(CMD_SETUP_QUITTER, BN_CLICKED), 0);
    PostMessageA(m.p.principale, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    PostMessageA(m.p.principale, WM_CHAR, 'q', 1);
    PostMessageA(m.p.principale, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(m.p.principale, WM_CHAR, 'i', 1);
    const bool ferme =
        PiloteAttendre([&] { return !IsWindow(m.p.principale) || !IsWindowVisible(m.boite); }, 1500);
    Verifier(!ferme, "la fenetre et la boite restent");
    VerifierTexte(Etat(m.p), etat, "aucune etape de plus");
    VerifierFinInstallateur(m.p, m.boite);
    VerifierCopies(m.source, m.cible, m.index);
  }
  PiloteTerminer(m.p);
}

HWND Panneau(HWND explorateur) {
  for (HWND c = GetWindow(explorateur, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char classe[16] = {};
    GetClassNameA(c, classe, sizeof classe);
    if (std::string(classe) == "#32770") return c;
  }
  return nullptr;
}

// The installer's own folder, typed in capitals: refused, the dialog
// stays; "&Annuler" keeps the folder; "&Quitter" closes, nothing started.
void InstallationPropreDossier() {
  const std::string cas = "installation_propre_dossier";
  const std::string source = PreparerSource(cas, "");
  Programme p;
  if (!Demarrer(p, cas, source, source)) return;
  PiloteCliquer(p.principale, CMD_SETUP_MODIFIER);
  HWND explorateur = PiloteAttendreDialogue(p, TITRE_DOSSIER);
  HWND panneau = explorateur ? Panneau(explorateur) : nullptr;
  if (!Verifier(panneau != nullptr, "le dialogue du dossier et son panneau")) {
    PiloteTerminer(p);
    return;
  }
  std::string capitales = source;
  CharUpperBuffA(&capitales[0], (DWORD)capitales.size());
  // The hidden name box still takes a path: its confirmation enters it.
  constexpr int ID_NOM_FICHIER = 0x47C, ID_REGARDER_DANS = 0x471;
  EcrireControle(explorateur, ID_NOM_FICHIER, capitales);
  PostMessageA(explorateur, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  const bool entre = PiloteAttendre(
      [&] { return lstrcmpiA(PiloteTexteControle(explorateur, ID_REGARDER_DANS).c_str(), "source") == 0; });
  Verifier(entre, "le dialogue montre " + capitales);
  Sleep(300);
  PiloteCapturer(explorateur, cas + "_dossier");
  PiloteCliquer(panneau, IDC_SETUP_DOSSIER_OK);
  HWND refus = PiloteAttendreDialogue(p, TITRE_SETUP);
  if (Verifier(refus != nullptr, "une boite de refus s'affiche")) {
    VerifierTexte(
        PiloteTexteBoite(refus),
        "Le dossier de destination  doit \xEAtre diff\xE9rent de celui du programme d'installation.",
        "texte du refus");
    VerifierTexte(NomIcone(PiloteIconeBoite(refus)), NomIcone(Icone::Exclamation), "icone du refus");
    PiloteCliquer(refus, IDOK);
    Verifier(PiloteAttendreDisparition(refus), "la boite se ferme");
  }
  Sleep(300);
  Verifier(IsWindow(explorateur) && IsWindowVisible(explorateur), "le dialogue du dossier reste ouvert");
  PiloteCliquer(panneau, IDC_SETUP_DOSSIER_ANNULER);
  Verifier(PiloteAttendreDisparition(explorateur), "\"&Annuler\" ferme le dialogue");
  PiloteSynchroniser(p);
  VerifierTexte(Etat(p), std::string(TEXTE_DOSSIER) + "c:\\lorvanix", "le dossier reste celui de depart");
  PiloteCliquer(p.principale, CMD_SETUP_QUITTER);
  DWORD code = 1;
  Verifier(PiloteAttendreFin(p, DELAI_MS, &code), "\"&Quitter\" ferme l'installateur avant le depart");
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"installation_complete", InstallationComplete},
    {"installation_fichier_manquant", InstallationFichierManquant},
    {"installation_quitter", InstallationQuitter},
    {"installation_propre_dossier", InstallationPropreDossier},
};

}  // namespace

int main(int argc, char** argv) { return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]); }
