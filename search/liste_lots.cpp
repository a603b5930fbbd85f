#include "liste_lots.h"

#include <algorithm>
#include <cstring>

#include "fiche.h"
#include "lvxgest.h"
#include "lvxrech.h"

namespace {

// The main window is repainted once every so many cards of a walk.
const uint32_t CARTES_PAR_DESSIN = 256;

// How a card's values went into the list.
enum Prise {
  PRISE,            // all of them, or none was needed
  PLEINE,           // none: the batch ends before the card
  PRISE_EN_PARTIE,  // the first of a card that fills an empty list: the batch ends after it
};

// A value as the list control holds it: up to a NUL.
std::string_view Coupee(std::string_view v) { return v.substr(0, v.find('\0')); }

std::string_view Texte(const TextesListe* t, size_t debut) {
  return std::string_view(t->octets.data() + debut);
}

std::string_view TexteChamp(const uint8_t* fiche, int champ) {
  uint32_t longueur = 0;
  const char* texte = FicheTexte(fiche, champ, &longueur);
  return {texte, longueur};
}

void Vider(ListeValeurs* l) {
  l->textes.octets.clear();
  l->textes.debuts.clear();
  l->ordre.clear();
  l->distinctes.clear();
}

// 1 when the value is in the list, as a new entry or (distinct values) as
// one already there; 0 when the list has no room for it.
int Ajouter(ListeValeurs* l, std::string_view valeur, bool distincte) {
  TextesListe* t = &l->textes;
  valeur = Coupee(valeur);
  if (distincte && valeur.empty()) return 1;
  size_t debut = t->octets.size();
  t->octets.append(valeur);
  t->octets.push_back('\0');
  bool deja = distincte && l->distinctes.count(debut);
  if (deja || t->debuts.size() >= l->capacite) {
    t->octets.resize(debut);
    return deja;
  }
  t->debuts.push_back(debut);
  if (distincte) l->distinctes.insert(debut);
  return 1;
}

// The keywords of one card go in together or not at all, unless the list
// was empty: then the card is cut, so that every batch moves on.
Prise AjouterMots(ListeValeurs* l, std::string_view mots) {
  TextesListe* t = &l->textes;
  size_t avant = t->debuts.size(), octets_avant = t->octets.size();
  size_t suite = 0;
  for (std::string_view mot = MotSuivant(mots, &suite); !mot.empty();
       mot = MotSuivant(mots, &suite)) {
    if (Ajouter(l, mot, true)) continue;
    if (avant == 0) return PRISE_EN_PARTIE;
    for (size_t i = avant; i < t->debuts.size(); i++) l->distinctes.erase(t->debuts[i]);
    t->debuts.resize(avant);
    t->octets.resize(octets_avant);
    return PLEINE;
  }
  return PRISE;
}

Prise AjouterFiche(ListeValeurs* l, const uint8_t* fiche) {
  switch (l->genre) {
    case LISTE_RUBRIQUES: return Ajouter(l, TexteChamp(fiche, CHAMP_RUBRIQUE), true) ? PRISE : PLEINE;
    case LISTE_MOTS_CLES: return AjouterMots(l, TexteChamp(fiche, CHAMP_MOTS_CLES));
    default: return Ajouter(l, ValeurFiche(l->genre, fiche), false) ? PRISE : PLEINE;
  }
}

// The placeholder of an empty value in a list of genre, or null.
const char* Substitut(GenreListe genre) {
  switch (genre) {
    case LISTE_NOMS: return SANS_NOM_DE_SITE;
    case LISTE_URL: return SANS_URL;
    case LISTE_CIBLES:
    case LISTE_FINS_CIBLES: return SANS_CIBLE;
    default: return nullptr;
  }
}

// The list control's order: the user's, equal texts in the order they
// came. The placeholder comes first whatever weight the order gives to
// its leading blanks.
void Trier(ListeValeurs* l) {
  const Caracteres* c = l->caracteres;
  const TextesListe* t = &l->textes;
  l->ordre.resize(t->debuts.size());
  for (uint32_t i = 0; i < l->ordre.size(); i++) l->ordre[i] = i;
  auto texte = [t](uint32_t i) { return t->octets.data() + t->debuts[i]; };
  auto suite = l->ordre.begin();
  if (const char* substitut = Substitut(l->genre))
    suite = std::stable_partition(l->ordre.begin(), l->ordre.end(),
                                  [&](uint32_t i) { return strcmp(texte(i), substitut) == 0; });
  std::stable_sort(suite, l->ordre.end(), [c, texte](uint32_t a, uint32_t b) {
    return c->comparer(c->ctx, texte(a), texte(b)) < 0;
  });
  l->distinctes.clear();
}

void Redessiner(const ListeValeurs* l, uint32_t vues) {
  if (vues % CARTES_PAR_DESSIN == 0) l->fenetres->redessiner(l->fenetres->ctx, l->fenetre);
}

void Curseur(const ListeValeurs* l, Poignee curseur) {
  l->fenetres->curseur(l->fenetres->ctx, curseur);
}

void Remplir(ListeValeurs* l, uint8_t* depart, int32_t numero) {
  Curseur(l, l->attente);
  Vider(l);
  uint8_t* fiche = depart;
  int32_t n = numero;
  for (uint32_t vues = 0; fiche < l->lpFinMem; vues++) {
    Redessiner(l, vues);
    Prise prise = ListeRetient(l, fiche) ? AjouterFiche(l, fiche) : PRISE;
    if (prise == PLEINE) break;
    fiche = determine_pointeur_fiche_suivante(fiche);
    n++;
    if (prise == PRISE_EN_PARTIE) break;
  }
  l->debut = depart;
  l->numero_debut = numero;
  l->apres = fiche;
  l->numero_apres = n;
  Trier(l);
  Curseur(l, l->fleche);
}

}  // namespace

