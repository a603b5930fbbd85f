#include "impression_fiches.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "boite_progression.h"
#include "lvxgest.h"
#include "lvxprint_ids.h"
#include "mise_en_page.h"
#include "titre.h"

namespace {

const char* const TITRES[NB_CHAMPS] = {"Nom du site:", "URL:", "Rubrique:", "Mots clés:",
                                        "Notes,remarques,commentaires sur le site:"};

const ModeleProgression MODELE = {"PRINTINGBOX", IDC_IMPRESSION_ENVOI, IDC_IMPRESSION_IMPRIMANTE,
                                  IDC_IMPRESSION_PROGRES, IDC_IMPRESSION_ANNULER};

// The cards read while counting a selection: the box handles its messages
// every so many cards.
constexpr uint32_t PAS_MESSAGES = 256;
// What the transfer buffer holds.
constexpr uint32_t TAILLE_TAMPON = 65534;

struct Travail {
  const ImpressionFiches* p;
  BoiteProgression boite;
  MiseEnPage page;
  uint32_t imprimees;  // cards of the document so far
};

bool Choisie(const Travail* t, uint8_t* fiche) {
  switch (t->p->mode) {
    case SELECTION_RECHERCHE:
      return FicheCorrespond(&t->p->criteres, fiche);
    case SELECTION_MARQUEES:
      return FicheMarque(fiche) != 0;
    default:
      return true;
  }
}

// The next card of the selection from fiche on, or the end.
uint8_t* Prochaine(const Travail* t, uint8_t* fiche, uint8_t* fin) {
  while (fiche < fin && !Choisie(t, fiche)) fiche = determine_pointeur_fiche_suivante(fiche);
  return fiche;
}

// The matching or marked cards of the whole store; stops at a cancel.
uint32_t Compter(Travail* t) {
  uint32_t nombre = 0, lues = 0;
  for (uint8_t* f = t->p->debut; f < t->p->fin; f = determine_pointeur_fiche_suivante(f)) {
    if (lues++ % PAS_MESSAGES == 0) {
      ProgressionPomper(&t->boite);
      if (t->boite.abandon) break;
    }
    nombre += Choisie(t, f);
  }
  return nombre;
}

void ImprimerChamp(Travail* t, const uint8_t* fiche, int champ) {
  MiseEnPage* m = &t->page;
  const PageImpression* page = m->page;
  if (m->y + m->retrait >= m->bas - m->hauteur_ligne - m->interligne) MiseEnPageNouvellePage(m);
  MiseEnPageTrait(m);
  m->cote_gauche = m->cote_droit = m->y;
  m->y += m->retrait;
  if (t->p->titres[champ] == 1) {
    page->choisir(page->ctx, m->dc, t->p->police_titre);
    page->texte(page->ctx, m->dc, m->x0, m->y, TITRES[champ], (int)strlen(TITRES[champ]));
    page->choisir(page->ctx, m->dc, t->p->police);
    m->y += m->hauteur_ligne + m->interligne + m->retrait;
    MiseEnPageCotes(m);
  }
  if (MiseEnPagePleine(m)) MiseEnPageNouvellePage(m);
  // The field's copy, its NUL when the buffer has room for it.
  uint32_t n;
  const char* texte = FicheTexte(fiche, champ, &n);
  char* copie = (char*)t->p->criteres.tampon;
  if (n > TAILLE_TAMPON) n = TAILLE_TAMPON;
  memcpy(copie, texte, n);
  if (n < TAILLE_TAMPON) copie[n] = 0;
  MiseEnPageTexte(m, copie, n);
  m->y += m->hauteur_ligne + m->interligne + m->retrait;
  MiseEnPageCotes(m);
  MiseEnPageTrait(m);
}

void ImprimerFiche(Travail* t, const uint8_t* fiche) {
  // The first card goes on the page opened with the document.
  if (t->p->fiche_par_page && t->imprimees > 0) MiseEnPageNouvellePage(&t->page);
  t->imprimees++;
  for (int champ = 0; champ < (int)NB_CHAMPS; champ++) {
    if (t->boite.abandon) return;
    if (t->p->champs[champ] == 1) ImprimerChamp(t, fiche, champ);
  }
}

// The document: every card of the selection from debut to fin, an empty
// line after each.
void ImprimerSelection(Travail* t, uint8_t* debut, uint8_t* fin, uint32_t total) {
  MiseEnPageDebuterDocument(&t->page, "Document Lorvanix");
  MiseEnPageEntete(&t->page);
  uint32_t numero = 0;
  for (uint8_t* f = Prochaine(t, debut, fin); f < fin;
       f = Prochaine(t, determine_pointeur_fiche_suivante(f), fin)) {
    ProgressionPomper(&t->boite);
    if (t->boite.abandon) break;
    char texte[64];
    snprintf(texte, sizeof texte, "Impression de la fiche %" PRIu32 " sur %" PRIu32, ++numero,
             total);
    ProgressionEcrire(&t->boite, texte);
    ImprimerFiche(t, f);
    t->page.y += t->page.hauteur_ligne;
  }
}

void Refuser(const Travail* t, const char* texte) {
  const Fenetres* f = t->p->sys->fenetres;
  f->message(f->ctx, f->focus_actuel(f->ctx), texte, TITRE_LORVANIX, BOITE_OK | ICONE_ATTENTION);
}

}  // namespace

uint16_t ImpressionFichesExecuter(const ImpressionFiches* p) {
  const Fenetres* f = p->sys->fenetres;
  if (!p->impression->hDevNames) {
    f->message(f->ctx, p->fenetre, "l'imprimante n'est pas correctement configurée.",
               TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  Travail t{};
  t.p = p;
  ProgressionOuvrir(&t.boite, p->sys, &MODELE, p->fenetre, p->impression->hDC);
  p->sys->progression->activer(p->sys->progression->ctx, p->fenetre, 0);
  ProgressionImprimante(&t.boite, p->impression->hDevNames);
  MiseEnPageOuvrir(&t.page, p->sys->page, p->impression->hDC, p->police, p->stylo,
                   p->hauteur_ligne, &t.boite.abandon);
  t.page.cadre = p->cadre != 0;
  t.page.entete = p->pagination ? "Page " : nullptr;

  uint8_t* debut = p->debut;
  uint8_t* fin = p->fin;
  uint32_t total = p->TotalFiches;
  bool imprimer = true;
  if (p->mode == SELECTION_ECRAN) {
    debut = p->ecran;
    fin = determine_pointeur_fiche_suivante(p->ecran);
    total = 1;
  } else if (p->mode != SELECTION_TOUTES) {
    const bool recherche = p->mode == SELECTION_RECHERCHE;
    ProgressionEcrire(&t.boite, recherche ? "Calcul de la recherche en cours..."
                                          : "Sélection des fiches marquées en cours...");
    total = Compter(&t);
    // A cancel while counting sends nothing to the printer.
    imprimer = total > 0 && !t.boite.abandon;
    if (total == 0 && !t.boite.abandon)
      Refuser(&t, recherche ? "Il n'y a pas de fiche correpondant aux critères de recherche."
                            : "Il n'y a pas de fiche marquée.");
  }
  if (imprimer) ImprimerSelection(&t, debut, fin, total);
  ProgressionFermer(&t.boite);
  if (imprimer) MiseEnPageTerminer(&t.page);
  return 1;
}
