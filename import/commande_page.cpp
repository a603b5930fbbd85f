// Links of one HTML page, addresses of any one file.
#include <cstring>

#include "chaines.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "dialogue_import.h"
#include "scans_import.h"
#include "tampon_fichier.h"

namespace {

struct SorteFichier {
  const char* titre;
  const char* filtre;
  DossierRetenu retenu;
  ModeleImport options;
  ComparaisonUrl comparaison;
  int (*lancer)(CommandeImport*, AjoutImport*, TextesScan, const char*);
};

const SorteFichier PAGE = {"Importer les liens HTML depuis le fichier :", FILTRE_HTML,
                           RETENU_PAGE, MODELE_LVXRECUPBOX, COMPARAISON_OCTETS, ScanPageLancer};
const SorteFichier QUELCONQUE = {"Importer les adresses internet depuis le fichier :", FILTRE_TOUS,
                                 RETENU_FICHIER_QUELCONQUE, MODELE_LVXRECUPBOXQUELCONQUE,
                                 COMPARAISON_SANS_MAILTO, ScanAdressesLancer};

uint16_t Importer(CommandeImport* c, const SorteFichier& sorte) {
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 2, MSG_ALLOCATION, MSG_ALLOCATION)) return 0;
  char dossier[TAILLE_DOSSIER], chemin[TAILLE_CHEMIN_CHOISI];
  PremierDossier(etatImport.dossiers[sorte.retenu], c->chemin, dossier);
  if (!ChoisirFichier(c->sys->communs, c->sys->fenetres, c->fenetre, sorte.titre, sorte.filtre,
                      dossier, chemin)) {
    TamponsLiberer(c, &t);
    return 0;
  }
  DossierDuChemin(chemin, etatImport.dossiers[sorte.retenu], TAILLE_DOSSIER);

  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);
  unsigned echecs = CommandeCharger(c, chemin);
  CommandeCurseur(c, c->fleche);
  if (echecs) {
    TamponFichierSignaler(c->sys->fenetres, c->fenetre, echecs);
    TamponsLiberer(c, &t);
    return 0;
  }
  DialogueImport d{};
  d.modele = sorte.options;
  d.options = &optionsImport;
  if (sorte.options == MODELE_LVXRECUPBOX)
    CopierTexte(d.textes[0], optionsImport.url.TexteAutre, sizeof d.textes[0]);
  if (!DialogueImportMontrer(c->sys, c->fenetre, &d)) {
    TamponsLiberer(c, &t);
    return 1;
  }

  CommandeCurseur(c, c->attente);
  int nouvelles = sorte.options == MODELE_LVXRECUPBOX
                      ? optionsImport.url.SeulementNouvellesUrl && !optionsImport.url.ParcourirLesUrl
                      : optionsImport.quelconque.SeulementNouvellesUrl;
  AjoutImport a{};
  AjoutCommencer(&a, c, nouvelles, sorte.comparaison);
  int fini = sorte.lancer(c, &a, {t.textes[0], t.textes[1]}, chemin);
  AjoutTerminer(&a);
  CommandeCurseur(c, c->fleche);
  TamponsLiberer(c, &t);
  if (a.arret == AJOUT_LIMITE) MessageImport(c->sys->fenetres, c->fenetre, MSG_LIMITE_LIENS);
  return (uint16_t)fini;
}

}  // namespace

uint16_t RecupererLiensPage(CommandeImport* c) { return Importer(c, PAGE); }

uint16_t RecupererLiensFichierQuelconque(CommandeImport* c) { return Importer(c, QUELCONQUE); }
