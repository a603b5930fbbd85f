#include "dialogues_affic.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "chaines.h"
#include "lvxaffic_ids.h"
#include "titre.h"

const unsigned IDS_ENV_RECHERCHE[NB_CRITERES] = {
    IDC_ENV_NOMS,   IDC_ENV_URL,        IDC_ENV_RUBRIQUES,   IDC_ENV_MOTS_CLES,   IDC_ENV_NOTES,
    IDC_ENV_CASSE,  IDC_ENV_EXACTITUDE, IDC_ENV_TOTAL_CHAMP, IDC_ENV_DEBUT_CHAMP,
};

namespace {

enum { RUBRIQUES = 2, MOTS_CLES = 3, EXACTITUDE = 6, TOTAL_CHAMP = 7, DEBUT_CHAMP = 8 };

const char* const MEMOIRE_IMPOSSIBLE = "Allocation de mémoire impossible !";

// Titles by restriction (all cards, criteria, marked), then the count label.
const char* const TEXTES[NB_GENRES_LISTE][4] = {
    {"Noms de sites disponibles", "Noms des sites correspondant aux critères de recherche",
     "Noms des sites correspondant aux fiches marquées", "Noms de sites dans cette liste."},
    {"Liste des URL disponibles",
     "Liste des URL des fiches correspondant aux critères de recherche",
     "Liste des URL des fiches marquées", "URL dans cette liste."},
    {"Liste des cibles disponibles",
     "Liste des cibles des fiches correspondant aux critères de recherche",
     "Liste des cibles des fiches marquées", "Cibles dans cette liste."},
    {"Liste des fins de cibles disponibles",
     "Liste des fins de cibles des fiches correspondant aux critères de recherche",
     "Liste des fins de cibles des fiches marquées", "Fins de cibles dans cette liste."},
    {"Rubriques disponibles", "Rubriques disponibles", "Rubriques disponibles",
     "rubriques dans cette liste."},
    {"Mots clés disponibles", "Mots clés disponibles", "Mots clés disponibles",
     "mots clés dans cette liste."},
};

void Message(const SystemeAffic* sys, Poignee proprietaire, const char* texte, unsigned style) {
  sys->fenetres->message(sys->fenetres->ctx, proprietaire, texte, TITRE_LORVANIX, style);
}

// Card numbers stay within seven digits.
void Numero(char texte[TAILLE_NUMERO], int32_t n) {
  snprintf(texte, TAILLE_NUMERO, "%07u", (unsigned)(n < 0 ? 0 : n > 9999999 ? 9999999 : n));
}

void Numeros(DialogueListes* d) {
  Numero(d->de, d->liste.numero_debut);
  Numero(d->a, d->liste.numero_apres - 1);
  Numero(d->nombre, (int32_t)ListeNombre(&d->liste));
}

// The list's genre and restriction from the command and its flags.
void Genre(const ParametresAffic* p, CommandeAffic commande, GenreListe* genre,
           RestrictionListe* restriction) {
  *restriction = LISTE_TOUTES;
  switch (commande) {
    case AFFIC_NOMS:
      *genre = LISTE_NOMS;
      if (p->NomsRecherche) *restriction = LISTE_RECHERCHE;
      else if (p->NomsMarquees) *restriction = LISTE_MARQUEES;
      return;
    case AFFIC_URL:
      *genre = p->FinsCibles ? LISTE_FINS_CIBLES : p->Cibles ? LISTE_CIBLES : LISTE_URL;
      if (p->UrlRecherche) *restriction = LISTE_RECHERCHE;
      else if (p->UrlMarquees) *restriction = LISTE_MARQUEES;
      return;
    case AFFIC_RUBRIQUES: *genre = LISTE_RUBRIQUES; return;
    case AFFIC_MOTS_CLES: *genre = LISTE_MOTS_CLES; return;
  }
}

// A category or a keyword becomes the expression of a search preset on its
// field; OK hands the criteria and the expression back.
SuiteListes Rechercher(DialogueListes* d, const char* choisi) {
  DialogueEnvRecherche env = {};
  if (d->liste.genre == LISTE_RUBRIQUES) {
    env.drapeaux[RUBRIQUES] = 1;
    env.drapeaux[TOTAL_CHAMP] = 1;
  } else {
    env.drapeaux[MOTS_CLES] = 1;
    env.drapeaux[EXACTITUDE] = 1;
  }
  CopierTexte(env.expression, choisi, sizeof env.expression);
  env.fenetres = d->sys->fenetres;
  const DialoguesAffic* dialogues = d->sys->dialogues;
  if (!dialogues->dialogue_env_recherche(dialogues->ctx, d->fenetre, &env)) return LISTES_RESTE;
  memcpy(d->resultat->criteres, env.drapeaux, sizeof env.drapeaux);
  CopierTexte(d->parametres->expression, env.expression, TAILLE_EXPRESSION_ENV);
  return LISTES_FERME;
}

SuiteListes Choisir(DialogueListes* d) {
  const SystemeAffic* sys = d->sys;
  if (d->selection < 0 || (uint32_t)d->selection >= ListeNombre(&d->liste)) {
    Message(sys, d->fenetre, "il n'y a pas de sélection !", BOITE_OK | ICONE_ATTENTION);
    return LISTES_RESTE;
  }
  const Memoire* m = sys->memoire;
  Poignee bloc = m->bloc_allouer(m->ctx, TAILLE_TEXTE_COMPARE);
  if (!bloc) {
    Message(sys, d->fenetre, MEMOIRE_IMPOSSIBLE, BOITE_OK | ICONE_ERREUR);
    return LISTES_FERME;
  }
  char* choisi = (char*)m->bloc_verrouiller(m->ctx, bloc);
  CopierTexte(choisi, ListeEntree(&d->liste, (uint32_t)d->selection), TAILLE_TEXTE_COMPARE);
  SuiteListes suite = LISTES_FERME;
  if (d->liste.genre == LISTE_RUBRIQUES || d->liste.genre == LISTE_MOTS_CLES) {
    suite = Rechercher(d, choisi);
  } else {
    uint8_t* fiche = nullptr;
    int32_t numero = 0;
    if (ListeFicheChoisie(&d->liste, (uint32_t)d->selection, &fiche, &numero)) {
      d->resultat->AfficherFicheOk = 1;
      d->resultat->lpFicheEcran = fiche;
      d->resultat->NumFiche = numero;
    }
  }
  m->bloc_deverrouiller(m->ctx, bloc);
  m->bloc_liberer(m->ctx, bloc);
  return suite;
}

// Other entries: the list is to be shown again. The batch may need more
// memory than there is.
SuiteListes Lot(DialogueListes* d, int (*remplir)(ListeValeurs*)) {
  try {
    if (!remplir(&d->liste)) return LISTES_RESTE;
  } catch (const std::bad_alloc&) {
    Message(d->sys, d->fenetre, MEMOIRE_IMPOSSIBLE, BOITE_OK | ICONE_ERREUR);
    return LISTES_FERME;
  }
  Numeros(d);
  d->selection = ListeNombre(&d->liste) ? 0 : -1;
  d->lot_change = 1;
  return LISTES_RESTE;
}

}  // namespace

