// The program as the Debian package's launcher started it, seen from
// another process of its prefix (tools/essai_paquet.sh runs each step):
//   essai_lanceur ouvert FICHIER [NOM]   the information box names this
//                                  build (its screenshot NOM_...); once closed,
//                                  FICHIER is loaded: title, counters
//   essai_lanceur connecter        "Connecter..." on the card shown
//   essai_lanceur fermer           closing asks nothing, exit code 0
#include <cstdio>
#include <cstring>

#include "attentes.h"
#include "fichiers.h"
#include "lvx.h"
#include "verif.h"

namespace {

constexpr int CMD_CONNECTER = 469;

std::string fichier;             // Windows path given to "ouvert"
std::string captures = "lanceur";  // names its screenshots

// The launcher's program, whichever process it is.
bool Trouver(Programme& p, const std::string& cas) {
  p.cas = cas;
  const bool vue = PiloteAttendre([&] {
    p.principale = FindWindowA(CLASSE_LORVANIX, nullptr);
    return p.principale && IsWindowVisible(p.principale);
  });
  if (!Verifier(vue, "fenetre de classe \"" + std::string(CLASSE_LORVANIX) + "\"")) return false;
  GetWindowThreadProcessId(p.principale, &p.pid);
  p.processus = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, p.pid);
  return Verifier(p.processus != nullptr, "processus du programme");
}

void Lacher(Programme& p) {
  if (p.processus) CloseHandle(p.processus);
  p.processus = nullptr;
}

void Ouvert() {
  Programme p;
  std::string octets;
  if (!Verifier(LireFichier(fichier, octets), "fichier lisible : " + Lisible(fichier)) || !Trouver(p, captures)) {
    return;
  }
  HWND info = PiloteAttendreDialogue(p, TITRE_A_PROPOS);
  if (Verifier(info != nullptr, "boite d'information au demarrage")) {
    char texte[2048] = "";
    SendMessageA(FindWindowExA(info, nullptr, "Edit", nullptr), WM_GETTEXT, sizeof texte,
                 reinterpret_cast<LPARAM>(texte));
    // The launcher started the build this helper was built as.
    const char* version = sizeof(void*) == 8 ? "(64 bits)" : "(32 bits)";
    Verifier(std::strstr(texte, version) != nullptr, std::string("information : ") + version);
    Verifier(PiloteCliquer(info, IDOK) && PiloteAttendreDisparition(info), "information fermee par OK");
  }
  VerifierFichierCharge(p, fichier.substr(fichier.find_last_of('\\') + 1), octets);
  std::printf("URL de la fiche : %s\n", PiloteTexteControle(p.principale, ID_URL).c_str());
  Lacher(p);
}

void Connecter() {
  Programme p;
  if (Trouver(p, "lanceur_connecter")) {
    PiloteCommande(p, CMD_CONNECTER);
    Verifier(PiloteSynchroniser(p), "Connecter... envoye");
  }
  Lacher(p);
}

void Fermer() {
  Programme p;
  if (Trouver(p, "lanceur_fermer")) {
    PiloteFermer(p);
    VerifierFinSansQuestion(p);
  }
  Lacher(p);
}

const Cas cas[] = {
    {"ouvert", Ouvert},
    {"connecter", Connecter},
    {"fermer", Fermer},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) fichier = argv[2];
  if (argc > 3) captures = argv[3];
  return LancerCas(argc > 2 ? 2 : argc, argv, cas, sizeof cas / sizeof cas[0]);
}
