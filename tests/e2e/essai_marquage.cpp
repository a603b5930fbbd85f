// The "Marquage" commands on a card file of their own: duplicate URLs,
// all cards, a range of numbers, incomplete cards, and the walk through the
// marked cards. What each command marked is read back from the saved file.
#include <cstdio>

#include "attentes.h"
#include "entrees.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

constexpr int CMD_FICHE_SUIVANTE = 317;
constexpr int CMD_PREMIERE_FICHE = 335;
constexpr int CMD_DERNIERE_FICHE = 340;
constexpr int CMD_MARQUEE_SUIVANTE = 626;
constexpr int CMD_MARQUEE_PRECEDENTE = 625;
constexpr int BOUTON_MARQUEE_SUIVANTE = 628;
constexpr int BOUTON_MARQUEE_PRECEDENTE = 627;
constexpr int BOUTON_DEMARQUER_TOUT = 629;
constexpr int CMD_BASCULER_TOUT = 332;
constexpr int CMD_MARQUER_TOUT = 333;
constexpr int CMD_DEMARQUER_TOUT = 324;
constexpr int CMD_BASCULER_PLAGE = 338;
constexpr int CMD_MARQUER_PLAGE = 334;
constexpr int CMD_DEMARQUER_PLAGE = 346;
constexpr int CMD_MARQUER_DOUBLONS_URL = 348;
constexpr int CMD_MARQUER_DOUBLONS_CIBLE = 531;
constexpr int CMD_MARQUER_DOUBLONS_FIN_CIBLE = 542;
constexpr int CMD_BASCULER_ECRAN = 685;
constexpr int CMD_BASCULER_INCOMPLETES = 366;
constexpr int CMD_MARQUER_INCOMPLETES = 413;
constexpr int CMD_DEMARQUER_INCOMPLETES = 475;
constexpr int CMD_BASCULER_RECHERCHE = 353;
constexpr int CMD_MARQUER_RECHERCHE = 306;
constexpr int CMD_DEMARQUER_RECHERCHE = 412;
constexpr int CMD_BASCULER_EXTRAWEB = 691;
constexpr int CMD_MARQUER_EXTRAWEB = 692;
constexpr int CMD_DEMARQUER_EXTRAWEB = 693;
constexpr int CMD_CRITERES = 319;

constexpr int ID_DE = 342, ID_A = 343, ID_OK_PLAGE = 339, ID_ANNULER_PLAGE = 344;
constexpr int ID_NOM_VIDE = 519, ID_OK_INCOMPLETES = 524, ID_ANNULER_INCOMPLETES = 525;

const char* const TITRE_INCOMPLETES = "Basculer le marquage des fiches incomplètes !";
const char* const DOUBLONS_URL =
    "Souhaitez vous vraiment marquer toutes les fiches dont le champ URL est identique à celui d'une autre fiche ?";
const char* const DOUBLONS_CIBLE =
    "Souhaitez vous vraiment marquer toutes les fiches dont le champ URL cible le même document que celui d'une "
    "autre fiche ?";
const char* const DOUBLONS_FIN_CIBLE =
    "Souhaitez vous vraiment marquer toutes les fiches dont le champ URL vise la même fin de cible que celle d'une "
    "autre fiche ?";
const char* const BASCULER_TOUT = "Souhaitez vous vraiment basculer le marquage de toutes les fiches ?";
const char* const MARQUER_TOUT = "Voulez vous vraiment marquer toutes les fiches ?";
const char* const DEMARQUER_TOUT = "Voulez vous vraiment supprimer le marquage de toutes les fiches ?";
const char* const PAS_DE_MARQUEE_SUIVANTE = "Il n'y a pas de fiche marquée suivante.";
const char* const PAS_DE_MARQUEE_PRECEDENTE = "Il n'y a pas de fiche marquée précédente.";
const char* const RIEN_A_RECHERCHER =
    "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement définis.";
const char* const MARQUER_RECHERCHE =
    "Souhaitez vous vraiment marquer toutes les fiches correspondant aux critères de recherche ?";
const char* const BASCULER_RECHERCHE =
    "Souhaitez vous vraiment basculer le marquage de toutes les fiches correspondant aux critères de recherche ?";
const char* const DEMARQUER_RECHERCHE =
    "Souhaitez vous vraiment supprimer le marquage de toutes les fiches correspondant aux critères de recherche ?";
const char* const EXTRAWEB_INVALIDES =
    "Souhaitez vous vraiment %s toutes les fiches <EXTRAWEB> dont l'application ou le fichier à ouvrir avec "
    "l'application sont introuvables ?";

struct Carte {
  uint16_t marque;
  const char* nom;
  const char* url;
  const char* rubrique;
  const char* mots_cles;
  const char* notes;
};

