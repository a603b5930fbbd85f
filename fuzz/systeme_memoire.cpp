#include "systeme_memoire.h"

#include <cstdlib>
#include <cstring>

namespace {

SystemeMemoire* S(void* ctx) { return (SystemeMemoire*)ctx; }

int Message(void* ctx, Poignee, const char*, const char*, unsigned) {
  S(ctx)->messages++;
  return REPONSE_OK;
}
void Curseur(void*, Poignee) {}
void Redessiner(void*, Poignee) {}

struct Bloc {
  uint8_t* octets;
};

Poignee BlocAllouer(void* ctx, uint32_t taille) {
  uint8_t* octets = (uint8_t*)malloc(taille ? taille : 1);
  if (!octets) return nullptr;
  S(ctx)->blocs_vivants++;
  return new Bloc{octets};
}
Poignee BlocReallouer(void*, Poignee bloc, uint32_t taille) {
  Bloc* b = (Bloc*)bloc;
  uint8_t* octets = (uint8_t*)realloc(b->octets, taille ? taille : 1);
  if (!octets) return nullptr;
  b->octets = octets;
  return b;
}
uint8_t* BlocVerrouiller(void*, Poignee bloc) { return ((Bloc*)bloc)->octets; }
void BlocDeverrouiller(void*, Poignee) {}
void BlocLiberer(void* ctx, Poignee bloc) {
  free(((Bloc*)bloc)->octets);
  delete (Bloc*)bloc;
  S(ctx)->blocs_vivants--;
}

// Every path names the same file; the handle is the platform itself.
Poignee FichierOuvrir(void* ctx, const char*) {
  S(ctx)->position = 0;
  S(ctx)->fichiers_ouverts++;
  return ctx;
}
int64_t FichierTaille(void* ctx, Poignee) { return (int64_t)S(ctx)->taille; }
// As on disk, a position past the end is allowed; reads there give nothing.
int FichierPositionner(void* ctx, Poignee, int64_t position) {
  if (position < 0) return 0;
  S(ctx)->position = (size_t)position;
  return 1;
}
size_t FichierLire(void* ctx, Poignee, void* tampon, size_t n) {
  SystemeMemoire* s = S(ctx);
  size_t reste = s->position < s->taille ? s->taille - s->position : 0;
  if (n > reste) n = reste;
  if (n) memcpy(tampon, s->octets + s->position, n);
  s->position += n;
  return n;
}
int FichierFermer(void* ctx, Poignee) {
  S(ctx)->fichiers_ouverts--;
  return 1;
}

}  // namespace

void SystemeMemoireInit(SystemeMemoire* s, const uint8_t* octets, size_t taille) {
  *s = SystemeMemoire{};
  s->pf.ctx = s;
  s->pf.message = Message;
  s->pf.curseur = Curseur;
  s->pf.redessiner = Redessiner;
  s->pf.bloc_allouer = BlocAllouer;
  s->pf.bloc_reallouer = BlocReallouer;
  s->pf.bloc_verrouiller = BlocVerrouiller;
  s->pf.bloc_deverrouiller = BlocDeverrouiller;
  s->pf.bloc_liberer = BlocLiberer;
  s->pf.fichier_ouvrir = FichierOuvrir;
  s->pf.fichier_taille = FichierTaille;
  s->pf.fichier_positionner = FichierPositionner;
  s->pf.fichier_lire = FichierLire;
  s->pf.fichier_fermer = FichierFermer;
  s->octets = octets;
  s->taille = taille;
}
