#include "lvxfiles.h"

#include "dialogue_fichier.h"
#include "fichier_donnees.h"
#include "magasin.h"

namespace {
// The library's copies of the store between a load and the caller's getters.
Magasin copie;
// Each dialog remembers the folder of its last choice.
char dernier_ouvrir[TAILLE_CHEMIN];
char dernier_enregistrer[TAILLE_CHEMIN];
}  // namespace

LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_OuvrirFichier(Poignee fenetre, char* chemin,
                                                          char* dossier_programme) {
  return DialogueChoisirFichierDonnees(DialoguesCommunsSysteme(), FenetresSysteme(), dernier_ouvrir,
                                       0, fenetre, chemin, dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_EnregistrerFichierSous(Poignee fenetre, char* chemin,
                                                                   char* dossier_programme) {
  return DialogueChoisirFichierDonnees(DialoguesCommunsSysteme(), FenetresSysteme(),
                                       dernier_enregistrer, 1, fenetre, chemin, dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_charger_fichier(
    char* chemin, char* magie, Poignee fleche, Poignee attente, uint8_t* lpDebutMem,
    uint8_t* lpFinMem, uint32_t longSize, uint8_t* tampon, Poignee GlobalDebutMem,
    Poignee fenetre) {
  copie.GlobalDebutMem = GlobalDebutMem;
  copie.lpDebutMem = lpDebutMem;
  copie.lpFinMem = lpFinMem;
  copie.lpFicheEcran = lpDebutMem;
  copie.TailleTotaleFiches = (uint32_t)(lpFinMem - lpDebutMem);
  copie.longSize = longSize;
  return DonneesCharger(MemoireSysteme(), FichiersSysteme(), FenetresSysteme(), &copie, chemin,
                        magie, fleche, attente, tampon, fenetre);
}

LVX_API uint16_t LVX_APPEL Util_Dll_lvxfiles_sauver_fichier(
    uint8_t* lpDebutMem, uint8_t* lpFinMem, char* chemin, char* magie,
    uint32_t TailleTotaleFiches, int32_t TotalFiches, Poignee fleche, Poignee attente,
    uint8_t* tampon, Poignee fenetre) {
  return DonneesSauver(FichiersSysteme(), FenetresSysteme(), lpDebutMem, lpFinMem, chemin, magie,
                       TailleTotaleFiches, (uint32_t)TotalFiches, fleche, attente, tampon, fenetre);
}

LVX_API uint32_t LVX_APPEL Util_Dll_lvxfiles_Recuperer_TailleTotaleFiches() {
  return copie.TailleTotaleFiches;
}
LVX_API int32_t LVX_APPEL Util_Dll_lvxfiles_Recuperer_TotalFiches() { return copie.TotalFiches; }
LVX_API uint8_t* LVX_APPEL Util_Dll_lvxfiles_Recuperer_lpDebutMem() { return copie.lpDebutMem; }
LVX_API uint8_t* LVX_APPEL Util_Dll_lvxfiles_Recuperer_lpFinMem() { return copie.lpFinMem; }
LVX_API uint32_t LVX_APPEL Util_Dll_lvxfiles_Recuperer_longSize() { return copie.longSize; }
LVX_API Poignee LVX_APPEL Util_Dll_lvxfiles_Recuperer_GlobalDebutMem() {
  return copie.GlobalDebutMem;
}
