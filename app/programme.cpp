#include "programme.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "chaines.h"
#include "fichier_donnees.h"
#include "hook/lvxhook.h"
#include "import/lvxrecup.h"
#include "lvxfiles.h"
#include "lvxnavig.h"
#include "lvxoudef.h"
#include "titre.h"

const char* const MAGIE_FICHIER = "LorVanix version1 Fichier CARTES";

namespace {

const char* const MEMOIRE_IMPOSSIBLE = "Allocation de mémoire impossible !";

int UnChampModifie(Programme* p) {
  for (Poignee champ : p->vue.champs)
    if (p->sys->fenetres->edit_modifie(p->sys->fenetres->ctx, champ)) return 1;
  return 0;
}


// Empties the card view and the store down to one empty card.
int NouveauMagasin(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  for (Poignee champ : p->vue.champs)
    sys->fenetres->fenetre_texte_ecrire(sys->fenetres->ctx, champ, "");
  p->EtatMarquage = 0;
  sys->fenetres->case_cocher(sys->fenetres->ctx, p->vue.marquage, 0);
  if (!MagasinNouveau(&p->magasin, sys->memoire)) {
    ProgrammeMessage(p, p->vue.fenetre, MEMOIRE_IMPOSSIBLE, BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  ProgrammeChampsNonModifies(p);
  ProgrammeCompteurs(p);
  return 1;
}

// Takes the store back from lvxfiles after a successful load.
void ReprendreMagasinCharge(Programme* p, const char* chemin) {
  Magasin* m = &p->magasin;
  m->TailleTotaleFiches = Util_Dll_lvxfiles_Recuperer_TailleTotaleFiches();
  m->longSize = Util_Dll_lvxfiles_Recuperer_longSize();
  m->TotalFiches = Util_Dll_lvxfiles_Recuperer_TotalFiches();
  m->lpDebutMem = Util_Dll_lvxfiles_Recuperer_lpDebutMem();
  m->lpFinMem = Util_Dll_lvxfiles_Recuperer_lpFinMem();
  m->GlobalDebutMem = Util_Dll_lvxfiles_Recuperer_GlobalDebutMem();
  m->lpFicheEcran = m->lpDebutMem;
  m->NumFiche = 1;
  ProgrammeAfficherFiche(p);
  ProgrammeCompteurs(p);
  p->TravailModifie = 0;
  CopierTexte(p->NomFichier, chemin, sizeof p->NomFichier);
  CopierTexte(p->NomFichierPrecedent, chemin, sizeof p->NomFichierPrecedent);
  ProgrammeTitre(p, p->NomFichier);
}

int Charger(Programme* p) {
  Magasin* m = &p->magasin;
  if (Util_Dll_lvxfiles_charger_fichier(p->NomFichier, (char*)MAGIE_FICHIER, p->fleche,
                                        p->attente, m->lpDebutMem, m->lpFinMem, m->longSize,
                                        p->TamponTransfert, m->GlobalDebutMem, p->vue.fenetre)) {
    ReprendreMagasinCharge(p, p->NomFichier);
    return 1;
  }
  // A file that changed while it was read has already replaced the cards:
  // the store comes back as one empty card, in a block that may have moved.
  if (Util_Dll_lvxfiles_Recuperer_lpDebutMem() != m->lpDebutMem ||
      Util_Dll_lvxfiles_Recuperer_TailleTotaleFiches() != m->TailleTotaleFiches) {
    ReprendreMagasinCharge(p, "");
  }
  return 0;
}

// Writes the store under the current file name.
int SauverSousNomCourant(Programme* p) {
  Magasin* m = &p->magasin;
  if (!Util_Dll_lvxfiles_sauver_fichier(m->lpDebutMem, m->lpFinMem, p->NomFichier,
                                        (char*)MAGIE_FICHIER, m->TailleTotaleFiches,
                                        m->TotalFiches, p->fleche, p->attente,
                                        p->TamponTransfert, p->vue.fenetre)) {
    CopierTexte(p->NomFichier, p->NomFichierPrecedent, sizeof p->NomFichier);
    return 0;
  }
  p->TravailModifie = 0;
  CopierTexte(p->NomFichierPrecedent, p->NomFichier, sizeof p->NomFichierPrecedent);
  ProgrammeTitre(p, p->NomFichier);
  return 1;
}

int ChoisirNomEnregistrement(Programme* p) {
  if (Util_Dll_lvxfiles_EnregistrerFichierSous(p->vue.fenetre, p->NomFichier,
                                               p->DossierProgramme))
    return 1;
  CopierTexte(p->NomFichier, p->NomFichierPrecedent, sizeof p->NomFichier);
  return 0;
}

}  // namespace

int ProgrammeMessage(Programme* p, Poignee proprietaire, const char* texte, unsigned style) {
  return p->sys->fenetres->message(p->sys->fenetres->ctx, proprietaire, texte, TITRE_LORVANIX,
                                   style);
}

void ProgrammeAvertir(Programme* p, const char* texte) {
  ProgrammeMessage(p, p->vue.fenetre, texte, BOITE_OK | ICONE_ATTENTION);
}

void ProgrammeCurseur(Programme* p, Poignee curseur) {
  p->sys->fenetres->curseur(p->sys->fenetres->ctx, curseur);
}

int ProgrammePlaceFiche(Programme* p) {
  if (p->magasin.TotalFiches != p->MaxFiches) return 1;
  ProgrammeMessage(p, p->sys->fenetres->focus_actuel(p->sys->fenetres->ctx),
                   "Le nombre total de fiches existantes est trop important pour en créer une "
                   "nouvelle !",
                   BOITE_OK | ICONE_ATTENTION);
  return 0;
}

void ProgrammeFocusCourant(Programme* p) {
  p->sys->fenetres->focus(p->sys->fenetres->ctx, p->ChampCourant);
}

void ProgrammeChampsNonModifies(Programme* p) {
  p->FicheModifiee = 0;
  for (Poignee champ : p->vue.champs)
    p->sys->fenetres->edit_modifie_definir(p->sys->fenetres->ctx, champ, 0);
}

void LigneCommandeFichier(const char* ligne, char nom[TAILLE_NOM_FICHIER]) {
  while (*ligne == '"') ligne++;
  size_t n = 0;
  while (ligne[n] && ligne[n] != '"' && n < TAILLE_NOM_FICHIER - 1) n++;
  memcpy(nom, ligne, n);
  nom[n] = 0;
}

int ProgrammeInitialiser(Programme* p, const SystemeProgramme* sys, const VueFiche& vue,
                         Poignee fleche, Poignee attente, Poignee instance) {
  p->sys = sys;
  p->instance = instance;
  p->criteres = CriteresRecherche{1, 1, 1, 1, 1, 0, 0, 0, 0};
  p->vue = vue;
  p->MaxFiches = MAX_FICHES;
  p->ChampCourant = vue.champs[CHAMP_NOM];
  p->fleche = fleche;
  p->attente = attente;
  ImpressionPreparer(p);
  const uint32_t tailles[4] = {TAILLE_TRANSFERT, TAILLE_RECHERCHE, TAILLE_RECHERCHE,
                               TAILLE_RECHERCHE};
  uint8_t* adresses[4] = {};
  for (int i = 0; i < 4; i++) {
    p->blocs_tampons[i] = sys->memoire->bloc_allouer(sys->memoire->ctx, tailles[i]);
    if (!p->blocs_tampons[i]) {
      ProgrammeMessage(p, vue.fenetre, MEMOIRE_IMPOSSIBLE, BOITE_OK | ICONE_ERREUR);
      return 0;
    }
    adresses[i] = sys->memoire->bloc_verrouiller(sys->memoire->ctx, p->blocs_tampons[i]);
    adresses[i][0] = 0;
  }
  p->TamponTransfert = adresses[0];
  p->ExpressionRecherche = (char*)adresses[1];
  p->TamponRecherche = (char*)adresses[2];
  p->TamponRechercheEcran = (char*)adresses[3];
  return 1;
}

int ProgrammeDemarrer(Programme* p, const char* ligne_commande) {
  if (!ProgrammeNouveauTravail(p)) return 0;
  Util_Dll_Obtenir_Chemin_Repertoire_Lorvanix(p->DossierProgramme, p->instance);
  // The import library keeps the pointer: the program's own buffer lives as long as it.
  Util_Dll_Lvxrecup_Transmettre_RepertoireLorvanix(p->DossierProgramme);
  Util_Dll_Lire_Chemin_Fichier_Bookmark(p->CheminSignets, p->DossierProgramme);
  Util_Dll_Lire_Chemin_Fichier_Courrier(p->CheminCourrier, p->DossierProgramme);
  if (ligne_commande && ligne_commande[0]) {
    LigneCommandeFichier(ligne_commande, p->NomFichier);
    ProgrammeCharger(p, p->NomFichier);
  } else {
    Util_Dll_Lire_Chemin_Fichier_Ouvrir_Default(p->NomFichier, p->DossierProgramme);
    if (p->NomFichier[0]) ProgrammeCharger(p, p->NomFichier);
  }
  Util_Dll_Lire_Chemin_Navigateur(p->CheminNavigateur, p->DossierProgramme);
  return 1;
}

void ProgrammeCrochet(Programme* p, uint16_t actif) {
  const VueFiche& v = p->vue;
  if (p->Termine) actif = 0;  // frames that end after the quit sequence
  InstallHook(v.fenetre, p->instance, actif);
  Set_Memo_Handles(v.champs[0], v.champs[1], v.champs[2], v.champs[3], v.champs[4], v.couper,
                   v.copier, v.coller, v.avancer, v.reculer);
  Set_MemoBoutCouper(p->maintenus.couper);
  Set_MemoBoutCopier(p->maintenus.copier);
  Set_MemoBoutColler(p->maintenus.coller);
  Set_MemoBoutAvancerVite(p->maintenus.avancer);
  Set_MemoBoutReculerVite(p->maintenus.reculer);
}

void ProgrammeActivation(Programme* p) {
  ProgrammeCrochet(p, 1);
  ProgrammeFocusCourant(p);
}

void ProgrammeAfficherFiche(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  const uint8_t* fiche = p->magasin.lpFicheEcran;
  p->EtatMarquage = LireMot(fiche);
  sys->fenetres->case_cocher(sys->fenetres->ctx, p->vue.marquage, p->EtatMarquage != 0);
  for (int i = 0; i < (int)NB_CHAMPS; i++)
    sys->fenetres->fenetre_texte_ecrire(sys->fenetres->ctx, p->vue.champs[i],
                                        FicheTexte(fiche, i, nullptr));
  ProgrammeChampsNonModifies(p);
  sys->fenetres->focus(sys->fenetres->ctx, p->vue.champs[CHAMP_NOM]);
  p->ChampCourant = p->vue.champs[CHAMP_NOM];
}

void ProgrammeCompteur(Programme* p, Poignee compteur, int32_t nombre) {
  char texte[16];
  snprintf(texte, sizeof texte, "%07ld", (long)nombre);
  p->sys->fenetres->fenetre_texte_ecrire(p->sys->fenetres->ctx, compteur, texte);
}

void ProgrammeCompteurs(Programme* p) {
  ProgrammeCompteur(p, p->vue.numero, p->magasin.NumFiche);
  ProgrammeCompteur(p, p->vue.total, p->magasin.TotalFiches);
}

int ProgrammeReecrire(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  if (!p->FicheModifiee && !UnChampModifie(p)) return 1;
  std::string textes[NB_CHAMPS];
  const char* pointeurs[NB_CHAMPS];
  uint32_t longueurs[NB_CHAMPS];
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    size_t n = sys->fenetres->fenetre_texte_longueur(sys->fenetres->ctx, p->vue.champs[i]);
    if (n > LONGUEUR_CHAMP_MAX) n = LONGUEUR_CHAMP_MAX;
    textes[i].resize(n + 1);
    n = sys->fenetres->fenetre_texte_lire(sys->fenetres->ctx, p->vue.champs[i], &textes[i][0],
                                          n + 1);
    textes[i].resize(n);
    pointeurs[i] = textes[i].c_str();
    longueurs[i] = (uint32_t)n;
  }
  if (!MagasinReecrireFiche(&p->magasin, sys->memoire, p->EtatMarquage, pointeurs, longueurs)) {
    ProgrammeEchecMemoire(p);
    return 0;
  }
  ProgrammeChampsNonModifies(p);
  p->TravailModifie = 1;
  return 1;
}

void ProgrammeTitre(Programme* p, const char* chemin) {
  std::string titre = TITRE_LORVANIX " ";
  const char* nom = strrchr(chemin, '\\');
  titre += chemin[0] ? (nom ? nom + 1 : chemin) : "Sans-Nom";
  p->sys->fenetres->fenetre_texte_ecrire(p->sys->fenetres->ctx, p->vue.fenetre, titre.c_str());
}

int ProgrammeInviteSauvegarde(Programme* p) {
  if (!p->TravailModifie && !UnChampModifie(p)) return 1;
  int r = ProgrammeMessage(p, nullptr,
                           "Souhaitez vous sauvegarder les modifications du travail en cours ?",
                           BOITE_OUI_NON_ANNULER | ICONE_QUESTION);
  if (r == REPONSE_ANNULER) return 0;
  if (r == REPONSE_NON) return 1;
  return ProgrammeEnregistrer(p);
}

int ProgrammeNouveauTravail(Programme* p) {
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeInviteSauvegarde(p)) {
    ProgrammeCurseur(p, p->fleche);
    return 1;
  }
  p->NomFichier[0] = 0;
  p->NomFichierPrecedent[0] = 0;
  ProgrammeTitre(p, "");
  if (!NouveauMagasin(p)) return 0;
  p->TravailModifie = 0;
  p->ChampCourant = p->vue.champs[CHAMP_NOM];
  ProgrammeCurseur(p, p->fleche);
  return 1;
}