// Card 1, 2 and 9 have the same URL once case and final '/', blanks and
// tabs are set aside; 5 and 6 open the same document with other
// applications; 7 and 8 differ by their host only (both end in /a); 10 and 11 differ by the case
// of accented letters; 12 reduces to an empty key, alone; 13's mark word is
// 2. Empty notes: 2, 4, 8, 10, 14.
const Carte CARTES[] = {
    {0, "Alpha", "http://www.exemple.fr/Page", "r", "m", "n1"},
    {0, "Beta", "HTTP://WWW.EXEMPLE.FR/page/", "r", "m", ""},
    {0, "Gamma", "", "r", "m", "n3"},
    {0, "Delta", "", "r", "m", ""},
    {0, "Epsilon", "<EXTRAWEB>C:\\app1.exe D:\\Doc\\note.txt", "r", "m", "n5"},
    {0, "Zeta", "<EXTRAWEB>C:\\autre\\app2.exe D:\\Doc\\note.txt", "", "m", "n6"},
    {1, "Eta", "http://site-a.fr/a", "r", "m", "n7"},
    {0, "Theta", "http://site-b.fr/a", "r", "m", ""},
    {0, "Iota", "http://www.exemple.fr/page/ \t", "r", "m", "n9"},
    {0, "Kappa", "http://x.fr/été", "r", "m", ""},
    {0, "Lambda", "http://x.fr/ÉTÉ", "r", "", "n11"},
    {0, "Mu", "/", "r", "m", "n12"},
    {2, "Nu", "http://nu.fr/", "r", "m", "n13"},
    {0, "Xi", "http://www.exemple.fr/page2", "r", "m", ""},
};

std::vector<FicheLue> Fiches() {
  std::vector<FicheLue> fiches;
  for (const Carte& c : CARTES) {
    FicheLue f;
    f.marque = c.marque;
    const char* champs[] = {c.nom, c.url, c.rubrique, c.mots_cles, c.notes};
    for (int i = 0; i < 5; ++i) f.champs[i] = champs[i];
    fiches.push_back(f);
  }
  return fiches;
}

std::string Octets(const std::vector<FicheLue>& fiches) {
  std::string octets = EnteteLvx();
  for (const FicheLue& f : fiches) {
    const std::string carte = FicheLvx(f.champs[0], f.champs[1], f.champs[2], f.champs[3], f.champs[4]);
    octets += std::string{static_cast<char>(f.marque & 0xFF), static_cast<char>(f.marque >> 8)} + carte.substr(2);
  }
  return octets + EntierLvx(static_cast<uint32_t>(fiches.size()));
}

// The mark words of the cards, one digit each.
std::string Marques(const std::vector<FicheLue>& fiches) {
  std::string texte;
  for (const FicheLue& f : fiches) texte += f.marque < 10 ? static_cast<char>('0' + f.marque) : '+';
  return texte;
}

struct Essai {
  Programme p;
  std::string chemin;
  std::vector<FicheLue> fiches;  // as the program should hold them
};

// The program started on a fresh copy of the cards.
bool Demarrer(Essai& e, const std::string& cas, const std::vector<FicheLue>& fiches = Fiches()) {
  e.fiches = fiches;
  e.chemin = PreparerDossier("donnees\\" + cas) + "\\marques.lvx";
  const std::string octets = Octets(e.fiches);
  if (!Verifier(EcrireFichier(e.chemin, octets), "marques.lvx ecrit") ||
      !Verifier(PiloteDemarrer(e.p, cas, "\"" + e.chemin + "\""), "demarrage avec " + e.chemin)) {
    return false;
  }
  VerifierFichierCharge(e.p, "marques.lvx", octets);
  return true;
}

// Saves over the file and compares its mark words with `attendues`.
void VerifierMarquesEnregistrees(Essai& e, const std::string& attendues, const std::string& quoi) {
  std::string avant, octets;
  LireFichier(e.chemin, avant);
  // Emptied first, so that the save shows even when the bytes stay the
  // same. Watched by its size only: a reader holding the file open could
  // make the program's move over it fail.
  EcrireFichier(e.chemin, "");
  PiloteCommande(e.p, CMD_ENREGISTRER);
  PiloteAttendre([&] {
    WIN32_FILE_ATTRIBUTE_DATA a{};
    return GetFileAttributesExA(e.chemin.c_str(), GetFileExInfoStandard, &a) && (a.nFileSizeLow || a.nFileSizeHigh);
  });
  PiloteSynchroniser(e.p);
  std::vector<FicheLue> lues;
  if (!Verifier(LireFichier(e.chemin, octets) && LireFichesLvx(octets, lues),
                quoi + " : fichier enregistre et relu")) {
    EcrireFichier(e.chemin, avant);
    return;
  }
  VerifierTexte(Marques(lues), attendues, quoi + " : marques enregistrees");
  // Marking changes no text.
  bool textes = lues.size() == e.fiches.size();
  for (size_t i = 0; textes && i < lues.size(); ++i) {
    for (int c = 0; c < 5; ++c) textes &= lues[i].champs[c] == e.fiches[i].champs[c];
  }
  Verifier(textes, quoi + " : textes des fiches inchanges");
  for (size_t i = 0; i < lues.size() && i < e.fiches.size(); ++i) e.fiches[i].marque = lues[i].marque;
}

