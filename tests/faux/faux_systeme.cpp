#include "faux_systeme.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialogue_import.h"
#include "dialogues_liens.h"
#include "ordre_windows.h"
#include "dialogue_donnees.h"
#include "dialogues_affic.h"
#include "dialogues_conversion.h"
#include "dialogue_imprimer.h"

namespace {

FauxSysteme* installe = nullptr;

FauxSysteme* F(void* ctx) { return (FauxSysteme*)ctx; }

int Message(void* ctx, Poignee proprietaire, const char* texte, const char* titre, unsigned style) {
  FauxSysteme* f = F(ctx);
  f->messages.push_back({texte, titre, style, proprietaire});
  if (f->reponses.empty()) return REPONSE_OK;
  int r = f->reponses.front();
  f->reponses.pop_front();
  return r;
}

void Curseur(void* ctx, Poignee c) { F(ctx)->curseurs.push_back(c); }
void Redessiner(void* ctx, Poignee) { F(ctx)->redessins++; }

bool AllocationEchoue(FauxSysteme* f) {
  if (f->echec_allocation_dans == 0) return false;
  return --f->echec_allocation_dans == 0;
}

// A block is a malloc'd record: its size then the bytes.
struct Bloc {
  uint32_t taille;
  int verrous;
  uint8_t* octets;
};

Poignee BlocAllouer(void* ctx, uint32_t taille) {
  FauxSysteme* f = F(ctx);
  if (AllocationEchoue(f)) return nullptr;
  Bloc* b = new Bloc{taille, 0, (uint8_t*)malloc(taille ? taille : 1)};
  f->blocs_vivants++;
  return b;
}
Poignee BlocReallouer(void* ctx, Poignee bloc, uint32_t taille) {
  FauxSysteme* f = F(ctx);
  Bloc* b = (Bloc*)bloc;
  if (b->verrous != 0) return nullptr;  // as the system: a locked block does not move
  if (AllocationEchoue(f)) return nullptr;
  uint8_t* nouveau;
  if (f->deplacer_blocs) {
    nouveau = (uint8_t*)malloc(taille ? taille : 1);
    memcpy(nouveau, b->octets, b->taille < taille ? b->taille : taille);
    free(b->octets);
  } else {
    nouveau = (uint8_t*)realloc(b->octets, taille ? taille : 1);
    if (!nouveau) return nullptr;
  }
  b->octets = nouveau;
  b->taille = taille;
  return b;
}
uint8_t* BlocVerrouiller(void*, Poignee bloc) {
  Bloc* b = (Bloc*)bloc;
  b->verrous++;
  return b->octets;
}
void BlocDeverrouiller(void*, Poignee bloc) { ((Bloc*)bloc)->verrous--; }
void BlocLiberer(void* ctx, Poignee bloc) {
  Bloc* b = (Bloc*)bloc;
  free(b->octets);
  delete b;
  F(ctx)->blocs_vivants--;
}

// A file opened with fopen's mode; the cause kept when it fails.
Poignee Ouvrir(FauxSysteme* f, const char* chemin, const char* mode) {
  FILE* x = fopen(f->Linux(chemin).c_str(), mode);
  if (x) {
    f->fichiers_ouverts++;
    return x;
  }
  switch (errno) {
    case ENOENT: case ENOTDIR: f->erreur_fichier = ERREUR_FICHIER_INTROUVABLE; break;
    case EACCES: case EPERM: case EISDIR: f->erreur_fichier = ERREUR_FICHIER_INTERDIT; break;
    case EMFILE: case ENFILE: f->erreur_fichier = ERREUR_FICHIER_TROP_OUVERTS; break;
    default: f->erreur_fichier = ERREUR_FICHIER_AUTRE;
  }
  return nullptr;
}
Poignee FichierOuvrir(void* ctx, const char* chemin) { return Ouvrir(F(ctx), chemin, "rb"); }
Poignee FichierCreer(void* ctx, const char* chemin) {
  FauxSysteme* f = F(ctx);
  if (f->creation_echoue) {
    f->erreur_fichier = f->erreur_creation;
    return nullptr;
  }
  f->fichiers_crees.push_back(chemin);
  return Ouvrir(f, chemin, "w+b");
}
Poignee FichierModifier(void* ctx, const char* chemin) { return Ouvrir(F(ctx), chemin, "r+b"); }
int FichierErreur(void* ctx) { return F(ctx)->erreur_fichier; }
int FichierTronquer(void*, Poignee fichier, int64_t taille) {
  return fflush((FILE*)fichier) == 0 && ftruncate(fileno((FILE*)fichier), taille) == 0;
}
int64_t FichierTaille(void*, Poignee fichier) {
  struct stat s;
  if (fstat(fileno((FILE*)fichier), &s) != 0) return -1;
  return s.st_size;
}
int FichierPositionner(void*, Poignee fichier, int64_t position) {
  return fseeko((FILE*)fichier, position, SEEK_SET) == 0;
}
size_t FichierLire(void*, Poignee fichier, void* tampon, size_t n) {
  return fread(tampon, 1, n, (FILE*)fichier);
}
size_t FichierEcrire(void* ctx, Poignee fichier, const void* tampon, size_t n) {
  FauxSysteme* f = F(ctx);
  f->ecritures.push_back(n);
  if (f->ecriture_echoue_apres >= 0 && f->octets_ecrits + (int64_t)n > f->ecriture_echoue_apres) {
    size_t accepte = (size_t)(f->ecriture_echoue_apres - f->octets_ecrits);
    size_t ecrit = fwrite(tampon, 1, accepte, (FILE*)fichier);
    f->octets_ecrits += ecrit;
    return ecrit;
  }
  size_t ecrit = fwrite(tampon, 1, n, (FILE*)fichier);
  f->octets_ecrits += ecrit;
  return ecrit;
}
int FichierFermer(void* ctx, Poignee fichier) {
  F(ctx)->fichiers_ouverts--;
  return fclose((FILE*)fichier) == 0;
}
int FichierExiste(void* ctx, const char* chemin) { return F(ctx)->Existe(chemin); }
int FichierSupprimer(void* ctx, const char* chemin) {
  return unlink(F(ctx)->Linux(chemin).c_str()) == 0;
}
int FichierRemplacer(void* ctx, const char* source, const char* cible) {
  FauxSysteme* f = F(ctx);
  if (f->remplacement_echoue) return 0;
  return rename(f->Linux(source).c_str(), f->Linux(cible).c_str()) == 0;
}
int FichierTemporaire(void* ctx, const char* dossier, char* chemin) {
  FauxSysteme* f = F(ctx);
  for (int i = 1; i < 1000; i++) {
    std::string d = dossier;
    if (!d.empty() && d.back() != '\\') d += '\\';
    std::string c = d + "lvx" + std::to_string(i) + ".tmp";
    if (f->Existe(c)) continue;
    FILE* x = fopen(f->Linux(c).c_str(), "wb");
    if (!x) return 0;
    fclose(x);
    snprintf(chemin, 260, "%s", c.c_str());
    return 1;
  }
  return 0;
}
// The same file: the same inode, or, for names that do not exist here,
// the same path in any letter case (the drive C: is case-blind).
int MemeFichier(void* ctx, const char* a, const char* b) {
  FauxSysteme* f = F(ctx);
  struct stat x, y;
  if (stat(f->Linux(a).c_str(), &x) == 0 && stat(f->Linux(b).c_str(), &y) == 0)
    return x.st_dev == y.st_dev && x.st_ino == y.st_ino;
  return strcasecmp(a, b) == 0;
}
int DossierTemporaireSysteme(void* ctx, char* chemin) {
  FauxSysteme* f = F(ctx);
  std::filesystem::create_directories(f->Linux(f->dossier_temporaire));
  snprintf(chemin, 260, "%s", f->dossier_temporaire.c_str());
  return 1;
}
int EspaceLibre(void* ctx, const char*, uint64_t* octets) {
  FauxSysteme* f = F(ctx);
  *octets = f->espace_libre;
  return f->espace_connu;
}

int Dialogue(void* ctx, DialogueFichier* d) {
  FauxSysteme* f = F(ctx);
  f->dialogues.push_back(*d);
  f->dossiers_initiaux.push_back(d->dossier_initial ? d->dossier_initial : "");
  f->titres_dialogues.push_back(d->titre ? d->titre : "");
  d->erreur = f->erreur_dialogue;
  if (f->erreur_dialogue || f->choix_fichiers.empty() || f->choix_fichiers.front().empty()) {
    if (!f->choix_fichiers.empty()) f->choix_fichiers.pop_front();
    return 0;
  }
  snprintf(d->chemin, d->taille_chemin, "%s", f->choix_fichiers.front().c_str());
  f->choix_fichiers.pop_front();
  return 1;
}

size_t TexteLongueur(void* ctx, Poignee h) { return F(ctx)->controles[h].texte.size(); }
size_t TexteLire(void* ctx, Poignee h, char* tampon, size_t taille) {
  const std::string& t = F(ctx)->controles[h].texte;
  size_t n = t.size() < taille - 1 ? t.size() : taille - 1;
  memcpy(tampon, t.data(), n);
  tampon[n] = 0;
  return n;
}
void TexteEcrire(void* ctx, Poignee h, const char* texte) { F(ctx)->controles[h].texte = texte; }
int EditModifie(void* ctx, Poignee h) { return F(ctx)->controles[h].modifie; }
void EditModifieDefinir(void* ctx, Poignee h, int m) { F(ctx)->controles[h].modifie = m; }
void CaseCocher(void* ctx, Poignee h, int c) { F(ctx)->controles[h].cochee = c; }
void Focus(void* ctx, Poignee h) { F(ctx)->focus = h; }

uint32_t ModuleChemin(void* ctx, Poignee, char* chemin, uint32_t taille) {
  snprintf(chemin, taille, "%s", F(ctx)->chemin_module.c_str());
  return (uint32_t)strlen(chemin);
}
// Western code page: one byte, one character.
const char* CaractereSuivant(void*, const char* texte) { return *texte ? texte + 1 : texte; }
int DossierSpecial(void* ctx, int quel, char* chemin) {
  FauxSysteme* f = F(ctx);
  auto d = f->dossiers_speciaux.find(quel);
  chemin[0] = 0;
  if (d == f->dossiers_speciaux.end()) return 0;
  snprintf(chemin, 260, "%s", d->second.c_str());
  return 1;
}

Poignee FocusActuel(void* ctx) { return F(ctx)->focus; }
void EditSelection(void* ctx, Poignee h, uint32_t* debut, uint32_t* fin) {
  *debut = F(ctx)->controles[h].debut_selection;
  *fin = F(ctx)->controles[h].fin_selection;
}
// Plays the edit's own behaviour on its text, enough for the commands' rules.
void EditAction(void* ctx, Poignee h, ActionEdit action) {
  FenetreFausse& f = F(ctx)->controles[h];
  f.actions.push_back(action);
  if (action == EDIT_COUPER || action == EDIT_COLLER) {
    f.texte.erase(f.debut_selection, f.fin_selection - f.debut_selection);
    f.fin_selection = f.debut_selection;
    f.modifie = 1;
  }
}
int PressePapiersTexte(void* ctx) { return F(ctx)->texte_copie; }
void Aide(void* ctx, Poignee, const char* fichier) { F(ctx)->aides.push_back(fichier); }
void MinuteurDemarrer(void* ctx, Poignee, unsigned id, unsigned periode) {
  F(ctx)->minuteurs[id] = periode;
}
void MinuteurArreter(void* ctx, Poignee, unsigned id) { F(ctx)->minuteurs.erase(id); }
void BoutonEnfonce(void* ctx, Poignee h, int enfonce) { F(ctx)->controles[h].enfonce = enfonce; }
int DialogueAller(void* ctx, Poignee, char* texte, uint32_t taille) {
  FauxSysteme* f = F(ctx);
  std::string r = f->reponses_aller.empty() ? "\x1b" : f->reponses_aller.front();
  if (!f->reponses_aller.empty()) f->reponses_aller.pop_front();
  if (r == "\x1b") return 0;
  snprintf(texte, taille, "%s", r.c_str());
  return 1;
}

const char* CaracterePrecedent(void*, const char* texte, const char* courant) {
  return courant > texte ? courant - 1 : texte;
}

// The order the program has on Windows.
int Comparer(void*, const char* a, const char* b) { return OrdreWindows(a, b); }
void EditSelectionner(void* ctx, Poignee h, uint32_t debut, uint32_t fin) {
  F(ctx)->controles[h].debut_selection = debut;
  F(ctx)->controles[h].fin_selection = fin;
}
unsigned Lancer(void* ctx, const char* ligne) {
  F(ctx)->lancements.push_back(ligne);
  return F(ctx)->resultat_lancer;
}
int Processus(void* ctx, const char* ligne) {
  F(ctx)->processus.push_back(ligne);
  return !F(ctx)->processus_echoue;
}
int Acces(void* ctx, const char* chemin) {
  return chemin[0] && std::filesystem::exists(F(ctx)->Linux(chemin));
}
int NomLong(void* ctx, const char* chemin, char* nom) {
  auto trouve = F(ctx)->noms_longs.find(chemin);
  if (trouve == F(ctx)->noms_longs.end()) return 0;
  snprintf(nom, 260, "%s", trouve->second.c_str());
  return 1;
}
int DialogueCriteresFaux(void* ctx, Poignee, DialogueCriteres* d) {
  FauxSysteme* f = F(ctx);
  if (f->dans_criteres.empty()) return 0;
  auto action = f->dans_criteres.front();
  f->dans_criteres.pop_front();
  return action(d);
}
int DialoguePlage(void* ctx, Poignee, const char* titre, char* de, char* a, uint32_t taille) {
  FauxSysteme* f = F(ctx);
  f->titres_plages.push_back(titre);
  if (f->plages.empty() || f->plages.front().first == "\x1b") {
    if (!f->plages.empty()) f->plages.pop_front();
    return 0;
  }
  snprintf(de, taille, "%s", f->plages.front().first.c_str());
  snprintf(a, taille, "%s", f->plages.front().second.c_str());
  f->plages.pop_front();
  return 1;
}
int DialogueIncompletes(void* ctx, Poignee, uint16_t choix[5]) {
  FauxSysteme* f = F(ctx);
  if (f->dans_incompletes.empty()) return 0;
  auto action = f->dans_incompletes.front();
  f->dans_incompletes.pop_front();
  return action(choix);
}

int DialogueImprimerFaux(void* ctx, Poignee, DialogueImprimer* d) {
  FauxSysteme* f = F(ctx);
  d->fenetre = f->fenetre_imprimer;
  if (f->dans_imprimer.empty()) return 0;
  auto action = f->dans_imprimer.front();
  f->dans_imprimer.pop_front();
  return action(d);
}
int DialogueImpression(void* ctx, EnregistrementImpression* e) {
  FauxSysteme* f = F(ctx);
  f->drapeaux_impression.push_back(e->Flags);
  f->proprietaires_impression.push_back(e->hwndOwner);
  if (f->dans_impression.empty()) return 0;
  auto action = f->dans_impression.front();
  f->dans_impression.pop_front();
  return action(e);
}
// Fonts and pens are numbered from 0x6001 in the order they are made.
Poignee Police(void* ctx, int32_t hauteur, int graisse, int souligne) {
  FauxSysteme* f = F(ctx);
  f->polices.push_back(std::to_string(hauteur) + "/" + std::to_string(graisse) + "/" +
                       std::to_string(souligne));
  return (Poignee)(uintptr_t)(0x6000 + f->polices.size() + f->stylos.size());
}
Poignee Stylo(void* ctx, int largeur) {
  FauxSysteme* f = F(ctx);
  f->stylos.push_back(largeur);
  return (Poignee)(uintptr_t)(0x6000 + f->polices.size() + f->stylos.size());
}
void ObjetLiberer(void* ctx, Poignee objet) { F(ctx)->objets_liberes.push_back(objet); }
void ContexteLiberer(void* ctx, Poignee dc) { F(ctx)->contextes_liberes.push_back(dc); }

// Windows wildcards, without regard to case; "*.*" takes every name.
bool Correspond(const char* motif, const char* nom) {
  if (strcmp(motif, "*.*") == 0) return true;
  if (*motif == 0) return *nom == 0;
  if (*motif == '*') return Correspond(motif + 1, nom) || (*nom && Correspond(motif, nom + 1));
  if (*nom == 0) return false;
  if (*motif != '?' && tolower((unsigned char)*motif) != tolower((unsigned char)*nom)) return false;
  return Correspond(motif + 1, nom + 1);
}

// The entries left to give, in order.
struct Liste {
  std::vector<EntreeDossier> entrees;
  size_t suivante;
};

int ListeSuivant(void*, Poignee liste, EntreeDossier* e) {
  Liste* l = (Liste*)liste;
  if (l->suivante >= l->entrees.size()) return 0;
  *e = l->entrees[l->suivante++];
  return 1;
}

Poignee ListePremier(void* ctx, const char* motif, EntreeDossier* e) {
  FauxSysteme* f = F(ctx);
  f->motifs_listes.push_back(motif);
  std::string m = motif;
  size_t barre = m.rfind('\\');
  std::string dossier = barre == std::string::npos ? "" : m.substr(0, barre + 1);
  std::string joker = m.substr(barre == std::string::npos ? 0 : barre + 1);
  std::filesystem::path linux_dossier = f->Linux(dossier);
  std::error_code erreur;
  if (!std::filesystem::is_directory(linux_dossier, erreur)) return nullptr;
  std::vector<std::string> noms = {".", ".."};
  std::vector<std::string> autres;
  for (const auto& x : std::filesystem::directory_iterator(linux_dossier, erreur))
    autres.push_back(x.path().filename().string());
  std::sort(autres.begin(), autres.end());
  noms.insert(noms.end(), autres.begin(), autres.end());
  Liste* l = new Liste{{}, 0};
  for (const std::string& nom : noms) {
    if (!Correspond(joker.c_str(), nom.c_str())) continue;
    EntreeDossier entree{};
    snprintf(entree.nom, sizeof entree.nom, "%s", nom.c_str());
    std::string windows = dossier + nom;
    entree.attributs = std::filesystem::is_directory(f->Linux(windows)) || nom == "." || nom == ".."
                           ? ATTRIBUT_DOSSIER
                           : ATTRIBUT_ARCHIVE;
    auto a = f->attributs.find(windows);
    if (a != f->attributs.end()) entree.attributs = a->second;
    l->entrees.push_back(entree);
  }
  if (!ListeSuivant(ctx, l, e)) {
    delete l;
    return nullptr;
  }
  return l;
}

void ListeFermer(void*, Poignee liste) { delete (Liste*)liste; }

int ExecutableAssocie(void* ctx, const char* fichier, char* resultat) {
  FauxSysteme* f = F(ctx);
  resultat[0] = 0;
  if (!f->Existe(fichier)) return 0;
  std::string nom = fichier;
  size_t point = nom.rfind('.');
  std::string extension = point == std::string::npos ? "" : nom.substr(point);
  for (char& c : extension) c = (char)tolower((unsigned char)c);
  if (extension == ".exe") {
    snprintf(resultat, 260, "%s", fichier);
    return 1;
  }
  auto a = f->associations.find(extension);
  if (a == f->associations.end()) return 0;
  snprintf(resultat, 260, "%s", a->second.c_str());
  return 1;
}

int DialogueDossierFaux(void* ctx, DialogueDossier* d) {
  FauxSysteme* f = F(ctx);
  f->dialogues_dossier.push_back(*d);
  if (f->dans_dossiers.empty()) return 0;
  auto action = f->dans_dossiers.front();
  f->dans_dossiers.pop_front();
  return action(d);
}

int DialogueImportFaux(void* ctx, Poignee, DialogueImport* d) {
  FauxSysteme* f = F(ctx);
  f->modeles_import.push_back(d->modele);
  d->fenetre = (Poignee)0xD1A;
  if (f->dans_import.empty()) return 0;
  auto action = f->dans_import.front();
  f->dans_import.pop_front();
  return action(d);
}

int DialogueLiensFaux(void* ctx, Poignee, DialogueLiens* d) {
  FauxSysteme* f = F(ctx);
  f->modeles_liens.push_back(d->modele);
  d->fenetre = (Poignee)0xD1B;
  if (f->dans_liens.empty()) return 0;
  auto action = f->dans_liens.front();
  f->dans_liens.pop_front();
  return action(d);
}

int DialogueSpecFaux(void* ctx, Poignee, DialogueSpec* d) {
  FauxSysteme* f = F(ctx);
  d->fenetre = (Poignee)0xD1B;
  if (f->dans_spec.empty()) return 0;
  auto action = f->dans_spec.front();
  f->dans_spec.pop_front();
  return action(d);
}

void DialogueListesFaux(void* ctx, Poignee, DialogueListes* d) {
  FauxSysteme* f = F(ctx);
  d->fenetre = (Poignee)0xD1C;
  if (f->dans_listes.empty()) return;
  auto action = f->dans_listes.front();
  f->dans_listes.pop_front();
  action(d);
}

int DialogueEnvRechercheFaux(void* ctx, Poignee, DialogueEnvRecherche* d) {
  FauxSysteme* f = F(ctx);
  d->edit = (Poignee)0xD1D;
  if (f->dans_env_recherche.empty()) return 0;
  auto action = f->dans_env_recherche.front();
  f->dans_env_recherche.pop_front();
  return action(d);
}

int DialogueConversionFaux(void* ctx, Poignee, DialogueConversion* d) {
  FauxSysteme* f = F(ctx);
  f->modeles_conversion.push_back(d->modele);
  d->fenetre = (Poignee)0xD1E;
  if (f->dans_conversion.empty()) return 0;
  auto action = f->dans_conversion.front();
  f->dans_conversion.pop_front();
  return action(d);
}

int ChoisirCheminFaux(void* ctx, ChoixChemin* c) {
  FauxSysteme* f = F(ctx);
  f->dossiers_chemins.push_back(c->dossier_initial ? c->dossier_initial : "");
  c->erreur = f->erreur_chemin;
  std::string choix = f->chemins_choisis.empty() ? "" : f->chemins_choisis.front();
  if (!f->chemins_choisis.empty()) f->chemins_choisis.pop_front();
  if (f->erreur_chemin || choix.empty()) return 0;
  snprintf(c->chemin, sizeof c->chemin, "%s", choix.c_str());
  return 1;
}

void ResultatCalculFaux(void* ctx, Poignee proprietaire, const ResultatCalcul* r) {
  F(ctx)->resultats_calcul.push_back({r->lignes[0], r->lignes[1], r->nombre, proprietaire});
}

int LargeurCaractere(unsigned char c) {
  if (c < 0x20) return 0;
  return c == 'M' || c == 'W' ? 200 : 100;
}

// A line of the page device's journal; any call but a single character
// closes the open "car" line.
void Dessin(FauxSysteme* f, const std::string& ligne) {
  f->dessins.push_back(ligne);
  f->ligne_caracteres = SIZE_MAX;
}

std::string NomObjet(FauxSysteme* f, Poignee objet) {
  auto n = f->noms_objets.find(objet);
  if (n != f->noms_objets.end()) return n->second;
  char t[32];
  snprintf(t, sizeof t, "%p", objet);
  return t;
}

bool Echoue(int* dans) {
  if (*dans == 0) return false;
  return --*dans == 0;
}

void PageTaille(void* ctx, Poignee, int* largeur, int* hauteur) {
  *largeur = F(ctx)->page_largeur_mm;
  *hauteur = F(ctx)->page_hauteur_mm;
}
void PageTwips(void* ctx, Poignee) { Dessin(F(ctx), "twips"); }
void PageChoisir(void* ctx, Poignee, Poignee objet) {
  Dessin(F(ctx), "choisir " + NomObjet(F(ctx), objet));
}
int PageLargeur(void*, Poignee, const char* texte, int n) {
  int l = 0;
  for (int i = 0; i < n; i++) l += LargeurCaractere((unsigned char)texte[i]);
  return l;
}
void PageTexte(void* ctx, Poignee, int x, int y, const char* texte, int n) {
  FauxSysteme* f = F(ctx);
  std::string t(texte, (size_t)n);
  std::string lieu = std::to_string(x) + " " + std::to_string(y) + " ";
  if (n != 1) {
    Dessin(f, "texte " + lieu + t);
    return;
  }
  if (f->ligne_caracteres != SIZE_MAX && x == f->x_caracteres && y == f->y_caracteres) {
    f->dessins.back() += t;
  } else {
    Dessin(f, "car " + lieu + t);
    f->ligne_caracteres = f->dessins.size() - 1;
    f->y_caracteres = y;
  }
  f->x_caracteres = x + LargeurCaractere((unsigned char)texte[0]);
}
void PageTexteADroite(void* ctx, Poignee, int gauche, int haut, int droite, int bas,
                      const char* texte) {
  Dessin(F(ctx), "droite " + std::to_string(gauche) + " " + std::to_string(haut) + " " +
                     std::to_string(droite) + " " + std::to_string(bas) + " " + texte);
}
void PageLigne(void* ctx, Poignee, int x1, int y1, int x2, int y2) {
  Dessin(F(ctx), "ligne " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                     std::to_string(x2) + " " + std::to_string(y2));
}
int PageDebutDocument(void* ctx, Poignee, const char* nom) {
  Dessin(F(ctx), std::string("document debut ") + nom);
  return F(ctx)->echec_debut_document ? -1 : 1;
}
int PageDebutPage(void* ctx, Poignee) {
  Dessin(F(ctx), "page debut");
  return Echoue(&F(ctx)->echec_debut_page_dans) ? 0 : 1;
}
int PageFinPage(void* ctx, Poignee) {
  Dessin(F(ctx), "page fin");
  return Echoue(&F(ctx)->echec_fin_page_dans) ? -1 : 1;
}
int PageFinDocument(void* ctx, Poignee) {
  Dessin(F(ctx), "document fin");
  return 1;
}
int PageAbandonDocument(void* ctx, Poignee) {
  Dessin(F(ctx), "document abandon");
  return 1;
}

const Poignee BOITE_IMPRESSION = (Poignee)0xB0;

Poignee ProgressionOuvrirFaux(void* ctx, Poignee proprietaire, const char* modele,
                              unsigned annuler, int* abandon) {
  FauxSysteme* f = F(ctx);
  f->boites_impression.push_back({modele, proprietaire, annuler});
  f->boite_impression_ouverte = 1;
  f->abandon_impression = abandon;
  return BOITE_IMPRESSION;
}
void ProgressionEcrireFaux(void* ctx, Poignee boite, unsigned id, const char* texte) {
  FauxSysteme* f = F(ctx);
  if (boite == BOITE_IMPRESSION && f->boite_impression_ouverte)
    f->textes_impression[id].push_back(texte);
}
void ProgressionMessages(void* ctx, Poignee) {
  FauxSysteme* f = F(ctx);
  f->pompages++;
  if (!Echoue(&f->annuler_au_pompage) || !f->boite_impression_ouverte) return;
  *f->abandon_impression = 1;
  f->activations.push_back({f->boites_impression.back().proprietaire, 1});
  f->boite_impression_ouverte = 0;
}
void ProgressionFermerFaux(void* ctx, Poignee) { F(ctx)->boite_impression_ouverte = 0; }
void ProgressionActiver(void* ctx, Poignee fenetre, int actif) {
  F(ctx)->activations.push_back({fenetre, actif});
}
void ProgressionAbandon(void* ctx, Poignee dc, Poignee) {
  F(ctx)->procedures_abandon.push_back(dc);
}

}  // namespace