void ProgrammeEchecMemoire(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  ProgrammeMessage(p, p->vue.fenetre,
                   "Allocation de mémoire impossible. La session en cours va être initialisée "
                   "pour éviter le plantage de votre ordinateur.",
                   BOITE_OK | ICONE_ERREUR);
  ProgrammeCurseur(p, p->attente);
  p->NomFichier[0] = 0;
  p->NomFichierPrecedent[0] = 0;
  ProgrammeTitre(p, "");
  // The old block is of no use any more (a library that could not grow it
  // hands back its handle with a null address): start again from a fresh one.
  MagasinLiberer(&p->magasin, sys->memoire);
  p->magasin = Magasin{};
  if (!NouveauMagasin(p)) {
    // No store at all: the cards are already lost, nothing is left to save.
    p->TravailModifie = 0;
    ProgrammeChampsNonModifies(p);
    ProgrammeQuitter(p);
    return;
  }
  p->TravailModifie = 0;
  p->ChampCourant = p->vue.champs[CHAMP_NOM];
  ProgrammeCurseur(p, p->fleche);
}

int ProgrammeCharger(Programme* p, const char* chemin) {
  if (chemin != p->NomFichier) CopierTexte(p->NomFichier, chemin, sizeof p->NomFichier);
  if (Charger(p)) return 1;
  CopierTexte(p->NomFichier, p->NomFichierPrecedent, sizeof p->NomFichier);
  return 0;
}

