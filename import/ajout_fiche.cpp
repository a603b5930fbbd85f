#include "ajout_fiche.h"

#include <cstring>

ResultatAjout FicheAjouter(const Memoire* memoire, Magasin* m, const char* const textes[NB_CHAMPS],
                           uint16_t* FichesModifieesOK, IndexUrls* index) {
  uint32_t longueurs[NB_CHAMPS];
  for (uint32_t i = 0; i < NB_CHAMPS; i++)
    longueurs[i] = (uint32_t)strnlen(textes[i], LONGUEUR_TEXTE_AJOUT_MAX);
  uint32_t taille = FicheTaille(longueurs);

  uint8_t* suivante = FicheSuivante(m->lpFicheEcran);
  int remplace = suivante - m->lpFicheEcran == TAILLE_FICHE_VIDE;
  if (!remplace && m->TotalFiches >= (int32_t)MAX_FICHES) return AJOUT_LIMITE;
  uint8_t* place = m->lpFicheEcran;
  if (remplace) {
    taille -= TAILLE_FICHE_VIDE;
    if (index) IndexUrlsOublier(index, place);
  } else {
    place = m->lpFicheEcran = suivante;
  }
  if (!MagasinOuvrirEspace(m, memoire, &place, taille)) {
    m->lpDebutMem = m->lpFinMem = m->lpFicheEcran = nullptr;
    return AJOUT_SANS_BLOC;
  }
  FicheEcrire(place, 0, textes, longueurs);
  if (!remplace) {
    m->NumFiche++;
    m->TotalFiches++;
  }
  *FichesModifieesOK = 1;
  if (index) IndexUrlsNoter(memoire, index, place);
  return AJOUT_FAIT;
}
