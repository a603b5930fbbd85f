#include "calcul.h"

#include <cstdio>
#include <cstring>

#include "fiche.h"
#include "lvxgest.h"
#include "titre.h"

const char* const LIGNES_CALCUL[NB_COMPTES][2] = {
    {"", "Nombre de fiches marquées :"},
    {"Nombre de fiches correspondant", " aux critères de recherche :"},
    {"Taille en octets ", "du travail en cours :"},
    {"Nombre de fiches", "Incomplètes :"},
    {"Nombre de rubriques", "disponibles :"},
    {"Nombre de mots clés", "disponibles :"},
    {"Nombre de fiches au Nom du site", "de la fiche en cours :"},
    {"Nombre de fiches ayant", "l'URL de la fiche en cours :"},
    {"Nombre de fiches ayant", "la rubrique de la fiche en cours :"},
    {"Nombre de fiches comportant", "le texte sélectionné :"},
};

namespace {

// The window is repainted every so many cards of a walk.
constexpr uint32_t PAS_REDESSIN = 1024;
// What saving would add to the cards: the header and the card count.
constexpr uint32_t ENTETE_ET_TOTAL = 44;

// A text of the store, seen in place: the store does not change during a count.
struct TexteVu {
  const char* debut;  // null: an empty slot
  uint32_t longueur;
  uint32_t hache;
};

// The distinct texts met so far: open addressing in a block of the
// platform, doubled when half full, so that each text costs one probe or
// two instead of a scan of every text collected.
struct Ensemble {
  const Memoire* memoire;
  Poignee bloc;
  TexteVu* cases;
  uint32_t capacite;  // a power of two
  uint32_t nombre;
};

uint32_t Hacher(const char* t, uint32_t n) {
  uint32_t h = 2166136261u;
  for (uint32_t i = 0; i < n; i++) h = (h ^ (uint8_t)t[i]) * 16777619u;
  return h;
}

int EnsembleAllouer(Ensemble* e, uint32_t capacite) {
  const Memoire* m = e->memoire;
  Poignee bloc = m->bloc_allouer(m->ctx, capacite * (uint32_t)sizeof(TexteVu));
  if (!bloc) return 0;
  TexteVu* cases = (TexteVu*)m->bloc_verrouiller(m->ctx, bloc);
  memset(cases, 0, capacite * sizeof(TexteVu));
  for (uint32_t i = 0; i < e->capacite; i++) {
    if (!e->cases[i].debut) continue;
    uint32_t k = e->cases[i].hache & (capacite - 1);
    while (cases[k].debut) k = (k + 1) & (capacite - 1);
    cases[k] = e->cases[i];
  }
  if (e->bloc) {
    m->bloc_deverrouiller(m->ctx, e->bloc);
    m->bloc_liberer(m->ctx, e->bloc);
  }
  e->bloc = bloc;
  e->cases = cases;
  e->capacite = capacite;
  return 1;
}

void EnsembleLiberer(Ensemble* e) {
  if (!e->bloc) return;
  e->memoire->bloc_deverrouiller(e->memoire->ctx, e->bloc);
  e->memoire->bloc_liberer(e->memoire->ctx, e->bloc);
  e->bloc = nullptr;
}

// Adds the text if no text of the same bytes is there; 0 when the
// collection cannot grow.
int EnsembleAjouter(Ensemble* e, const char* t, uint32_t n) {
  if ((e->nombre + 1) * 2 > e->capacite) {
    if (e->capacite > UINT32_MAX / 2 / sizeof(TexteVu) || !EnsembleAllouer(e, e->capacite * 2))
      return 0;
  }
  uint32_t h = Hacher(t, n);
  uint32_t k = h & (e->capacite - 1);
  for (; e->cases[k].debut; k = (k + 1) & (e->capacite - 1)) {
    const TexteVu& v = e->cases[k];
    if (v.hache == h && v.longueur == n && memcmp(v.debut, t, n) == 0) return 1;
  }
  e->cases[k] = {t, n, h};
  e->nombre++;
  return 1;
}

bool Separateur(char x) { return x == ' ' || x == '\t' || x == '\r' || x == '\n'; }

// Distinct non-empty categories, or distinct words of the keywords: texts
// and words are told apart byte for byte, so letter case counts.
int CompterDistincts(const Calcul* c, uint32_t* nombre) {
  Ensemble e = {c->sys->memoire, nullptr, nullptr, 0, 0};
  if (!EnsembleAllouer(&e, 1024)) return 0;
  int bon = 1;
  uint32_t pas = 0;
  for (uint8_t* f = c->debut; bon && f < c->fin; f = determine_pointeur_fiche_suivante(f)) {
    if (pas++ % PAS_REDESSIN == 0) c->sys->fenetres->redessiner(c->sys->fenetres->ctx, c->fenetre);
    uint32_t longueur;
    if (c->compte == COMPTE_RUBRIQUES) {
      const char* t = FicheTexte(f, CHAMP_RUBRIQUE, &longueur);
      if (longueur) bon = EnsembleAjouter(&e, t, longueur);
      continue;
    }
    const char* t = FicheTexte(f, CHAMP_MOTS_CLES, &longueur);
    for (uint32_t i = 0; bon && i < longueur;) {
      while (i < longueur && Separateur(t[i])) i++;
      uint32_t mot = i;
      while (i < longueur && !Separateur(t[i])) i++;
      if (i > mot) bon = EnsembleAjouter(&e, t + mot, i - mot);
    }
  }
  *nombre = e.nombre;
  EnsembleLiberer(&e);
  return bon;
}

// The text of the card on screen's field as its edit holds it, cut to 497
// characters.
void LireEnCours(const Calcul* c, char texte[LONGUEUR_EN_COURS_MAX + 1]) {
  const Fenetres* f = c->sys->fenetres;
  Poignee edit = c->champs[c->compte - COMPTE_NOM_EN_COURS];
  texte[0] = 0;
  f->fenetre_texte_lire(f->ctx, edit, texte, LONGUEUR_EN_COURS_MAX + 1);
}

bool Incomplete(const uint8_t* fiche) {
  for (int i = 0; i < (int)NB_CHAMPS; i++) {
    uint32_t longueur;
    FicheTexte(fiche, i, &longueur);
    if (longueur == 0) return true;
  }
  return false;
}

// The cards that pass the test of the count.
uint32_t CompterFiches(const Calcul* c) {
  char en_cours[LONGUEUR_EN_COURS_MAX + 1] = "";
  int champ = 0;
  if (c->compte >= COMPTE_NOM_EN_COURS && c->compte <= COMPTE_RUBRIQUE_EN_COURS) {
    LireEnCours(c, en_cours);
    champ = CHAMP_NOM + (c->compte - COMPTE_NOM_EN_COURS);
  }
  bool recherche = c->compte == COMPTE_RECHERCHE || c->compte == COMPTE_SELECTION;
  if (recherche && !CriteresUtilisables(&c->criteres)) return 0;
  uint32_t nombre = 0, pas = 0;
  for (uint8_t* f = c->debut; f < c->fin; f = determine_pointeur_fiche_suivante(f)) {
    if (pas++ % PAS_REDESSIN == 0) c->sys->fenetres->redessiner(c->sys->fenetres->ctx, c->fenetre);
    bool compte;
    switch (c->compte) {
      case COMPTE_MARQUEES:
        compte = LireMot(f) != 0;
        break;
      case COMPTE_INCOMPLETES:
        compte = Incomplete(f);
        break;
      case COMPTE_RECHERCHE:
      case COMPTE_SELECTION:
        compte = FicheCorrespond(&c->criteres, f);
        break;
      default:
        compte = strcmp(FicheTexte(f, champ, nullptr), en_cours) == 0;
        break;
    }
    nombre += compte;
  }
  return nombre;
}

}  // namespace

