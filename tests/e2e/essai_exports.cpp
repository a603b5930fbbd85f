// The store's libraries as any caller sees them: loaded by name, each command
// found by its undecorated name and called with the documented arguments.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int echecs = 0, reussites = 0;

void Verifier(bool condition, const char* quoi) {
  std::printf("[%s] %s\n", condition ? " OK " : "ECHEC", quoi);
  (condition ? reussites : echecs)++;
}

typedef unsigned short(__stdcall* Charger)(char*, char*, HCURSOR, HCURSOR, BYTE*, BYTE*, DWORD,
                                           BYTE*, HGLOBAL, HWND);
typedef unsigned short(__stdcall* Sauver)(BYTE*, BYTE*, char*, char*, DWORD, LONG, HCURSOR,
                                          HCURSOR, BYTE*, HWND);
typedef BYTE*(__stdcall* Marche)(BYTE*);
typedef BYTE*(__stdcall* LirePointeur)();
typedef DWORD(__stdcall* LireMot32)();
typedef HGLOBAL(__stdcall* LireBloc)();
typedef unsigned short(__stdcall* LireChemin)(char*, char*);
typedef unsigned short(__stdcall* DossierProgramme)(char*, HINSTANCE);

template <typename T>
T Trouver(HMODULE module, const char* nom) {
  // Through void*: FARPROC has no arguments, the commands have theirs.
  T f = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, nom)));
  Verifier(f != nullptr, (std::string("GetProcAddress ") + nom).c_str());
  return f;
}

// One card: mark, then five fields of L, text, NUL, L.
std::string Fiche(const char* nom, const char* url) {
  std::string o("\0\0", 2);
  for (const char* t : {nom, url, "", "", ""}) {
    unsigned short l = (unsigned short)(std::strlen(t) + 1);
    std::string mot{(char)(l & 0xFF), (char)(l >> 8)};
    o += mot + t + std::string(1, '\0') + mot;
  }
  return o;
}

void EcrireFichier(const char* chemin, const std::string& octets) {
  FILE* f = std::fopen(chemin, "wb");
  std::fwrite(octets.data(), 1, octets.size(), f);
  std::fclose(f);
}

std::string LireFichier(const char* chemin) {
  std::string octets;
  FILE* f = std::fopen(chemin, "rb");
  if (!f) return octets;
  char tampon[4096];
  size_t n;
  while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0) octets.append(tampon, n);
  std::fclose(f);
  return octets;
}

}  // namespace

