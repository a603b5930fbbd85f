#include "importation.h"

#include "commandes.h"
#include "import/lvxrecup.h"

namespace {

typedef uint16_t(LVX_APPEL* ExportImportation)(LVXRECUP_ARGUMENTS);

struct Importation {
  unsigned id;
  ExportImportation commande;
};

const Importation IMPORTATIONS[] = {
    {CMD_IMPORTER_FICHIER_QUELCONQUE, Util_Dll_Lvxrecup_Recuperer_Liens_Fichier_Quelconque},
    {CMD_IMPORTER_PAGE, Util_Dll_Lvxrecup_Recuperer_Liens_Page},
    {CMD_IMPORTER_COURRIEL, Util_Dll_Lvxrecup_Recuperer_Adresses_Courriel},
    {CMD_IMPORTER_DOSSIER_QUELCONQUE, Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire_Quelconque},
    {CMD_IMPORTER_DOSSIER_HTML, Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire},
    {CMD_IMPORTER_FAVORIS, Util_Dll_Lvxrecup_Recuperer_Liens_Favoris},
    {CMD_IMPORTER_SIGNETS, Util_Dll_Lvxrecup_Recuperer_Liens_Bookmarks},
    {CMD_CREER_FICHE_FICHIER, Util_Dll_Lvxrecup_Creer_Fiche_Pointant_Fichier},
    {CMD_CREER_FICHE_EXTRA_WEB, Util_Dll_Lvxrecup_Creer_Fiche_Extra_Web},
    {CMD_FICHES_EXTRA_WEB_DOSSIER, Util_Dll_Lvxrecup_Creer_Fiches_Extras_Web_Sous_Dossier},
};

// The path buffer lent to a command: its own remembered path, which it may
// change, or the open data file's, where its chooser starts.
char* CheminPrete(Programme* p, unsigned id) {
  switch (id) {
    case CMD_IMPORTER_COURRIEL: return p->CheminCourrier;
    case CMD_IMPORTER_FAVORIS: return p->DossierFavoris;
    case CMD_IMPORTER_SIGNETS: return p->CheminSignets;
    case CMD_FICHES_EXTRA_WEB_DOSSIER: return p->DossierExtraWeb;
  }
  return p->NomFichier;
}

// Every store variable comes back before anything touches the store: the
// block may have moved, or be gone.
void ReprendreMagasin(Programme* p) {
  Magasin* m = &p->magasin;
  m->TailleTotaleFiches = Util_Dll_Lvxrecup_Recuperer_TailleTotaleFiches();
  m->NumFiche = Util_Dll_Lvxrecup_Recuperer_NumFiche();
  m->TotalFiches = Util_Dll_Lvxrecup_Recuperer_TotalFiches();
  m->lpDebutMem = Util_Dll_Lvxrecup_Recuperer_lpDebutMem();
  m->lpFinMem = Util_Dll_Lvxrecup_Recuperer_lpFinMem();
  m->lpFicheEcran = Util_Dll_Lvxrecup_Recuperer_lpFicheEcran();
  m->longSize = Util_Dll_Lvxrecup_Recuperer_longSize();
  m->GlobalDebutMem = Util_Dll_Lvxrecup_Recuperer_GlobalDebutMem();
}

// The library changed the edits, not the store: the card on screen must be
// rewritten at the next write back.
void EditsChanges(Programme* p) {
  if (Util_Dll_Lvxrecup_Recuperer_FichesModifieesOK() != 1) return;
  p->TravailModifie = 1;
  p->FicheModifiee = 1;
}

}  // namespace

void CommandeImportation(Programme* p, unsigned id) {
  ExportImportation commande = nullptr;
  for (const Importation& i : IMPORTATIONS)
    if (i.id == id) commande = i.commande;
  if (!commande) return;
  Magasin* m = &p->magasin;
  commande(p->TamponTransfert, p->vue.fenetre, m->lpDebutMem, m->lpFinMem, m->lpFicheEcran,
           m->TailleTotaleFiches, m->NumFiche, m->TotalFiches, p->fleche, p->attente, m->longSize,
           m->GlobalDebutMem, CheminPrete(p, id));
  ReprendreMagasin(p);
  if (!m->lpDebutMem) {
    ProgrammeEchecMemoire(p);
    return;
  }
  if (Util_Dll_Lvxrecup_Recuperer_FichesModifieesOK() != 1) return;
  p->TravailModifie = 1;
  ProgrammeAfficherFiche(p);
  ProgrammeCompteurs(p);
}

void CommandeModifierUrlFichier(Programme* p) {
  const Magasin& m = p->magasin;
  Util_Dll_Lvxrecup_Remplacer_URL_Fichier(p->vue.fenetre, p->TamponTransfert,
                                          p->vue.champs[CHAMP_NOM], p->vue.champs[CHAMP_URL],
                                          m.lpDebutMem, m.lpFinMem, p->NomFichier);
  EditsChanges(p);
}

void CommandeModifierUrlExtraWeb(Programme* p) {
  const Magasin& m = p->magasin;
  Util_Dll_Lvxrecup_Remplacer_URL_Extra_Web(p->TamponTransfert, p->vue.fenetre,
                                            p->vue.champs[CHAMP_URL], m.lpDebutMem, m.lpFinMem,
                                            m.lpFicheEcran, p->NomFichier);
  EditsChanges(p);
}
