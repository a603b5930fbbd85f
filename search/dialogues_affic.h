// The field-value list commands: the list dialog with its batches and its
// choice, and the criteria dialog that a chosen category or keyword opens.
// The Win32 dialog procedures and the tests' scripted user both press
// buttons through DialogueListesAppuyer and EnvRechercheAppuyer, so the
// rules are the same in both.
#pragma once
#include <cstdint>

#include "liste_lots.h"
#include "systeme_affic.h"

enum : uint32_t {
  TAILLE_EXPRESSION_ENV = 10000,  // the expression box is read up to 9,999 characters
  TAILLE_TEXTE_COMPARE = 10001,   // the chosen text's copy
  NB_CRITERES = 9,
  TAILLE_NUMERO = 12,  // a number of seven digits as text
};

// What the main program handed over, as Util_Dll_Afficher_Init_Variables
// takes it.
struct ParametresAffic {
  Poignee fenetre;  // main window
  uint8_t* tampon;  // transfer buffer
  uint16_t NomsRecherche, NomsMarquees, UrlRecherche, UrlMarquees;
  char* expression;        // the main program's expression buffer (10,001 bytes)
  char* tampon_recherche;  // card search buffer
  // RechercheNoms, URL, Rubriques, MotsCles, Notes, AvecCasse,
  // AvecExactitude, TotalChamp, OccurDebutChamp.
  uint16_t criteres[NB_CRITERES];
  uint8_t* lpDebutMem;
  uint8_t* lpFinMem;
  uint8_t* lpFicheEcran;
  int32_t NumFiche;
  Poignee attente, fleche;
  uint16_t Cibles, FinsCibles;
};

// What the getters give back: the passed-in values until a choice changes them.
struct ResultatAffic {
  uint16_t AfficherFicheOk;
  uint8_t* lpFicheEcran;
  int32_t NumFiche;
  uint16_t criteres[NB_CRITERES];
};

// The four commands.
enum CommandeAffic { AFFIC_NOMS, AFFIC_URL, AFFIC_RUBRIQUES, AFFIC_MOTS_CLES };

// ENVRECHERCHEBOX.
struct DialogueEnvRecherche {
  uint16_t drapeaux[NB_CRITERES];  // in the order of ParametresAffic::criteres
  // The expression box: the dialog writes it here before every press.
  char expression[TAILLE_EXPRESSION_ENV];
  Poignee edit;  // the expression box, given by the dialog when it opens
  const Fenetres* fenetres;
};

// Its nine boxes, in the order of the flags.
extern const unsigned IDS_ENV_RECHERCHE[NB_CRITERES];

enum SuiteEnv { ENV_RESTE, ENV_OK, ENV_ANNULER };

int EnvRechercheCoche(const DialogueEnvRecherche* d, unsigned id);
// A box toggles (ticking exactness or start of field unticks whole field,
// ticking whole field unticks both); Couper, Copier and Coller act on the
// expression box and leave the focus where it is; OK and Annuler close.
SuiteEnv EnvRechercheAppuyer(DialogueEnvRecherche* d, unsigned id);

// AFFICHERLISTESBOX.
struct DialogueListes {
  ListeValeurs liste;
  const char* titre;
  const char* etiquette;  // after the number of entries
  // Shown after "De la fiche", after "à la fiche", and before the label.
  char de[TAILLE_NUMERO], a[TAILLE_NUMERO], nombre[TAILLE_NUMERO];
  // The entry selected, in the list's order, given by the dialog before
  // every press; -1 when none.
  int32_t selection;
  // Set by a press that filled another batch: the dialog shows the entries
  // again and selects the first.
  int lot_change;
  Poignee fenetre;  // the dialog's window
  const SystemeAffic* sys;
  const ParametresAffic* parametres;
  ResultatAffic* resultat;
};

enum SuiteListes { LISTES_RESTE, LISTES_FERME };

// Lot précédent, Lot suivant, Rechercher (or a double-click on the list),
// Fermer (or the close box).
SuiteListes DialogueListesAppuyer(DialogueListes* d, unsigned id);

// One list command, from the first batch to the dialog's end.
void AfficherListe(const SystemeAffic* sys, const ParametresAffic* p, CommandeAffic commande,
                   ResultatAffic* r);
