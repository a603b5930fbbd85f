#include "magasin.h"

#include <cstring>

int MagasinOuvrirEspace(Magasin* m, const Memoire* memoire, uint8_t** p, uint32_t n) {
  uint64_t besoin = (uint64_t)m->TailleTotaleFiches + n + MARGE_BLOC;
  if (m->longSize < besoin) {
    if (besoin > UINT32_MAX) return 0;
    size_t decalage_p = (size_t)(*p - m->lpDebutMem);
    size_t decalage_ecran = (size_t)(m->lpFicheEcran - m->lpDebutMem);
    memoire->bloc_deverrouiller(memoire->ctx, m->GlobalDebutMem);
    Poignee bloc = memoire->bloc_reallouer(memoire->ctx, m->GlobalDebutMem, (uint32_t)besoin);
    if (!bloc) {
      m->lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, m->GlobalDebutMem);
      return 0;
    }
    m->GlobalDebutMem = bloc;
    m->longSize = (uint32_t)besoin;
    m->lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, bloc);
    m->lpFinMem = m->lpDebutMem + m->TailleTotaleFiches;
    m->lpFicheEcran = m->lpDebutMem + decalage_ecran;
    *p = m->lpDebutMem + decalage_p;
  }
  memmove(*p + n, *p, (size_t)(m->lpFinMem - *p));
  m->lpFinMem += n;
  m->TailleTotaleFiches += n;
  if (m->lpFicheEcran > *p) m->lpFicheEcran += n;
  return 1;
}

void MagasinFermerEspace(Magasin* m, uint8_t* p, uint32_t n) {
  memmove(p - n, p, (size_t)(m->lpFinMem - p));
  m->lpFinMem -= n;
  m->TailleTotaleFiches -= n;
  if (m->lpFicheEcran >= p) m->lpFicheEcran -= n;
}

int MagasinNouveau(Magasin* m, const Memoire* memoire) {
  if (!m->GlobalDebutMem || !m->lpDebutMem) {
    m->GlobalDebutMem = memoire->bloc_allouer(memoire->ctx, TAILLE_BLOC_INITIAL);
    if (!m->GlobalDebutMem) return 0;
    m->lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, m->GlobalDebutMem);
    m->longSize = TAILLE_BLOC_INITIAL;
  }
  FicheEcrireVide(m->lpDebutMem);
  m->TailleTotaleFiches = TAILLE_FICHE_VIDE;
  m->lpFinMem = m->lpDebutMem + TAILLE_FICHE_VIDE;
  m->lpFicheEcran = m->lpDebutMem;
  m->NumFiche = m->TotalFiches = 1;
  return 1;
}

uint8_t* MagasinFiche(const Magasin* m, int32_t numero) {
  uint8_t* p = m->lpDebutMem;
  for (int32_t i = 1; i < numero; i++) p = FicheSuivante(p);
  return p;
}

int MagasinReecrireFiche(Magasin* m, const Memoire* memoire, uint16_t marque,
                         const char* const textes[NB_CHAMPS], const uint32_t longueurs[NB_CHAMPS]) {
  uint32_t coupees[NB_CHAMPS];
  for (uint32_t i = 0; i < NB_CHAMPS; i++)
    coupees[i] = longueurs[i] > LONGUEUR_CHAMP_MAX ? LONGUEUR_CHAMP_MAX : longueurs[i];
  uint32_t nouvelle = FicheTaille(coupees);
  uint8_t* suivante = FicheSuivante(m->lpFicheEcran);
  uint32_t ancienne = (uint32_t)(suivante - m->lpFicheEcran);
  if (nouvelle < ancienne) {
    MagasinFermerEspace(m, suivante, ancienne - nouvelle);
  } else if (nouvelle > ancienne) {
    if (!MagasinOuvrirEspace(m, memoire, &suivante, nouvelle - ancienne)) return 0;
  }
  FicheEcrire(m->lpFicheEcran, marque, textes, coupees);
  return 1;
}

void MagasinLiberer(Magasin* m, const Memoire* memoire) {
  if (!m->GlobalDebutMem) return;
  memoire->bloc_deverrouiller(memoire->ctx, m->GlobalDebutMem);
  memoire->bloc_liberer(memoire->ctx, m->GlobalDebutMem);
  m->GlobalDebutMem = nullptr;
  m->lpDebutMem = m->lpFinMem = m->lpFicheEcran = nullptr;
}
