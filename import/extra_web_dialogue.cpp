// One extra-web card from the EXTRAWEBBOX dialog: a new card, or the URL
// of the card on screen replaced.
#include <cstdio>
#include <cstring>

#include "chaines.h"
#include "application_associee.h"
#include "choix_import.h"
#include "commandes_recup.h"
#include "dialogue_import.h"
#include "fiche.h"

namespace {

enum : uint32_t {
  LONGUEUR_BOITE_MAX = 255,  // characters each box gives
  // The tag, both boxes and the space between them.
  TAILLE_URL_DIALOGUE = LONGUEUR_BALISE_EXTRA_WEB + 2 * LONGUEUR_BOITE_MAX + 2,
};

struct ExtraWeb {
  CommandeImport* c;
  int remplacer;     // 0: a new card
  Poignee edit_url;  // receives the URL in replace mode
};

void CopierBoite(char* boite, const char* texte, size_t n) {
  if (n > LONGUEUR_BOITE_MAX) n = LONGUEUR_BOITE_MAX;
  memcpy(boite, texte, n);
  boite[n] = 0;
}

// The URL of the card on screen split into the two boxes: the document
// starts after the space nearest before the first ':' that follows the
// first space.
void Decouper(const uint8_t* fiche, DialogueImport* d) {
  uint32_t n;
  const char* url = FicheTexte(fiche, CHAMP_URL, &n);
  if (n <= LONGUEUR_BALISE_EXTRA_WEB || memcmp(url, BALISE_EXTRA_WEB, LONGUEUR_BALISE_EXTRA_WEB))
    return;
  const char* r = url + LONGUEUR_BALISE_EXTRA_WEB;
  size_t longueur = n - LONGUEUR_BALISE_EXTRA_WEB;
  const char* espace = (const char*)memchr(r, ' ', longueur);
  const char* deux_points =
      espace ? (const char*)memchr(espace, ':', (size_t)(r + longueur - espace)) : nullptr;
  if (!deux_points) {
    // The blank this dialog writes after an application alone is left out,
    // or every replace would add one more.
    while (longueur > 0 && r[longueur - 1] == ' ') longueur--;
    CopierBoite(d->textes[0], r, longueur);
    return;
  }
  while (*deux_points != ' ') deux_points--;
  CopierBoite(d->textes[0], r, (size_t)(deux_points - r));
  CopierBoite(d->textes[1], deux_points + 1, (size_t)(r + longueur - deux_points - 1));
}

// 1 when the file can be opened for reading.
int Lisible(const Fichiers* fichiers, const char* chemin) {
  Poignee f = fichiers->fichier_ouvrir(fichiers->ctx, chemin);
  if (!f) return 0;
  fichiers->fichier_fermer(fichiers->ctx, f);
  return 1;
}

// The associated program of the document into the application box.
void Rechercher(const SystemeImport* sys, DialogueImport* d) {
  char application[TAILLE_CHEMIN_LONG];
  if (ApplicationAssociee(sys->fichiers, sys->coquille, d->textes[1], application))
    CopierBoite(d->textes[0], application, strlen(application));
  else
    MessageImport(sys->fenetres, d->fenetre, MSG_PAS_D_APPLICATION);
}

SuiteDialogue Valider(ExtraWeb* x, DialogueImport* d) {
  CommandeImport* c = x->c;
  const SystemeImport* sys = c->sys;
  const char* application = d->textes[0];
  const char* document = d->textes[1];
  if (!*application && !*document) {
    MessageImport(sys->fenetres, d->fenetre, MSG_RIEN_SPECIFIE);
    return DIALOGUE_RESTE;
  }
  if (*document && !Lisible(sys->fichiers, document)) {
    MessageImport(sys->fenetres, d->fenetre, MSG_DOCUMENT_INTROUVABLE);
    return DIALOGUE_RESTE;
  }
  if (!*application || !Lisible(sys->fichiers, application)) {
    if (!*document) {
      MessageImport(sys->fenetres, d->fenetre, MSG_EXECUTABLE_INTROUVABLE);
      return DIALOGUE_RESTE;
    }
    MessageImportId question =
        *application ? MSG_EXECUTABLE_A_RECHERCHER : MSG_APPLICATION_A_RECHERCHER;
    if (MessageImport(sys->fenetres, d->fenetre, question) == REPONSE_OUI) Rechercher(sys, d);
    return DIALOGUE_RESTE;
  }

  CommandeCurseur(c, c->attente);
  char url[TAILLE_URL_DIALOGUE];
  snprintf(url, sizeof url, "%s%.255s %.255s", BALISE_EXTRA_WEB, application, document);
  const Magasin& m = c->magasin;
  if (!UrlConnueParParcours(m.lpDebutMem, m.lpFinMem, COMPARAISON_OCTETS, url,
                            (uint32_t)strlen(url)) ||
      MessageImport(sys->fenetres, d->fenetre, MSG_EXTRA_WEB_IDENTIQUE) == REPONSE_OUI) {
    if (!x->remplacer) {
      FicheUniqueAjouter(c, d->fenetre, "", url);
    } else {
      sys->fenetres->fenetre_texte_ecrire(sys->fenetres->ctx, x->edit_url, url);
      c->FichesModifieesOK = 1;
    }
  }
  CommandeCurseur(c, c->fleche);
  return DIALOGUE_FERME_OK;
}

SuiteDialogue Bouton(void* contexte, DialogueImport* d, unsigned id) {
  ExtraWeb* x = (ExtraWeb*)contexte;
  CommandeImport* c = x->c;
  const SystemeImport* sys = c->sys;
  char dossier[TAILLE_DOSSIER], chemin[TAILLE_CHEMIN_CHOISI];
  switch (id) {
    case ID_EXTRA_WEB_PARCOURIR_APPLICATION:
      if (!sys->coquille->dossier_special(sys->coquille->ctx, DOSSIER_MENU_DEMARRER, dossier))
        dossier[0] = 0;
      if (ChoisirFichier(sys->communs, sys->fenetres, d->fenetre,
                         "Application à lancer par Connecter... depuis la fiche :",
                         FILTRE_EXECUTABLE, dossier, chemin))
        CopierBoite(d->textes[0], chemin, strlen(chemin));
      return DIALOGUE_RESTE;
    case ID_EXTRA_WEB_PARCOURIR_DOCUMENT: {
      char* retenu = etatImport.dossiers[RETENU_DOCUMENT_EXTRA_WEB];
      PremierDossier(retenu, c->chemin, dossier);
      if (ChoisirFichier(sys->communs, sys->fenetres, d->fenetre,
                         "Fichier à charger par l'application :", FILTRE_TOUS, dossier, chemin)) {
        CopierBoite(d->textes[1], chemin, strlen(chemin));
        DossierDuChemin(chemin, retenu, TAILLE_DOSSIER);
      }
      return DIALOGUE_RESTE;
    }
    case ID_EXTRA_WEB_BOITE_OK:
      return Valider(x, d);
    default:
      return DIALOGUE_RESTE;
  }
}

void Montrer(CommandeImport* c, int remplacer, Poignee edit_url) {
  ExtraWeb x = {c, remplacer, edit_url};
  DialogueImport d{};
  d.modele = MODELE_EXTRAWEBBOX;
  d.options = &optionsImport;
  d.contexte = &x;
  d.bouton = Bouton;
  if (!remplacer) {
    d.titre = "Créer une fiche extra web :";
  } else {
    d.titre = "Remplacer l'URL de la fiche à l'écran par l'extra web :";
    if (c->magasin.lpFicheEcran) Decouper(c->magasin.lpFicheEcran, &d);
  }
  DialogueImportMontrer(c->sys, c->fenetre, &d);
}

}  // namespace

uint16_t CreerFicheExtraWeb(CommandeImport* c) {
  Montrer(c, 0, nullptr);
  return c->magasin.lpDebutMem ? 1 : 0;  // 0 when the store could not grow
}

uint16_t RemplacerUrlExtraWeb(CommandeImport* c, Poignee edit_url) {
  Montrer(c, 1, edit_url);
  return 1;
}
