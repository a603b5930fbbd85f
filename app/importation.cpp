#include "importation.h"

#include "import/lvxrecup.h"

namespace {

typedef uint16_t(LVX_APPEL* ExportImportation)(LVXRECUP_ARGUMENTS);

// In the order of GenreImportation.
const ExportImportation IMPORTATIONS[] = {
    Util_Dll_Lvxrecup_Recuperer_Liens_Fichier_Quelconque,
    Util_Dll_Lvxrecup_Recuperer_Liens_Page,
    Util_Dll_Lvxrecup_Recuperer_Adresses_Courriel,
    Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire_Quelconque,
    Util_Dll_Lvxrecup_Recuperer_Liens_Repertoire,
    Util_Dll_Lvxrecup_Recuperer_Liens_Favoris,
    Util_Dll_Lvxrecup_Recuperer_Liens_Bookmarks,
    Util_Dll_Lvxrecup_Creer_Fiche_Pointant_Fichier,
    Util_Dll_Lvxrecup_Creer_Fiche_Extra_Web,
    Util_Dll_Lvxrecup_Creer_Fiches_Extras_Web_Sous_Dossier,
};

// The path buffer lent to a command: its own remembered path, which it may
// change, or the open data file's, where its chooser starts.
char* CheminPrete(Programme* p, int genre) {
  switch (genre) {
    case IMPORT_COURRIEL: return p->CheminCourrier;
    case IMPORT_FAVORIS: return p->DossierFavoris;
    case IMPORT_SIGNETS: return p->CheminSignets;
    case IMPORT_FICHES_EXTRA_WEB_DOSSIER: return p->DossierExtraWeb;
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

int CommandeImportation(Programme* p, int genre) {
  ExportImportation commande = IMPORTATIONS[genre];
  Magasin* m = &p->magasin;
  commande(p->TamponTransfert, p->vue.fenetre, m->lpDebutMem, m->lpFinMem, m->lpFicheEcran,
           m->TailleTotaleFiches, m->NumFiche, m->TotalFiches, p->fleche, p->attente, m->longSize,
           m->GlobalDebutMem, CheminPrete(p, genre));
  ReprendreMagasin(p);
  if (!m->lpDebutMem) {
    ProgrammeEchecMemoire(p);
    return 0;
  }
  if (Util_Dll_Lvxrecup_Recuperer_FichesModifieesOK() != 1) return 0;
  p->TravailModifie = 1;
  ProgrammeAfficherFiche(p);
  ProgrammeCompteurs(p);
  return 0;
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
