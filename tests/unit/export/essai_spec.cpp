#include "essai_spec.h"

#include <algorithm>
#include <filesystem>

std::vector<std::string> EssaiSpec::Contenu(const std::string& dossier_windows) const {
  std::vector<std::string> noms;
  std::error_code erreur;
  for (const auto& x : std::filesystem::directory_iterator(faux.Linux(dossier_windows), erreur))
    noms.push_back(x.path().filename().string());
  std::sort(noms.begin(), noms.end());
  return noms;
}