int ProgrammeOuvrir(Programme* p) {
  CopierTexte(p->NomFichierPrecedent, p->NomFichier, sizeof p->NomFichierPrecedent);
  if (Util_Dll_lvxfiles_OuvrirFichier(p->vue.fenetre, p->NomFichier, p->DossierProgramme) &&
      Charger(p))
    return 1;
  CopierTexte(p->NomFichier, p->NomFichierPrecedent, sizeof p->NomFichier);
  return 0;
}

int ProgrammeEnregistrer(Programme* p) {
  if (p->magasin.lpFinMem == p->magasin.lpDebutMem) return 1;
  if (!ProgrammeReecrire(p)) return 0;
  CopierTexte(p->NomFichierPrecedent, p->NomFichier, sizeof p->NomFichierPrecedent);
  if (!p->NomFichier[0] && !ChoisirNomEnregistrement(p)) return 0;
  return SauverSousNomCourant(p);
}

int ProgrammeEnregistrerSous(Programme* p) {
  if (p->magasin.lpFinMem == p->magasin.lpDebutMem) return 0;
  CopierTexte(p->NomFichierPrecedent, p->NomFichier, sizeof p->NomFichierPrecedent);
  if (!ChoisirNomEnregistrement(p)) return 0;
  if (!ProgrammeReecrire(p)) return 0;
  return SauverSousNomCourant(p);
}

