#include "import_pilote.h"

#include <cstdio>

#include "attentes.h"
#include "fichiers.h"
#include "verif.h"

namespace {

// The explorer dialog's own controls that the folder chooser hides.
constexpr int ID_NOM_FICHIER = 0x47C;
constexpr int ID_LIBELLE_NOM = 0x442;
constexpr int ID_REGARDER_DANS = 0x471;

HWND Panneau(HWND explorateur) {
  for (HWND c = GetWindow(explorateur, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char classe[16] = {};
    GetClassNameA(c, classe, sizeof classe);
    if (std::string(classe) == "#32770") return c;
  }
  return nullptr;
}

bool Visible(HWND dialogue, int id) {
  HWND c = GetDlgItem(dialogue, id);
  return c && IsWindowVisible(c);
}

std::string DernierElement(const std::string& chemin) {
  const auto barre = chemin.find_last_of('\\');
  return barre == std::string::npos ? chemin : chemin.substr(barre + 1);
}

}  // namespace

std::string DonneeEssai(const std::string& relatif) {
  return DossierBinaires() + "\\donnees_essais\\" + relatif;
}

std::string Coches(HWND dialogue, std::initializer_list<int> ids) {
  std::string etats;
  for (int id : ids) etats += PiloteCoche(dialogue, id) == BST_CHECKED ? '1' : '0';
  return etats;
}

void CliquerAttendre(HWND dialogue, int id) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(dialogue, id), BM_CLICK, 0, 0, SMTO_NORMAL, DELAI_MS, &r);
}

bool EcrireControle(HWND dialogue, int id, const std::string& texte) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(GetDlgItem(dialogue, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texte.c_str()),
                             SMTO_NORMAL, DELAI_MS, &r) != 0;
}

bool PiloteRepondreDossier(Programme& p, const char* titre, const std::string& dossier, int bouton,
                           void (*avant)(HWND panneau)) {
  HWND explorateur = PiloteAttendreDialogue(p, titre);
  if (!Verifier(explorateur != nullptr, std::string("le choix du dossier \"") + Lisible(titre) + "\" s'ouvre")) {
    return false;
  }
  HWND panneau = Panneau(explorateur);
  if (!Verifier(panneau != nullptr, "le panneau du choix du dossier est la")) return false;
  Verifier(!Visible(explorateur, IDOK) && !Visible(explorateur, IDCANCEL) && !Visible(explorateur, ID_NOM_FICHIER) &&
               !Visible(explorateur, ID_LIBELLE_NOM),
           "boutons, zone du nom de fichier et son libelle caches");
  // The hidden name box still takes a path: its confirmation enters the
  // folder, as a double click on it would.
  HWND nom = GetDlgItem(explorateur, ID_NOM_FICHIER);
  DWORD_PTR r = 0;
  SendMessageTimeoutA(nom, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(dossier.c_str()), SMTO_NORMAL, DELAI_MS, &r);
  PostMessageA(explorateur, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  const std::string attendu = DernierElement(dossier);
  const bool entre =
      PiloteAttendre([&] { return PiloteTexteControle(explorateur, ID_REGARDER_DANS) == attendu; });
  if (!Verifier(entre, "le choix du dossier montre " + Lisible(attendu))) return false;
  Sleep(300);
  PiloteCapturer(explorateur, p.cas + "_dossier_" + std::to_string(bouton));
  if (avant) avant(panneau);
  PiloteCliquer(panneau, bouton);
  return Verifier(PiloteAttendreDisparition(explorateur), "le choix du dossier se ferme");
}

bool EnregistrerEtLire(Programme& p, const std::string& chemin, std::vector<FicheLue>& fiches) {
  PiloteCommande(p, CMD_ENREGISTRER_SOUS);
  if (!Verifier(PiloteRepondreFichier(p, TITRE_ENREGISTRER_SOUS, chemin), "\"Enregistrer sous :\" repond")) {
    return false;
  }
  std::string octets;
  PiloteAttendre([&] { return LireFichier(chemin, octets) && LireFichesLvx(octets, fiches); });
  return Verifier(LireFichesLvx(octets, fiches), "fichier enregistre et relu : " + chemin);
}

bool VerifierCompteurs(const Programme& p, uint32_t numero, uint32_t total, const std::string& quoi) {
  PiloteAttendre([&] {
    return PiloteTexteControle(p.principale, ID_NUMERO_FICHE) == Compteur(numero) &&
           PiloteTexteControle(p.principale, ID_TOTAL_FICHES) == Compteur(total);
  });
  PiloteSynchroniser(p);
  return VerifierTexte(PiloteTexteControle(p.principale, ID_NUMERO_FICHE) + "/" +
                           PiloteTexteControle(p.principale, ID_TOTAL_FICHES),
                       Compteur(numero) + "/" + Compteur(total), quoi + " : compteurs");
}

std::string Provenance(const std::string& chemin) {
  return "Provenance de ce lien: \r\n" + chemin + "\r\n";
}
