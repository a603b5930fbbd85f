#include "commande_conversion.h"

#include <cstring>

#include "chemin_long.h"
#include "fiche.h"
#include "lvxrech.h"
#include "majuscules.h"
#include "reecriture.h"
#include "titre.h"

namespace {

// The working buffers: one per field, the URL rebuilt, the two parts of a
// split URL, and the folded copy that a search without case looks in.
enum Tampon { TAMPON_URL = NB_CHAMPS, TAMPON_APPLICATION, TAMPON_DOCUMENT, TAMPON_PLI, NB_TAMPONS };

enum : uint32_t { RESERVE_MINIMUM = 65536 };


// A growable run of bytes in a movable block of the platform.
struct Reserve {
  Poignee bloc;
  uint8_t* octets;
  uint32_t taille, capacite;
};

struct Travail {
  Conversion* c;
  const SystemeGest* sys;
  ModeConversion mode;
  const ReglagesConversion* r;
  Poignee blocs[NB_TAMPONS];
  char* tampons[NB_TAMPONS];
  Remplacement remplacement;  // replace and delete
  Texte ajout;                // add
  Reserve plan;               // the Modification of each card that changes, in store order;
                              // donnee: the offset of its new URL in urls
  Reserve urls;               // the extra-web modes' new URLs, back to back
};

// One card as converted: its texts point into the card where they did not
// change, into the working buffers or the URLs kept where they did.
struct Resultat {
  Texte textes[NB_CHAMPS];
  int changee;
  int depassement;  // a field too long, before or after: the card is left alone
};

int ExtraWeb(ModeConversion mode) {
  return mode == CONVERSION_VERS_NAVIGATEUR || mode == CONVERSION_VERS_EXTRA_WEB;
}

void Avertir(const Travail* t, const char* texte, unsigned icone) {
  const Fenetres* f = t->sys->fenetres;
  f->message(f->ctx, f->focus_actuel(f->ctx), texte, TITRE_LORVANIX, BOITE_OK | icone);
}

void Curseur(const Travail* t, Poignee curseur) {
  t->sys->fenetres->curseur(t->sys->fenetres->ctx, curseur);
}

void Redessiner(const Travail* t) {
  t->sys->fenetres->redessiner(t->sys->fenetres->ctx, t->c->fenetre);
}

int ReserveAjouter(const Memoire* memoire, Reserve* r, const void* octets, uint32_t n) {
  if ((uint64_t)r->taille + n > r->capacite) {
    uint64_t capacite = (uint64_t)r->capacite * 2;
    if (capacite < (uint64_t)r->taille + n) capacite = (uint64_t)r->taille + n;
    if (capacite < RESERVE_MINIMUM) capacite = RESERVE_MINIMUM;
    if (capacite > UINT32_MAX) return 0;
    if (!r->bloc) {
      r->bloc = memoire->bloc_allouer(memoire->ctx, (uint32_t)capacite);
      if (!r->bloc) return 0;
    } else {
      memoire->bloc_deverrouiller(memoire->ctx, r->bloc);
      Poignee bloc = memoire->bloc_reallouer(memoire->ctx, r->bloc, (uint32_t)capacite);
      if (!bloc) {
        r->octets = memoire->bloc_verrouiller(memoire->ctx, r->bloc);
        return 0;
      }
      r->bloc = bloc;
    }
    r->octets = memoire->bloc_verrouiller(memoire->ctx, r->bloc);
    r->capacite = (uint32_t)capacite;
  }
  if (n) memcpy(r->octets + r->taille, octets, n);
  r->taille += n;
  return 1;
}

void ReserveLiberer(const Memoire* memoire, Reserve* r) {
  if (r->bloc) {
    memoire->bloc_deverrouiller(memoire->ctx, r->bloc);
    memoire->bloc_liberer(memoire->ctx, r->bloc);
  }
  *r = Reserve{};
}

int Allouer(Travail* t) {
  const Memoire* m = t->sys->memoire;
  for (int i = 0; i < NB_TAMPONS; i++) {
    t->blocs[i] = m->bloc_allouer(m->ctx, TAILLE_TAMPON_CONVERSION);
    if (!t->blocs[i]) return 0;
    t->tampons[i] = (char*)m->bloc_verrouiller(m->ctx, t->blocs[i]);
  }
  return 1;
}

void Liberer(Travail* t) {
  const Memoire* m = t->sys->memoire;
  for (Poignee& bloc : t->blocs) {
    if (!bloc) continue;
    m->bloc_deverrouiller(m->ctx, bloc);
    m->bloc_liberer(m->ctx, bloc);
    bloc = nullptr;
  }
  ReserveLiberer(m, &t->plan);
  ReserveLiberer(m, &t->urls);
}

int Correspond(const Conversion* c, uint8_t* fiche) {
  return Util_Dll_recherche_chaine(fiche, c->tampon_recherche, c->expression, c->RechercheAvecCasse,
                                   c->RechercheNoms, c->RechercheURL, c->RechercheRubriques,
                                   c->RechercheMotsCles, c->RechercheNotes,
                                   c->RechercheAvecExactitude, c->RechercheTotalChamp,
                                   c->RechercheOccurDebutChamp, c->tampon) == 1;
}

// 1 when the card at p is among those chosen by the search or the marks;
// the main window is repainted while the walk looks for them.
int Choisie(const Travail* t, uint8_t* p) {
  switch (t->r->fiches) {
    case FICHES_RECHERCHE: Redessiner(t); return Correspond(t->c, p);
    case FICHES_MARQUEES: Redessiner(t); return LireMot(p) != 0;
    default: return 1;
  }
}

// The card choice selects something: the first card to look at, else
// null after the message.
uint8_t* PremiereChoisie(Travail* t) {
  const Conversion* c = t->c;
  const Magasin& m = c->magasin;
  switch (t->r->fiches) {
    case FICHES_ECRAN: return m.lpFicheEcran;
    case FICHES_TOUTES: return m.lpDebutMem;
    case FICHES_RECHERCHE:
      if (!c->expression[0] || !(c->RechercheNoms || c->RechercheURL || c->RechercheRubriques ||
                                 c->RechercheMotsCles || c->RechercheNotes)) {
        Avertir(t,
                "Il n'y a rien à rechercher.\nLes critères de recherche ne sont pas correctement "
                "définis.",
                ICONE_ATTENTION);
        return nullptr;
      }
      break;
    case FICHES_MARQUEES: break;
  }
  for (uint8_t* p = m.lpDebutMem; p < m.lpFinMem; p = FicheSuivante(p))
    if (Choisie(t, p)) return p;
  Avertir(t,
          t->r->fiches == FICHES_RECHERCHE
              ? "Il n'y a pas de fiche correspondant aux critères de recherche."
              : "Il n'y a pas de fiche marquée",
          ICONE_ATTENTION);
  return nullptr;
}

// The five texts of the card at p, in one walk.
void LireTextes(const uint8_t* p, Texte textes[NB_CHAMPS]) {
  p += 2;
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    uint16_t l = LireMot(p);
    textes[i] = {(const char*)p + 2, l - 1u};
    p += l + 4;
  }
}