void Afficher(Essai& e, uint32_t numero, const std::string& quoi) {
  VerifierFicheAffichee(e.p, numero, static_cast<uint32_t>(e.fiches.size()), e.fiches[numero - 1], quoi);
}

bool Confirmer(Essai& e, const char* question, int reponse, bool proprietaire = true) {
  return VerifierBoite(e.p, question, Icone::Question, {IDYES, IDNO}, reponse,
                       proprietaire ? &e.p.principale : nullptr);
}

void Avertir(Essai& e, const char* texte) {
  VerifierBoite(e.p, texte, Icone::Exclamation, {IDOK}, IDOK, &e.p.principale);
}

// From the card on screen, the next (or previous) marked cards are
// `numeros`, alternately by menu and toolbar, then none is left.
void Parcourir(Essai& e, bool avant, const std::vector<uint32_t>& numeros) {
  int i = 0;
  for (uint32_t n : numeros) {
    const int commande = avant ? (i++ % 2 ? BOUTON_MARQUEE_SUIVANTE : CMD_MARQUEE_SUIVANTE)
                               : (i++ % 2 ? BOUTON_MARQUEE_PRECEDENTE : CMD_MARQUEE_PRECEDENTE);
    PiloteCommande(e.p, commande);
    const std::string quoi = "commande " + std::to_string(commande) + " : fiche marquee " + std::to_string(n);
    Afficher(e, n, quoi);
    VerifierFocus(e.p, ID_NOM_DE_SITE, quoi);
  }
  PiloteCommande(e.p, avant ? CMD_MARQUEE_SUIVANTE : BOUTON_MARQUEE_PRECEDENTE);
  Avertir(e, avant ? PAS_DE_MARQUEE_SUIVANTE : PAS_DE_MARQUEE_PRECEDENTE);
}

void Aller(Essai& e, uint32_t numero) {
  PiloteCommande(e.p, CMD_PREMIERE_FICHE);
  for (uint32_t n = 1; n < numero; ++n) PiloteCommande(e.p, CMD_FICHE_SUIVANTE);
  Afficher(e, numero, "fiche " + std::to_string(numero));
}

