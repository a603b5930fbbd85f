#include "scans_import.h"

#include <cstring>

#include "options_import.h"
#include "scanner_adresses.h"
#include "scanner_page.h"
#include "tampon_fichier.h"

namespace {

int Montrer(void* x, const LienTrouve* l) {
  const CommandeImport* c = ((AjoutImport*)x)->commande;
  char* texte = (char*)c->transfert;
  PageMessageParcourir(texte, TAILLE_TEXTE_IMPORT, c->courant, l);
  return c->sys->fenetres->message(c->sys->fenetres->ctx, c->fenetre, texte, "Parcourir les URL...",
                                   BOITE_OK_ANNULER) != REPONSE_ANNULER;
}

int Lien(void* x, const LienTrouve* l) {
  return AjoutFiche((AjoutImport*)x, l->nom, l->url, "", "", etatImport.provenance.texte);
}

int Adresse(void* x, const AdresseInternet* adresse) {
  return AjoutFiche((AjoutImport*)x, adresse->nom, adresse->url, "", "",
                    etatImport.provenance.texte);
}

}  // namespace

int ScanPageLancer(CommandeImport* c, AjoutImport* a, TextesScan t, const char* chemin) {
  const OptionsUrl* o = &optionsImport.url;
  ProvenanceConstruire(&etatImport.provenance, chemin, o->AjouterCommentaireProvenance);
  c->courant = chemin;
  ScanPage scan = {o,    t.url,          t.nom,       (char*)c->transfert, a,
                   AjoutRepeindre, AjoutDoublon, Montrer, Lien};
  const char* debut = (const char*)hugeTampon.octets;
  return PageParcourir(&scan, debut, debut + hugeTampon.longueur);
}

int ScanAdressesLancer(CommandeImport* c, AjoutImport* a, TextesScan t, const char* chemin) {
  const OptionsQuelconque* o = &optionsImport.quelconque;
  ProvenanceConstruire(&etatImport.provenance, chemin, o->CommentaireProvenance);
  c->courant = chemin;
  ScanAdresses scan = {o, t.url, a, AjoutRepeindre, AjoutDoublon, Adresse};
  const char* debut = (const char*)hugeTampon.octets;
  return AdressesParcourir(&scan, debut, debut + hugeTampon.longueur);
}
