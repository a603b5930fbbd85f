#include "faux_installation.h"

#include <cstring>

#include "conversation_dde.h"
#include "lvxsetup_ids.h"
#include "majuscules.h"

namespace {

Poignee Nommee(uintptr_t n) { return reinterpret_cast<Poignee>(n); }

}  // namespace

Poignee const FENETRE = Nommee(0x10), ZONE = Nommee(0x11), MODIFIER = Nommee(0x12), INSTALLER = Nommee(0x13),
              QUITTER = Nommee(0x14), FLECHE = Nommee(0x15), SABLIER = Nommee(0x16), POLICE = Nommee(0x17),
              DIALOGUE = Nommee(0x18), SERVEUR = Nommee(0x50), AUTRE_SERVEUR = Nommee(0x51);

namespace {

FauxInstallation* F(void* ctx) { return static_cast<FauxInstallation*>(ctx); }

std::string Nom(Poignee p) {
  static const std::pair<Poignee, const char*> noms[] = {{FENETRE, "fenetre"},
                                                         {ZONE, "zone"},
                                                         {MODIFIER, "modifier"},
                                                         {INSTALLER, "installer"},
                                                         {QUITTER, "quitter"},
                                                         {FLECHE, "fleche"},
                                                         {SABLIER, "sablier"},
                                                         {POLICE, "police"},
                                                         {DIALOGUE, "dialogue"},
                                                         {SERVEUR, "serveur"},
                                                         {AUTRE_SERVEUR, "autre_serveur"},
                                                         {nullptr, "null"}};
  for (const auto& n : noms)
    if (n.first == p) return n.second;
  return "?";
}

std::string Capitales(const std::string& texte) {
  std::string c = texte;
  for (char& x : c) x = Majuscule(x);
  return c;
}

std::string Parent(const std::string& chemin) {
  const size_t barre = chemin.find_last_of('\\');
  return barre == std::string::npos ? "" : chemin.substr(0, barre);
}

int DossierCourant(void* ctx, char* chemin, uint32_t taille) {
  if (F(ctx)->courant.size() >= taille) return 0;
  std::memcpy(chemin, F(ctx)->courant.c_str(), F(ctx)->courant.size() + 1);
  return 1;
}

int RendreCourant(void* ctx, const char* chemin) {
  FauxInstallation* f = F(ctx);
  std::string c = Capitales(chemin);
  if (c.size() > 2 && c.back() == '\\') c.pop_back();
  const bool existe = f->dossiers.count(c) > 0;
  f->journal.push_back(std::string("courant ") + chemin + (existe ? "" : " (absent)"));
  if (existe) f->courant = chemin;
  return existe;
}

int Creer(void* ctx, const char* chemin) {
  FauxInstallation* f = F(ctx);
  f->journal.push_back(std::string("creer ") + chemin);
  const std::string c = Capitales(chemin);
  if (f->dossiers.count(c) || !f->dossiers.count(Parent(c))) return 0;
  f->dossiers.insert(c);
  return 1;
}

int Copier(void* ctx, const char* source, const char* destination) {
  FauxInstallation* f = F(ctx);
  f->journal.push_back(std::string("copier ") + source + " -> " + destination);
  return f->sources_absentes.count(source) ? -1 : 0;
}

uint32_t Programme(void* ctx, char* chemin, uint32_t taille) {
  const std::string& p = F(ctx)->programme;
  if (p.size() >= taille) return 0;
  std::memcpy(chemin, p.c_str(), p.size() + 1);
  return (uint32_t)p.size();
}

void ZoneEcrire(void* ctx, Poignee zone, const char* texte) {
  F(ctx)->journal.push_back("zone " + Nom(zone) + " " + texte);
}

void Curseur(void* ctx, Poignee curseur) { F(ctx)->journal.push_back("curseur " + Nom(curseur)); }

void Activer(void* ctx, Poignee bouton, int actif) {
  F(ctx)->journal.push_back("bouton " + Nom(bouton) + " " + std::to_string(actif));
}

int Message(void* ctx, Poignee proprietaire, const char* texte, const char* titre, unsigned style) {
  F(ctx)->journal.push_back("message " + Nom(proprietaire) + " " + titre + " " + std::to_string(style) + " " +
                            texte);
  return REPONSE_OK;
}

void EtapeSuivante(void* ctx, Poignee fenetre) {
  if (fenetre == FENETRE) F(ctx)->etapes_postees++;
}

void MinuteurDemarrer(void* ctx, Poignee, unsigned id, unsigned periode) {
  if (id == MINUTEUR_SERVEUR) F(ctx)->minuteur = (int)periode;
}

void MinuteurArreter(void* ctx, Poignee, unsigned id) {
  if (id == MINUTEUR_SERVEUR) F(ctx)->minuteur = 0;
}

void PoliceSupprimer(void* ctx, Poignee police) { F(ctx)->journal.push_back("supprimer " + Nom(police)); }

void Detruire(void* ctx, Poignee fenetre) { F(ctx)->journal.push_back("detruire " + Nom(fenetre)); }

uint32_t DialogueDossier(void* ctx, Installateur* in) {
  FauxInstallation* f = F(ctx);
  f->journal.push_back("dialogue");
  if (f->dialogue) f->dialogue(in, &f->s);
  return f->erreur_dialogue;
}

uint16_t AtomeAjouter(void* ctx, const char* nom) {
  if (!*nom) return 0;
  auto& a = F(ctx)->atomes[nom];
  if (a.second++ == 0) a.first = F(ctx)->prochain_atome++;
  return a.first;
}

void AtomeSupprimer(void* ctx, uint16_t atome) {
  FauxInstallation* f = F(ctx);
  for (auto i = f->atomes.begin(); i != f->atomes.end(); ++i) {
    if (i->second.first != atome) continue;
    if (--i->second.second == 0) f->atomes.erase(i);
    return;
  }
  f->fautes.push_back("atome inconnu " + std::to_string(atome));
}

uintptr_t Atomes(uint16_t application, uint16_t sujet) { return application | (uintptr_t)sujet << 16; }

// The servers answer during the broadcast, by a sent acknowledge with
// atoms of their own.
void Initier(void* ctx, Poignee client, uint16_t application, uint16_t sujet) {
  FauxInstallation* f = F(ctx);
  f->journal.push_back("initier " + f->NomAtome(application) + " " + f->NomAtome(sujet));
  for (const auto& r : f->reponses) {
    if (!r.application.empty() && r.application != f->NomAtome(application)) continue;
    const uint16_t a = AtomeAjouter(ctx, "PROGMAN");
    const uint16_t t = AtomeAjouter(ctx, r.sujet.c_str());
    if (client == FENETRE && f->in) ConversationAccuse(f->in, &f->s, r.serveur, Atomes(a, t));
  }
}

void AccuseAtomes(void*, uintptr_t parametre, uint16_t* application, uint16_t* sujet) {
  *application = (uint16_t)(parametre & 0xFFFF);
  *sujet = (uint16_t)(parametre >> 16 & 0xFFFF);
}

// An execute's acknowledge carries the index of its block, plus one.
int AccuseCommande(void* ctx, uintptr_t parametre, unsigned* statut, Poignee* bloc) {
  FauxInstallation* f = F(ctx);
  if (parametre == 0 || parametre > f->executes.size()) return 0;
  *statut = 0x8000;
  *bloc = f->executes[parametre - 1];
  return 1;
}

Poignee Bloc(void* ctx, const char* commande) {
  FauxInstallation* f = F(ctx);
  Poignee bloc = Nommee(f->prochain_bloc++);
  f->blocs[bloc] = commande;
  return bloc;
}

void BlocLiberer(void* ctx, Poignee bloc) {
  if (!F(ctx)->blocs.erase(bloc)) F(ctx)->fautes.push_back("bloc inconnu");
}

int Executer(void* ctx, Poignee serveur, Poignee, Poignee bloc) {
  FauxInstallation* f = F(ctx);
  const auto b = f->blocs.find(bloc);
  f->journal.push_back("executer " + Nom(serveur) + " " + (b == f->blocs.end() ? "?" : b->second));
  f->executes.push_back(bloc);
  return 1;
}

void Terminer(void* ctx, Poignee serveur, Poignee) { F(ctx)->journal.push_back("terminer " + Nom(serveur)); }

}  // namespace

