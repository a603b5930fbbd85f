// Checks bwcc32.dll and lvxinfo.dll the way the program and its libraries use
// them: loaded by name, exports found by their undecorated names, the four
// classes answering the usual messages (also inside a dialog of another
// module), and the information box closing on OK and on Escape.
// Prints each failure and exits non-zero on any.
// Screenshots go where the other end-to-end runs put theirs;
// "essai_bwcc --attente ms" keeps the windows up that long besides.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "pilote.h"

typedef BOOL(__stdcall* FnBWCCRegister)(HINSTANCE);
typedef unsigned short(__stdcall* FnAfficherLvxInform)(int, HWND);

// The values the program and the dialog templates use.
static const UINT BBM_SETBITS = 254;
static const DWORD BSS_GROUP = 1, BSS_HDIP = 2, BSS_RGROUP = 6;
static const char TITRE_INFO[] = "A propos de Lorvanix 6.1";
static const COLORREF ROUGE = RGB(255, 0, 0), VERT = RGB(0, 255, 0), BLEU = RGB(0, 0, 255);

static LONG g_echecs = 0;

static void Verifier(bool ok, const char* quoi) {
  if (ok) return;
  std::printf("ECHEC : %s\n", quoi);
  std::fflush(stdout);
  InterlockedIncrement(&g_echecs);
}

// The last command notification a window of the test received.
struct Notification {
  int nombre;
  int id;
  int code;
  HWND emetteur;
};
static Notification g_recu;

static void Noter(WPARAM w, LPARAM l) {
  ++g_recu.nombre;
  g_recu.id = LOWORD(w);
  g_recu.code = HIWORD(w);
  g_recu.emetteur = reinterpret_cast<HWND>(l);
}

static bool Recu(int id, HWND emetteur) {
  return g_recu.nombre == 1 && g_recu.id == id && g_recu.code == BN_CLICKED && g_recu.emetteur == emetteur;
}

static LRESULT CALLBACK FenetreProc(HWND f, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_COMMAND && l) {
    Noter(w, l);
    return 0;
  }
  return DefWindowProcA(f, m, w, l);
}

static INT_PTR CALLBACK DialogueProc(HWND, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_INITDIALOG) return TRUE;
  if (m == WM_COMMAND) {
    Noter(w, l);
    return TRUE;
  }
  return FALSE;
}

static void Attendre(DWORD ms) {
  DWORD fin = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (static_cast<LONG>(fin - GetTickCount()) > 0);
}

static HBITMAP Uni(COLORREF couleur) {
  HDC ecran = GetDC(nullptr);
  HDC memoire = CreateCompatibleDC(ecran);
  HBITMAP image = CreateCompatibleBitmap(ecran, 32, 32);
  ReleaseDC(nullptr, ecran);
  HGDIOBJ ancienne = SelectObject(memoire, image);
  RECT rc = {0, 0, 32, 32};
  HBRUSH pinceau = CreateSolidBrush(couleur);
  FillRect(memoire, &rc, pinceau);
  DeleteObject(pinceau);
  SelectObject(memoire, ancienne);
  DeleteDC(memoire);
  return image;
}

// The client area of a control, as it paints it through WM_PRINTCLIENT or
// as the screen shows it once pending paints are done. On screen nothing
// the system control paints on its own may stay over our painting.
struct Pixels {
  int largeur = 0;
  std::vector<COLORREF> p;
  COLORREF En(int x, int y) const { return p[y * largeur + x]; }
};

static Pixels Lire(HDC hdc, const RECT& rc) {
  Pixels r;
  r.largeur = rc.right;
  for (int y = 0; y < rc.bottom; ++y)
    for (int x = 0; x < rc.right; ++x) r.p.push_back(GetPixel(hdc, x, y));
  return r;
}

