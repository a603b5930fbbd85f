// The search criteria dialog and the commands that use its criteria: next
// and previous matching card (menu and toolbar), first and next match on
// the card on screen (F3, F4), on a loaded copy of the sample.
#include <cstdio>

#include "attentes.h"
#include "entrees.h"
#include "fichiers.h"
#include "lvx.h"
#include "presse_papiers.h"
#include "verif.h"

namespace {

constexpr int CMD_CRITERES = 319;
constexpr int BOUTON_CRITERES = 424;
constexpr int CMD_SUIVANTE = 321;
constexpr int CMD_PRECEDENTE = 320;
constexpr int BOUTON_SUIVANTE = 429;
constexpr int BOUTON_PRECEDENTE = 428;
constexpr int CMD_PREMIERE_FICHE = 335;

constexpr int ID_EXPRESSION = 436;
constexpr int ID_COUPER = 461;
constexpr int ID_COPIER = 462;
constexpr int ID_COLLER = 463;
constexpr int ID_OK = 496;
constexpr int ID_ANNULER = 460;
constexpr int ID_NOMS = 430, ID_URLS = 432, ID_CASSE = 495, ID_EXACTITUDE = 658, ID_TOTAL = 459, ID_DEBUT = 361;

const char* const TITRE_CRITERES = "Définir les critères de recherche !";

// The nine boxes in the order of their flags, with their labels.
const struct {
  int id;
  const char* texte;
} CASES[] = {{430, "Rechercher sur les noms de sites"},
             {432, "Rechercher sur les URL"},
             {433, "Rechercher sur les rubriques"},
             {434, "Rechercher sur les mots clés"},
             {435, "Rechercher sur les notes, remarques, commentaires"},
             {495, "Tenir compte des minuscules et majuscules"},
             {658, "Tenir compte de l'exactitude de l'expression"},
             {459, "Champ complet identique à l'expression recherchée"},
             {361, "Expression recherchée en début de champ uniquement"}};

const char* const RIEN_MAJUSCULE =
    "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
const char* const RIEN_MINUSCULE =
    "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
const char* const PAS_DE_SUIVANTE = "Il n'y a pas de fiche suivante correspondant aux critères de recherche.";
const char* const PAS_DE_PRECEDENTE = "Il n'y a pas de fiche précédente correspondant aux critères de recherche.";
const char* const AUCUNE_SUR_FICHE = "il n'y a pas de correspondance avec votre recherche sur cette fiche.";
const char* const AUCUNE_SUIVANTE_SUR_FICHE =
    "il n'y a pas de correspondance suivante avec votre recherche sur cette fiche.";

// The nine boxes as '0' and '1', in flag order.
std::string Coches(HWND dialogue) {
  std::string etats;
  for (const auto& c : CASES) etats += PiloteCoche(dialogue, c.id) == BST_CHECKED ? '1' : '0';
  return etats;
}

// A click on a box, as the mouse would give it (the dialog answers before
// this returns).
void Cliquer(HWND dialogue, int id) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(dialogue, id), BM_CLICK, 0, 0, SMTO_NORMAL, DELAI_MS, &r);
}

bool Ecrire(HWND dialogue, int id, const std::string& texte) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(GetDlgItem(dialogue, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texte.c_str()),
                             SMTO_NORMAL, DELAI_MS, &r) != 0;
}

HWND OuvrirCriteres(Programme& p, int commande) {
  PiloteCommande(p, commande);
  HWND d = PiloteAttendreDialogue(p, TITRE_CRITERES);
  Verifier(d != nullptr, "commande " + std::to_string(commande) + " : les criteres s'ouvrent");
  return d;
}

bool Fermer(HWND dialogue, int bouton) {
  return Verifier(PiloteCliquer(dialogue, bouton) && PiloteAttendreDisparition(dialogue),
                  bouton == ID_OK ? "OK ferme les criteres" : "Annuler ferme les criteres");
}

// Sets the expression (the boxes as they are, then `clics`) and presses OK.
bool Criteres(Programme& p, const std::string& expression, std::initializer_list<int> clics = {}) {
  HWND d = OuvrirCriteres(p, CMD_CRITERES);
  if (!d) return false;
  for (int id : clics) Cliquer(d, id);
  return Verifier(Ecrire(d, ID_EXPRESSION, expression), "expression \"" + expression + "\"") && Fermer(d, ID_OK);
}

