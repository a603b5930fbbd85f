#include "crochets.h"

namespace {

const Decision TRANSMETTRE = {SORTIE_TRANSMETTRE, 0, 0};
const Decision LAISSER = {SORTIE_LAISSER, 0, 0};
const Decision JETER = {SORTIE_JETER, 0, 0};

// A press on each watched edit, in the order of the controls.
const uint16_t CLICS[NB_CHAMPS_SURVEILLES] = {CMD_CLIC_NOM, CMD_CLIC_URL, CMD_CLIC_RUBRIQUE,
                                              CMD_CLIC_MOTS_CLES, CMD_CLIC_NOTES};

// Press, release, release elsewhere of each held button, Couper first.
const uint16_t BOUTONS[NB_BOUTONS_TENUS][3] = {
    {CMD_COUPER_APPUI, CMD_COUPER_RELACHE, CMD_COUPER_AILLEURS},
    {CMD_COPIER_APPUI, CMD_COPIER_RELACHE, CMD_COPIER_AILLEURS},
    {CMD_COLLER_APPUI, CMD_COLLER_RELACHE, CMD_COLLER_AILLEURS},
    {CMD_AVANCER_APPUI, CMD_AVANCER_RELACHE, CMD_AVANCER_AILLEURS},
    {CMD_RECULER_APPUI, CMD_RECULER_RELACHE, CMD_RECULER_AILLEURS},
};

// Keys the small number dialogs need besides the digits.
int ToucheUtileAuxChiffres(uint32_t code) {
  return code == TOUCHE_RETOUR_ARRIERE || code == TOUCHE_TABULATION || code == TOUCHE_ENTREE ||
         code == TOUCHE_MAJ || code == TOUCHE_VERR_MAJ ||
         (code >= TOUCHE_GAUCHE && code <= TOUCHE_BAS) || code == TOUCHE_SUPPR ||
         (code >= TOUCHE_PAVE_0 && code <= TOUCHE_PAVE_9) || code == TOUCHE_VERR_NUM;
}

Decision FiltrerChiffre(const Touche* t) {
  if (ToucheUtileAuxChiffres(t->code)) return LAISSER;
  // On a French keyboard the top row gives digits only with shift or caps lock.
  if (t->code >= TOUCHE_0 && t->code <= TOUCHE_9 && (t->verr_maj || t->maj)) return LAISSER;
  return JETER;
}

// A control not given yet matches no window.
int Sur(const void* fenetre, const void* controle) { return fenetre && fenetre == controle; }

}  // namespace

int CrochetsTransmettreDirectement(int code, int instance_du_programme) {
  return code < 0 || code == CODE_SANS_RETRAIT || !instance_du_programme;
}

Decision CrochetsClavier(const Crochets* c, const Touche* t) {
  if (c->filtre_chiffres) return FiltrerChiffre(t);
  if (t->code != TOUCHE_F1 && t->code != TOUCHE_F3 && t->code != TOUCHE_F4) return TRANSMETTRE;
  // The press is swallowed too, so that nothing else sees half a key.
  Decision d = JETER;
  if (!t->relachee || c->occupe) return d;
  if (t->code == TOUCHE_F1) {
    d.aide = 1;
  } else if (t->principale_active) {
    d.commande = t->code == TOUCHE_F3 ? CMD_CORRESPONDANCE_PREMIERE : CMD_CORRESPONDANCE_SUIVANTE;
  }
  return d;
}

Decision CrochetsSouris(const Crochets* c, MessageSouris message, const void* fenetre) {
  for (int i = 0; i < NB_CHAMPS_SURVEILLES; i++) {
    // The click still reaches the edit: it takes the focus as usual.
    if (message == SOURIS_GAUCHE_ENFONCEE && Sur(fenetre, c->controles[i]))
      return {SORTIE_TRANSMETTRE, CLICS[i], 0};
  }
  // The buttons' own clicks are swallowed: they never take the focus.
  for (int b = 0; b < NB_BOUTONS_TENUS; b++) {
    const void* bouton = c->controles[CONTROLE_COUPER + b];
    if (message == SOURIS_GAUCHE_ENFONCEE && Sur(fenetre, bouton))
      return {SORTIE_JETER, BOUTONS[b][0], 0};
    if (message == SOURIS_GAUCHE_RELACHEE && Sur(fenetre, bouton))
      return {SORTIE_JETER, BOUTONS[b][1], 0};
    if (c->tenus[b] && !Sur(fenetre, bouton)) return {SORTIE_JETER, BOUTONS[b][2], 0};
  }
  return TRANSMETTRE;
}

uint16_t CrochetsInstaller(Crochets* c, const PoseCrochets* pose, void* fenetre, void* instance,
                           uint16_t on) {
  c->fenetre = fenetre;
  c->instance = instance;
  uint16_t voulu = on ? 1 : 0;
  if (voulu == c->installe) return 0;
  if (!voulu) {
    pose->retirer(c->crochet_clavier);
    pose->retirer(c->crochet_souris);
    c->crochet_clavier = c->crochet_souris = nullptr;
    c->installe = 0;
    return 1;
  }
  c->crochet_clavier = pose->poser_clavier(fenetre);
  if (!c->crochet_clavier) return 0;
  c->crochet_souris = pose->poser_souris(fenetre);
  if (!c->crochet_souris) {
    pose->retirer(c->crochet_clavier);
    c->crochet_clavier = nullptr;
    return 0;
  }
  c->installe = 1;
  return 1;
}
