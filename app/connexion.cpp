#include "connexion.h"

#include <cstring>

#include "extraweb.h"
#include "importation.h"
#include "titre.h"

const char* const ADRESSE_MISE_A_JOUR = "https://www.lorvanix.fr/mise-a-jour.html";

namespace {

enum : size_t { TAILLE_URL = 700 };

void Navigateur(Programme* p, const char* url) {
  std::string ligne = LigneNavigateur(p->CheminNavigateur, url);
  if (p->sys->coquille->lancer(p->sys->coquille->ctx, ligne.c_str()) < 32)
    ProgrammeMessage(p, p->sys->fenetres->focus_actuel(p->sys->fenetres->ctx),
                     TITRE_LORVANIX " n'a pas trouvé le navigateur !", BOITE_OK);
}

}  // namespace

std::string LigneNavigateur(const char* navigateur, const char* url) {
  std::string programme = navigateur;
  if (programme.find(' ') != std::string::npos && programme[0] != '"')
    programme = "\"" + programme + "\"";
  return programme + " " + url;
}

void CommandeConnecter(Programme* p) {
  const SystemeProgramme* sys = p->sys;
  char url[TAILLE_URL];
  sys->fenetres->fenetre_texte_lire(sys->fenetres->ctx, p->vue.champs[CHAMP_URL], url, sizeof url);
  if (!EstExtraWeb(url)) {
    Navigateur(p, url);
    return;
  }
  const char* r = url + LONGUEUR_BALISE_EXTRAWEB;
  DecoupageExtraWeb d = DecouperConnexion(r);
  std::string application(r, d.fin_application);
  int valide = !application.empty() &&
               sys->fichiers->acces(sys->fichiers->ctx, application.c_str()) &&
               (!d.document || sys->fichiers->acces(sys->fichiers->ctx, d.document));
  if (valide && sys->coquille->processus(sys->coquille->ctx, r)) return;
  if (ProgrammeMessage(p, sys->fenetres->focus_actuel(sys->fenetres->ctx),
                       "<EXTRAWEB> invalide. Souhaitez-vous modifier la fiche en conséquence ?",
                       BOITE_OUI_NON | ICONE_QUESTION) != REPONSE_OUI)
    return;
  ProgrammeCurseur(p, p->attente);
  if (ProgrammeReecrire(p)) CommandeModifierUrlExtraWeb(p);
  ProgrammeFocusCourant(p);
  ProgrammeCurseur(p, p->fleche);
}

void CommandeMiseAJour(Programme* p) { Navigateur(p, ADRESSE_MISE_A_JOUR); }
