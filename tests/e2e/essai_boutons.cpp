// Press-and-hold toolbar buttons driven with the real mouse: the fast moves
// through the cards, Couper, Copier and Coller acting on the selection of
// the current field; and the Edition menu's commands on the focused field,
// which mark the work modified.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "attentes.h"
#include "entrees.h"
#include "fichiers.h"
#include "presse_papiers.h"
#include "verif.h"

namespace {

constexpr int BOUTON_COUPER = 492;
constexpr int BOUTON_COPIER = 493;
constexpr int BOUTON_COLLER = 494;
constexpr int BOUTON_AVANCER_VITE = 502;
constexpr int BOUTON_RECULER_VITE = 621;
constexpr int CMD_COPIER = 312;
constexpr int CMD_PREMIERE_FICHE = 335;
constexpr int CMD_DERNIERE_FICHE = 340;

// A client point of the main window where no control is (left of the
// Notes label): a release there is a release "elsewhere".
constexpr int AILLEURS_X = 20;
constexpr int AILLEURS_Y = 240;

const char* const NOTE = "Texte à couper ici";
// "couper" in NOTE: after "Texte à ".
constexpr int SELECTION_DEBUT = 8;
constexpr int SELECTION_FIN = 14;
const char* const SENTINELLE = "presse-papiers d'avant";

HWND Controle(const Programme& p, int id) { return GetDlgItem(p.principale, id); }

uint32_t NumeroAffiche(const Programme& p) {
  return static_cast<uint32_t>(std::strtoul(PiloteTexteControle(p.principale, ID_NUMERO_FICHE).c_str(), nullptr, 10));
}

// Waits until the card number stays the same for 300 ms.
uint32_t NumeroStable(const Programme& p) {
  uint32_t numero = NumeroAffiche(p);
  DWORD depuis = GetTickCount();
  const DWORD debut = depuis;
  while (GetTickCount() - depuis < 300 && GetTickCount() - debut < DELAI_MS) {
    Sleep(50);
    const uint32_t maintenant = NumeroAffiche(p);
    if (maintenant != numero) {
      numero = maintenant;
      depuis = GetTickCount();
    }
  }
  PiloteSynchroniser(p);
  return numero;
}

bool Enfonce(HWND bouton) {
  DWORD_PTR etat = 0;
  SendMessageTimeoutA(bouton, BM_GETSTATE, 0, 0, SMTO_NORMAL, DELAI_MS, &etat);
  return (etat & BST_PUSHED) != 0;
}

// Left button down on a toolbar button, held `duree_ms`; released on the
// button, or after moving off it when `ailleurs`. The program draws the
// button pressed while it is held: that shows the press was taken.
void Maintenir(const Programme& p, int bouton, int duree_ms, bool ailleurs) {
  HWND b = Controle(p, bouton);
  const std::string nom = "bouton " + std::to_string(bouton);
  PiloteAuPremierPlan(p.principale);
  PiloteSourisVers(PiloteCentre(b));
  PiloteSourisGauche(true);
  Sleep(duree_ms);
  Verifier(Enfonce(b), nom + " enfonce pendant l'appui");
  if (ailleurs) {
    PiloteSourisVers(PiloteEcran(p.principale, AILLEURS_X, AILLEURS_Y));
    Verifier(PiloteAttendre([&] { return !Enfonce(b); }, 2000), nom + " relache des que la souris le quitte");
  }
  PiloteSourisGauche(false);
  Verifier(PiloteAttendre([&] { return !Enfonce(b); }, 2000), nom + " relache");
}

// Holds a fast-move button about one second from `depart`: about twenty
// cards a second (a tick every 50 ms).
void DefilerUneSeconde(const Programme& p, const std::vector<FicheLue>& fiches, int bouton, uint32_t depart,
                       int sens, const std::string& quoi) {
  const uint32_t total = static_cast<uint32_t>(fiches.size());
  Maintenir(p, bouton, 1000, false);
  const uint32_t arrivee = NumeroStable(p);
  const long long parcourues = sens * (static_cast<long long>(arrivee) - depart);
  std::printf("%s : fiche %u atteinte depuis %u (%lld fiches en une seconde)\n", quoi.c_str(), arrivee, depart,
              parcourues);
  if (Verifier(parcourues >= 14 && parcourues <= 26, quoi + " : environ 20 fiches parcourues (14 a 26)")) {
    VerifierFicheAffichee(p, arrivee, total, fiches[arrivee - 1], quoi + " : la fiche atteinte est affichee");
  }
}

// Holds the button, moves off it: the move ends there, before the release.
void DefilerPuisSortir(const Programme& p, const std::vector<FicheLue>& fiches, int bouton, int sens,
                       const std::string& quoi) {
  const uint32_t total = static_cast<uint32_t>(fiches.size());
  const uint32_t depart = NumeroAffiche(p);
  PiloteAuPremierPlan(p.principale);
  PiloteSourisVers(PiloteCentre(Controle(p, bouton)));
  PiloteSourisGauche(true);
  Sleep(300);
  Verifier(Enfonce(Controle(p, bouton)), quoi + " : bouton enfonce pendant l'appui");
  PiloteSourisVers(PiloteEcran(p.principale, AILLEURS_X, AILLEURS_Y));
  const uint32_t arrivee = NumeroStable(p);
  Verifier(!Enfonce(Controle(p, bouton)), quoi + " : bouton relache en le quittant");
  // Still held: the counter must not run any more.
  Sleep(300);
  const uint32_t plus_tard = NumeroAffiche(p);
  PiloteSourisGauche(false);
  std::printf("%s : fiche %u atteinte depuis %u\n", quoi.c_str(), arrivee, depart);
  // About 300 ms of moving, far from the end of the cards.
  const long long parcourues = sens * (static_cast<long long>(arrivee) - depart);
  Verifier(parcourues >= 2 && parcourues <= 12, quoi + " : " + std::to_string(parcourues) +
                                                    " fiches parcourues en 300 ms (2 a 12)");
  VerifierEntier(plus_tard, arrivee, quoi + " : le defilement s'arrete en quittant le bouton");
  VerifierFicheAffichee(p, arrivee, total, fiches[arrivee - 1], quoi + " : la fiche atteinte est affichee");
  VerifierEntier(NumeroStable(p), arrivee, quoi + " : le relachement ailleurs ne change rien");
}

void DefilementAvant() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (DemarrerSurExemple(p, "defilement_avant", fiches)) {
    const uint32_t total = static_cast<uint32_t>(fiches.size());
    // The release shows the card reached, and showing a card gives the
    // focus to Nom de site, even from the last card where nothing moves.
    PiloteAuPremierPlan(p.principale);
    PiloteClic(Controle(p, ID_NOTES));
    VerifierFocus(p, ID_NOTES, "clic dans Notes");
    DefilerUneSeconde(p, fiches, BOUTON_AVANCER_VITE, 1, 1, "avance rapide depuis la fiche 1");
    VerifierFocus(p, ID_NOM_DE_SITE, "apres l'avance rapide");
    DefilerPuisSortir(p, fiches, BOUTON_AVANCER_VITE, 1, "avance rapide puis sortie du bouton");
    // From the last card the move has nowhere to go: the last card again.
    PiloteCommande(p, CMD_DERNIERE_FICHE);
    VerifierFicheAffichee(p, total, total, fiches[total - 1], "derniere fiche");
    PiloteClic(Controle(p, ID_NOTES));
    VerifierFocus(p, ID_NOTES, "clic dans Notes");
    Maintenir(p, BOUTON_AVANCER_VITE, 400, false);
    VerifierEntier(NumeroStable(p), total, "avance rapide sur la derniere fiche");
    VerifierFicheAffichee(p, total, total, fiches[total - 1], "la derniere fiche reste affichee");
    VerifierFocus(p, ID_NOM_DE_SITE, "avance rapide sans changement de fiche");
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

void DefilementArriere() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (DemarrerSurExemple(p, "defilement_arriere", fiches)) {
    const uint32_t total = static_cast<uint32_t>(fiches.size());
    PiloteCommande(p, CMD_DERNIERE_FICHE);
    VerifierFicheAffichee(p, total, total, fiches[total - 1], "derniere fiche");
    DefilerUneSeconde(p, fiches, BOUTON_RECULER_VITE, total, -1, "recul rapide depuis la derniere fiche");
    DefilerPuisSortir(p, fiches, BOUTON_RECULER_VITE, -1, "recul rapide puis sortie du bouton");
    PiloteCommande(p, CMD_PREMIERE_FICHE);
    VerifierFicheAffichee(p, 1, total, fiches[0], "premiere fiche");
    Maintenir(p, BOUTON_RECULER_VITE, 400, false);
    VerifierEntier(NumeroStable(p), 1, "recul rapide sur la premiere fiche");
    VerifierFicheAffichee(p, 1, total, fiches[0], "la premiere fiche reste affichee");
  }
  PiloteTerminer(p);
}

// A fresh program whose current field is Notes, holding NOTE with "couper"
// selected; the clipboard holds the sentinel.
bool PreparerNotes(Programme& p, const char* cas) {
  if (!Verifier(EcrirePressePapiers(SENTINELLE), "presse-papiers garni") ||
      !Verifier(PiloteDemarrer(p, cas, ""), "demarrage")) {
    return false;
  }
  HWND notes = Controle(p, ID_NOTES);
  // A click in Notes makes it the current field (mouse hook, id 705).
  PiloteAuPremierPlan(p.principale);
  PiloteClic(notes);
  VerifierFocus(p, ID_NOTES, "clic dans Notes");
  DWORD_PTR resultat = 0;
  SendMessageTimeoutA(notes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(NOTE), SMTO_NORMAL, DELAI_MS, &resultat);
  SendMessageTimeoutA(notes, EM_SETSEL, SELECTION_DEBUT, SELECTION_FIN, SMTO_NORMAL, DELAI_MS, &resultat);
  return VerifierTexte(PiloteTexteControle(p.principale, ID_NOTES), NOTE, "texte de Notes");
}

void CouperAilleurs() {
  Programme p;
  if (PreparerNotes(p, "couper_ailleurs")) {
    Maintenir(p, BOUTON_COUPER, 300, true);
    PiloteSynchroniser(p);
    Sleep(200);
    VerifierFocus(p, ID_NOTES, "apres Couper");
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOTES), NOTE, "Couper relache ailleurs : rien n'est coupe");
    VerifierTexte(LirePressePapiers(), SENTINELLE, "presse-papiers inchange");
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

void CouperSurLeBouton() {
  Programme p;
  if (PreparerNotes(p, "couper_bouton")) {
    Maintenir(p, BOUTON_COUPER, 300, false);
    const std::string reste = "Texte à  ici";
    PiloteAttendre([&] { return PiloteTexteControle(p.principale, ID_NOTES) == reste; }, 3000);
    PiloteSynchroniser(p);
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOTES), reste,
                  "Couper relache sur le bouton : selection coupee");
    VerifierTexte(LirePressePapiers(), "couper", "presse-papiers");
    VerifierFocus(p, ID_NOTES, "apres Couper");
    VerifierQuitterDemande(p);
  }
  PiloteTerminer(p);
}

