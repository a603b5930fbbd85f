// Netscape bookmark file.
#include <cstdio>
#include <cstring>

#include "chaines.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "dialogue_import.h"
#include "options_import.h"
#include "scanner_signets.h"
#include "tampon_fichier.h"

namespace {

int Signet(void* x, const SignetTrouve* s) {
  return AjoutFiche((AjoutImport*)x, s->nom, s->url, s->rubrique, "", "");
}

// "&Modifier": a file in the folder of the path handed in; cancelling the
// chooser cancels the import.
SuiteDialogue Bouton(void* x, DialogueImport* d, unsigned id) {
  CommandeImport* c = (CommandeImport*)x;
  if (id != ID_SIGNETS_MODIFIER) return DIALOGUE_FERME_OK;
  char dossier[TAILLE_DOSSIER], chemin[TAILLE_CHEMIN_CHOISI];
  if (c->chemin[0])
    DossierDuChemin(c->chemin, dossier, TAILLE_DOSSIER);
  else
    snprintf(dossier, sizeof dossier, "%s", etatImport.RepertoireLorvanix ? etatImport.RepertoireLorvanix : "");
  if (!ChoisirFichier(c->sys->communs, c->sys->fenetres, d->fenetre,
                      "Importer les signets Netscape depuis le fichier :", FILTRE_HTML, dossier,
                      chemin))
    return DIALOGUE_FERME_ANNULER;
  snprintf(d->textes[0], LONGUEUR_CHEMIN_IMPORT + 1, "%s", chemin);
  return DIALOGUE_RESTE;
}

}  // namespace

uint16_t RecupererLiensBookmarks(CommandeImport* c) {
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 3, MSG_ALLOCATION, MSG_ALLOCATION)) return 0;
  char chemin[LONGUEUR_CHEMIN_IMPORT + 1];
  if (!FichierNommeCharger(c, MODELE_LVXRECUPBOXBOOKMARKS, Bouton, chemin)) {
    TamponsLiberer(c, &t);
    return 0;
  }
  snprintf(c->chemin, LONGUEUR_CHEMIN_IMPORT + 1, "%s", chemin);
  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);

  AjoutImport a{};
  AjoutCommencer(&a, c, optionsImport.url.SeulementNouvellesUrl, COMPARAISON_OCTETS);
  ScanSignets scan = {&optionsImport.url, t.textes[0], t.textes[1], t.textes[2],
                      (char*)c->transfert, &a, AjoutRepeindre, AjoutDoublon, Signet};
  const char* debut = (const char*)hugeTampon.octets;
  int fini = SignetsParcourir(&scan, debut, debut + hugeTampon.longueur);
  AjoutTerminer(&a);
  TamponsLiberer(c, &t);
  CommandeCurseur(c, c->fleche);
  if (a.arret == AJOUT_LIMITE) MessageImport(c->sys->fenetres, c->fenetre, MSG_LIMITE_LIENS);
  return (uint16_t)fini;
}
