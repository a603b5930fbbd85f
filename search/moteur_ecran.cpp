#include "moteur_ecran.h"

#include "caracteres.h"

uint16_t MoteurEcran(const Moteur* m, const uint8_t* fiche, char* tampon, int nouvelle,
                     PositionEcran* position) {
  if (nouvelle)
    for (uint32_t& reprise : position->reprises) reprise = 0;
  const uint8_t* champ = fiche + 2;
  for (uint32_t i = 0; i < NB_CHAMPS; i++) {
    if (m->criteres.champs[i]) {
      uint32_t n = MoteurCopierChamp(m, champ, tampon);
      uint32_t occurrence;
      // A whole field matches from its start or not at all, wherever the last
      // search stopped in it (criteria change between F3 and F4); a field
      // already searched to its end stays done.
      const uint32_t reprise = position->reprises[i];
      const int entier = m->criteres.total_champ && reprise < n;
      if (MoteurChamp(m, tampon, n, entier ? 0 : reprise, REPRISE_ECRAN, &occurrence,
                      &position->reprises[i])) {
        const Motif& e = m->motif;
        position->champ = i;
        position->debut = CaracteresCompter(m->caracteres, tampon, tampon + occurrence);
        position->fin = (uint16_t)(position->debut + CaracteresCompter(m->caracteres, e.octets,
                                                                       e.octets + e.longueur));
        position->reprises[i] = occurrence + e.longueur;
        return 1;
      }
      if (entier) position->reprises[i] = reprise;
    }
    champ += LireMot(champ) + 4;
  }
  return 0;
}
