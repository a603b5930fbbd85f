#include "generateur_fiches.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// xorshift64*: fast, and the same cards on every machine.
struct Hasard {
  uint64_t etat;
};

uint32_t HasardTirer(Hasard* h, uint32_t n) {
  h->etat ^= h->etat >> 12;
  h->etat ^= h->etat << 25;
  h->etat ^= h->etat >> 27;
  return (uint32_t)(((h->etat * UINT64_C(2685821657736338717)) >> 32) % n);
}

template <size_t N>
const char* Choisir(Hasard* h, const char* const (&liste)[N]) {
  return liste[HasardTirer(h, N)];
}

const char* const MOTS_NOMS[] = {
    "Le Monde",   "Légifrance", "Météo",      "Cuisine",    "Voyages",   "Bibliothèque",
    "Musée",      "Théâtre",    "Université", "Forum",      "Annuaire",  "Boutique",
    "Journal",    "Société",    "Santé",      "Éducation",  "Régions",   "Patrimoine",
    "Randonnée",  "Vélo",       "Jardinage",  "Photo",      "Cinéma",    "Musique",
    "Brocante",   "Généalogie", "Astronomie", "Informatique", "Marché",  "Écologie"};
const char* const MOTS_QUALITES[] = {
    "de France", "du Québec", "des Alpes", "pratique", "en ligne",   "nationale",
    "libre",     "du Sud",    "de Lyon",   "d'été",   "populaire",  "régionale",
    "de Bretagne", "solidaire", "à la carte", "pour tous", "et cætera", "des îles"};
const char* const DOMAINES[] = {
    "lemonde", "legifrance", "meteofrance", "marmiton", "routard", "bnf",   "louvre",
    "comedie-francaise", "sorbonne", "forum-auto", "pagesjaunes", "fnac",   "liberation",
    "service-public", "ameli", "education", "regions", "patrimoine", "ffrandonnee",
    "velo-club", "jardiner", "photo-net", "allocine", "musique-libre", "brocabrac",
    "geneanet", "astrosurf", "developpez", "marche-bio", "ecologie"};
const char* const EXTENSIONS[] = {"fr", "com", "org", "net", "gouv.fr", "ca", "be", "ch"};
const char* const CHEMINS[] = {
    "actualites", "archives",  "2024",    "articles", "index.html", "page",  "recherche",
    "rubrique",   "dossiers",  "fiche",   "produit",  "categorie",  "forum", "sujet",
    "membres",    "documents", "telecharger", "aide", "contact",    "plan-du-site"};
const char* const RUBRIQUES[] = {
    "Actualités", "Administration", "Économie", "Santé",   "Éducation", "Loisirs",
    "Voyages",    "Cuisine",        "Culture",  "Sports",  "Sciences",  "Informatique",
    "Musique",    "Cinéma",         "Achats",   "Famille", "Généalogie", "Jardin",
    "Météo",      "Divers"};
const char* const MOTS_CLES[] = {
    "recette", "horaires", "carte",   "prix",   "occasion", "gratuit", "tutoriel", "forum",
    "météo",   "été",      "hiver",   "vacances", "impôts", "santé",  "droit",    "lois",
    "musée",   "théâtre",  "concert", "vélo",   "randonnée", "pêche", "généalogie", "école"};
const char* const PHRASES[] = {
    "Site consulté souvent, mise à jour chaque semaine.",
    "Très complet, mais la navigation est lente.",
    "Voir aussi la rubrique des archives.",
    "Inscription gratuite nécessaire pour lire les articles.",
    "Conseillé par un collègue ; à revoir.",
    "Les horaires d'ouverture changent l'été.",
    "Bon annuaire, liens parfois périmés.",
    "Page d'accueil chargée de publicités."};

std::string Nom(Hasard* h) {
  std::string s = Choisir(h, MOTS_NOMS);
  if (HasardTirer(h, 3)) s += std::string(" ") + Choisir(h, MOTS_QUALITES);
  if (!HasardTirer(h, 5)) s += " " + std::to_string(HasardTirer(h, 100));
  return s;
}

// A URL of 30 to 120 characters: a site, then path segments, cut to length.
std::string Url(Hasard* h) {
  uint32_t longueur = 30 + HasardTirer(h, 91);
  std::string s = HasardTirer(h, 4) ? "https://www." : "http://";
  s += Choisir(h, DOMAINES);
  s += ".";
  s += Choisir(h, EXTENSIONS);
  s += "/";
  while (s.size() < longueur) {
    s += Choisir(h, CHEMINS);
    s += HasardTirer(h, 4) ? "/" : "?id=" + std::to_string(HasardTirer(h, 1000000)) + "&";
  }
  s.resize(longueur);
  return s;
}

std::string MotsCles(Hasard* h) {
  std::string s = Choisir(h, MOTS_CLES);
  for (uint32_t i = HasardTirer(h, 4); i > 0; i--) s += std::string(", ") + Choisir(h, MOTS_CLES);
  return s;
}

// Three cards in five carry no notes; the others one or two lines.
std::string Notes(Hasard* h) {
  uint32_t tirage = HasardTirer(h, 5);
  if (tirage < 3) return "";
  std::string s = Choisir(h, PHRASES);
  if (tirage == 4) s += std::string("\r\n") + Choisir(h, PHRASES);
  return s;
}

}  // namespace

int GenererFiches(Magasin* m, const Memoire* memoire, uint32_t nombre) {
  Hasard h{UINT64_C(0x9E3779B97F4A7C15)};
  std::vector<uint8_t> octets;
  for (uint32_t n = 0; n < nombre; n++) {
    std::string champs[NB_CHAMPS] = {Nom(&h), Url(&h), Choisir(&h, RUBRIQUES), MotsCles(&h),
                                      Notes(&h)};
    const char* textes[NB_CHAMPS];
    uint32_t longueurs[NB_CHAMPS];
    for (uint32_t i = 0; i < NB_CHAMPS; i++) {
      textes[i] = champs[i].data();
      longueurs[i] = (uint32_t)champs[i].size();
    }
    size_t position = octets.size();
    octets.resize(position + FicheTaille(longueurs));
    FicheEcrire(octets.data() + position, HasardTirer(&h, 10) == 0, textes, longueurs);
  }

  *m = Magasin{};
  m->longSize = (uint32_t)octets.size() + MARGE_BLOC;
  m->GlobalDebutMem = memoire->bloc_allouer(memoire->ctx, m->longSize);
  if (!m->GlobalDebutMem) return 0;
  m->lpDebutMem = memoire->bloc_verrouiller(memoire->ctx, m->GlobalDebutMem);
  memcpy(m->lpDebutMem, octets.data(), octets.size());
  m->TailleTotaleFiches = (uint32_t)octets.size();
  m->lpFinMem = m->lpDebutMem + octets.size();
  m->lpFicheEcran = m->lpDebutMem;
  m->NumFiche = 1;
  m->TotalFiches = (int32_t)nombre;
  return 1;
}
