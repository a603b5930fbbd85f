// What the installer asks of the system: one record of function pointers,
// filled with real calls in systeme_win32.cpp and by a scripted fake in
// the tests. Window, cursor, font and memory handles cross it opaque.
#pragma once
#include <cstdint>

#include "plateforme.h"

struct Installateur;

struct SystemeInstallation {
  void* ctx;  // handed back to every call

  // The current drive and folder into chemin (taille bytes); 0 on failure.
  int (*dossier_courant)(void* ctx, char* chemin, uint32_t taille);
  // Makes a folder and its drive current; 0 when it cannot.
  int (*dossier_rendre_courant)(void* ctx, const char* chemin);
  // Creates one folder; 0 when it cannot (it may exist already).
  int (*dossier_creer)(void* ctx, const char* chemin);
  // Copies source (relative to the current folder) to destination byte for
  // byte, created or truncated, and gives it the source's date and time:
  // 0, or -1 when either cannot be opened or a read or write fails.
  int (*fichier_copier)(void* ctx, const char* source, const char* destination);
  // Full path of the installer's own program file, at most taille - 1
  // bytes and a NUL; returns the bytes copied.
  uint32_t (*programme_chemin)(void* ctx, char* chemin, uint32_t taille);

  // The status line takes a text and is drawn at once: the steps follow
  // each other faster than the window would repaint it.
  void (*zone_ecrire)(void* ctx, Poignee zone, const char* texte);
  void (*curseur)(void* ctx, Poignee curseur);
  void (*bouton_activer)(void* ctx, Poignee bouton, int actif);
  // Message box with the platform's BOITE_ and ICONE_ styles; the button pressed.
  int (*message)(void* ctx, Poignee proprietaire, const char* texte, const char* titre, unsigned style);
  // Posts the "&Installer" command to the window: the next step.
  void (*etape_suivante)(void* ctx, Poignee fenetre);
  // A timer of the window, started again from zero when it runs already.
  void (*minuteur_demarrer)(void* ctx, Poignee fenetre, unsigned id, unsigned periode_ms);
  void (*minuteur_arreter)(void* ctx, Poignee fenetre, unsigned id);
  void (*police_supprimer)(void* ctx, Poignee police);
  void (*fenetre_detruire)(void* ctx, Poignee fenetre);

  // The folder dialog, run on the installer's state: its hook calls
  // ChoixDossierChange, ChoixDossierOK and ChoixDossierAnnuler. Returns
  // the dialog's extended error code, 0 when it was closed normally.
  uint32_t (*dialogue_dossier)(void* ctx, Installateur* in);

  // Global atoms; the empty name gives 0, "any application".
  uint16_t (*atome_ajouter)(void* ctx, const char* nom);
  void (*atome_supprimer)(void* ctx, uint16_t atome);
  // Sends the DDE initiate to every top-level window and returns once each
  // has handled it: the servers' acknowledges arrive during the call.
  void (*dde_initier)(void* ctx, Poignee client, uint16_t application, uint16_t sujet);
  // The application and topic atoms of an acknowledge to the initiate.
  void (*dde_accuse_atomes)(void* ctx, uintptr_t parametre, uint16_t* application, uint16_t* sujet);
  // The status and command block of an acknowledge to an execute, whose
  // parameter is released; 0 when it holds none.
  int (*dde_accuse_commande)(void* ctx, uintptr_t parametre, unsigned* statut, Poignee* bloc);
  // A new shared block holding commande and its NUL; null on failure.
  Poignee (*dde_bloc)(void* ctx, const char* commande);
  void (*dde_bloc_liberer)(void* ctx, Poignee bloc);
  // Posts the execute of bloc to the server; 0 when it could not be posted.
  int (*dde_executer)(void* ctx, Poignee serveur, Poignee client, Poignee bloc);
  // Posts the terminate to the server.
  void (*dde_terminer)(void* ctx, Poignee serveur, Poignee client);
};
