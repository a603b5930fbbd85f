#include "fiches_marquees.h"

#include "lvxgest.h"

void CommandeFicheMarquee(Programme* p, int avant) {
  Magasin* m = &p->magasin;
  uint8_t* fiche = m->lpFicheEcran;
  int32_t numero = m->NumFiche;
  int trouvee = 0;
  if (avant) {
    do {
      fiche = determine_pointeur_fiche_suivante(fiche);
      numero++;
    } while (fiche != m->lpFinMem && !LireMot(fiche));
    trouvee = fiche != m->lpFinMem;
  } else {
    while (!trouvee && fiche != m->lpDebutMem) {
      fiche = determine_pointeur_fiche_precedente(fiche);
      numero--;
      trouvee = LireMot(fiche) != 0;
    }
  }
  if (!trouvee) {
    ProgrammeMessage(p, p->vue.fenetre,
                     avant ? "Il n'y a pas de fiche marquée suivante."
                           : "Il n'y a pas de fiche marquée précédente.",
                     BOITE_OK | ICONE_ATTENTION);
    ProgrammeFocusCourant(p);
    return;
  }
  m->lpFicheEcran = fiche;
  ProgrammeAfficherFiche(p);
  m->NumFiche = numero;
  ProgrammeCompteur(p, p->vue.numero, numero);
  p->ChampCourant = p->vue.champs[CHAMP_NOM];
  ProgrammeFocusCourant(p);
}
