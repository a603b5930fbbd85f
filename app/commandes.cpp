// Dispatch of every command id through its frame.
#include "commandes.h"

#include <string>

#include "comptes.h"
#include "connexion.h"
#include "conversion.h"
#include "edition.h"
#include "exportation.h"
#include "export/lvxprap.h"
#include "fiches.h"
#include "importation.h"
#include "imprimer.h"
#include "listes.h"
#include "info/lvxinfo.h"
#include "lvxnavig.h"
#include "lvxoudef.h"
#include "marquage.h"
#include "marques.h"
#include "recherche.h"
#include "trier.h"

namespace {

// Fichier.

int Nouveau(Programme* p, int) {
  if (ProgrammeNouveauTravail(p)) return 0;
  ProgrammeLiberer(p);
  return 1;
}

int Ouvrir(Programme* p, int) {
  if (ProgrammeInviteSauvegarde(p)) {
    ProgrammeCrochet(p, 0);
    ProgrammeOuvrir(p);
    ProgrammeCrochet(p, 1);
  }
  ProgrammeFocusCourant(p);
  return 0;
}

int Enregistrer(Programme* p, int) {
  ProgrammeEnregistrer(p);
  return 0;
}

int EnregistrerSous(Programme* p, int) {
  if (p->magasin.lpFinMem == p->magasin.lpDebutMem) return 0;
  ProgrammeCrochet(p, 0);
  ProgrammeEnregistrerSous(p);
  ProgrammeCrochet(p, 1);
  ProgrammeFocusCourant(p);
  return 0;
}

int OuvrirParDefaut(Programme* p, int) {
  ProgrammeCrochet(p, 0);
  Util_Dll_Definir_Ouverture_Default(p->NomFichier, p->DossierProgramme);
  ProgrammeCrochet(p, 1);
  return 0;
}

int ModifierUrlFichier(Programme* p, int) {
  CommandeModifierUrlFichier(p);
  return 0;
}

int ModifierUrlExtraWeb(Programme* p, int) {
  CommandeModifierUrlExtraWeb(p);
  return 0;
}

int MiseAJour(Programme* p, int) {
  ProgrammeCrochet(p, 0);
  CommandeMiseAJour(p);
  ProgrammeCrochet(p, 1);
  return 0;
}

int Connecter(Programme* p, int) {
  if (!ProgrammeReecrire(p)) return 0;
  ProgrammeCrochet(p, 0);
  CommandeConnecter(p);
  ProgrammeCrochet(p, 1);
  return 0;
}

int ChoisirNavigateur(Programme* p, int) {
  if (!ProgrammeReecrire(p)) return 0;
  ProgrammeCrochet(p, 0);
  Util_Dll_Choisir_Navigateur(p->CheminNavigateur, p->CheminNavigateurSecours,
                              p->DossierProgramme, p->vue.fenetre);
  ProgrammeCrochet(p, 1);
  return 0;
}

int Quitter(Programme* p, int) { return ProgrammeQuitter(p); }

// Edition, and the press-and-hold buttons.

int Edition(Programme* p, int action) {
  CommandeEdition(p, (ActionEdit)action);
  return 0;
}

int BoutonAppui(Programme* p, int bouton) {
  BoutonEditionAppui(p, (BoutonEdition)bouton);
  return 0;
}

int BoutonRelache(Programme* p, int bouton) {
  BoutonEditionRelache(p, (BoutonEdition)bouton, 1);
  return 0;
}

int BoutonAilleurs(Programme* p, int bouton) {
  BoutonEditionRelache(p, (BoutonEdition)bouton, 0);
  return 0;
}

int DefilementDebut(Programme* p, int avant) {
  DefilementAppui(p, avant);
  return 0;
}

// Released on the button or elsewhere: the card reached is shown either way.
int DefilementFin(Programme* p, int avant) {
  DefilementRelache(p, avant);
  return 0;
}

// Gestion.

int NouvelleFiche(Programme* p, int) {
  if (!ProgrammePlaceFiche(p)) return 0;
  ProgrammeCurseur(p, p->attente);
  CommandeNouvelleFiche(p);
  ProgrammeCurseur(p, p->fleche);
  return 0;
}

int Dupliquer(Programme* p, int) {
  if (ProgrammePlaceFiche(p)) CommandeDupliquer(p);
  return 0;
}

int Supprimer(Programme* p, int) {
  CommandeSupprimer(p);
  return 0;
}

int Suivante(Programme* p, int) {
  CommandeSuivante(p);
  return 0;
}

int Precedente(Programme* p, int) {
  CommandePrecedente(p);
  return 0;
}

int Premiere(Programme* p, int) {
  CommandePremiere(p);
  return 0;
}

int Derniere(Programme* p, int) {
  CommandeDerniere(p);
  return 0;
}

int AllerA(Programme* p, int) {
  CommandeAllerA(p);
  return 0;
}

int FicheCorrespondante(Programme* p, int avant) {
  CommandeFicheCorrespondante(p, avant);
  return 0;
}

// Recherche, Champ, Info, Aide and the clicks in the fields.

int Criteres(Programme* p, int) {
  CommandeCriteres(p);
  return 0;
}

// The arrow comes back before the search, and not at all when the write
// back failed.
int CorrespondanceEcran(Programme* p, int premiere) {
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return 0;
  ProgrammeCurseur(p, p->fleche);
  CommandeCorrespondanceEcran(p, premiere);
  return 0;
}

int ChampSuivant(Programme* p, int) {
  CommandeChamp(p);
  return 0;
}

int Info(Programme* p, int) {
  AfficherLvxInform(0, p->vue.fenetre);
  ProgrammeFocusCourant(p);
  return 0;
}

int Aide(Programme* p, int) {
  std::string aide = std::string(p->DossierProgramme) + "\\lorvanix.hlp";
  p->sys->coquille->aide(p->sys->coquille->ctx,
                         p->sys->fenetres->focus_actuel(p->sys->fenetres->ctx), aide.c_str());
  ProgrammeFocusCourant(p);
  return 0;
}

int Clic(Programme* p, int champ) {
  p->ChampCourant = p->vue.champs[champ];
  ProgrammeFocusCourant(p);
  return 0;
}

void Agir(Programme* p, const LigneCommande* l) {
  l->action(p, l->parametre);
}

// The frames. The action runs only when the write back kept the store.

void CadreMagasin(Programme* p, const LigneCommande* l) {
  ProgrammeCurseur(p, p->attente);
  if (ProgrammeReecrire(p)) Agir(p, l);
  ProgrammeFocusCourant(p);
  ProgrammeCurseur(p, p->fleche);
}

void CadreConversion(Programme* p, const LigneCommande* l) {
  ProgrammeCrochet(p, 0);
  ProgrammeCurseur(p, p->attente);
  int garde = ProgrammeReecrire(p);
  ProgrammeCurseur(p, p->fleche);
  if (garde) Agir(p, l);
  ProgrammeCrochet(p, 1);
}

void CadreAttente(Programme* p, const LigneCommande* l) {
  ProgrammeCurseur(p, p->attente);
  if (ProgrammeReecrire(p)) Agir(p, l);
  ProgrammeCurseur(p, p->fleche);
}

}  // namespace

