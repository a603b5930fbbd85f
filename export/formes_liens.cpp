#include "formes_liens.h"

#include <cstring>

#include "html_texte.h"
#include "majuscules.h"

namespace {

#define CRLF "\r\n"
#define GENERATOR "<META NAME=\"GENERATOR\" CONTENT=\"Fichier Cartes Lorvanix 6.1\">"

const char MAILTO[] = "mailto:";
const size_t LONGUEUR_MAILTO = sizeof MAILTO - 1;

// A field's text, up to its NUL.
struct Texte {
  const char* octets;
  size_t n;
};

Texte TexteChamp(const uint8_t* fiche, int champ) {
  uint32_t longueur;
  const char* texte = FicheTexte(fiche, champ, &longueur);
  const void* nul = memchr(texte, 0, longueur);
  return {texte, nul ? (size_t)((const char*)nul - texte) : longueur};
}

bool Mailto(Texte url) {
  return url.n >= LONGUEUR_MAILTO && EgauxSansCasse(url.octets, MAILTO, LONGUEUR_MAILTO);
}

void Ecrire(const EcritureLiens* e, const char* texte) { SortieTexte(e->sortie, texte); }
void Ecrire(const EcritureLiens* e, Texte t) { SortieEcrire(e->sortie, t.octets, t.n); }

void EcrireTitre(const EcritureLiens* e) {
  EcrireHtml(e, e->titre, strnlen(e->titre, TAILLE_TITRE_APPELANT));
}

// <P> and the link; an empty URL makes an empty paragraph.
void EcrireFicheLiens(const EcritureLiens* e, const uint8_t* fiche) {
  Ecrire(e, CRLF "<P>");
  Texte url = TexteChamp(fiche, CHAMP_URL);
  if (url.n == 0) return;
  Ecrire(e, "<A HREF=\"");
  Ecrire(e, url);
  Ecrire(e, "\">");
  Texte lien = TexteChamp(fiche, CHAMP_NOM);
  if (lien.n == 0) {
    lien = url;
    if (Mailto(url)) lien = {url.octets + LONGUEUR_MAILTO, url.n - LONGUEUR_MAILTO};
  }
  EcrireHtml(e, lien.octets, lien.n);
  Ecrire(e, "</A>");
  Texte notes = TexteChamp(fiche, CHAMP_NOTES);
  if (!e->reglages->liens.AjouterCommentaire || notes.n == 0) return;
  Ecrire(e, CRLF "<BLOCKQUOTE>");
  EcrireHtml(e, notes.octets, notes.n);
  Ecrire(e, "</BLOCKQUOTE>");
}

void EcrireFicheMailing(const EcritureLiens* e, const uint8_t* fiche) {
  ReglagesMailing* m = &e->reglages->mailing;
  // An emptied separator becomes one blank, and stays so.
  if (!m->separateur[0]) memcpy(m->separateur, " ", 2);
  Texte url = TexteChamp(fiche, CHAMP_URL);
  Ecrire(e, "<A HREF=\"");
  Ecrire(e, url);
  Ecrire(e, "\">");
  Ecrire(e, Texte{url.octets + LONGUEUR_MAILTO, url.n - LONGUEUR_MAILTO});
  Ecrire(e, "</A>");
  Ecrire(e, m->separateur);
  if (m->RetourALaLigne) Ecrire(e, "<BR>");
  Ecrire(e, CRLF);
}

// The chosen fields, each followed by the field separator, the last one by
// the card separator.
void EcrireFicheTexte(const EcritureLiens* e, const uint8_t* fiche) {
  const ReglagesTexte* t = &e->reglages->texte;
  int dernier = -1;
  for (int champ = 0; champ < (int)NB_CHAMPS; champ++)
    if (t->champs[champ]) dernier = champ;
  for (int champ = 0; champ <= dernier; champ++) {
    if (!t->champs[champ]) continue;
    Ecrire(e, TexteChamp(fiche, champ));
    Ecrire(e, champ == dernier ? t->separateur_fiches : t->separateur_champs);
  }
}

}  // namespace

void EcrireHtml(const EcritureLiens* e, const char* texte, size_t n) {
  while (n > 0) {
    size_t lus;
    size_t produits = HtmlConvertir(texte, n, &lus, e->piece, TAILLE_PIECE_HTML);
    SortieEcrire(e->sortie, e->piece, produits);
    texte += lus;
    n -= lus;
  }
}

int FormeRetient(FormeLiens forme, const uint8_t* fiche) {
  Texte url = TexteChamp(fiche, CHAMP_URL);
  switch (forme) {
    case FORME_LIENS: return !(url.n >= 10 && memcmp(url.octets, "<EXTRAWEB>", 10) == 0);
    case FORME_MAILING: return Mailto(url);
    default: return 1;
  }
}

void FormeEcrireDebut(const EcritureLiens* e) {
  if (e->forme == FORME_TEXTE) return;
  Ecrire(e, "<HTML>" CRLF CRLF "<HEAD>" CRLF GENERATOR CRLF "<TITLE>");
  EcrireTitre(e);
  Ecrire(e, "</TITLE>" CRLF "</HEAD>" CRLF CRLF "<BODY>" CRLF "<H2>");
  EcrireTitre(e);
  // The mailing list's heading breaks its line after the title.
  Ecrire(e, e->forme == FORME_MAILING ? CRLF "</H2>" CRLF "<BR>" : "</H2>" CRLF "<BR>");
}

void FormeEcrireFiche(const EcritureLiens* e, const uint8_t* fiche) {
  switch (e->forme) {
    case FORME_LIENS: EcrireFicheLiens(e, fiche); break;
    case FORME_MAILING: EcrireFicheMailing(e, fiche); break;
    case FORME_TEXTE: EcrireFicheTexte(e, fiche); break;
  }
}

void FormeEcrireFin(const EcritureLiens* e) {
  if (e->forme != FORME_TEXTE) Ecrire(e, CRLF "</BODY>" CRLF CRLF "</HTML>");
}
