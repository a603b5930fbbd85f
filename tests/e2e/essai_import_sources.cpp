// Imports whose source is named in a small dialog of the library: Netscape
// bookmarks, Internet Explorer favourites and the addresses of a mail file,
// through the main program's menu; the cards in the saved file, and the
// paths the program keeps for the next start.
#include <algorithm>
#include <set>
#include <tuple>

#include "attentes.h"
#include "fichiers.h"
#include "import_pilote.h"
#include "verif.h"

namespace {

constexpr int CMD_IMPORTER_SIGNETS = 407;
constexpr int CMD_IMPORTER_FAVORIS = 689;
constexpr int CMD_IMPORTER_COURRIEL = 331;

const char* const TITRE_SIGNETS = "Importer les signets de Netscape :";
const char* const TITRE_CHOIX_SIGNETS = "Importer les signets Netscape depuis le fichier :";
const char* const TITRE_FAVORIS = "Importer les favoris d'internet explorer :";
const char* const TITRE_CHOIX_FAVORIS = "Importer les favoris internet explorer depuis le dossier :";
const char* const TITRE_COURRIEL = "Importer les adresses email :";
const char* const TITRE_OPTIONS_COURRIEL = "Options pour importer les adresses email :";

// Where the configuration files keep their path: after the header and its NUL.
constexpr size_t DEBUT_CHEMIN_BOOKDEF = 52;
constexpr size_t DEBUT_CHEMIN_COURDEF = 47;

struct Attendue {
  std::string nom, url, rubrique;
};

bool operator<(const Attendue& a, const Attendue& b) {
  return std::tie(a.nom, a.url, a.rubrique) < std::tie(b.nom, b.url, b.rubrique);
}
bool operator==(const Attendue& a, const Attendue& b) {
  return std::tie(a.nom, a.url, a.rubrique) == std::tie(b.nom, b.url, b.rubrique);
}

HWND Ouvrir(Programme& p, int commande, const char* titre) {
  PiloteCommande(p, commande);
  HWND d = PiloteAttendreDialogue(p, titre);
  Verifier(d != nullptr, std::string("\"") + Lisible(titre) + "\" s'ouvre");
  return d;
}

void VerifierBoutons(HWND d, int ok, int modifier, int annuler) {
  VerifierTexte(PiloteTexteControle(d, ok) + "|" + PiloteTexteControle(d, modifier) + "|" +
                    PiloteTexteControle(d, annuler),
                "&OK|&Modifier|&Annuler", "boutons");
}

// The path a configuration file holds at `debut`, up to its NUL.
std::string CheminConfiguration(const std::string& fichier, size_t debut) {
  std::string octets;
  if (!LireFichier(fichier, octets) || octets.size() <= debut) return "(illisible)";
  return octets.substr(debut, octets.find('\0', debut) - debut);
}

void Quitter(Programme& p) {
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
}

void Signets() {
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_signets", ""), "demarrage")) return;
  const std::string signets = DonneeEssai("signets\\bookmarks.html");
  if (HWND d = Ouvrir(p, CMD_IMPORTER_SIGNETS, TITRE_SIGNETS)) {
    VerifierBoutons(d, 368, 369, 371);
    VerifierTexte(PiloteTexteControle(d, 367), "", "aucun fichier de signets au premier lancement");
    PiloteCliquer(d, 369);
    if (Verifier(PiloteRepondreFichier(p, TITRE_CHOIX_SIGNETS, signets), "Modifier : choix du fichier")) {
      PiloteAttendre([&] { return PiloteTexteControle(d, 367) == signets; });
      VerifierTexte(PiloteTexteControle(d, 367), signets, "le fichier choisi est dans la zone");
      PiloteCliquer(d, 368);
      Verifier(PiloteAttendreDisparition(d), "OK ferme la boite des signets");
    }
  }
  VerifierCompteurs(p, 10, 10, "dix signets");
  std::vector<FicheLue> fiches;
  const std::string liste = PreparerDossier("donnees\\import_signets") + "\\signets.lvx";
  if (EnregistrerEtLire(p, liste, fiches) && VerifierEntier(fiches.size(), 10, "fiches enregistrees")) {
    const Attendue attendues[] = {
        {"Firefox", "https://www.mozilla.org/fr/firefox/", ""},
        {"Exemple", "http://www.example.org/", "Moteurs & annuaires"},
        {"ftp://ftp.example.net/pub/", "ftp://ftp.example.net/pub/", "Outils"},
        {"Le Monde.fr - Actualit\xC3\xA9s et Infos en France et dans le monde", "https://www.lemonde.fr/",
         "Apr\xC3\xA8s"},
    };
    for (const Attendue& a : attendues) {
      const bool present = std::any_of(fiches.begin(), fiches.end(), [&](const FicheLue& f) {
        return f.champs[0] == a.nom && f.champs[1] == a.url && f.champs[2] == a.rubrique;
      });
      Verifier(present, "fiche " + Lisible(a.nom) + " dans la rubrique \"" + Lisible(a.rubrique) + "\"");
    }
    bool notes = true;
    for (const FicheLue& f : fiches) notes &= f.champs[3].empty() && f.champs[4].empty();
    Verifier(notes, "ni mots cles ni notes");
  }
  Quitter(p);
  VerifierTexte(CheminConfiguration(p.dossier + "\\bookdef.cfg", DEBUT_CHEMIN_BOOKDEF), signets,
                "bookdef.cfg garde le fichier de signets");
  PiloteTerminer(p);
}

void Favoris() {
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_favoris", ""), "demarrage")) return;
  const std::string favoris = DonneeEssai("favoris");
  if (HWND d = Ouvrir(p, CMD_IMPORTER_FAVORIS, TITRE_FAVORIS)) {
    VerifierBoutons(d, 373, 374, 408);
    const std::string propose = PiloteTexteControle(d, 372);
    Verifier(propose.size() > 3 && propose.compare(1, 2, ":\\") == 0,
             "le dossier des favoris du systeme est propose : " + Lisible(propose));
    PiloteCliquer(d, 374);
    if (PiloteRepondreDossier(p, TITRE_CHOIX_FAVORIS, favoris, 326)) {
      PiloteAttendre([&] { return PiloteTexteControle(d, 372) == favoris; });
      VerifierTexte(PiloteTexteControle(d, 372), favoris, "le dossier choisi est dans la zone");
      PiloteCliquer(d, 373);
      Verifier(PiloteAttendreDisparition(d), "OK ferme la boite des favoris");
    }
  }
  // "Courriel" (URL=moi@...) is a duplicate of "Ecrire" (URL=mailto:moi@...)
  // when the listing gives Ecrire first.
  std::set<Attendue> attendues = {
      {"Accueil", "https://www.lorvanix.example/accueil.htm", ""},
      {"mon.site", "http://mon.site.example/", ""},
      {"Ecrire", "mailto:moi@example.org", "Liens"},
      {"Recherche", "http://www.example.org/", "Moteurs"},
      {"Traducteur", "https://traduction.example.net/fr-en", "Outils"},
  };
  const Attendue courriel = {"Courriel", "mailto:moi@example.org", "Liens"};
  std::vector<FicheLue> fiches;
  const std::string liste = PreparerDossier("donnees\\import_favoris") + "\\favoris.lvx";
  PiloteAttendre([&] { return PiloteTexteControle(p.principale, ID_TOTAL_FICHES) != Compteur(1); });
  if (EnregistrerEtLire(p, liste, fiches)) {
    std::set<Attendue> lues;
    for (const FicheLue& f : fiches) lues.insert({f.champs[0], f.champs[1], f.champs[2]});
    if (lues.size() == 6) attendues.insert(courriel);
    Verifier(lues == attendues, "les favoris, nommes et ranges par leur dossier (" +
                                    std::to_string(fiches.size()) + " fiches)");
  }
  // Again: only the favourite that keeps its "mailto:" comes back.
  const size_t avant = fiches.size();
  if (HWND d = Ouvrir(p, CMD_IMPORTER_FAVORIS, TITRE_FAVORIS)) {
    VerifierTexte(PiloteTexteControle(d, 372), favoris, "le dossier retenu est propose");
    PiloteCliquer(d, 373);
    PiloteAttendreDisparition(d);
  }
  VerifierCompteurs(p, static_cast<uint32_t>(avant + 1), static_cast<uint32_t>(avant + 1),
                    "le second import n'ajoute que Ecrire");
  PiloteTerminer(p);
}

std::string CochesCourriel(HWND d) { return Coches(d, {505, 506, 507, 508, 509}); }

void Courriel() {
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "import_courriel", ""), "demarrage")) return;
  const std::string boite = DonneeEssai("courriel\\boite.mbox");
  if (HWND d = Ouvrir(p, CMD_IMPORTER_COURRIEL, TITRE_COURRIEL)) {
    VerifierBoutons(d, 670, 671, 660);
    EcrireControle(d, 669, boite);
    PiloteCliquer(d, 670);
    Verifier(PiloteAttendreDisparition(d), "OK ferme la boite du fichier de courrier");
  }
  if (HWND d = PiloteAttendreDialogue(p, TITRE_OPTIONS_COURRIEL)) {
    const char* const libelles[] = {"Importer uniquement de nouvelles adresses", "Ajouter un commentaire de provenance",
                                    "Remplacer un nom vide par l'adresse email",
                                    "Importer les adresses email d'émetteurs",
                                    "Importer les adresses email de destinataires"};
    for (int i = 0; i < 5; ++i) VerifierTexte(PiloteTexteControle(d, 505 + i), libelles[i], "case " + std::to_string(505 + i));
    VerifierTexte(CochesCourriel(d), "11111", "options au premier lancement");
    CliquerAttendre(d, 508);
    VerifierTexte(CochesCourriel(d), "11101", "508 se decoche");
    CliquerAttendre(d, 509);
    VerifierTexte(CochesCourriel(d), "11101", "509 reste cochee : l'une des deux le reste");
    CliquerAttendre(d, 508);
    VerifierTexte(CochesCourriel(d), "11111", "508 se recoche");
    PiloteCliquer(d, 503);
    Verifier(PiloteAttendreDisparition(d), "OK ferme les options");
  } else {
    Verifier(false, "les options du courrier s'ouvrent");
  }
  // Eleven addresses, two of them already imported.
  VerifierCompteurs(p, 9, 9, "neuf adresses");
  std::vector<FicheLue> fiches;
  const std::string liste = PreparerDossier("donnees\\import_courriel") + "\\adresses.lvx";
  if (EnregistrerEtLire(p, liste, fiches) && VerifierEntier(fiches.size(), 9, "fiches enregistrees")) {
    const Attendue attendues[] = {{"Service Clients", "mailto:jean@example.org", ""},
                                  {"Clients Service", "mailto:clients@example.org", ""},
                                  {"Marie", "mailto:marie@example.net", ""},
                                  {"Durand Paul", "mailto:paul.durand@example.com", ""},
                                  {"ISO-8859-1QHE9lE8ne", "mailto:helene@example.fr", ""},
                                  {"Hlne", "mailto:h@example.org", ""},
                                  {"sans.nom@example.org", "mailto:sans.nom@example.org", ""},
                                  {"a@example.org b@example.org", "mailto:a@example.org b@example.org", ""},
                                  {"Ancien Expditeur", "mailto:ancien@example.com", ""}};
    for (size_t i = 0; i < fiches.size(); ++i) {
      VerifierTexte(fiches[i].champs[0] + "|" + fiches[i].champs[1], attendues[i].nom + "|" + attendues[i].url,
                    "fiche " + std::to_string(i + 1));
      VerifierTexte(fiches[i].champs[4], Provenance(boite), "provenance de la fiche " + std::to_string(i + 1));
    }
  }
  Quitter(p);
  VerifierTexte(CheminConfiguration(p.dossier + "\\courdef.cfg", DEBUT_CHEMIN_COURDEF), boite,
                "courdef.cfg garde le fichier de courrier");
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"import_signets", Signets},
    {"import_favoris", Favoris},
    {"import_courriel", Courriel},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
