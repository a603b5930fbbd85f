// "Connecter..." opening a card's target: the browser of navigdef.cfg on a
// web URL, the application of an extra-web card on its document. Both are
// essai_temoin.exe, copied where the case needs it; it writes down how it
// was started (temoin.txt beside it).
#include <cstdio>

#include "attentes.h"
#include "entrees.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

constexpr int CMD_CONNECTER = 469;
constexpr int BOUTON_CONNECTER = 468;
constexpr int CMD_MISE_A_JOUR = 358;
constexpr int CMD_FICHE_SUIVANTE = 317;
constexpr int CMD_PREMIERE_FICHE = 335;

const char* const ENTETE_NAVIGDEF = "Fichier de sauvegarde du chemin du navigateur par defaut de Lorvanix";
const char* const NAVIGATEUR_ABSENT = "Lorvanix 6.1 n'a pas trouvé le navigateur !";
const char* const EXTRAWEB_INVALIDE = "<EXTRAWEB> invalide. Souhaitez-vous modifier la fiche en conséquence ?";

// How the stand-in was started once.
struct Lancement {
  std::string ligne;
  std::vector<std::string> arguments;
};

std::vector<Lancement> Lancements(const std::string& journal) {
  std::vector<Lancement> lus;
  std::string octets;
  if (!LireFichier(journal, octets)) return lus;
  Lancement courant;
  size_t debut = 0;
  for (size_t fin; (fin = octets.find("\r\n", debut)) != std::string::npos; debut = fin + 2) {
    const std::string ligne = octets.substr(debut, fin - debut);
    if (ligne.rfind("ligne=", 0) == 0) {
      courant = Lancement{ligne.substr(6), {}};
    } else if (ligne.rfind("argument=", 0) == 0) {
      courant.arguments.push_back(ligne.substr(9));
    } else if (ligne == "fin") {
      lus.push_back(courant);
    }
  }
  return lus;
}

// The stand-in's journal, beside the copy at `exe`.
std::string Journal(const std::string& exe) { return exe.substr(0, exe.find_last_of('\\')) + "\\temoin.txt"; }

// Copies the stand-in to `exe`, its folders made.
bool PoserTemoin(const std::string& exe) {
  const std::string dossier = exe.substr(0, exe.find_last_of('\\'));
  return Verifier(CreerDossiers(dossier) &&
                      CopyFileA((DossierBinaires() + "\\essai_temoin.exe").c_str(), exe.c_str(), FALSE) != 0,
                  "temoin copie en " + exe);
}

// Waits for the start number `numero` (from 1) of the stand-in at `exe`.
bool AttendreLancement(const std::string& exe, size_t numero, Lancement& lancement) {
  std::vector<Lancement> lus;
  PiloteAttendre([&] { return (lus = Lancements(Journal(exe))).size() >= numero; }, 5000);
  if (!Verifier(lus.size() >= numero, "lancement " + std::to_string(numero) + " de " + exe)) return false;
  lancement = lus[numero - 1];
  return true;
}

std::string Arguments(const std::vector<std::string>& arguments) {
  std::string texte;
  for (const std::string& a : arguments) texte += "[" + a + "]";
  return texte;
}

// The stand-in at `exe` was started for the `numero`th time, with this
// command line and these arguments.
void VerifierLancement(const std::string& exe, size_t numero, const std::string& ligne,
                       const std::vector<std::string>& arguments, const std::string& quoi) {
  Lancement l;
  if (!AttendreLancement(exe, numero, l)) return;
  VerifierTexte(l.ligne, ligne, quoi + " : ligne de commande");
  VerifierTexte(Arguments(l.arguments), Arguments(arguments), quoi + " : arguments");
}

// Nothing more was started: the stand-in at `exe` ran `nombre` times.
void VerifierAucunLancement(const std::string& exe, size_t nombre, const std::string& quoi) {
  Sleep(500);
  VerifierEntier(static_cast<long long>(Lancements(Journal(exe)).size()), static_cast<long long>(nombre),
                 quoi + " : lancements de " + exe);
}

std::string Dans(const Programme& p, const char* nom) { return p.dossier + "\\" + nom; }

std::string Navigdef(const std::string& chemin) {
  std::string champ = chemin + '\0';
  champ.resize(256, '\0');
  return ENTETE_NAVIGDEF + std::string(1, '\0') + champ;
}