FauxSysteme::FauxSysteme(const std::string& racine_dossier) : racine(racine_dossier) {
  memoire = Memoire{
      .ctx = this,
      .bloc_allouer = BlocAllouer,
      .bloc_reallouer = BlocReallouer,
      .bloc_verrouiller = BlocVerrouiller,
      .bloc_deverrouiller = BlocDeverrouiller,
      .bloc_liberer = BlocLiberer,
  };
  fichiers = Fichiers{
      .ctx = this,
      .fichier_ouvrir = FichierOuvrir,
      .fichier_creer = FichierCreer,
      .fichier_modifier = FichierModifier,
      .fichier_erreur = FichierErreur,
      .fichier_tronquer = FichierTronquer,
      .fichier_taille = FichierTaille,
      .fichier_positionner = FichierPositionner,
      .fichier_lire = FichierLire,
      .fichier_ecrire = FichierEcrire,
      .fichier_fermer = FichierFermer,
      .fichier_existe = FichierExiste,
      .fichier_supprimer = FichierSupprimer,
      .fichier_remplacer = FichierRemplacer,
      .fichier_temporaire = FichierTemporaire,
      .meme_fichier = MemeFichier,
      .dossier_temporaire = DossierTemporaireSysteme,
      .espace_libre = EspaceLibre,
      .acces = Acces,
      .nom_long = NomLong,
      .module_chemin = ModuleChemin,
      .liste_premier = ListePremier,
      .liste_suivant = ListeSuivant,
      .liste_fermer = ListeFermer,
  };
  fenetres = Fenetres{
      .ctx = this,
      .message = Message,
      .curseur = Curseur,
      .redessiner = Redessiner,
      .fenetre_texte_longueur = TexteLongueur,
      .fenetre_texte_lire = TexteLire,
      .fenetre_texte_ecrire = TexteEcrire,
      .edit_modifie = EditModifie,
      .edit_modifie_definir = EditModifieDefinir,
      .edit_selection = EditSelection,
      .edit_selectionner = EditSelectionner,
      .edit_action = EditAction,
      .case_cocher = CaseCocher,
      .bouton_enfonce = BoutonEnfonce,
      .focus = Focus,
      .focus_actuel = FocusActuel,
      .minuteur_demarrer = MinuteurDemarrer,
      .minuteur_arreter = MinuteurArreter,
  };
  caracteres = Caracteres{
      .ctx = this,
      .caractere_suivant = CaractereSuivant,
      .caractere_precedent = CaracterePrecedent,
      .comparer = Comparer,
  };
  coquille = Coquille{
      .ctx = this,
      .dossier_special = DossierSpecial,
      .executable_associe = ExecutableAssocie,
      .lancer = Lancer,
      .processus = Processus,
      .aide = Aide,
  };
  presse_papiers = PressePapiers{.ctx = this, .presse_papiers_texte = PressePapiersTexte};
  communs = DialoguesCommuns{.ctx = this, .dialogue_fichier = Dialogue};
  dialogues_programme = DialoguesProgramme{
      .ctx = this,
      .dialogue_aller = DialogueAller,
      .dialogue_criteres = DialogueCriteresFaux,
      .dialogue_plage = DialoguePlage,
      .dialogue_incompletes = DialogueIncompletes,
      .dialogue_imprimer = DialogueImprimerFaux,
  };
  imprimante = Imprimante{
      .ctx = this,
      .dialogue_impression = DialogueImpression,
      .police = Police,
      .stylo = Stylo,
      .objet_liberer = ObjetLiberer,
      .contexte_liberer = ContexteLiberer,
  };
  dialogues_import = DialoguesImport{
      .ctx = this,
      .dialogue_import = DialogueImportFaux,
      .dialogue_dossier = DialogueDossierFaux,
  };
  dialogues_liens = DialoguesLiens{.ctx = this, .dialogue_liens = DialogueLiensFaux};
  dialogues_spec = DialoguesSpec{.ctx = this, .dialogue_donnees = DialogueSpecFaux};
  dialogues_affic = DialoguesAffic{
      .ctx = this,
      .dialogue_listes = DialogueListesFaux,
      .dialogue_env_recherche = DialogueEnvRechercheFaux,
  };
  dialogues_gest = DialoguesGest{
      .ctx = this,
      .dialogue_conversion = DialogueConversionFaux,
      .choisir_chemin = ChoisirCheminFaux,
  };
  dialogues_calcul = DialoguesCalcul{.ctx = this, .resultat_calcul = ResultatCalculFaux};
  page_impression = PageImpression{
      .ctx = this,
      .taille_mm = PageTaille,
      .mode_twips = PageTwips,
      .choisir = PageChoisir,
      .largeur = PageLargeur,
      .texte = PageTexte,
      .texte_a_droite = PageTexteADroite,
      .ligne = PageLigne,
      .debut_document = PageDebutDocument,
      .debut_page = PageDebutPage,
      .fin_page = PageFinPage,
      .fin_document = PageFinDocument,
      .abandon_document = PageAbandonDocument,
  };
  progression_impression = ProgressionImpression{
      .ctx = this,
      .ouvrir = ProgressionOuvrirFaux,
      .ecrire = ProgressionEcrireFaux,
      .traiter_messages = ProgressionMessages,
      .fermer = ProgressionFermerFaux,
      .activer = ProgressionActiver,
      .installer_abandon = ProgressionAbandon,
  };
  programme = SystemeProgramme{
      .memoire = &memoire,
      .fichiers = &fichiers,
      .fenetres = &fenetres,
      .caracteres = &caracteres,
      .coquille = &coquille,
      .presse_papiers = &presse_papiers,
      .communs = &communs,
      .dialogues = &dialogues_programme,
      .imprimante = &imprimante,
  };
  import = SystemeImport{
      .memoire = &memoire,
      .fichiers = &fichiers,
      .fenetres = &fenetres,
      .coquille = &coquille,
      .communs = &communs,
      .dialogues = &dialogues_import,
  };
}

