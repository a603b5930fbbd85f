#include "lvxoudef.h"

#include "configuration.h"
#include "configuration_ouverture.h"

LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Fichier_Ouvrir_Default(char* chemin,
                                                                      char* dossier_programme) {
  return ConfigurationLire(FichiersSysteme(), FenetresSysteme(), &CONFIGURATION_OUVERTURE, chemin,
                           dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Definir_Ouverture_Default(char* nom_fichier,
                                                             char* dossier_programme) {
  return OuvertureDefautDefinir(FichiersSysteme(), FenetresSysteme(), nom_fichier,
                                dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Fichier_Bookmark(char* chemin,
                                                                char* dossier_programme) {
  return ConfigurationLire(FichiersSysteme(), FenetresSysteme(), &CONFIGURATION_SIGNETS, chemin,
                           dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Definir_Fichier_Bookmark(char* chemin,
                                                            char* dossier_programme) {
  return (uint16_t)ConfigurationEcrire(FichiersSysteme(), &CONFIGURATION_SIGNETS, chemin,
                                       dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Lire_Chemin_Fichier_Courrier(char* chemin,
                                                                char* dossier_programme) {
  return ConfigurationLire(FichiersSysteme(), FenetresSysteme(), &CONFIGURATION_COURRIER, chemin,
                           dossier_programme);
}

LVX_API uint16_t LVX_APPEL Util_Dll_Definir_Fichier_Courrier(char* chemin,
                                                            char* dossier_programme) {
  return (uint16_t)ConfigurationEcrire(FichiersSysteme(), &CONFIGURATION_COURRIER, chemin,
                                       dossier_programme);
}