// Replace, delete or add on one text, the result in tampon: 1 changed (the
// text now points at tampon), 0 unchanged, -1 too long.
int ConvertirTexte(Travail* t, Texte* texte, char* tampon) {
  if (t->mode == CONVERSION_AJOUTER) {
    if ((uint64_t)texte->longueur + t->ajout.longueur > LONGUEUR_RESULTAT_MAX) return -1;
    memcpy(tampon, texte->octets, texte->longueur);
    memcpy(tampon + texte->longueur, t->ajout.octets, t->ajout.longueur);
    *texte = {tampon, texte->longueur + t->ajout.longueur};
    return 1;
  }
  uint32_t n = 0;
  int32_t occurrences = Remplacer(&t->remplacement, *texte, t->tampons[TAMPON_PLI], tampon, &n);
  if (occurrences < 0) return -1;
  if (occurrences == 0) return 0;
  *texte = {tampon, n};
  return 1;
}

// The URL of an extra-web card: the parts ticked are changed, then the
// URL rebuilt from its two parts; left as it was when neither changed.
int ConvertirExtraWeb(Travail* t, Texte* url) {
  UrlExtraWeb u = UrlExtraWebDecouper(*url);
  int changee = 0;
  if (t->r->application) {
    int x = ConvertirTexte(t, &u.application, t->tampons[TAMPON_APPLICATION]);
    if (x < 0) return -1;
    changee |= x;
  }
  if (t->r->document) {
    int x = ConvertirTexte(t, &u.document, t->tampons[TAMPON_DOCUMENT]);
    if (x < 0) return -1;
    changee |= x;
  }
  if (!changee) return 0;
  uint32_t n;
  if (!UrlExtraWebConstruire(u.application, u.document, t->tampons[TAMPON_URL], &n)) return -1;
  *url = {t->tampons[TAMPON_URL], n};
  return 1;
}