void ProgrammeLiberer(Programme* p) {
  ImpressionLiberer(p);
  MagasinLiberer(&p->magasin, p->sys->memoire);
  Util_Dll_Lvxrecup_Liberer_hugeTampon();
  for (Poignee& bloc : p->blocs_tampons) {
    if (!bloc) continue;
    p->sys->memoire->bloc_deverrouiller(p->sys->memoire->ctx, bloc);
    p->sys->memoire->bloc_liberer(p->sys->memoire->ctx, bloc);
    bloc = nullptr;
  }
  p->TamponTransfert = nullptr;
  p->ExpressionRecherche = p->TamponRecherche = p->TamponRechercheEcran = nullptr;
}

int ProgrammeQuitter(Programme* p) {
  // A save asked for by the prompt may itself end in the quit sequence.
  if (!ProgrammeInviteSauvegarde(p) || p->Termine) return p->Termine;
  // Not from a removed disk: only beside the program that runs.
  std::string programme = std::string(p->DossierProgramme) + "\\lorvanix.exe";
  if (p->sys->fichiers->fichier_existe(p->sys->fichiers->ctx, programme.c_str())) {
    Util_Dll_Definir_Fichier_Bookmark(p->CheminSignets, p->DossierProgramme);
    Util_Dll_Definir_Fichier_Courrier(p->CheminCourrier, p->DossierProgramme);
  }
  ProgrammeCrochet(p, 0);
  ProgrammeLiberer(p);
  p->Termine = 1;
  return 1;
}

void ProgrammeFinDeSession(Programme* p) {
  if (!p->TravailModifie && !UnChampModifie(p)) return;
  int r = ProgrammeMessage(
      p, nullptr,
      "Souhaitez vous sauvegarder les modifications du travail en cours avec Lorvanix 6.1 ?",
      BOITE_OUI_NON | ICONE_QUESTION);
  if (r == REPONSE_OUI) ProgrammeEnregistrer(p);
}
