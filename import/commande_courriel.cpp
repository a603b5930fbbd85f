// Mail addresses of a mail file.
#include <cstdio>
#include <cstring>

#include "chaines.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "dialogue_import.h"
#include "options_import.h"
#include "scanner_courriel.h"
#include "tampon_fichier.h"

namespace {

int Adresse(void* x, const AdresseTrouvee* a) {
  return AjoutFiche((AjoutImport*)x, a->nom, a->url, "", "", etatImport.provenance.texte);
}

// "&Modifier": a file from the remembered mail folder, else from the folder
// of the path handed in; a cancelled chooser changes nothing.
SuiteDialogue Bouton(void* x, DialogueImport* d, unsigned id) {
  CommandeImport* c = (CommandeImport*)x;
  if (id != ID_EMAILS_MODIFIER) return DIALOGUE_FERME_OK;
  char* retenu = etatImport.dossiers[RETENU_COURRIEL];
  char dossier[TAILLE_DOSSIER], chemin[TAILLE_CHEMIN_CHOISI];
  if (retenu[0])
    snprintf(dossier, sizeof dossier, "%s", retenu);
  else
    DossierDuChemin(c->chemin, dossier, TAILLE_DOSSIER);
  if (ChoisirFichier(c->sys->communs, c->sys->fenetres, d->fenetre,
                     "Importer les adresses email depuis le fichier de courrier :", FILTRE_TOUS,
                     dossier, chemin)) {
    snprintf(d->textes[0], LONGUEUR_CHEMIN_IMPORT + 1, "%s", chemin);
    DossierDuChemin(chemin, retenu, TAILLE_DOSSIER);
  }
  return DIALOGUE_RESTE;
}

}  // namespace

uint16_t RecupererAdressesCourriel(CommandeImport* c) {
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 2, MSG_ALLOCATION_BIS, MSG_ALLOCATION)) return 0;
  char chemin[LONGUEUR_CHEMIN_IMPORT + 1];
  if (!FichierNommeCharger(c, MODELE_LVXRECUPBOXEMAILS, Bouton, chemin)) {
    TamponsLiberer(c, &t);
    return 0;
  }
  DialogueImport options{};
  options.modele = MODELE_LVXRECUPADRESSESBOX;
  options.options = &optionsImport;
  if (!DialogueImportMontrer(c->sys, c->fenetre, &options)) {
    TamponsLiberer(c, &t);
    return 1;
  }

  CommandeCurseur(c, c->attente);
  const OptionsCourriel* o = &optionsImport.courriel;
  ProvenanceConstruire(&etatImport.provenance, chemin, o->AjouterCommentaireProvenance);
  AjoutImport a{};
  AjoutCommencer(&a, c, o->UniquementNouvellesAdresses, COMPARAISON_SANS_MAILTO);
  ScanCourriel scan = {o, t.textes[0], t.textes[1], &a, AjoutRepeindre, AjoutDoublon, Adresse};
  const char* debut = (const char*)hugeTampon.octets;
  int fini = CourrielParcourir(&scan, debut, debut + hugeTampon.longueur);
  AjoutTerminer(&a);
  if (fini) snprintf(c->chemin, LONGUEUR_CHEMIN_IMPORT + 1, "%s", chemin);
  TamponsLiberer(c, &t);
  CommandeCurseur(c, c->fleche);
  if (a.arret == AJOUT_LIMITE) MessageImport(c->sys->fenetres, c->fenetre, MSG_LIMITE_ADRESSES);
  return (uint16_t)fini;
}
