// Card commands on a loaded copy of the sample, each menu item and its
// toolbar twin in turn: new card, duplicate, delete, next and previous,
// first and last, go to a card through its dialog. The file saved at the
// end shows what the store holds.
#include <cstdio>

#include "attentes.h"
#include "entrees.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

constexpr int CMD_SUPPRIMER = 315;
constexpr int CMD_DUPLIQUER = 314;
constexpr int CMD_NOUVELLE_FICHE = 316;
constexpr int CMD_FICHE_SUIVANTE = 317;
constexpr int CMD_FICHE_PRECEDENTE = 318;
constexpr int CMD_PREMIERE_FICHE = 335;
constexpr int CMD_DERNIERE_FICHE = 340;
constexpr int CMD_ALLER_A = 637;
constexpr int BOUTON_NOUVELLE_FICHE = 420;
constexpr int BOUTON_DUPLIQUER = 437;
constexpr int BOUTON_SUPPRIMER = 427;
constexpr int BOUTON_SUIVANTE = 422;
constexpr int BOUTON_PRECEDENTE = 423;

const char* const TITRE_ALLER_A = "Aller à la fiche...";
constexpr int ID_NUMERO_ALLER = 640;
constexpr int ID_OK_ALLER = 639;
constexpr int ID_ANNULER_ALLER = 638;

const char* const QUESTION_SUPPRIMER = "Voulez-vous vraiment\n supprimer cette fiche?";
const char* const PAS_DE_SUIVANTE = "Il n'y a pas de fiche suivante.";
const char* const PAS_DE_PRECEDENTE = "Il n'y a pas de fiche précédente.";
const char* const NUMERO_INVALIDE = "le numéro de fiche n'est pas valide.";
const char* const NUMERO_TROP_GRAND = "Le numéro de fiche que vous avez choisi est trop grand.";

std::string Commande(int id) { return "commande " + std::to_string(id); }

// Saves over the loaded file and reads its cards back.
bool EnregistrerEtRelire(Programme& p, const std::string& chemin, std::vector<FicheLue>& fiches) {
  std::string avant;
  LireFichier(chemin, avant);
  PiloteCommande(p, CMD_ENREGISTRER);
  std::string octets;
  PiloteAttendre([&] { return LireFichier(chemin, octets) && octets != avant && LireFichesLvx(octets, fiches); });
  return Verifier(LireFichesLvx(octets, fiches), "fichier enregistre et relu : " + chemin);
}

// The saved cards are `attendues`, card by card.
void VerifierFichesEnregistrees(const std::vector<FicheLue>& lues, const std::vector<FicheLue>& attendues) {
  VerifierEntier(static_cast<long long>(lues.size()), static_cast<long long>(attendues.size()),
                 "nombre de fiches enregistrees");
  std::string differences;
  for (size_t i = 0; i < lues.size() && i < attendues.size(); ++i) {
    bool pareille = lues[i].marque == attendues[i].marque;
    for (int c = 0; c < 5; ++c) pareille &= lues[i].champs[c] == attendues[i].champs[c];
    if (!pareille) {
      differences += " [fiche " + std::to_string(i + 1) + " : \"" + Lisible(lues[i].champs[0]) +
                     "\" au lieu de \"" + Lisible(attendues[i].champs[0]) + "\"]";
    }
  }
  Verifier(differences.empty(), "fiches enregistrees dans l'ordre attendu" + differences);
}

// A message of refusal: warning icon, OK only.
void VerifierAvertissement(Programme& p, const char* texte) {
  VerifierBoite(p, texte, Icone::Exclamation, {IDOK}, IDOK, &p.principale);
}