std::string Selection(HWND edit) {
  DWORD_PTR s = 0;
  SendMessageTimeoutA(edit, EM_GETSEL, 0, 0, SMTO_NORMAL, DELAI_MS, &s);
  return std::to_string(LOWORD(s)) + ".." + std::to_string(HIWORD(s));
}

// The match [debut, fin) is selected in the field `id`, which has the focus.
void VerifierSelection(const Programme& p, int id, int debut, int fin, const std::string& quoi) {
  HWND edit = GetDlgItem(p.principale, id);
  const std::string attendu = std::to_string(debut) + ".." + std::to_string(fin);
  PiloteAttendre([&] { return Selection(edit) == attendu; }, 3000);
  PiloteSynchroniser(p);
  VerifierTexte(Selection(edit), attendu, quoi + " : selection");
  VerifierFocus(p, id, quoi);
}

void Avertir(Programme& p, const char* texte) {
  VerifierBoite(p, texte, Icone::Exclamation, {IDOK}, IDOK, &p.principale);
}

// Runs a card search command; the card `numero` is shown with its match.
void Trouver(Programme& p, int commande, const std::vector<FicheLue>& fiches, uint32_t numero, int champ, int debut,
             int fin) {
  PiloteCommande(p, commande);
  const std::string quoi = "commande " + std::to_string(commande) + " : fiche " + std::to_string(numero);
  VerifierFicheAffichee(p, numero, static_cast<uint32_t>(fiches.size()), fiches[numero - 1], quoi);
  VerifierSelection(p, champ, debut, fin, quoi);
}

void Touche(const Programme& p, WORD vk) {
  PiloteAuPremierPlan(p.principale);
  PiloteTouche(vk);
}

