// Dispatch of every command id through its frame.
#include "commandes.h"

#include <string>

#include "connexion.h"
#include "edition.h"
#include "fiches.h"
#include "importation.h"
#include "info/lvxinfo.h"
#include "lvxnavig.h"
#include "lvxoudef.h"
#include "marquage.h"
#include "programme.h"
#include "recherche.h"

namespace {


// Frame S: wait cursor and write back before, focus and arrow after. The
// command runs only when the write back kept the store.
template <typename Action>
void CadreS(Programme* p, Action action) {
  ProgrammeCurseur(p, p->attente);
  if (ProgrammeReecrire(p)) action();
  ProgrammeFocusCourant(p);
  ProgrammeCurseur(p, p->fleche);
}

// Frame D: the same with the hooks off around it, for commands with dialogs.
template <typename Action>
void CadreD(Programme* p, Action action) {
  ProgrammeCrochet(p, 0);
  CadreS(p, action);
  ProgrammeCrochet(p, 1);
}

// Commands whose own work comes with their libraries: only their frame runs.
void Rien() {}

// 0 after the refusal message when no card may be added.
int LimiteFiches(Programme* p) {
  if (p->magasin.TotalFiches != p->MaxFiches) return 1;
  ProgrammeMessage(p, p->pf->focus_actuel(p->pf->ctx),
                   "Le nombre total de fiches existantes est trop important pour en créer une "
                   "nouvelle !",
                   BOITE_OK | ICONE_ATTENTION);
  return 0;
}

// 0 after the message when there is nothing to search for.
int CriteresDefinis(Programme* p) {
  if (CriteresValides(p)) return 1;
  ProgrammeMessage(p, p->vue.fenetre,
                   "il n'y a rien à rechercher.\nLes critères de recherche ne sont pas "
                   "correctement définis.",
                   BOITE_OK | ICONE_ATTENTION);
  return 0;
}

// Hooks off, then the wait cursor and write back, then the arrow, around a
// command that shows dialogs of its own (printing, conversions).
template <typename Action>
void CadreImpression(Programme* p, Action action) {
  ProgrammeCrochet(p, 0);
  ProgrammeCurseur(p, p->attente);
  int garde = ProgrammeReecrire(p);
  ProgrammeCurseur(p, p->fleche);
  if (garde) action();
  ProgrammeCrochet(p, 1);
}

int Fichier(Programme* p, unsigned id) {
  switch (id) {
    case CMD_NOUVEAU:
      if (ProgrammeNouveauTravail(p)) return 0;
      ProgrammeLiberer(p);
      return 1;
    case CMD_OUVRIR:
    case CMD_BOUTON_OUVRIR:
      if (ProgrammeInviteSauvegarde(p)) {
        ProgrammeCrochet(p, 0);
        ProgrammeOuvrir(p);
        ProgrammeCrochet(p, 1);
      }
      ProgrammeFocusCourant(p);
      return 0;
    case CMD_ENREGISTRER:
    case CMD_BOUTON_ENREGISTRER:
      ProgrammeCrochet(p, 0);
      ProgrammeEnregistrer(p);
      ProgrammeCrochet(p, 1);
      ProgrammeFocusCourant(p);
      return 0;
    case CMD_ENREGISTRER_SOUS:
      if (p->magasin.lpFinMem == p->magasin.lpDebutMem) return 0;
      ProgrammeCrochet(p, 0);
      ProgrammeEnregistrerSous(p);
      ProgrammeCrochet(p, 1);
      ProgrammeFocusCourant(p);
      return 0;
    case CMD_OUVRIR_PAR_DEFAUT:
      ProgrammeCrochet(p, 0);
      Util_Dll_Definir_Ouverture_Default(p->NomFichier, p->DossierProgramme);
      ProgrammeCrochet(p, 1);
      return 0;
    case CMD_CHOISIR_NAVIGATEUR:
      if (!ProgrammeReecrire(p)) return 0;
      ProgrammeCrochet(p, 0);
      Util_Dll_Choisir_Navigateur(p->CheminNavigateur, p->CheminNavigateurSecours,
                                  p->DossierProgramme, p->vue.fenetre);
      ProgrammeCrochet(p, 1);
      return 0;
    case CMD_QUITTER:
      return ProgrammeQuitter(p);
  }
  return 0;
}

}  // namespace