void Doublons() {
  Essai e;
  if (!Demarrer(e, "marquage_doublons")) {
    PiloteTerminer(e.p);
    return;
  }
  // No marked card before 7; none after 13.
  Parcourir(e, true, {7, 13});
  Parcourir(e, false, {7});
  PiloteCommande(e.p, CMD_PREMIERE_FICHE);
  Afficher(e, 1, "premiere fiche");

  PiloteCommande(e.p, CMD_MARQUER_DOUBLONS_URL);
  if (Confirmer(e, DOUBLONS_URL, IDNO)) Afficher(e, 1, "Non : rien ne change");
  PiloteCommande(e.p, CMD_MARQUER_DOUBLONS_URL);
  if (Confirmer(e, DOUBLONS_URL, IDYES)) {
    e.fiches[0].marque = e.fiches[1].marque = e.fiches[8].marque = 1;
    Afficher(e, 1, "Oui : la case suit la fiche 1, doublon");
  }
  Parcourir(e, true, {2, 7, 9, 13});
  Parcourir(e, false, {9, 7, 2, 1});
  VerifierMarquesEnregistrees(e, "11000010100020", "doublons d'URL");

  // The same document through other applications, the same last part of
  // the target on other hosts.
  const struct {
    int commande;
    const char* question;
    std::initializer_list<uint32_t> doublons;
    const char* marques;
  } cibles[] = {
      {CMD_MARQUER_DOUBLONS_CIBLE, DOUBLONS_CIBLE, {1, 2, 5, 6, 9}, "11001100100000"},
      {CMD_MARQUER_DOUBLONS_FIN_CIBLE, DOUBLONS_FIN_CIBLE, {1, 2, 5, 6, 7, 8, 9}, "11001111100000"},
  };
  for (const auto& c : cibles) {
    PiloteCommande(e.p, CMD_DEMARQUER_TOUT);
    if (Confirmer(e, DEMARQUER_TOUT, IDYES)) {
      for (FicheLue& f : e.fiches) f.marque = 0;
    }
    PiloteCommande(e.p, c.commande);
    if (Confirmer(e, c.question, IDYES)) {
      for (uint32_t n : c.doublons) e.fiches[n - 1].marque = 1;
    }
    Afficher(e, 1, "commande " + std::to_string(c.commande));
    VerifierMarquesEnregistrees(e, c.marques, "commande " + std::to_string(c.commande));
  }

  // A second URL that reduces to an empty key ("<EXTRAWEB>" alone): now the
  // cards with an empty URL are duplicates too.
  Aller(e, 14);
  DWORD_PTR r = 0;
  HWND url = GetDlgItem(e.p.principale, ID_URL);
  SendMessageTimeoutA(url, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("<EXTRAWEB>"), SMTO_NORMAL, DELAI_MS, &r);
  SendMessageTimeoutA(url, EM_SETMODIFY, TRUE, 0, SMTO_NORMAL, DELAI_MS, &r);
  e.fiches[13].champs[1] = "<EXTRAWEB>";
  PiloteCommande(e.p, BOUTON_DEMARQUER_TOUT);
  if (Confirmer(e, DEMARQUER_TOUT, IDYES)) {
    for (FicheLue& f : e.fiches) f.marque = 0;
    Afficher(e, 14, "tout demarque");
  }
  PiloteCommande(e.p, CMD_MARQUER_DOUBLONS_URL);
  if (Confirmer(e, DOUBLONS_URL, IDYES)) {
    for (uint32_t n : {1, 2, 3, 4, 9, 12, 14}) e.fiches[n - 1].marque = 1;
    Afficher(e, 14, "la fiche 14 est marquee");
  }
  VerifierMarquesEnregistrees(e, "11110000100101", "cles vides en double");
  // Every duplicate is marked already: the work stays as saved.
  PiloteCommande(e.p, CMD_MARQUER_DOUBLONS_URL);
  Confirmer(e, DOUBLONS_URL, IDYES);
  PiloteFermer(e.p);
  VerifierFinSansQuestion(e.p);
  PiloteTerminer(e.p);
}

// Toggling all twice gives every 0 and 1 back (the 2 of card 13 becomes 0,
// then 1); marking and unmarking all; the card on screen alone.
void Tout() {
  Essai e;
  if (!Demarrer(e, "marquage_tout")) {
    PiloteTerminer(e.p);
    return;
  }
  const HWND nom = GetDlgItem(e.p.principale, ID_NOM_DE_SITE);
  PiloteCommande(e.p, CMD_BASCULER_TOUT);
  if (Confirmer(e, BASCULER_TOUT, IDNO)) Afficher(e, 1, "Non : rien ne change");
  PiloteCommande(e.p, CMD_BASCULER_TOUT);
  if (Confirmer(e, BASCULER_TOUT, IDYES)) {
    for (FicheLue& f : e.fiches) f.marque = f.marque ? 0 : 1;
    Afficher(e, 1, "basculer tout : la case suit");
  }
  Verifier(PiloteFocus(e.p.principale) == nom, "le focus revient a Nom de site");
  VerifierMarquesEnregistrees(e, "11111101111101", "basculer tout");
  PiloteCommande(e.p, CMD_BASCULER_TOUT);
  if (Confirmer(e, BASCULER_TOUT, IDYES)) {
    for (FicheLue& f : e.fiches) f.marque = f.marque ? 0 : 1;
    Afficher(e, 1, "basculer tout deux fois");
  }
  VerifierMarquesEnregistrees(e, "00000010000010", "basculer tout deux fois");

  Aller(e, 7);
  PiloteCommande(e.p, CMD_MARQUER_TOUT);
  if (Confirmer(e, MARQUER_TOUT, IDYES)) {
    for (FicheLue& f : e.fiches) f.marque = 1;
    Afficher(e, 7, "marquer tout");
  }
  VerifierMarquesEnregistrees(e, "11111111111111", "marquer tout");
  PiloteCommande(e.p, CMD_DEMARQUER_TOUT);
  if (Confirmer(e, DEMARQUER_TOUT, IDNO)) Afficher(e, 7, "Non : toujours marquee");
  PiloteCommande(e.p, BOUTON_DEMARQUER_TOUT);
  if (Confirmer(e, DEMARQUER_TOUT, IDYES)) {
    for (FicheLue& f : e.fiches) f.marque = 0;
    Afficher(e, 7, "supprimer tout : la case suit");
  }
  Parcourir(e, true, {});
  Parcourir(e, false, {});

  // The card on screen alone: no question, stored at the next write back.
  PiloteCommande(e.p, CMD_BASCULER_ECRAN);
  e.fiches[6].marque = 1;
  Afficher(e, 7, "basculer la fiche a l'ecran");
  Verifier(PiloteChercherDialogue(e.p, TITRE_BOITES) == nullptr, "aucune question");
  VerifierMarquesEnregistrees(e, "00000010000000", "fiche a l'ecran");
  Aller(e, 1);
  Parcourir(e, true, {7});
  PiloteCommande(e.p, CMD_BASCULER_ECRAN);
  e.fiches[6].marque = 0;
  Afficher(e, 7, "basculer de nouveau");
  PiloteCommande(e.p, CMD_PREMIERE_FICHE);
  Afficher(e, 1, "premiere fiche");
  Parcourir(e, true, {});
  VerifierMarquesEnregistrees(e, "00000000000000", "fiche a l'ecran rebasculee");
  PiloteFermer(e.p);
  VerifierFinSansQuestion(e.p);
  PiloteTerminer(e.p);
}