void NouvelleFiche() {
  Programme p;
  std::vector<FicheLue> fiches;
  std::string chemin;
  if (DemarrerSurExemple(p, "fiches_nouvelle", fiches, &chemin)) {
    const FicheLue vide;
    std::vector<FicheLue> attendues = fiches;

    // On card 1: the new card is card 2, the former card 2 comes after it;
    // Nom de site takes the focus from the current field.
    PiloteAuPremierPlan(p.principale);
    PiloteClic(GetDlgItem(p.principale, ID_NOTES));
    VerifierFocus(p, ID_NOTES, "clic dans Notes");
    PiloteCommande(p, CMD_NOUVELLE_FICHE);
    VerifierFicheVide(p, 2, 40, Commande(CMD_NOUVELLE_FICHE) + " sur la fiche 1");
    VerifierFocus(p, ID_NOM_DE_SITE, Commande(CMD_NOUVELLE_FICHE));
    attendues.insert(attendues.begin() + 1, vide);
    PiloteCommande(p, CMD_FICHE_SUIVANTE);
    VerifierFicheAffichee(p, 3, 40, attendues[2], "suivante : l'ancienne fiche 2");

    // The toolbar button on a marked card being edited: the edit is kept,
    // the new card is not marked.
    if (Verifier(PiloteTaper(p.principale, ID_RUBRIQUE, " (à revoir)"), "saisie dans Rubrique")) {
      attendues[2].champs[2] += " (à revoir)";
    }
    PiloteCommande(p, BOUTON_NOUVELLE_FICHE);
    VerifierFicheVide(p, 4, 41, Commande(BOUTON_NOUVELLE_FICHE) + " sur la fiche 3, marquee");
    attendues.insert(attendues.begin() + 3, vide);
    PiloteCommande(p, CMD_FICHE_PRECEDENTE);
    VerifierFicheAffichee(p, 3, 41, attendues[2], "precedente : la fiche 3 avec sa Rubrique modifiee");

    // After the last card: the new card goes to the end.
    PiloteCommande(p, CMD_DERNIERE_FICHE);
    VerifierFicheAffichee(p, 41, 41, attendues[40], "derniere fiche");
    PiloteCommande(p, BOUTON_NOUVELLE_FICHE);
    VerifierFicheVide(p, 42, 42, Commande(BOUTON_NOUVELLE_FICHE) + " sur la derniere fiche");
    attendues.push_back(vide);
    PiloteCommande(p, CMD_FICHE_SUIVANTE);
    VerifierAvertissement(p, PAS_DE_SUIVANTE);

    std::vector<FicheLue> lues;
    if (EnregistrerEtRelire(p, chemin, lues)) VerifierFichesEnregistrees(lues, attendues);
  }
  PiloteTerminer(p);
}

void Dupliquer() {
  Programme p;
  std::vector<FicheLue> fiches;
  std::string chemin;
  if (DemarrerSurExemple(p, "fiches_dupliquer", fiches, &chemin)) {
    std::vector<FicheLue> attendues = fiches;

    // Card 2 is marked: its copies are too.
    PiloteCommande(p, BOUTON_SUIVANTE);
    VerifierFicheAffichee(p, 2, 39, fiches[1], "fiche 2");
    PiloteAuPremierPlan(p.principale);
    PiloteClic(GetDlgItem(p.principale, ID_NOTES));
    VerifierFocus(p, ID_NOTES, "clic dans Notes");
    PiloteCommande(p, CMD_DUPLIQUER);
    VerifierFicheAffichee(p, 3, 40, fiches[1], Commande(CMD_DUPLIQUER) + " de la fiche 2");
    VerifierFocus(p, ID_NOM_DE_SITE, Commande(CMD_DUPLIQUER));
    attendues.insert(attendues.begin() + 2, fiches[1]);
    PiloteCommande(p, BOUTON_DUPLIQUER);
    VerifierFicheAffichee(p, 4, 41, fiches[1], Commande(BOUTON_DUPLIQUER) + " de la copie");
    attendues.insert(attendues.begin() + 3, fiches[1]);
    PiloteCommande(p, CMD_FICHE_SUIVANTE);
    VerifierFicheAffichee(p, 5, 41, attendues[4], "suivante : l'ancienne fiche 3");

    // Text typed on the card before duplicating goes into both cards.
    PiloteCommande(p, CMD_PREMIERE_FICHE);
    VerifierFicheAffichee(p, 1, 41, fiches[0], "premiere fiche");
    const std::string ajout = " (édition du soir)";
    if (Verifier(PiloteTaper(p.principale, ID_NOM_DE_SITE, ajout), "saisie dans Nom de site")) {
      FicheLue modifiee = fiches[0];
      modifiee.champs[0] += ajout;
      attendues[0] = modifiee;
      PiloteCommande(p, BOUTON_DUPLIQUER);
      VerifierFicheAffichee(p, 2, 42, modifiee, Commande(BOUTON_DUPLIQUER) + " d'une fiche modifiee");
      attendues.insert(attendues.begin() + 1, modifiee);
    }

    std::vector<FicheLue> lues;
    if (EnregistrerEtRelire(p, chemin, lues)) VerifierFichesEnregistrees(lues, attendues);
  }
  PiloteTerminer(p);
}

// Asks to delete the card on screen and answers.
bool Supprimer(Programme& p, int commande, int reponse) {
  PiloteCommande(p, commande);
  return VerifierBoite(p, QUESTION_SUPPRIMER, Icone::Question, {IDYES, IDNO}, reponse, &p.principale);
}