// The Copier button copies and leaves the flags alone; Coller pastes into
// the current field and marks the work modified.
void CopierCollerBoutons() {
  Programme p;
  if (PreparerNotes(p, "copier_bouton")) {
    Maintenir(p, BOUTON_COPIER, 300, false);
    PiloteAttendre([] { return LirePressePapiers() == "couper"; }, 3000);
    VerifierTexte(LirePressePapiers(), "couper", "Copier relache sur le bouton : presse-papiers");
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOTES), NOTE, "Notes inchangees");
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);

  if (PreparerNotes(p, "coller_bouton")) {
    // The sentinel replaces the selection.
    Maintenir(p, BOUTON_COLLER, 300, false);
    const std::string attendu = "Texte à " + std::string(SENTINELLE) + " ici";
    PiloteAttendre([&] { return PiloteTexteControle(p.principale, ID_NOTES) == attendu; }, 3000);
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOTES), attendu, "Coller relache sur le bouton");
    VerifierQuitterDemande(p);
  }
  PiloteTerminer(p);
}

// Edition > Copier with a selection marks the work modified; with none it
// does nothing at all.
void CopierMenu() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (Verifier(EcrirePressePapiers(SENTINELLE), "presse-papiers garni") &&
      DemarrerSurExemple(p, "copier_menu_vide", fiches)) {
    PiloteAuPremierPlan(p.principale);
    DWORD_PTR resultat = 0;
    SendMessageTimeoutA(Controle(p, ID_NOM_DE_SITE), EM_SETSEL, 0, 0, SMTO_NORMAL, DELAI_MS, &resultat);
    PiloteCommande(p, CMD_COPIER);
    PiloteSynchroniser(p);
    Sleep(200);
    VerifierTexte(LirePressePapiers(), SENTINELLE, "Copier sans selection : presse-papiers inchange");
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);

  if (DemarrerSurExemple(p, "copier_menu", fiches)) {
    PiloteAuPremierPlan(p.principale);
    DWORD_PTR resultat = 0;
    SendMessageTimeoutA(Controle(p, ID_NOM_DE_SITE), EM_SETSEL, 0, 2, SMTO_NORMAL, DELAI_MS, &resultat);
    PiloteCommande(p, CMD_COPIER);
    const std::string attendu = fiches[0].champs[0].substr(0, 2);
    PiloteAttendre([&] { return LirePressePapiers() == attendu; }, 3000);
    VerifierTexte(LirePressePapiers(), attendu, "Copier avec selection : presse-papiers");
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), fiches[0].champs[0], "Nom de site inchange");
    VerifierQuitterDemande(p);
  }
  PiloteTerminer(p);
}

