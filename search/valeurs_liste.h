// What a field-value list shows for a card: the site name, the URL, its
// target or the end of its target, with the placeholders of empty values;
// and the words of a Mots clés text.
#pragma once
#include <cstdint>
#include <string_view>

enum GenreListe {
  LISTE_NOMS,
  LISTE_URL,
  LISTE_CIBLES,
  LISTE_FINS_CIBLES,
  LISTE_RUBRIQUES,
  LISTE_MOTS_CLES,
  NB_GENRES_LISTE,
};

// The spaces around them put the placeholders before every real value.
extern const char* const SANS_NOM_DE_SITE;
extern const char* const SANS_URL;
extern const char* const SANS_CIBLE;

// The document path of an extra-web URL: from the drive letter before the
// second colon after "<EXTRAWEB>", when the character two places before
// that colon is a space; empty otherwise. Any other URL is its own target.
std::string_view Cible(std::string_view url);
// The last element of a target: trailing slashes, backslashes and blanks
// are skipped to find it but stay in it.
std::string_view FinDeCible(std::string_view cible);

// The one value a card gives to a site-name or URL list (genre up to
// LISTE_FINS_CIBLES): a view into the card, or a placeholder when empty.
std::string_view ValeurFiche(GenreListe genre, const uint8_t* fiche);

// The words of a Mots clés text, one after the other: a run of characters
// other than space, tab, carriage return and line feed. *suite moves past
// the word given; an empty view when there is none left.
std::string_view MotSuivant(std::string_view texte, size_t* suite);
