#include "conversation_dde.h"

#include "chaines.h"

const char MESSAGE_SANS_SERVEUR[] =
    "Le gestionnaire de programmes ne répond pas : le groupe Lorvanix 6.1 n'a pas été créé.";

namespace {

const char GROUPE[] = "[CreateGroup(Lorvanix 6.1)]";

// Commands 2 to 4: an item for one installed file.
struct Element {
  const char* fichier;
  const char* nom;
};
const Element ELEMENTS[] = {
    {"lorvanix.exe", "Lorvanix 6.1"},
    {"lorvanix.hlp", "Aide de Lorvanix 6.1"},
    {"licence.txt", "Licence Lorvanix 6.1"},
};

const char* const ETATS[NOMBRE_COMMANDES_DDE] = {
    " Création du groupe de programmes Lorvanix 6.1", " Création de l'icône Lorvanix 6.1",
    " Création de l'icône Aide de Lorvanix 6.1",      " Création de l'icône Licence Lorvanix 6.1",
    " Restauration du groupe Lorvanix 6.1",
};

void Etat(Installateur* in, const SystemeInstallation* s, const char* texte) {
  CopierTexte(in->message, texte, sizeof in->message);
  s->zone_ecrire(s->ctx, in->hZone, in->message);
}

// No answer in time, or none possible: the files copied stay, the box
// says what is missing.
void Abandonner(Installateur* in, const SystemeInstallation* s) {
  in->conversation = DDE_TERMINEE;
  s->minuteur_arreter(s->ctx, in->hWnd, MINUTEUR_SERVEUR);
  s->curseur(s->ctx, in->hCursorFleche);
  s->message(s->ctx, in->hWnd, MESSAGE_SANS_SERVEUR, TITRE_INSTALLATION, BOITE_OK | ICONE_ATTENTION);
  Exit(in, s);
}

// Command n in a new shared block, posted to the server; its acknowledge
// is awaited from now on.
void Envoyer(Installateur* in, const SystemeInstallation* s, int n) {
  in->commande = n;
  Poignee bloc = s->dde_bloc(s->ctx, CommandeDde(n, in->repertoire).c_str());
  if (!bloc) {
    Abandonner(in, s);
    return;
  }
  in->Commandes[n - 1] = bloc;
  Etat(in, s, ETATS[n - 1]);
  s->minuteur_demarrer(s->ctx, in->hWnd, MINUTEUR_SERVEUR, DELAI_SERVEUR_MS);
  if (!s->dde_executer(s->ctx, in->hWndServer, in->hWnd, bloc)) Abandonner(in, s);
}

void Finir(Installateur* in, const SystemeInstallation* s) {
  in->conversation = DDE_TERMINEE;
  s->minuteur_arreter(s->ctx, in->hWnd, MINUTEUR_SERVEUR);
  s->curseur(s->ctx, in->hCursorFleche);
  Etat(in, s, " Installation de Lorvanix 6.1 terminée.");
  s->message(s->ctx, in->hWnd, "Installation de Lorvanix 6.1 terminée.", TITRE_INSTALLATION,
             BOITE_OK | ICONE_ATTENTION);
  Exit(in, s);
}

void Diffuser(Installateur* in, const SystemeInstallation* s) {
  in->diffusion = 1;
  s->dde_initier(s->ctx, in->hWnd, in->aAppli, in->aTopi);
  in->diffusion = 0;
}

// An acknowledge to the initiate: the first server of our topic is kept,
// any other is let go.
void AccuseInitiation(Installateur* in, const SystemeInstallation* s, Poignee expediteur,
                      uintptr_t parametre) {
  uint16_t application = 0, sujet = 0;
  s->dde_accuse_atomes(s->ctx, parametre, &application, &sujet);
  // The server made these atoms for us; ours stay counted apart.
  if (application) s->atome_supprimer(s->ctx, application);
  if (sujet) s->atome_supprimer(s->ctx, sujet);
  if (in->conversation != DDE_INITIATION || sujet != in->aTopi) {
    s->dde_terminer(s->ctx, expediteur, in->hWnd);
    return;
  }
  in->hWndServer = expediteur;
  in->conversation = DDE_COMMANDES;
  Envoyer(in, s, 1);
}

}  // namespace