int EnvRechercheCoche(const DialogueEnvRecherche* d, unsigned id) {
  for (uint32_t i = 0; i < NB_CRITERES; i++)
    if (IDS_ENV_RECHERCHE[i] == id) return d->drapeaux[i];
  return 0;
}

SuiteEnv EnvRechercheAppuyer(DialogueEnvRecherche* d, unsigned id) {
  for (int i = 0; i < (int)NB_CRITERES; i++) {
    if (IDS_ENV_RECHERCHE[i] != id) continue;
    d->drapeaux[i] = !d->drapeaux[i];
    if (!d->drapeaux[i]) return ENV_RESTE;
    if (i == EXACTITUDE || i == DEBUT_CHAMP) d->drapeaux[TOTAL_CHAMP] = 0;
    if (i == TOTAL_CHAMP) d->drapeaux[EXACTITUDE] = d->drapeaux[DEBUT_CHAMP] = 0;
    return ENV_RESTE;
  }
  const Fenetres* f = d->fenetres;
  switch (id) {
    case IDC_ENV_COUPER: f->edit_action(f->ctx, d->edit, EDIT_COUPER); return ENV_RESTE;
    case IDC_ENV_COPIER: f->edit_action(f->ctx, d->edit, EDIT_COPIER); return ENV_RESTE;
    case IDC_ENV_COLLER: f->edit_action(f->ctx, d->edit, EDIT_COLLER); return ENV_RESTE;
    case IDC_ENV_OK: return ENV_OK;
    case IDC_ENV_ANNULER: return ENV_ANNULER;
  }
  return ENV_RESTE;
}

SuiteListes DialogueListesAppuyer(DialogueListes* d, unsigned id) {
  d->lot_change = 0;
  switch (id) {
    case IDC_LISTES_PRECEDENT: return Lot(d, ListeLotPrecedent);
    case IDC_LISTES_SUIVANT: return Lot(d, ListeLotSuivant);
    case IDC_LISTES_RECHERCHER: return Choisir(d);
    case IDC_LISTES_FERMER: return LISTES_FERME;
  }
  return LISTES_RESTE;
}

void AfficherListe(const SystemeAffic* sys, const ParametresAffic* p, CommandeAffic commande,
                   ResultatAffic* r) {
  GenreListe genre = LISTE_NOMS;
  RestrictionListe restriction = LISTE_TOUTES;
  Genre(p, commande, &genre, &restriction);
  const uint16_t* c = p->criteres;
  CriteresListe criteres = {
      .tampon_recherche = p->tampon_recherche,
      .expression = p->expression,
      .RechercheAvecCasse = c[5],
      .RechercheNoms = c[0],
      .RechercheURL = c[1],
      .RechercheRubriques = c[2],
      .RechercheMotsCles = c[3],
      .RechercheNotes = c[4],
      .RechercheAvecExactitude = c[6],
      .RechercheTotalChamp = c[7],
      .RechercheOccurDebutChamp = c[8],
      .tampon = p->tampon,
  };
  try {
    auto d = std::make_unique<DialogueListes>();
    ListePreparer(&d->liste, genre, restriction, criteres, p->lpDebutMem, p->lpFinMem,
                  sys->caracteres, sys->fenetres, p->fenetre, p->attente, p->fleche);
    ListePremierLot(&d->liste);
    d->titre = TEXTES[genre][restriction];
    d->etiquette = TEXTES[genre][3];
    Numeros(d.get());
    d->selection = ListeNombre(&d->liste) ? 0 : -1;
    d->sys = sys;
    d->parametres = p;
    d->resultat = r;
    sys->dialogues->dialogue_listes(sys->dialogues->ctx, p->fenetre, d.get());
  } catch (const std::bad_alloc&) {
    sys->fenetres->curseur(sys->fenetres->ctx, p->fleche);
    Message(sys, p->fenetre, MEMOIRE_IMPOSSIBLE, BOITE_OK | ICONE_ERREUR);
  }
}
