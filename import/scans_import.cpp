#include "scans_import.h"

#include <cstring>

#include "options_import.h"
#include "scanner_adresses.h"
#include "scanner_page.h"
#include "tampon_fichier.h"

namespace {

struct Contexte {
  CommandeImport* c;
  AjoutImport* a;
  const char* chemin;
};

void Repeindre(void* x) { CommandeRedessiner(((Contexte*)x)->c); }

int Doublon(void* x, const char* texte) {
  return AjoutConnu(((Contexte*)x)->a, texte, (uint32_t)strlen(texte));
}

int Montrer(void* x, const LienTrouve* l) {
  Contexte* k = (Contexte*)x;
  const Plateforme* pf = k->c->pf;
  char* texte = (char*)k->c->transfert;
  PageMessageParcourir(texte, TAILLE_TEXTE_IMPORT, k->chemin, l);
  return pf->message(pf->ctx, k->c->fenetre, texte, "Parcourir les URL...", BOITE_OK_ANNULER) !=
         REPONSE_ANNULER;
}

int Lien(void* x, const LienTrouve* l) {
  Contexte* k = (Contexte*)x;
  return AjoutFiche(k->a, l->nom, l->url, "", "", etatImport.provenance.texte);
}

int Adresse(void* x, const AdresseInternet* adresse) {
  Contexte* k = (Contexte*)x;
  return AjoutFiche(k->a, adresse->nom, adresse->url, "", "", etatImport.provenance.texte);
}

}  // namespace

int ScanPageLancer(CommandeImport* c, AjoutImport* a, TextesScan t, const char* chemin) {
  const OptionsUrl* o = &optionsImport.url;
  ProvenanceConstruire(&etatImport.provenance, chemin, o->AjouterCommentaireProvenance);
  Contexte k = {c, a, chemin};
  ScanPage scan = {o, t.url, t.nom, (char*)c->transfert, &k, Repeindre, Doublon, Montrer, Lien};
  const char* debut = (const char*)hugeTampon.octets;
  return PageParcourir(&scan, debut, debut + hugeTampon.longueur);
}

int ScanAdressesLancer(CommandeImport* c, AjoutImport* a, TextesScan t, const char* chemin) {
  const OptionsQuelconque* o = &optionsImport.quelconque;
  ProvenanceConstruire(&etatImport.provenance, chemin, o->CommentaireProvenance);
  Contexte k = {c, a, chemin};
  ScanAdresses scan = {o, t.url, &k, Repeindre, Doublon, Adresse};
  const char* debut = (const char*)hugeTampon.octets;
  return AdressesParcourir(&scan, debut, debut + hugeTampon.longueur);
}
