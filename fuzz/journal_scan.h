// What a scanner tells its caller, for the fuzz targets that hold a scanner
// to a straightforward version of its algorithm: both write into a journal,
// the target compares the two.
#pragma once
#include <strings.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

inline void Exiger(bool condition, const char* quoi) {
  if (condition) return;
  fprintf(stderr, "invariant broken: %s\n", quoi);
  abort();
}

struct Journal {
  std::vector<std::string> appels;
  std::set<std::string> magasin;  // the URLs of the cards appended so far
  bool sans_mailto = false;       // the duplicate test drops a card's "mailto:"
  int arret = 0;                  // the call that answers 0, counted from 1
  int rang = 0;

  bool Connu(const std::string& texte) const {
    for (const std::string& u : magasin) {
      std::string cle = u;
      if (sans_mailto && cle.size() >= 7 && strncasecmp(cle.c_str(), "mailto:", 7) == 0)
        cle = cle.substr(7);
      if (cle == texte) return true;
    }
    return false;
  }
  int Repondre() { return ++rang == arret ? 0 : 1; }
};

// A text handed out by a scanner: NUL-terminated within its buffer.
inline std::string Texte(const char* t, size_t taille) {
  Exiger(strnlen(t, taille) < taille, "a text ends within its buffer");
  return t;
}

inline char Maj(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }
inline std::string Majuscules(std::string s) {
  for (char& c : s) c = Maj(c);
  return s;
}
// The text as a C string reads it: up to its first NUL.
inline std::string JusquAuNul(const std::string& s) { return s.substr(0, s.find('\0')); }

// The input's header bytes (0 past its end) and the data after them.
inline uint8_t Octet(const uint8_t* octets, size_t taille, size_t i) {
  return i < taille ? octets[i] : 0;
}
inline std::string Reste(const uint8_t* octets, size_t taille, size_t debut) {
  return taille > debut ? std::string((const char*)octets + debut, taille - debut) : "";
}

// Whether an input asks for data longer than a text buffer: one in 32.
inline bool Long(const uint8_t* octets, size_t taille) {
  unsigned somme = 0;
  for (size_t i = 0; i < taille; i++) somme += octets[i];
  return somme % 32 == 0 && taille > 0;
}

inline void Comparer(const Journal& vu, const Journal& attendu, int rv, int ra) {
  Exiger(rv == ra, "both stop alike");
  Exiger(vu.appels == attendu.appels, "both tell the caller the same");
}
