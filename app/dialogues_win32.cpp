// The main program's own dialogs: their procedures only move control states
// in and out of the records whose rules live in the core.
#include "dialogues_win32.h"

#include "app/criteres.h"
#include "app/dialogue_imprimer.h"
#include "base/lorvanix_ids.h"

namespace {

enum : UINT { MESSAGE_FOCUS_EXPRESSION = 0xC000 };

struct Textes {
  const char* titre;
  char* premier;
  char* second;
  uint32_t taille;
};

HINSTANCE Programme() { return GetModuleHandleA(nullptr); }

// "Aller à la fiche...".
INT_PTR CALLBACK ProcedureAller(HWND d, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      SetFocus(GetDlgItem(d, IDC_ALLER_NUMERO));
      return FALSE;
    case WM_COMMAND: {
      Textes* t = (Textes*)GetWindowLongPtrA(d, DWLP_USER);
      if (LOWORD(w) == IDC_ALLER_OK || LOWORD(w) == IDOK) {
        GetDlgItemTextA(d, IDC_ALLER_NUMERO, t->premier, (int)t->taille);
        EndDialog(d, 1);
      } else if (LOWORD(w) == IDC_ALLER_ANNULER || LOWORD(w) == IDCANCEL) {
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

// DEAFICHEBOX: a range of card numbers.
INT_PTR CALLBACK ProcedurePlage(HWND d, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      SetWindowTextA(d, ((Textes*)l)->titre);
      SetFocus(GetDlgItem(d, IDC_PLAGE_DE));
      return FALSE;
    case WM_COMMAND: {
      Textes* t = (Textes*)GetWindowLongPtrA(d, DWLP_USER);
      if (LOWORD(w) == IDC_PLAGE_OK || LOWORD(w) == IDOK) {
        GetDlgItemTextA(d, IDC_PLAGE_DE, t->premier, (int)t->taille);
        GetDlgItemTextA(d, IDC_PLAGE_A, t->second, (int)t->taille);
        EndDialog(d, 1);
      } else if (LOWORD(w) == IDC_PLAGE_ANNULER || LOWORD(w) == IDCANCEL) {
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

// RECHERCHEBOX: nine boxes, the expression and its Couper, Copier and
// Coller buttons.
INT_PTR CALLBACK ProcedureCriteres(HWND d, UINT message, WPARAM w, LPARAM l) {
  DialogueCriteres* c = (DialogueCriteres*)GetWindowLongPtrA(d, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      c = (DialogueCriteres*)l;
      MontrerCriteres(d, c);
      SetDlgItemTextA(d, IDC_CRITERE_EXPRESSION, c->expression);
      PostMessageA(d, MESSAGE_FOCUS_EXPRESSION, 0, 0);
      return TRUE;
    case MESSAGE_FOCUS_EXPRESSION:
      SetFocus(GetDlgItem(d, IDC_CRITERE_EXPRESSION));
      return TRUE;
    case WM_COMMAND: {
      unsigned id = LOWORD(w);
      HWND expression = GetDlgItem(d, IDC_CRITERE_EXPRESSION);
      if (id == IDC_CRITERE_COUPER || id == IDC_CRITERE_COPIER || id == IDC_CRITERE_COLLER) {
        SendMessageA(expression,
                     id == IDC_CRITERE_COUPER   ? WM_CUT
                     : id == IDC_CRITERE_COPIER ? WM_COPY
                                                : WM_PASTE,
                     0, 0);
        PostMessageA(d, MESSAGE_FOCUS_EXPRESSION, 0, 0);
      } else if (id == IDC_CRITERE_OK || id == IDOK) {
        GetDlgItemTextA(d, IDC_CRITERE_EXPRESSION, c->expression, sizeof c->expression);
        EndDialog(d, 1);
      } else if (id == IDC_CRITERE_ANNULER || id == IDCANCEL) {
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

// MARQUAGEBOX: one box per field, in field order.
INT_PTR CALLBACK ProcedureIncompletes(HWND d, UINT message, WPARAM w, LPARAM l) {
  uint16_t* choix = (uint16_t*)GetWindowLongPtrA(d, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      for (int i = 0; i < 5; i++)
        CheckDlgButton(d, IDC_INCOMPLETE_NOM + i, ((uint16_t*)l)[i] ? BST_CHECKED : BST_UNCHECKED);
      return TRUE;
    case WM_COMMAND: {
      unsigned id = LOWORD(w);
      if (id == IDC_INCOMPLETE_OK || id == IDOK) {
        EndDialog(d, 1);
      } else if (id == IDC_INCOMPLETE_ANNULER || id == IDCANCEL) {
        EndDialog(d, 0);
      } else if (id >= IDC_INCOMPLETE_NOM && id <= IDC_INCOMPLETE_NOTES) {
        uint16_t* c = &choix[id - IDC_INCOMPLETE_NOM];
        *c = !*c;
        CheckDlgButton(d, id, *c ? BST_CHECKED : BST_UNCHECKED);
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

void MontrerOptions(HWND d, const DialogueImprimer* o) {
  for (unsigned id : IDS_OPTIONS_IMPRESSION)
    CheckDlgButton(d, id, DialogueImprimerCoche(o, id) ? BST_CHECKED : BST_UNCHECKED);
}

// IMPRIMERBOX: seventeen boxes, OK, Annuler and Configurer; Return is OK
// and Escape Annuler.
INT_PTR CALLBACK ProcedureImprimer(HWND d, UINT message, WPARAM w, LPARAM l) {
  DialogueImprimer* o = (DialogueImprimer*)GetWindowLongPtrA(d, DWLP_USER);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(d, DWLP_USER, l);
      o = (DialogueImprimer*)l;
      o->fenetre = d;
      MontrerOptions(d, o);
      return TRUE;
    case WM_COMMAND: {
      unsigned id = LOWORD(w);
      if (id == IDOK) id = IDC_IMPRIMER_OK;
      else if (id == IDCANCEL) id = IDC_IMPRIMER_ANNULER;
      else if (HIWORD(w) != BN_CLICKED) return TRUE;
      SuiteImprimer suite = DialogueImprimerAppuyer(o, id);
      if (suite == IMPRIMER_RESTE) MontrerOptions(d, o);
      else EndDialog(d, suite == IMPRIMER_FERME_OK);
      return TRUE;
    }
  }
  return FALSE;
}

int DialogueImprimerSysteme(void*, Poignee proprietaire, DialogueImprimer* o) {
  return DialogBoxParamA(Programme(), "IMPRIMERBOX", (HWND)proprietaire, ProcedureImprimer,
                         (LPARAM)o) == 1;
}

// Filled by name: a member left out does not build.
const DialoguesProgramme dialogues_programme = {
    .ctx = nullptr,
    .dialogue_aller = DialogueAller,
    .dialogue_criteres = DialogueCriteresSysteme,
    .dialogue_plage = DialoguePlage,
    .dialogue_incompletes = DialogueIncompletes,
    .dialogue_imprimer = DialogueImprimerSysteme,
};

}  // namespace

const SystemeProgramme* SystemeDuProgramme() {
  static const SystemeProgramme systeme = {
      .memoire = MemoireSysteme(),
      .fichiers = FichiersSysteme(),
      .fenetres = FenetresSysteme(),
      .caracteres = CaracteresSysteme(),
      .coquille = CoquilleSysteme(),
      .presse_papiers = PressePapiersSysteme(),
      .communs = DialoguesCommunsSysteme(),
      .dialogues = &dialogues_programme,
      .imprimante = ImprimanteSysteme(),
  };
  return &systeme;
}
