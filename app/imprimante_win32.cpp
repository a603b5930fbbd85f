// The printer as the main program reaches it: the common print dialog on
// its setup record, and the GDI objects handed to printing.
#include <cstddef>

#include "app/dialogues_win32.h"
#include "app/imprimer.h"
#include <commdlg.h>

// The setup record is handed to PrintDlgA as it stands, and by value to
// the printing libraries: it must be PRINTDLGA member for member.
static_assert(sizeof(EnregistrementImpression) == sizeof(PRINTDLGA));
#ifndef _WIN64
static_assert(sizeof(PRINTDLGA) == 66);
#endif
static_assert(offsetof(EnregistrementImpression, hwndOwner) == offsetof(PRINTDLGA, hwndOwner));
static_assert(offsetof(EnregistrementImpression, hDevMode) == offsetof(PRINTDLGA, hDevMode));
static_assert(offsetof(EnregistrementImpression, hDevNames) == offsetof(PRINTDLGA, hDevNames));
static_assert(offsetof(EnregistrementImpression, hDC) == offsetof(PRINTDLGA, hDC));
static_assert(offsetof(EnregistrementImpression, Flags) == offsetof(PRINTDLGA, Flags));
static_assert(offsetof(EnregistrementImpression, nCopies) == offsetof(PRINTDLGA, nCopies));
static_assert(offsetof(EnregistrementImpression, hInstance) == offsetof(PRINTDLGA, hInstance));
static_assert(offsetof(EnregistrementImpression, hSetupTemplate) ==
              offsetof(PRINTDLGA, hSetupTemplate));
static_assert(IMPRESSION_CONFIGURATION == PD_PRINTSETUP);
static_assert(IMPRESSION_RETOUR_DC == PD_RETURNDC);
static_assert(IMPRESSION_DEFAUT == PD_RETURNDEFAULT);

namespace {

int DialogueImpression(void*, EnregistrementImpression* e) {
  return PrintDlgA((PRINTDLGA*)e) != 0;
}

Poignee Police(void*, int32_t hauteur, int graisse, int souligne) {
  return CreateFontA(hauteur, 0, 0, 0, graisse, FALSE, souligne ? TRUE : FALSE, FALSE,
                     ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                     DEFAULT_PITCH, "Times New Roman");
}

Poignee Stylo(void*, int largeur) { return CreatePen(PS_SOLID, largeur, RGB(0, 0, 0)); }

void ObjetLiberer(void*, Poignee objet) { DeleteObject((HGDIOBJ)objet); }

void ContexteLiberer(void*, Poignee dc) { DeleteDC((HDC)dc); }

}  // namespace

const Imprimante* ImprimanteSysteme() {
  static const Imprimante imprimante = {
      .ctx = nullptr,
      .dialogue_impression = DialogueImpression,
      .police = Police,
      .stylo = Stylo,
      .objet_liberer = ObjetLiberer,
      .contexte_liberer = ContexteLiberer,
  };
  return &imprimante;
}