// The boxes of a fresh start, the three that exclude each other, Annuler
// against OK, the edit buttons and the length limit of the expression.
void DialogueCriteres() {
  Programme p;
  if (!Verifier(PiloteDemarrer(p, "recherche_criteres", ""), "demarrage")) {
    PiloteTerminer(p);
    return;
  }
  HWND d = OuvrirCriteres(p, CMD_CRITERES);
  if (!d) {
    PiloteTerminer(p);
    return;
  }
  for (const auto& c : CASES) VerifierTexte(PiloteTexteControle(d, c.id), c.texte, "case " + std::to_string(c.id));
  VerifierTexte(PiloteTexteControle(d, ID_OK), "&OK", "bouton OK");
  VerifierTexte(PiloteTexteControle(d, ID_ANNULER), "&Annuler", "bouton Annuler");
  VerifierTexte(PiloteTexteControle(d, ID_COUPER) + PiloteTexteControle(d, ID_COPIER) +
                    PiloteTexteControle(d, ID_COLLER),
                "&CouperCo&pierCo&ller", "boutons d'edition");
  VerifierTexte(Coches(d), "111110000", "au premier lancement : les cinq champs seulement");
  VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "", "expression vide");
  HWND expression = GetDlgItem(d, ID_EXPRESSION);
  Verifier(PiloteAttendre([&] { return PiloteFocus(d) == expression; }, 2000), "le focus va a l'expression");

  const struct {
    int id;
    const char* apres;
  } clics[] = {
      {ID_EXACTITUDE, "111110100"}, {ID_DEBUT, "111110101"},
      {ID_TOTAL, "111110010"},      // unticks exactness and start of field
      {ID_EXACTITUDE, "111110100"}, // unticks whole field
      {ID_TOTAL, "111110010"},      {ID_DEBUT, "111110001"},
      {ID_DEBUT, "111110000"},      // unticking changes no other box
      {ID_TOTAL, "111110010"},      {ID_TOTAL, "111110000"},
      {ID_EXACTITUDE, "111110100"}, {ID_EXACTITUDE, "111110000"},
      {ID_URLS, "101110000"},       {ID_CASSE, "101111000"},
      {ID_TOTAL, "101111010"},
  };
  for (const auto& c : clics) {
    Cliquer(d, c.id);
    VerifierTexte(Coches(d), c.apres, "clic sur " + std::to_string(c.id));
  }
  Ecrire(d, ID_EXPRESSION, "Wikipedia");
  const HWND nom = GetDlgItem(p.principale, ID_NOM_DE_SITE);
  if (!Fermer(d, ID_OK)) {
    PiloteTerminer(p);
    return;
  }
  VerifierFocus(p, ID_NOM_DE_SITE, "apres OK");

  // Annuler puts the boxes back and keeps the expression of the last OK.
  if ((d = OuvrirCriteres(p, BOUTON_CRITERES))) {
    VerifierTexte(Coches(d), "101111010", "apres OK : les cases choisies");
    VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "Wikipedia", "apres OK : l'expression");
    Cliquer(d, ID_URLS);
    Cliquer(d, ID_EXACTITUDE);
    Cliquer(d, ID_CASSE);
    Cliquer(d, ID_NOMS);
    VerifierTexte(Coches(d), "011110100", "cases changees avant Annuler");
    Ecrire(d, ID_EXPRESSION, "autre chose");
    Fermer(d, ID_ANNULER);
  }
  VerifierFocus(p, ID_NOM_DE_SITE, "apres Annuler");
  if ((d = OuvrirCriteres(p, CMD_CRITERES))) {
    VerifierTexte(Coches(d), "101111010", "apres Annuler : les cases du dernier OK");
    VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "Wikipedia", "apres Annuler : l'expression du dernier OK");
    // The keyboard hook stays on but lets the dialog's keys through:
    // Escape cancels, letters type, Return is OK.
    Cliquer(d, ID_CASSE);
    if (Verifier(PiloteAuPremierPlan(d), "criteres au premier plan")) {
      PiloteTouche(VK_ESCAPE);
      Verifier(PiloteAttendreDisparition(d), "Echap ferme les criteres");
    }
  }
  if ((d = OuvrirCriteres(p, CMD_CRITERES))) {
    VerifierTexte(Coches(d), "101111010", "apres Echap : les cases du dernier OK");
    HWND e = GetDlgItem(d, ID_EXPRESSION);
    if (Verifier(PiloteAuPremierPlan(d), "criteres au premier plan") &&
        Verifier(PiloteAttendre([&] { return PiloteFocus(d) == e; }, 2000), "focus sur l'expression")) {
      DWORD_PTR r = 0;
      SendMessageTimeoutA(e, EM_SETSEL, 0, -1, SMTO_NORMAL, DELAI_MS, &r);
      for (WORD vk : {WORD('G'), WORD('N'), WORD('U')}) PiloteTouche(vk);
      PiloteAttendre([&] { return PiloteTexteControle(d, ID_EXPRESSION) == "gnu"; }, 2000);
      VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "gnu", "expression tapee au clavier");
      PiloteTouche(VK_RETURN);
      Verifier(PiloteAttendreDisparition(d), "Entree : OK");
    }
  }
  if ((d = OuvrirCriteres(p, BOUTON_CRITERES))) {
    VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "gnu", "apres Entree : l'expression tapee");
    Ecrire(d, ID_EXPRESSION, "Wikipedia");
    Fermer(d, ID_OK);
  }

  // Couper, Copier, Coller work on the expression and give it the focus back.
  if ((d = OuvrirCriteres(p, CMD_CRITERES))) {
    HWND e = GetDlgItem(d, ID_EXPRESSION);
    DWORD_PTR r = 0;
    SendMessageTimeoutA(e, EM_SETSEL, 0, 4, SMTO_NORMAL, DELAI_MS, &r);
    PiloteCliquer(d, ID_COUPER);
    PiloteAttendre([&] { return PiloteTexteControle(d, ID_EXPRESSION) == "pedia"; }, 3000);
    VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "pedia", "Couper \"Wiki\"");
    Verifier(PiloteAttendre([&] { return PiloteFocus(d) == e; }, 2000), "Couper : focus sur l'expression");
    SendMessageTimeoutA(e, EM_SETSEL, 5, 5, SMTO_NORMAL, DELAI_MS, &r);
    PiloteCliquer(d, ID_COLLER);
    PiloteAttendre([&] { return PiloteTexteControle(d, ID_EXPRESSION) == "pediaWiki"; }, 3000);
    VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "pediaWiki", "Coller a la fin");
    SendMessageTimeoutA(e, EM_SETSEL, 0, 5, SMTO_NORMAL, DELAI_MS, &r);
    PiloteCliquer(d, ID_COPIER);
    // The clipboard reaches the other programs through X: wait for it.
    PiloteAttendre([] { return LirePressePapiers() == "pedia"; }, 3000);
    SendMessageTimeoutA(e, EM_SETSEL, 9, 9, SMTO_NORMAL, DELAI_MS, &r);
    PiloteCliquer(d, ID_COLLER);
    PiloteAttendre([&] { return PiloteTexteControle(d, ID_EXPRESSION) == "pediaWikipedia"; }, 3000);
    VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), "pediaWikipedia", "Copier \"pedia\" puis Coller");
    Verifier(PiloteAttendre([&] { return PiloteFocus(d) == e; }, 2000), "Coller : focus sur l'expression");

    // Only 146 characters are taken.
    std::string longue;
    for (int i = 0; longue.size() < 200; ++i) longue += static_cast<char>('a' + i % 26);
    Ecrire(d, ID_EXPRESSION, longue);
    Fermer(d, ID_OK);
    if ((d = OuvrirCriteres(p, CMD_CRITERES))) {
      VerifierTexte(PiloteTexteControle(d, ID_EXPRESSION), longue.substr(0, 146), "expression coupee a 146 caracteres");
      Fermer(d, ID_ANNULER);
    }
  }
  Verifier(PiloteFocus(p.principale) == nom, "le focus revient a Nom de site");
  // The criteria are no part of the work.
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  PiloteTerminer(p);
}

