// Links of every HTML file of a folder, addresses in every file of a folder.
#include <cstring>

#include "chaines.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "dialogue_import.h"
#include "scans_import.h"
#include "tampon_fichier.h"

namespace {

const uint32_t TAILLE_CHEMIN_FICHIER = LONGUEUR_CHEMIN_IMPORT + 1;

struct SorteDossier {
  const char* titre;
  const char* filtre;
  const char* motif;
  MessageImportId rien;
  DossierRetenu retenu;
  ModeleImport options;
  ComparaisonUrl comparaison;
  int (*lancer)(CommandeImport*, AjoutImport*, TextesScan, const char*);
};

const SorteDossier HTML = {"Importer les liens HTML depuis les fichiers *.*htm* du dossier :",
                           FILTRE_HTML,
                           "*.*htm*",
                           MSG_PAS_DE_FICHIER_HTML,
                           RETENU_DOSSIER_HTML,
                           MODELE_LVXRECUPBOX,
                           COMPARAISON_OCTETS,
                           ScanPageLancer};
const SorteDossier TOUS = {"Importer les adresses internet depuis les fichiers du dossier :",
                           FILTRE_TOUS,
                           "*.*",
                           MSG_PAS_DE_FICHIER,
                           RETENU_DOSSIER_QUELCONQUE,
                           MODELE_LVXRECUPBOXQUELCONQUE,
                           COMPARAISON_SANS_MAILTO,
                           ScanAdressesLancer};

// Ordinary files only: read-only and archive ones are taken.
bool FichierOrdinaire(const EntreeDossier* e) {
  return !(e->attributs & (ATTRIBUT_DOSSIER | ATTRIBUT_CACHE | ATTRIBUT_SYSTEME));
}

// The first ordinary file of the listing, the listing itself left open
// (null when there is none).
Poignee PremierFichier(const Fichiers* fichiers, const char* motif, EntreeDossier* e) {
  Poignee liste = fichiers->liste_premier(fichiers->ctx, motif, e);
  if (!liste) return nullptr;
  while (!FichierOrdinaire(e))
    if (!fichiers->liste_suivant(fichiers->ctx, liste, e)) {
      fichiers->liste_fermer(fichiers->ctx, liste);
      return nullptr;
    }
  return liste;
}

int FichierSuivant(const Fichiers* fichiers, Poignee liste, EntreeDossier* e) {
  while (fichiers->liste_suivant(fichiers->ctx, liste, e))
    if (FichierOrdinaire(e)) return 1;
  return 0;
}

// Each file of the listing, from e on, loaded and scanned; the load
// failures or'ed together. *fini is 0 when a scan stopped the walk.
unsigned ScannerFichiers(CommandeImport* c, const SorteDossier& sorte, const char* dossier,
                         Poignee liste, EntreeDossier* e, AjoutImport* a, const TamponsTexte& t,
                         int* fini) {
  unsigned echecs = 0;
  do {
    char chemin[TAILLE_CHEMIN_FICHIER];
    unsigned echec = MotifDossier(dossier, e->nom, chemin, sizeof chemin)
                         ? CommandeCharger(c, chemin)
                         : CHARGEMENT_NON_OUVERT;
    echecs |= echec;
    if (!echec) *fini = sorte.lancer(c, a, {t.textes[0], t.textes[1]}, chemin);
  } while (*fini && FichierSuivant(c->sys->fichiers, liste, e));
  return echecs;
}

uint16_t Importer(CommandeImport* c, const SorteDossier& sorte) {
  const SystemeImport* sys = c->sys;
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 2, MSG_ALLOCATION, MSG_ALLOCATION)) return 0;
  char premier[TAILLE_DOSSIER], dossier[TAILLE_DOSSIER], motif[TAILLE_CHEMIN_FICHIER];
  PremierDossier(etatImport.dossiers[sorte.retenu], c->chemin, premier);
  if (!ChoisirDossier(sys->dialogues, sys->fenetres, c->fenetre, sorte.titre, sorte.filtre, premier,
                      PANNEAU_DOSSIER, nullptr, dossier)) {
    TamponsLiberer(c, &t);
    return 0;
  }
  CommandeRedessiner(c);
  memcpy(etatImport.dossiers[sorte.retenu], dossier, TAILLE_DOSSIER);

  EntreeDossier e;
  Poignee liste = MotifDossier(dossier, sorte.motif, motif, sizeof motif)
                      ? PremierFichier(sys->fichiers, motif, &e)
                      : nullptr;
  if (!liste) {
    MessageImport(sys->fenetres, c->fenetre, sorte.rien);
    TamponsLiberer(c, &t);
    return 0;
  }
  DialogueImport d{};
  d.modele = sorte.options;
  d.options = &optionsImport;
  if (sorte.options == MODELE_LVXRECUPBOX)
    CopierTexte(d.textes[0], optionsImport.url.TexteAutre, sizeof d.textes[0]);
  int ok = DialogueImportMontrer(sys, c->fenetre, &d);
  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);
  if (!ok) {
    sys->fichiers->liste_fermer(sys->fichiers->ctx, liste);
    TamponsLiberer(c, &t);
    CommandeCurseur(c, c->fleche);
    return 1;
  }

  int nouvelles = sorte.options == MODELE_LVXRECUPBOX
                      ? optionsImport.url.SeulementNouvellesUrl && !optionsImport.url.ParcourirLesUrl
                      : optionsImport.quelconque.SeulementNouvellesUrl;
  AjoutImport a{};
  AjoutCommencer(&a, c, nouvelles, sorte.comparaison);
  int fini = 1;
  unsigned echecs = ScannerFichiers(c, sorte, dossier, liste, &e, &a, t, &fini);
  sys->fichiers->liste_fermer(sys->fichiers->ctx, liste);
  AjoutTerminer(&a);
  TamponsLiberer(c, &t);
  CommandeCurseur(c, c->fleche);
  if (!fini) {
    if (a.arret == AJOUT_LIMITE) MessageImport(sys->fenetres, c->fenetre, MSG_LIMITE_LIENS);
    return 0;
  }
  if (echecs & CHARGEMENT_NON_OUVERT)
    MessageImport(sys->fenetres, c->fenetre, MSG_ERREUR_OUVERTURE_OPERATION);
  if (echecs & CHARGEMENT_SANS_MEMOIRE)
    MessageImport(sys->fenetres, c->fenetre, MSG_ERREUR_ALLOCATION_OPERATION);
  return 1;
}

}  // namespace

uint16_t RecupererLiensRepertoire(CommandeImport* c) { return Importer(c, HTML); }

uint16_t RecupererLiensRepertoireQuelconque(CommandeImport* c) { return Importer(c, TOUS); }
