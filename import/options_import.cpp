#include "options_import.h"

#include <cstddef>

const OptionsImport OPTIONS_IMPORT_DEFAUT = {
    {0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, ""},
    {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1},
    {1, 1},
};

OptionsImport optionsImport = OPTIONS_IMPORT_DEFAUT;

uint16_t* OptionsCase(OptionsImport* o, unsigned id) {
  static const struct {
    unsigned id;
    size_t decalage;
  } cases[] = {
      {ID_URL_PARCOURIR, offsetof(OptionsImport, url.ParcourirLesUrl)},
      {ID_URL_CREER_FICHE, offsetof(OptionsImport, url.CreerUneFicheParUrl)},
      {ID_URL_NOUVELLES, offsetof(OptionsImport, url.SeulementNouvellesUrl)},
      {ID_URL_COMMENTAIRE, offsetof(OptionsImport, url.AjouterCommentaireProvenance)},
      {ID_URL_NOM_VIDE, offsetof(OptionsImport, url.RemplacerNomVideParUrl)},
      {ID_URL_TOUS, offsetof(OptionsImport, url.Tous)},
      {ID_URL_HTTP, offsetof(OptionsImport, url.Http)},
      {ID_URL_FTP, offsetof(OptionsImport, url.Ftp)},
      {ID_URL_NEWS, offsetof(OptionsImport, url.News)},
      {ID_URL_MAILTO, offsetof(OptionsImport, url.Mailto)},
      {ID_URL_AUTRE, offsetof(OptionsImport, url.Autre)},
      {ID_QUELCONQUE_NOUVELLES, offsetof(OptionsImport, quelconque.SeulementNouvellesUrl)},
      {ID_QUELCONQUE_COMMENTAIRE, offsetof(OptionsImport, quelconque.CommentaireProvenance)},
      {ID_QUELCONQUE_URL_DANS_NOM, offsetof(OptionsImport, quelconque.CopierUrlDansNom)},
      {ID_QUELCONQUE_HTTP, offsetof(OptionsImport, quelconque.Http)},
      {ID_QUELCONQUE_FTP, offsetof(OptionsImport, quelconque.Ftp)},
      {ID_QUELCONQUE_NEWS, offsetof(OptionsImport, quelconque.News)},
      {ID_QUELCONQUE_MAIL, offsetof(OptionsImport, quelconque.Mail)},
      {ID_COURRIEL_NOUVELLES, offsetof(OptionsImport, courriel.UniquementNouvellesAdresses)},
      {ID_COURRIEL_COMMENTAIRE, offsetof(OptionsImport, courriel.AjouterCommentaireProvenance)},
      {ID_COURRIEL_NOM_VIDE, offsetof(OptionsImport, courriel.RemplacerNomVideParAdresse)},
      {ID_COURRIEL_EMETTEURS, offsetof(OptionsImport, courriel.AdressesEmetteurs)},
      {ID_COURRIEL_DESTINATAIRES, offsetof(OptionsImport, courriel.AdressesDestinataires)},
      {ID_EXTRA_WEB_SOUS_DOSSIERS, offsetof(OptionsImport, extra_web.InclureSousDossiers)},
      {ID_EXTRA_WEB_NOUVEAUX, offsetof(OptionsImport, extra_web.UniquementNouveauxFichiers)},
  };
  for (const auto& c : cases)
    if (c.id == id) return (uint16_t*)((char*)o + c.decalage);
  return nullptr;
}

CopieOptions OptionsCopier(const OptionsImport* o) { return {*o}; }

void OptionsRestaurer(OptionsImport* o, const CopieOptions* copie) { *o = copie->avant; }
