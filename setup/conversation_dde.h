// The program group, asked of the shell's program manager in a DDE
// conversation: initiate, five commands each acknowledged, terminate.
// Every wait on the server has a time limit.
#pragma once
#include <cstdint>
#include <string>

#include "installateur.h"
#include "systeme_installation.h"

enum : unsigned {
  MINUTEUR_SERVEUR = 1,
  DELAI_SERVEUR_MS = 15000,  // for the initiate and for each command
};

extern const char MESSAGE_SANS_SERVEUR[];

// The command n (1 to 5) for the installation folder.
std::string CommandeDde(int n, const char* dossier);

// Opens the conversation: the initiate to any application, then, when none
// answered during the broadcast, to "PROGMAN".
void ConversationOuvrir(Installateur* in, const SystemeInstallation* s);
// An acknowledge from `expediteur`: to the initiate (by its topic), or to
// the command awaited (by its block).
void ConversationAccuse(Installateur* in, const SystemeInstallation* s, Poignee expediteur,
                        uintptr_t parametre);
// The server ends the conversation.
void ConversationTerminaison(Installateur* in, const SystemeInstallation* s, Poignee expediteur);
// The server's time is up.
void ConversationDelai(Installateur* in, const SystemeInstallation* s);
// Terminate to the server if any, timer off, blocks and atoms released.
void ConversationFermer(Installateur* in, const SystemeInstallation* s);
