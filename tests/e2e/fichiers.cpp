#include "fichiers.h"

#include <windows.h>

namespace {

std::string SansDernierElement(const std::string& chemin) {
  const auto fin = chemin.find_last_of('\\');
  return fin == std::string::npos ? chemin : chemin.substr(0, fin);
}

bool FinitPar(const std::string& nom, const char* fin) {
  const std::string f = fin;
  if (nom.size() < f.size()) return false;
  return lstrcmpiA(nom.c_str() + nom.size() - f.size(), f.c_str()) == 0;
}

}  // namespace

std::string DossierBinaires() {
  char chemin[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, chemin, MAX_PATH);
  return SansDernierElement(chemin);
}

bool CreerDossiers(const std::string& chemin) {
  if (GetFileAttributesA(chemin.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  const std::string parent = SansDernierElement(chemin);
  if (parent != chemin && !CreerDossiers(parent)) return false;
  return CreateDirectoryA(chemin.c_str(), nullptr) != 0;
}

bool SupprimerArbre(const std::string& chemin) {
  WIN32_FIND_DATAA f;
  HANDLE h = FindFirstFileA((chemin + "\\*").c_str(), &f);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string nom = f.cFileName;
      if (nom == "." || nom == "..") continue;
      const std::string enfant = chemin + "\\" + nom;
      if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        SupprimerArbre(enfant);
      } else {
        SetFileAttributesA(enfant.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(enfant.c_str());
      }
    } while (FindNextFileA(h, &f));
    FindClose(h);
  }
  return RemoveDirectoryA(chemin.c_str()) != 0 ||
         GetFileAttributesA(chemin.c_str()) == INVALID_FILE_ATTRIBUTES;
}

std::string PreparerDossier(const std::string& relatif) {
  char courant[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, courant);
  const std::string chemin = std::string(courant) + "\\essais\\" + relatif;
  SupprimerArbre(chemin);
  CreerDossiers(chemin);
  return chemin;
}

bool CopierProgramme(const std::string& source, const std::string& destination) {
  bool ok = true;
  for (const char* motif : {"*.exe", "*.dll", "*.lvx", "*.cfg", "*.hlp"}) {
    for (const std::string& nom : ListerFichiers(source, motif)) {
      // The test programs live beside the program but are not part of it.
      if (nom.rfind("essai_", 0) == 0) continue;
      ok &= CopyFileA((source + "\\" + nom).c_str(), (destination + "\\" + nom).c_str(), FALSE) != 0;
    }
  }
  return ok;
}

bool FichierExiste(const std::string& chemin) {
  const DWORD a = GetFileAttributesA(chemin.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool LireFichier(const std::string& chemin, std::string& octets) {
  HANDLE h = CreateFileA(chemin.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  octets.clear();
  char tampon[65536];
  DWORD lus = 0;
  bool ok = true;
  while ((ok = ReadFile(h, tampon, sizeof tampon, &lus, nullptr)) && lus > 0) octets.append(tampon, lus);
  CloseHandle(h);
  return ok;
}

bool EcrireFichier(const std::string& chemin, const std::string& octets) {
  HANDLE h = CreateFileA(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD ecrits = 0;
  const bool ok = WriteFile(h, octets.data(), octets.size(), &ecrits, nullptr) && ecrits == octets.size();
  CloseHandle(h);
  return ok;
}

std::vector<std::string> ListerFichiers(const std::string& dossier, const char* motif) {
  std::vector<std::string> noms;
  WIN32_FIND_DATAA f;
  HANDLE h = FindFirstFileA((dossier + "\\" + motif).c_str(), &f);
  if (h == INVALID_HANDLE_VALUE) return noms;
  do {
    // Windows also matches "*.lvx" on short names: "a.lvxold" would come too.
    const std::string nom = f.cFileName;
    if (!(f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && FinitPar(nom, motif + 1)) noms.push_back(nom);
  } while (FindNextFileA(h, &f));
  FindClose(h);
  return noms;
}

std::string Utf8(const std::string& texte) {
  std::wstring large(texte.size(), L'\0');
  int n = MultiByteToWideChar(1252, 0, texte.data(), (int)texte.size(), large.data(), (int)large.size());
  std::string sortie(4 * texte.size() + 1, '\0');
  int m = WideCharToMultiByte(CP_UTF8, 0, large.data(), n, sortie.data(), (int)sortie.size(), nullptr, nullptr);
  sortie.resize(m);
  return sortie;
}
