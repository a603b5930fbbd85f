// Printing driven as a user would, on the prefix's test printer (Wine's
// PostScript driver; each job becomes build/win*/impressions/document.pdf,
// see tools/sortie_impression.sh). The cases check the dialog and the
// document's arrival; tools/verifier_impression.sh then reads the pages
// (text and PNG) against what each case wrote beside the copy it kept.
#include <algorithm>

#include "attentes.h"
#include "export/lvxprint_ids.h"
#include "fichiers.h"
#include "verif.h"

namespace {

constexpr int CMD_IMPRIMER_FICHES = 419;
constexpr int CMD_IMPRIMER_RUBRIQUES = 376;

constexpr int ID_IMPRIMER_OK = 453;
// The seventeen boxes, in the order of the options, and their first ticks.
constexpr int CASES_IMPRIMER[17] = {445, 446, 447, 630, 448, 721, 449, 722, 450,
                                    723, 451, 724, 452, 725, 456, 457, 497};
constexpr int COCHES_DEPART[17] = {1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

const char* const TITRE_IMPRIMER = "Imprimer les fiches !";
const char* const TITRE_PROGRES = "Lorvanix imprime...";

std::string DossierImpressions() { return DossierBinaires() + "\\..\\impressions"; }
std::string Document() { return DossierImpressions() + "\\document.pdf"; }

// The previous job's files gone, so that the next one is seen arriving.
void OublierDocument() {
  for (const char* nom : {"\\document.pdf", "\\document.ps"}) DeleteFileA((DossierImpressions() + nom).c_str());
}

// Waits for the job to come out of the pipe, then keeps a copy under nom.
bool RecevoirDocument(const std::string& dossier, const std::string& nom) {
  if (!Verifier(PiloteAttendre([] { return FichierExiste(Document()); }, 90000), "le document sort de l'imprimante")) {
    return false;
  }
  return Verifier(CopyFileA(Document().c_str(), (dossier + "\\" + nom).c_str(), FALSE) != 0, nom + " copie");
}

bool EcrireLignes(const std::string& chemin, const std::vector<std::string>& lignes) {
  std::string octets;
  for (const std::string& l : lignes) octets += Utf8(l) + "\n";
  return Verifier(EcrireFichier(chemin, octets), chemin + " ecrit");
}

// The sample printed with the dialog's first choices: one framed card per
// page, titles and page numbers. The names of the cards go beside the copy.
void ImpressionFiches() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "impression_fiches", fiches)) return;
  const std::string dossier = PreparerDossier("impression");
  OublierDocument();
  PiloteCommande(p, CMD_IMPRIMER_FICHES);
  HWND d = PiloteAttendreDialogue(p, TITRE_IMPRIMER);
  if (!Verifier(d != nullptr, "la boite d'impression s'ouvre")) {
    PiloteTerminer(p);
    return;
  }
  for (int i = 0; i < 17; i++) {
    VerifierEntier(PiloteCoche(d, CASES_IMPRIMER[i]), COCHES_DEPART[i],
                 "case " + std::to_string(CASES_IMPRIMER[i]) + " au depart");
  }
  PiloteCapturer(d, "impression_dialogue");
  PiloteCliquer(d, ID_IMPRIMER_OK);
  Verifier(PiloteAttendreDisparition(d), "OK ferme la boite");
  if (RecevoirDocument(dossier, "fiches.pdf")) {
    std::vector<std::string> noms;
    for (const FicheLue& f : fiches) noms.push_back(f.champs[0]);
    EcrireLignes(dossier + "\\fiches_noms.txt", noms);
    EcrireLignes(dossier + "\\fiches_nombre.txt", {std::to_string(fiches.size())});
  }
  Verifier(PiloteAttendre([&] { return IsWindowEnabled(p.principale) != 0; }), "la fenetre revient active");
  PiloteTerminer(p);
}

