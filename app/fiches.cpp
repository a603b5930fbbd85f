#include "fiches.h"

#include <cstring>

#include "hook/lvxhook.h"
#include "lvxgest.h"

namespace {

void FocusNom(Programme* p) {
  p->ChampCourant = p->vue.champs[CHAMP_NOM];
  ProgrammeFocusCourant(p);
}


uint8_t* Suivante(uint8_t* fiche) { return determine_pointeur_fiche_suivante(fiche); }
uint8_t* Precedente(uint8_t* fiche) { return determine_pointeur_fiche_precedente(fiche); }

uint8_t* FicheNumero(Programme* p, uint32_t numero) {
  uint8_t* fiche = p->magasin.lpDebutMem;
  for (uint32_t i = 1; i < numero; i++) fiche = Suivante(fiche);
  return fiche;
}

// Shows card numero at fiche and sets the card number counter.
void Montrer(Programme* p, uint8_t* fiche, int32_t numero) {
  p->magasin.lpFicheEcran = fiche;
  ProgrammeAfficherFiche(p);
  p->magasin.NumFiche = numero;
  ProgrammeCompteur(p, p->vue.numero, numero);
}

}  // namespace

uint32_t NumeroTape(const char* texte) {
  while (*texte == ' ' || (*texte >= '\t' && *texte <= '\r')) texte++;
  int negatif = *texte == '-';
  if (*texte == '-' || *texte == '+') texte++;
  uint32_t n = 0;
  while (*texte >= '0' && *texte <= '9') n = n * 10 + (uint32_t)(*texte++ - '0');
  return negatif ? 0u - n : n;
}

void CommandeNouvelleFiche(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  Magasin* m = &p->magasin;
  if (!ProgrammeReecrire(p)) return;
  for (Poignee champ : p->vue.champs)
    sys->fenetres->fenetre_texte_ecrire(sys->fenetres->ctx, champ, "");
  p->EtatMarquage = 0;
  sys->fenetres->case_cocher(sys->fenetres->ctx, p->vue.marquage, 0);
  m->lpFicheEcran = Suivante(m->lpFicheEcran);
  uint8_t* nouvelle = m->lpFicheEcran;
  if (!MagasinOuvrirEspace(m, sys->memoire, &nouvelle, TAILLE_FICHE_VIDE)) {
    ProgrammeEchecMemoire(p);
    return;
  }
  FicheEcrireVide(nouvelle);
  ProgrammeChampsNonModifies(p);
  m->NumFiche++;
  m->TotalFiches++;
  ProgrammeCompteurs(p);
  p->TravailModifie = 1;
  FocusNom(p);
}

void CommandeDupliquer(Programme* p) {
  Magasin* m = &p->magasin;
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return;
  ProgrammeCurseur(p, p->fleche);
  ProgrammeCurseur(p, p->attente);
  uint8_t* copie = Suivante(m->lpFicheEcran);
  uint32_t taille = (uint32_t)(copie - m->lpFicheEcran);
  if (!MagasinOuvrirEspace(m, p->sys->memoire, &copie, taille)) {
    ProgrammeEchecMemoire(p);
    return;
  }
  memcpy(copie, m->lpFicheEcran, taille);
  ProgrammeChampsNonModifies(p);
  m->NumFiche++;
  m->TotalFiches++;
  ProgrammeCompteurs(p);
  m->lpFicheEcran = copie;
  FocusNom(p);
  p->TravailModifie = 1;
  ProgrammeCurseur(p, p->fleche);
}

void CommandeSupprimer(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  Magasin* m = &p->magasin;
  if (ProgrammeMessage(p, p->vue.fenetre, "Voulez-vous vraiment\n supprimer cette fiche?",
                       BOITE_OUI_NON | ICONE_QUESTION) != REPONSE_OUI) {
    ProgrammeFocusCourant(p);
    return;
  }
  ProgrammeCurseur(p, p->attente);
  p->TravailModifie = 1;
  uint8_t* suivante = Suivante(m->lpFicheEcran);
  MagasinFermerEspace(m, suivante, (uint32_t)(suivante - m->lpFicheEcran));
  ProgrammeChampsNonModifies(p);
  if (m->lpFicheEcran != m->lpDebutMem) {
    m->lpFicheEcran = Precedente(m->lpFicheEcran);
    ProgrammeAfficherFiche(p);
    m->NumFiche--;
    m->TotalFiches--;
    ProgrammeCompteurs(p);
  } else if (m->TotalFiches == 1) {
    for (Poignee champ : p->vue.champs)
      sys->fenetres->fenetre_texte_ecrire(sys->fenetres->ctx, champ, "");
    p->EtatMarquage = 0;
    sys->fenetres->case_cocher(sys->fenetres->ctx, p->vue.marquage, 0);
    MagasinNouveau(m, sys->memoire);
    ProgrammeChampsNonModifies(p);
    ProgrammeCompteurs(p);
    p->TravailModifie = 1;
  } else {
    ProgrammeAfficherFiche(p);
    m->TotalFiches--;
    ProgrammeCompteur(p, p->vue.total, m->TotalFiches);
  }
  ProgrammeCurseur(p, p->fleche);
  FocusNom(p);
}