static Pixels Peint(HWND f) {
  RECT rc;
  GetClientRect(f, &rc);
  HDC ecran = GetDC(nullptr);
  HDC memoire = CreateCompatibleDC(ecran);
  HBITMAP toile = CreateCompatibleBitmap(ecran, rc.right, rc.bottom);
  ReleaseDC(nullptr, ecran);
  HGDIOBJ ancienne = SelectObject(memoire, toile);
  SendMessageA(f, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memoire), PRF_CLIENT);
  Pixels r = Lire(memoire, rc);
  SelectObject(memoire, ancienne);
  DeleteObject(toile);
  DeleteDC(memoire);
  return r;
}

static Pixels Ecran(HWND f) {
  Attendre(30);
  RECT rc;
  GetClientRect(f, &rc);
  HDC hdc = GetDC(f);
  Pixels r = Lire(hdc, rc);
  ReleaseDC(f, hdc);
  return r;
}

static COLORREF PixelPeint(HWND f, int x, int y) { return Peint(f).En(x, y); }
static COLORREF PixelEcran(HWND f, int x, int y) { return Ecran(f).En(x, y); }

static bool Texte(HWND f, const char* attendu) {
  char lu[128] = "";
  SendMessageA(f, WM_GETTEXT, sizeof lu, reinterpret_cast<LPARAM>(lu));
  return std::strcmp(lu, attendu) == 0;
}

static bool Etat(HWND f, LRESULT bit) { return (SendMessageA(f, BM_GETSTATE, 0, 0) & bit) != 0; }

