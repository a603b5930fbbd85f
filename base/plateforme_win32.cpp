// The shared records of the seam filled with real Win32 calls; linked into
// the program and every DLL that reaches the system.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "plateforme.h"

namespace {

int Message(void*, Poignee proprietaire, const char* texte, const char* titre, unsigned style) {
  return MessageBoxA((HWND)proprietaire, texte, titre, style);
}

void Curseur(void*, Poignee curseur) { SetCursor((HCURSOR)curseur); }

// Only the painting already pending: the scans call this before every
// byte, and invalidating the whole window each time would repaint it
// thousands of times for one page.
void Redessiner(void*, Poignee fenetre) {
  if (fenetre) RedrawWindow((HWND)fenetre, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

Poignee BlocAllouer(void*, uint32_t taille) { return GlobalAlloc(GMEM_MOVEABLE, taille); }
Poignee BlocReallouer(void*, Poignee bloc, uint32_t taille) {
  return GlobalReAlloc((HGLOBAL)bloc, taille, GMEM_MOVEABLE);
}
uint8_t* BlocVerrouiller(void*, Poignee bloc) { return (uint8_t*)GlobalLock((HGLOBAL)bloc); }
void BlocDeverrouiller(void*, Poignee bloc) { GlobalUnlock((HGLOBAL)bloc); }
void BlocLiberer(void*, Poignee bloc) { GlobalFree((HGLOBAL)bloc); }

Poignee Ouvrir(const char* chemin, DWORD acces, DWORD creation) {
  HANDLE h = CreateFileA(chemin, acces, FILE_SHARE_READ, nullptr, creation, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  return h == INVALID_HANDLE_VALUE ? nullptr : (Poignee)h;
}
Poignee FichierOuvrir(void*, const char* chemin) {
  return Ouvrir(chemin, GENERIC_READ, OPEN_EXISTING);
}
Poignee FichierCreer(void*, const char* chemin) {
  return Ouvrir(chemin, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
}
Poignee FichierModifier(void*, const char* chemin) {
  return Ouvrir(chemin, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
}
int FichierErreur(void*) {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ERREUR_FICHIER_INTROUVABLE;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return ERREUR_FICHIER_INTERDIT;
    case ERROR_TOO_MANY_OPEN_FILES:
      return ERREUR_FICHIER_TROP_OUVERTS;
    case ERROR_INVALID_ACCESS:
      return ERREUR_FICHIER_ACCES_INVALIDE;
  }
  return ERREUR_FICHIER_AUTRE;
}
int FichierTronquer(void*, Poignee f, int64_t taille) {
  LARGE_INTEGER p;
  p.QuadPart = taille;
  return SetFilePointerEx((HANDLE)f, p, nullptr, FILE_BEGIN) && SetEndOfFile((HANDLE)f);
}
int64_t FichierTaille(void*, Poignee f) {
  LARGE_INTEGER t;
  return GetFileSizeEx((HANDLE)f, &t) ? t.QuadPart : -1;
}
int FichierPositionner(void*, Poignee f, int64_t position) {
  LARGE_INTEGER p;
  p.QuadPart = position;
  return SetFilePointerEx((HANDLE)f, p, nullptr, FILE_BEGIN) != 0;
}
size_t FichierLire(void*, Poignee f, void* tampon, size_t n) {
  DWORD lu = 0;
  return ReadFile((HANDLE)f, tampon, (DWORD)n, &lu, nullptr) ? lu : 0;
}
size_t FichierEcrire(void*, Poignee f, const void* tampon, size_t n) {
  DWORD ecrit = 0;
  return WriteFile((HANDLE)f, tampon, (DWORD)n, &ecrit, nullptr) ? ecrit : 0;
}
int FichierFermer(void*, Poignee f) { return CloseHandle((HANDLE)f) != 0; }
int FichierExiste(void*, const char* chemin) {
  DWORD a = GetFileAttributesA(chemin);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}
int FichierSupprimer(void*, const char* chemin) { return DeleteFileA(chemin) != 0; }
int FichierRemplacer(void*, const char* source, const char* cible) {
  // Another program reading the old file for a moment (a viewer, a virus
  // scanner) refuses the move: try again a little later before giving up.
  for (int essai = 0; essai < 20; essai++) {
    if (MoveFileExA(source, cible, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
    DWORD erreur = GetLastError();
    if (erreur != ERROR_ACCESS_DENIED && erreur != ERROR_SHARING_VIOLATION) return 0;
    Sleep(50);
  }
  return 0;
}
int FichierTemporaire(void*, const char* dossier, char* chemin) {
  return GetTempFileNameA(dossier, "lvx", 0, chemin) != 0;
}
// The file's identity: its volume and its index on that volume.
int Identite(const char* chemin, BY_HANDLE_FILE_INFORMATION* info) {
  HANDLE h = CreateFileA(chemin, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 0;
  BOOL bon = GetFileInformationByHandle(h, info);
  CloseHandle(h);
  return bon != 0;
}
int MemeFichier(void*, const char* a, const char* b) {
  BY_HANDLE_FILE_INFORMATION x, y;
  if (Identite(a, &x) && Identite(b, &y))
    return x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
  char pa[MAX_PATH], pb[MAX_PATH];
  if (!GetFullPathNameA(a, MAX_PATH, pa, nullptr) || !GetFullPathNameA(b, MAX_PATH, pb, nullptr))
    return lstrcmpiA(a, b) == 0;
  return lstrcmpiA(pa, pb) == 0;
}
int DossierTemporaire(void*, char* chemin) {
  DWORD n = GetTempPathA(MAX_PATH, chemin);
  return n > 0 && n < MAX_PATH;
}
int EspaceLibre(void*, const char* racine, uint64_t* octets) {
  DWORD secteurs, octets_secteur, libres, total;
  if (!GetDiskFreeSpaceA(racine, &secteurs, &octets_secteur, &libres, &total)) return 0;
  *octets = (uint64_t)secteurs * octets_secteur * libres;
  return 1;
}

int DialogueFichierSysteme(void*, DialogueFichier* d) {
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = (HWND)d->proprietaire;
  ofn.lpstrFilter = d->filtre;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = d->chemin;
  ofn.nMaxFile = d->taille_chemin;
  ofn.lpstrInitialDir = d->dossier_initial;
  ofn.lpstrTitle = d->titre;
  ofn.lpstrDefExt = d->extension;
  ofn.Flags = OFN_EXPLORER;
  if (d->cacher_lecture_seule) ofn.Flags |= OFN_HIDEREADONLY;
  if (d->chemin_doit_exister) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (d->confirmer_ecrasement) ofn.Flags |= OFN_OVERWRITEPROMPT;
  BOOL choisi = d->enregistrer ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  d->erreur = choisi ? 0 : CommDlgExtendedError();
  return choisi != 0;
}

size_t TexteLongueur(void*, Poignee f) { return (size_t)GetWindowTextLengthA((HWND)f); }
size_t TexteLire(void*, Poignee f, char* tampon, size_t taille) {
  int n = GetWindowTextA((HWND)f, tampon, (int)taille);
  if (n < 0) n = 0;
  tampon[n] = 0;
  return (size_t)n;
}
void TexteEcrire(void*, Poignee f, const char* texte) { SetWindowTextA((HWND)f, texte); }
int EditModifie(void*, Poignee f) { return SendMessageA((HWND)f, EM_GETMODIFY, 0, 0) != 0; }
void EditModifieDefinir(void*, Poignee f, int modifie) {
  SendMessageA((HWND)f, EM_SETMODIFY, modifie, 0);
}
void CaseCocher(void*, Poignee f, int cochee) {
  SendMessageA((HWND)f, BM_SETCHECK, cochee ? BST_CHECKED : BST_UNCHECKED, 0);
}
void Focus(void*, Poignee f) { SetFocus((HWND)f); }

uint32_t ModuleChemin(void*, Poignee instance, char* chemin, uint32_t taille) {
  DWORD n = GetModuleFileNameA((HMODULE)instance, chemin, taille);
  // A cut path comes back unterminated on some systems.
  if (n >= taille) n = taille - 1;
  chemin[n] = 0;
  return n;
}

const char* CaractereSuivant(void*, const char* texte) { return CharNextA(texte); }

int DossierSpecial(void*, int quel, char* chemin) {
  chemin[0] = 0;
  LPITEMIDLIST liste = nullptr;
  if (SHGetSpecialFolderLocation(nullptr, quel, &liste) != S_OK) return 0;
  BOOL trouve = SHGetPathFromIDListA(liste, chemin);
  // The shell's list is freed with the shell's allocator.
  IMalloc* allocateur = nullptr;
  if (SHGetMalloc(&allocateur) == S_OK) {
    allocateur->Free(liste);
    allocateur->Release();
  }
  if (!trouve) chemin[0] = 0;
  return trouve != 0;
}

Poignee FocusActuel(void*) { return GetFocus(); }
void EditSelection(void*, Poignee edit, uint32_t* debut, uint32_t* fin) {
  DWORD d = 0, f = 0;
  SendMessageA((HWND)edit, EM_GETSEL, (WPARAM)&d, (LPARAM)&f);
  *debut = d;
  *fin = f;
}
void EditAction(void*, Poignee edit, ActionEdit action) {
  static const UINT messages[] = {WM_UNDO, WM_CUT, WM_COPY, WM_PASTE};
  SendMessageA((HWND)edit, messages[action], 0, 0);
}
int PressePapiersTexte(void*) { return IsClipboardFormatAvailable(CF_TEXT) != 0; }
void Aide(void*, Poignee fenetre, const char* fichier) {
  WinHelpA((HWND)fenetre, fichier, HELP_FORCEFILE, 0);
  // Wine's viewer ignores force-file; the contents, asked next, are the
  // page force-file shows on Windows.
  WinHelpA((HWND)fenetre, fichier, HELP_CONTENTS, 0);
}
void MinuteurDemarrer(void*, Poignee fenetre, unsigned id, unsigned periode) {
  SetTimer((HWND)fenetre, id, periode, nullptr);
}
void MinuteurArreter(void*, Poignee fenetre, unsigned id) { KillTimer((HWND)fenetre, id); }
void BoutonEnfonce(void*, Poignee bouton, int enfonce) {
  SendMessageA((HWND)bouton, BM_SETSTATE, enfonce, 0);
}

const char* CaracterePrecedent(void*, const char* texte, const char* courant) {
  return CharPrevA(texte, courant);
}
int Comparer(void*, const char* a, const char* b) { return lstrcmpA(a, b); }
void EditSelectionner(void*, Poignee edit, uint32_t debut, uint32_t fin) {
  SendMessageA((HWND)edit, EM_SETSEL, debut, fin);
  SendMessageA((HWND)edit, EM_SCROLLCARET, 0, 0);
}
unsigned Lancer(void*, const char* ligne) { return WinExec(ligne, SW_SHOWNORMAL); }
int Processus(void*, const char* ligne) {
  STARTUPINFOA demarrage = {};
  demarrage.cb = sizeof demarrage;
  PROCESS_INFORMATION infos = {};
  // CreateProcessA may write into its command line.
  char modifiable[1024];
  lstrcpynA(modifiable, ligne, sizeof modifiable);
  if (!CreateProcessA(nullptr, modifiable, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage,
                      &infos))
    return 0;
  CloseHandle(infos.hThread);
  CloseHandle(infos.hProcess);
  return 1;
}
int Acces(void*, const char* chemin) {
  return GetFileAttributesA(chemin) != INVALID_FILE_ATTRIBUTES;
}
int NomLong(void*, const char* chemin, char* nom) {
  WIN32_FIND_DATAA trouve;
  HANDLE h = FindFirstFileA(chemin, &trouve);
  if (h == INVALID_HANDLE_VALUE) return 0;
  FindClose(h);
  lstrcpynA(nom, trouve.cFileName, MAX_PATH);
  return 1;
}

void Entree(const WIN32_FIND_DATAA& trouve, EntreeDossier* entree) {
  lstrcpynA(entree->nom, trouve.cFileName, sizeof entree->nom);
  entree->attributs = trouve.dwFileAttributes;
}
Poignee ListePremier(void*, const char* motif, EntreeDossier* entree) {
  WIN32_FIND_DATAA trouve;
  HANDLE h = FindFirstFileA(motif, &trouve);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  Entree(trouve, entree);
  return (Poignee)h;
}
int ListeSuivant(void*, Poignee liste, EntreeDossier* entree) {
  WIN32_FIND_DATAA trouve;
  if (!FindNextFileA((HANDLE)liste, &trouve)) return 0;
  Entree(trouve, entree);
  return 1;
}
void ListeFermer(void*, Poignee liste) { FindClose((HANDLE)liste); }
int ExecutableAssocie(void*, const char* fichier, char* resultat) {
  resultat[0] = 0;
  // Results up to 32 are error codes.
  if ((INT_PTR)FindExecutableA(fichier, "", resultat) > 32) return 1;
  resultat[0] = 0;
  return 0;
}

// Filled by name: a member left out is a missing-field-initializers error
// under -Werror, never a silent shift.
const Memoire memoire = {
    .ctx = nullptr,
    .bloc_allouer = BlocAllouer,
    .bloc_reallouer = BlocReallouer,
    .bloc_verrouiller = BlocVerrouiller,
    .bloc_deverrouiller = BlocDeverrouiller,
    .bloc_liberer = BlocLiberer,
};

const Fichiers fichiers = {
    .ctx = nullptr,
    .fichier_ouvrir = FichierOuvrir,
    .fichier_creer = FichierCreer,
    .fichier_modifier = FichierModifier,
    .fichier_erreur = FichierErreur,
    .fichier_tronquer = FichierTronquer,
    .fichier_taille = FichierTaille,
    .fichier_positionner = FichierPositionner,
    .fichier_lire = FichierLire,
    .fichier_ecrire = FichierEcrire,
    .fichier_fermer = FichierFermer,
    .fichier_existe = FichierExiste,
    .fichier_supprimer = FichierSupprimer,
    .fichier_remplacer = FichierRemplacer,
    .fichier_temporaire = FichierTemporaire,
    .meme_fichier = MemeFichier,
    .dossier_temporaire = DossierTemporaire,
    .espace_libre = EspaceLibre,
    .acces = Acces,
    .nom_long = NomLong,
    .module_chemin = ModuleChemin,
    .liste_premier = ListePremier,
    .liste_suivant = ListeSuivant,
    .liste_fermer = ListeFermer,
};

const Fenetres fenetres = {
    .ctx = nullptr,
    .message = Message,
    .curseur = Curseur,
    .redessiner = Redessiner,
    .fenetre_texte_longueur = TexteLongueur,
    .fenetre_texte_lire = TexteLire,
    .fenetre_texte_ecrire = TexteEcrire,
    .edit_modifie = EditModifie,
    .edit_modifie_definir = EditModifieDefinir,
    .edit_selection = EditSelection,
    .edit_selectionner = EditSelectionner,
    .edit_action = EditAction,
    .case_cocher = CaseCocher,
    .bouton_enfonce = BoutonEnfonce,
    .focus = Focus,
    .focus_actuel = FocusActuel,
    .minuteur_demarrer = MinuteurDemarrer,
    .minuteur_arreter = MinuteurArreter,
};

const Caracteres caracteres = {
    .ctx = nullptr,
    .caractere_suivant = CaractereSuivant,
    .caractere_precedent = CaracterePrecedent,
    .comparer = Comparer,
};

const Coquille coquille = {
    .ctx = nullptr,
    .dossier_special = DossierSpecial,
    .executable_associe = ExecutableAssocie,
    .lancer = Lancer,
    .processus = Processus,
    .aide = Aide,
};

const PressePapiers presse_papiers = {
    .ctx = nullptr,
    .presse_papiers_texte = PressePapiersTexte,
};

const DialoguesCommuns dialogues_communs = {
    .ctx = nullptr,
    .dialogue_fichier = DialogueFichierSysteme,
};

}  // namespace

const Memoire* MemoireSysteme() { return &memoire; }
const Fichiers* FichiersSysteme() { return &fichiers; }
const Fenetres* FenetresSysteme() { return &fenetres; }
const Caracteres* CaracteresSysteme() { return &caracteres; }
const Coquille* CoquilleSysteme() { return &coquille; }
const PressePapiers* PressePapiersSysteme() { return &presse_papiers; }
const DialoguesCommuns* DialoguesCommunsSysteme() { return &dialogues_communs; }