void SupprimerFiches() {
  Programme p;
  std::vector<FicheLue> fiches;
  std::string chemin;
  if (DemarrerSurExemple(p, "fiches_supprimer", fiches, &chemin)) {
    std::vector<FicheLue> attendues = fiches;
    PiloteCommande(p, CMD_FICHE_SUIVANTE);
    PiloteCommande(p, CMD_FICHE_SUIVANTE);
    VerifierFicheAffichee(p, 3, 39, fiches[2], "fiche 3");

    // "Non" changes nothing but gives the focus back to the current field,
    // "Oui" shows the card before.
    PiloteAuPremierPlan(p.principale);
    PiloteClic(GetDlgItem(p.principale, ID_NOTES));
    VerifierFocus(p, ID_NOTES, "clic dans Notes");
    if (Supprimer(p, CMD_SUPPRIMER, IDNO)) {
      VerifierFicheAffichee(p, 3, 39, fiches[2], "Non : rien ne change");
      VerifierFocus(p, ID_NOTES, "Non");
    }
    if (Supprimer(p, BOUTON_SUPPRIMER, IDYES)) {
      VerifierFicheAffichee(p, 2, 38, fiches[1], Commande(BOUTON_SUPPRIMER) + " de la fiche 3");
      VerifierFocus(p, ID_NOM_DE_SITE, "Oui");
      attendues.erase(attendues.begin() + 2);
    }

    // Card 1 of several: the former card 2 becomes card 1.
    PiloteCommande(p, CMD_PREMIERE_FICHE);
    VerifierFicheAffichee(p, 1, 38, fiches[0], "premiere fiche");
    if (Supprimer(p, CMD_SUPPRIMER, IDYES)) {
      VerifierFicheAffichee(p, 1, 37, fiches[1], Commande(CMD_SUPPRIMER) + " de la fiche 1");
      attendues.erase(attendues.begin());
    }

    // The last card: the card before it, both counters down.
    PiloteCommande(p, CMD_DERNIERE_FICHE);
    VerifierFicheAffichee(p, 37, 37, fiches[38], "derniere fiche");
    if (Supprimer(p, BOUTON_SUPPRIMER, IDYES)) {
      VerifierFicheAffichee(p, 36, 36, fiches[37], Commande(BOUTON_SUPPRIMER) + " de la derniere fiche");
      attendues.pop_back();
    }

    std::vector<FicheLue> lues;
    if (EnregistrerEtRelire(p, chemin, lues)) VerifierFichesEnregistrees(lues, attendues);
  }
  PiloteTerminer(p);
}

// Deleting the only card leaves one empty card, and the work modified.
void SupprimerSeuleFiche() {
  Programme p;
  if (Verifier(PiloteDemarrer(p, "fiches_supprimer_seule", ""), "demarrage") &&
      Verifier(PiloteTaper(p.principale, ID_NOM_DE_SITE, "Fiche unique"), "saisie dans Nom de site") &&
      Supprimer(p, CMD_SUPPRIMER, IDYES)) {
    VerifierFicheVide(p, 1, 1, "seule fiche supprimee");
    Verifier(!PiloteEditModifie(GetDlgItem(p.principale, ID_NOM_DE_SITE)), "Nom de site non modifie");
    VerifierQuitterDemande(p);
  }
  PiloteTerminer(p);
}