int main() {
  char magie[] = "LorVanix version1 Fichier CARTES";
  HMODULE fichiers = LoadLibraryA("lvxfiles.dll");
  HMODULE gestion = LoadLibraryA("lvxgest.dll");
  HMODULE navig = LoadLibraryA("lvxnavig.dll");
  HMODULE oudef = LoadLibraryA("lvxoudef.dll");
  Verifier(fichiers && gestion && navig && oudef, "LoadLibrary des quatre bibliotheques");
  if (!fichiers || !gestion || !navig || !oudef) return 1;
  Verifier(GetProcAddress(fichiers, "Util_Dll_lvxfiles_charger_fichier@40") == nullptr,
           "pas de nom decore");

  std::string cartes = Fiche("Le Monde", "https://www.lemonde.fr/") + Fiche("BnF", "https://www.bnf.fr/");
  std::string entete = magie;
  entete.resize(40, '\0');
  std::string fichier = entete + cartes + std::string("\x02\x00\x00\x00", 4);
  char temporaire[MAX_PATH];
  GetTempPathA(MAX_PATH, temporaire);
  char chemin[MAX_PATH];
  std::snprintf(chemin, sizeof chemin, "%sessai_exports.lvx", temporaire);
  EcrireFichier(chemin, fichier);

  HGLOBAL bloc = GlobalAlloc(GMEM_MOVEABLE, 1027);
  BYTE* debut = (BYTE*)GlobalLock(bloc);
  static BYTE tampon[65534];
  HCURSOR fleche = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
  Charger charger = Trouver<Charger>(fichiers, "Util_Dll_lvxfiles_charger_fichier");
  Verifier(charger(chemin, magie, fleche, fleche, debut, debut + 27, 1027, tampon, bloc, nullptr) == 1,
           "charger_fichier rend 1");
  BYTE* nouveau = Trouver<LirePointeur>(fichiers, "Util_Dll_lvxfiles_Recuperer_lpDebutMem")();
  BYTE* fin = Trouver<LirePointeur>(fichiers, "Util_Dll_lvxfiles_Recuperer_lpFinMem")();
  DWORD taille = Trouver<LireMot32>(fichiers, "Util_Dll_lvxfiles_Recuperer_TailleTotaleFiches")();
  DWORD total = Trouver<LireMot32>(fichiers, "Util_Dll_lvxfiles_Recuperer_TotalFiches")();
  DWORD long_size = Trouver<LireMot32>(fichiers, "Util_Dll_lvxfiles_Recuperer_longSize")();
  HGLOBAL bloc_charge = Trouver<LireBloc>(fichiers, "Util_Dll_lvxfiles_Recuperer_GlobalDebutMem")();
  Verifier(taille == cartes.size() && fin == nouveau + taille, "TailleTotaleFiches et lpFinMem");
  Verifier(total == 2, "TotalFiches = 2");
  Verifier(long_size == taille + 1000, "longSize = cartes + 1000");
  Verifier(bloc_charge && GlobalLock(bloc_charge) == nouveau, "GlobalDebutMem verrouille a lpDebutMem");
  GlobalUnlock(bloc_charge);
  Verifier(std::memcmp(nouveau, cartes.data(), taille) == 0, "les octets des fiches");

  Marche suivante = Trouver<Marche>(gestion, "determine_pointeur_fiche_suivante");
  Marche precedente = Trouver<Marche>(gestion, "determine_pointeur_fiche_precedente");
  BYTE* deuxieme = suivante(nouveau);
  Verifier(std::strcmp((char*)deuxieme + 4, "BnF") == 0, "fiche suivante");
  Verifier(suivante(deuxieme) == fin && precedente(fin) == deuxieme && precedente(deuxieme) == nouveau,
           "marche dans les deux sens");

  char copie[MAX_PATH];
  std::snprintf(copie, sizeof copie, "%sessai_exports_copie.lvx", temporaire);
  Sauver sauver = Trouver<Sauver>(fichiers, "Util_Dll_lvxfiles_sauver_fichier");
  Verifier(sauver(nouveau, fin, copie, magie, taille, 2, fleche, fleche, tampon, nullptr) == 1,
           "sauver_fichier rend 1");
  Verifier(LireFichier(copie) == fichier, "le fichier ecrit est identique");

  char dossier[556] = {0};
  Trouver<DossierProgramme>(navig, "Util_Dll_Obtenir_Chemin_Repertoire_Lorvanix")(dossier, nullptr);
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  *std::strrchr(module, '\\') = 0;
  Verifier(std::strcmp(dossier, module) == 0, "dossier du programme");
  char navigateur[256];
  Trouver<LireChemin>(navig, "Util_Dll_Lire_Chemin_Navigateur")(navigateur, dossier);
  Verifier(navigateur[0] != 0, "navigdef.cfg livre lu");
  char ouverture[256];
  Verifier(Trouver<LireChemin>(oudef, "Util_Dll_Lire_Chemin_Fichier_Ouvrir_Default")(ouverture, dossier) == 1 &&
               ouverture[0] == 0,
           "ouvdef.cfg livre : chemin vide");

  DeleteFileA(chemin);
  DeleteFileA(copie);
  std::printf("%d passed, %d failed\n", reussites, echecs);
  return echecs ? 1 : 0;
}