// Opens the range dialog by `commande`, checks its caption, fills it and
// presses `bouton`.
bool Plage(Essai& e, int commande, const char* titre, const char* de, const char* a, int bouton) {
  PiloteCommande(e.p, commande);
  HWND d = PiloteAttendreDialogue(e.p, titre);
  if (!Verifier(d != nullptr, std::string("\"") + titre + "\" s'ouvre")) return false;
  VerifierTexte(PiloteTexteControle(d, ID_DE) + "|" + PiloteTexteControle(d, ID_A), "|", "numeros vides");
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(d, ID_DE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(de), SMTO_NORMAL, DELAI_MS, &r);
  SendMessageTimeoutA(GetDlgItem(d, ID_A), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a), SMTO_NORMAL, DELAI_MS, &r);
  return Verifier(PiloteCliquer(d, bouton) && PiloteAttendreDisparition(d),
                  std::string(de) + " a " + a + (bouton == ID_OK_PLAGE ? " puis OK" : " puis Annuler"));
}

void PlageDeFiches() {
  Essai e;
  if (!Demarrer(e, "marquage_plage")) {
    PiloteTerminer(e.p);
    return;
  }
  if (Plage(e, CMD_BASCULER_PLAGE, "Basculer le marquage des fiches...", "1", "14", ID_ANNULER_PLAGE) &&
      Plage(e, CMD_DEMARQUER_PLAGE, "Supprimer le marquage des fiches...", "1", "14", ID_ANNULER_PLAGE)) {
    Afficher(e, 1, "Annuler : rien ne change");
  }
  // The numbers in either order; the card on screen is in the range.
  // Typed: only digits and editing keys get through while it is open.
  Aller(e, 5);
  PiloteCommande(e.p, CMD_MARQUER_PLAGE);
  HWND d = PiloteAttendreDialogue(e.p, "Marquer les fiches...");
  if (Verifier(d != nullptr, "\"Marquer les fiches...\" s'ouvre") &&
      Verifier(PiloteAuPremierPlan(d), "le dialogue est au premier plan")) {
    for (WORD vk : {WORD('A'), WORD('3'), WORD(VK_F4), WORD(VK_ESCAPE)}) PiloteTouche(vk);
    PiloteSynchroniser(e.p);
    VerifierTexte(PiloteTexteControle(d, ID_DE), "", "lettre, chiffre du haut, F4 et Echap refuses");
    Verifier(IsWindowVisible(d), "Echap ne ferme pas le dialogue");
    // Top-row digits get in with Caps Lock on (the numeric pad's depend on
    // Num Lock, which the X server may set back behind Wine's back).
    PiloteTouche(VK_CAPITAL);
    PiloteTouche('1');
    PiloteTouche('0');
    PiloteTouche(VK_TAB);
    PiloteTouche('3');
    PiloteTouche(VK_CAPITAL);
    PiloteAttendre([&] { return PiloteTexteControle(d, ID_A) == "3"; }, 2000);
    VerifierTexte(PiloteTexteControle(d, ID_DE) + " a " + PiloteTexteControle(d, ID_A), "10 a 3",
                  "chiffres avec Verr. Maj, tabulation");
    PiloteTouche(VK_RETURN);
    if (Verifier(PiloteAttendreDisparition(d), "Entree ferme le dialogue")) {
      for (uint32_t n = 3; n <= 10; ++n) e.fiches[n - 1].marque = 1;
      Afficher(e, 5, "plage 10 a 3 : la case suit");
    }
  }
  VerifierMarquesEnregistrees(e, "00111111110020", "marquer 10 a 3");

  const struct {
    const char* de;
    const char* a;
    const char* message;
  } refus[] = {{"0", "5", "Un numéro de fiche n'est pas valide."},
               {"3", "", "Un numéro de fiche n'est pas valide."},
               {"3", "15", "Un numéro de fiche que vous avez choisi est trop grand."},
               {"0", "99", "Un numéro de fiche que vous avez choisi est trop grand."}};
  for (const auto& r : refus) {
    if (Plage(e, CMD_MARQUER_PLAGE, "Marquer les fiches...", r.de, r.a, ID_OK_PLAGE)) Avertir(e, r.message);
  }
  Afficher(e, 5, "refus : rien ne change");

  // Unmark one card; toggle 12 to 14 (13's 2 becomes 0); the last card is
  // number 14, the greatest accepted.
  if (Plage(e, CMD_DEMARQUER_PLAGE, "Supprimer le marquage des fiches...", "5", "5", ID_OK_PLAGE)) {
    e.fiches[4].marque = 0;
    Afficher(e, 5, "supprimer 5 a 5");
  }
  // Only the first six characters count: "0000144" is 14.
  if (Plage(e, CMD_BASCULER_PLAGE, "Basculer le marquage des fiches...", "0000144", "12", ID_OK_PLAGE)) {
    e.fiches[11].marque = 1;
    e.fiches[12].marque = 0;
    e.fiches[13].marque = 1;
    Afficher(e, 5, "basculer 14 a 12");
  }
  VerifierMarquesEnregistrees(e, "00110111110101", "supprimer 5, basculer 12 a 14");
  // Marking cards already marked changes nothing of the work.
  if (Plage(e, CMD_MARQUER_PLAGE, "Marquer les fiches...", "3", "4", ID_OK_PLAGE)) Afficher(e, 5, "3 a 4 deja marquees");
  if (Plage(e, CMD_DEMARQUER_PLAGE, "Supprimer le marquage des fiches...", "1", "2", ID_OK_PLAGE)) {
    Afficher(e, 5, "1 a 2 deja sans marque");
  }
  PiloteFermer(e.p);
  VerifierFinSansQuestion(e.p);
  PiloteTerminer(e.p);
}