static bool ParDefaut(HWND bouton) { return (SendMessageA(bouton, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0; }

static HWND Controle(HWND parent, const char* classe, const char* texte, DWORD style, int x, int y, int l, int h,
                     int id) {
  HWND f = CreateWindowExA(0, classe, texte, WS_CHILD | WS_VISIBLE | style, x, y, l, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  char quoi[80];
  std::snprintf(quoi, sizeof quoi, "creer un controle \"%s\" depuis un autre module", classe);
  Verifier(f != nullptr, quoi);
  return f;
}

static void VerifierClasses() {
  static const char* const classes[] = {"BorShade", "BorStatic", "BORBTN", "borcheck"};
  for (const char* classe : classes) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    char quoi[80];
    std::snprintf(quoi, sizeof quoi, "classe \"%s\" globale", classe);
    Verifier(GetClassInfoExA(GetModuleHandleA(nullptr), classe, &wc) && (wc.style & CS_GLOBALCLASS), quoi);
  }
}

static void VerifierBoutonImages(HWND parent, HWND bouton) {
  HBITMAP images[3] = {Uni(ROUGE), Uni(VERT), Uni(BLEU)};
  Verifier(SendMessageA(bouton, BBM_SETBITS, 0, reinterpret_cast<LPARAM>(images)) != 0, "BORBTN : message 254");
  SetFocus(parent);
  Verifier(PixelPeint(bouton, 16, 16) == ROUGE, "BORBTN : image normale");
  Verifier(PixelEcran(bouton, 16, 16) == ROUGE, "BORBTN : image normale a l'ecran");

  SendMessageA(bouton, BM_SETSTATE, TRUE, 0);
  Verifier(Etat(bouton, BST_PUSHED), "BORBTN : BM_SETSTATE TRUE puis BM_GETSTATE");
  Verifier(PixelPeint(bouton, 16, 16) == VERT, "BORBTN : image enfoncee");
  Verifier(PixelEcran(bouton, 16, 16) == VERT, "BORBTN : image enfoncee a l'ecran");
  SendMessageA(bouton, BM_SETSTATE, FALSE, 0);
  Verifier(!Etat(bouton, BST_PUSHED), "BORBTN : BM_SETSTATE FALSE puis BM_GETSTATE");
  Verifier(PixelEcran(bouton, 16, 16) == ROUGE, "BORBTN : image normale apres relachement");

  SetFocus(bouton);
  Verifier(PixelPeint(bouton, 16, 16) == BLEU, "BORBTN : image de focus");
  Verifier(PixelEcran(bouton, 16, 16) == BLEU, "BORBTN : image de focus a l'ecran");
  SetFocus(parent);
  Verifier(PixelEcran(bouton, 16, 16) == ROUGE, "BORBTN : image normale apres perte du focus");

  g_recu = {};
  SendMessageA(bouton, BM_CLICK, 0, 0);
  Verifier(Recu(490, bouton), "BORBTN : BM_CLICK envoie BN_CLICKED au parent");
  Verifier(!Etat(bouton, BST_PUSHED), "BORBTN : relache apres BM_CLICK");
  SetFocus(parent);
}

static void VerifierBoutonTexte(HWND bouton) {
  Verifier(Texte(bouton, "OK"), "BORBTN : WM_GETTEXT");
  SendMessageA(bouton, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Annuler"));
  Verifier(Texte(bouton, "Annuler"), "BORBTN : WM_SETTEXT puis WM_GETTEXT");
  SendMessageA(bouton, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("OK"));
  Verifier(ParDefaut(bouton), "BORBTN : bouton par defaut");
  // Without bitmaps, a face and a frame, not the colours of another button.
  COLORREF face = PixelPeint(bouton, 4, 4);
  Verifier(face == GetSysColor(COLOR_BTNFACE), "BORBTN sans images : dessine en bouton");
  g_recu = {};
  SendMessageA(bouton, BM_CLICK, 0, 0);
  Verifier(Recu(IDOK, bouton), "BORBTN texte : BM_CLICK envoie BN_CLICKED");
}

static void VerifierCases(HWND marque, HWND automatique, HWND radio1, HWND radio2) {
  Verifier(SendMessageA(marque, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "borcheck : decochee a la creation");
  g_recu = {};
  SendMessageA(marque, BM_CLICK, 0, 0);
  Verifier(Recu(623, marque), "borcheck : BM_CLICK envoie BN_CLICKED au parent");
  Verifier(SendMessageA(marque, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "borcheck simple : le clic ne coche pas");
  RECT rc;
  GetClientRect(marque, &rc);
  Verifier(PixelPeint(marque, rc.right - 1, 0) == GetSysColor(COLOR_MENU), "borcheck : sur le fond de sa fenetre");
  Pixels decochee = Peint(marque);
  SendMessageA(marque, BM_SETCHECK, BST_CHECKED, 0);
  Verifier(SendMessageA(marque, BM_GETCHECK, 0, 0) == BST_CHECKED, "borcheck : BM_SETCHECK puis BM_GETCHECK");
  Pixels cochee = Peint(marque);
  Verifier(cochee.p != decochee.p, "borcheck : la coche se voit");
  Verifier(Ecran(marque).p == cochee.p, "borcheck : l'ecran montre la case cochee");
  SendMessageA(marque, BM_SETCHECK, BST_UNCHECKED, 0);
  Verifier(SendMessageA(marque, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "borcheck : BM_SETCHECK 0");
  Verifier(Texte(marque, "Marquage"), "borcheck : WM_GETTEXT");
  SendMessageA(marque, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Marque"));
  Verifier(Texte(marque, "Marque"), "borcheck : WM_SETTEXT puis WM_GETTEXT");
  SendMessageA(marque, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Marquage"));

  SendMessageA(automatique, BM_CLICK, 0, 0);
  Verifier(SendMessageA(automatique, BM_GETCHECK, 0, 0) == BST_CHECKED, "borcheck automatique : le clic coche");
  SendMessageA(automatique, BM_CLICK, 0, 0);
  Verifier(SendMessageA(automatique, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "borcheck automatique : le clic decoche");

  SendMessageA(radio1, BM_CLICK, 0, 0);
  SendMessageA(radio2, BM_CLICK, 0, 0);
  Verifier(SendMessageA(radio2, BM_GETCHECK, 0, 0) == BST_CHECKED &&
               SendMessageA(radio1, BM_GETCHECK, 0, 0) == BST_UNCHECKED,
           "borcheck radio : un seul coche du groupe");
  Verifier(Ecran(radio1).p == Peint(radio1).p && Ecran(radio2).p == Peint(radio2).p,
           "borcheck radio : l'ecran montre les choix");
}

static void VerifierTexteEtCadres(HWND statique, HWND groupe, HWND releve, HWND ligne) {
  SendMessageA(statique, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Fiche n\xB0 1"));
  Verifier(Texte(statique, "Fiche n\xB0 1"), "BorStatic : WM_SETTEXT puis WM_GETTEXT");
  SendMessageA(statique, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Texte BorStatic"));

  Verifier(Texte(groupe, "Options"), "BorShade : WM_GETTEXT");
  SendMessageA(groupe, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Choix"));
  Verifier(Texte(groupe, "Choix"), "BorShade : WM_SETTEXT puis WM_GETTEXT");
  SendMessageA(groupe, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Options"));
  Verifier(SendMessageA(groupe, WM_NCHITTEST, 0, 0) == HTTRANSPARENT, "BorShade : laisse passer la souris");
  Verifier(SendMessageA(groupe, WM_GETFONT, 0, 0) != 0, "BorShade : a une police");

  RECT rc;
  GetClientRect(groupe, &rc);
  COLORREF ombre = GetSysColor(COLOR_BTNSHADOW), lumiere = GetSysColor(COLOR_BTNHIGHLIGHT);
  Verifier(PixelPeint(groupe, 0, rc.bottom / 2) == ombre && PixelPeint(groupe, rc.right - 1, rc.bottom / 2) == lumiere,
           "BorShade BSS_GROUP : cadre en creux");
  GetClientRect(releve, &rc);
  Verifier(PixelPeint(releve, 0, rc.bottom / 2) == lumiere && PixelPeint(releve, rc.right - 1, rc.bottom / 2) == ombre,
           "BorShade BSS_RGROUP : cadre en relief");
  GetClientRect(ligne, &rc);
  Verifier(PixelPeint(ligne, rc.right / 2, rc.bottom / 2 - 1) == ombre, "BorShade BSS_HDIP : ligne en creux");
}

// A dialog template of this module, in memory, naming the classes.
struct Modele {
  std::vector<WORD> mots;
};

static void ModeleMot32(Modele& m, DWORD v) { m.mots.insert(m.mots.end(), {LOWORD(v), HIWORD(v)}); }

static void ModeleChaine(Modele& m, const char* s) {
  while (*s) m.mots.push_back(static_cast<unsigned char>(*s++));
  m.mots.push_back(0);
}

static void ModeleDebut(Modele& m, const char* titre, int nombre, int l, int h) {
  ModeleMot32(m, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE);
  ModeleMot32(m, 0);
  m.mots.insert(m.mots.end(), {static_cast<WORD>(nombre), 450, 20, static_cast<WORD>(l), static_cast<WORD>(h), 0, 0});
  ModeleChaine(m, titre);
  m.mots.push_back(8);
  ModeleChaine(m, "MS Shell Dlg");
}

static void ModeleControle(Modele& m, const char* classe, const char* texte, DWORD style, int x, int y, int l, int h,
                           int id) {
  if (m.mots.size() % 2) m.mots.push_back(0);  // items start on a DWORD
  ModeleMot32(m, WS_CHILD | WS_VISIBLE | style);
  ModeleMot32(m, 0);
  m.mots.insert(m.mots.end(), {static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(l), static_cast<WORD>(h),
                               static_cast<WORD>(id)});
  ModeleChaine(m, classe);
  ModeleChaine(m, texte);
  m.mots.push_back(0);
}

static HWND VerifierDialogue() {
  Modele modele;
  ModeleDebut(modele, "Dialogue BWCC", 5, 180, 90);
  ModeleControle(modele, "BorShade", "Groupe", BSS_GROUP, 6, 4, 168, 46, 101);
  ModeleControle(modele, "borcheck", "Case &automatique", BS_AUTOCHECKBOX | WS_TABSTOP, 14, 16, 110, 12, 100);
  ModeleControle(modele, "BorStatic", "Texte BorStatic", SS_LEFT, 14, 32, 110, 10, 102);
  ModeleControle(modele, "BORBTN", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 34, 60, 50, 14, IDOK);
  ModeleControle(modele, "BORBTN", "Annuler", BS_PUSHBUTTON | WS_TABSTOP, 96, 60, 50, 14, IDCANCEL);
  HWND dialogue = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(modele.mots.data()), nullptr,
                                             DialogueProc, 0);
  Verifier(dialogue != nullptr, "dialogue d'un autre module avec les classes BWCC");
  if (!dialogue) return nullptr;
  static const struct {
    int id;
    const char* classe;
  } attendus[] = {{101, "BorShade"}, {100, "borcheck"}, {102, "BorStatic"}, {IDOK, "BORBTN"}, {IDCANCEL, "BORBTN"}};
  for (const auto& a : attendus) {
    char classe[32] = "";
    GetClassNameA(GetDlgItem(dialogue, a.id), classe, sizeof classe);
    char quoi[80];
    std::snprintf(quoi, sizeof quoi, "dialogue : controle %d de classe %s", a.id, a.classe);
    Verifier(lstrcmpiA(classe, a.classe) == 0, quoi);
  }
  HWND cases = GetDlgItem(dialogue, 100);
  RECT rc;
  GetClientRect(cases, &rc);
  Verifier(PixelPeint(cases, rc.right - 1, 0) == GetSysColor(COLOR_BTNFACE), "dialogue : borcheck sur le fond du dialogue");
  Verifier(SendMessageA(dialogue, DM_GETDEFID, 0, 0) == MAKELONG(IDOK, DC_HASDEFID),
           "dialogue : OK (BORBTN) est le bouton par defaut");
  g_recu = {};
  SendMessageA(GetDlgItem(dialogue, IDCANCEL), BM_CLICK, 0, 0);
  Verifier(Recu(IDCANCEL, GetDlgItem(dialogue, IDCANCEL)), "dialogue : Annuler (BORBTN) notifie le dialogue");
  // Moving the focus moves the default button, as with system buttons.
  HWND ok = GetDlgItem(dialogue, IDOK), annuler = GetDlgItem(dialogue, IDCANCEL);
  SendMessageA(dialogue, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(annuler), TRUE);
  Verifier(ParDefaut(annuler) && !ParDefaut(ok), "dialogue : le focus sur Annuler en fait le bouton par defaut");
  SendMessageA(dialogue, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ok), TRUE);
  Verifier(ParDefaut(ok) && !ParDefaut(annuler), "dialogue : puis OK le redevient");
  return dialogue;
}

struct Fermeture {
  HWND proprietaire;
  DWORD attente;
  bool echap;
};

static bool Centree(HWND boite, HWND proprietaire) {
  RECT b, p;
  GetWindowRect(boite, &b);
  GetWindowRect(proprietaire, &p);
  return std::abs((b.left + b.right) - (p.left + p.right)) <= 2 && std::abs((b.top + b.bottom) - (p.top + p.bottom)) <= 2;
}

// Runs beside the modal box: checks it as a user sees it, then closes it.
static DWORD WINAPI FermerInfo(LPVOID p) {
  const Fermeture* f = static_cast<const Fermeture*>(p);
  HWND boite = nullptr;
  for (int i = 0; i < 500 && !(boite && IsWindowVisible(boite)); ++i) {
    boite = FindWindowA("#32770", TITRE_INFO);
    Sleep(20);
  }
  if (!boite || !IsWindowVisible(boite)) {
    std::printf("ECHEC : la boite \"%s\" n'apparait pas\n", TITRE_INFO);
    std::fflush(stdout);
    ExitProcess(3);
  }
  Verifier(GetWindow(boite, GW_OWNER) == f->proprietaire, "information : proprietaire");
  Verifier(Centree(boite, f->proprietaire), "information : centree sur le proprietaire");
  HWND ok = GetDlgItem(boite, IDOK);
  Verifier(ok && Texte(ok, "OK") && (SendMessageA(ok, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON),
           "information : bouton OK par defaut");
  HWND texte = FindWindowExA(boite, nullptr, "Edit", nullptr);
  char lu[2048] = "";
  if (texte) SendMessageA(texte, WM_GETTEXT, sizeof lu, reinterpret_cast<LPARAM>(lu));
  Verifier(texte && (GetWindowLongA(texte, GWL_STYLE) & (ES_READONLY | ES_MULTILINE)) == (ES_READONLY | ES_MULTILINE),
           "information : texte multiligne en lecture seule");
  Verifier(std::strstr(lu, "Lorvanix 6.1") && std::strstr(lu, "mingw-w64") && std::strstr(lu, "Wine"),
           "information : texte sur le programme");
  // The box names the build that runs: a 64-bit program is not "32 bits".
  Verifier(std::strstr(lu, sizeof(void*) == 8 ? "(64 bits)" : "(32 bits)") != nullptr,
           "information : la version de la construction");
  HWND image = FindWindowExA(boite, nullptr, "Static", nullptr);
  Verifier(image && SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0, "information : image");
  if (!f->echap) Verifier(PiloteCapturer(boite, "bwcc_information"), "information : capture");
  Sleep(f->attente);
  if (f->echap) {
    PostMessageA(ok, WM_KEYDOWN, VK_ESCAPE, 0);
  } else {
    SendMessageA(ok, BM_CLICK, 0, 0);
  }
  for (int i = 0; i < 250 && IsWindow(boite); ++i) Sleep(20);
  Verifier(!IsWindow(boite), f->echap ? "information : Echap la ferme" : "information : OK la ferme");
  return 0;
}

static void VerifierInformation(FnAfficherLvxInform afficher, HWND proprietaire, DWORD attente, bool echap) {
  Fermeture f = {proprietaire, attente, echap};
  HANDLE fil = CreateThread(nullptr, 0, FermerInfo, &f, 0, nullptr);
  unsigned short r = afficher(0, proprietaire);
  Verifier(WaitForSingleObject(fil, 15000) == WAIT_OBJECT_0, "information : fermeture");
  CloseHandle(fil);
  Verifier(r == 1, "AfficherLvxInform rend 1");
}

int main(int argc, char** argv) {
  DWORD attente = 0;
  if (argc == 3 && std::strcmp(argv[1], "--attente") == 0) attente = static_cast<DWORD>(std::atoi(argv[2]));

  HMODULE bwcc = LoadLibraryA("bwcc32.dll");
  HMODULE info = LoadLibraryA("lvxinfo.dll");
  Verifier(bwcc && info, "LoadLibrary de bwcc32.dll et lvxinfo.dll");
  if (!bwcc || !info) return 1;
  auto enregistrer = reinterpret_cast<FnBWCCRegister>(reinterpret_cast<void*>(GetProcAddress(bwcc, "BWCCRegister")));
  auto afficher =
      reinterpret_cast<FnAfficherLvxInform>(reinterpret_cast<void*>(GetProcAddress(info, "AfficherLvxInform")));
  Verifier(enregistrer && afficher, "exports BWCCRegister et AfficherLvxInform par leur nom non decore");
  Verifier(!GetProcAddress(bwcc, "BWCCRegister@4") && !GetProcAddress(info, "AfficherLvxInform@8"),
           "pas de nom decore exporte");
  if (!enregistrer || !afficher) return 1;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  Verifier(enregistrer(instance) == 1, "BWCCRegister rend 1");
  Verifier(enregistrer(instance) == 1, "BWCCRegister appele une seconde fois rend 1");
  VerifierClasses();

  WNDCLASSA wc = {};
  wc.lpfnWndProc = FenetreProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
  wc.lpszClassName = "EssaiBwcc";
  RegisterClassA(&wc);
  HWND fenetre = CreateWindowExA(0, "EssaiBwcc", "Essai bwcc32", WS_OVERLAPPEDWINDOW, 10, 10, 640, 480, nullptr,
                                 nullptr, instance, nullptr);
  Verifier(fenetre != nullptr, "fenetre d'essai");
  if (!fenetre) return 1;
  ShowWindow(fenetre, SW_SHOW);
  UpdateWindow(fenetre);
  SetForegroundWindow(fenetre);

  HWND images = Controle(fenetre, "BORBTN", "", BS_PUSHBUTTON, 0, 3, 32, 32, 490);
  HWND ok = Controle(fenetre, "BORBTN", "OK", BS_DEFPUSHBUTTON, 60, 6, 80, 26, IDOK);
  Controle(fenetre, "BORBTN", "Annuler", BS_PUSHBUTTON, 150, 6, 80, 26, IDCANCEL);
  HWND inactif = Controle(fenetre, "BORBTN", "Inactif", BS_PUSHBUTTON | WS_DISABLED, 240, 6, 80, 26, 3);
  HWND marque = Controle(fenetre, "borcheck", "Marquage", BS_CHECKBOX, 450, 45, 90, 22, 623);
  HWND groupe = Controle(fenetre, "BorShade", "Options", BSS_GROUP, 20, 80, 280, 120, 650);
  HWND automatique = Controle(fenetre, "borcheck", "Automatique", BS_AUTOCHECKBOX | WS_GROUP, 36, 104, 200, 20, 624);
  HWND radio1 = Controle(fenetre, "borcheck", "Premier choix", BS_AUTORADIOBUTTON | WS_GROUP, 36, 128, 200, 20, 631);
  HWND radio2 = Controle(fenetre, "borcheck", "Second choix", BS_AUTORADIOBUTTON, 36, 152, 200, 20, 632);
  HWND statique = Controle(fenetre, "BorStatic", "Texte BorStatic", SS_LEFT | WS_GROUP, 36, 210, 240, 20, 640);
  HWND releve = Controle(fenetre, "BorShade", "", BSS_RGROUP, 320, 80, 280, 120, 651);
  HWND ligne = Controle(fenetre, "BorShade", "", BSS_HDIP, 20, 240, 580, 2, 652);
  if (g_echecs) return 1;

  VerifierBoutonImages(fenetre, images);
  VerifierBoutonTexte(ok);
  VerifierCases(marque, automatique, radio1, radio2);
  VerifierTexteEtCadres(statique, groupe, releve, ligne);
  Verifier(PixelPeint(inactif, 4, 4) == GetSysColor(COLOR_BTNFACE), "BORBTN inactif : dessine");
  HWND dialogue = VerifierDialogue();

  // What the program shows: a marked card, the focus on a bitmap button.
  SendMessageA(marque, BM_SETCHECK, BST_CHECKED, 0);
  SetFocus(images);
  Attendre(100);
  Verifier(PiloteCapturer(fenetre, "bwcc_controles"), "capture de la fenetre d'essai");
  Attendre(attente);

  VerifierInformation(afficher, fenetre, attente, false);
  VerifierInformation(afficher, fenetre, 0, true);

  if (dialogue) DestroyWindow(dialogue);
  DestroyWindow(fenetre);
  if (g_echecs) {
    std::printf("essai_bwcc : %ld echec(s)\n", g_echecs);
    return 1;
  }
  std::printf("essai_bwcc : tout est bon\n");
  return 0;
}
