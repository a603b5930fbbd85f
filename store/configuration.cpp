#include "configuration.h"

#include <cstdio>
#include <cstring>

#include "fichier_donnees.h"
#include "titre.h"

namespace {

const char ENTETE_NAVIGATEUR[] = "Fichier de sauvegarde du chemin du navigateur par defaut de Lorvanix";
const char ENTETE_OUVERTURE[] = "Sauvegarde du chemin du fichier à charger à l'ouverture de Lorvanix";
const char ENTETE_SIGNETS[] = "Sauvegarde du chemin du fichier de signets netscape";
const char ENTETE_COURRIER[] = "Sauvegarde du chemin du répertoire de courrier";

// The longest header, navigdef.cfg's, takes 69 bytes.
enum : size_t { TAILLE_ENTETE_MAX = 128 };

// Room for a program folder of at most 256 characters, a backslash and a name.
enum : size_t { TAILLE_NOM_COMPLET = 2 * TAILLE_CHEMIN };

// The folder, a backslash and the name; 0 when it does not fit.
int NomComplet(const char* dossier, const char* nom, char* complet) {
  int n = snprintf(complet, TAILLE_NOM_COMPLET, "%s\\%s", dossier, nom);
  return n > 0 && (size_t)n < TAILLE_NOM_COMPLET;
}

}  // namespace

const FichierConfiguration CONFIGURATION_NAVIGATEUR = {
    "navigdef.cfg", "NAVIGDEF.CFG", ENTETE_NAVIGATEUR, sizeof ENTETE_NAVIGATEUR,
    "Le format du fichier navigdef.cfg n'est pas valide",
    "Erreur de lecture du fichier navigdef.cfg"};
const FichierConfiguration CONFIGURATION_OUVERTURE = {
    "ouvdef.cfg", "OUVDEF.CFG", ENTETE_OUVERTURE, sizeof ENTETE_OUVERTURE,
    "Le format du fichier ouvdef.cfg n'est pas valide", nullptr};
const FichierConfiguration CONFIGURATION_SIGNETS = {
    "bookdef.cfg", "BOOKDEF.CFG", ENTETE_SIGNETS, sizeof ENTETE_SIGNETS,
    "Le format du fichier bookdef.cfg n'est pas valide", nullptr};
const FichierConfiguration CONFIGURATION_COURRIER = {
    "courdef.cfg", "COURDEF.CFG", ENTETE_COURRIER, sizeof ENTETE_COURRIER,
    "Le format du fichier courdef.cfg n'est pas valide", nullptr};

int ConfigurationMessage(const Fenetres* fenetres, Poignee fenetre, const char* texte,
                         unsigned style) {
  return fenetres->message(fenetres->ctx, fenetre, texte, TITRE_LORVANIX, style);
}

uint16_t ConfigurationLire(const Fichiers* fichiers, const Fenetres* fenetres,
                           const FichierConfiguration* f, char* chemin,
                           const char* dossier_programme) {
  chemin[0] = 0;
  char nom[TAILLE_NOM_COMPLET];
  Poignee fichier = NomComplet(dossier_programme, f->nom_lecture, nom)
                        ? fichiers->fichier_ouvrir(fichiers->ctx, nom)
                        : nullptr;
  if (!fichier) {
    if (f->message_absent) ConfigurationMessage(fenetres, nullptr, f->message_absent, ICONE_ERREUR);
    return 0;
  }
  char entete[TAILLE_ENTETE_MAX];
  int bon = fichiers->fichier_lire(fichiers->ctx, fichier, entete, f->taille_entete) ==
                f->taille_entete &&
            memcmp(entete, f->entete, f->taille_entete) == 0;
  size_t lu = bon ? fichiers->fichier_lire(fichiers->ctx, fichier, chemin, TAILLE_CHEMIN) : 0;
  fichiers->fichier_fermer(fichiers->ctx, fichier);
  if (!bon) {
    ConfigurationMessage(fenetres, nullptr, f->message_format, ICONE_ERREUR);
    return 0;
  }
  // The caller uses the field as a C string: its last byte is always a NUL.
  chemin[lu < TAILLE_CHEMIN ? lu : TAILLE_CHEMIN - 1] = 0;
  return 1;
}

int ConfigurationEcrire(const Fichiers* fichiers, const FichierConfiguration* f, const char* chemin,
                        const char* dossier_programme) {
  char nom[TAILLE_NOM_COMPLET];
  if (!NomComplet(dossier_programme, f->nom, nom)) return 0;
  Poignee fichier = fichiers->fichier_creer(fichiers->ctx, nom);
  if (!fichier) return 0;
  char champ[TAILLE_CHEMIN] = {0};
  memcpy(champ, chemin, strnlen(chemin, TAILLE_CHEMIN - 1));
  int ecrit =
      fichiers->fichier_ecrire(fichiers->ctx, fichier, f->entete, f->taille_entete) ==
          f->taille_entete &&
      fichiers->fichier_ecrire(fichiers->ctx, fichier, champ, TAILLE_CHEMIN) == TAILLE_CHEMIN;
  int ferme = fichiers->fichier_fermer(fichiers->ctx, fichier);
  return ecrit && ferme;
}

int ConfigurationEcrireAvecReprise(const Fichiers* fichiers, const Fenetres* fenetres,
                                   const FichierConfiguration* f, const char* chemin,
                                   const char* dossier_programme, Poignee fenetre,
                                   const char* echec, const char* abandon) {
  if (ConfigurationEcrire(fichiers, f, chemin, dossier_programme)) return 1;
  ConfigurationMessage(fenetres, fenetre, echec, ICONE_ERREUR);
  if (ConfigurationEcrire(fichiers, f, chemin, dossier_programme)) return 1;
  ConfigurationMessage(fenetres, fenetre, abandon, ICONE_ERREUR);
  return 0;
}

int ConfigurationProgrammeTrouve(const Fichiers* fichiers, const char* dossier_programme) {
  char nom[TAILLE_NOM_COMPLET];
  return NomComplet(dossier_programme, "lorvanix.exe", nom) &&
         fichiers->fichier_existe(fichiers->ctx, nom);
}

void ConfigurationDossierProgramme(const Caracteres* caracteres, const char* module,
                                   char* dossier) {
  // Walked by characters: in a multibyte code page a trail byte may look
  // like a backslash.
  const char* coupure = module;
  for (const char* c = module; *c; c = caracteres->caractere_suivant(caracteres->ctx, c))
    if (*c == '\\') coupure = c;
  size_t n = (size_t)(coupure - module);
  if (n >= TAILLE_CHEMIN) n = TAILLE_CHEMIN - 1;
  memcpy(dossier, module, n);
  dossier[n] = 0;
}
