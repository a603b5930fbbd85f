// Gestion, Trier par... and the Calculer menu driven as a user would: the
// card on screen, edited, keeps its texts and mark under its new number
// after each sort; a count's box shows its two lines and the number.
#include "attentes.h"
#include "fichiers.h"
#include "lvx.h"
#include "search/lvxcalc_ids.h"
#include "verif.h"

namespace {

constexpr int CMD_FICHE_SUIVANTE = 317;
constexpr int CMD_TRIER_NOMS = 365;
constexpr int CMD_TRIER_URL = 370;
constexpr int CMD_COMPTE_MARQUEES = 686;
constexpr int CMD_NOMBRE_RUBRIQUES = 695;

const char* const TITRE_CALCUL = "Résultat du calcul demandé !";

FicheLue Fiche(uint16_t marque, const std::string& nom, const std::string& url, const std::string& rubrique) {
  FicheLue f;
  f.marque = marque;
  f.champs[0] = nom;
  f.champs[1] = url;
  f.champs[2] = rubrique;
  return f;
}

std::string Octets(const std::vector<FicheLue>& fiches) {
  std::string octets = EnteteLvx();
  for (const FicheLue& f : fiches) {
    const std::string carte = FicheLvx(f.champs[0], f.champs[1], f.champs[2], f.champs[3], f.champs[4]);
    octets += std::string{static_cast<char>(f.marque & 0xFF), static_cast<char>(f.marque >> 8)} + carte.substr(2);
  }
  return octets + EntierLvx(static_cast<uint32_t>(fiches.size()));
}

bool Demarrer(Programme& p, const std::string& cas, const std::vector<FicheLue>& fiches) {
  const std::string chemin = PreparerDossier("donnees\\" + cas) + "\\cartes.lvx";
  const std::string octets = Octets(fiches);
  if (!Verifier(EcrireFichier(chemin, octets), "cartes.lvx ecrit") ||
      !Verifier(PiloteDemarrer(p, cas, "\"" + chemin + "\""), "demarrage avec " + chemin)) {
    return false;
  }
  VerifierFichierCharge(p, "cartes.lvx", octets);
  return true;
}

// Card 4, marked, edited on screen: third by site name (case set aside),
// then last by URL.
void TriFicheEcran() {
  const std::vector<FicheLue> fiches = {
      Fiche(0, "Delta", "http://d.example/", ""), Fiche(0, "alpha", "http://c.example/", ""),
      Fiche(0, "Echo", "http://a.example/", ""),  Fiche(1, "Charlie", "http://e.example/", ""),
      Fiche(0, "bravo", "http://b.example/", "")};
  Programme p;
  if (!Demarrer(p, "tri_fiche_ecran", fiches)) return;
  for (int i = 0; i < 3; ++i) PiloteCommande(p, CMD_FICHE_SUIVANTE);
  VerifierFicheAffichee(p, 4, 5, fiches[3], "fiche 4 a l'ecran");
  FicheLue ecran = fiches[3];
  ecran.champs[4] = "vue avant le tri";
  Verifier(PiloteTaper(p.principale, ID_NOTES, ecran.champs[4]), "notes tapees");
  PiloteCommande(p, CMD_TRIER_NOMS);
  VerifierFicheAffichee(p, 3, 5, ecran, "tri par noms : Charlie troisieme");
  PiloteCommande(p, CMD_TRIER_URL);
  VerifierFicheAffichee(p, 5, 5, ecran, "tri par URL : Charlie dernier");
  PiloteTerminer(p);
}

// The box of a count: its caption, two lines, the number; OK closes it.
void VerifierCalcul(Programme& p, int commande, const std::string& ligne1, const std::string& ligne2,
                    const std::string& nombre) {
  PiloteCommande(p, commande);
  HWND d = PiloteAttendreDialogue(p, TITRE_CALCUL);
  if (!Verifier(d != nullptr, "la boite du calcul s'ouvre")) return;
  VerifierTexte(PiloteTexteControle(d, IDC_CALCULER_LIGNE1), ligne1, "premiere ligne");
  VerifierTexte(PiloteTexteControle(d, IDC_CALCULER_LIGNE2), ligne2, "deuxieme ligne");
  VerifierTexte(PiloteTexteControle(d, IDC_CALCULER_NOMBRE), nombre, "nombre");
  PiloteCliquer(d, IDC_CALCULER_OK);
  Verifier(PiloteAttendreDisparition(d), "OK ferme la boite");
}

// Marked cards (mark words 1 and 2) and categories differing in case.
void CalculBoite() {
  Programme p;
  if (!Demarrer(p, "calcul_boite", {Fiche(1, "un", "", "Web"), Fiche(0, "deux", "", "web"),
                                    Fiche(2, "trois", "", "Web")})) {
    return;
  }
  VerifierCalcul(p, CMD_COMPTE_MARQUEES, "", "Nombre de fiches marquées :", "2");
  VerifierCalcul(p, CMD_NOMBRE_RUBRIQUES, "Nombre de rubriques", "disponibles :", "2");
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"tri_fiche_ecran", TriFicheEcran},
    {"calcul_boite", CalculBoite},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
