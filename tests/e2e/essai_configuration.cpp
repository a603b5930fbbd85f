// The configuration files of the program folder across runs: "Ouvrir par
// défaut" written by one run and read by the next, the bookmark and mail
// paths written back on quit, and the messages at start for a missing or
// malformed file.
#include <cstdio>

#include "attentes.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

constexpr int CMD_NOUVEAU = 417;
constexpr int CMD_OUVRIR_PAR_DEFAUT = 307;
constexpr size_t TAILLE_CHEMIN = 256;

const char* const ENTETE_OUVDEF = "Sauvegarde du chemin du fichier à charger à l'ouverture de Lorvanix";
const char* const ENTETE_BOOKDEF = "Sauvegarde du chemin du fichier de signets netscape";
const char* const ENTETE_COURDEF = "Sauvegarde du chemin du répertoire de courrier";
const char* const ENTETE_NAVIGDEF = "Fichier de sauvegarde du chemin du navigateur par defaut de Lorvanix";

const char* const SANS_NOM =
    "Le travail en cours ne comporte pas de nom. Si vous choisissez OK il n'y aura pas d'ouverture de "
    "fichier par défaut la prochaine fois que vous lancerez Lorvanix.";

// A configuration file as written: the header, its NUL, a 256-byte path
// field holding the path and its NUL (`reste` fills the field after it).
std::string Configuration(const std::string& entete, const std::string& chemin, char reste = '\0') {
  std::string champ = chemin + '\0';
  champ.resize(TAILLE_CHEMIN, reste);
  return entete + '\0' + champ;
}

// The file holds `entete` and `chemin` in that form (bytes after the
// path's NUL are free).
void VerifierConfiguration(const std::string& fichier, const std::string& entete, const std::string& chemin) {
  std::string octets;
  if (!Verifier(LireFichier(fichier, octets), "lecture de " + fichier)) return;
  VerifierEntier(static_cast<long long>(octets.size()), static_cast<long long>(entete.size() + 1 + TAILLE_CHEMIN),
                 "taille de " + fichier);
  VerifierTexte(octets.substr(0, entete.size() + 1), entete + '\0', "en-tete de " + fichier);
  const std::string champ = octets.size() > entete.size() + 1 ? octets.substr(entete.size() + 1) : "";
  VerifierTexte(champ.substr(0, champ.find('\0')), chemin, "chemin de " + fichier);
  Verifier(champ.find('\0') != std::string::npos, "chemin termine par un NUL");
}

std::string Dans(const Programme& p, const char* nom) { return p.dossier + "\\" + nom; }

constexpr int CMD_CHOISIR_NAVIGATEUR = 467;
const char* const TITRE_NAVIGATEUR = "Navigateur à lancer sur l'URL par Connecter... :";
const char* const NAVIGATEUR_PAR_DEFAUT =
    "Souhaitez vous que ce navigateur soit pris par défaut lors des prochaines sessions de Lorvanix ?";

std::string NavigateurActuel(const std::string& chemin) {
  return "Le navigateur actuel est:\n\n" + chemin +
         "\n\nSi vous choisissez OK vous pourrez en choisir un autre parmi ceux déja installés sur votre "
         "ordinateur.";
}