// A data file of cards (Nom de site, URL), the other fields empty.
std::string Fichier(const std::vector<std::pair<std::string, std::string>>& cartes, std::vector<FicheLue>& fiches) {
  std::string octets = EnteteLvx();
  fiches.clear();
  for (const auto& c : cartes) {
    octets += FicheLvx(c.first, c.second, "", "", "");
    FicheLue f;
    f.champs[0] = c.first;
    f.champs[1] = c.second;
    fiches.push_back(f);
  }
  return octets + EntierLvx(static_cast<uint32_t>(cartes.size()));
}

// Starts the program of p.dossier on `fichier`, loaded.
bool DemarrerSur(Programme& p, const std::string& fichier, const std::string& octets) {
  if (!Verifier(PiloteRedemarrer(p, "\"" + fichier + "\""), "demarrage avec " + fichier)) return false;
  VerifierFichierCharge(p, fichier.substr(fichier.find_last_of('\\') + 1), octets);
  return true;
}

bool Remplacer(const Programme& p, int id, const std::string& texte) {
  HWND edit = GetDlgItem(p.principale, id);
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texte.c_str()), SMTO_NORMAL, DELAI_MS,
                             &r) &&
         SendMessageTimeoutA(edit, EM_SETMODIFY, TRUE, 0, SMTO_NORMAL, DELAI_MS, &r);
}

void Suivante(Programme& p, uint32_t numero, const std::vector<FicheLue>& fiches) {
  PiloteCommande(p, CMD_FICHE_SUIVANTE);
  VerifierFicheAffichee(p, numero, static_cast<uint32_t>(fiches.size()), fiches[numero - 1],
                        "fiche " + std::to_string(numero));
}

// Web URLs go to the browser as "<browser> <URL>", the URL as the edit holds
// it (typed or set just before), never quoted.
void Navigateur() {
  Programme p;
  if (!Verifier(PiloteInstaller(p, "connecter_navigateur"), "dossier du programme")) return;
  const std::string donnees = PreparerDossier("donnees\\connecter_navigateur");
  const std::string navigateur = donnees + "\\navigateur\\essai_temoin.exe";
  std::vector<FicheLue> fiches;
  const std::string octets = Fichier({{"Le Monde", "https://www.lemonde.fr/"},
                                      {"Recherche", "https://www.exemple.fr/"},
                                      {"Blancs", "http://www.exemple.fr/a b  c"},
                                      {"Vide", ""}},
                                     fiches);
  const std::string fichier = donnees + "\\liens.lvx";
  if (!PoserTemoin(navigateur) || !Verifier(EcrireFichier(Dans(p, "navigdef.cfg"), Navigdef(navigateur)) &&
                                                EcrireFichier(fichier, octets),
                                            "navigdef.cfg et liens.lvx ecrits") ||
      !DemarrerSur(p, fichier, octets)) {
    PiloteTerminer(p);
    return;
  }
  Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "aucun message au demarrage");

  PiloteCommande(p, CMD_CONNECTER);
  VerifierLancement(navigateur, 1, navigateur + " https://www.lemonde.fr/", {"https://www.lemonde.fr/"},
                    "Connecter sur la fiche 1");
  PiloteSynchroniser(p);
  Verifier(PiloteChercherDialogue(p, TITRE_BOITES) == nullptr, "aucun message apres le lancement");

  // Typed just before: the button takes the edit's text and stores the card.
  FicheLue modifiee = fiches[0];
  if (Verifier(PiloteTaper(p.principale, ID_URL, "international/"), "saisie dans URL")) {
    modifiee.champs[1] += "international/";
    PiloteCommande(p, BOUTON_CONNECTER);
    VerifierLancement(navigateur, 2, navigateur + " " + modifiee.champs[1], {modifiee.champs[1]},
                      "bouton Connecter apres saisie");
    Verifier(!PiloteEditModifie(GetDlgItem(p.principale, ID_URL)), "la fiche est reecrite (URL plus modifiee)");
  }

  // Set by program, marked as modified: the same.
  Suivante(p, 2, fiches);
  const std::string requete = "https://www.exemple.fr/cherche?q=lorvanix&lang=fr#r";
  if (Verifier(Remplacer(p, ID_URL, requete), "URL de la fiche 2 remplacee")) {
    PiloteCommande(p, CMD_CONNECTER);
    VerifierLancement(navigateur, 3, navigateur + " " + requete, {requete}, "Connecter apres WM_SETTEXT");
  }

  // Blanks in the URL are not quoted: the browser gets three arguments.
  Suivante(p, 3, fiches);
  PiloteCommande(p, CMD_CONNECTER);
  VerifierLancement(navigateur, 4, navigateur + " http://www.exemple.fr/a b  c", {"http://www.exemple.fr/a", "b", "c"},
                    "URL avec des blancs");
  // An empty URL still starts the browser: "<browser> " and no argument.
  Suivante(p, 4, fiches);
  PiloteCommande(p, BOUTON_CONNECTER);
  VerifierLancement(navigateur, 5, navigateur + " ", {}, "URL vide");

  // "Mise à jour" opens one address in the same browser.
  PiloteCommande(p, CMD_MISE_A_JOUR);
  Lancement l;
  if (AttendreLancement(navigateur, 6, l)) {
    const bool une = l.arguments.size() == 1;
    Verifier(une && l.ligne == navigateur + " " + l.arguments[0] && l.arguments[0].rfind("http", 0) == 0,
             "Mise a jour : " + l.ligne);
  }

  // What the first card holds now is what Connecter used.
  PiloteCommande(p, CMD_PREMIERE_FICHE);
  VerifierFicheAffichee(p, 1, 4, modifiee, "fiche 1 apres Connecter");
  VerifierQuitterDemande(p);
  PiloteTerminer(p);
}

