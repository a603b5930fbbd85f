// Cards pointing to a local page: a new card named after the page's title,
// or the URL of the card on screen replaced by the page's path.
#include <cstdio>
#include <cstring>

#include "chaines.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "entites.h"
#include "fiche.h"
#include "titre.h"

namespace {

enum : uint32_t {
  LECTURE_PAGE_MAX = 65520,  // bytes of the page read for its title
  EFFACEMENT_PAGE = 65533,   // bytes of the transfer buffer cleared first
};

const char QUESTION_TITRE_DEBUT[] =
    "Le titre de la page web correspondante au fichier HTML est :\n\n";
const char QUESTION_TITRE_FIN[] =
    "\n\nSouhaitez vous remplacer le nom de site actuel par celui-ci ?";

struct SorteFichierLocal {
  const char* titre;
  DossierRetenu retenu;
};

const SorteFichierLocal CREER = {"Créer une fiche pointant vers le fichier :",
                                 RETENU_FICHE_FICHIER};
const SorteFichierLocal REMPLACER = {"Remplacer l'URL en cours par le chemin du fichier :",
                                     RETENU_URL_FICHIER};

// A chosen page, opened and read into the transfer buffer.
struct PageLocale {
  char chemin[TAILLE_CHEMIN_CHOISI];
  Poignee fichier;  // kept open until the command ends
  uint32_t longueur;
};

// First occurrence of mot in [debut, fin), with case; null without one.
const char* Chercher(const char* debut, const char* fin, const char* mot) {
  size_t n = strlen(mot);
  for (const char* p = debut; (size_t)(fin - p) >= n; p++)
    if (memcmp(p, mot, n) == 0) return p;
  return nullptr;
}

// The text between the first "<TITLE>" and the first "</TITLE>" after it,
// entity-decoded into titre (TAILLE_TEXTE_IMPORT bytes); empty without both.
void PageTitre(CommandeImport* c, const PageLocale* page, char* titre) {
  const char* debut = (const char*)c->transfert;
  const char* fin = debut + page->longueur;
  titre[0] = 0;
  const char* ouvrante = Chercher(debut, fin, "<TITLE>");
  if (!ouvrante) return;
  const char* texte = ouvrante + 7;
  const char* fermante = Chercher(texte, fin, "</TITLE>");
  if (!fermante) return;
  size_t n = (size_t)(fermante - texte);
  memcpy(titre, texte, n);
  titre[n] = 0;
  EntitesRemplacer(titre, (char*)c->transfert);
}

// Chooses the page, remembers its folder and reads its start. 0 when no
// page was chosen, or after the messages of a failed read.
int PageOuvrir(CommandeImport* c, const SorteFichierLocal& sorte, PageLocale* page) {
  const SystemeImport* sys = c->sys;
  char dossier[TAILLE_DOSSIER];
  PremierDossier(etatImport.dossiers[sorte.retenu], c->chemin, dossier);
  if (!ChoisirFichier(sys->communs, sys->fenetres, c->fenetre, sorte.titre, FILTRE_HTML, dossier,
                      page->chemin))
    return 0;
  DossierDuChemin(page->chemin, etatImport.dossiers[sorte.retenu], TAILLE_DOSSIER);

  page->fichier = sys->fichiers->fichier_ouvrir(sys->fichiers->ctx, page->chemin);
  if (!page->fichier) {
    MessageImport(sys->fenetres, c->fenetre, MSG_OUVERTURE_IMPOSSIBLE);
    return 0;
  }
  int64_t taille = sys->fichiers->fichier_taille(sys->fichiers->ctx, page->fichier);
  if (taille <= 0) {
    sys->fichiers->fichier_fermer(sys->fichiers->ctx, page->fichier);
    MessageImport(sys->fenetres, c->fenetre,
                  taille == 0 ? MSG_FICHIER_VIDE : MSG_OUVERTURE_IMPOSSIBLE);
    return 0;
  }
  memset(c->transfert, 0, EFFACEMENT_PAGE);
  page->longueur = (uint32_t)sys->fichiers->fichier_lire(sys->fichiers->ctx, page->fichier,
                                                         c->transfert, LECTURE_PAGE_MAX);
  return 1;
}

// 1 when no card has the page's path as its URL, or the user goes on.
int Continuer(CommandeImport* c, const char* chemin) {
  const Magasin& m = c->magasin;
  if (!UrlConnueParParcours(m.lpDebutMem, m.lpFinMem, COMPARAISON_OCTETS, chemin,
                            (uint32_t)strlen(chemin)))
    return 1;
  return MessageImport(c->sys->fenetres, c->fenetre, MSG_URL_IDENTIQUE) == REPONSE_OUI;
}

// The question that offers the title as the site name, built in the
// transfer buffer: a title too long for it is cut, the question is kept.
int DemanderTitre(CommandeImport* c, const char* titre) {
  char* texte = (char*)c->transfert;
  const size_t place =
      TAILLE_TEXTE_IMPORT - sizeof QUESTION_TITRE_DEBUT - sizeof QUESTION_TITRE_FIN + 1;
  size_t n = strnlen(titre, place);
  size_t debut = sizeof QUESTION_TITRE_DEBUT - 1;
  memcpy(texte, QUESTION_TITRE_DEBUT, debut);
  memcpy(texte + debut, titre, n);
  memcpy(texte + debut + n, QUESTION_TITRE_FIN, sizeof QUESTION_TITRE_FIN);
  return c->sys->fenetres->message(c->sys->fenetres->ctx, c->fenetre, texte, TITRE_LORVANIX,
                                   BOITE_OUI_NON_ANNULER | ICONE_QUESTION);
}

}  // namespace