FauxInstallation::FauxInstallation() {
  s = SystemeInstallation{
      .ctx = this,
      .dossier_courant = DossierCourant,
      .dossier_rendre_courant = RendreCourant,
      .dossier_creer = Creer,
      .fichier_copier = Copier,
      .programme_chemin = Programme,
      .zone_ecrire = ZoneEcrire,
      .curseur = Curseur,
      .bouton_activer = Activer,
      .message = Message,
      .etape_suivante = EtapeSuivante,
      .minuteur_demarrer = MinuteurDemarrer,
      .minuteur_arreter = MinuteurArreter,
      .police_supprimer = PoliceSupprimer,
      .fenetre_detruire = Detruire,
      .dialogue_dossier = DialogueDossier,
      .atome_ajouter = AtomeAjouter,
      .atome_supprimer = AtomeSupprimer,
      .dde_initier = Initier,
      .dde_accuse_atomes = AccuseAtomes,
      .dde_accuse_commande = AccuseCommande,
      .dde_bloc = Bloc,
      .dde_bloc_liberer = BlocLiberer,
      .dde_executer = Executer,
      .dde_terminer = Terminer,
  };
}

void FauxInstallation::Demarrer(Installateur* installateur) {
  in = installateur;
  InstallateurInitialiser(in);
  in->hWnd = FENETRE;
  in->hZone = ZONE;
  in->hBouton_Modifier = MODIFIER;
  in->hBouton_Continuer = INSTALLER;
  in->hBouton_Annuler = QUITTER;
  in->hCursorFleche = FLECHE;
  in->hCursorSablier = SABLIER;
  in->hFontChamps = POLICE;
  InstallateurDemarrer(in, &s);
}

void FauxInstallation::Derouler() {
  while (etapes_postees > 0 && !in->fermee) {
    etapes_postees--;
    InstallateurCommande(in, &s, CMD_SETUP_INSTALLER);
  }
}

void FauxInstallation::Accuser(Poignee bloc, Poignee serveur) {
  for (size_t i = 0; i < executes.size(); i++) {
    if (executes[i] == bloc) {
      ConversationAccuse(in, &s, serveur, i + 1);
      return;
    }
  }
  fautes.push_back("accuse d'un bloc jamais envoye");
}

std::vector<std::string> FauxInstallation::Lignes(const std::string& debut) const {
  std::vector<std::string> lignes;
  for (const std::string& l : journal)
    if (l.compare(0, debut.size(), debut) == 0) lignes.push_back(l);
  return lignes;
}

std::string FauxInstallation::NomAtome(uint16_t atome) const {
  if (atome == 0) return "0";
  for (const auto& a : atomes)
    if (a.second.first == atome) return a.first;
  return "?";
}
