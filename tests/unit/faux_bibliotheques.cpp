// Stand-ins for the libraries that only exist as Win32 code (hooks and the
// information box): they record what the program asks of them.
#include "faux_bibliotheques.h"

#include "hook/lvxhook.h"
#include "info/lvxinfo.h"

JournalBibliotheques journal_bibliotheques;

LVX_API uint16_t LVX_APPEL InstallHook(void*, void*, uint16_t on) {
  journal_bibliotheques.crochets.push_back(on);
  journal_bibliotheques.etapes += on ? '1' : '0';
  return 1;
}
LVX_API uint16_t LVX_APPEL FiltrerChiffres(uint16_t on) {
  journal_bibliotheques.filtres.push_back(on);
  return 1;
}
LVX_API uint16_t LVX_APPEL Set_Memo_Handles(void*, void*, void*, void*, void*, void*, void*,
                                            void*, void*, void*) {
  return 1;
}
LVX_API uint16_t LVX_APPEL Set_MemoBoutCouper(uint16_t e) {
  journal_bibliotheques.maintenus.couper = e;
  return 1;
}
LVX_API uint16_t LVX_APPEL Set_MemoBoutCopier(uint16_t e) {
  journal_bibliotheques.maintenus.copier = e;
  return 1;
}
LVX_API uint16_t LVX_APPEL Set_MemoBoutColler(uint16_t e) {
  journal_bibliotheques.maintenus.coller = e;
  return 1;
}
LVX_API uint16_t LVX_APPEL Set_MemoBoutAvancerVite(uint16_t e) {
  journal_bibliotheques.maintenus.avancer = e;
  return 1;
}
LVX_API uint16_t LVX_APPEL Set_MemoBoutReculerVite(uint16_t e) {
  journal_bibliotheques.maintenus.reculer = e;
  return 1;
}
LVX_API uint16_t LVX_APPEL AfficherLvxInform(int, void* proprietaire) {
  journal_bibliotheques.informations.push_back(proprietaire);
  return 1;
}
