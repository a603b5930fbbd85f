#include "installateur.h"

#include <cstring>
#include <string>

#include "chaines.h"
#include "choix_dossier.h"
#include "conversation_dde.h"
#include "installation.h"
#include "lvxsetup_ids.h"
#include "majuscules.h"

const char TITRE_INSTALLATION[] = "Lorvanix 6.1 installation";
const char MESSAGE_MEME_DOSSIER[] =
    "Le dossier de destination  doit être différent de celui du programme d'installation.";

void InstallateurInitialiser(Installateur* in) {
  *in = Installateur{};
  CopierTexte(in->repertoire, "c:\\lorvanix", sizeof in->repertoire);
}

void MontrerDossier(Installateur* in, const SystemeInstallation* s) {
  const std::string texte = std::string("Lorvanix 6.1 va être installé dans le dossier : ") + in->repertoire;
  CopierTexte(in->message, texte.c_str(), sizeof in->message);
  s->zone_ecrire(s->ctx, in->hZone, in->message);
}

void Obtenir_Chemin_Repertoire_Setup(Installateur* in, const SystemeInstallation* s) {
  char programme[TAILLE_CHEMIN_INSTALLATION] = "";
  s->programme_chemin(s->ctx, programme, sizeof programme);
  DossierDuChemin(programme, in->RepertoireSetup, sizeof in->RepertoireSetup);
}

void InstallateurDemarrer(Installateur* in, const SystemeInstallation* s) {
  MontrerDossier(in, s);
  if (!s->dossier_courant(s->ctx, in->MemoCurrentDir, sizeof in->MemoCurrentDir)) in->MemoCurrentDir[0] = 0;
  Obtenir_Chemin_Repertoire_Setup(in, s);
}

namespace {

// A folder's length without its final backslash.
size_t SansBarreFinale(const char* dossier) {
  size_t n = strlen(dossier);
  return n && dossier[n - 1] == '\\' ? n - 1 : n;
}

// The next step, while there is one: the group's step waits for the server.
void Installer(Installateur* in, const SystemeInstallation* s) {
  if (in->etape >= ETAPE_GROUPE) return;
  in->etape++;
  Installation(in, s, in->etape);
}

}  // namespace

std::string CheminInstalle(const char* dossier, const char* nom) {
  const size_t n = strlen(dossier);
  return std::string(dossier) + (n && dossier[n - 1] == '\\' ? "" : "\\") + nom;
}

bool MemeDossier(const char* a, const char* b) {
  const size_t n = SansBarreFinale(a);
  return n == SansBarreFinale(b) && EgauxSansCasse(a, b, n);
}

void InstallateurCommande(Installateur* in, const SystemeInstallation* s, int id) {
  if (in->fermee) return;
  switch (id) {
    case CMD_SETUP_MODIFIER:
      // The folder stays as it is once the copies have begun.
      if (in->etape == 0) Ouvrir_Recuperer_Chemin_Repertoire_Installation(in, s);
      return;
    case CMD_SETUP_INSTALLER:
      Installer(in, s);
      return;
    case CMD_SETUP_QUITTER:
    case COMMANDE_ECHAP:
      if (in->etape == 0) Exit(in, s);
      return;
  }
}

void InstallateurTouche(Installateur* in, const SystemeInstallation* s, int touche) {
  // Keys typed while the installation runs would skip steps or cut it
  // short: they count only before it starts.
  if (in->fermee || in->etape != 0) return;
  switch (touche) {
    case '\r':
    case 'i':
    case 'I':
      Installer(in, s);
      return;
    case 'q':
    case 'Q':
      Exit(in, s);
      return;
  }
}

void Exit(Installateur* in, const SystemeInstallation* s) {
  if (in->fermee) return;
  in->fermee = 1;
  ConversationFermer(in, s);
  if (in->MemoCurrentDir[0]) s->dossier_rendre_courant(s->ctx, in->MemoCurrentDir);
  s->curseur(s->ctx, in->hCursorFleche);
  if (in->hFontChamps) s->police_supprimer(s->ctx, in->hFontChamps);
  in->hFontChamps = nullptr;
  s->fenetre_detruire(s->ctx, in->hWnd);
}
