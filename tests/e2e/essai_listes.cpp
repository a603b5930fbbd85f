// The field-value lists of the Afficher menu driven as a user would: a
// category chosen in the Rubriques list becomes the search criteria (the
// criteria dialog shows them, the next search goes by them), and the
// second of two equal site names leads to the second such card.
#include "attentes.h"
#include "fichiers.h"
#include "import_pilote.h"
#include "lvx.h"
#include "search/lvxaffic_ids.h"
#include "verif.h"

namespace {

constexpr int CMD_AFFICHER_NOMS = 641;
constexpr int CMD_AFFICHER_RUBRIQUES = 645;
constexpr int CMD_CRITERES = 319;
constexpr int CMD_SUIVANTE = 321;
constexpr int ID_CRITERE_EXPRESSION = 436, ID_CRITERE_ANNULER = 460;
// RECHERCHEBOX's nine boxes, in the order of the flags.
constexpr int CASES_CRITERES[] = {430, 432, 433, 434, 435, 495, 658, 459, 361};
constexpr int CASES_ENV[] = {IDC_ENV_NOMS,       IDC_ENV_URL,        IDC_ENV_RUBRIQUES,
                             IDC_ENV_MOTS_CLES,  IDC_ENV_NOTES,      IDC_ENV_CASSE,
                             IDC_ENV_EXACTITUDE, IDC_ENV_TOTAL_CHAMP, IDC_ENV_DEBUT_CHAMP};

const char* const TITRE_LISTE = "Afficher une liste";
const char* const TITRE_CRITERES = "Définir les critères de recherche !";

// Four cards: two categories "Web" apart, two sites named alike.
std::string Fichier() {
  return EnteteLvx() + FicheLvx("Outil", "http://a.example.org/", "Web", "html", "") +
         FicheLvx("Exemple", "http://b.example.org/", "Divers", "", "") +
         FicheLvx("Outil", "http://c.example.org/", "Web", "", "") +
         FicheLvx("Autre", "http://d.example.org/", "Outils", "", "") + EntierLvx(4);
}

bool Demarrer(Programme& p, const std::string& cas) {
  const std::string fichier = PreparerDossier("donnees\\" + cas) + "\\listes.lvx";
  return Verifier(EcrireFichier(fichier, Fichier()), "fichier de fiches ecrit") &&
         Verifier(PiloteDemarrer(p, cas, "\"" + fichier + "\""), "demarrage avec " + fichier);
}

LRESULT Envoyer(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(fenetre, message, w, l, SMTO_NORMAL, DELAI_MS, &r);
  return (LRESULT)r;
}

// The list box's entries, in order. Wine hands an entry to another
// process in UTF-16 whatever the call: it is asked for so, then turned
// back into the program's code page.
std::vector<std::string> Entrees(HWND dialogue) {
  HWND liste = GetDlgItem(dialogue, IDC_LISTES_LISTE);
  std::vector<std::string> entrees;
  LRESULT n = Envoyer(liste, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; i++) {
    wchar_t large[512] = L"";
    DWORD_PTR r = 0;
    SendMessageTimeoutW(liste, LB_GETTEXT, (WPARAM)i, (LPARAM)large, SMTO_NORMAL, DELAI_MS, &r);
    char texte[1024] = "";
    WideCharToMultiByte(1252, 0, large, -1, texte, sizeof texte, nullptr, nullptr);
    entrees.push_back(texte);
  }
  return entrees;
}

std::string Joindre(const std::vector<std::string>& textes) {
  std::string s;
  for (const std::string& t : textes) s += (s.empty() ? "" : "|") + t;
  return s;
}

std::string Cases(HWND dialogue, const int (&ids)[9]) {
  std::string etats;
  for (int id : ids) etats += PiloteCoche(dialogue, id) == BST_CHECKED ? '1' : '0';
  return etats;
}

// The list opened by `commande`, checked, then entry `choix` chosen.
HWND Choisir(Programme& p, int commande, const char* titre, const std::string& entrees,
             const char* nombre, int choix) {
  PiloteCommande(p, commande);
  HWND d = PiloteAttendreDialogue(p, TITRE_LISTE);
  if (!Verifier(d != nullptr, "la liste s'ouvre")) return nullptr;
  PiloteCapturer(d, p.cas + "_liste");
  VerifierTexte(PiloteTexteControle(d, IDC_LISTES_TITRE), titre, "titre de la liste");
  VerifierTexte(PiloteTexteControle(d, IDC_LISTES_DE) + " " + PiloteTexteControle(d, IDC_LISTES_A),
                "0000001 0000004", "le lot va de la fiche 1 a la fiche 4");
  VerifierTexte(PiloteTexteControle(d, IDC_LISTES_NOMBRE), nombre, "nombre d'entrees");
  VerifierTexte(Joindre(Entrees(d)), entrees, "entrees dans l'ordre");
  VerifierEntier(Envoyer(GetDlgItem(d, IDC_LISTES_LISTE), LB_GETCURSEL, 0, 0), 0,
                 "la premiere entree est choisie");
  Envoyer(GetDlgItem(d, IDC_LISTES_LISTE), LB_SETCURSEL, (WPARAM)choix, 0);
  PiloteCliquer(d, IDC_LISTES_RECHERCHER);
  return d;
}

// "Web" chosen in the Rubriques list: the criteria dialog over the list is
// preset to a whole-field search on Rubrique; after OK both close, the
// program's criteria dialog shows the same, and the next search goes to the
// next card of that category.
void RubriqueDevientRecherche() {
  Programme p;
  if (!Demarrer(p, "listes_rubrique_recherche")) return;
  HWND liste = Choisir(p, CMD_AFFICHER_RUBRIQUES, "Rubriques disponibles", "Divers|Outils|Web",
                       "0000003", 2);
  HWND env = liste ? PiloteAttendreDialogue(p, TITRE_CRITERES) : nullptr;
  if (!Verifier(env != nullptr, "les criteres s'ouvrent sur la rubrique")) {
    PiloteTerminer(p);
    return;
  }
  PiloteCapturer(env, p.cas + "_criteres");
  VerifierTexte(Cases(env, CASES_ENV), "001000010", "rubriques et champ complet");
  VerifierTexte(PiloteTexteControle(env, IDC_ENV_EXPRESSION), "Web", "la rubrique choisie");
  PiloteCliquer(env, IDC_ENV_OK);
  Verifier(PiloteAttendreDisparition(env) && PiloteAttendreDisparition(liste),
           "OK ferme les criteres et la liste");
  VerifierCompteurs(p, 1, 4, "la fiche a l'ecran reste");

  PiloteCommande(p, CMD_CRITERES);
  HWND criteres = PiloteAttendreDialogue(p, TITRE_CRITERES);
  if (Verifier(criteres != nullptr, "les criteres du programme s'ouvrent")) {
    VerifierTexte(Cases(criteres, CASES_CRITERES), "001000010", "les criteres du programme");
    VerifierTexte(PiloteTexteControle(criteres, ID_CRITERE_EXPRESSION), "Web",
                  "l'expression du programme");
    PiloteCliquer(criteres, ID_CRITERE_ANNULER);
    PiloteAttendreDisparition(criteres);
  }
  PiloteCommande(p, CMD_SUIVANTE);
  VerifierCompteurs(p, 3, 4, "la recherche suivante trouve l'autre fiche Web");
  VerifierTexte(PiloteTexteControle(p.principale, ID_RUBRIQUE), "Web", "rubrique a l'ecran");
  PiloteTerminer(p);
}

// The second "Outil" of the list is the third card.
void NomEgalKieme() {
  Programme p;
  if (!Demarrer(p, "listes_nom_kieme")) return;
  HWND liste = Choisir(p, CMD_AFFICHER_NOMS, "Noms de sites disponibles",
                       "Autre|Exemple|Outil|Outil", "0000004", 3);
  if (liste) Verifier(PiloteAttendreDisparition(liste), "Rechercher ferme la liste");
  VerifierCompteurs(p, 3, 4, "la deuxieme fiche Outil");
  VerifierTexte(PiloteTexteControle(p.principale, ID_URL), "http://c.example.org/",
                "URL de la fiche choisie");
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"listes_rubrique_recherche", RubriqueDevientRecherche},
    {"listes_nom_kieme", NomEgalKieme},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