// "wikipedia" is in card 8 (URL), 15 (Nom de site and URL) and 39 (URL) of
// the sample; card 8 and 39 have "Wikipédia" in their site name, which
// folding a to z does not make match.
void FichesCorrespondantes() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "recherche_fiches", fiches)) {
    PiloteTerminer(p);
    return;
  }
  // No expression yet.
  PiloteCommande(p, CMD_SUIVANTE);
  Avertir(p, RIEN_MAJUSCULE);
  PiloteCommande(p, BOUTON_PRECEDENTE);
  Avertir(p, RIEN_MINUSCULE);
  VerifierFicheAffichee(p, 1, 39, fiches[0], "toujours la fiche 1");
  if (!Criteres(p, "wikipedia")) {
    PiloteTerminer(p);
    return;
  }
  Trouver(p, CMD_SUIVANTE, fiches, 8, ID_URL, 11, 20);
  Trouver(p, BOUTON_SUIVANTE, fiches, 15, ID_NOM_DE_SITE, 0, 9);

  // Typed on card 15 before moving on: the search stores it first.
  if (Verifier(PiloteTaper(p.principale, ID_NOTES, " (voir fr)"), "saisie dans les Notes de la fiche 15")) {
    fiches[14].champs[4] += " (voir fr)";
  }
  Trouver(p, CMD_SUIVANTE, fiches, 39, ID_URL, 11, 20);
  // The last card matches, but is not tested again.
  PiloteCommande(p, CMD_SUIVANTE);
  Avertir(p, PAS_DE_SUIVANTE);
  VerifierFicheAffichee(p, 39, 39, fiches[38], "pas de suivante : toujours la fiche 39");
  VerifierFocus(p, ID_URL, "pas de suivante");
  PiloteCommande(p, BOUTON_SUIVANTE);
  Avertir(p, PAS_DE_SUIVANTE);

  Trouver(p, CMD_PRECEDENTE, fiches, 15, ID_NOM_DE_SITE, 0, 9);
  Trouver(p, BOUTON_PRECEDENTE, fiches, 8, ID_URL, 11, 20);
  PiloteCommande(p, CMD_PRECEDENTE);
  Avertir(p, PAS_DE_PRECEDENTE);
  VerifierFicheAffichee(p, 8, 39, fiches[7], "pas de precedente : toujours la fiche 8");
  PiloteCommande(p, CMD_PREMIERE_FICHE);
  VerifierFicheAffichee(p, 1, 39, fiches[0], "premiere fiche");
  PiloteCommande(p, BOUTON_PRECEDENTE);
  Avertir(p, PAS_DE_PRECEDENTE);

  // Without the URL field only card 15 matches, by its site name.
  if (Criteres(p, "wikipedia", {ID_URLS})) {
    Trouver(p, CMD_SUIVANTE, fiches, 15, ID_NOM_DE_SITE, 0, 9);
    PiloteCommande(p, CMD_SUIVANTE);
    Avertir(p, PAS_DE_SUIVANTE);
    VerifierFicheAffichee(p, 15, 39, fiches[14], "sans URL : toujours la fiche 15");
  }
  // No field at all: nothing to search for.
  if (Criteres(p, "wikipedia", {430, 433, 434, 435})) {
    PiloteCommande(p, CMD_SUIVANTE);
    Avertir(p, RIEN_MAJUSCULE);
  }
  VerifierQuitterDemande(p);
  PiloteTerminer(p);
}

