#include "mise_en_page.h"

#include <cstdio>

namespace {

// Millimetres to twips, as the printout has always counted them.
constexpr int TWIPS_PAR_MM = 57;
constexpr int MARGE_MM = 15;
constexpr int MARGE_DROITE_MM = 10;
constexpr int RETRAIT = 100;
// The header's box: from 500 twips above the top to 5 above it.
constexpr int ENTETE_HAUT = 500;
constexpr int ENTETE_BAS = 5;

bool Ordinaire(char c) { return c != '\r' && c != '\n' && c != '\t'; }

// To the next line: back to x0, the tab stops again from x0, the frame
// follows, and a new page when the line would not fit.
void LigneSuivante(MiseEnPage* m, int* x, int* arret) {
  m->y += m->hauteur_ligne + m->interligne;
  *x = m->x0;
  *arret = m->x0 + m->tabulation;
  MiseEnPageCotes(m);
  if (MiseEnPagePleine(m)) MiseEnPageNouvellePage(m);
}

}  // namespace

void MiseEnPageOuvrir(MiseEnPage* m, const PageImpression* page, Poignee dc, Poignee police,
                      Poignee stylo, int hauteur_ligne, int* abandon) {
  *m = MiseEnPage{};
  m->page = page;
  m->dc = dc;
  m->police = police;
  m->stylo = stylo;
  m->abandon = abandon;
  page->mode_twips(page->ctx, dc);
  page->choisir(page->ctx, dc, police);
  page->choisir(page->ctx, dc, stylo);
  int largeur = 0, hauteur = 0;
  page->taille_mm(page->ctx, dc, &largeur, &hauteur);
  m->gauche = MARGE_MM * TWIPS_PAR_MM;
  m->droite = (largeur - MARGE_DROITE_MM) * TWIPS_PAR_MM;
  m->haut = MARGE_MM * TWIPS_PAR_MM;
  m->bas = (hauteur - MARGE_DROITE_MM) * TWIPS_PAR_MM;
  m->retrait = RETRAIT;
  m->hauteur_ligne = hauteur_ligne;
  m->interligne = 0;
  m->x0 = m->gauche + m->retrait;
  m->tabulation = 9 * page->largeur(page->ctx, dc, "a", 1);
  m->y = m->haut;
  m->cote_gauche = m->cote_droit = m->haut;
}

void MiseEnPageDebuterDocument(MiseEnPage* m, const char* nom) {
  const PageImpression* p = m->page;
  if (p->debut_document(p->ctx, m->dc, nom) <= 0) *m->abandon = 1;
  if (p->debut_page(p->ctx, m->dc) <= 0) *m->abandon = 1;
  m->numero = 1;
}

void MiseEnPageEntete(const MiseEnPage* m) {
  if (!m->entete) return;
  char texte[128];
  snprintf(texte, sizeof texte, "%s%u", m->entete, m->numero);
  m->page->texte_a_droite(m->page->ctx, m->dc, m->gauche, m->haut - ENTETE_HAUT, m->droite,
                          m->haut - ENTETE_BAS, texte);
}

void MiseEnPageNouvellePage(MiseEnPage* m) {
  const PageImpression* p = m->page;
  if (p->fin_page(p->ctx, m->dc) <= 0) *m->abandon = 1;
  p->mode_twips(p->ctx, m->dc);
  p->choisir(p->ctx, m->dc, m->police);
  p->choisir(p->ctx, m->dc, m->stylo);
  if (p->debut_page(p->ctx, m->dc) <= 0) *m->abandon = 1;
  m->y = m->haut;
  m->cote_gauche = m->cote_droit = m->haut;
  m->numero++;
  MiseEnPageEntete(m);
}

int MiseEnPagePleine(const MiseEnPage* m) {
  return m->y >= m->bas - m->hauteur_ligne - m->interligne;
}

void MiseEnPageTrait(const MiseEnPage* m) {
  if (m->cadre) m->page->ligne(m->page->ctx, m->dc, m->gauche, m->y, m->droite, m->y);
}

void MiseEnPageCotes(MiseEnPage* m) {
  if (m->cadre) {
    m->page->ligne(m->page->ctx, m->dc, m->gauche, m->cote_gauche, m->gauche, m->y);
    m->page->ligne(m->page->ctx, m->dc, m->droite, m->cote_droit, m->droite, m->y);
  }
  m->cote_gauche = m->cote_droit = m->y;
}

void MiseEnPageTexte(MiseEnPage* m, const char* texte, uint32_t n) {
  const PageImpression* p = m->page;
  int x = m->x0, arret = m->x0 + m->tabulation;
  for (uint32_t i = 0; i < n; i++) {
    const char c = texte[i];
    const int w = p->largeur(p->ctx, m->dc, texte + i, 1);
    if (c == '\r') {
      x = m->x0;
      arret = m->x0 + m->tabulation;
    } else if (c == '\n') {
      LigneSuivante(m, &x, &arret);
    } else if (c == '\t') {
      x = arret;
      arret += m->tabulation;
    }
    // Lines break at any character, not between words.
    if (x + w >= m->droite - m->retrait) LigneSuivante(m, &x, &arret);
    if (!Ordinaire(c)) continue;
    p->texte(p->ctx, m->dc, x, m->y, texte + i, 1);
    x += w;
    if (x >= arret) arret += m->tabulation;
  }
}

void MiseEnPageTerminer(const MiseEnPage* m) {
  const PageImpression* p = m->page;
  if (*m->abandon) {
    p->abandon_document(p->ctx, m->dc);
    return;
  }
  p->fin_page(p->ctx, m->dc);
  p->fin_document(p->ctx, m->dc);
}
