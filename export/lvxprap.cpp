#include "lvxprap.h"

#include "impression_rapide.h"

LVX_API uint16_t LVX_APPEL Util_Dll_Impression_Rapide(Poignee hWnd,
                                                      EnregistrementImpression impression,
                                                      Poignee police, Poignee, Poignee stylo,
                                                      uint8_t* lpDebutMem, uint8_t* lpFinMem,
                                                      uint32_t, uint16_t hauteur_ligne,
                                                      uint16_t genre) {
  // Gathered anew for every call: a test process installs a new system for
  // each case.
  const SystemeImpression sys = {
      .memoire = MemoireSysteme(),
      .fenetres = FenetresSysteme(),
      .caracteres = CaracteresSysteme(),
      .page = PageImpressionSysteme(),
      .progression = ProgressionImpressionSysteme(),
  };
  const ImpressionRapide r = {
      .sys = &sys,
      .fenetre = hWnd,
      .impression = &impression,
      .police = police,
      .stylo = stylo,
      .debut = lpDebutMem,
      .fin = lpFinMem,
      .hauteur_ligne = hauteur_ligne,
      .genre = genre,
  };
  return ImpressionRapideExecuter(&r);
}

LVX_API Poignee LVX_APPEL Lvxprap_RecupererhDevMode() { return nullptr; }
LVX_API Poignee LVX_APPEL Lvxprap_RecupererhDevNames() { return nullptr; }