uint16_t CreerFichePointantFichier(CommandeImport* c) {
  const SystemeImport* sys = c->sys;
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 1, MSG_ALLOCATION, MSG_ALLOCATION)) return 0;
  PageLocale page;
  if (!PageOuvrir(c, CREER, &page)) {
    TamponsLiberer(c, &t);
    return 0;
  }
  CommandeRedessiner(c);
  CommandeCurseur(c, c->attente);
  char* titre = t.textes[0];
  PageTitre(c, &page, titre);

  uint16_t resultat = 1;
  if (Continuer(c, page.chemin) &&
      FicheUniqueAjouter(c, c->fenetre, titre, page.chemin) == AJOUT_SANS_BLOC)
    resultat = 0;
  CommandeCurseur(c, c->fleche);
  sys->fichiers->fichier_fermer(sys->fichiers->ctx, page.fichier);
  TamponsLiberer(c, &t);
  return resultat;
}

uint16_t RemplacerUrlFichier(CommandeImport* c, Poignee edit_nom, Poignee edit_url) {
  const SystemeImport* sys = c->sys;
  TamponsTexte t;
  if (!TamponsAllouer(c, &t, 1, MSG_ALLOCATION, MSG_ALLOCATION)) return 0;
  PageLocale page;
  if (!PageOuvrir(c, REMPLACER, &page)) {
    TamponsLiberer(c, &t);
    return 0;
  }
  char* titre = t.textes[0];
  PageTitre(c, &page, titre);

  if (Continuer(c, page.chemin)) {
    int reponse = titre[0] ? DemanderTitre(c, titre)
                           : MessageImport(sys->fenetres, c->fenetre, MSG_PAGE_SANS_TITRE);
    if (reponse != REPONSE_ANNULER) {
      if (reponse == REPONSE_OUI)
        sys->fenetres->fenetre_texte_ecrire(sys->fenetres->ctx, edit_nom, titre);
      sys->fenetres->fenetre_texte_ecrire(sys->fenetres->ctx, edit_url, page.chemin);
      c->FichesModifieesOK = 1;
    }
  }
  sys->fichiers->fichier_fermer(sys->fichiers->ctx, page.fichier);
  TamponsLiberer(c, &t);
  return 1;
}