FauxSysteme::FauxSysteme() : FauxSysteme(std::string()) {}

FauxSysteme::~FauxSysteme() {
  if (installe == this) installe = nullptr;
}

std::string FauxSysteme::Linux(const std::string& c) const {
  std::string r = c;
  if (r.size() >= 2 && (r[1] == ':')) r = r.substr(2);
  for (char& x : r)
    if (x == '\\') x = '/';
  return racine + (r.empty() || r[0] != '/' ? "/" : "") + r;
}

std::string FauxSysteme::Lire(const std::string& c) const {
  std::ifstream in(Linux(c), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void FauxSysteme::Ecrire(const std::string& c, const std::string& octets) const {
  std::string l = Linux(c);
  std::filesystem::create_directories(std::filesystem::path(l).parent_path());
  std::ofstream out(l, std::ios::binary);
  out << octets;
}

int FauxSysteme::Existe(const std::string& c) const {
  return std::filesystem::is_regular_file(Linux(c));
}

std::vector<std::string> FauxSysteme::Textes() const {
  std::vector<std::string> t;
  for (const MessageVu& m : messages) t.push_back(m.texte);
  return t;
}

DossierTemporaire::DossierTemporaire() {
  char modele[] = "/tmp/lvx-essai-XXXXXX";
  chemin = mkdtemp(modele);
}

DossierTemporaire::~DossierTemporaire() { std::filesystem::remove_all(chemin); }

void InstallerFauxSysteme(FauxSysteme* faux) { installe = faux; }

const Memoire* MemoireSysteme() { return &installe->memoire; }
const Fichiers* FichiersSysteme() { return &installe->fichiers; }
const Fenetres* FenetresSysteme() { return &installe->fenetres; }
const Caracteres* CaracteresSysteme() { return &installe->caracteres; }
const Coquille* CoquilleSysteme() { return &installe->coquille; }
const PressePapiers* PressePapiersSysteme() { return &installe->presse_papiers; }
const DialoguesCommuns* DialoguesCommunsSysteme() { return &installe->communs; }
const DialoguesImport* DialoguesImportSysteme() { return &installe->dialogues_import; }
const DialoguesLiens* DialoguesLiensSysteme() { return &installe->dialogues_liens; }
const DialoguesSpec* DialoguesSpecSysteme() { return &installe->dialogues_spec; }
const DialoguesAffic* DialoguesAfficSysteme() { return &installe->dialogues_affic; }
const DialoguesGest* DialoguesGestSysteme() { return &installe->dialogues_gest; }
const DialoguesCalcul* DialoguesCalculSysteme() { return &installe->dialogues_calcul; }
const PageImpression* PageImpressionSysteme() { return &installe->page_impression; }
const ProgressionImpression* ProgressionImpressionSysteme() {
  return &installe->progression_impression;
}
