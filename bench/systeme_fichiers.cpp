#include "systeme_fichiers.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

SystemeFichiers* S(void* ctx) { return (SystemeFichiers*)ctx; }

int Message(void* ctx, Poignee, const char* texte, const char*, unsigned) {
  S(ctx)->messages++;
  fprintf(stderr, "message : %s\n", texte);
  return REPONSE_OK;
}
void Curseur(void*, Poignee) {}
void Redessiner(void*, Poignee) {}

// A movable block is a record holding its malloc'd bytes.
struct Bloc {
  uint8_t* octets;
};

Poignee BlocAllouer(void*, uint32_t taille) {
  uint8_t* octets = (uint8_t*)malloc(taille ? taille : 1);
  return octets ? new Bloc{octets} : nullptr;
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
void BlocLiberer(void*, Poignee bloc) {
  free(((Bloc*)bloc)->octets);
  delete (Bloc*)bloc;
}

Poignee FichierOuvrir(void* ctx, const char* chemin) {
  return fopen(SystemeFichiersChemin(S(ctx), chemin).c_str(), "rb");
}
Poignee FichierCreer(void* ctx, const char* chemin) {
  return fopen(SystemeFichiersChemin(S(ctx), chemin).c_str(), "w+b");
}
int64_t FichierTaille(void*, Poignee f) {
  struct stat s;
  return fstat(fileno((FILE*)f), &s) == 0 ? s.st_size : -1;
}
int FichierPositionner(void*, Poignee f, int64_t position) {
  return fseeko((FILE*)f, position, SEEK_SET) == 0;
}
size_t FichierLire(void*, Poignee f, void* tampon, size_t n) { return fread(tampon, 1, n, (FILE*)f); }
size_t FichierEcrire(void*, Poignee f, const void* tampon, size_t n) {
  return fwrite(tampon, 1, n, (FILE*)f);
}
int FichierFermer(void*, Poignee f) { return fclose((FILE*)f) == 0; }
int FichierExiste(void* ctx, const char* chemin) {
  return access(SystemeFichiersChemin(S(ctx), chemin).c_str(), F_OK) == 0;
}
int FichierSupprimer(void* ctx, const char* chemin) {
  return unlink(SystemeFichiersChemin(S(ctx), chemin).c_str()) == 0;
}
int FichierRemplacer(void* ctx, const char* source, const char* cible) {
  return rename(SystemeFichiersChemin(S(ctx), source).c_str(),
                SystemeFichiersChemin(S(ctx), cible).c_str()) == 0;
}
// Always the same name: one save runs at a time and each one moves it away.
int FichierTemporaire(void* ctx, const char* dossier, char* chemin) {
  snprintf(chemin, 260, "%slvx.tmp", dossier);
  FILE* f = fopen(SystemeFichiersChemin(S(ctx), chemin).c_str(), "wb");
  return f && fclose(f) == 0;
}
int EspaceLibre(void* ctx, const char*, uint64_t* octets) {
  struct statvfs v;
  if (statvfs(S(ctx)->racine.c_str(), &v) != 0) return 0;
  *octets = (uint64_t)v.f_bavail * v.f_frsize;
  return 1;
}

}  // namespace

void SystemeFichiersInit(SystemeFichiers* s, const std::string& racine) {
  s->pf = Plateforme{};
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
  s->pf.fichier_creer = FichierCreer;
  s->pf.fichier_taille = FichierTaille;
  s->pf.fichier_positionner = FichierPositionner;
  s->pf.fichier_lire = FichierLire;
  s->pf.fichier_ecrire = FichierEcrire;
  s->pf.fichier_fermer = FichierFermer;
  s->pf.fichier_existe = FichierExiste;
  s->pf.fichier_supprimer = FichierSupprimer;
  s->pf.fichier_remplacer = FichierRemplacer;
  s->pf.fichier_temporaire = FichierTemporaire;
  s->pf.espace_libre = EspaceLibre;
  s->racine = racine;
  s->messages = 0;
}

std::string SystemeFichiersChemin(const SystemeFichiers* s, const char* chemin_windows) {
  std::string r = chemin_windows;
  if (r.size() >= 2 && r[1] == ':') r = r.substr(2);
  for (char& c : r)
    if (c == '\\') c = '/';
  return s->racine + (r.empty() || r[0] != '/' ? "/" : "") + r;
}