// Selects [debut, fin) of the Nom de site edit, which has the focus.
void SelectionnerNom(const Programme& p, int debut, int fin) {
  PiloteAuPremierPlan(p.principale);
  VerifierFocus(p, ID_NOM_DE_SITE, "Nom de site");
  DWORD_PTR resultat = 0;
  SendMessageTimeoutA(Controle(p, ID_NOM_DE_SITE), EM_SETSEL, debut, fin, SMTO_NORMAL, DELAI_MS, &resultat);
}

// Edition > Couper, Coller and Annuler on the focused field: each marks the
// work modified, Annuler even with nothing to undo; Coller with no text
// in the clipboard does nothing.
void EditionMenu() {
  constexpr int CMD_ANNULER = 330;
  constexpr int CMD_COUPER = 311;
  constexpr int CMD_COLLER = 313;
  Programme p;
  std::vector<FicheLue> fiches;
  if (Verifier(EcrirePressePapiers(SENTINELLE), "presse-papiers garni") &&
      DemarrerSurExemple(p, "edition_couper", fiches)) {
    const std::string nom = fiches[0].champs[0];
    SelectionnerNom(p, 0, 3);
    PiloteCommande(p, CMD_COUPER);
    PiloteAttendre([&] { return PiloteTexteControle(p.principale, ID_NOM_DE_SITE) == nom.substr(3); }, 3000);
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), nom.substr(3), "Couper : Nom de site");
    VerifierTexte(LirePressePapiers(), nom.substr(0, 3), "Couper : presse-papiers");
    VerifierQuitterDemande(p);
  }
  PiloteTerminer(p);

  if (Verifier(EcrirePressePapiers(SENTINELLE), "presse-papiers garni") &&
      DemarrerSurExemple(p, "edition_coller", fiches)) {
    const std::string nom = fiches[0].champs[0];
    SelectionnerNom(p, static_cast<int>(nom.size()), static_cast<int>(nom.size()));
    PiloteCommande(p, CMD_COLLER);
    const std::string attendu = nom + SENTINELLE;
    PiloteAttendre([&] { return PiloteTexteControle(p.principale, ID_NOM_DE_SITE) == attendu; }, 3000);
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), attendu, "Coller : Nom de site");
    VerifierQuitterDemande(p);
  }
  PiloteTerminer(p);

  if (DemarrerSurExemple(p, "edition_annuler", fiches)) {
    SelectionnerNom(p, 0, 0);
    PiloteCommande(p, CMD_ANNULER);
    PiloteSynchroniser(p);
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), fiches[0].champs[0],
                  "Annuler sans rien a annuler : Nom de site");
    VerifierQuitterDemande(p);
  }
  PiloteTerminer(p);

  if (Verifier(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard(), "presse-papiers vide") &&
      DemarrerSurExemple(p, "edition_coller_vide", fiches)) {
    SelectionnerNom(p, 0, 0);
    PiloteCommande(p, CMD_COLLER);
    PiloteSynchroniser(p);
    Sleep(200);
    VerifierTexte(PiloteTexteControle(p.principale, ID_NOM_DE_SITE), fiches[0].champs[0],
                  "Coller sans texte : Nom de site inchange");
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"defilement_avant", DefilementAvant},
    {"defilement_arriere", DefilementArriere},
    {"couper_bouton_ailleurs", CouperAilleurs},
    {"couper_bouton", CouperSurLeBouton},
    {"copier_coller_boutons", CopierCollerBoutons},
    {"copier_menu", CopierMenu},
    {"edition_menu", EditionMenu},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
