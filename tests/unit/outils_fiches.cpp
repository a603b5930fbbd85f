#include "outils_fiches.h"

#include <cstring>

std::string OctetsFiche(const Textes& t, uint16_t marque) {
  std::string o;
  o += (char)(marque & 0xFF);
  o += (char)(marque >> 8);
  for (const std::string& x : t) {
    uint16_t l = (uint16_t)(x.size() + 1);
    std::string mot{(char)(l & 0xFF), (char)(l >> 8)};
    o += mot + x + std::string(1, '\0') + mot;
  }
  return o;
}

std::string OctetsFichier(const std::string& cartes, uint32_t total, const std::string& magie) {
  std::string entete = magie;
  entete.resize(40, '\0');
  std::string compte{(char)(total & 0xFF), (char)((total >> 8) & 0xFF),
                     (char)((total >> 16) & 0xFF), (char)(total >> 24)};
  return entete + cartes + compte;
}

void RemplirMagasin(Magasin* m, const Memoire* memoire, const std::vector<Textes>& fiches,
                    uint32_t marge) {
  std::string octets;
  for (const Textes& t : fiches) octets += OctetsFiche(t);
  *m = Magasin{};
  m->longSize = (uint32_t)octets.size() + marge;
  m->GlobalDebutMem = memoire->bloc_allouer(memoire->ctx, m->longSize);
  m->lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, m->GlobalDebutMem);
  memcpy(m->lpDebutMem, octets.data(), octets.size());
  m->TailleTotaleFiches = (uint32_t)octets.size();
  m->lpFinMem = m->lpDebutMem + octets.size();
  m->lpFicheEcran = m->lpDebutMem;
  m->NumFiche = 1;
  m->TotalFiches = (int32_t)fiches.size();
}

Textes TextesFiche(const uint8_t* p) {
  Textes t;
  for (int i = 0; i < 5; i++) {
    uint32_t n;
    const char* x = FicheTexte(p, i, &n);
    t[i].assign(x, n);
  }
  return t;
}
