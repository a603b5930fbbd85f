#include "systeme_win32.h"

#include <dde.h>

#include "lvxsetup_ids.h"

namespace {

int DossierCourant(void*, char* chemin, uint32_t taille) {
  const DWORD n = GetCurrentDirectoryA(taille, chemin);
  return n > 0 && n < taille;
}

int RendreCourant(void*, const char* chemin) { return SetCurrentDirectoryA(chemin) != 0; }

int Creer(void*, const char* chemin) { return CreateDirectoryA(chemin, nullptr) != 0; }

// Every byte of the source, then its date and time; a read or write that
// fails is a failed copy, not a short file.
int file_copy(void*, const char* source, const char* destination) {
  HANDLE lecture = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (lecture == INVALID_HANDLE_VALUE) return -1;
  HANDLE ecriture =
      CreateFileA(destination, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ecriture == INVALID_HANDLE_VALUE) {
    CloseHandle(lecture);
    return -1;
  }
  char tampon[65536];
  DWORD lus = 0;
  bool ok;
  while ((ok = ReadFile(lecture, tampon, sizeof tampon, &lus, nullptr) != 0) && lus > 0) {
    DWORD ecrits = 0;
    if (!WriteFile(ecriture, tampon, lus, &ecrits, nullptr) || ecrits != lus) {
      ok = false;
      break;
    }
  }
  FILETIME creation, acces, modification;
  if (ok && GetFileTime(lecture, &creation, &acces, &modification))
    SetFileTime(ecriture, nullptr, nullptr, &modification);
  CloseHandle(lecture);
  if (!CloseHandle(ecriture)) ok = false;
  return ok ? 0 : -1;
}

uint32_t ProgrammeChemin(void*, char* chemin, uint32_t taille) {
  const DWORD n = GetModuleFileNameA(nullptr, chemin, taille);
  // A path cut to the buffer would name another folder.
  if (n == 0 || n >= taille) {
    chemin[0] = 0;
    return 0;
  }
  return n;
}

void ZoneEcrire(void*, Poignee zone, const char* texte) {
  SetWindowTextA((HWND)zone, texte);
  RedrawWindow((HWND)zone, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Curseur(void*, Poignee curseur) { SetCursor((HCURSOR)curseur); }

void Activer(void*, Poignee bouton, int actif) { EnableWindow((HWND)bouton, actif); }

int Message(void*, Poignee proprietaire, const char* texte, const char* titre, unsigned style) {
  return MessageBoxA((HWND)proprietaire, texte, titre, style);
}

void EtapeSuivante(void*, Poignee fenetre) {
  PostMessageA((HWND)fenetre, WM_COMMAND, MAKEWPARAM(CMD_SETUP_INSTALLER, 0), 0);
}

void MinuteurDemarrer(void*, Poignee fenetre, unsigned id, unsigned periode) {
  SetTimer((HWND)fenetre, id, periode, nullptr);
}

void MinuteurArreter(void*, Poignee fenetre, unsigned id) { KillTimer((HWND)fenetre, id); }

void PoliceSupprimer(void*, Poignee police) { DeleteObject((HFONT)police); }

void Detruire(void*, Poignee fenetre) { DestroyWindow((HWND)fenetre); }

uint16_t AtomeAjouter(void*, const char* nom) { return *nom ? GlobalAddAtomA(nom) : 0; }

void AtomeSupprimer(void*, uint16_t atome) { GlobalDeleteAtom(atome); }

// Sent, not posted: each server acknowledges by a sent message while this
// waits. A window that hangs is passed over rather than waited for.
void Initier(void*, Poignee client, uint16_t application, uint16_t sujet) {
  DWORD_PTR resultat = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, (WPARAM)client, MAKELPARAM(application, sujet),
                      SMTO_ABORTIFHUNG, 2000, &resultat);
}

void AccuseAtomes(void*, uintptr_t parametre, uint16_t* application, uint16_t* sujet) {
  *application = LOWORD(parametre);
  *sujet = HIWORD(parametre);
}

int AccuseCommande(void*, uintptr_t parametre, unsigned* statut, Poignee* bloc) {
  UINT_PTR bas = 0, haut = 0;
  if (!UnpackDDElParam(WM_DDE_ACK, (LPARAM)parametre, &bas, &haut)) return 0;
  FreeDDElParam(WM_DDE_ACK, (LPARAM)parametre);
  *statut = (unsigned)bas;
  *bloc = (Poignee)haut;
  return 1;
}

Poignee Bloc(void*, const char* commande) {
  const size_t taille = lstrlenA(commande) + 1;
  HGLOBAL bloc = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, taille);
  if (!bloc) return nullptr;
  char* octets = (char*)GlobalLock(bloc);
  if (!octets) {
    GlobalFree(bloc);
    return nullptr;
  }
  CopyMemory(octets, commande, taille);
  GlobalUnlock(bloc);
  return bloc;
}

void BlocLiberer(void*, Poignee bloc) { GlobalFree((HGLOBAL)bloc); }

int Executer(void*, Poignee serveur, Poignee client, Poignee bloc) {
  const LPARAM l = PackDDElParam(WM_DDE_EXECUTE, 0, (UINT_PTR)bloc);
  if (PostMessageA((HWND)serveur, WM_DDE_EXECUTE, (WPARAM)client, l)) return 1;
  FreeDDElParam(WM_DDE_EXECUTE, l);
  return 0;
}

void Terminer(void*, Poignee serveur, Poignee client) {
  PostMessageA((HWND)serveur, WM_DDE_TERMINATE, (WPARAM)client, 0);
}

const SystemeInstallation SYSTEME = {
    .ctx = nullptr,
    .dossier_courant = DossierCourant,
    .dossier_rendre_courant = RendreCourant,
    .dossier_creer = Creer,
    .fichier_copier = file_copy,
    .programme_chemin = ProgrammeChemin,
    .zone_ecrire = ZoneEcrire,
    .curseur = Curseur,
    .bouton_activer = Activer,
    .message = Message,
    .etape_suivante = EtapeSuivante,
    .minuteur_demarrer = MinuteurDemarrer,
    .minuteur_arreter = MinuteurArreter,
    .police_supprimer = PoliceSupprimer,
    .fenetre_detruire = Detruire,
    .dialogue_dossier = DialogueDossierWin32,
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

}  // namespace

const SystemeInstallation* SystemeInstallationWin32() { return &SYSTEME; }
