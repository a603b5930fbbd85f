// The messages of the import library: text, icon and caption.
#pragma once

#include "plateforme.h"

enum MessageImportId {
  MSG_ALLOCATION,
  MSG_ALLOCATION_BIS,  // the same text, captioned with a trailing blank
  MSG_LIMITE_LIENS,
  MSG_LIMITE_FAVORIS,
  MSG_LIMITE_ADRESSES,
  MSG_LIMITE_FICHIERS,
  MSG_LIMITE_NOUVELLE_FICHE,
  MSG_PAS_DE_SELECTION_SCHEMA,
  MSG_RIEN_DANS_FAVORIS,
  MSG_RIEN_DANS_DOSSIER,
  MSG_PAS_DE_FICHIER_HTML,
  MSG_PAS_DE_FICHIER,
  MSG_ERREUR_OUVERTURE_OPERATION,
  MSG_ERREUR_ALLOCATION_OPERATION,
  MSG_OUVERTURE_IMPOSSIBLE,
  MSG_FICHIER_VIDE,
  MSG_URL_IDENTIQUE,
  MSG_PAGE_SANS_TITRE,
  MSG_RIEN_SPECIFIE,
  MSG_DOCUMENT_INTROUVABLE,
  MSG_EXECUTABLE_INTROUVABLE,
  MSG_EXECUTABLE_A_RECHERCHER,
  MSG_APPLICATION_A_RECHERCHER,
  MSG_PAS_D_APPLICATION,
  MSG_EXTRA_WEB_IDENTIQUE,
  NB_MESSAGES_IMPORT,
};

struct TexteMessageImport {
  const char* texte;
  const char* titre;
  unsigned style;  // buttons and icon
};

extern const TexteMessageImport MESSAGES_IMPORT[NB_MESSAGES_IMPORT];

// Shows the message owned by fenetre; returns the button pressed.
int MessageImport(const Fenetres* fenetres, Poignee fenetre, MessageImportId id);
