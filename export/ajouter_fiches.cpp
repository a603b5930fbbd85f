#include "ajouter_fiches.h"

#include <vector>

#include "fichier_cible.h"
#include "outils_donnees.h"

namespace {

// The old count gives way to the cards, then the new count follows them.
int EcrireSuite(const ExportSpec* e, ModeSelection mode, Poignee f, uint32_t ancien) {
  std::vector<uint8_t> tampon(TAILLE_TAMPON_SORTIE);
  Sortie s = SortieOuvrir(e->sys->fichiers, f, tampon.data());
  uint32_t nombre;
  EcrireSelection(e, mode, &s, &nombre);
  uint8_t compte[4];
  EcrireLong(compte, ancien + nombre);
  SortieEcrire(&s, compte, sizeof compte);
  return SortieVider(&s);
}

// The old file copied beside itself without its count, the cards and the
// new count after it, then moved over the old one: a failure anywhere
// leaves the old file whole.
int AjouterACote(const ExportSpec* e, ModeSelection mode, Poignee f, uint64_t taille,
                 uint32_t ancien, const char* chemin, const char* temporaire) {
  const Fichiers* fichiers = e->sys->fichiers;
  Poignee t = fichiers->fichier_creer(fichiers->ctx, temporaire);
  int bon = t != nullptr;
  if (bon) {
    std::vector<uint8_t> tampon(TAILLE_TAMPON_SORTIE);
    bon = fichiers->fichier_positionner(fichiers->ctx, f, 0) &&
          CopierOctets(fichiers, e->sys->fenetres, f, t, taille - 4, tampon.data(),
                       TAILLE_TAMPON_SORTIE, nullptr) &&
          EcrireSuite(e, mode, t, ancien);
    bon = fichiers->fichier_fermer(fichiers->ctx, t) && bon;
  }
  // The system does not move a file over one that is open.
  fichiers->fichier_fermer(fichiers->ctx, f);
  bon = bon && fichiers->fichier_remplacer(fichiers->ctx, temporaire, chemin);
  if (!bon) fichiers->fichier_supprimer(fichiers->ctx, temporaire);
  return bon;
}

// No room for a copy: the cards go in place of the old count. A failed
// write puts the old count back and cuts the file to its old size.
int AjouterSurPlace(const ExportSpec* e, ModeSelection mode, Poignee f, uint64_t taille,
                    uint32_t ancien) {
  const Fichiers* fichiers = e->sys->fichiers;
  int bon = fichiers->fichier_positionner(fichiers->ctx, f, (int64_t)taille - 4) &&
            EcrireSuite(e, mode, f, ancien);
  if (!bon) {
    uint8_t compte[4];
    EcrireLong(compte, ancien);
    fichiers->fichier_positionner(fichiers->ctx, f, (int64_t)taille - 4);
    fichiers->fichier_ecrire(fichiers->ctx, f, compte, sizeof compte);
    fichiers->fichier_tronquer(fichiers->ctx, f, (int64_t)taille);
  }
  return fichiers->fichier_fermer(fichiers->ctx, f) && bon;
}

}  // namespace

int AjouterAuFichier(const ExportSpec* e, ModeSelection mode, const char* chemin,
                     uint64_t besoin) {
  const Fichiers* fichiers = e->sys->fichiers;
  const Fenetres* fenetres = e->sys->fenetres;
  uint64_t libre;
  int libre_connu = EspaceLibreChemin(fichiers, chemin, &libre);
  if (libre_connu && libre < besoin) {
    MessageSpec(fenetres, e->fenetre,
                "Il n'y a pas assez de place sur le disque, impossible d'exécuter l'opération.",
                BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  Poignee f = fichiers->fichier_modifier(fichiers->ctx, chemin);
  if (!f) {
    MessageErreurFichier(fenetres, e->fenetre, fichiers->fichier_erreur(fichiers->ctx));
    return 0;
  }

  // A file too short for a header and a count is no data file.
  int64_t taille = fichiers->fichier_taille(fichiers->ctx, f);
  uint8_t entete[TAILLE_ENTETE];
  uint8_t compte[4];
  const char* refus = nullptr;
  if (taille == 0)
    refus = "Ce fichier est vide.";
  else if (taille < TAILLE_ENTETE + 4 ||
           fichiers->fichier_lire(fichiers->ctx, f, entete, TAILLE_ENTETE) != TAILLE_ENTETE ||
           !EnteteValide(entete, e->magie) ||
           !fichiers->fichier_positionner(fichiers->ctx, f, taille - 4) ||
           fichiers->fichier_lire(fichiers->ctx, f, compte, 4) != 4)
    refus = "Erreur de format.";
  if (refus) {
    fichiers->fichier_fermer(fichiers->ctx, f);
    MessageSpec(fenetres, e->fenetre, refus, BOITE_OK | ICONE_ERREUR);
    return 0;
  }
  uint32_t ancien = LireLong(compte);

  fenetres->curseur(fenetres->ctx, e->attente);
  char temporaire[260] = "";
  if (!libre_connu || libre >= (uint64_t)taille + besoin)
    FichierACote(fichiers, chemin, temporaire);
  int bon = temporaire[0]
                ? AjouterACote(e, mode, f, (uint64_t)taille, ancien, chemin, temporaire)
                : AjouterSurPlace(e, mode, f, (uint64_t)taille, ancien);
  fenetres->curseur(fenetres->ctx, e->fleche);
  if (!bon)
    MessageSpec(fenetres, e->fenetre, "Ecriture sur le disque impossible.",
                BOITE_OK | ICONE_ERREUR);
  return bon;
}
