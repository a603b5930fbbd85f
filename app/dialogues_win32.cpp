// The main program's own dialogs: their procedures only move control states
// in and out of the records whose rules live in the core.
#include "dialogues_win32.h"

#include "app/criteres.h"

namespace {

enum : UINT { MESSAGE_FOCUS_EXPRESSION = 0xC000 };

struct Textes {
  const char* titre;
  char* premier;
  char* second;
  uint32_t taille;
};

HINSTANCE Programme() { return GetModuleHandleA(nullptr); }

// "Aller à la fiche...": edit 640, OK 639, Annuler 638.
INT_PTR CALLBACK ProcedureAller(HWND d, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      SetFocus(GetDlgItem(d, 640));
      return FALSE;
    case WM_COMMAND: {
      Textes* t = (Textes*)GetWindowLongPtrA(d, DWLP_USER);
      if (LOWORD(w) == 639 || LOWORD(w) == IDOK) {
        GetDlgItemTextA(d, 640, t->premier, (int)t->taille);
        EndDialog(d, 1);
      } else if (LOWORD(w) == 638 || LOWORD(w) == IDCANCEL) {
        EndDialog(d, 0);
      }
      return TRUE;
    }
  }
  return FALSE;
}

int DialogueAller(void*, Poignee proprietaire, char* texte, uint32_t taille) {
  Textes t = {nullptr, texte, nullptr, taille};
  texte[0] = 0;
  return DialogBoxParamA(Programme(), "ALLERALAFICHEBOX", (HWND)proprietaire, ProcedureAller,
                         (LPARAM)&t) == 1;
}

// DEAFICHEBOX: edits 342 and 343, OK 339, Annuler 344.
INT_PTR CALLBACK ProcedurePlage(HWND d, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      SetWindowTextA(d, ((Textes*)l)->titre);
      SetFocus(GetDlgItem(d, 342));
      return FALSE;
    case WM_COMMAND: {
      Textes* t = (Textes*)GetWindowLongPtrA(d, DWLP_USER);
      if (LOWORD(w) == 339 || LOWORD(w) == IDOK) {
        GetDlgItemTextA(d, 342, t->premier, (int)t->taille);
        GetDlgItemTextA(d, 343, t->second, (int)t->taille);
        EndDialog(d, 1);
      } else if (LOWORD(w) == 344 || LOWORD(w) == IDCANCEL) {
        EndDialog(d, 0);
      }
      return TRUE;
    }
  }
  return FALSE;
}

int DialoguePlage(void*, Poignee proprietaire, const char* titre, char* de, char* a,
                  uint32_t taille) {
  Textes t = {titre, de, a, taille};
  de[0] = a[0] = 0;
  return DialogBoxParamA(Programme(), "DEAFICHEBOX", (HWND)proprietaire, ProcedurePlage,
                         (LPARAM)&t) == 1;
}

void MontrerCriteres(HWND d, const DialogueCriteres* c) {
  for (int i = 0; i < 9; i++)
    CheckDlgButton(d, IDS_CRITERES[i], c->drapeaux[i] ? BST_CHECKED : BST_UNCHECKED);
}

// RECHERCHEBOX: nine boxes, the expression 436, Couper 461, Copier 462,
// Coller 463, OK 496, Annuler 460.
INT_PTR CALLBACK ProcedureCriteres(HWND d, UINT message, WPARAM w, LPARAM l) {
  DialogueCriteres* c = (DialogueCriteres*)GetWindowLongPtrA(d, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      c = (DialogueCriteres*)l;
      MontrerCriteres(d, c);
      SetDlgItemTextA(d, ID_CRITERE_EXPRESSION, c->expression);
      PostMessageA(d, MESSAGE_FOCUS_EXPRESSION, 0, 0);
      return TRUE;
    case MESSAGE_FOCUS_EXPRESSION:
      SetFocus(GetDlgItem(d, ID_CRITERE_EXPRESSION));
      return TRUE;
    case WM_COMMAND: {
      unsigned id = LOWORD(w);
      HWND expression = GetDlgItem(d, ID_CRITERE_EXPRESSION);
      if (id == 461 || id == 462 || id == 463) {
        SendMessageA(expression, id == 461 ? WM_CUT : id == 462 ? WM_COPY : WM_PASTE, 0, 0);
        PostMessageA(d, MESSAGE_FOCUS_EXPRESSION, 0, 0);
      } else if (id == 496 || id == IDOK) {
        GetDlgItemTextA(d, ID_CRITERE_EXPRESSION, c->expression, sizeof c->expression);
        EndDialog(d, 1);
      } else if (id == 460 || id == IDCANCEL) {
        EndDialog(d, 0);
      } else if (HIWORD(w) == BN_CLICKED) {
        CriteresCliquer(c, id);
        MontrerCriteres(d, c);
      }
      return TRUE;
    }
  }
  return FALSE;
}

int DialogueCriteresSysteme(void*, Poignee proprietaire, DialogueCriteres* c) {
  return DialogBoxParamA(Programme(), "RECHERCHEBOX", (HWND)proprietaire, ProcedureCriteres,
                         (LPARAM)c) == 1;
}

// MARQUAGEBOX: boxes 519 to 523, OK 524, Annuler 525.
INT_PTR CALLBACK ProcedureIncompletes(HWND d, UINT message, WPARAM w, LPARAM l) {
  uint16_t* choix = (uint16_t*)GetWindowLongPtrA(d, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      for (int i = 0; i < 5; i++)
        CheckDlgButton(d, 519 + i, ((uint16_t*)l)[i] ? BST_CHECKED : BST_UNCHECKED);
      return TRUE;
    case WM_COMMAND: {
      unsigned id = LOWORD(w);
      if (id == 524 || id == IDOK) {
        EndDialog(d, 1);
      } else if (id == 525 || id == IDCANCEL) {
        EndDialog(d, 0);
      } else if (id >= 519 && id <= 523) {
        choix[id - 519] = !choix[id - 519];
        CheckDlgButton(d, id, choix[id - 519] ? BST_CHECKED : BST_UNCHECKED);
      }
      return TRUE;
    }
  }
  return FALSE;
}

int DialogueIncompletes(void*, Poignee proprietaire, uint16_t choix[5]) {
  return DialogBoxParamA(Programme(), "MARQUAGEBOX", (HWND)proprietaire, ProcedureIncompletes,
                         (LPARAM)choix) == 1;
}

}  // namespace

const Plateforme* PlateformeProgramme() {
  static Plateforme programme = [] {
    Plateforme p = *PlateformeSysteme();
    p.dialogue_aller = DialogueAller;
    p.dialogue_criteres = DialogueCriteresSysteme;
    p.dialogue_plage = DialoguePlage;
    p.dialogue_incompletes = DialogueIncompletes;
    return p;
  }();
  return &programme;
}
