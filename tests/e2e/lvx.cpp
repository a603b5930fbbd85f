#include "lvx.h"

namespace {

constexpr size_t TAILLE_ENTETE = 40;

uint16_t LireMot(const std::string& octets, size_t position) {
  const auto* o = reinterpret_cast<const unsigned char*>(octets.data() + position);
  return static_cast<uint16_t>(o[0] | o[1] << 8);
}

std::string Mot(uint16_t valeur) {
  return std::string{static_cast<char>(valeur & 0xFF), static_cast<char>(valeur >> 8)};
}

}  // namespace

std::string EnteteLvx() {
  std::string entete = "LorVanix version1 Fichier CARTES";
  entete.resize(TAILLE_ENTETE, '\0');
  return entete;
}

std::string ChampLvx(const std::string& texte) {
  const uint16_t l = static_cast<uint16_t>(texte.size() + 1);
  return Mot(l) + texte + '\0' + Mot(l);
}

std::string FicheLvx(const std::string& nom, const std::string& url, const std::string& rubrique,
                     const std::string& mots_cles, const std::string& notes) {
  return Mot(0) + ChampLvx(nom) + ChampLvx(url) + ChampLvx(rubrique) + ChampLvx(mots_cles) +
         ChampLvx(notes);
}

std::string EntierLvx(uint32_t valeur) {
  return Mot(valeur & 0xFFFF) + Mot(valeur >> 16);
}

uint32_t NombreFichesLvx(const std::string& fichier) {
  if (fichier.size() < 4) return 0;
  const auto* o = reinterpret_cast<const unsigned char*>(fichier.data() + fichier.size() - 4);
  return o[0] | o[1] << 8 | o[2] << 16 | static_cast<uint32_t>(o[3]) << 24;
}

bool PremierNomDeSite(const std::string& fichier, std::string& nom) {
  // Header, mark word, then the first field's length word.
  const size_t debut = TAILLE_ENTETE + 2;
  if (fichier.size() < debut + 2) return false;
  const auto* o = reinterpret_cast<const unsigned char*>(fichier.data());
  const size_t l = o[debut] | o[debut + 1] << 8;
  if (l == 0 || debut + 2 + l > fichier.size()) return false;
  nom = fichier.substr(debut + 2, l - 1);
  return true;
}

bool LireFichesLvx(const std::string& fichier, std::vector<FicheLue>& fiches) {
  fiches.clear();
  if (fichier.size() < TAILLE_ENTETE + 4 || fichier.compare(0, TAILLE_ENTETE, EnteteLvx()) != 0) return false;
  const size_t fin = fichier.size() - 4;
  size_t position = TAILLE_ENTETE;
  while (position < fin) {
    FicheLue fiche;
    if (position + 2 > fin) return false;
    fiche.marque = LireMot(fichier, position);
    position += 2;
    for (std::string& champ : fiche.champs) {
      if (position + 2 > fin) return false;
      const size_t l = LireMot(fichier, position);
      // L, the text and its NUL, L again.
      if (l == 0 || position + 2 + l + 2 > fin || fichier[position + 1 + l] != '\0' ||
          LireMot(fichier, position + 2 + l) != l) {
        return false;
      }
      champ = fichier.substr(position + 2, l - 1);
      position += 2 + l + 2;
    }
    fiches.push_back(fiche);
  }
  return position == fin && NombreFichesLvx(fichier) == fiches.size();
}
