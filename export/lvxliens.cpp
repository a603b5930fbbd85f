#include "lvxliens.h"

#include "commandes_liens.h"

namespace {

// The records the commands reach the system through, gathered anew for
// every command: a test process installs a new system for each case.
const SystemeLiens* Systeme() {
  static SystemeLiens systeme;
  systeme = {
      .memoire = MemoireSysteme(),
      .fichiers = FichiersSysteme(),
      .fenetres = FenetresSysteme(),
      .communs = DialoguesCommunsSysteme(),
      .dialogues = DialoguesLiensSysteme(),
  };
  return &systeme;
}

#define LVXLIENS_VALEURS_COMMUNES                                                              \
  hWnd, tampon, lpDebutMem, lpFinMem, lpFicheEcran, tampon_recherche, expression,            \
      RechercheAvecCasse, RechercheNoms, RechercheURL, RechercheRubriques, RechercheMotsCles, \
      RechercheNotes, RechercheAvecExactitude, RechercheTotalChamp, RechercheOccurDebutChamp

uint16_t Executer(FormeLiens forme, LVXLIENS_ARGUMENTS_COMMUNS, char* chemin, char* titre,
                  Poignee fleche, Poignee attente) {
  CommandeLiens c = {
      .sys = Systeme(),
      .fenetre = hWnd,
      .transfert = tampon,
      .lpDebutMem = lpDebutMem,
      .lpFinMem = lpFinMem,
      .lpFicheEcran = lpFicheEcran,
      .criteres = {.tampon_recherche = tampon_recherche,
                   .expression = expression,
                   .RechercheAvecCasse = RechercheAvecCasse,
                   .RechercheNoms = RechercheNoms,
                   .RechercheURL = RechercheURL,
                   .RechercheRubriques = RechercheRubriques,
                   .RechercheMotsCles = RechercheMotsCles,
                   .RechercheNotes = RechercheNotes,
                   .RechercheAvecExactitude = RechercheAvecExactitude,
                   .RechercheTotalChamp = RechercheTotalChamp,
                   .RechercheOccurDebutChamp = RechercheOccurDebutChamp,
                   .tampon = tampon},
      .chemin = chemin,
      .titre = titre,
      .fleche = fleche,
      .attente = attente,
  };
  return CommandeLiensExecuter(&c, forme);
}

}  // namespace

LVX_API uint16_t LVX_APPEL Util_Dll_Creer_Fichier_Liens(LVXLIENS_ARGUMENTS_COMMUNS, char* chemin,
                                                        char* titre, Poignee fleche,
                                                        Poignee attente) {
  return Executer(FORME_LIENS, LVXLIENS_VALEURS_COMMUNES, chemin, titre, fleche, attente);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Creer_Mailing_Liste(LVXLIENS_ARGUMENTS_COMMUNS, char* chemin,
                                                        char* titre, Poignee fleche,
                                                        Poignee attente) {
  return Executer(FORME_MAILING, LVXLIENS_VALEURS_COMMUNES, chemin, titre, fleche, attente);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Creer_Fichier_Texte(LVXLIENS_ARGUMENTS_COMMUNS,
                                                        Poignee fleche, Poignee attente,
                                                        char* chemin) {
  return Executer(FORME_TEXTE, LVXLIENS_VALEURS_COMMUNES, chemin, nullptr, fleche, attente);
}
