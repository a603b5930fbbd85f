// The one fake of every record of the seam, for the unit tests, the
// benchmarks and the fuzz targets: records every message and answers from a
// script, keeps real files under a scratch folder that stands for the drive
// C:, and fails on request (allocation, creation, writing, disk space). No
// GoogleTest here: the scripted helpers that need it stay in tests/unit.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "plateforme.h"
#include "systeme_affic.h"
#include "systeme_calcul.h"
#include "systeme_import.h"
#include "systeme_liens.h"
#include "systeme_programme.h"
#include "systeme_donnees.h"
#include "systeme_gest.h"
#include "systeme_impression.h"

struct MessageVu {
  std::string texte;
  std::string titre;
  unsigned style;
  Poignee proprietaire;
};

struct FenetreFausse {
  std::string texte;
  int modifie = 0;
  int cochee = 0;
  uint32_t debut_selection = 0, fin_selection = 0;
  int enfonce = 0;
  std::vector<ActionEdit> actions;
};

// A result box of lvxcalc, as it was shown.
struct ResultatVu {
  std::string ligne1, ligne2, nombre;
  Poignee proprietaire;
};

// A progress box of a print run, as it was opened.
struct BoiteImpressionVue {
  std::string modele;
  Poignee proprietaire;
  unsigned annuler;
};

struct FauxSysteme {
  // One fake of each record, all on this object; programme and import hold
  // them as those modules take them.
  Memoire memoire;
  Fichiers fichiers;
  Fenetres fenetres;
  Caracteres caracteres;
  Coquille coquille;
  PressePapiers presse_papiers;
  DialoguesCommuns communs;
  DialoguesProgramme dialogues_programme;
  DialoguesImport dialogues_import;
  SystemeProgramme programme;
  SystemeImport import;
  std::string racine;  // Linux folder standing for C:\ (no trailing slash)

  std::vector<MessageVu> messages;
  std::deque<int> reponses;  // answers to the next message boxes; OK when empty

  // Memory: the nth allocation or reallocation from now fails (0: none).
  int echec_allocation_dans = 0;
  int blocs_vivants = 0;
  // 1: a reallocated block always moves, so that stale pointers show up
  // under the sanitizers; the benchmarks take realloc as it comes.
  int deplacer_blocs = 1;

  // Files.
  int fichiers_ouverts = 0;
  int creation_echoue = 0;
  int erreur_creation = ERREUR_FICHIER_AUTRE;  // the cause given when creation fails
  int erreur_fichier = ERREUR_FICHIER_AUTRE;   // cause of the last failed open or create
  std::string dossier_temporaire = "C:\\Temp\\";
  int64_t ecriture_echoue_apres = -1;  // bytes accepted before writes fail
  int remplacement_echoue = 0;
  int espace_connu = 1;
  uint64_t espace_libre = UINT64_C(1) << 40;
  int64_t octets_ecrits = 0;
  std::vector<size_t> ecritures;  // size of each write asked for
  std::vector<std::string> fichiers_crees;

  // File dialogs: the paths chosen, in order; an empty one cancels.
  std::deque<std::string> choix_fichiers;
  uint32_t erreur_dialogue = 0;
  std::vector<DialogueFichier> dialogues;
  std::vector<std::string> dossiers_initiaux;
  std::vector<std::string> titres_dialogues;

  std::map<Poignee, FenetreFausse> controles;
  int texte_copie = 0;                     // 1: the clipboard holds text
  std::vector<std::string> aides;          // help files opened
  std::map<unsigned, unsigned> minuteurs;  // running timers: id -> period
  std::deque<std::string> reponses_aller;  // texts typed in the go-to dialog; "\x1b" cancels
  std::vector<std::string> lancements;     // command lines given to lancer
  unsigned resultat_lancer = 33;
  std::vector<std::string> processus;  // command lines of the processes started
  int processus_echoue = 0;
  std::map<std::string, std::string> noms_longs;  // path -> long name of its last component
  // What the user does in the main program's dialogs; an empty queue cancels.
  std::deque<std::function<int(struct DialogueCriteres*)>> dans_criteres;
  std::deque<std::pair<std::string, std::string>> plages;  // typed numbers; {"\x1b", ""} cancels
  std::vector<std::string> titres_plages;
  std::deque<std::function<int(uint16_t*)>> dans_incompletes;
  // IMPRIMERBOX: what the user does there (an empty queue cancels), over
  // the window it is given.
  std::deque<std::function<int(struct DialogueImprimer*)>> dans_imprimer;
  Poignee fenetre_imprimer = (Poignee)0x1B0;
  // The printer: the platform's print dialog does what is queued, the
  // default printer at start-up included (an empty queue: cancelled, no
  // printer), and notes its flags and owner; the fonts ("hauteur/graisse/
  // souligne") and pens made; the objects and device contexts freed.
  Imprimante imprimante;
  std::deque<std::function<int(EnregistrementImpression*)>> dans_impression;
  std::vector<uint32_t> drapeaux_impression;
  std::vector<Poignee> proprietaires_impression;
  std::vector<std::string> polices;
  std::vector<int> stylos;
  std::vector<Poignee> objets_liberes;
  std::vector<Poignee> contextes_liberes;
  // Folder listings: attributes other than the plain file or folder ones,
  // by Windows path; the programs associated with an extension (".txt").
  std::map<std::string, uint32_t> attributs;
  std::map<std::string, std::string> associations;
  std::vector<std::string> motifs_listes;
  // What the user does in the folder chooser and in the import dialogs; an
  // empty queue cancels.
  std::deque<std::function<int(DialogueDossier*)>> dans_dossiers;
  std::vector<DialogueDossier> dialogues_dossier;
  std::deque<std::function<int(struct DialogueImport*)>> dans_import;
  std::vector<int> modeles_import;
  // lvxliens's dialogs: what the user does in them (an empty queue
  // cancels), and the models shown.
  DialoguesLiens dialogues_liens;
  std::deque<std::function<int(struct DialogueLiens*)>> dans_liens;
  std::vector<int> modeles_liens;
  Poignee focus = nullptr;
  int redessins = 0;
  std::vector<Poignee> curseurs;