// Opens MARQUAGEBOX by `commande`: all five boxes ticked at each opening.
HWND OuvrirIncompletes(Essai& e, int commande) {
  PiloteCommande(e.p, commande);
  HWND d = PiloteAttendreDialogue(e.p, TITRE_INCOMPLETES);
  if (!Verifier(d != nullptr, "commande " + std::to_string(commande) + " : le dialogue s'ouvre")) return nullptr;
  std::string coches;
  for (int id = ID_NOM_VIDE; id < ID_NOM_VIDE + 5; ++id) coches += PiloteCoche(d, id) == BST_CHECKED ? '1' : '0';
  VerifierTexte(coches, "11111", "les cinq cases cochees a l'ouverture");
  return d;
}

// Leaves ticked only the boxes of `gardees` (indexes 0 to 4), then presses
// `bouton`.
bool Incompletes(Essai& e, int commande, std::initializer_list<int> gardees, int bouton) {
  HWND d = OuvrirIncompletes(e, commande);
  if (!d) return false;
  for (int i = 0; i < 5; ++i) {
    bool garder = false;
    for (int g : gardees) garder |= g == i;
    DWORD_PTR r = 0;
    if (!garder) SendMessageTimeoutA(GetDlgItem(d, ID_NOM_VIDE + i), BM_CLICK, 0, 0, SMTO_NORMAL, DELAI_MS, &r);
  }
  std::string coches;
  for (int id = ID_NOM_VIDE; id < ID_NOM_VIDE + 5; ++id) coches += PiloteCoche(d, id) == BST_CHECKED ? '1' : '0';
  std::string attendues = "00000";
  for (int g : gardees) attendues[g] = '1';
  VerifierTexte(coches, attendues, "cases choisies");
  return Verifier(PiloteCliquer(d, bouton) && PiloteAttendreDisparition(d), "le dialogue se ferme");
}

