#include "installation.h"

#include <string>

#include "chaines.h"
#include "conversation_dde.h"

const char* const FICHIERS_INSTALLES[NOMBRE_FICHIERS] = {
    "lorvanix.exe", "lorvanix.hlp", "exemple.lvx",  "bwcc32.dll",   "licence.txt",  "lvxhook.dll",
    "navigdef.cfg", "lvxaffic.dll", "lvxcalc.dll",  "lvxfiles.dll", "lvxgest.dll",  "lvxinfo.dll",
    "lvxliens.dll", "lvxnavig.dll", "lvxoudef.dll", "lvxprap.dll",  "lvxprint.dll", "lvxrech.dll",
    "lvxrecup.dll", "lvxtri.dll",   "lvxspec.dll",  "bookdef.cfg",  "courdef.cfg",  "lisezmoi.txt",
};

namespace {

void Etat(Installateur* in, const SystemeInstallation* s, const std::string& texte) {
  CopierTexte(in->message, texte.c_str(), sizeof in->message);
  s->zone_ecrire(s->ctx, in->hZone, in->message);
}

// The folder and every missing parent, left to right: each part before a
// backslash ("c:", then "c:\a"), then the whole path. Errors are left to
// the copies to find.
void CreerDossiers(const SystemeInstallation* s, const char* dossier) {
  std::string partie;
  for (const char* c = dossier; *c; c++) {
    if (*c == '\\' && !partie.empty()) s->dossier_creer(s->ctx, partie.c_str());
    partie += *c;
  }
  s->dossier_creer(s->ctx, dossier);
}

int Debut(Installateur* in, const SystemeInstallation* s) {
  // Copying the installer's folder onto itself would empty every file.
  if (MemeDossier(in->repertoire, in->RepertoireSetup)) {
    s->message(s->ctx, in->hWnd, MESSAGE_MEME_DOSSIER, TITRE_INSTALLATION, BOITE_OK | ICONE_ATTENTION);
    in->etape = 0;
    return 0;
  }
  s->curseur(s->ctx, in->hCursorSablier);
  s->bouton_activer(s->ctx, in->hBouton_Modifier, 0);
  s->bouton_activer(s->ctx, in->hBouton_Continuer, 0);
  s->bouton_activer(s->ctx, in->hBouton_Annuler, 0);
  Etat(in, s, std::string(" Création du dossier ") + in->repertoire);
  return 1;
}

void Dossier(Installateur* in, const SystemeInstallation* s) {
  if (!s->dossier_rendre_courant(s->ctx, in->repertoire)) CreerDossiers(s, in->repertoire);
  // The files are named relative to the installer's folder.
  s->dossier_rendre_courant(s->ctx, in->RepertoireSetup);
}

int Copie(Installateur* in, const SystemeInstallation* s, const char* nom) {
  CopierTexte(in->destination, CheminInstalle(in->repertoire, nom).c_str(), sizeof in->destination);
  if (s->fichier_copier(s->ctx, nom, in->destination) == 0) return 1;
  s->message(s->ctx, in->hWnd, "Erreur d'installation.", TITRE_INSTALLATION, BOITE_OK);
  in->etape = 0;
  s->curseur(s->ctx, in->hCursorFleche);
  Exit(in, s);
  return 0;
}

}  // namespace

int Installation(Installateur* in, const SystemeInstallation* s, int etape) {
  if (etape == ETAPE_GROUPE) {
    ConversationOuvrir(in, s);
    return 1;
  }
  if (etape == ETAPE_DEBUT) {
    if (!Debut(in, s)) return 0;
  } else if (etape == ETAPE_DOSSIER) {
    Dossier(in, s);
  } else if (etape >= ETAPE_PREMIERE_COPIE && etape < ETAPE_GROUPE) {
    const int k = etape - ETAPE_PREMIERE_COPIE;
    const char* nom = FICHIERS_INSTALLES[k / 2];
    if (k % 2 == 0) {
      Etat(in, s, std::string(" Copie de ") + nom + " vers " + in->repertoire);
    } else if (!Copie(in, s, nom)) {
      return 0;
    }
  } else {
    return 0;
  }
  s->etape_suivante(s->ctx, in->hWnd);
  return 1;
}
