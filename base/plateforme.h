// The seam between the portable core and the operating system: one small
// record of function pointers per concern, each with its own ctx. The Win32
// layer fills them with real calls (plateforme_win32.cpp); tests, benchmarks
// and fuzz targets with fakes. A module takes only the records it uses. The
// dialogs of a library are its own record, declared in its folder. No core
// file includes <windows.h>.
#pragma once
#include <cstddef>
#include <cstdint>

// Window, cursor, memory block and open file handles cross the seam opaque.
typedef void* Poignee;

// Message box buttons and icons (the platform's own values).
enum : unsigned {
  BOITE_OK = 0x00,
  BOITE_OK_ANNULER = 0x01,
  BOITE_OUI_NON_ANNULER = 0x03,
  BOITE_OUI_NON = 0x04,
  ICONE_ERREUR = 0x10,
  ICONE_QUESTION = 0x20,
  ICONE_ATTENTION = 0x30,
  ICONE_INFORMATION = 0x40,
};

// Shell special folders (the platform's own values).
enum : int {
  DOSSIER_MES_DOCUMENTS = 0x05,
  DOSSIER_FAVORIS = 0x06,
  DOSSIER_MENU_DEMARRER = 0x0b,
};

// What an edit control is asked to do with its selection.
enum ActionEdit { EDIT_ANNULER, EDIT_COUPER, EDIT_COPIER, EDIT_COLLER };

// Buttons a message box answers with.
enum : int {
  REPONSE_OK = 1,
  REPONSE_ANNULER = 2,
  REPONSE_OUI = 6,
  REPONSE_NON = 7,
};

// A common open or save-as dialog.
struct DialogueFichier {
  Poignee proprietaire;         // owner window
  const char* filtre;           // pairs of NUL-terminated texts, ended by an empty one
  const char* titre;            // caption
  const char* dossier_initial;  // folder the dialog opens in
  char* chemin;                 // in: initial name, out: the chosen full path
  uint32_t taille_chemin;       // size of chemin in bytes
  const char* extension;        // default extension, or null
  int enregistrer;              // 1: save-as dialog, 0: open dialog
  int cacher_lecture_seule;     // hide the read-only box
  int chemin_doit_exister;      // the path must exist
  int confirmer_ecrasement;     // ask before overwriting
  uint32_t erreur;              // out: extended error code, 0 on OK or cancel
};

// Why a file could not be opened or created.
enum ErreurFichier {
  ERREUR_FICHIER_AUTRE = 0,
  ERREUR_FICHIER_INTROUVABLE,    // no such file or folder
  ERREUR_FICHIER_INTERDIT,       // access denied
  ERREUR_FICHIER_TROP_OUVERTS,   // too many open files
  ERREUR_FICHIER_ACCES_INVALIDE, // invalid access mode
};

// One entry of a folder listing.
struct EntreeDossier {
  char nom[260];       // the name alone, "." and ".." included
  uint32_t attributs;  // ATTRIBUT_ flags
};

// File attributes (the platform's own values).
enum : uint32_t {
  ATTRIBUT_LECTURE_SEULE = 0x01,
  ATTRIBUT_CACHE = 0x02,
  ATTRIBUT_SYSTEME = 0x04,
  ATTRIBUT_DOSSIER = 0x10,
  ATTRIBUT_ARCHIVE = 0x20,
};

struct Memoire {
  void* ctx;  // handed back to every call
  Poignee (*bloc_allouer)(void* ctx, uint32_t taille);
  Poignee (*bloc_reallouer)(void* ctx, Poignee bloc, uint32_t taille);
  uint8_t* (*bloc_verrouiller)(void* ctx, Poignee bloc);
  void (*bloc_deverrouiller)(void* ctx, Poignee bloc);
  void (*bloc_liberer)(void* ctx, Poignee bloc);
};

// Files and folders.
struct Fichiers {
  void* ctx;
  // Raw files. ouvrir reads, creer creates or truncates for reading and
  // writing; both return null on failure.
  Poignee (*fichier_ouvrir)(void* ctx, const char* chemin);
  Poignee (*fichier_creer)(void* ctx, const char* chemin);
  // Opens an existing file for reading and writing; null on failure.
  Poignee (*fichier_modifier)(void* ctx, const char* chemin);
  // Why the last ouvrir, creer or modifier failed (ErreurFichier); asked
  // at once, before any other call.
  int (*fichier_erreur)(void* ctx);
  // Cuts the file at taille bytes.
  int (*fichier_tronquer)(void* ctx, Poignee fichier, int64_t taille);
  int64_t (*fichier_taille)(void* ctx, Poignee fichier);  // -1 on failure
  int (*fichier_positionner)(void* ctx, Poignee fichier, int64_t position);
  size_t (*fichier_lire)(void* ctx, Poignee fichier, void* tampon, size_t n);
  size_t (*fichier_ecrire)(void* ctx, Poignee fichier, const void* tampon, size_t n);
  int (*fichier_fermer)(void* ctx, Poignee fichier);  // 0 when buffered data could not be written
  int (*fichier_existe)(void* ctx, const char* chemin);
  int (*fichier_supprimer)(void* ctx, const char* chemin);
  // Moves source over cible, replacing it.
  int (*fichier_remplacer)(void* ctx, const char* source, const char* cible);
  // A new empty file with a unique name in dossier; its path goes to chemin (260 bytes).
  int (*fichier_temporaire)(void* ctx, const char* dossier, char* chemin);
  // 1 when both paths name the same existing file, whatever their letter
  // case or form (short or long names).
  int (*meme_fichier)(void* ctx, const char* a, const char* b);
  // The system's folder for temporary files, with its final backslash,
  // into chemin (260 bytes); 0 when there is none.
  int (*dossier_temporaire)(void* ctx, char* chemin);
  // Free bytes of the drive whose root is racine ("C:\"); 0 when unknown.
  int (*espace_libre)(void* ctx, const char* racine, uint64_t* octets);
  // 1 when the path names something that exists (an access test).
  int (*acces)(void* ctx, const char* chemin);
  // The long name that the file system stores for the last component of an
  // existing path (its find-first-file entry) into nom (260 bytes); 0 when none.
  int (*nom_long)(void* ctx, const char* chemin, char* nom);
  // Full path of the module loaded as instance, at most taille - 1 bytes and
  // a NUL; returns the bytes copied.
  uint32_t (*module_chemin)(void* ctx, Poignee instance, char* chemin, uint32_t taille);
  // Folder listing by pattern ("C:\d\*.*"): a listing and its first entry,
  // null when nothing matches; then 1 per further entry, 0 at the end.
  Poignee (*liste_premier)(void* ctx, const char* motif, EntreeDossier* entree);
  int (*liste_suivant)(void* ctx, Poignee liste, EntreeDossier* entree);
  void (*liste_fermer)(void* ctx, Poignee liste);
};