int CalculCompter(const Calcul* c, uint32_t* nombre) {
  *nombre = 0;
  switch (c->compte) {
    case COMPTE_TAILLE:
      *nombre = (uint32_t)(c->fin - c->debut) + ENTETE_ET_TOTAL;
      return 1;
    case COMPTE_RUBRIQUES:
    case COMPTE_MOTS_CLES:
      return CompterDistincts(c, nombre);
    default:
      *nombre = CompterFiches(c);
      return 1;
  }
}

void CalculExecuter(const Calcul* c) {
  const Fenetres* f = c->sys->fenetres;
  f->curseur(f->ctx, c->attente);
  uint32_t nombre;
  int bon = CalculCompter(c, &nombre);
  f->curseur(f->ctx, c->fleche);
  if (!bon) {
    f->message(f->ctx, c->fenetre, "Allocation de mémoire impossible !", TITRE_LORVANIX,
               BOITE_OK | ICONE_ERREUR);
    return;
  }
  ResultatCalcul r = {{LIGNES_CALCUL[c->compte][0], LIGNES_CALCUL[c->compte][1]}, ""};
  snprintf(r.nombre, sizeof r.nombre, "%lu", (unsigned long)nombre);
  c->sys->dialogues->resultat_calcul(c->sys->dialogues->ctx, c->fenetre, &r);
}
