// A bookmark file as current browsers export it, and a store of cards some
// of which hold its URLs: the same on every run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Generation {
  std::string fichier;
  std::vector<std::string> urls;  // of the bookmarks, in file order
  uint32_t dossiers = 0, dossiers_fermes = 0;
};

// nombre bookmarks in nested folders; one folder heading in three carries
// FOLDED, as older exports wrote; one bookmark in a hundred repeats an
// earlier URL (the same page filed twice).
Generation GenererSignets(uint32_t nombre);

// The bytes of nombre cards; part_commune of them hold a URL of the file,
// the others URLs of their own, in a shuffled order.
std::vector<uint8_t> GenererFichesCommunes(uint32_t nombre,
                                           const std::vector<std::string>& urls_fichier,
                                           double part_commune);
