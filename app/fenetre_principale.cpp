#include "fenetre_principale.h"

const BoutonOutil BOUTONS_OUTILS[19] = {
    {0, CMD_BOUTON_OUVRIR, 109, 110, 111, "Ouvrir un fichier Lorvanix"},
    {33, CMD_BOUTON_ENREGISTRER, 112, 113, 114, "Enregistrer le travail en cours"},
    {66, CMD_BOUTON_IMPRIMER, 106, 107, 108, "Imprimer les fiches dans l'ordre actuel"},
    {99, IDC_BOUTON_COUPER, 115, 116, 117, "Couper"},
    {132, IDC_BOUTON_COPIER, 118, 119, 120, "Copier"},
    {165, IDC_BOUTON_COLLER, 121, 122, 123, "Coller"},
    {198, CMD_BOUTON_DUPLIQUER, 124, 125, 126, "Dupliquer, recopier la fiche à l'écran"},
    {231, CMD_BOUTON_SUPPRIMER, 127, 128, 129, "Supprimer la fiche à l'écran"},
    {264, CMD_BOUTON_NOUVELLE_FICHE, 130, 131, 132, "Créer une nouvelle fiche"},
    {297, IDC_BOUTON_RECULER, 151, 152, 153, "Se déplacer rapidement dans les fiches précédentes"},
    {330, CMD_BOUTON_PRECEDENTE, 133, 134, 135, "Visualiser la fiche précédente"},
    {363, CMD_BOUTON_SUIVANTE, 136, 137, 138, "Visualiser la fiche suivante"},
    {396, IDC_BOUTON_AVANCER, 148, 149, 150, "Se déplacer rapidement dans les fiches suivantes"},
    {429, CMD_BOUTON_MARQUEE_PRECEDENTE, 154, 155, 156, "Visualiser la fiche marquée précédente"},
    {462, CMD_BOUTON_MARQUEE_SUIVANTE, 157, 158, 159, "Visualiser la fiche marquée suivante"},
    {495, CMD_BOUTON_DEMARQUER_TOUT, 160, 161, 162, "Supprimer le marquage de toutes les fiches"},
    {528, CMD_BOUTON_RECHERCHE_PRECEDENTE, 142, 143, 144, "Rechercher une fiche précédente correspondant aux critères de recherche"},
    {561, CMD_BOUTON_CRITERES, 139, 140, 141, "Configurer, définir les critères de recherche"},
    {594, CMD_BOUTON_RECHERCHE_SUIVANTE, 145, 146, 147, "Rechercher une fiche suivante correspondant aux critères de recherche"},
};

const char* const INFO_CONNECTER = "Se connecter au site ciblé par la fiche en cours";
const char* const INFO_MARQUAGE = "Drapeau de marquage de la fiche en cours";

const Etiquette ETIQUETTES[9] = {
    {"BoisBitmap", 0, 0},
    {"TexteFicheBitmap", 183, 45},
    {"TexteSurBitmap", 285, 45},
    {"TexteAuTotalBitmap", 375, 45},
    {"TexteNomDuSiteBitmap", 35, 71},
    {"TexteURLBitmap", 35, 101},
    {"TexteRubriqueBitmap", 35, 131},
    {"TexteMotsClesBitmap", 35, 161},
    {"TexteNotesBitmap", 35, 239},
};

void PositionFenetre(int largeur_ecran, int hauteur_ecran, int* x, int* y) {
  *x = largeur_ecran >= LARGEUR_FENETRE + 1 ? (largeur_ecran - LARGEUR_FENETRE) / 2 : 0;
  *y = hauteur_ecran > HAUTEUR_FENETRE ? (hauteur_ecran - HAUTEUR_FENETRE) / 2 : 0;
}

int LimiterFenetre(int* largeur, int* hauteur) {
  if (*largeur <= LARGEUR_FENETRE && *hauteur <= HAUTEUR_FENETRE_MAX) return 0;
  if (*largeur > LARGEUR_FENETRE) *largeur = LARGEUR_FENETRE;
  if (*hauteur > HAUTEUR_FENETRE_MAX) *hauteur = HAUTEUR_FENETRE_MAX;
  return 1;
}