// Replace, add or delete on the fields ticked. Replace and add leave alone
// a card that has a field longer than 65,000 characters.
void ConvertirTextes(Travail* t, const uint8_t* p, Resultat* res) {
  LireTextes(p, res->textes);
  res->changee = res->depassement = 0;
  if (t->mode != CONVERSION_SUPPRIMER)
    for (const Texte& texte : res->textes)
      if (texte.longueur > LONGUEUR_GARDE) {
        res->depassement = 1;
        return;
      }
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    if (!t->r->champs[i]) continue;
    Texte* texte = &res->textes[i];
    int x = i == CHAMP_URL && EstUrlExtraWeb(*texte) ? ConvertirExtraWeb(t, texte)
                                                      : ConvertirTexte(t, texte, t->tampons[i]);
    if (x < 0) {
      res->depassement = 1;
      res->changee = 0;
      return;
    }
    res->changee |= x;
  }
}

// A text with a NUL after it, for the system.
const char* Chemin(char* tampon, Texte texte) {
  memcpy(tampon, texte.octets, texte.longueur);
  tampon[texte.longueur] = 0;
  return tampon;
}

// An extra-web card whose document exists becomes a card pointing at it.
int VersNavigateur(Travail* t, Texte url, Texte* nouvelle) {
  if (!EstUrlExtraWeb(url)) return 0;
  UrlExtraWeb u = UrlExtraWebDecouper(url);
  if (!u.document.longueur) return 0;
  const Fichiers* f = t->sys->fichiers;
  if (!f->fichier_existe(f->ctx, Chemin(t->tampons[TAMPON_DOCUMENT], u.document))) return 0;
  *nouvelle = u.document;
  return 1;
}

// A card whose URL is an existing file becomes an extra-web card for the
// program the system associates with it; the file follows unless it is
// that program.
int VersExtraWeb(Travail* t, Texte url, Texte* nouvelle) {
  if (!url.longueur || EstUrlExtraWeb(url)) return 0;
  const Fichiers* f = t->sys->fichiers;
  const Coquille* coquille = t->sys->coquille;
  const char* fichier = Chemin(t->tampons[TAMPON_DOCUMENT], url);
  if (!f->fichier_existe(f->ctx, fichier)) return 0;
  char trouve[TAILLE_CHEMIN_LONG] = {};
  if (!coquille->executable_associe(coquille->ctx, fichier, trouve) || !trouve[0]) return 0;
  CheminCourtVersLong(f, trouve);
  // Whatever the system puts before the drive letter (a quote) is dropped.
  const char* deux_points = strchr(trouve, ':');
  Texte application = {deux_points && deux_points > trouve ? deux_points - 1 : trouve, 0};
  application.longueur = (uint32_t)strlen(application.octets);
  int lui_meme =
      application.longueur == url.longueur && EgauxSansCasse(application.octets, fichier, url.longueur);
  uint32_t n;
  Texte document = lui_meme ? Texte{fichier, 0} : Texte{fichier, url.longueur};
  if (!UrlExtraWebConstruire(application, document, t->tampons[TAMPON_URL], &n)) return -1;
  // The program alone: no space after it.
  *nouvelle = {t->tampons[TAMPON_URL], lui_meme ? n - 1 : n};
  return 1;
}

// First pass, one card: converted, and noted when it changes. 0 when the
// plan could not grow.
int Noter(Travail* t, uint8_t* p) {
  Conversion* c = t->c;
  const Memoire* memoire = t->sys->memoire;
  uint8_t* suivante = FicheSuivante(p);
  Modification m = {(uint32_t)(p - c->magasin.lpDebutMem), (uint32_t)(suivante - p), 0, 0};
  if (ExtraWeb(t->mode)) {
    Texte textes[NB_CHAMPS], nouvelle;
    LireTextes(p, textes);
    int x = t->mode == CONVERSION_VERS_NAVIGATEUR ? VersNavigateur(t, textes[CHAMP_URL], &nouvelle)
                                                  : VersExtraWeb(t, textes[CHAMP_URL], &nouvelle);
    if (x < 0) c->Depassement = 1;
    if (x <= 0) return 1;
    m.nouvelle = m.ancienne - textes[CHAMP_URL].longueur + nouvelle.longueur;
    m.donnee = t->urls.taille;
    if (!ReserveAjouter(memoire, &t->urls, nouvelle.octets, nouvelle.longueur)) return 0;
  } else {
    Resultat res;
    ConvertirTextes(t, p, &res);
    if (res.depassement) c->Depassement = 1;
    if (!res.changee) return 1;
    uint32_t longueurs[NB_CHAMPS];
    for (uint32_t i = 0; i < NB_CHAMPS; i++) longueurs[i] = res.textes[i].longueur;
    m.nouvelle = FicheTaille(longueurs);
  }
  return ReserveAjouter(memoire, &t->plan, &m, sizeof m);
}

int PremierePasse(Travail* t, uint8_t* premiere) {
  const Magasin& m = t->c->magasin;
  if (t->r->fiches == FICHES_ECRAN) return Noter(t, m.lpFicheEcran);
  for (uint8_t* p = premiere; p < m.lpFinMem;) {
    uint8_t* suivante = FicheSuivante(p);
    if (p == premiere || Choisie(t, p))
      if (!Noter(t, p)) return 0;
    p = suivante;
  }
  return 1;
}

