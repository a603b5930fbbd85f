#include "lvxrecup.h"

#include "commandes_recup.h"
#include "tampon_fichier.h"

namespace {

// The last command's store copies, read back through the getters.
CommandeImport derniere;

typedef uint16_t (*Commande)(CommandeImport*);

// The records the commands reach the system through, gathered anew for
// every command: a test process installs a new system for each case.
const SystemeImport* Systeme() {
  static SystemeImport systeme;
  systeme = {
      .memoire = MemoireSysteme(),
      .fichiers = FichiersSysteme(),
      .fenetres = FenetresSysteme(),
      .coquille = CoquilleSysteme(),
      .communs = DialoguesCommunsSysteme(),
      .dialogues = DialoguesImportSysteme(),
  };
  return &systeme;
}

uint16_t Executer(Commande commande, LVXRECUP_ARGUMENTS) {
  derniere = CommandeImport{};
  derniere.sys = Systeme();
  derniere.transfert = tampon;
  derniere.fenetre = fenetre;
  derniere.magasin = {GlobalDebutMem, lpDebutMem,  lpFinMem, lpFicheEcran,
                      TailleTotaleFiches, longSize, NumFiche, TotalFiches};
  derniere.fleche = fleche;
  derniere.attente = attente;
  derniere.chemin = chemin;
  return commande(&derniere);
}

CommandeImport SurLaFiche(uint8_t* tampon, Poignee fenetre, uint8_t* lpDebutMem,
                          uint8_t* lpFinMem, uint8_t* lpFicheEcran, char* chemin) {
  CommandeImport c{};
  c.sys = Systeme();
  c.transfert = tampon;
  c.fenetre = fenetre;
  c.magasin.lpDebutMem = lpDebutMem;
  c.magasin.lpFinMem = lpFinMem;
  c.magasin.lpFicheEcran = lpFicheEcran;
  c.chemin = chemin;
  return c;
}

}  // namespace

#define LVXRECUP_VALEURS                                                                      \
  tampon, fenetre, lpDebutMem, lpFinMem, lpFicheEcran, TailleTotaleFiches, NumFiche,        \
      TotalFiches, fleche, attente, longSize, GlobalDebutMem, chemin

#define LVXRECUP_COMMANDE(nom, fonction)                          \
  LVX_API uint16_t LVX_APPEL nom(LVXRECUP_ARGUMENTS) {            \
    return Executer(fonction, LVXRECUP_VALEURS);                  \
  }

LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Recuperer_Liens_Page, RecupererLiensPage)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Recuperer_Liens_Fichier_Quelconque,
                  RecupererLiensFichierQuelconque)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Recuperer_Liens_Favoris, RecupererLiensFavoris)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Recuperer_Liens_Bookmarks, RecupererLiensBookmarks)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Recuperer_Adresses_Courriel, RecupererAdressesCourriel)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire, RecupererLiensRepertoire)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire_Quelconque,
                  RecupererLiensRepertoireQuelconque)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Creer_Fiche_Pointant_Fichier, CreerFichePointantFichier)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Creer_Fiche_Extra_Web, CreerFicheExtraWeb)
LVXRECUP_COMMANDE(Util_Dll_Lvxrecup_Creer_Fiches_Extras_Web_Sous_Dossier,
                  CreerFichesExtrasWebSousDossier)

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Remplacer_URL_Extra_Web(
    uint8_t* tampon, Poignee fenetre, Poignee edit_url, uint8_t* lpDebutMem, uint8_t* lpFinMem,
    uint8_t* lpFicheEcran, char* chemin) {
  CommandeImport c = SurLaFiche(tampon, fenetre, lpDebutMem, lpFinMem, lpFicheEcran, chemin);
  uint16_t r = RemplacerUrlExtraWeb(&c, edit_url);
  derniere.FichesModifieesOK = c.FichesModifieesOK;
  return r;
}

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Remplacer_URL_Fichier(
    Poignee fenetre, uint8_t* tampon, Poignee edit_nom, Poignee edit_url, uint8_t* lpDebutMem,
    uint8_t* lpFinMem, char* chemin) {
  CommandeImport c = SurLaFiche(tampon, fenetre, lpDebutMem, lpFinMem, nullptr, chemin);
  uint16_t r = RemplacerUrlFichier(&c, edit_nom, edit_url);
  derniere.FichesModifieesOK = c.FichesModifieesOK;
  return r;
}

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Transmettre_RepertoireLorvanix(const char* dossier) {
  etatImport.RepertoireLorvanix = dossier;
  return 1;
}

LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Liberer_hugeTampon() {
  TamponFichierLiberer(MemoireSysteme(), &hugeTampon);
  return 1;
}

LVX_API uint32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_TailleTotaleFiches() {
  return derniere.magasin.TailleTotaleFiches;
}
LVX_API int32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_NumFiche() {
  return derniere.magasin.NumFiche;
}
LVX_API int32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_TotalFiches() {
  return derniere.magasin.TotalFiches;
}
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxrecup_Recuperer_lpDebutMem() {
  return derniere.magasin.lpDebutMem;
}
LVX_API Poignee LVX_APPEL Util_Dll_Lvxrecup_Recuperer_GlobalDebutMem() {
  return derniere.magasin.GlobalDebutMem;
}
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxrecup_Recuperer_lpFinMem() {
  return derniere.magasin.lpFinMem;
}
LVX_API uint8_t* LVX_APPEL Util_Dll_Lvxrecup_Recuperer_lpFicheEcran() {
  return derniere.magasin.lpFicheEcran;
}
LVX_API uint32_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_longSize() {
  return derniere.magasin.longSize;
}
LVX_API uint16_t LVX_APPEL Util_Dll_Lvxrecup_Recuperer_FichesModifieesOK() {
  return derniere.FichesModifieesOK;
}