size_t HacheTexte::operator()(size_t debut) const {
  return std::hash<std::string_view>()(Texte(textes, debut));
}

bool EgalTexte::operator()(size_t a, size_t b) const {
  return Texte(textes, a) == Texte(textes, b);
}

void ListePreparer(ListeValeurs* l, GenreListe genre, RestrictionListe restriction,
                   const CriteresListe& criteres, uint8_t* lpDebutMem, uint8_t* lpFinMem,
                   const Caracteres* caracteres, const Fenetres* fenetres, Poignee fenetre,
                   Poignee attente, Poignee fleche) {
  l->genre = genre;
  l->restriction = restriction;
  l->criteres = criteres;
  l->lpDebutMem = lpDebutMem;
  l->lpFinMem = lpFinMem;
  l->debut = l->apres = lpDebutMem;
  l->numero_debut = l->numero_apres = 1;
  l->capacite = CAPACITE_LISTE;
  l->distinctes = std::unordered_set<size_t, HacheTexte, EgalTexte>(
      64, HacheTexte{&l->textes}, EgalTexte{&l->textes});
  Vider(l);
  l->caracteres = caracteres;
  l->fenetres = fenetres;
  l->fenetre = fenetre;
  l->attente = attente;
  l->fleche = fleche;
}

void ListePremierLot(ListeValeurs* l) { Remplir(l, l->lpDebutMem, 1); }

int ListeLotSuivant(ListeValeurs* l) {
  if (l->apres >= l->lpFinMem) return 0;
  Remplir(l, l->apres, l->numero_apres);
  return 1;
}

int ListeLotPrecedent(ListeValeurs* l) {
  if (l->debut <= l->lpDebutMem) return 0;
  uint8_t* ancien = l->debut;
  int32_t ancien_numero = l->numero_debut;
  Curseur(l, l->attente);
  Vider(l);
  uint8_t* fiche = ancien;
  int32_t n = ancien_numero;
  for (uint32_t vues = 0; fiche > l->lpDebutMem; vues++) {
    Redessiner(l, vues);
    uint8_t* avant = determine_pointeur_fiche_precedente(fiche);
    Prise prise = ListeRetient(l, avant) ? AjouterFiche(l, avant) : PRISE;
    if (prise == PLEINE) break;
    fiche = avant;
    n--;
    if (prise == PRISE_EN_PARTIE) break;
  }
  l->debut = fiche;
  l->numero_debut = n;
  l->apres = ancien;
  l->numero_apres = ancien_numero;
  Trier(l);
  Curseur(l, l->fleche);
  return 1;
}

uint32_t ListeNombre(const ListeValeurs* l) { return (uint32_t)l->ordre.size(); }

const char* ListeEntree(const ListeValeurs* l, uint32_t i) {
  return l->textes.octets.data() + l->textes.debuts[l->ordre[i]];
}

int ListeRetient(const ListeValeurs* l, uint8_t* fiche) {
  const CriteresListe& c = l->criteres;
  switch (l->restriction) {
    case LISTE_RECHERCHE:
      return Util_Dll_recherche_chaine(fiche, c.tampon_recherche, c.expression,
                                       c.RechercheAvecCasse, c.RechercheNoms, c.RechercheURL,
                                       c.RechercheRubriques, c.RechercheMotsCles,
                                       c.RechercheNotes, c.RechercheAvecExactitude,
                                       c.RechercheTotalChamp, c.RechercheOccurDebutChamp,
                                       c.tampon) != 0;
    case LISTE_MARQUEES: return LireMot(fiche) != 0;
    default: return 1;
  }
}

int ListeFicheChoisie(const ListeValeurs* l, uint32_t i, uint8_t** fiche, int32_t* numero) {
  std::string_view texte = ListeEntree(l, i);
  uint32_t k = 0;
  for (uint32_t j = 0; j <= i; j++) k += texte == ListeEntree(l, j);
  int32_t n = l->numero_debut;
  for (uint8_t* f = l->debut; f < l->apres; f = determine_pointeur_fiche_suivante(f), n++) {
    if (!ListeRetient(l, f) || Coupee(ValeurFiche(l->genre, f)) != texte || --k) continue;
    *fiche = f;
    *numero = n;
    return 1;
  }
  return 0;
}