void Navigation() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (DemarrerSurExemple(p, "fiches_navigation", fiches)) {
    const uint32_t total = static_cast<uint32_t>(fiches.size());
    VerifierFocus(p, ID_NOM_DE_SITE, "au demarrage");
    // A click makes Notes the current field; a refusal gives it the focus back.
    PiloteAuPremierPlan(p.principale);
    PiloteClic(GetDlgItem(p.principale, ID_NOTES));
    VerifierFocus(p, ID_NOTES, "clic dans Notes");
    PiloteCommande(p, CMD_FICHE_PRECEDENTE);
    VerifierAvertissement(p, PAS_DE_PRECEDENTE);
    VerifierFocus(p, ID_NOTES, "apres \"pas de fiche precedente\"");
    PiloteCommande(p, BOUTON_PRECEDENTE);
    VerifierAvertissement(p, PAS_DE_PRECEDENTE);
    VerifierFicheAffichee(p, 1, total, fiches[0], "toujours la fiche 1");
    VerifierFocus(p, ID_NOTES, "apres \"pas de fiche precedente\"");

    PiloteCommande(p, BOUTON_SUIVANTE);
    VerifierFicheAffichee(p, 2, total, fiches[1], Commande(BOUTON_SUIVANTE));
    VerifierFocus(p, ID_NOM_DE_SITE, "fiche suivante");
    PiloteCommande(p, CMD_FICHE_SUIVANTE);
    VerifierFicheAffichee(p, 3, total, fiches[2], Commande(CMD_FICHE_SUIVANTE));
    PiloteCommande(p, BOUTON_PRECEDENTE);
    VerifierFicheAffichee(p, 2, total, fiches[1], Commande(BOUTON_PRECEDENTE));
    PiloteCommande(p, CMD_FICHE_PRECEDENTE);
    VerifierFicheAffichee(p, 1, total, fiches[0], Commande(CMD_FICHE_PRECEDENTE));

    PiloteCommande(p, CMD_DERNIERE_FICHE);
    VerifierFicheAffichee(p, total, total, fiches[total - 1], Commande(CMD_DERNIERE_FICHE));
    PiloteClic(GetDlgItem(p.principale, ID_NOTES));
    VerifierFocus(p, ID_NOTES, "clic dans Notes");
    PiloteCommande(p, CMD_FICHE_SUIVANTE);
    VerifierAvertissement(p, PAS_DE_SUIVANTE);
    VerifierFocus(p, ID_NOTES, "apres \"pas de fiche suivante\"");
    PiloteCommande(p, BOUTON_SUIVANTE);
    VerifierAvertissement(p, PAS_DE_SUIVANTE);
    VerifierFicheAffichee(p, total, total, fiches[total - 1], "toujours la derniere fiche");
    PiloteCommande(p, BOUTON_PRECEDENTE);
    VerifierFicheAffichee(p, total - 1, total, fiches[total - 2], Commande(BOUTON_PRECEDENTE));
    PiloteCommande(p, CMD_PREMIERE_FICHE);
    VerifierFicheAffichee(p, 1, total, fiches[0], Commande(CMD_PREMIERE_FICHE));
    VerifierFocus(p, ID_NOM_DE_SITE, "premiere fiche");

    // Moving changes nothing of the work.
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

// Opens the go-to dialog; null when it does not come.
HWND OuvrirAllerA(Programme& p) {
  PiloteCommande(p, CMD_ALLER_A);
  return PiloteAttendreDialogue(p, TITRE_ALLER_A);
}

// Fills the go-to dialog's number with `texte` and presses OK.
bool AllerA(Programme& p, const std::string& texte) {
  HWND dialogue = OuvrirAllerA(p);
  if (!Verifier(dialogue != nullptr, "\"" + std::string(TITRE_ALLER_A) + "\" s'ouvre")) return false;
  DWORD_PTR resultat = 0;
  SendMessageTimeoutA(GetDlgItem(dialogue, ID_NUMERO_ALLER), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(texte.c_str()), SMTO_NORMAL, DELAI_MS, &resultat);
  return Verifier(PiloteCliquer(dialogue, ID_OK_ALLER) && PiloteAttendreDisparition(dialogue),
                  "\"" + texte + "\" puis OK : le dialogue se ferme");
}

void AllerAFiche() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "fiches_aller_a", fiches)) {
    PiloteTerminer(p);
    return;
  }
  const uint32_t total = static_cast<uint32_t>(fiches.size());
  HWND dialogue = OuvrirAllerA(p);
  if (Verifier(dialogue != nullptr, "\"Aller a la fiche...\" s'ouvre")) {
    VerifierTexte(PiloteTexteControle(dialogue, ID_OK_ALLER), "&OK", "bouton OK");
    VerifierTexte(PiloteTexteControle(dialogue, ID_ANNULER_ALLER), "&Annuler", "bouton Annuler");
    VerifierTexte(PiloteTexteControle(dialogue, ID_NUMERO_ALLER), "", "numero vide a l'ouverture");
    Verifier(PiloteCliquer(dialogue, ID_ANNULER_ALLER) && PiloteAttendreDisparition(dialogue),
             "Annuler ferme le dialogue");
    VerifierFicheAffichee(p, 1, total, fiches[0], "Annuler : toujours la fiche 1");
  }

  const struct {
    const char* texte;
    uint32_t fiche;           // card reached, 0 when refused
    const char* message;      // the refusal
  } essais[] = {
      {"5", 5, nullptr},
      {"0", 0, NUMERO_INVALIDE},
      {"abc", 0, NUMERO_INVALIDE},
      {"40", 0, NUMERO_TROP_GRAND},
      {"-5", 0, NUMERO_TROP_GRAND},  // the sign wraps round: far too great
      {"39", 39, nullptr},
      {" +7", 7, nullptr},
      {"0000123", 12, nullptr},      // only the first six characters count
  };
  // A refusal gives the focus back to the current field (Notes after the
  // click), a card shown gives it to Nom de site.
  PiloteAuPremierPlan(p.principale);
  PiloteClic(GetDlgItem(p.principale, ID_NOTES));
  VerifierFocus(p, ID_NOTES, "clic dans Notes");
  uint32_t courante = 1;
  int champ_courant = ID_NOTES;
  for (const auto& e : essais) {
    std::printf("-- aller a \"%s\"\n", e.texte);
    if (!AllerA(p, e.texte)) continue;
    if (e.message) VerifierAvertissement(p, e.message);
    if (e.fiche) {
      courante = e.fiche;
      champ_courant = ID_NOM_DE_SITE;
    }
    const std::string quoi = std::string("apres \"") + e.texte + "\"";
    VerifierFicheAffichee(p, courante, total, fiches[courante - 1], quoi);
    VerifierFocus(p, champ_courant, quoi);
  }
  PiloteTerminer(p);
}

