#include <cstdio>

#include "pilote.h"

namespace {

// Old-style and Explorer-style file dialogs keep the name in different boxes.
constexpr int ID_NOM_EXPLORATEUR = 0x47C;
constexpr int ID_NOM_ANCIEN = 0x480;
constexpr int ID_TEXTE_BOITE = 0xFFFF;

std::string NomDeCapture(const Programme& p, const char* titre) {
  char numero[8];
  std::snprintf(numero, sizeof numero, "_%02d_", p.captures);
  std::string nom = p.cas + numero;
  for (const char* c = titre; *c; ++c) {
    const bool garde = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9');
    if (garde) {
      nom += *c;
    } else if (nom.back() != '_') {
      nom += '_';
    }
  }
  while (nom.back() == '_') nom.pop_back();
  return nom;
}

BOOL CALLBACK Decrire(HWND fenetre, LPARAM pid) {
  DWORD proprietaire = 0;
  GetWindowThreadProcessId(fenetre, &proprietaire);
  if (proprietaire != static_cast<DWORD>(pid) || !IsWindowVisible(fenetre)) return TRUE;
  char classe[64] = {}, titre[256] = {};
  GetClassNameA(fenetre, classe, sizeof classe);
  GetWindowTextA(fenetre, titre, sizeof titre);
  std::printf("  fenetre visible : classe \"%s\", titre \"%s\"\n", classe, titre);
  return TRUE;
}

}  // namespace

HWND PiloteChercherDialogue(const Programme& p, const char* titre) {
  return PiloteChercherFenetre(p.pid, "#32770", titre);
}

HWND PiloteAttendreDialogue(Programme& p, const char* titre, int delai_ms) {
  HWND dialogue = nullptr;
  const bool vu = PiloteAttendre([&] { return (dialogue = PiloteChercherDialogue(p, titre)) != nullptr; }, delai_ms);
  if (!vu) {
    std::printf("dialogue \"%s\" absent apres %d ms\n", titre, delai_ms);
    EnumWindows(Decrire, static_cast<LPARAM>(p.pid));
    return nullptr;
  }
  // Let it paint before the screenshot.
  DWORD_PTR resultat = 0;
  SendMessageTimeoutA(dialogue, WM_NULL, 0, 0, SMTO_NORMAL, DELAI_MS, &resultat);
  Sleep(200);
  ++p.captures;
  PiloteCapturer(dialogue, NomDeCapture(p, titre));
  return dialogue;
}

std::string PiloteTexteBoite(HWND boite) {
  return PiloteTexteControle(boite, ID_TEXTE_BOITE);
}

bool PiloteCliquer(HWND dialogue, int id) {
  HWND bouton = GetDlgItem(dialogue, id);
  if (!bouton) return false;
  // Posted, not sent: the click may open another modal window.
  return PostMessageA(bouton, BM_CLICK, 0, 0) != 0;
}

bool PiloteAttendreDisparition(HWND fenetre, int delai_ms) {
  return PiloteAttendre([&] { return !IsWindow(fenetre) || !IsWindowVisible(fenetre); }, delai_ms);
}

namespace {

struct Proprietaire {
  HWND proprietaire;
  HWND trouvee;
};

BOOL CALLBACK ExaminerPossedee(HWND fenetre, LPARAM l) {
  Proprietaire* r = reinterpret_cast<Proprietaire*>(l);
  if (GetWindow(fenetre, GW_OWNER) != r->proprietaire || !IsWindowVisible(fenetre)) return TRUE;
  r->trouvee = fenetre;
  return FALSE;
}

}  // namespace

bool PiloteRepondreFichier(Programme& p, const char* titre, const std::string& chemin, bool remplacer) {
  HWND dialogue = PiloteAttendreDialogue(p, titre);
  if (!dialogue) return false;
  HWND nom = GetDlgItem(dialogue, ID_NOM_EXPLORATEUR);
  if (!nom) nom = GetDlgItem(dialogue, ID_NOM_ANCIEN);
  DWORD_PTR resultat = 0;
  if (!nom || !SendMessageTimeoutA(nom, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chemin.c_str()),
                                   SMTO_NORMAL, DELAI_MS, &resultat)) {
    std::printf("zone du nom de fichier introuvable dans \"%s\"\n", titre);
    return false;
  }
  PostMessageA(dialogue, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialogue, IDOK)));
  if (remplacer) {
    // The dialog's own question before it writes over an existing file.
    Proprietaire r{dialogue, nullptr};
    if (!PiloteAttendre([&] {
          EnumWindows(ExaminerPossedee, reinterpret_cast<LPARAM>(&r));
          return r.trouvee != nullptr;
        }) ||
        !PiloteCliquer(r.trouvee, IDYES)) {
      std::printf("\"%s\" ne demande pas s'il faut remplacer le fichier\n", titre);
      return false;
    }
  }
  if (PiloteAttendreDisparition(dialogue)) return true;
  std::printf("\"%s\" reste ouvert apres OK\n", titre);
  return false;
}
