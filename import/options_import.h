// The four option sets of the imports, with their dialogs' control ids. The
// library keeps one copy for the life of the process, never on disk; each
// options dialog copies its set when it opens and puts the copy back on
// Annuler, so only OK keeps changes.
#pragma once
#include <cstdint>

enum : uint32_t { LONGUEUR_TEXTE_AUTRE_MAX = 999 };

// LVXRECUPBOX (links of a page or of the HTML files of a folder).
enum : unsigned {
  ID_URL_OK = 388,
  ID_URL_ANNULER = 389,
  ID_URL_PARCOURIR = 390,
  ID_URL_CREER_FICHE = 391,
  ID_URL_NOUVELLES = 392,
  ID_URL_COMMENTAIRE = 393,
  ID_URL_NOM_VIDE = 394,
  ID_URL_TOUS = 396,
  ID_URL_HTTP = 397,
  ID_URL_FTP = 398,
  ID_URL_NEWS = 399,
  ID_URL_MAILTO = 400,
  ID_URL_AUTRE = 401,
  ID_URL_TEXTE_AUTRE = 403,  // edit box
};

// LVXRECUPBOXQUELCONQUE (addresses in any file or in every file of a folder).
enum : unsigned {
  ID_QUELCONQUE_NOUVELLES = 512,
  ID_QUELCONQUE_COMMENTAIRE = 513,
  ID_QUELCONQUE_URL_DANS_NOM = 514,
  ID_QUELCONQUE_HTTP = 515,
  ID_QUELCONQUE_FTP = 516,
  ID_QUELCONQUE_NEWS = 517,
  ID_QUELCONQUE_MAIL = 518,
  ID_QUELCONQUE_OK = 510,
  ID_QUELCONQUE_ANNULER = 511,
};

// LVXRECUPADRESSESBOX (e-mail addresses of a mail file).
enum : unsigned {
  ID_COURRIEL_OK = 503,
  ID_COURRIEL_ANNULER = 504,
  ID_COURRIEL_NOUVELLES = 505,
  ID_COURRIEL_COMMENTAIRE = 506,
  ID_COURRIEL_NOM_VIDE = 507,
  ID_COURRIEL_EMETTEURS = 508,
  ID_COURRIEL_DESTINATAIRES = 509,
};

// Panel 359 of the extra-web folder chooser.
enum : unsigned {
  ID_PANNEAU_EXTRA_WEB = 359,
  ID_EXTRA_WEB_SOUS_DOSSIERS = 488,
  ID_EXTRA_WEB_NOUVEAUX = 527,
  ID_EXTRA_WEB_OK = 528,
  ID_EXTRA_WEB_ANNULER = 529,
};

// Every flag is 1 when its box is checked; the comments give the labels.
struct OptionsUrl {
  uint16_t ParcourirLesUrl;              // "Parcourir les URL"
  uint16_t CreerUneFicheParUrl;          // "Créer une fiche par URL"
  uint16_t SeulementNouvellesUrl;        // "Seulement pour de nouvelles URL"
  uint16_t AjouterCommentaireProvenance; // "Ajouter un commentaire de provenance"
  uint16_t RemplacerNomVideParUrl;       // "Remplacer un nom de site vide par l'URL"
  uint16_t Tous;                         // "Tous"
  uint16_t Http;                         // "http:"
  uint16_t Ftp;                          // "ftp:"
  uint16_t News;                         // "news:"
  uint16_t Mailto;                       // "mailto:"
  uint16_t Autre;                        // "Autre:"
  char TexteAutre[LONGUEUR_TEXTE_AUTRE_MAX + 1];  // the "Autre:" text
};

struct OptionsQuelconque {
  uint16_t SeulementNouvellesUrl;   // "Seulement de nouvelles URL"
  uint16_t CommentaireProvenance;   // "En ajoutant un commentaire de provenance"
  uint16_t CopierUrlDansNom;        // "En copiant aussi l'URL dans le champ Nom"
  uint16_t Http;                    // "http"
  uint16_t Ftp;                     // "ftp"
  uint16_t News;                    // "news"
  uint16_t Mail;                    // "mail"
};

struct OptionsCourriel {
  uint16_t UniquementNouvellesAdresses;  // "Importer uniquement de nouvelles adresses"
  uint16_t AjouterCommentaireProvenance; // "Ajouter un commentaire de provenance"
  uint16_t RemplacerNomVideParAdresse;   // "Remplacer un nom vide par l'adresse email"
  uint16_t AdressesEmetteurs;            // "Importer les adresses email d'émetteurs"
  uint16_t AdressesDestinataires;        // "Importer les adresses email de destinataires"
};

struct OptionsExtraWebDossier {
  uint16_t InclureSousDossiers;        // "Inclure les sous-dossiers"
  uint16_t UniquementNouveauxFichiers; // "Uniquement les nouveaux fichiers"
};

struct OptionsImport {
  OptionsUrl url;
  OptionsQuelconque quelconque;
  OptionsCourriel courriel;
  OptionsExtraWebDossier extra_web;
};

// The values at library load.
extern const OptionsImport OPTIONS_IMPORT_DEFAUT;

// The library's options, for the life of the process.
extern OptionsImport optionsImport;

// The flag behind a check box id of the four sets; null for any other id.
uint16_t* OptionsCase(OptionsImport* o, unsigned id);

// What an options dialog keeps when it opens, to put back on Annuler.
struct CopieOptions {
  OptionsImport avant;
};
CopieOptions OptionsCopier(const OptionsImport* o);
void OptionsRestaurer(OptionsImport* o, const CopieOptions* copie);