void CommandeSuivante(Programme* p) {
  Magasin* m = &p->magasin;
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return;
  uint8_t* suivante = Suivante(m->lpFicheEcran);
  if (suivante == m->lpFinMem) {
    ProgrammeCurseur(p, p->fleche);
    ProgrammeAvertir(p, "Il n'y a pas de fiche suivante.");
    ProgrammeFocusCourant(p);
    return;
  }
  m->lpFicheEcran = suivante;
  ProgrammeAfficherFiche(p);
  ProgrammeCurseur(p, p->fleche);
  m->NumFiche++;
  ProgrammeCompteur(p, p->vue.numero, m->NumFiche);
  FocusNom(p);
}

void CommandePrecedente(Programme* p) {
  Magasin* m = &p->magasin;
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return;
  if (m->lpFicheEcran == m->lpDebutMem) {
    ProgrammeCurseur(p, p->fleche);
    ProgrammeAvertir(p, "Il n'y a pas de fiche précédente.");
    ProgrammeFocusCourant(p);
    return;
  }
  m->lpFicheEcran = Precedente(m->lpFicheEcran);
  ProgrammeAfficherFiche(p);
  ProgrammeCurseur(p, p->fleche);
  m->NumFiche--;
  ProgrammeCompteur(p, p->vue.numero, m->NumFiche);
  FocusNom(p);
}

void CommandePremiere(Programme* p) {
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return;
  Montrer(p, p->magasin.lpDebutMem, 1);
  ProgrammeCurseur(p, p->fleche);
}

void CommandeDerniere(Programme* p) {
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return;
  uint8_t* derniere = FicheNumero(p, (uint32_t)p->magasin.TotalFiches);
  ProgrammeCurseur(p, p->fleche);
  Montrer(p, derniere, p->magasin.TotalFiches);
}

void CommandeAllerA(Programme* p) {
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return;
  ProgrammeCurseur(p, p->fleche);
  char texte[20] = {0};
  // Only digits reach the dialog's edit while it is open.
  FiltrerChiffres(1);
  int ok = p->sys->dialogues->dialogue_aller(p->sys->dialogues->ctx, p->vue.fenetre, texte, 7);
  FiltrerChiffres(0);
  if (!ok) return;
  uint32_t n = NumeroTape(texte);
  if (n > (uint32_t)p->magasin.TotalFiches) {
    ProgrammeAvertir(p, "Le numéro de fiche que vous avez choisi est trop grand.");
    ProgrammeFocusCourant(p);
  } else if (n == 0) {
    ProgrammeAvertir(p, "le numéro de fiche n'est pas valide.");
    ProgrammeFocusCourant(p);
  } else {
    ProgrammeCurseur(p, p->attente);
    uint8_t* fiche = FicheNumero(p, n);
    ProgrammeCurseur(p, p->fleche);
    Montrer(p, fiche, (int32_t)n);
  }
}

void DefilementAppui(Programme* p, int avant) {
  const SystemeProgramme* sys = p->sys;
  sys->fenetres->minuteur_demarrer(sys->fenetres->ctx, p->vue.fenetre, MINUTEUR_DEFILEMENT,
                                   PERIODE_DEFILEMENT);
  sys->fenetres->bouton_enfonce(sys->fenetres->ctx, avant ? p->vue.avancer : p->vue.reculer, 1);
  if (avant)
    Set_MemoBoutAvancerVite(1);
  else
    Set_MemoBoutReculerVite(1);
  p->NumeroAppui = p->magasin.NumFiche;
  ProgrammeReecrire(p);
  if (avant) {
    p->CurseurAvant = p->magasin.lpFicheEcran;
    p->maintenus.avancer = 1;
  } else {
    p->CurseurArriere = p->magasin.lpFicheEcran;
    p->maintenus.reculer = 1;
  }
}

void ProgrammeMinuteur(Programme* p) {
  Magasin* m = &p->magasin;
  if (p->maintenus.avancer && p->CurseurAvant != m->lpFinMem) {
    p->AvantCurseur = p->CurseurAvant;
    p->CurseurAvant = Suivante(p->CurseurAvant);
    if (p->CurseurAvant != m->lpFinMem) {
      m->NumFiche++;
      ProgrammeCompteur(p, p->vue.numero, m->NumFiche);
    }
  }
  if (p->maintenus.reculer && p->CurseurArriere != m->lpDebutMem) {
    p->CurseurArriere = Precedente(p->CurseurArriere);
    m->NumFiche--;
    ProgrammeCompteur(p, p->vue.numero, m->NumFiche);
  }
}

void DefilementRelache(Programme* p, int avant) {
  const SystemeProgramme* sys = p->sys;
  Magasin* m = &p->magasin;
  if (avant) {
    if (p->maintenus.avancer) {
      m->lpFicheEcran = p->CurseurAvant == m->lpFinMem ? p->AvantCurseur : p->CurseurAvant;
      ProgrammeAfficherFiche(p);
    }
    p->maintenus.avancer = 0;
    Set_MemoBoutAvancerVite(0);
  } else {
    // Only a held button has a cursor into the present block.
    if (p->maintenus.reculer) {
      m->lpFicheEcran = p->CurseurArriere;
      ProgrammeAfficherFiche(p);
    }
    p->maintenus.reculer = 0;
    Set_MemoBoutReculerVite(0);
  }
  sys->fenetres->bouton_enfonce(sys->fenetres->ctx, avant ? p->vue.avancer : p->vue.reculer, 0);
  if (m->NumFiche != p->NumeroAppui) p->ChampCourant = p->vue.champs[CHAMP_NOM];
  ProgrammeFocusCourant(p);
  sys->fenetres->minuteur_arreter(sys->fenetres->ctx, p->vue.fenetre, MINUTEUR_DEFILEMENT);
}
