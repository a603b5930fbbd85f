#include "lvxnavig.h"

#include "configuration.h"
#include "configuration_navigateur.h"

LVX_API uint16_t LVX_APPEL Util_Dll_Obtenir_Chemin_Repertoire_Lorvanix(char* buffer,
                                                                      Poignee instance) {
  const Fichiers* fichiers = FichiersSysteme();
  const Caracteres* caracteres = CaracteresSysteme();
  char module[TAILLE_CHEMIN];
  fichiers->module_chemin(fichiers->ctx, instance, module, TAILLE_CHEMIN);
  ConfigurationDossierProgramme(caracteres, module, buffer);
  return 1;
}

LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Navigateur(char* chemin, char* dossier_programme) {
  return ConfigurationLire(FichiersSysteme(), FenetresSysteme(), &CONFIGURATION_NAVIGATEUR, chemin,
                           dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Choisir_Navigateur(char* chemin, char* sauvegarde,
                                                      char* dossier_programme, Poignee fenetre) {
  return NavigateurChoisir(FichiersSysteme(), FenetresSysteme(), CoquilleSysteme(),
                           DialoguesCommunsSysteme(), chemin, sauvegarde, dossier_programme,
                           fenetre);
}