void FichesIncompletes() {
  Essai e;
  if (!Demarrer(e, "marquage_incompletes")) {
    PiloteTerminer(e.p);
    return;
  }
  const struct {
    int id;
    const char* texte;
  } cases[] = {{519, "Champ Nom du site vide"}, {520, "Champ URL vide"}, {521, "Champ Rubrique vide"},
               {522, "Champ Mots Clés vide"},   {523, "Champ Notes vide"}, {524, "&OK"}, {525, "&Annuler"}};
  if (HWND d = OuvrirIncompletes(e, CMD_MARQUER_INCOMPLETES)) {
    for (const auto& c : cases) VerifierTexte(PiloteTexteControle(d, c.id), c.texte, "controle " + std::to_string(c.id));
    Verifier(PiloteCliquer(d, ID_ANNULER_INCOMPLETES) && PiloteAttendreDisparition(d), "Annuler ferme le dialogue");
  }
  // Nothing ticked: OK does nothing.
  Incompletes(e, CMD_MARQUER_INCOMPLETES, {}, ID_OK_INCOMPLETES);
  Afficher(e, 1, "Annuler, puis OK sans case : rien ne change");
  VerifierMarquesEnregistrees(e, "00000010000020", "rien de coche");

  // Only "Champ Notes vide": exactly the cards with empty notes (not card
  // 6, whose Rubrique is empty, nor 11, whose Mots clés are).
  Aller(e, 2);
  if (Incompletes(e, CMD_MARQUER_INCOMPLETES, {4}, ID_OK_INCOMPLETES)) {
    for (uint32_t n : {2, 4, 8, 10, 14}) e.fiches[n - 1].marque = 1;
    Afficher(e, 2, "notes vides : la case suit");
  }
  VerifierMarquesEnregistrees(e, "01010011010021", "notes vides");

  // Unmark those with an empty URL (3, 4); toggle those with an empty
  // Rubrique or Mots clés (6, 11).
  if (Incompletes(e, CMD_DEMARQUER_INCOMPLETES, {1}, ID_OK_INCOMPLETES)) {
    e.fiches[3].marque = 0;
    Afficher(e, 2, "URL vides demarquees");
  }
  if (Incompletes(e, CMD_BASCULER_INCOMPLETES, {2, 3}, ID_OK_INCOMPLETES)) Afficher(e, 2, "basculer");
  VerifierMarquesEnregistrees(e, "01000111011021", "URL vides demarquees, rubriques et mots cles bascules");
  // Unmarking cards without a mark still counts as a change of the work.
  if (Incompletes(e, CMD_DEMARQUER_INCOMPLETES, {1}, ID_OK_INCOMPLETES)) Afficher(e, 2, "URL vides deja demarquees");
  VerifierQuitterDemande(e.p);
  PiloteTerminer(e.p);
}

// Sets the search expression through the criteria dialog (all five fields).
bool Criteres(Essai& e, const char* expression) {
  PiloteCommande(e.p, CMD_CRITERES);
  HWND d = PiloteAttendreDialogue(e.p, "Définir les critères de recherche !");
  if (!Verifier(d != nullptr, "les criteres de recherche s'ouvrent")) return false;
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(d, 436), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(expression), SMTO_NORMAL,
                      DELAI_MS, &r);
  return Verifier(PiloteCliquer(d, 496) && PiloteAttendreDisparition(d),
                  std::string("criteres : \"") + expression + "\" puis OK");
}

// "exemple.fr" is in the URL of cards 1, 2, 9 and 14; "nu.fr" in card 13's,
// whose mark word 2 a toggle by search makes 1.
void ParRecherche() {
  Essai e;
  if (!Demarrer(e, "marquage_recherche")) {
    PiloteTerminer(e.p);
    return;
  }
  PiloteCommande(e.p, CMD_MARQUER_RECHERCHE);
  Avertir(e, RIEN_A_RECHERCHER);
  PiloteCommande(e.p, CMD_BASCULER_RECHERCHE);
  Avertir(e, RIEN_A_RECHERCHER);
  if (!Criteres(e, "exemple.fr")) {
    PiloteTerminer(e.p);
    return;
  }
  PiloteCommande(e.p, CMD_MARQUER_RECHERCHE);
  if (Confirmer(e, MARQUER_RECHERCHE, IDNO)) Afficher(e, 1, "Non : rien ne change");
  PiloteCommande(e.p, CMD_MARQUER_RECHERCHE);
  if (Confirmer(e, MARQUER_RECHERCHE, IDYES)) {
    for (uint32_t n : {1, 2, 9, 14}) e.fiches[n - 1].marque = 1;
    Afficher(e, 1, "marquer par recherche : la case suit");
  }
  VerifierMarquesEnregistrees(e, "11000010100021", "marquer par recherche");

  if (Criteres(e, "nu.fr")) {
    PiloteCommande(e.p, CMD_BASCULER_RECHERCHE);
    if (Confirmer(e, BASCULER_RECHERCHE, IDYES)) e.fiches[12].marque = 1;
    VerifierMarquesEnregistrees(e, "11000010100011", "basculer par recherche un mot 2");
    PiloteCommande(e.p, CMD_BASCULER_RECHERCHE);
    if (Confirmer(e, BASCULER_RECHERCHE, IDYES)) e.fiches[12].marque = 0;
    VerifierMarquesEnregistrees(e, "11000010100001", "basculer par recherche de nouveau");
  }
  if (Criteres(e, "exemple.fr")) {
    PiloteCommande(e.p, CMD_DEMARQUER_RECHERCHE);
    if (Confirmer(e, DEMARQUER_RECHERCHE, IDYES)) {
      for (uint32_t n : {1, 2, 9, 14}) e.fiches[n - 1].marque = 0;
      Afficher(e, 1, "supprimer par recherche : la case suit");
    }
    VerifierMarquesEnregistrees(e, "00000010000000", "supprimer par recherche");
    // Nothing left to unmark: the work stays as saved.
    PiloteCommande(e.p, CMD_DEMARQUER_RECHERCHE);
    Confirmer(e, DEMARQUER_RECHERCHE, IDYES);
  }
  PiloteFermer(e.p);
  VerifierFinSansQuestion(e.p);
  PiloteTerminer(e.p);
}

