#include "lvxspec.h"

#include "decouper.h"
#include "exporter_fiches.h"

namespace {

// The nine targets and their folders, for the life of the process.
CiblesSpec cibles;
uint16_t ChargerFichierOk;

// Gathered anew for every call: a test process installs a new system for
// each case.
const SystemeSpec* Systeme() {
  static SystemeSpec systeme;
  systeme = {
      .fichiers = FichiersSysteme(),
      .fenetres = FenetresSysteme(),
      .communs = DialoguesCommunsSysteme(),
      .dialogues = DialoguesSpecSysteme(),
  };
  return &systeme;
}

}  // namespace

LVX_API uint16_t LVX_APPEL Util_Dll_manipulation_speciale(
    Poignee hWnd, uint8_t* lpDebutMem, uint8_t* lpFinMem, char* magie, uint8_t* lpFicheEcran,
    char* NomFichier, char* expression, char* tampon_recherche, uint16_t RechercheAvecCasse,
    uint16_t RechercheNoms, uint16_t RechercheURL, uint16_t RechercheRubriques,
    uint16_t RechercheMotsCles, uint16_t RechercheNotes, uint16_t RechercheAvecExactitude,
    uint16_t RechercheTotalChamp, uint16_t RechercheOccurDebutChamp, uint32_t TotalFiches,
    uint32_t TailleTotaleFiches, uint8_t* tampon, char* /*NomFichierPrecedent*/, Poignee fleche,
    Poignee attente, char* DossierProgramme) {
  ChargerFichierOk = 0;
  ExportSpec e{};
  e.sys = Systeme();
  e.cibles = &cibles;
  e.fenetre = hWnd;
  e.debut = lpDebutMem;
  e.fin = lpFinMem;
  e.ecran = lpFicheEcran;
  e.magie = magie;
  e.NomFichier = NomFichier;
  e.criteres = CriteresExport{tampon_recherche,  expression,          RechercheAvecCasse,
                              RechercheNoms,     RechercheURL,        RechercheRubriques,
                              RechercheMotsCles, RechercheNotes,      RechercheAvecExactitude,
                              RechercheTotalChamp, RechercheOccurDebutChamp, tampon};
  e.TotalFiches = TotalFiches;
  e.TailleTotaleFiches = TailleTotaleFiches;
  e.fleche = fleche;
  e.attente = attente;
  e.dossier_programme = DossierProgramme;
  ExporterFiches(&e);
  ChargerFichierOk = e.ChargerFichierOk;
  return 0;
}

LVX_API uint16_t LVX_APPEL Lvxspec_Recuperer_ChargerFichierOk() { return ChargerFichierOk; }

LVX_API uint16_t LVX_APPEL Util_Dll_Decouper_Fichier(Poignee hWnd, char* magie, uint8_t* tampon,
                                                     Poignee fleche, Poignee attente,
                                                     char* NomFichier, char* DossierProgramme) {
  DecoupeSpec d{};
  d.sys = Systeme();
  d.cibles = &cibles;
  d.fenetre = hWnd;
  d.magie = magie;
  d.tampon = tampon;
  d.fleche = fleche;
  d.attente = attente;
  d.NomFichier = NomFichier;
  d.dossier_programme = DossierProgramme;
  return DecouperFichier(&d);
}