// F3 and F4 through the matches of one card, across its fields: card 24 of
// the sample has "GNU" once in Nom de site, twice in the URL and once in
// Notes.
void CorrespondancesSurFiche() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "recherche_ecran", fiches) || !Criteres(p, "gnu")) {
    PiloteTerminer(p);
    return;
  }
  Trouver(p, CMD_SUIVANTE, fiches, 22, ID_NOM_DE_SITE, 0, 3);
  Touche(p, VK_F4);
  VerifierSelection(p, ID_URL, 12, 15, "F4 sur la fiche 22");
  Touche(p, VK_F4);
  VerifierSelection(p, ID_NOTES, 10, 13, "F4 suivant");
  Touche(p, VK_F4);
  Avertir(p, AUCUNE_SUIVANTE_SUR_FICHE);
  VerifierFocus(p, ID_NOTES, "pas de correspondance suivante");
  // The state stays: the same message again.
  Touche(p, VK_F4);
  Avertir(p, AUCUNE_SUIVANTE_SUR_FICHE);

  // A card search starts the card's matches again.
  Trouver(p, BOUTON_SUIVANTE, fiches, 24, ID_NOM_DE_SITE, 8, 11);
  const struct {
    WORD touche;
    int champ, debut, fin;
  } etapes[] = {{VK_F4, ID_URL, 10, 13}, {VK_F4, ID_URL, 18, 21}, {VK_F4, ID_NOTES, 27, 30}};
  for (const auto& e : etapes) {
    Touche(p, e.touche);
    VerifierSelection(p, e.champ, e.debut, e.fin, "F4 sur la fiche 24");
  }
  Touche(p, VK_F4);
  Avertir(p, AUCUNE_SUIVANTE_SUR_FICHE);
  Touche(p, VK_F3);
  VerifierSelection(p, ID_NOM_DE_SITE, 8, 11, "F3 repart de Nom de site");
  Touche(p, VK_F4);
  VerifierSelection(p, ID_URL, 10, 13, "F4 apres F3");
  PiloteCommande(p, 635);
  VerifierSelection(p, ID_NOM_DE_SITE, 8, 11, "commande 635");
  PiloteCommande(p, 636);
  VerifierSelection(p, ID_URL, 10, 13, "commande 636");

  // Exactness: "ftp.gnu.org", "/gnu/" and "GNU." are parts of words.
  if (Criteres(p, "gnu", {ID_EXACTITUDE})) {
    Touche(p, VK_F3);
    VerifierSelection(p, ID_NOM_DE_SITE, 8, 11, "exactitude : F3");
    Touche(p, VK_F4);
    Avertir(p, AUCUNE_SUIVANTE_SUR_FICHE);
  }
  // Case counts: "Gnu" is nowhere. F4 after a failed F3 is a new search.
  if (Criteres(p, "Gnu", {ID_CASSE})) {
    Touche(p, VK_F3);
    Avertir(p, AUCUNE_SUR_FICHE);
    Touche(p, VK_F4);
    Avertir(p, AUCUNE_SUR_FICHE);
    PiloteCommande(p, CMD_PRECEDENTE);
    Avertir(p, PAS_DE_PRECEDENTE);
    VerifierFicheAffichee(p, 24, 39, fiches[23], "toujours la fiche 24");
  }
  PiloteFermer(p);
  VerifierFinSansQuestion(p);
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"recherche_criteres", DialogueCriteres},
    {"recherche_fiches", FichesCorrespondantes},
    {"recherche_ecran", CorrespondancesSurFiche},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