const Modification* Plan(const Travail* t) { return (const Modification*)t->plan.octets; }
uint32_t NbModifications(const Travail* t) { return t->plan.taille / sizeof(Modification); }

// Second pass, one card: converted again from its old place, which is
// still whole, and written at place. Every text goes into a buffer first,
// since the card may be written over its own old bytes.
void Reecrire(void* ctx, const Modification& x, uint8_t* ancienne, uint8_t* place) {
  Travail* t = (Travail*)ctx;
  Conversion* c = t->c;
  const char* debut = (const char*)ancienne;
  const char* fin = debut + x.ancienne;
  Resultat res;
  if (ExtraWeb(t->mode)) {
    LireTextes(ancienne, res.textes);
    uint32_t longueur = x.nouvelle - (x.ancienne - res.textes[CHAMP_URL].longueur);
    res.textes[CHAMP_URL] = {(const char*)t->urls.octets + x.donnee, longueur};
  } else {
    ConvertirTextes(t, ancienne, &res);
  }
  const char* textes[NB_CHAMPS];
  uint32_t longueurs[NB_CHAMPS];
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    Texte texte = res.textes[i];
    if (texte.octets >= debut && texte.octets < fin) {
      memcpy(t->tampons[i], texte.octets, texte.longueur);
      texte.octets = t->tampons[i];
    }
    textes[i] = texte.octets;
    longueurs[i] = texte.longueur;
  }
  FicheEcrire(place, LireMot(ancienne), textes, longueurs);
  if (ancienne != c->magasin.lpFicheEcran) return;
  // The card on screen: its converted fields into their edits.
  const Fenetres* f = t->sys->fenetres;
  for (uint32_t i = 0; i < NB_CHAMPS; i++)
    if (ExtraWeb(t->mode) ? i == CHAMP_URL : t->r->champs[i] != 0)
      f->fenetre_texte_ecrire(f->ctx, c->champs[i], FicheTexte(place, (int)i, nullptr));
}

// Steps 2 to 5 of the command, once the dialog is closed with OK.
uint16_t Convertir(Travail* t) {
  Conversion* c = t->c;
  Curseur(t, c->attente);
  if (!Allouer(t)) {
    Avertir(t, "Allocation de mémoire impossible !", ICONE_ERREUR);
    Curseur(t, c->fleche);
    return 0;
  }
  uint8_t* premiere = PremiereChoisie(t);
  if (!premiere) {
    Curseur(t, c->fleche);
    return 1;
  }
  if (!PremierePasse(t, premiere)) {
    Avertir(t, "Allocation de mémoire impossible !", ICONE_ERREUR);
    Curseur(t, c->fleche);
    return 0;
  }
  if (NbModifications(t)) {
    if (!MagasinAgrandirPour(&c->magasin, t->sys->memoire, Plan(t), NbModifications(t))) {
      // Nothing is written before the store has grown: the cards stay as they were.
      Avertir(t, "Allocation de mémoire impossible !", ICONE_ERREUR);
      Curseur(t, c->fleche);
      return 0;
    }
    MagasinPlacer(&c->magasin, Plan(t), NbModifications(t), Reecrire, t);
    c->FichesModifieesOK = 1;
  }
  Curseur(t, c->fleche);
  return 1;
}

}  // namespace

uint16_t ConversionExecuter(Conversion* c, const SystemeGest* sys) {
  c->FichesModifieesOK = c->Depassement = 0;
  int mode = 0;
  while (mode < NB_MODES_CONVERSION && c->modes[mode] != 1) mode++;
  if (mode == NB_MODES_CONVERSION) return 0;

  Travail t{};
  t.c = c;
  t.sys = sys;
  t.mode = (ModeConversion)mode;
  ReglagesConversion* reglages = &reglagesConversion[ModeleDuMode(t.mode)];
  t.r = reglages;
  DialogueConversion d;
  DialogueConversionPreparer(&d, t.mode, reglages, sys);
  if (!DialogueConversionMontrer(&d, c->fenetre)) return 0;

  if (t.mode == CONVERSION_AJOUTER)
    t.ajout = {reglages->textes[0], (uint32_t)strlen(reglages->textes[0])};
  else if (t.mode == CONVERSION_REMPLACER || t.mode == CONVERSION_SUPPRIMER)
    RemplacementPreparer(&t.remplacement, reglages->textes[0],
                         t.mode == CONVERSION_REMPLACER ? reglages->textes[1] : "",
                         reglages->casse);
  uint16_t resultat = Convertir(&t);
  Liberer(&t);
  return resultat;
}