static int Distribuer(Programme* p, unsigned id, unsigned notification, Poignee source) {
  if (notification == NOTIFICATION_FOCUS) {
    for (Poignee champ : p->vue.champs)
      if (champ == source) p->ChampCourant = champ;
  }
  if (id < CMD_PREMIERE || id > CMD_DERNIERE) return 0;
  switch (id) {
    case CMD_NOUVEAU:
    case CMD_OUVRIR:
    case CMD_BOUTON_OUVRIR:
    case CMD_ENREGISTRER:
    case CMD_BOUTON_ENREGISTRER:
    case CMD_ENREGISTRER_SOUS:
    case CMD_OUVRIR_PAR_DEFAUT:
    case CMD_CHOISIR_NAVIGATEUR:
    case CMD_QUITTER:
      return Fichier(p, id);

    // Data files of subsets, exports.
    case CMD_DECOUPER:
    case 380: case 341: case 573:
      CadreD(p, Rien);
      return 0;

    // Imports and Répertorier.
    case CMD_IMPORTER_FICHIER_QUELCONQUE:
    case CMD_IMPORTER_PAGE:
    case CMD_IMPORTER_COURRIEL:
    case CMD_IMPORTER_DOSSIER_QUELCONQUE:
    case CMD_IMPORTER_DOSSIER_HTML:
    case CMD_IMPORTER_FAVORIS:
    case CMD_IMPORTER_SIGNETS:
    case CMD_CREER_FICHE_FICHIER:
    case CMD_CREER_FICHE_EXTRA_WEB:
    case CMD_FICHES_EXTRA_WEB_DOSSIER:
      CadreD(p, [p, id] { CommandeImportation(p, id); });
      return 0;
    case CMD_MODIFIER_URL_FICHIER:
      CadreD(p, [p] { CommandeModifierUrlFichier(p); });
      return 0;
    case CMD_MODIFIER_URL_EXTRA_WEB:
      CadreD(p, [p] { CommandeModifierUrlExtraWeb(p); });
      return 0;
    case CMD_EXPORTER_FICHES:
      CadreD(p, [p] { ProgrammeInviteSauvegarde(p); });
      return 0;
    case CMD_MISE_A_JOUR:
    case CMD_MISE_A_JOUR_BIS:
      ProgrammeCrochet(p, 0);
      CommandeMiseAJour(p);
      ProgrammeCrochet(p, 1);
      return 0;
    case CMD_CONNECTER:
    case CMD_BOUTON_CONNECTER:
      if (!ProgrammeReecrire(p)) return 0;
      ProgrammeCrochet(p, 0);
      CommandeConnecter(p);
      ProgrammeCrochet(p, 1);
      return 0;

    // Printing.
    case CMD_IMPRIMER_FICHES:
    case CMD_BOUTON_IMPRIMER:
    case 377: case 378: case 376: case 379:
      CadreImpression(p, Rien);
      ProgrammeFocusCourant(p);
      return 0;
    case CMD_CONFIGURER_IMPRESSION:
      ProgrammeCrochet(p, 0);
      ProgrammeCrochet(p, 1);
      ProgrammeFocusCourant(p);
      return 0;

    // Edition.
    case CMD_ANNULER: CommandeEdition(p, EDIT_ANNULER); return 0;
    case CMD_COUPER: CommandeEdition(p, EDIT_COUPER); return 0;
    case CMD_COPIER: CommandeEdition(p, EDIT_COPIER); return 0;
    case CMD_COLLER: CommandeEdition(p, EDIT_COLLER); return 0;

    // Gestion.
    case CMD_NOUVELLE_FICHE:
    case CMD_BOUTON_NOUVELLE_FICHE:
      if (!LimiteFiches(p)) return 0;
      ProgrammeCurseur(p, p->attente);
      CommandeNouvelleFiche(p);
      ProgrammeCurseur(p, p->fleche);
      return 0;
    case CMD_DUPLIQUER:
    case CMD_BOUTON_DUPLIQUER:
      if (LimiteFiches(p)) CommandeDupliquer(p);
      return 0;
    case CMD_SUPPRIMER:
    case CMD_BOUTON_SUPPRIMER: CommandeSupprimer(p); return 0;
    case CMD_FICHE_SUIVANTE:
    case CMD_BOUTON_SUIVANTE: CommandeSuivante(p); return 0;
    case CMD_FICHE_PRECEDENTE:
    case CMD_BOUTON_PRECEDENTE: CommandePrecedente(p); return 0;
    case CMD_PREMIERE_FICHE: CommandePremiere(p); return 0;
    case CMD_DERNIERE_FICHE: CommandeDerniere(p); return 0;
    case CMD_ALLER_A: CommandeAllerA(p); return 0;
    case CMD_RECHERCHE_SUIVANTE:
    case CMD_BOUTON_RECHERCHE_SUIVANTE:
      CommandeFicheCorrespondante(p, 1);
      return 0;
    case CMD_RECHERCHE_PRECEDENTE:
    case CMD_BOUTON_RECHERCHE_PRECEDENTE:
      CommandeFicheCorrespondante(p, 0);
      return 0;
    case CMD_MARQUEE_SUIVANTE:
    case CMD_BOUTON_MARQUEE_SUIVANTE:
    case CMD_MARQUEE_PRECEDENTE:
    case CMD_BOUTON_MARQUEE_PRECEDENTE:
      // The edited card is stored before another one is shown.
      ProgrammeCurseur(p, p->attente);
      if (ProgrammeReecrire(p)) CommandeMarquage(p, id);
      ProgrammeCurseur(p, p->fleche);
      return 0;
    case 365: case 370: case 375:
      CadreS(p, Rien);
      return 0;
    case 526: case 536: case 544: case 572: case 677:
      CadreImpression(p, Rien);
      return 0;

    // Marquage.
    case CMD_BASCULER_FICHE_ECRAN:
    case CMD_CASE_MARQUAGE:
      CommandeMarquage(p, id);
      return 0;
    case 332: case 333: case 324: case CMD_BOUTON_DEMARQUER_TOUT:
    case 338: case 334: case 346: case 353: case 306: case 412:
    case 351: case 352: case 354: case 347: case 348: case 349:
    case 530: case 531: case 532: case 541: case 542: case 543:
    case 366: case 413: case 475: case 691: case 692: case 693:
      CadreS(p, [p, id] { CommandeMarquage(p, id); });
      return 0;

    // Afficher and Calculer.
    case 641: case 644: case 642: case 405: case 533: case 535: case 537: case 539:
    case 645: case 657:
    case 686: case 688: case 690: case 695: case 696: case 345: case 350: case 355:
      CadreS(p, Rien);
      return 0;
    case 643: case 404: case 534: case 538: case 687:
      CadreS(p, [p] { CriteresDefinis(p); });
      return 0;
    case CMD_COMPTE_SELECTION:
      CadreS(p, [p] { SelectionComptable(p); });
      return 0;

    // Recherche.
    case CMD_CRITERES:
    case CMD_BOUTON_CRITERES:
      CommandeCriteres(p);
      return 0;
    case CMD_CORRESPONDANCE_PREMIERE:
    case CMD_CORRESPONDANCE_SUIVANTE:
      ProgrammeCurseur(p, p->attente);
      if (!ProgrammeReecrire(p)) return 0;
      ProgrammeCurseur(p, p->fleche);
      CommandeCorrespondanceEcran(p, id == CMD_CORRESPONDANCE_PREMIERE);
      return 0;

    case CMD_CHAMP: CommandeChamp(p); return 0;
    case CMD_INFO:
      AfficherLvxInform(0, p->vue.fenetre);
      ProgrammeFocusCourant(p);
      return 0;
    case CMD_AIDE: {
      std::string aide = std::string(p->DossierProgramme) + "\\lorvanix.hlp";
      p->pf->aide(p->pf->ctx, p->pf->focus_actuel(p->pf->ctx), aide.c_str());
      ProgrammeFocusCourant(p);
      return 0;
    }
  }
  if (id >= CMD_CLIC_NOM && id <= CMD_CLIC_NOTES) {
    p->ChampCourant = p->vue.champs[id - CMD_CLIC_NOM];
    ProgrammeFocusCourant(p);
    return 0;
  }
  switch (id) {
    case CMD_COUPER_APPUI: BoutonEditionAppui(p, BOUTON_COUPER); break;
    case CMD_COUPER_RELACHE: BoutonEditionRelache(p, BOUTON_COUPER, 1); break;
    case CMD_COUPER_AILLEURS: BoutonEditionRelache(p, BOUTON_COUPER, 0); break;
    case CMD_COPIER_APPUI: BoutonEditionAppui(p, BOUTON_COPIER); break;
    case CMD_COPIER_RELACHE: BoutonEditionRelache(p, BOUTON_COPIER, 1); break;
    case CMD_COPIER_AILLEURS: BoutonEditionRelache(p, BOUTON_COPIER, 0); break;
    case CMD_COLLER_APPUI: BoutonEditionAppui(p, BOUTON_COLLER); break;
    case CMD_COLLER_RELACHE: BoutonEditionRelache(p, BOUTON_COLLER, 1); break;
    case CMD_COLLER_AILLEURS: BoutonEditionRelache(p, BOUTON_COLLER, 0); break;
    case CMD_AVANCER_APPUI: DefilementAppui(p, 1); break;
    case CMD_AVANCER_RELACHE:
    case CMD_AVANCER_AILLEURS: DefilementRelache(p, 1); break;
    case CMD_RECULER_APPUI: DefilementAppui(p, 0); break;
    case CMD_RECULER_RELACHE:
    case CMD_RECULER_AILLEURS: DefilementRelache(p, 0); break;
  }
  return 0;
}

// A memory-failure reset may have run the quit sequence inside any command.
int ProgrammeCommande(Programme* p, unsigned id, unsigned notification, Poignee source) {
  return Distribuer(p, id, notification, source) || p->Termine;
}
