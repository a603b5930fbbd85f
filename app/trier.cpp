#include "trier.h"

#include "sort/lvxtri.h"

int CommandeTrier(Programme* p, int cle) {
  Magasin& m = p->magasin;
  // One card: nothing to sort, and the work is left as it was.
  if (m.TotalFiches == 1) return 0;
  ProgrammeCurseur(p, p->attente);
  if (!ProgrammeReecrire(p)) return 0;
  uint8_t* ecran = TrierAlpha(m.lpDebutMem, m.lpFinMem, m.lpFicheEcran, m.TotalFiches,
                              (uint16_t)cle, p->vue.fenetre);
  // Null: the sort had no memory and left the store as it was.
  if (ecran) {
    m.lpFicheEcran = ecran;
    m.NumFiche = RecupererNumFicheEcran();
    ProgrammeAfficherFiche(p);
    ProgrammeCompteur(p, p->vue.numero, m.NumFiche);
    p->TravailModifie = 1;
  }
  ProgrammeCurseur(p, p->fleche);
  return 0;
}
