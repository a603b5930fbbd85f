#include "scanner_courriel.h"

#include <cstring>

#include "majuscules.h"

namespace {

const char MAILTO[] = "mailto:";
const uint32_t PREFIXE = sizeof MAILTO - 1;  // room left before each part

// The header keyword that starts the line, with its colon; 0 for none.
uint32_t MotEntete(const ScanCourriel* scan, const char* p, const char* fin) {
  static const struct {
    const char* mot;
    bool emetteur;
  } mots[] = {{"FROM:", true}, {"TO:", false}, {"BCC:", false}, {"CC:", false}};
  for (const auto& m : mots) {
    const OptionsCourriel* o = scan->options;
    if (!(m.emetteur ? o->AdressesEmetteurs : o->AdressesDestinataires)) continue;
    const uint32_t n = (uint32_t)strlen(m.mot);
    if ((uint32_t)(fin - p) < n) continue;
    uint32_t i = 0;
    while (i < n && Majuscule(p[i]) == m.mot[i]) i++;
    if (i == n) return n;
  }
  return 0;
}

// Digits, letters, "@ [ \ ] ^ _ `", "." "-" and space; no byte above 127.
bool Garde(char c) {
  return (c >= '0' && c <= '9') || (c >= '@' && c <= 'z') || c == '.' || c == '-' || c == ' ';
}

// The kept characters of one part, after the room for "mailto:".
struct Partie {
  char* texte;
  uint32_t n;
};

void PartieVider(Partie* partie, char* tampon) {
  partie->texte = tampon + PREFIXE;
  partie->n = 0;
}

void PartieAjouter(Partie* partie, char c) {
  if (Garde(c) && partie->n < LONGUEUR_AVANT_MAILTO_MAX) partie->texte[partie->n++] = c;
}

// Spaces off both ends; the part ends with a NUL. (A TAB is never kept.)
void PartieRogner(Partie* partie) {
  while (partie->n && partie->texte[partie->n - 1] == ' ') partie->n--;
  while (partie->n && partie->texte[0] == ' ') partie->texte++, partie->n--;
  partie->texte[partie->n] = 0;
}

bool EstFinPremiere(char c) { return c == '<' || c == '(' || c == '\r' || c == '\n'; }
bool EstFinSeconde(char c) { return c == '>' || c == ')' || c == '\r' || c == '\n'; }

// The addresses of one header value from p. Returns where the line's
// reading stopped; *arret is set when adresse stopped the scan.
const char* LireValeur(const ScanCourriel* scan, const char* p, const char* fin, bool* arret) {
  while (true) {
    while (p < fin && *p == ' ') p++;

    Partie premiere, seconde;
    PartieVider(&premiere, scan->partie1);
    bool guillemet = false;
    for (; p < fin && !EstFinPremiere(*p); p++) {
      // The first quote drops the unquoted words before the quoted name.
      if (*p == '"' && !guillemet) {
        guillemet = true;
        premiere.n = 0;
      }
      PartieAjouter(&premiere, *p);
    }
    PartieVider(&seconde, scan->partie2);
    char fin_seconde = 0;
    if (p < fin && (*p == '<' || *p == '(')) {
      for (p++; p < fin && !EstFinSeconde(*p); p++) PartieAjouter(&seconde, *p);
      if (p < fin) fin_seconde = *p;
    }
    const bool bout = p == fin;

    // «adresse (Nom)» or «Nom <adresse>».
    Partie adresse = fin_seconde == ')' ? premiere : seconde;
    Partie nom = fin_seconde == ')' ? seconde : premiere;
    if (!adresse.n && memchr(nom.texte, '@', nom.n)) adresse = nom;
    PartieRogner(&adresse);
    PartieRogner(&nom);
    if (!adresse.n || bout) return p;

    const OptionsCourriel* o = scan->options;
    if (!o->UniquementNouvellesAdresses || !scan->doublon(scan->contexte, adresse.texte)) {
      if (!nom.n && o->RemplacerNomVideParAdresse) nom = adresse;
      char* url = adresse.texte - PREFIXE;
      memcpy(url, MAILTO, PREFIXE);
      const AdresseTrouvee a = {adresse.texte, nom.texte, url};
      if (!scan->adresse(scan->contexte, &a)) {
        *arret = true;
        return p;
      }
    }

    const bool suite = (fin_seconde == '>' || fin_seconde == ')') && fin - p > 1 &&
                       (p[1] == ',' || p[1] == ';');
    if (!suite) return p;
    p++;
  }
}

}  // namespace

int CourrielParcourir(const ScanCourriel* scan, const char* debut, const char* fin) {
  const char* p = debut;
  while (true) {
    // Only lines that follow a line feed: never the first one.
    const char* lf = (const char*)memchr(p, '\n', (size_t)(fin - p));
    if (!lf || fin - lf == 1) return 1;
    const char* ligne = lf + 1;
    if (scan->repeindre) scan->repeindre(scan->contexte);
    const uint32_t mot = MotEntete(scan, ligne, fin);
    if (!mot) {
      p = ligne;
      continue;
    }
    bool arret = false;
    p = LireValeur(scan, ligne + mot, fin, &arret);
    if (arret) return 0;
  }
}