  // Module path given for any instance, and the shell folders known (by DOSSIER_).
  std::string chemin_module = "C:\\Program Files\\Lorvanix\\lorvanix.exe";
  std::map<int, std::string> dossiers_speciaux;

  // lvxspec's export dialog: what the user does there, in turn; an empty
  // queue cancels.
  DialoguesSpec dialogues_spec;
  std::deque<std::function<int(struct DialogueSpec*)>> dans_spec;

  // lvxaffic's dialogs: what the user does in the list (an empty queue
  // closes it) and in the criteria dialog over it (an empty queue cancels).
  DialoguesAffic dialogues_affic;
  std::deque<std::function<void(struct DialogueListes*)>> dans_listes;
  std::deque<std::function<int(struct DialogueEnvRecherche*)>> dans_env_recherche;
  // lvxgest's conversion dialogs: what the user does in them (an empty
  // queue cancels) and the models shown; its "Choisir un chemin :"
  // chooser: the paths its OK gives, in turn ("" is Annuler), the folders
  // it opened in, and the error it fails with (0: none).
  DialoguesGest dialogues_gest;
  std::deque<std::function<int(struct DialogueConversion*)>> dans_conversion;
  std::vector<int> modeles_conversion;
  std::deque<std::string> chemins_choisis;
  std::vector<std::string> dossiers_chemins;
  uint32_t erreur_chemin = 0;
  // lvxcalc's result boxes shown, in order.
  DialoguesCalcul dialogues_calcul;
  std::vector<ResultatVu> resultats_calcul;

  // The printing libraries' page device: every call that draws or drives
  // the spooler as one line of dessins, measures left out ("page debut",
  // "texte 955 955 URL:"); single characters drawn one after another on a
  // line make one "car x y ..." line as long as each starts where the one
  // before ended. Characters are 100 twips wide, "M" and "W" 200, control
  // characters 0. Fonts and pens are named by noms_objets. The nth page
  // start or end from now fails (0: none); so does the document's start
  // when echec_debut_document is 1.
  PageImpression page_impression;
  std::vector<std::string> dessins;
  int page_largeur_mm = 210, page_hauteur_mm = 297;
  std::map<Poignee, std::string> noms_objets;
  int echec_debut_document = 0;
  int echec_debut_page_dans = 0;
  int echec_fin_page_dans = 0;
  size_t ligne_caracteres = SIZE_MAX;  // the "car" line still open
  int x_caracteres = 0, y_caracteres = 0;  // where its next character would start
  // Their progress boxes: those opened, the texts each control received in
  // turn (none once the box is gone), the windows enabled (1) or disabled
  // (0) in turn, the device contexts given an abort procedure. The nth
  // message pump from now presses Annuler (0: never): the abort flag is
  // set, the owner enabled, the box gone.
  ProgressionImpression progression_impression;
  std::vector<BoiteImpressionVue> boites_impression;
  std::map<unsigned, std::vector<std::string>> textes_impression;
  std::vector<std::pair<Poignee, int>> activations;
  std::vector<Poignee> procedures_abandon;
  int pompages = 0;
  int annuler_au_pompage = 0;
  int boite_impression_ouverte = 0;
  int* abandon_impression = nullptr;

  FauxSysteme();  // racine set later
  explicit FauxSysteme(const std::string& racine_dossier);
  ~FauxSysteme();

  // "C:\a\b.lvx" -> <racine>/a/b.lvx
  std::string Linux(const std::string& chemin_windows) const;
  std::string Lire(const std::string& chemin_windows) const;
  void Ecrire(const std::string& chemin_windows, const std::string& octets) const;
  int Existe(const std::string& chemin_windows) const;
  // Texts of the messages seen, in order.
  std::vector<std::string> Textes() const;
};

// A fresh scratch folder for one test, removed by the destructor.
struct DossierTemporaire {
  std::string chemin;
  DossierTemporaire();
  ~DossierTemporaire();
};

// Makes this fake's records those returned by MemoireSysteme() and the others.
void InstallerFauxSysteme(FauxSysteme* faux);
