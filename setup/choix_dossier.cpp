#include "choix_dossier.h"

#include <string>

#include "chaines.h"

void Ouvrir_Recuperer_Chemin_Repertoire_Installation(Installateur* in, const SystemeInstallation* s) {
  in->ChangeDirOK = 0;
  in->DirDlgRepert[0] = 0;
  const uint32_t erreur = s->dialogue_dossier(s->ctx, in);
  if (erreur) {
    const std::string texte = "Erreur #" + std::to_string(erreur);
    s->message(s->ctx, in->hWnd, texte.c_str(), "WARNING", BOITE_OK | ICONE_ERREUR);
  }
  if (in->ChangeDirOK != 1) return;
  CopierTexte(in->repertoire, in->DirDlgRepert, sizeof in->repertoire);
  MontrerDossier(in, s);
}

void ChoixDossierChange(Installateur* in, const char* dossier) {
  CopierTexte(in->DirDlgRepert, dossier, sizeof in->DirDlgRepert);
}

int ChoixDossierOK(Installateur* in, const SystemeInstallation* s, Poignee dialogue) {
  // A view that is not a folder of the disks gives nothing to choose.
  if (!in->DirDlgRepert[0]) return 0;
  if (MemeDossier(in->DirDlgRepert, in->RepertoireSetup)) {
    s->message(s->ctx, dialogue, MESSAGE_MEME_DOSSIER, TITRE_INSTALLATION, BOITE_OK | ICONE_ATTENTION);
    return 0;
  }
  in->ChangeDirOK = 1;
  return 1;
}

void ChoixDossierAnnuler(Installateur* in) { in->ChangeDirOK = 0; }
