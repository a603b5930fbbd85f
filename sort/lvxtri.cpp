#include "lvxtri.h"

#include "tri.h"

namespace {

int32_t NumFicheEcran = 1;

}  // namespace

LVX_API uint8_t* LVX_APPEL TrierAlpha(uint8_t* lpDebutMem, uint8_t* lpFinMem, uint8_t* lpFicheEcran,
                                      int32_t, uint16_t cle, Poignee hWnd) {
  // Gathered anew for every call: a test process installs a new system for
  // each case.
  const SystemeTri sys = {
      .memoire = MemoireSysteme(),
      .fenetres = FenetresSysteme(),
      .caracteres = CaracteresSysteme(),
  };
  int32_t numero = 0;
  uint8_t* ecran = TrierFiches(&sys, lpDebutMem, lpFinMem, lpFicheEcran, cle, hWnd, &numero);
  if (ecran) NumFicheEcran = numero;
  return ecran;
}

LVX_API int32_t LVX_APPEL RecupererNumFicheEcran() { return NumFicheEcran; }
