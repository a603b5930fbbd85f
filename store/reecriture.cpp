#include "reecriture.h"

#include <cstring>

namespace {

int64_t Ecart(const Modification& x) { return (int64_t)x.nouvelle - (int64_t)x.ancienne; }

}  // namespace

int MagasinAgrandirPour(Magasin* m, const Memoire* memoire, const Modification* plan,
                        uint32_t nb) {
  uint64_t total = m->TailleTotaleFiches, taille = m->longSize;
  for (uint32_t k = 0; k < nb; k++) {
    total = total + plan[k].nouvelle - plan[k].ancienne;  // total holds the old card
    if (plan[k].nouvelle > plan[k].ancienne && taille < total + MARGE_BLOC)
      taille = total + MARGE_BLOC;
  }
  if (taille == m->longSize) return 1;
  if (taille > UINT32_MAX) return 0;
  size_t ecran = (size_t)(m->lpFicheEcran - m->lpDebutMem);
  memoire->bloc_deverrouiller(memoire->ctx, m->GlobalDebutMem);
  Poignee bloc = memoire->bloc_reallouer(memoire->ctx, m->GlobalDebutMem, (uint32_t)taille);
  int agrandi = bloc != nullptr;
  if (agrandi) {
    m->GlobalDebutMem = bloc;
    m->longSize = (uint32_t)taille;
  }
  m->lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, m->GlobalDebutMem);
  m->lpFinMem = m->lpDebutMem + m->TailleTotaleFiches;
  m->lpFicheEcran = m->lpDebutMem + ecran;
  return agrandi;
}

void MagasinPlacer(Magasin* m, const Modification* plan, uint32_t nb, EcrireModification ecrire,
                   void* ctx) {
  uint8_t* base = m->lpDebutMem;
  int64_t total = 0;
  for (uint32_t k = 0; k < nb; k++) total += Ecart(plan[k]);
  // The unchanged cards after change k: their offset and size.
  auto suite = [&](uint32_t k, uint32_t* debut) {
    *debut = plan[k].position + plan[k].ancienne;
    uint32_t fin = k + 1 < nb ? plan[k + 1].position : m->TailleTotaleFiches;
    return (size_t)(fin - *debut);
  };

  // Up, from the last change down. apres: the shift of the cards after change k.
  int64_t apres = total;
  for (uint32_t k = nb; k-- > 0;) {
    uint32_t debut;
    size_t n = suite(k, &debut);
    if (apres > 0 && n) memmove(base + debut + apres, base + debut, n);
    int64_t avant = apres - Ecart(plan[k]);
    if (avant > 0) ecrire(ctx, plan[k], base + plan[k].position, base + plan[k].position + avant);
    apres = avant;
  }
  // Down or in place, from the first change up. The card on screen moves
  // as the first change at or after it.
  uint32_t ecran = (uint32_t)(m->lpFicheEcran - base);
  int64_t decalage_ecran = total;
  int ecran_trouve = 0;
  int64_t avant = 0;
  for (uint32_t k = 0; k < nb; k++) {
    if (!ecran_trouve && plan[k].position >= ecran) {
      decalage_ecran = avant;
      ecran_trouve = 1;
    }
    if (avant <= 0) ecrire(ctx, plan[k], base + plan[k].position, base + plan[k].position + avant);
    apres = avant + Ecart(plan[k]);
    uint32_t debut;
    size_t n = suite(k, &debut);
    if (apres < 0 && n) memmove(base + debut + apres, base + debut, n);
    avant = apres;
  }
  m->TailleTotaleFiches = (uint32_t)(m->TailleTotaleFiches + total);
  m->lpFinMem = base + m->TailleTotaleFiches;
  m->lpFicheEcran = base + ecran + decalage_ecran;
}
