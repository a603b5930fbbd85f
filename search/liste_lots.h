// The entries of a field-value list, filled one batch at a time: as many
// cards as the list can take, forward from the card after the batch or
// backward from the card before it. Categories and keywords are listed
// once each per batch. The entries are kept in the user's order.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "plateforme.h"
#include "valeurs_liste.h"

enum : uint32_t {
  // The list control's room: its scroll range shows no more entries.
  CAPACITE_LISTE = 32767,
};

enum RestrictionListe { LISTE_TOUTES, LISTE_RECHERCHE, LISTE_MARQUEES };

// The search criteria as Util_Dll_recherche_chaine takes them.
struct CriteresListe {
  char* tampon_recherche;  // card search buffer
  char* expression;
  uint16_t RechercheAvecCasse, RechercheNoms, RechercheURL, RechercheRubriques,
      RechercheMotsCles, RechercheNotes, RechercheAvecExactitude, RechercheTotalChamp,
      RechercheOccurDebutChamp;
  uint8_t* tampon;  // transfer buffer, for each field's copy
};

// The entries' texts, each with its NUL, side by side; a value is found by
// its offset, so that the texts may grow without stale views.
struct TextesListe {
  std::string octets;
  std::vector<size_t> debuts;  // in the order they were added
};

struct HacheTexte {
  const TextesListe* textes;
  size_t operator()(size_t debut) const;
};
struct EgalTexte {
  const TextesListe* textes;
  bool operator()(size_t a, size_t b) const;
};

struct ListeValeurs {
  GenreListe genre;
  RestrictionListe restriction;
  CriteresListe criteres;
  uint8_t* lpDebutMem;
  uint8_t* lpFinMem;
  // The batch: its first card and the card after it, with their numbers.
  uint8_t* debut;
  int32_t numero_debut;
  uint8_t* apres;
  int32_t numero_apres;
  uint32_t capacite;  // entries the list can take
  TextesListe textes;
  std::vector<uint32_t> ordre;  // the entries, as indexes into debuts, in the list's order
  // Categories and keywords already listed in this batch.
  std::unordered_set<size_t, HacheTexte, EgalTexte> distinctes;
  const Caracteres* caracteres;  // the user's order of texts
  const Fenetres* fenetres;      // cursors and the main window's repaint
  Poignee fenetre;               // main window, repainted as the cards go by
  Poignee attente, fleche;
};

// A list of genre over the store, empty: the first batch is still to fill.
void ListePreparer(ListeValeurs* l, GenreListe genre, RestrictionListe restriction,
                   const CriteresListe& criteres, uint8_t* lpDebutMem, uint8_t* lpFinMem,
                   const Caracteres* caracteres, const Fenetres* fenetres, Poignee fenetre,
                   Poignee attente, Poignee fleche);
// The batch from the first card.
void ListePremierLot(ListeValeurs* l);
// The batch after the current one; 0 (nothing changed) on the last batch.
int ListeLotSuivant(ListeValeurs* l);
// The batch before the current one; 0 (nothing changed) on the first batch.
int ListeLotPrecedent(ListeValeurs* l);

uint32_t ListeNombre(const ListeValeurs* l);
// Entry i in the list's order.
const char* ListeEntree(const ListeValeurs* l, uint32_t i);

// 1 when the card is listed at all (criteria or mark, as restricted).
int ListeRetient(const ListeValeurs* l, uint8_t* fiche);

// For the site-name and URL lists: the card behind entry i. Among the
// entries equal to it, entry i is the k-th; its card is the k-th card of
// the batch, in store order, whose value is that text. 0 when there is
// none (the store has changed).
int ListeFicheChoisie(const ListeValeurs* l, uint32_t i, uint8_t** fiche, int32_t* numero);
