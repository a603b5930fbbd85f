#include "exportation.h"

#include <string>

#include "chaines.h"
#include "export/lvxliens.h"
#include "export/lvxspec.h"
#include "fiches.h"

namespace {

// A new card after the one on screen holding these texts, written into the store.
void NouvelleFicheVers(Programme* p, const char* nom, const char* url) {
  const Fenetres* f = p->sys->fenetres;
  ProgrammeCurseur(p, p->attente);
  int32_t avant = p->magasin.TotalFiches;
  CommandeNouvelleFiche(p);
  // No room for the card: the memory-failure reset has run.
  if (p->Termine || p->magasin.TotalFiches != avant + 1) return;
  if (nom) f->fenetre_texte_ecrire(f->ctx, p->vue.champs[CHAMP_NOM], nom);
  f->fenetre_texte_ecrire(f->ctx, p->vue.champs[CHAMP_URL], url);
  p->FicheModifiee = 1;
  ProgrammeReecrire(p);
  ProgrammeCurseur(p, p->fleche);
}

int Demander(Programme* p, const char* question) {
  return ProgrammeMessage(p, p->vue.fenetre, question, BOITE_OUI_NON | ICONE_QUESTION) ==
         REPONSE_OUI;
}

void OffrirFicheTexte(Programme* p) {
  if (!Demander(p, "Souhaitez vous créer une fiche <EXTRAWEB>pointant vers ce fichier ?")) return;
  const Coquille* c = p->sys->coquille;
  char application[260] = "";
  if (c->executable_associe(c->ctx, p->CheminTexte, application)) {
    if (!ProgrammePlaceFiche(p)) return;
    std::string url = std::string("<EXTRAWEB>") + application + " " + p->CheminTexte;
    NouvelleFicheVers(p, nullptr, url.c_str());
    return;
  }
  ProgrammeMessage(p, p->sys->fenetres->focus_actuel(p->sys->fenetres->ctx),
                   "Impossible de trouver une application pour charger ce fichier !",
                   BOITE_OK | ICONE_ATTENTION);
  if (ProgrammePlaceFiche(p)) NouvelleFicheVers(p, nullptr, p->CheminTexte);
}

}  // namespace

int CommandeExportation(Programme* p, int genre) {
  const Magasin& m = p->magasin;
  const CriteresRecherche& c = p->criteres;
  // The three take the same arguments up to the search criteria; the store
  // is only read, nothing comes back but the file written.
  auto exporter = [&](auto commande, auto... suite) {
    return commande(p->vue.fenetre, p->TamponTransfert, m.lpDebutMem, m.lpFinMem, m.lpFicheEcran,
                    p->TamponRecherche, p->ExpressionRecherche, c.RechercheAvecCasse,
                    c.RechercheNoms, c.RechercheURL, c.RechercheRubriques, c.RechercheMotsCles,
                    c.RechercheNotes, c.RechercheAvecExactitude, c.RechercheTotalChamp,
                    c.RechercheOccurDebutChamp, suite...);
  };
  if (genre == EXPORT_TEXTE) {
    if (exporter(Util_Dll_Creer_Fichier_Texte, p->fleche, p->attente, p->CheminTexte) == 1)
      OffrirFicheTexte(p);
    return 0;
  }
  int page = genre == EXPORT_PAGE_LIENS;
  char* chemin = page ? p->CheminPageLiens : p->CheminListeEmail;
  char* titre = page ? p->TitrePageLiens : p->TitreListeEmail;
  uint16_t ecrit = page ? exporter(Util_Dll_Creer_Fichier_Liens, chemin, titre, p->fleche, p->attente)
                        : exporter(Util_Dll_Creer_Mailing_Liste, chemin, titre, p->fleche, p->attente);
  if (ecrit != 1) return 0;
  if (!Demander(p, page ? "Souhaitez vous créer une fiche pointant vers cette page de liens ?"
                        : "Souhaitez vous créer une fiche pointant vers cette mailing liste ?"))
    return 0;
  if (ProgrammePlaceFiche(p)) NouvelleFicheVers(p, titre, chemin);
  return 0;
}

int CommandeExporterFiches(Programme* p, int) {
  if (!ProgrammeInviteSauvegarde(p)) return 0;
  const Magasin& m = p->magasin;
  const CriteresRecherche& c = p->criteres;
  // The library writes the target into the current name when it is to be
  // opened: the name in use comes back if that load fails.
  CopierTexte(p->NomFichierPrecedent, p->NomFichier, sizeof p->NomFichierPrecedent);
  Util_Dll_manipulation_speciale(
      p->vue.fenetre, m.lpDebutMem, m.lpFinMem, (char*)MAGIE_FICHIER, m.lpFicheEcran,
      p->NomFichier, p->ExpressionRecherche, p->TamponRecherche, c.RechercheAvecCasse,
      c.RechercheNoms, c.RechercheURL, c.RechercheRubriques, c.RechercheMotsCles,
      c.RechercheNotes, c.RechercheAvecExactitude, c.RechercheTotalChamp,
      c.RechercheOccurDebutChamp, (uint32_t)m.TotalFiches, m.TailleTotaleFiches,
      p->TamponTransfert, p->NomFichierPrecedent, p->fleche, p->attente, p->DossierProgramme);
  if (Lvxspec_Recuperer_ChargerFichierOk() == 1) ProgrammeCharger(p, p->NomFichier);
  if (p->NomFichier[0]) ProgrammeTitre(p, p->NomFichier);
  return 0;
}

int CommandeDecouper(Programme* p, int) {
  Util_Dll_Decouper_Fichier(p->vue.fenetre, (char*)MAGIE_FICHIER, p->TamponTransfert, p->fleche,
                            p->attente, p->NomFichier, p->DossierProgramme);
  return 0;
}
