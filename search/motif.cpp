#include "motif.h"

#include <cstring>

namespace {
// Below this length the skip table costs more than it saves.
const uint32_t SEUIL_SAUT = 4;
// Shifts are kept in a byte: a shorter shift than possible is still safe.
const uint32_t SAUT_MAX = 255;

const char* PremierOctet(const Motif* m, const char* debut, const char* fin) {
  const char* dernier = fin - m->longueur;  // last possible start
  for (const char* p = debut; p <= dernier; p++) {
    p = (const char*)memchr(p, m->octets[0], (size_t)(dernier - p) + 1);
    if (!p) return nullptr;
    if (memcmp(p + 1, m->octets + 1, m->longueur - 1) == 0) return p;
  }
  return nullptr;
}

const char* Horspool(const Motif* m, const char* debut, const char* fin) {
  const uint32_t queue = m->longueur - 1;
  const unsigned char derniere = (unsigned char)m->octets[queue];
  const unsigned char* p = (const unsigned char*)debut;
  const unsigned char* dernier = (const unsigned char*)fin - m->longueur;
  while (p <= dernier) {
    unsigned char c = p[queue];
    // The first byte too before a call: the last one alone often agrees.
    if (c == derniere && *p == (unsigned char)m->octets[0] && memcmp(p, m->octets, queue) == 0)
      return (const char*)p;
    p += m->saut[c];
  }
  return nullptr;
}
}  // namespace

void MotifPreparer(Motif* m, const char* octets, uint32_t longueur) {
  m->octets = octets;
  m->longueur = longueur;
  if (longueur < SEUIL_SAUT) return;
  const uint32_t queue = longueur - 1;
  memset(m->saut, (int)(longueur < SAUT_MAX ? longueur : SAUT_MAX), sizeof m->saut);
  // Only the last SAUT_MAX bytes before the last one give shifts under the cap.
  for (uint32_t i = queue > SAUT_MAX ? queue - SAUT_MAX : 0; i < queue; i++)
    m->saut[(unsigned char)octets[i]] = (uint8_t)(queue - i);
}

const char* MotifTrouver(const Motif* m, const char* debut, const char* fin) {
  if ((uint64_t)(fin - debut) < m->longueur) return nullptr;
  if (m->longueur == 0) return debut;
  return m->longueur < SEUIL_SAUT ? PremierOctet(m, debut, fin) : Horspool(m, debut, fin);
}
