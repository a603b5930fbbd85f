#include "impression_rapide.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "boite_progression.h"
#include "lvxprap.h"
#include "lvxprap_ids.h"
#include "mise_en_page.h"
#include "titre.h"
#include "valeurs_rapides.h"

namespace {

struct TextesGenre {
  const char* collecte;  // while the values are gathered
  const char* entete;    // before the page number
  const char* progres;   // with the value's number and their count
};

// By kind, from RAPIDE_NOMS.
const TextesGenre TEXTES[] = {
    {"Calcul des noms de sites en cours...", "Noms de sites Page ",
     "Impression du nom de site %" PRIu32 " sur %" PRIu32},
    {"Calcul des URL en cours...", "URL Page ", "Impression de l'URL %" PRIu32 " sur %" PRIu32},
    {"Calcul des rubriques en cours...", "Rubriques Page ",
     "Impression de la rubrique %" PRIu32 " sur %" PRIu32},
    {"Calcul des mots clés en cours...", "Mots clés Page ",
     "Impression du mot clé %" PRIu32 " sur %" PRIu32},
};

const ModeleProgression MODELE = {"LVXPRAP_PRINTINGBOX", IDC_RAPIDE_ENVOI, IDC_RAPIDE_IMPRIMANTE,
                                  IDC_RAPIDE_PROGRES, IDC_RAPIDE_ANNULER};

// The buffer each value is copied into before it is laid out.
constexpr uint32_t TAILLE_TAMPON_VALEUR = 65534;

const char MEMOIRE_TAMPON[] = "Allocation de mémoire impossible ! ";
const char MEMOIRE_LISTE[] = "Allocation de mémoire impossible !";

void Pomper(void* ctx) { ProgressionPomper((const BoiteProgression*)ctx); }

void Signaler(const ImpressionRapide* r, const char* texte) {
  const Fenetres* f = r->sys->fenetres;
  f->message(f->ctx, r->fenetre, texte, TITRE_LORVANIX, BOITE_OK | ICONE_ERREUR);
}

void ImprimerValeur(MiseEnPage* m, char* tampon, const char* valeur) {
  if (m->y + m->retrait >= m->bas - m->hauteur_ligne - m->interligne) MiseEnPageNouvellePage(m);
  uint32_t n = (uint32_t)strlen(valeur);
  if (n > TAILLE_TAMPON_VALEUR) n = TAILLE_TAMPON_VALEUR;
  memcpy(tampon, valeur, n);
  if (n < TAILLE_TAMPON_VALEUR) tampon[n] = 0;
  MiseEnPageTexte(m, tampon, n);
  m->y += m->hauteur_ligne + m->interligne + m->retrait;
}

enum Issue {
  ISSUE_MEMOIRE,    // memory ran short, its box shown
  ISSUE_ANNULEE,    // cancelled before anything was sent
  ISSUE_DOCUMENT,   // the document started, to be ended or dropped
};

// The values collected, sorted and drawn.
Issue Imprimer(const ImpressionRapide* r, BoiteProgression* boite, MiseEnPage* page,
             ValeursRapides* v, char* tampon) {
  const AttenteValeurs attente = {Pomper, boite, &boite->abandon};
  if (!ValeursPreparer(v, r->sys->memoire) ||
      ValeursCollecter(v, r->debut, r->fin, r->genre, &attente) != VALEURS_FAIT) {
    Signaler(r, MEMOIRE_LISTE);
    return ISSUE_MEMOIRE;
  }
  if (!boite->abandon) {
    const ResultatValeurs tri = ValeursTrier(v, r->sys->caracteres, &attente);
    if (tri != VALEURS_FAIT) {
      Signaler(r, tri == VALEURS_MEMOIRE_COMPARAISON ? MEMOIRE_TAMPON : MEMOIRE_LISTE);
      return ISSUE_MEMOIRE;
    }
  }
  // A cancel before the printout sends nothing to the printer.
  if (boite->abandon) return ISSUE_ANNULEE;

  MiseEnPageDebuterDocument(page, "Document Lorvanix");
  if (v->nombre > 0) MiseEnPageEntete(page);
  const char* valeur = v->triees;
  for (uint32_t numero = 1; numero <= v->nombre; numero++) {
    ProgressionPomper(boite);
    if (boite->abandon) break;
    char texte[80];
    snprintf(texte, sizeof texte, TEXTES[r->genre - RAPIDE_NOMS].progres, numero, v->nombre);
    ProgressionEcrire(boite, texte);
    ImprimerValeur(page, tampon, valeur);
    valeur += strlen(valeur) + 1;
  }
  return ISSUE_DOCUMENT;
}

}  // namespace

uint16_t ImpressionRapideExecuter(const ImpressionRapide* r) {
  if (r->genre < RAPIDE_NOMS || r->genre > RAPIDE_MOTS_CLES) return 0;
  const Memoire* m = r->sys->memoire;
  Poignee bloc_tampon = m->bloc_allouer(m->ctx, TAILLE_TAMPON_VALEUR);
  if (!bloc_tampon) {
    Signaler(r, MEMOIRE_TAMPON);
    return 0;
  }
  if (!r->impression->hDevNames) {
    Signaler(r, "l'imprimante n'est pas correctement configurée.");
    m->bloc_liberer(m->ctx, bloc_tampon);
    return 0;
  }
  char* tampon = (char*)m->bloc_verrouiller(m->ctx, bloc_tampon);

  const TextesGenre& textes = TEXTES[r->genre - RAPIDE_NOMS];
  BoiteProgression boite;
  r->sys->progression->activer(r->sys->progression->ctx, r->fenetre, 0);
  ProgressionOuvrir(&boite, r->sys, &MODELE, r->fenetre, r->impression->hDC);
  ProgressionImprimante(&boite, r->impression->hDevNames);
  ProgressionEcrire(&boite, textes.collecte);
  MiseEnPage page;
  MiseEnPageOuvrir(&page, r->sys->page, r->impression->hDC, r->police, r->stylo,
                   r->hauteur_ligne, &boite.abandon);
  page.entete = textes.entete;

  ValeursRapides v{};
  const Issue issue = Imprimer(r, &boite, &page, &v, tampon);
  ProgressionFermer(&boite);
  if (issue == ISSUE_DOCUMENT) MiseEnPageTerminer(&page);
  ValeursLiberer(&v);
  m->bloc_deverrouiller(m->ctx, bloc_tampon);
  m->bloc_liberer(m->ctx, bloc_tampon);
  return issue != ISSUE_MEMOIRE;
}
