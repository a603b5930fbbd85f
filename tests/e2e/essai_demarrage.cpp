// Start-up: empty command line, a file given on it, each file it must
// refuse, and the window's size limit.
#include "attentes.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

void DemarrageVierge() {
  Programme p;
  if (Verifier(PiloteDemarrer(p, "demarrage_vierge", ""), "demarrage sans ligne de commande")) {
    VerifierTravailVierge(p);
    Verifier(PiloteCapturer(p.principale, "main_vierge"), "capture de la fenetre (non noire)");
  }
  PiloteTerminer(p);
}

void LigneDeCommande() {
  // A folder name with a space: the path only survives inside its quotes.
  const std::string chemin = PreparerDossier("donnees\\ligne_de_commande\\mes fiches") + "\\liste.lvx";
  std::string octets;
  if (!CopierExemple(chemin, octets)) return;
  Programme p;
  if (Verifier(PiloteDemarrer(p, "ligne_de_commande", "\"" + chemin + "\""), "demarrage avec " + chemin)) {
    VerifierFichierCharge(p, "liste.lvx", octets);
    Verifier(PiloteCapturer(p.principale, "main_exemple"), "capture de la fenetre (non noire)");
  }
  PiloteTerminer(p);
}

// The file on the command line is refused with `message`; the work stays
// untitled with one empty card.
void RefuserAuDemarrage(const std::string& cas, const std::string& chemin, const std::string& message,
                        Icone icone) {
  Programme p;
  if (Verifier(PiloteDemarrer(p, cas, "\"" + chemin + "\""), "demarrage avec " + chemin) &&
      VerifierBoite(p, message, icone, {IDOK}, IDOK)) {
    PiloteAttendre([&] { return PiloteTitre(p) == "Lorvanix 6.1 Sans-Nom"; });
    PiloteSynchroniser(p);
    VerifierTravailVierge(p);
  }
  PiloteTerminer(p);
}

void RefuserOctets(const std::string& cas, const std::string& octets, const std::string& message, Icone icone) {
  const std::string chemin = PreparerDossier("donnees\\" + cas) + "\\abime.lvx";
  if (Verifier(EcrireFichier(chemin, octets), "fichier de " + std::to_string(octets.size()) + " octets ecrit")) {
    RefuserAuDemarrage(cas, chemin, message, icone);
  }
}

void FormatErrone() {
  std::string octets;
  if (!Verifier(LireFichier(DossierBinaires() + "\\exemple.lvx", octets) && octets.size() >= 44,
                "exemple.lvx lisible")) {
    return;
  }
  octets[0] = 'l';  // same size, magic broken
  RefuserOctets("format_errone_entete", octets, "Erreur de format.", Icone::Erreur);
}

void FicheIllisible() {
  // Right magic and size, but the card bytes claim lengths past the end.
  RefuserOctets("format_errone_fiches", EnteteLvx() + std::string(16, '\xFF') + EntierLvx(1), "Erreur de format.",
                Icone::Erreur);
}

void FichierVide() {
  RefuserOctets("fichier_vide", "", "Ce fichier est vide.", Icone::Erreur);
}

void FichierAbsent() {
  const std::string chemin = PreparerDossier("donnees\\fichier_absent") + "\\absent.lvx";
  RefuserAuDemarrage("fichier_absent", chemin, "Ouverture du fichier impossible.", Icone::Erreur);
}

void TropDeFiches() {
  // One more than the 9,999,999 cards allowed; a warning, not an error.
  RefuserOctets("trop_de_fiches", EnteteLvx() + FicheLvx("", "", "", "", "") + EntierLvx(10000000),
                "Ce fichier contient trop de fiches.", Icone::Exclamation);
}

bool TailleVaut(HWND fenetre, int largeur, int hauteur) {
  const RECT r = PiloteRectangle(fenetre);
  return r.right - r.left == largeur && r.bottom - r.top == hauteur;
}

void VerifierRectangle(HWND fenetre, int x, int y, int largeur, int hauteur, const std::string& quand) {
  const RECT r = PiloteRectangle(fenetre);
  VerifierEntier(r.left, x, quand + " : gauche");
  VerifierEntier(r.top, y, quand + " : haut");
  VerifierEntier(r.right - r.left, largeur, quand + " : largeur");
  VerifierEntier(r.bottom - r.top, hauteur, quand + " : hauteur");
}

void TailleLimite() {
  Programme p;
  if (Verifier(PiloteDemarrer(p, "taille_limite", ""), "demarrage")) {
    // Centred on the 1024 x 768 desktop, held at 470 high once framed.
    PiloteAttendre([&] { return TailleVaut(p.principale, 640, 470); }, 3000);
    VerifierRectangle(p.principale, 192, 144, 640, 470, "au demarrage");

    SetWindowPos(p.principale, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PiloteAttendre([&] { return TailleVaut(p.principale, 640, 470); }, 3000);
    VerifierRectangle(p.principale, 192, 144, 640, 470, "apres 800 x 600");

    // Only the dimension that is too large comes back.
    MoveWindow(p.principale, 100, 50, 700, 300, TRUE);
    PiloteAttendre([&] { return TailleVaut(p.principale, 640, 300); }, 3000);
    VerifierRectangle(p.principale, 100, 50, 640, 300, "apres 700 x 300 en (100, 50)");
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"demarrage_vierge", DemarrageVierge},
    {"ligne_de_commande", LigneDeCommande},
    {"format_errone_entete", FormatErrone},
    {"format_errone_fiches", FicheIllisible},
    {"fichier_vide", FichierVide},
    {"fichier_absent", FichierAbsent},
    {"trop_de_fiches", TropDeFiches},
    {"taille_limite", TailleLimite},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
