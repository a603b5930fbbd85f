#include "commande_import.h"

#include <cstdio>
#include <cstring>

#include "options_import.h"

#include "tampon_fichier.h"

EtatImport etatImport;

int TamponsAllouer(CommandeImport* c, TamponsTexte* t, int n, MessageImportId msg,
                   MessageImportId msg_suite) {
  const Plateforme* pf = c->pf;
  *t = TamponsTexte{};
  for (int i = 0; i < n; i++) {
    Poignee bloc = pf->bloc_allouer(pf->ctx, TAILLE_TEXTE_IMPORT);
    if (!bloc) {
      TamponsLiberer(c, t);
      MessageImport(pf, c->fenetre, i == 0 ? msg : msg_suite);
      return 0;
    }
    t->blocs[i] = bloc;
    t->textes[i] = (char*)pf->bloc_verrouiller(pf->ctx, bloc);
    t->textes[i][0] = 0;
    t->nombre = i + 1;
  }
  return 1;
}

void TamponsLiberer(CommandeImport* c, TamponsTexte* t) {
  for (int i = 0; i < t->nombre; i++) {
    c->pf->bloc_deverrouiller(c->pf->ctx, t->blocs[i]);
    c->pf->bloc_liberer(c->pf->ctx, t->blocs[i]);
  }
  *t = TamponsTexte{};
}

void CommandeCurseur(CommandeImport* c, Poignee curseur) { c->pf->curseur(c->pf->ctx, curseur); }

void CommandeRedessiner(CommandeImport* c) { c->pf->redessiner(c->pf->ctx, c->fenetre); }

unsigned CommandeCharger(CommandeImport* c, const char* chemin) {
  return TamponFichierCharger(c->pf, &hugeTampon, chemin, c->transfert, c->fenetre);
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
  if (!DialogueImportMontrer(c->pf, c->fenetre, &d)) return 0;
  snprintf(chemin, taille, "%s", d.textes[0]);

  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);
  unsigned echecs = CommandeCharger(c, chemin);
  if (echecs) TamponFichierSignaler(c->pf, c->fenetre, echecs);
  CommandeCurseur(c, c->fleche);
  return !echecs;
}

void AjoutCommencer(AjoutImport* a, CommandeImport* c, int avec_index, ComparaisonUrl comparaison) {
  a->commande = c;
  a->avec_index = avec_index;
  a->arret = AJOUT_FAIT;
  if (avec_index) IndexUrlsConstruire(c->pf, &a->index, &c->magasin, comparaison);
}

int AjoutConnu(AjoutImport* a, const char* texte, uint32_t n) {
  return IndexUrlsContient(&a->index, texte, n);
}

int AjoutFiche(AjoutImport* a, const char* nom, const char* url, const char* rubrique,
               const char* mots_cles, const char* notes) {
  CommandeImport* c = a->commande;
  const char* const textes[NB_CHAMPS] = {nom, url, rubrique, mots_cles, notes};
  a->arret = FicheAjouter(c->pf, &c->magasin, textes, &c->FichesModifieesOK,
                          a->avec_index ? &a->index : nullptr);
  return a->arret == AJOUT_FAIT;
}

ResultatAjout FicheUniqueAjouter(CommandeImport* c, Poignee fenetre, const char* nom,
                                 const char* url) {
  AjoutImport a{};
  AjoutCommencer(&a, c, 0, COMPARAISON_OCTETS);
  AjoutFiche(&a, nom, url, "", "", "");
  AjoutTerminer(&a);
  if (a.arret == AJOUT_LIMITE) MessageImport(c->pf, fenetre, MSG_LIMITE_NOUVELLE_FICHE);
  return a.arret;
}

void AjoutRepeindre(void* ajout) { CommandeRedessiner(((AjoutImport*)ajout)->commande); }

int AjoutDoublon(void* ajout, const char* texte) {
  return AjoutConnu((AjoutImport*)ajout, texte, (uint32_t)strlen(texte));
}

void AjoutTerminer(AjoutImport* a) {
  if (a->avec_index) IndexUrlsLiberer(a->commande->pf, &a->index);
  a->avec_index = 0;
}