std::string CommandeDde(int n, const char* dossier) {
  if (n == 1) return GROUPE;
  if (n == NOMBRE_COMMANDES_DDE) return "[Reload(Lorvanix 6.1)]";
  const Element& e = ELEMENTS[n - 2];
  return std::string(GROUPE) + "[AddItem(\"" + CheminInstalle(dossier, e.fichier) + "\"," + e.nom + ")]";
}

void ConversationOuvrir(Installateur* in, const SystemeInstallation* s) {
  in->aAppli = s->atome_ajouter(s->ctx, "");
  in->aTopi = s->atome_ajouter(s->ctx, "PROGMAN");
  in->conversation = DDE_INITIATION;
  s->minuteur_demarrer(s->ctx, in->hWnd, MINUTEUR_SERVEUR, DELAI_SERVEUR_MS);
  Diffuser(in, s);
  if (in->conversation != DDE_INITIATION || in->fermee) return;
  // Some program managers answer only to their own name.
  if (in->aAppli) s->atome_supprimer(s->ctx, in->aAppli);
  in->aAppli = s->atome_ajouter(s->ctx, "PROGMAN");
  Diffuser(in, s);
}

void ConversationAccuse(Installateur* in, const SystemeInstallation* s, Poignee expediteur,
                        uintptr_t parametre) {
  if (in->fermee) return;
  // Acknowledges to the initiate are sent during the broadcast; a late one
  // counts while no server has answered.
  if (in->conversation == DDE_INITIATION || (in->diffusion && expediteur != in->hWndServer)) {
    AccuseInitiation(in, s, expediteur, parametre);
    return;
  }
  if (in->conversation != DDE_COMMANDES || expediteur != in->hWndServer) return;
  unsigned statut = 0;
  Poignee bloc = nullptr;
  if (!s->dde_accuse_commande(s->ctx, parametre, &statut, &bloc)) return;
  if (bloc != in->Commandes[in->commande - 1]) return;
  if (in->commande < (int)NOMBRE_COMMANDES_DDE) {
    Envoyer(in, s, in->commande + 1);
  } else {
    Finir(in, s);
  }
}

void ConversationTerminaison(Installateur* in, const SystemeInstallation* s, Poignee expediteur) {
  if (in->fermee || !in->hWndServer || expediteur != in->hWndServer) return;
  s->dde_terminer(s->ctx, expediteur, in->hWnd);
  in->hWndServer = nullptr;
  if (in->conversation == DDE_COMMANDES) Abandonner(in, s);
}

void ConversationDelai(Installateur* in, const SystemeInstallation* s) {
  if (in->fermee) return;
  if (in->conversation == DDE_INITIATION || in->conversation == DDE_COMMANDES) {
    Abandonner(in, s);
  } else {
    s->minuteur_arreter(s->ctx, in->hWnd, MINUTEUR_SERVEUR);
  }
}

void ConversationFermer(Installateur* in, const SystemeInstallation* s) {
  s->minuteur_arreter(s->ctx, in->hWnd, MINUTEUR_SERVEUR);
  if (in->hWndServer) s->dde_terminer(s->ctx, in->hWndServer, in->hWnd);
  in->hWndServer = nullptr;
  in->conversation = DDE_TERMINEE;
  for (Poignee& bloc : in->Commandes) {
    if (bloc) s->dde_bloc_liberer(s->ctx, bloc);
    bloc = nullptr;
  }
  if (in->aAppli) s->atome_supprimer(s->ctx, in->aAppli);
  if (in->aTopi) s->atome_supprimer(s->ctx, in->aTopi);
  in->aAppli = in->aTopi = 0;
}