// One row per id; a menu item and its toolbar twin have the same frame and
// action.
const LigneCommande COMMANDES[] = {
    // Fichier
    {CMD_NOUVEAU, CADRE_PROPRE, Nouveau, 0},
    {CMD_OUVRIR, CADRE_PROPRE, Ouvrir, 0},
    {CMD_BOUTON_OUVRIR, CADRE_PROPRE, Ouvrir, 0},
    {CMD_ENREGISTRER, CADRE_CROCHETS, Enregistrer, 0},
    {CMD_BOUTON_ENREGISTRER, CADRE_CROCHETS, Enregistrer, 0},
    {CMD_ENREGISTRER_SOUS, CADRE_PROPRE, EnregistrerSous, 0},
    {CMD_OUVRIR_PAR_DEFAUT, CADRE_PROPRE, OuvrirParDefaut, 0},
    {CMD_DECOUPER, CADRE_DIALOGUES, CommandeDecouper, 0},
    {CMD_IMPORTER_FICHIER_QUELCONQUE, CADRE_DIALOGUES, CommandeImportation,
     IMPORT_FICHIER_QUELCONQUE},
    {CMD_IMPORTER_PAGE, CADRE_DIALOGUES, CommandeImportation, IMPORT_PAGE},
    {CMD_IMPORTER_COURRIEL, CADRE_DIALOGUES, CommandeImportation, IMPORT_COURRIEL},
    {CMD_IMPORTER_DOSSIER_QUELCONQUE, CADRE_DIALOGUES, CommandeImportation,
     IMPORT_DOSSIER_QUELCONQUE},
    {CMD_IMPORTER_DOSSIER_HTML, CADRE_DIALOGUES, CommandeImportation, IMPORT_DOSSIER_HTML},
    {CMD_IMPORTER_FAVORIS, CADRE_DIALOGUES, CommandeImportation, IMPORT_FAVORIS},
    {CMD_IMPORTER_SIGNETS, CADRE_DIALOGUES, CommandeImportation, IMPORT_SIGNETS},
    {CMD_EXPORTER_FICHES, CADRE_DIALOGUES, CommandeExporterFiches, 0},
    {CMD_EXPORTER_PAGE_LIENS, CADRE_DIALOGUES, CommandeExportation, EXPORT_PAGE_LIENS},
    {CMD_EXPORTER_LISTE_EMAIL, CADRE_DIALOGUES, CommandeExportation, EXPORT_LISTE_EMAIL},
    {CMD_EXPORTER_TEXTE, CADRE_DIALOGUES, CommandeExportation, EXPORT_TEXTE},
    {CMD_CREER_FICHE_FICHIER, CADRE_DIALOGUES, CommandeImportation, IMPORT_CREER_FICHE_FICHIER},
    {CMD_MODIFIER_URL_FICHIER, CADRE_DIALOGUES, ModifierUrlFichier, 0},
    {CMD_CREER_FICHE_EXTRA_WEB, CADRE_DIALOGUES, CommandeImportation,
     IMPORT_CREER_FICHE_EXTRA_WEB},
    {CMD_MODIFIER_URL_EXTRA_WEB, CADRE_DIALOGUES, ModifierUrlExtraWeb, 0},
    {CMD_FICHES_EXTRA_WEB_DOSSIER, CADRE_DIALOGUES, CommandeImportation,
     IMPORT_FICHES_EXTRA_WEB_DOSSIER},
    {CMD_MISE_A_JOUR, CADRE_PROPRE, MiseAJour, 0},
    {CMD_MISE_A_JOUR_BIS, CADRE_PROPRE, MiseAJour, 0},
    {CMD_CONNECTER, CADRE_PROPRE, Connecter, 0},
    {CMD_BOUTON_CONNECTER, CADRE_PROPRE, Connecter, 0},
    {CMD_CHOISIR_NAVIGATEUR, CADRE_PROPRE, ChoisirNavigateur, 0},
    {CMD_QUITTER, CADRE_PROPRE, Quitter, 0},

    // Impression
    {CMD_IMPRIMER_FICHES, CADRE_IMPRESSION, CommandeImprimerFiches, 0},
    {CMD_BOUTON_IMPRIMER, CADRE_IMPRESSION, CommandeImprimerFiches, 0},
    {CMD_IMPRIMER_NOMS, CADRE_IMPRESSION, CommandeImpressionRapide, RAPIDE_NOMS},
    {CMD_IMPRIMER_URL, CADRE_IMPRESSION, CommandeImpressionRapide, RAPIDE_URL},
    {CMD_IMPRIMER_RUBRIQUES, CADRE_IMPRESSION, CommandeImpressionRapide, RAPIDE_RUBRIQUES},
    {CMD_IMPRIMER_MOTS_CLES, CADRE_IMPRESSION, CommandeImpressionRapide, RAPIDE_MOTS_CLES},
    {CMD_CONFIGURER_IMPRESSION, CADRE_CROCHETS, CommandeConfigurerImpression, 0},

    // Edition
    {CMD_ANNULER, CADRE_PROPRE, Edition, EDIT_ANNULER},
    {CMD_COUPER, CADRE_PROPRE, Edition, EDIT_COUPER},
    {CMD_COPIER, CADRE_PROPRE, Edition, EDIT_COPIER},
    {CMD_COLLER, CADRE_PROPRE, Edition, EDIT_COLLER},

    // Gestion
    {CMD_NOUVELLE_FICHE, CADRE_PROPRE, NouvelleFiche, 0},
    {CMD_BOUTON_NOUVELLE_FICHE, CADRE_PROPRE, NouvelleFiche, 0},
    {CMD_DUPLIQUER, CADRE_PROPRE, Dupliquer, 0},
    {CMD_BOUTON_DUPLIQUER, CADRE_PROPRE, Dupliquer, 0},
    {CMD_SUPPRIMER, CADRE_PROPRE, Supprimer, 0},
    {CMD_BOUTON_SUPPRIMER, CADRE_PROPRE, Supprimer, 0},
    {CMD_FICHE_SUIVANTE, CADRE_PROPRE, Suivante, 0},
    {CMD_BOUTON_SUIVANTE, CADRE_PROPRE, Suivante, 0},
    {CMD_FICHE_PRECEDENTE, CADRE_PROPRE, Precedente, 0},
    {CMD_BOUTON_PRECEDENTE, CADRE_PROPRE, Precedente, 0},
    {CMD_RECHERCHE_SUIVANTE, CADRE_PROPRE, FicheCorrespondante, 1},
    {CMD_BOUTON_RECHERCHE_SUIVANTE, CADRE_PROPRE, FicheCorrespondante, 1},
    {CMD_RECHERCHE_PRECEDENTE, CADRE_PROPRE, FicheCorrespondante, 0},
    {CMD_BOUTON_RECHERCHE_PRECEDENTE, CADRE_PROPRE, FicheCorrespondante, 0},
    {CMD_MARQUEE_SUIVANTE, CADRE_ATTENTE, MarquageFicheMarquee, 1},
    {CMD_BOUTON_MARQUEE_SUIVANTE, CADRE_ATTENTE, MarquageFicheMarquee, 1},
    {CMD_MARQUEE_PRECEDENTE, CADRE_ATTENTE, MarquageFicheMarquee, 0},
    {CMD_BOUTON_MARQUEE_PRECEDENTE, CADRE_ATTENTE, MarquageFicheMarquee, 0},
    {CMD_PREMIERE_FICHE, CADRE_PROPRE, Premiere, 0},
    {CMD_DERNIERE_FICHE, CADRE_PROPRE, Derniere, 0},
    {CMD_ALLER_A, CADRE_PROPRE, AllerA, 0},
    {CMD_TRIER_NOMS, CADRE_PROPRE, CommandeTrier, 1},
    {CMD_TRIER_URL, CADRE_PROPRE, CommandeTrier, 2},
    {CMD_TRIER_RUBRIQUES, CADRE_PROPRE, CommandeTrier, 3},
    {CMD_CONVERTIR_VERS_NAVIGATEUR, CADRE_CONVERSION, CommandeConversion,
     CONVERTIR_VERS_NAVIGATEUR},
    {CMD_CONVERTIR_VERS_EXTRA_WEB, CADRE_CONVERSION, CommandeConversion,
     CONVERTIR_VERS_EXTRA_WEB},
    {CMD_CONVERTIR_REMPLACER, CADRE_CONVERSION, CommandeConversion, CONVERTIR_REMPLACER},
    {CMD_CONVERTIR_AJOUTER, CADRE_CONVERSION, CommandeConversion, CONVERTIR_AJOUTER},
    {CMD_CONVERTIR_SUPPRIMER, CADRE_CONVERSION, CommandeConversion, CONVERTIR_SUPPRIMER},

    // Marquage
    {CMD_BASCULER_FICHE_ECRAN, CADRE_PROPRE, MarquageFicheEcran, 0},
    {CMD_CASE_MARQUAGE, CADRE_PROPRE, MarquageFicheEcran, 0},
    {CMD_BASCULER_TOUT, CADRE_MAGASIN, MarquageTout, ACTION_BASCULER},
    {CMD_MARQUER_TOUT, CADRE_MAGASIN, MarquageTout, ACTION_MARQUER},
    {CMD_DEMARQUER_TOUT, CADRE_MAGASIN, MarquageTout, ACTION_SUPPRIMER},
    {CMD_BOUTON_DEMARQUER_TOUT, CADRE_MAGASIN, MarquageTout, ACTION_SUPPRIMER},
    {CMD_BASCULER_FICHES, CADRE_MAGASIN, MarquagePlage, ACTION_BASCULER},
    {CMD_MARQUER_FICHES, CADRE_MAGASIN, MarquagePlage, ACTION_MARQUER},
    {CMD_DEMARQUER_FICHES, CADRE_MAGASIN, MarquagePlage, ACTION_SUPPRIMER},
    {CMD_BASCULER_RECHERCHE, CADRE_MAGASIN, MarquageRecherche, ACTION_BASCULER},
    {CMD_MARQUER_RECHERCHE, CADRE_MAGASIN, MarquageRecherche, ACTION_MARQUER},
    {CMD_DEMARQUER_RECHERCHE, CADRE_MAGASIN, MarquageRecherche, ACTION_SUPPRIMER},
    {CMD_BASCULER_NOMS_DOUBLES, CADRE_MAGASIN, MarquageDoublonsNom, ACTION_BASCULER},
    {CMD_MARQUER_NOMS_DOUBLES, CADRE_MAGASIN, MarquageDoublonsNom, ACTION_MARQUER},
    {CMD_DEMARQUER_NOMS_DOUBLES, CADRE_MAGASIN, MarquageDoublonsNom, ACTION_SUPPRIMER},
    {CMD_BASCULER_URL_DOUBLES, CADRE_MAGASIN, MarquageDoublonsUrl, ACTION_BASCULER},
    {CMD_MARQUER_URL_DOUBLES, CADRE_MAGASIN, MarquageDoublonsUrl, ACTION_MARQUER},
    {CMD_DEMARQUER_URL_DOUBLES, CADRE_MAGASIN, MarquageDoublonsUrl, ACTION_SUPPRIMER},
    {CMD_BASCULER_CIBLES_DOUBLES, CADRE_MAGASIN, MarquageDoublonsCible, ACTION_BASCULER},
    {CMD_MARQUER_CIBLES_DOUBLES, CADRE_MAGASIN, MarquageDoublonsCible, ACTION_MARQUER},
    {CMD_DEMARQUER_CIBLES_DOUBLES, CADRE_MAGASIN, MarquageDoublonsCible, ACTION_SUPPRIMER},
    {CMD_BASCULER_FINS_CIBLES_DOUBLES, CADRE_MAGASIN, MarquageDoublonsFinCible, ACTION_BASCULER},
    {CMD_MARQUER_FINS_CIBLES_DOUBLES, CADRE_MAGASIN, MarquageDoublonsFinCible, ACTION_MARQUER},
    {CMD_DEMARQUER_FINS_CIBLES_DOUBLES, CADRE_MAGASIN, MarquageDoublonsFinCible,
     ACTION_SUPPRIMER},
    {CMD_BASCULER_INCOMPLETES, CADRE_MAGASIN, MarquageIncompletes, ACTION_BASCULER},
    {CMD_MARQUER_INCOMPLETES, CADRE_MAGASIN, MarquageIncompletes, ACTION_MARQUER},
    {CMD_DEMARQUER_INCOMPLETES, CADRE_MAGASIN, MarquageIncompletes, ACTION_SUPPRIMER},
    {CMD_BASCULER_EXTRA_WEB_INVALIDES, CADRE_MAGASIN, MarquageExtraWebInvalides,
     ACTION_BASCULER},
    {CMD_MARQUER_EXTRA_WEB_INVALIDES, CADRE_MAGASIN, MarquageExtraWebInvalides, ACTION_MARQUER},
    {CMD_DEMARQUER_EXTRA_WEB_INVALIDES, CADRE_MAGASIN, MarquageExtraWebInvalides,
     ACTION_SUPPRIMER},

    // Afficher
    {CMD_AFFICHER_NOMS, CADRE_MAGASIN, CommandeListe, LISTE_APP_NOMS},
    {CMD_AFFICHER_NOMS_MARQUEES, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_NOMS | LISTE_APP_MARQUEES},
    {CMD_AFFICHER_NOMS_RECHERCHE, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_NOMS | LISTE_APP_RECHERCHE},
    {CMD_AFFICHER_URL, CADRE_MAGASIN, CommandeListe, LISTE_APP_URL},
    {CMD_AFFICHER_URL_MARQUEES, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_URL | LISTE_APP_MARQUEES},
    {CMD_AFFICHER_URL_RECHERCHE, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_URL | LISTE_APP_RECHERCHE},
    {CMD_AFFICHER_CIBLES, CADRE_MAGASIN, CommandeListe, LISTE_APP_CIBLES},
    {CMD_AFFICHER_CIBLES_MARQUEES, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_CIBLES | LISTE_APP_MARQUEES},
    {CMD_AFFICHER_CIBLES_RECHERCHE, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_CIBLES | LISTE_APP_RECHERCHE},
    {CMD_AFFICHER_FINS_CIBLES, CADRE_MAGASIN, CommandeListe, LISTE_APP_FINS_CIBLES},
    {CMD_AFFICHER_FINS_CIBLES_MARQUEES, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_FINS_CIBLES | LISTE_APP_MARQUEES},
    {CMD_AFFICHER_FINS_CIBLES_RECHERCHE, CADRE_MAGASIN, CommandeListe,
     LISTE_APP_FINS_CIBLES | LISTE_APP_RECHERCHE},
    {CMD_AFFICHER_RUBRIQUES, CADRE_MAGASIN, CommandeListe, LISTE_APP_RUBRIQUES},
    {CMD_AFFICHER_MOTS_CLES, CADRE_MAGASIN, CommandeListe, LISTE_APP_MOTS_CLES},

    // Calculer
    {CMD_COMPTE_MARQUEES, CADRE_MAGASIN, CommandeCalcul, CALCUL_MARQUEES},
    {CMD_COMPTE_RECHERCHE, CADRE_MAGASIN, CommandeCalcul, CALCUL_RECHERCHE},
    {CMD_COMPTE_INCOMPLETES, CADRE_MAGASIN, CommandeCalcul, CALCUL_INCOMPLETES},
    {CMD_COMPTE_NOM_EN_COURS, CADRE_MAGASIN, CommandeCalcul, CALCUL_NOM_EN_COURS},
    {CMD_COMPTE_URL_EN_COURS, CADRE_MAGASIN, CommandeCalcul, CALCUL_URL_EN_COURS},
    {CMD_COMPTE_RUBRIQUE_EN_COURS, CADRE_MAGASIN, CommandeCalcul, CALCUL_RUBRIQUE_EN_COURS},
    {CMD_COMPTE_SELECTION, CADRE_MAGASIN, CommandeCalcul, CALCUL_SELECTION},
    {CMD_TAILLE_TRAVAIL, CADRE_MAGASIN, CommandeCalcul, CALCUL_TAILLE},
    {CMD_NOMBRE_RUBRIQUES, CADRE_MAGASIN, CommandeCalcul, CALCUL_RUBRIQUES},
    {CMD_NOMBRE_MOTS_CLES, CADRE_MAGASIN, CommandeCalcul, CALCUL_MOTS_CLES},

    // Recherche, and the plain items of the menu bar
    {CMD_CRITERES, CADRE_PROPRE, Criteres, 0},
    {CMD_BOUTON_CRITERES, CADRE_PROPRE, Criteres, 0},
    {CMD_CORRESPONDANCE_PREMIERE, CADRE_PROPRE, CorrespondanceEcran, 1},
    {CMD_CORRESPONDANCE_SUIVANTE, CADRE_PROPRE, CorrespondanceEcran, 0},
    {CMD_CHAMP, CADRE_PROPRE, ChampSuivant, 0},
    {CMD_INFO, CADRE_PROPRE, Info, 0},
    {CMD_AIDE, CADRE_PROPRE, Aide, 0},

    // Posted by the mouse hook
    {CMD_CLIC_NOM, CADRE_PROPRE, Clic, CHAMP_NOM},
    {CMD_CLIC_URL, CADRE_PROPRE, Clic, CHAMP_URL},
    {CMD_CLIC_RUBRIQUE, CADRE_PROPRE, Clic, CHAMP_RUBRIQUE},
    {CMD_CLIC_MOTS_CLES, CADRE_PROPRE, Clic, CHAMP_MOTS_CLES},
    {CMD_CLIC_NOTES, CADRE_PROPRE, Clic, CHAMP_NOTES},
    {CMD_COUPER_APPUI, CADRE_PROPRE, BoutonAppui, BOUTON_COUPER},
    {CMD_COUPER_RELACHE, CADRE_PROPRE, BoutonRelache, BOUTON_COUPER},
    {CMD_COUPER_AILLEURS, CADRE_PROPRE, BoutonAilleurs, BOUTON_COUPER},
    {CMD_COPIER_APPUI, CADRE_PROPRE, BoutonAppui, BOUTON_COPIER},
    {CMD_COPIER_RELACHE, CADRE_PROPRE, BoutonRelache, BOUTON_COPIER},
    {CMD_COPIER_AILLEURS, CADRE_PROPRE, BoutonAilleurs, BOUTON_COPIER},
    {CMD_COLLER_APPUI, CADRE_PROPRE, BoutonAppui, BOUTON_COLLER},
    {CMD_COLLER_RELACHE, CADRE_PROPRE, BoutonRelache, BOUTON_COLLER},
    {CMD_COLLER_AILLEURS, CADRE_PROPRE, BoutonAilleurs, BOUTON_COLLER},
    {CMD_AVANCER_APPUI, CADRE_PROPRE, DefilementDebut, 1},
    {CMD_AVANCER_RELACHE, CADRE_PROPRE, DefilementFin, 1},
    {CMD_AVANCER_AILLEURS, CADRE_PROPRE, DefilementFin, 1},
    {CMD_RECULER_APPUI, CADRE_PROPRE, DefilementDebut, 0},
    {CMD_RECULER_RELACHE, CADRE_PROPRE, DefilementFin, 0},
    {CMD_RECULER_AILLEURS, CADRE_PROPRE, DefilementFin, 0},
};