// Windows, controls and messages.
struct Fenetres {
  void* ctx;
  // Message box; returns the REPONSE_ of the button pressed.
  int (*message)(void* ctx, Poignee proprietaire, const char* texte, const char* titre,
                 unsigned style);
  void (*curseur)(void* ctx, Poignee curseur);
  // Repaint a window at once (no message loop runs during a command).
  void (*redessiner)(void* ctx, Poignee fenetre);
  size_t (*fenetre_texte_longueur)(void* ctx, Poignee fenetre);
  // Copies at most taille - 1 bytes and a NUL; returns the bytes copied.
  size_t (*fenetre_texte_lire)(void* ctx, Poignee fenetre, char* tampon, size_t taille);
  void (*fenetre_texte_ecrire)(void* ctx, Poignee fenetre, const char* texte);
  int (*edit_modifie)(void* ctx, Poignee edit);
  void (*edit_modifie_definir)(void* ctx, Poignee edit, int modifie);
  // Selection of an edit control, in characters.
  void (*edit_selection)(void* ctx, Poignee edit, uint32_t* debut, uint32_t* fin);
  // Selects characters debut to fin of an edit and scrolls them into view.
  void (*edit_selectionner)(void* ctx, Poignee edit, uint32_t debut, uint32_t fin);
  void (*edit_action)(void* ctx, Poignee edit, ActionEdit action);
  void (*case_cocher)(void* ctx, Poignee bouton, int cochee);
  // Pressed or released look of a push button.
  void (*bouton_enfonce)(void* ctx, Poignee bouton, int enfonce);
  void (*focus)(void* ctx, Poignee fenetre);
  // The window that has the keyboard focus.
  Poignee (*focus_actuel)(void* ctx);
  void (*minuteur_demarrer)(void* ctx, Poignee fenetre, unsigned id, unsigned periode_ms);
  void (*minuteur_arreter)(void* ctx, Poignee fenetre, unsigned id);
};

// 8-bit texts as the user's language sees them: stepping through them
// character by character (CharNextA, CharPrevA), and their order.
struct Caracteres {
  void* ctx;
  // The next character (a NUL stays where it is).
  const char* (*caractere_suivant)(void* ctx, const char* texte);
  // The character before courant in texte; texte itself at the start.
  const char* (*caractere_precedent)(void* ctx, const char* texte, const char* courant);
  // The user locale's case-sensitive linguistic order (lstrcmpA): below 0
  // when a comes first, 0 when equal, above 0 when b comes first.
  int (*comparer)(void* ctx, const char* a, const char* b);
};

// The shell: special folders, associated programs, launching, help.
struct Coquille {
  void* ctx;
  // A shell folder (DOSSIER_) into chemin (260 bytes); 0 when unknown.
  int (*dossier_special)(void* ctx, int quel, char* chemin);
  // The program the system associates with a file (an empty default
  // folder) into resultat (260 bytes); 0 when there is none.
  int (*executable_associe)(void* ctx, const char* fichier, char* resultat);
  // WinExec of a command line, shown normally: its result (below 32: failure).
  unsigned (*lancer)(void* ctx, const char* ligne);
  // A process started from a command line alone; 0 when it could not start.
  int (*processus)(void* ctx, const char* ligne);
  // Opens a help file with the force-file command, for a window.
  void (*aide)(void* ctx, Poignee fenetre, const char* fichier);
};

struct PressePapiers {
  void* ctx;
  int (*presse_papiers_texte)(void* ctx);  // 1 when the clipboard holds text
};

// The common dialogs. The folder chooser is the import library's: its
// panels live in that library's resources.
struct DialoguesCommuns {
  void* ctx;
  // Open or save-as dialog: 1 chosen, 0 cancelled or failed (erreur).
  int (*dialogue_fichier)(void* ctx, DialogueFichier* dialogue);
};

// The records of this process: the Win32 tables in the program and DLLs,
// the installed fakes in the unit tests.
const Memoire* MemoireSysteme();
const Fichiers* FichiersSysteme();
const Fenetres* FenetresSysteme();
const Caracteres* CaracteresSysteme();
const Coquille* CoquilleSysteme();
const PressePapiers* PressePapiersSysteme();
const DialoguesCommuns* DialoguesCommunsSysteme();
