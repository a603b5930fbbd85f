#include "moteur.h"

#include <cstring>

#include "casse.h"
#include "exactitude.h"

namespace {

// The first candidate from p on under the mode searched, or null.
const char* Candidat(const Moteur* m, const char* texte, const char* p, const char* fin) {
  const Motif& e = m->motif;
  if (m->criteres.total_champ)
    return (uint64_t)(fin - p) == e.longueur && memcmp(p, e.octets, e.longueur) == 0 ? p : nullptr;
  if (m->criteres.debut_champ)
    // The first occurrence from p is the start of the text only when p is
    // the start and the text begins with the expression.
    return p == texte && (uint64_t)(fin - p) >= e.longueur && memcmp(p, e.octets, e.longueur) == 0
               ? p
               : nullptr;
  return MotifTrouver(&e, p, fin);
}

}  // namespace

void MoteurPreparer(Moteur* m, const Caracteres* caracteres, const Criteres* c,
                    const char* expression, char* tampon_recherche) {
  m->caracteres = caracteres;
  m->criteres = *c;
  // The length first: the copy reads whole words, never past the NUL.
  uint32_t n = 0;
  while (n < TAILLE_TAMPON_RECHERCHE - 1 && expression[n]) n++;
  TexteCopier(tampon_recherche, expression, n, c->casse);
  MotifPreparer(&m->motif, tampon_recherche, n);
}

uint32_t MoteurCopierChamp(const Moteur* m, const uint8_t* champ, char* tampon) {
  uint32_t l = LireMot(champ);
  uint32_t n = l ? l - 1 : 0;
  if (n > TAILLE_TRANSFERT - 1) n = TAILLE_TRANSFERT - 1;
  // A damaged file may hide a NUL inside a text: the copy ends there.
  return TexteCopier(tampon, (const char*)champ + 2, n, m->criteres.casse);
}

int MoteurChamp(const Moteur* m, const char* texte, uint32_t longueur, uint32_t s, Reprise reprise,
                uint32_t* occurrence, uint32_t* arret) {
  const Caracteres* caracteres = m->caracteres;
  const char* fin = texte + longueur;
  const char* p = texte + (s < longueur ? s : longueur);
  Curseur curseur = {caracteres, texte, texte, texte};
  for (;;) {
    *arret = (uint32_t)(p - texte);
    if (p == fin) return 0;  // an empty field never matches
    const char* candidat = Candidat(m, texte, p, fin);
    if (!candidat) return 0;
    if (!m->criteres.exactitude || OccurrenceIsolee(&curseur, candidat, m->motif.longueur)) {
      *occurrence = (uint32_t)(candidat - texte);
      return 1;
    }
    if (m->criteres.total_champ || m->criteres.debut_champ) return 0;
    p = caracteres->caractere_suivant(
        caracteres->ctx, reprise == REPRISE_FICHE ? candidat : candidat + m->motif.longueur);
  }
}

uint16_t MoteurFiche(const Moteur* m, const uint8_t* fiche, char* tampon) {
  const uint8_t* champ = fiche + 2;
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    if (m->criteres.champs[i]) {
      uint32_t n = MoteurCopierChamp(m, champ, tampon);
      // Most fields hold no candidate at all, which the plain search alone tells.
      int candidat = m->criteres.total_champ || m->criteres.debut_champ ||
                     MotifTrouver(&m->motif, tampon, tampon + n);
      uint32_t occurrence, arret;
      if (candidat && MoteurChamp(m, tampon, n, 0, REPRISE_FICHE, &occurrence, &arret)) return 1;
    }
    champ += LireMot(champ) + 4;
  }
  return 0;
}