// Quick print of the categories: each once, in the user's order, under
// "Rubriques Page 1". The list expected goes beside the copy.
void ImpressionRapideRubriques() {
  Programme p;
  std::vector<FicheLue> fiches;
  if (!DemarrerSurExemple(p, "impression_rapide_rubriques", fiches)) return;
  const std::string dossier = PreparerDossier("impression_rapide");
  OublierDocument();
  PiloteCommande(p, CMD_IMPRIMER_RUBRIQUES);
  if (RecevoirDocument(dossier, "rubriques.pdf")) {
    std::vector<std::string> rubriques;
    for (const FicheLue& f : fiches) {
      const std::string& r = f.champs[2];
      if (!r.empty() && std::find(rubriques.begin(), rubriques.end(), r) == rubriques.end()) rubriques.push_back(r);
    }
    std::stable_sort(rubriques.begin(), rubriques.end(),
                     [](const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()) < 0; });
    EcrireLignes(dossier + "\\rubriques_attendues.txt", rubriques);
  }
  PiloteTerminer(p);
}

// Many long cards, and Annuler in the progress box: the box goes, the main
// window comes back, and no document leaves the printer.
void ImpressionAnnuler() {
  std::string octets = EnteteLvx();
  const uint32_t nombre = 300;
  for (uint32_t i = 0; i < nombre; i++) {
    octets += FicheLvx("Fiche " + std::to_string(i + 1), "http://exemple.fr/" + std::to_string(i), "Essais", "",
                       std::string(2000, 'x'));
  }
  octets += EntierLvx(nombre);
  const std::string chemin = PreparerDossier("donnees\\impression_annuler") + "\\longues.lvx";
  Programme p;
  if (!Verifier(EcrireFichier(chemin, octets), "longues.lvx ecrit") ||
      !Verifier(PiloteDemarrer(p, "impression_annuler", "\"" + chemin + "\""), "demarrage")) {
    return;
  }
  OublierDocument();
  PiloteCommande(p, CMD_IMPRIMER_FICHES);
  HWND d = PiloteAttendreDialogue(p, TITRE_IMPRIMER);
  if (!Verifier(d != nullptr, "la boite d'impression s'ouvre")) {
    PiloteTerminer(p);
    return;
  }
  PiloteCliquer(d, ID_IMPRIMER_OK);
  HWND progres = PiloteAttendreDialogue(p, TITRE_PROGRES);
  if (Verifier(progres != nullptr, "la boite de progression s'ouvre")) {
    Verifier(IsWindowEnabled(p.principale) == 0, "la fenetre principale attend");
    PiloteAttendre([&] { return PiloteTexteControle(progres, IDC_IMPRESSION_PROGRES).rfind("Impression de la fiche", 0) == 0; });
    PiloteCapturer(progres, "impression_progression");
    VerifierTexte(PiloteTexteControle(progres, IDC_IMPRESSION_ENVOI), "Lorvanix envoie le document sur :", "envoi");
    VerifierTexte(PiloteTexteControle(progres, IDC_IMPRESSION_IMPRIMANTE), "Imprimante d'essai", "imprimante");
    PiloteCliquer(progres, IDC_IMPRESSION_ANNULER);
    Verifier(PiloteAttendreDisparition(progres), "Annuler ferme la boite");
    Verifier(PiloteAttendre([&] { return IsWindowEnabled(p.principale) != 0; }), "la fenetre revient active");
    Sleep(5000);
    Verifier(!FichierExiste(Document()), "aucun document ne sort");
  }
  PiloteTerminer(p);
}

const Cas cas[] = {
    {"impression_fiches", ImpressionFiches},
    {"impression_rapide_rubriques", ImpressionRapideRubriques},
    {"impression_annuler", ImpressionAnnuler},
};

}  // namespace

int main(int argc, char** argv) {
  return LancerCas(argc, argv, cas, sizeof cas / sizeof cas[0]);
}