// Run 1 makes the loaded file the default (after one "Annuler"); run 2, in
// the same program folder with no command line, opens it.
void OuvrirParDefaut() {
  const std::string chemin = PreparerDossier("donnees\\configuration_defaut") + "\\favoris.lvx";
  std::string octets;
  Programme p;
  if (!CopierExemple(chemin, octets) || !Verifier(PiloteInstaller(p, "configuration_defaut"), "dossier du programme")) {
    return;
  }
  // The bookmark and mail paths are read at start and written back on
  // quit: the extra bytes after the path field go.
  const std::string signets = "C:\\Netscape\\bookmark.htm";
  const std::string courrier = "C:\\Courrier\\Boîte";
  Verifier(EcrireFichier(Dans(p, "bookdef.cfg"), Configuration(ENTETE_BOOKDEF, signets, 'x') + "en trop") &&
               EcrireFichier(Dans(p, "courdef.cfg"), Configuration(ENTETE_COURDEF, courrier, 'y') + "en trop"),
           "bookdef.cfg et courdef.cfg garnis");
  std::string ouvdef_avant;
  LireFichier(Dans(p, "ouvdef.cfg"), ouvdef_avant);

  const std::string question = "Si vous choissez OK, le fichier :\n\n" + chemin +
                               "\n\nsera chargé automatiquement au prochain lancement de Lorvanix.";
  if (Verifier(PiloteRedemarrer(p, "\"" + chemin + "\""), "premier lancement avec " + chemin)) {
    VerifierFichierCharge(p, "favoris.lvx", octets);
    PiloteCommande(p, CMD_OUVRIR_PAR_DEFAUT);
    if (VerifierBoite(p, question, Icone::Exclamation, {IDOK, IDCANCEL}, IDCANCEL)) {
      std::string apres;
      PiloteSynchroniser(p);
      Verifier(LireFichier(Dans(p, "ouvdef.cfg"), apres) && apres == ouvdef_avant, "Annuler : ouvdef.cfg inchange");
    }
    PiloteCommande(p, CMD_OUVRIR_PAR_DEFAUT);
    if (VerifierBoite(p, question, Icone::Exclamation, {IDOK, IDCANCEL}, IDOK)) {
      PiloteSynchroniser(p);
      VerifierConfiguration(Dans(p, "ouvdef.cfg"), ENTETE_OUVDEF, chemin);
    }
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
    VerifierConfiguration(Dans(p, "bookdef.cfg"), ENTETE_BOOKDEF, signets);
    VerifierConfiguration(Dans(p, "courdef.cfg"), ENTETE_COURDEF, courrier);
  }
  PiloteTerminer(p);

  if (Verifier(PiloteRedemarrer(p, ""), "second lancement, sans ligne de commande")) {
    VerifierFichierCharge(p, "favoris.lvx", octets);
    Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "aucun message");
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

// An unnamed work made the default writes an empty path: the next start
// opens nothing and says nothing.
void DefautSansNom() {
  Programme p;
  if (!Verifier(PiloteInstaller(p, "configuration_sans_nom"), "dossier du programme")) return;
  // The first run opens the sample by default, then leaves it for a new work.
  std::string octets;
  LireFichier(Dans(p, "exemple.lvx"), octets);
  Verifier(EcrireFichier(Dans(p, "ouvdef.cfg"), Configuration(ENTETE_OUVDEF, Dans(p, "exemple.lvx"))),
           "ouvdef.cfg vers exemple.lvx");
  if (Verifier(PiloteRedemarrer(p, ""), "premier lancement")) {
    VerifierFichierCharge(p, "exemple.lvx", octets);
    PiloteCommande(p, CMD_NOUVEAU);
    PiloteAttendre([&] { return PiloteTitre(p) == "Lorvanix 6.1 Sans-Nom"; });
    VerifierTravailVierge(p);
    PiloteCommande(p, CMD_OUVRIR_PAR_DEFAUT);
    if (VerifierBoite(p, SANS_NOM, Icone::Exclamation, {IDOK, IDCANCEL}, IDCANCEL)) {
      PiloteSynchroniser(p);
      VerifierConfiguration(Dans(p, "ouvdef.cfg"), ENTETE_OUVDEF, Dans(p, "exemple.lvx"));
    }
    PiloteCommande(p, CMD_OUVRIR_PAR_DEFAUT);
    if (VerifierBoite(p, SANS_NOM, Icone::Exclamation, {IDOK, IDCANCEL}, IDOK)) {
      PiloteSynchroniser(p);
      VerifierConfiguration(Dans(p, "ouvdef.cfg"), ENTETE_OUVDEF, "");
    }
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);

  if (Verifier(PiloteRedemarrer(p, ""), "second lancement")) {
    Sleep(500);
    Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "aucun message au demarrage");
    VerifierTravailVierge(p);
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

// One start with the files of the program folder changed by `preparer`:
// `message` (error icon) is shown after the information box, or nothing
// when it is null; the work is then untitled and empty.
template <typename Preparer>
void DemarrerAvec(const std::string& cas, const char* message, Preparer preparer) {
  std::printf("-- %s\n", cas.c_str());
  Programme p;
  if (!Verifier(PiloteInstaller(p, cas), "dossier du programme") || !Verifier(preparer(p), "fichiers prepares")) {
    return;
  }
  if (Verifier(PiloteRedemarrer(p, ""), "demarrage")) {
    if (message) {
      VerifierBoite(p, message, Icone::Erreur, {IDOK}, IDOK);
    } else {
      Sleep(500);
      Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "aucun message au demarrage");
    }
    PiloteSynchroniser(p);
    VerifierTravailVierge(p);
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

// A header that differs in the case of one letter is refused as a whole.
std::string EnteteMinuscule(const char* entete) {
  std::string texte = entete;
  texte[0] = static_cast<char>(texte[0] - 'A' + 'a');
  return texte;
}

void FichiersAbsentsOuErrones() {
  DemarrerAvec("configuration_navigdef_absent", "Erreur de lecture du fichier navigdef.cfg",
               [](Programme& p) { return DeleteFileA(Dans(p, "navigdef.cfg").c_str()) != 0; });
  DemarrerAvec("configuration_navigdef_errone", "Le format du fichier navigdef.cfg n'est pas valide",
               [](Programme& p) {
                 return EcrireFichier(Dans(p, "navigdef.cfg"),
                                      Configuration(EnteteMinuscule(ENTETE_NAVIGDEF), "C:\\navigateur.exe"));
               });
  // A readable default naming the sample, but under a wrong header: not opened.
  DemarrerAvec("configuration_ouvdef_errone", "Le format du fichier ouvdef.cfg n'est pas valide",
               [](Programme& p) {
                 return EcrireFichier(Dans(p, "ouvdef.cfg"),
                                      Configuration(EnteteMinuscule(ENTETE_OUVDEF), Dans(p, "exemple.lvx")));
               });
  DemarrerAvec("configuration_bookdef_errone", "Le format du fichier bookdef.cfg n'est pas valide",
               [](Programme& p) {
                 return EcrireFichier(Dans(p, "bookdef.cfg"),
                                      Configuration(EnteteMinuscule(ENTETE_BOOKDEF), "C:\\bookmark.htm"));
               });
  DemarrerAvec("configuration_absents", nullptr, [](Programme& p) {
    return DeleteFileA(Dans(p, "ouvdef.cfg").c_str()) && DeleteFileA(Dans(p, "bookdef.cfg").c_str()) &&
           DeleteFileA(Dans(p, "courdef.cfg").c_str());
  });
}

// The browser of navigdef.cfg (bytes after its 325 are ignored) is the one
// "Choisir le navigateur..." shows; cancelling keeps it; a file chosen and
// kept as default is written back whole.
void ChoisirNavigateur() {
  Programme p;
  if (!Verifier(PiloteInstaller(p, "configuration_navigateur"), "dossier du programme")) return;
  const std::string ancien = "C:\\Navigateurs\\lynx.exe";
  const std::string nouveau = Dans(p, "lorvanix.exe");
  Verifier(EcrireFichier(Dans(p, "navigdef.cfg"), Configuration(ENTETE_NAVIGDEF, ancien) + "octets en trop"),
           "navigdef.cfg de 325 octets et quelques autres");
  if (Verifier(PiloteRedemarrer(p, ""), "demarrage")) {
    Sleep(300);
    Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "aucun message au demarrage");
    PiloteCommande(p, CMD_CHOISIR_NAVIGATEUR);
    VerifierBoite(p, NavigateurActuel(ancien), Icone::Exclamation, {IDOK, IDCANCEL}, IDCANCEL);

    // OK, then the file dialog cancelled: the browser stays.
    PiloteCommande(p, CMD_CHOISIR_NAVIGATEUR);
    if (VerifierBoite(p, NavigateurActuel(ancien), Icone::Exclamation, {IDOK, IDCANCEL}, IDOK)) {
      HWND dialogue = PiloteAttendreDialogue(p, TITRE_NAVIGATEUR);
      if (Verifier(dialogue != nullptr, "le choix du navigateur s'ouvre")) {
        PostMessageA(dialogue, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        Verifier(PiloteAttendreDisparition(dialogue), "Annuler ferme le choix");
      }
    }
    PiloteCommande(p, CMD_CHOISIR_NAVIGATEUR);
    VerifierBoite(p, NavigateurActuel(ancien), Icone::Exclamation, {IDOK, IDCANCEL}, IDCANCEL);

    // A file chosen and kept for the next sessions.
    PiloteCommande(p, CMD_CHOISIR_NAVIGATEUR);
    if (VerifierBoite(p, NavigateurActuel(ancien), Icone::Exclamation, {IDOK, IDCANCEL}, IDOK) &&
        Verifier(PiloteRepondreFichier(p, TITRE_NAVIGATEUR, nouveau), "navigateur choisi : " + nouveau) &&
        VerifierBoite(p, NAVIGATEUR_PAR_DEFAUT, Icone::Question, {IDYES, IDNO}, IDYES)) {
      PiloteSynchroniser(p);
      VerifierConfiguration(Dans(p, "navigdef.cfg"), ENTETE_NAVIGDEF, nouveau);
      PiloteCommande(p, CMD_CHOISIR_NAVIGATEUR);
      VerifierBoite(p, NavigateurActuel(nouveau), Icone::Exclamation, {IDOK, IDCANCEL}, IDCANCEL);
    }
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

// The program file gone from its folder (a removed start disk): setting the
// default warns, looks again, and fails unless the file came back in
// between; quitting writes no configuration.
void DisqueAbsent() {
  const char* const INSEREZ =
      "Pour que Lorvanix puisse mettre à jour ses fichiers de configuration vous devez insérer le disque de "
      "lancement en vérifiant qu'il n'est pas protégé en écriture !";
  Programme p;
  if (!Verifier(PiloteInstaller(p, "configuration_disque_absent"), "dossier du programme")) return;
  const std::string exe = Dans(p, "lorvanix.exe");
  const std::string ailleurs = Dans(p, "lorvanix.exe.retire");
  const std::string exemple = Dans(p, "exemple.lvx");
  std::string octets;
  LireFichier(exemple, octets);
  Verifier(EcrireFichier(Dans(p, "ouvdef.cfg"), Configuration(ENTETE_OUVDEF, exemple)), "ouvdef.cfg vers exemple.lvx");
  if (!Verifier(PiloteRedemarrer(p, ""), "demarrage")) {
    PiloteTerminer(p);
    return;
  }
  VerifierFichierCharge(p, "exemple.lvx", octets);

  Verifier(MoveFileA(exe.c_str(), ailleurs.c_str()) != 0, "lorvanix.exe retire du dossier");
  PiloteCommande(p, CMD_NOUVEAU);
  PiloteAttendre([&] { return PiloteTitre(p) == "Lorvanix 6.1 Sans-Nom"; });
  PiloteCommande(p, CMD_OUVRIR_PAR_DEFAUT);
  if (VerifierBoite(p, SANS_NOM, Icone::Exclamation, {IDOK, IDCANCEL}, IDOK) &&
      VerifierBoite(p, INSEREZ, Icone::Exclamation, {IDOK}, IDOK) &&
      VerifierBoite(p, "Lorvanix n'a pas pu mettre à jour ses fichiers de configuration.", Icone::Erreur, {IDOK},
                    IDOK)) {
    PiloteSynchroniser(p);
    VerifierConfiguration(Dans(p, "ouvdef.cfg"), ENTETE_OUVDEF, exemple);
  }

  // Put back while the warning is up: the second look finds it.
  PiloteCommande(p, CMD_OUVRIR_PAR_DEFAUT);
  if (VerifierBoite(p, SANS_NOM, Icone::Exclamation, {IDOK, IDCANCEL}, IDOK) &&
      Verifier(PiloteAttendreDialogue(p, TITRE_BOITES) != nullptr, "l'avertissement s'affiche") &&
      Verifier(MoveFileA(ailleurs.c_str(), exe.c_str()) != 0, "lorvanix.exe remis") &&
      VerifierBoite(p, INSEREZ, Icone::Exclamation, {IDOK}, IDOK)) {
    PiloteSynchroniser(p);
    Sleep(300);
    Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "aucun autre message");
    VerifierConfiguration(Dans(p, "ouvdef.cfg"), ENTETE_OUVDEF, "");
  }

  // Quitting without the program file leaves bookdef.cfg as it is.
  const std::string signets = Configuration(ENTETE_BOOKDEF, "C:\\change\\pendant.htm");
  Verifier(MoveFileA(exe.c_str(), ailleurs.c_str()) != 0 && EcrireFichier(Dans(p, "bookdef.cfg"), signets),
           "lorvanix.exe retire, bookdef.cfg change");
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  std::string apres;
  Verifier(LireFichier(Dans(p, "bookdef.cfg"), apres) && apres == signets, "bookdef.cfg non reecrit");
  MoveFileA(ailleurs.c_str(), exe.c_str());
  PiloteTerminer(p);
}

// ouvdef.cfg and navigdef.cfg that cannot be written (folders of that
// name): each writer tries twice, with its two messages.
void EcritureImpossible() {
  Programme p;
  if (!Verifier(PiloteInstaller(p, "configuration_ecriture_impossible"), "dossier du programme")) return;
  DeleteFileA(Dans(p, "ouvdef.cfg").c_str());
  DeleteFileA(Dans(p, "navigdef.cfg").c_str());
  if (!Verifier(CreateDirectoryA(Dans(p, "ouvdef.cfg").c_str(), nullptr) &&
                    CreateDirectoryA(Dans(p, "navigdef.cfg").c_str(), nullptr),
                "dossiers ouvdef.cfg et navigdef.cfg") ||
      !Verifier(PiloteRedemarrer(p, ""), "demarrage")) {
    PiloteTerminer(p);
    return;
  }
  VerifierBoite(p, "Erreur de lecture du fichier navigdef.cfg", Icone::Erreur, {IDOK}, IDOK);
  PiloteCommande(p, CMD_OUVRIR_PAR_DEFAUT);
  if (VerifierBoite(p, SANS_NOM, Icone::Exclamation, {IDOK, IDCANCEL}, IDOK)) {
    VerifierBoite(p, "Ecriture sur le disque impossible. Vérifiez que le disque de lancement n'est pas protégé en "
                     "écriture.",
                  Icone::Erreur, {IDOK}, IDOK);
    VerifierBoite(p, "Impossible de mettre à jour les fichiers de configuration.", Icone::Erreur, {IDOK}, IDOK);
  }
  // The unreadable navigdef.cfg left no browser.
  PiloteCommande(p, CMD_CHOISIR_NAVIGATEUR);
  if (VerifierBoite(p, NavigateurActuel(""), Icone::Exclamation, {IDOK, IDCANCEL}, IDOK) &&
      Verifier(PiloteRepondreFichier(p, TITRE_NAVIGATEUR, Dans(p, "lorvanix.exe")), "navigateur choisi") &&
      VerifierBoite(p, NAVIGATEUR_PAR_DEFAUT, Icone::Question, {IDYES, IDNO}, IDYES)) {
    VerifierBoite(p, "Le disque de lancement doit être inséré et non protégé en écriture !", Icone::Erreur,
                  {IDOK}, IDOK);
    VerifierBoite(p, "Impossible de sauvegarder le chemin du navigateur.", Icone::Erreur, {IDOK}, IDOK);
  }
  PiloteSynchroniser(p);
  VerifierTravailVierge(p);
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"configuration_ouvrir_par_defaut", OuvrirParDefaut},
    {"configuration_defaut_sans_nom", DefautSansNom},
    {"configuration_absents_errones", FichiersAbsentsOuErrones},
    {"configuration_navigateur", ChoisirNavigateur},
    {"configuration_disque_absent", DisqueAbsent},
    {"configuration_ecriture_impossible", EcritureImpossible},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
