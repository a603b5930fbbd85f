#include "boite_progression.h"

#include "impression.h"

void ProgressionOuvrir(BoiteProgression* b, const SystemeImpression* sys,
                       const ModeleProgression* modele, Poignee fenetre, Poignee dc) {
  const ProgressionImpression* p = sys->progression;
  b->sys = sys;
  b->modele = modele;
  b->fenetre = fenetre;
  b->abandon = 0;
  b->boite = p->ouvrir(p->ctx, fenetre, modele->nom, modele->annuler, &b->abandon);
  p->installer_abandon(p->ctx, dc, b->boite);
}

void ProgressionImprimante(const BoiteProgression* b, Poignee noms) {
  const ProgressionImpression* p = b->sys->progression;
  const Memoire* m = b->sys->memoire;
  p->ecrire(p->ctx, b->boite, b->modele->envoi, "Lorvanix envoie le document sur :");
  const uint8_t* bloc = m->bloc_verrouiller(m->ctx, noms);
  if (!bloc) return;
  const uint32_t decalage = bloc[DEVNAMES_DECALAGE_PERIPHERIQUE] |
                            (uint32_t)bloc[DEVNAMES_DECALAGE_PERIPHERIQUE + 1] << 8;
  p->ecrire(p->ctx, b->boite, b->modele->imprimante, (const char*)bloc + decalage);
  m->bloc_deverrouiller(m->ctx, noms);
}

void ProgressionEcrire(const BoiteProgression* b, const char* texte) {
  const ProgressionImpression* p = b->sys->progression;
  p->ecrire(p->ctx, b->boite, b->modele->progres, texte);
}

void ProgressionPomper(const BoiteProgression* b) {
  const ProgressionImpression* p = b->sys->progression;
  p->traiter_messages(p->ctx, b->boite);
  b->sys->fenetres->redessiner(b->sys->fenetres->ctx, b->fenetre);
}

void ProgressionFermer(const BoiteProgression* b) {
  const ProgressionImpression* p = b->sys->progression;
  p->activer(p->ctx, b->fenetre, 1);
  p->fermer(p->ctx, b->boite);
}