std::string QuestionExtraWeb(const char* verbe) {
  char texte[300];
  std::snprintf(texte, sizeof texte, EXTRAWEB_INVALIDES, verbe);
  return texte;
}

// Extra-web cards whose application or document is missing, with real
// files on the disk for the others.
void ExtraWebInvalides() {
  const std::string donnees = PreparerDossier("donnees\\marquage_extraweb_fichiers");
  const std::string application = DossierBinaires() + "\\essai_temoin.exe";
  const std::string avec_blancs = donnees + "\\mes outils\\outil.exe";
  const std::string document = donnees + "\\document.txt";
  const std::string tag = "<EXTRAWEB>";
  if (!Verifier(CreerDossiers(donnees + "\\mes outils") && EcrireFichier(avec_blancs, "MZ") &&
                    EcrireFichier(document, "bonjour"),
                "fichiers de l'application et du document")) {
    return;
  }
  const struct {
    uint16_t marque;
    std::string url;
  } cartes[] = {
      {1, tag + application + " " + document},            // valid
      {0, tag + application},                             // valid: no document
      {1, tag},                                           // nothing after the tag
      {0, tag + application + " " + donnees + "\\absent.txt"},
      {0, tag + donnees + "\\absente.exe"},
      {0, tag + application + document},                  // no blank: all of it is the application
      {0, tag + avec_blancs + " " + document},            // valid: split at the blank before the drive
      {0, "<extraweb>" + donnees + "\\absente.exe"},      // not an extra-web card
      {0, "http://www.exemple.fr/"},
  };
  std::vector<FicheLue> fiches;
  for (const auto& c : cartes) {
    FicheLue f;
    f.marque = c.marque;
    f.champs[0] = "Fiche " + std::to_string(fiches.size() + 1);
    f.champs[1] = c.url;
    fiches.push_back(f);
  }
  Essai e;
  if (!Demarrer(e, "marquage_extraweb", fiches)) {
    PiloteTerminer(e.p);
    return;
  }
  PiloteCommande(e.p, CMD_MARQUER_EXTRAWEB);
  if (Confirmer(e, QuestionExtraWeb("marquer").c_str(), IDNO)) Afficher(e, 1, "Non : rien ne change");
  PiloteCommande(e.p, CMD_MARQUER_EXTRAWEB);
  if (Confirmer(e, QuestionExtraWeb("marquer").c_str(), IDYES)) {
    for (uint32_t n : {3, 4, 5, 6}) e.fiches[n - 1].marque = 1;
  }
  VerifierMarquesEnregistrees(e, "101111000", "marquer les <EXTRAWEB> introuvables");
  PiloteCommande(e.p, CMD_BASCULER_EXTRAWEB);
  if (Confirmer(e, QuestionExtraWeb("basculer le marquage de").c_str(), IDYES)) {
    for (uint32_t n : {3, 4, 5, 6}) e.fiches[n - 1].marque = 0;
  }
  VerifierMarquesEnregistrees(e, "100000000", "basculer les <EXTRAWEB> introuvables");
  // Nothing to unmark, yet each invalid card counts as a change.
  PiloteCommande(e.p, CMD_DEMARQUER_EXTRAWEB);
  Confirmer(e, QuestionExtraWeb("supprimer le marquage de").c_str(), IDYES);
  VerifierQuitterDemande(e.p);
  PiloteTerminer(e.p);
}

const Cas cas[] = {
    {"marquage_doublons", Doublons},
    {"marquage_tout", Tout},
    {"marquage_plage", PlageDeFiches},
    {"marquage_incompletes", FichesIncompletes},
    {"marquage_recherche", ParRecherche},
    {"marquage_extraweb", ExtraWebInvalides},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
