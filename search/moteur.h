// The one matching rule of the system: the criteria, the prepared
// expression, the field copy and the field match that both the card test
// and the on-screen search run.
#pragma once
#include <cstdint>

#include "fiche.h"
#include "fichier_donnees.h"
#include "motif.h"
#include "plateforme.h"

enum : uint32_t {
  TAILLE_TAMPON_RECHERCHE = 10001,  // each search buffer lent by the main program
};

// The search flags as the caller hands them over.
struct Criteres {
  uint16_t casse;              // 1: upper and lower case differ
  uint16_t champs[NB_CHAMPS];  // fields searched, in field order
  uint16_t exactitude;         // the occurrence must stand alone
  uint16_t total_champ;        // the whole field must equal the expression
  uint16_t debut_champ;        // the expression must begin the field
};

// One search: the criteria and the expression prepared in a search buffer.
struct Moteur {
  const Caracteres* caracteres;
  Criteres criteres;
  Motif motif;
};

// Where a search goes on after a candidate that does not stand alone.
enum Reprise {
  REPRISE_FICHE,  // the card test: after the candidate's first character
  REPRISE_ECRAN,  // on screen: one character beyond the end of the candidate
};

// Copies expression into tampon_recherche (10,001 bytes: at most 10,000
// bytes and a NUL), in capitals when case does not count, and prepares m.
void MoteurPreparer(Moteur* m, const Caracteres* caracteres, const Criteres* c,
                    const char* expression, char* tampon_recherche);
// Copies the text of the field at champ (its length word first) up to its
// NUL into tampon (the 65,534-byte transfer buffer), in capitals when case
// does not count. A text that does not fit is cut to 65,533 bytes and the
// NUL. Returns the bytes copied.
uint32_t MoteurCopierChamp(const Moteur* m, const uint8_t* champ, char* tampon);
// The field match on texte (longueur bytes, then a NUL) from byte s on:
// 1 with the occurrence's first byte in *occurrence. *arret receives the
// position where the search stopped, match or not.
int MoteurChamp(const Moteur* m, const char* texte, uint32_t longueur, uint32_t s, Reprise reprise,
                uint32_t* occurrence, uint32_t* arret);
// The card test: 1 at the first selected field of the card that matches.
// tampon (the transfer buffer) is left holding the last field searched.
uint16_t MoteurFiche(const Moteur* m, const uint8_t* fiche, char* tampon);