const size_t NB_COMMANDES = sizeof COMMANDES / sizeof COMMANDES[0];

const LigneCommande* CommandeLigne(unsigned id) {
  for (const LigneCommande& l : COMMANDES)
    if (l.id == id) return &l;
  return nullptr;
}

static int Distribuer(Programme* p, unsigned id, unsigned notification, Poignee source) {
  if (notification == NOTIFICATION_FOCUS) {
    for (Poignee champ : p->vue.champs)
      if (champ == source) p->ChampCourant = champ;
  }
  const LigneCommande* l = CommandeLigne(id);
  if (!l) return 0;
  switch (l->cadre) {
    case CADRE_MAGASIN:
      CadreMagasin(p, l);
      break;
    case CADRE_DIALOGUES:
      ProgrammeCrochet(p, 0);
      CadreMagasin(p, l);
      ProgrammeCrochet(p, 1);
      break;
    case CADRE_CONVERSION:
      CadreConversion(p, l);
      break;
    case CADRE_IMPRESSION:
      CadreConversion(p, l);
      ProgrammeFocusCourant(p);
      break;
    case CADRE_ATTENTE:
      CadreAttente(p, l);
      break;
    case CADRE_CROCHETS:
      ProgrammeCrochet(p, 0);
      Agir(p, l);
      ProgrammeCrochet(p, 1);
      ProgrammeFocusCourant(p);
      break;
    case CADRE_PROPRE:
      return l->action(p, l->parametre);
  }
  return 0;
}

// A memory-failure reset may have run the quit sequence inside any command.
int ProgrammeCommande(Programme* p, unsigned id, unsigned notification, Poignee source) {
  return Distribuer(p, id, notification, source) || p->Termine;
}