// A browser in a folder with a blank; then one that is not there.
void NavigateurBlancsOuAbsent() {
  Programme p;
  if (!Verifier(PiloteInstaller(p, "connecter_navigateur_blancs"), "dossier du programme")) return;
  const std::string donnees = PreparerDossier("donnees\\connecter_navigateur_blancs");
  const std::string navigateur = donnees + "\\mon navigateur\\essai_temoin.exe";
  std::vector<FicheLue> fiches;
  const std::string octets = Fichier({{"Le Monde", "https://www.lemonde.fr/"}}, fiches);
  const std::string fichier = donnees + "\\liens.lvx";
  if (!PoserTemoin(navigateur) ||
      !Verifier(EcrireFichier(Dans(p, "navigdef.cfg"), Navigdef(navigateur)) && EcrireFichier(fichier, octets),
                "navigdef.cfg et liens.lvx ecrits")) {
    return;
  }
  if (DemarrerSur(p, fichier, octets)) {
    PiloteCommande(p, CMD_CONNECTER);
    Lancement l;
    if (AttendreLancement(navigateur, 1, l)) {
      // Wine's CreateProcess puts quotes round a program name it found by
      // trying the blanks in turn, so both forms arrive the same here.
      std::printf("   ligne de commande recue par le navigateur : %s\n", l.ligne.c_str());
      Verifier(l.ligne == navigateur + " https://www.lemonde.fr/" ||
                   l.ligne == "\"" + navigateur + "\" https://www.lemonde.fr/",
               "navigateur avec un blanc dans son chemin lance sur l'URL");
      VerifierTexte(Arguments(l.arguments), "[https://www.lemonde.fr/]", "arguments du navigateur");
    }
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);

  // No such program: a plain box, and nothing else changes.
  const std::string absent = donnees + "\\absent\\navigateur.exe";
  if (!Verifier(EcrireFichier(Dans(p, "navigdef.cfg"), Navigdef(absent)), "navigdef.cfg vers " + absent)) return;
  if (DemarrerSur(p, fichier, octets)) {
    PiloteCommande(p, CMD_CONNECTER);
    VerifierBoite(p, NAVIGATEUR_ABSENT, Icone::Aucune, {IDOK}, IDOK, &p.principale);
    PiloteCommande(p, BOUTON_CONNECTER);
    VerifierBoite(p, NAVIGATEUR_ABSENT, Icone::Aucune, {IDOK}, IDOK, &p.principale);
    PiloteCommande(p, CMD_MISE_A_JOUR);
    VerifierBoite(p, NAVIGATEUR_ABSENT, Icone::Aucune, {IDOK}, IDOK, &p.principale);
    VerifierFicheAffichee(p, 1, 1, fiches[0], "toujours la fiche 1");
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

// Extra-web cards start their application with the document as its
// argument; an invalid card asks whether to change it, "Non" changes nothing.
void ExtraWeb() {
  Programme p;
  if (!Verifier(PiloteInstaller(p, "connecter_extraweb"), "dossier du programme")) return;
  const std::string donnees = PreparerDossier("donnees\\connecter_extraweb");
  const std::string application = donnees + "\\application\\essai_temoin.exe";
  const std::string avec_blancs = donnees + "\\mes applications\\essai_temoin.exe";
  const std::string document = donnees + "\\document.txt";
  const std::string tag = "<EXTRAWEB>";
  std::vector<FicheLue> fiches;
  const std::string octets = Fichier({{"Document", tag + application + " " + document},
                                      {"Application seule", tag + application},
                                      {"Application avec blancs", tag + avec_blancs + " " + document},
                                      {"Balise seule", tag},
                                      {"Document absent", tag + application + " " + donnees + "\\absent.txt"},
                                      {"Application absente", tag + donnees + "\\absente\\app.exe " + document},
                                      {"Document saisi", tag + application},
                                      {"Sans blanc", tag + application + document},
                                      {"Blanc final", tag + application + " "}},
                                     fiches);
  const std::string fichier = donnees + "\\documents.lvx";
  if (!PoserTemoin(application) || !PoserTemoin(avec_blancs) ||
      !Verifier(EcrireFichier(document, "bonjour\r\n") && EcrireFichier(fichier, octets),
                "document.txt et documents.lvx ecrits") ||
      !DemarrerSur(p, fichier, octets)) {
    PiloteTerminer(p);
    return;
  }

  PiloteCommande(p, CMD_CONNECTER);
  VerifierLancement(application, 1, application + " " + document, {document}, "application et document");
  Suivante(p, 2, fiches);
  PiloteCommande(p, BOUTON_CONNECTER);
  VerifierLancement(application, 2, application, {}, "application seule");

  // The split is at the blank before the document's drive letter.
  Suivante(p, 3, fiches);
  PiloteCommande(p, CMD_CONNECTER);
  Lancement l;
  if (AttendreLancement(avec_blancs, 1, l)) {
    std::printf("   ligne de commande recue par l'application : %s\n", l.ligne.c_str());
    Verifier(l.ligne == avec_blancs + " " + document || l.ligne == "\"" + avec_blancs + "\" " + document,
             "application avec des blancs dans son chemin lancee");
    VerifierTexte(Arguments(l.arguments), Arguments({document}), "argument : le document");
  }
  VerifierEntier(static_cast<long long>(Lancements(Journal(application)).size()), 2,
                 "l'autre application n'est pas lancee");

  // Invalid cards: the tag alone, a missing document, a missing application.
  for (uint32_t numero = 4; numero <= 6; ++numero) {
    Suivante(p, numero, fiches);
    PiloteCommande(p, numero % 2 ? BOUTON_CONNECTER : CMD_CONNECTER);
    if (VerifierBoite(p, EXTRAWEB_INVALIDE, Icone::Question, {IDYES, IDNO}, IDNO, &p.principale)) {
      VerifierAucunLancement(application, 2, fiches[numero - 1].champs[0]);
      VerifierFicheAffichee(p, numero, static_cast<uint32_t>(fiches.size()), fiches[numero - 1],
                            "Non : la fiche reste la meme");
    }
  }
  VerifierAucunLancement(avec_blancs, 1, "cartes invalides");

  // A document typed into the URL just before counts: written back first.
  Suivante(p, 7, fiches);
  if (Verifier(PiloteTaper(p.principale, ID_URL, " " + document), "document tape apres l'application")) {
    PiloteCommande(p, CMD_CONNECTER);
    VerifierLancement(application, 3, application + " " + document, {document}, "document saisi");
    // Typed away again: the document is missing now.
    if (Verifier(PiloteTaper(p.principale, ID_URL, ".perdu"), "document rendu introuvable")) {
      PiloteCommande(p, CMD_CONNECTER);
      VerifierBoite(p, EXTRAWEB_INVALIDE, Icone::Question, {IDYES, IDNO}, IDNO, &p.principale);
      VerifierAucunLancement(application, 3, "document introuvable");
    }
  }

  // No blank before the document's drive letter: the application before it
  // exists, but the whole text names no program, so none starts.
  Suivante(p, 8, fiches);
  PiloteCommande(p, CMD_CONNECTER);
  if (VerifierBoite(p, EXTRAWEB_INVALIDE, Icone::Question, {IDYES, IDNO}, IDNO, &p.principale)) {
    VerifierAucunLancement(application, 3, "document colle a l'application");
  }
  // The blank the extra-web dialog leaves after an application alone stays
  // in the command line; the system ignores it in the file name.
  Suivante(p, 9, fiches);
  PiloteCommande(p, CMD_CONNECTER);
  VerifierLancement(application, 4, application + " ", {}, "application suivie d'un blanc");
  VerifierQuitterDemande(p);
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"connecter_navigateur", Navigateur},
    {"connecter_navigateur_blancs", NavigateurBlancsOuAbsent},
    {"connecter_extraweb", ExtraWeb},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
