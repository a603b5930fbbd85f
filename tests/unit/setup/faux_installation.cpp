#include "faux_installation.h"

#include <cstdio>
#include <cstring>

#include "conversation_dde.h"
#include "lvxsetup_ids.h"
#include "majuscules.h"

namespace {

Poignee P(uintptr_t n) { return reinterpret_cast<Poignee>(n); }

}  // namespace

Poignee const FENETRE = P(0x10), DIALOGUE = P(0x18), SERVEUR = P(0x50), AUTRE_SERVEUR = P(0x51);

const Lignes FERMETURE = {"courant C:\\Travail", "curseur fleche", "supprimer police", "detruire fenetre"};

Lignes Plus(Lignes a, const Lignes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

namespace {

const std::pair<Poignee, const char*> NOMS[] = {{FENETRE, "fenetre"},
                                                {P(0x11), "zone"},
                                                {P(0x12), "modifier"},
                                                {P(0x13), "installer"},
                                                {P(0x14), "quitter"},
                                                {P(0x15), "fleche"},
                                                {P(0x16), "sablier"},
                                                {P(0x17), "police"},
                                                {DIALOGUE, "dialogue"},
                                                {SERVEUR, "serveur"},
                                                {AUTRE_SERVEUR, "autre_serveur"}};

std::string Nom(Poignee p) {
  for (const auto& n : NOMS)
    if (n.first == p) return n.second;
  return "?";
}

FauxInstallation* F(void* ctx) { return static_cast<FauxInstallation*>(ctx); }

template <class... T>
void Noter(void* c, const T&... t) {
  std::string ligne;
  ((ligne += t), ...);
  F(c)->journal.push_back(ligne);
}

std::string Capitales(std::string texte) {
  for (char& c : texte) c = Majuscule(c);
  if (texte.size() > 2 && texte.back() == '\\') texte.pop_back();
  return texte;
}

uint32_t Copier(const std::string& texte, char* cible, uint32_t taille) {
  if (texte.size() >= taille) return 0;
  std::memcpy(cible, texte.c_str(), texte.size() + 1);
  return (uint32_t)texte.size();
}

int RendreCourant(void* c, const char* chemin) {
  const bool existe = F(c)->dossiers.count(Capitales(chemin));
  Noter(c, "courant ", chemin, existe ? "" : " (absent)");
  if (existe) F(c)->courant = chemin;
  return existe;
}

// A folder is made when its parent exists and it does not.
int Creer(void* c, const char* chemin) {
  Noter(c, "creer ", chemin);
  const std::string d = Capitales(chemin);
  const size_t barre = d.find_last_of('\\');
  return barre != std::string::npos && F(c)->dossiers.count(d.substr(0, barre)) &&
         F(c)->dossiers.insert(d).second;
}

uint16_t Ajouter(void* c, const char* nom) {
  if (!*nom) return 0;
  auto& a = F(c)->atomes[nom];
  if (a.second++ == 0) a.first = F(c)->prochain_atome++;
  return a.first;
}

void Supprimer(void* c, uint16_t atome) {
  auto& atomes = F(c)->atomes;
  for (auto i = atomes.begin(); i != atomes.end(); ++i) {
    if (i->second.first != atome) continue;
    if (--i->second.second == 0) atomes.erase(i);
    return;
  }
  F(c)->fautes.push_back("atome inconnu");
}

// The servers answer during the broadcast with atoms of their own.
void Initier(void* c, Poignee, uint16_t application, uint16_t sujet) {
  FauxInstallation* f = F(c);
  Noter(c, "initier ", f->NomAtome(application), " ", f->NomAtome(sujet));
  for (const auto& r : f->reponses) {
    if (!r.application.empty() && r.application != f->NomAtome(application)) continue;
    const uintptr_t atomes = Ajouter(c, "PROGMAN") | (uintptr_t)Ajouter(c, r.sujet.c_str()) << 16;
    ConversationAccuse(&f->in, &f->s, r.serveur, atomes);
  }
}

Poignee Bloc(void* c, const char* commande) {
  Poignee bloc = P(F(c)->prochain_bloc++);
  F(c)->blocs[bloc] = commande;
  return bloc;
}

// An execute's acknowledge carries the rank of its block, plus one.
int AccuseCommande(void* c, uintptr_t l, unsigned* statut, Poignee* bloc) {
  if (l == 0 || l > F(c)->executes.size()) return 0;
  *statut = 0x8000;
  *bloc = F(c)->executes[l - 1];
  return 1;
}

}  // namespace

FauxInstallation::FauxInstallation() {
  s = SystemeInstallation{
      .ctx = this,
      .dossier_courant = [](void* c, char* d, uint32_t n) { return (int)Copier(F(c)->courant, d, n); },
      .dossier_rendre_courant = RendreCourant,
      .dossier_creer = Creer,
      .fichier_copier =
          [](void* c, const char* source, const char* destination) {
            Noter(c, "copier ", source, " -> ", destination);
            return F(c)->absentes.count(source) ? -1 : 0;
          },
      .programme_chemin = [](void* c, char* d, uint32_t n) { return Copier(F(c)->programme, d, n); },
      .zone_ecrire = [](void* c, Poignee, const char* texte) { Noter(c, "zone ", texte); },
      .curseur = [](void* c, Poignee p) { Noter(c, "curseur ", Nom(p)); },
      .bouton_activer = [](void* c, Poignee p,
                           int a) { Noter(c, "bouton ", Nom(p), " ", std::to_string(a)); },
      .message =
          [](void* c, Poignee p, const char* texte, const char* titre, unsigned style) {
            Noter(c, "message ", Nom(p), " ", titre, " ", std::to_string(style), " ", texte);
            return (int)REPONSE_OK;
          },
      .etape_suivante = [](void* c, Poignee) { F(c)->etapes++; },
      .minuteur_demarrer = [](void* c, Poignee, unsigned, unsigned ms) { F(c)->minuteur = (int)ms; },
      .minuteur_arreter = [](void* c, Poignee, unsigned) { F(c)->minuteur = 0; },
      .police_supprimer = [](void* c, Poignee p) { Noter(c, "supprimer ", Nom(p)); },
      .fenetre_detruire = [](void* c, Poignee p) { Noter(c, "detruire ", Nom(p)); },
      .dialogue_dossier =
          [](void* c, Installateur* in) {
            Noter(c, "dialogue");
            if (F(c)->dialogue) F(c)->dialogue(in, &F(c)->s);
            return F(c)->erreur_dialogue;
          },
      .atome_ajouter = Ajouter,
      .atome_supprimer = Supprimer,
      .dde_initier = Initier,
      .dde_accuse_atomes =
          [](void*, uintptr_t l, uint16_t* application, uint16_t* sujet) {
            *application = (uint16_t)(l & 0xFFFF);
            *sujet = (uint16_t)(l >> 16);
          },
      .dde_accuse_commande = AccuseCommande,
      .dde_bloc = Bloc,
      .dde_bloc_liberer =
          [](void* c, Poignee b) {
            if (!F(c)->blocs.erase(b)) F(c)->fautes.push_back("bloc inconnu");
          },
      .dde_executer =
          [](void* c, Poignee serveur, Poignee, Poignee bloc) {
            Noter(c, "executer ", Nom(serveur), " ", F(c)->blocs[bloc]);
            F(c)->executes.push_back(bloc);
            return 1;
          },
      .dde_terminer = [](void* c, Poignee p, Poignee) { Noter(c, "terminer ", Nom(p)); },
  };
  InstallateurInitialiser(&in);
  in.hWnd = FENETRE;
  Poignee* poignees[] = {&in.hZone,         &in.hBouton_Modifier, &in.hBouton_Continuer, &in.hBouton_Annuler,
                         &in.hCursorFleche, &in.hCursorSablier,   &in.hFontChamps};
  for (size_t i = 0; i < sizeof poignees / sizeof poignees[0]; i++) *poignees[i] = NOMS[i + 1].first;
  InstallateurDemarrer(&in, &s);
}

void FauxInstallation::Installer(const char* dossier) {
  if (dossier) snprintf(in.repertoire, sizeof in.repertoire, "%s", dossier);
  journal.clear();
  InstallateurCommande(&in, &s, CMD_SETUP_INSTALLER);
  for (; etapes > 0 && !in.fermee; etapes--) InstallateurCommande(&in, &s, CMD_SETUP_INSTALLER);
}

void FauxInstallation::Accuser(int n, Poignee serveur) {
  for (size_t i = 0; i < executes.size(); i++)
    if (executes[i] == in.Commandes[n - 1]) return ConversationAccuse(&in, &s, serveur, i + 1);
  fautes.push_back("accuse d'un bloc jamais envoye");
}

Lignes FauxInstallation::Commencant(const std::string& debut) const {
  Lignes l;
  for (const std::string& ligne : journal)
    if (ligne.compare(0, debut.size(), debut) == 0) l.push_back(ligne);
  return l;
}

Lignes FauxInstallation::Depuis(const std::string& debut) const {
  Lignes l;
  for (const std::string& ligne : journal)
    if (!l.empty() || ligne.compare(0, debut.size(), debut) == 0) l.push_back(ligne);
  return l;
}

std::string FauxInstallation::NomAtome(uint16_t atome) const {
  for (const auto& a : atomes)
    if (a.second.first == atome) return a.first;
  return atome ? "?" : "0";
}
