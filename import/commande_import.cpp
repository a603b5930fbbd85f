#include "commande_import.h"

#include <cstdio>
#include <cstring>

#include "options_import.h"

#include "tampon_fichier.h"

EtatImport etatImport;

int TamponsAllouer(CommandeImport* c, TamponsTexte* t, int n, MessageImportId msg,
                   MessageImportId msg_suite) {
  const SystemeImport* sys = c->sys;
  *t = TamponsTexte{};
  for (int i = 0; i < n; i++) {
    Poignee bloc = sys->memoire->bloc_allouer(sys->memoire->ctx, TAILLE_TEXTE_IMPORT);
    if (!bloc) {
      TamponsLiberer(c, t);
      MessageImport(sys->fenetres, c->fenetre, i == 0 ? msg : msg_suite);
      return 0;
    }
    t->blocs[i] = bloc;
    t->textes[i] = (char*)sys->memoire->bloc_verrouiller(sys->memoire->ctx, bloc);
    t->textes[i][0] = 0;
    t->nombre = i + 1;
  }
  return 1;
}

void TamponsLiberer(CommandeImport* c, TamponsTexte* t) {
  for (int i = 0; i < t->nombre; i++) {
    c->sys->memoire->bloc_deverrouiller(c->sys->memoire->ctx, t->blocs[i]);
    c->sys->memoire->bloc_liberer(c->sys->memoire->ctx, t->blocs[i]);
  }
  *t = TamponsTexte{};
}

void CommandeCurseur(CommandeImport* c, Poignee curseur) {
  c->sys->fenetres->curseur(c->sys->fenetres->ctx, curseur);
}

void CommandeRedessiner(CommandeImport* c) {
  c->sys->fenetres->redessiner(c->sys->fenetres->ctx, c->fenetre);
}

unsigned CommandeCharger(CommandeImport* c, const char* chemin) {
  return TamponFichierCharger(c->sys->memoire, c->sys->fichiers, c->sys->fenetres, &hugeTampon,
                              chemin, c->transfert, c->fenetre);
}

int FichierNommeCharger(CommandeImport* c, ModeleImport modele,
                        SuiteDialogue (*bouton)(void*, DialogueImport*, unsigned), char* chemin) {
  const uint32_t taille = DialogueImportDescription(modele)->longueurs[0] + 1;
  DialogueImport d{};
  d.modele = modele;
  d.options = &optionsImport;
  snprintf(d.textes[0], taille, "%s", c->chemin);
  d.contexte = c;
  d.bouton = bouton;
  if (!DialogueImportMontrer(c->sys, c->fenetre, &d)) return 0;
  snprintf(chemin, taille, "%s", d.textes[0]);

  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);
  unsigned echecs = CommandeCharger(c, chemin);
  if (echecs) TamponFichierSignaler(c->sys->fenetres, c->fenetre, echecs);
  CommandeCurseur(c, c->fleche);
  return !echecs;
}

void AjoutCommencer(AjoutImport* a, CommandeImport* c, int avec_index, ComparaisonUrl comparaison) {
  a->commande = c;
  a->avec_index = avec_index;
  a->arret = AJOUT_FAIT;
  if (avec_index) IndexUrlsConstruire(c->sys->memoire, &a->index, &c->magasin, comparaison);
}

int AjoutConnu(AjoutImport* a, const char* texte, uint32_t n) {
  return IndexUrlsContient(&a->index, texte, n);
}

int AjoutFiche(AjoutImport* a, const char* nom, const char* url, const char* rubrique,
               const char* mots_cles, const char* notes) {
  CommandeImport* c = a->commande;
  const char* const textes[NB_CHAMPS] = {nom, url, rubrique, mots_cles, notes};
  a->arret = FicheAjouter(c->sys->memoire, &c->magasin, textes, &c->FichesModifieesOK,
                          a->avec_index ? &a->index : nullptr);
  return a->arret == AJOUT_FAIT;
}

ResultatAjout FicheUniqueAjouter(CommandeImport* c, Poignee fenetre, const char* nom,
                                 const char* url) {
  AjoutImport a{};
  AjoutCommencer(&a, c, 0, COMPARAISON_OCTETS);
  AjoutFiche(&a, nom, url, "", "", "");
  AjoutTerminer(&a);
  if (a.arret == AJOUT_LIMITE) MessageImport(c->sys->fenetres, fenetre, MSG_LIMITE_NOUVELLE_FICHE);
  return a.arret;
}

void AjoutRepeindre(void* ajout) { CommandeRedessiner(((AjoutImport*)ajout)->commande); }

int AjoutDoublon(void* ajout, const char* texte) {
  return AjoutConnu((AjoutImport*)ajout, texte, (uint32_t)strlen(texte));
}

void AjoutTerminer(AjoutImport* a) {
  if (a->avec_index) IndexUrlsLiberer(a->commande->sys->memoire, &a->index);
  a->avec_index = 0;
}