void Saisi(const Programme& p, HWND dialogue, const std::string& attendu, const std::string& quoi) {
  PiloteAttendre([&] { return PiloteTexteControle(dialogue, ID_NUMERO_ALLER) == attendu; }, 2000);
  PiloteSynchroniser(p);
  VerifierTexte(PiloteTexteControle(dialogue, ID_NUMERO_ALLER), attendu, quoi);
}

// Keys typed into the go-to dialog: letters, function keys, Escape and the
// top-row digits are held back; the numeric pad's digits get in.
void AllerAClavier() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "fiches_aller_a_clavier", fiches)) {
    PiloteTerminer(p);
    return;
  }
  const uint32_t total = static_cast<uint32_t>(fiches.size());
  HWND dialogue = OuvrirAllerA(p);
  if (Verifier(dialogue != nullptr, "\"Aller a la fiche...\" s'ouvre") &&
      Verifier(PiloteAuPremierPlan(dialogue), "le dialogue est au premier plan")) {
    for (WORD vk : {WORD('A'), WORD('Z'), WORD('3'), WORD(VK_F3), WORD(VK_ESCAPE)}) PiloteTouche(vk);
    PiloteSynchroniser(p);
    VerifierTexte(PiloteTexteControle(dialogue, ID_NUMERO_ALLER), "", "lettres, chiffre du haut et Echap refuses");
    Verifier(IsWindowVisible(dialogue), "Echap ne ferme pas le dialogue");
    // The pad gives digits with Num Lock on; the filter lets that key through.
    bool allumee = !(GetKeyState(VK_NUMLOCK) & 1);
    if (allumee) PiloteTouche(VK_NUMLOCK);
    PiloteTouche(VK_NUMPAD2);
    PiloteTouche(VK_NUMPAD1);
    Saisi(p, dialogue, "21", "chiffres du pave numerique");
    // Num Lock back as found: the desktop's keyboard outlives this program.
    if (allumee) PiloteTouche(VK_NUMLOCK);
    PiloteTouche(VK_BACK);
    Saisi(p, dialogue, "2", "retour arriere");
    // With Caps Lock on, the top-row digits get in too.
    PiloteTouche(VK_CAPITAL);
    PiloteTouche('3');
    PiloteTouche(VK_CAPITAL);
    Saisi(p, dialogue, "23", "Verr. Maj puis 3 du haut");
    // Return presses the default button, OK.
    PiloteTouche(VK_RETURN);
    if (Verifier(PiloteAttendreDisparition(dialogue), "Entree ferme le dialogue")) {
      VerifierFicheAffichee(p, 23, total, fiches[22], "Entree : la fiche 23");
      // The filter ends with the dialog: a letter types again.
      PiloteAuPremierPlan(p.principale);
      PiloteTouche('Q');
      const std::string nom = fiches[22].champs[0];
      PiloteAttendre([&] { return PiloteTexteControle(p.principale, ID_NOM_DE_SITE) != nom; }, 2000);
      const std::string tape = PiloteTexteControle(p.principale, ID_NOM_DE_SITE);
      Verifier(tape.size() == nom.size() + 1 && tape.find_first_of("qQ") != std::string::npos,
               "apres le dialogue une lettre s'ecrit dans Nom de site : \"" + Lisible(tape) + "\"");
    }
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"fiches_nouvelle", NouvelleFiche},
    {"fiches_dupliquer", Dupliquer},
    {"fiches_supprimer", SupprimerFiches},
    {"fiches_supprimer_seule", SupprimerSeuleFiche},
    {"fiches_navigation", Navigation},
    {"fiches_aller_a", AllerAFiche},
    {"fiches_aller_a_clavier", AllerAClavier},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
