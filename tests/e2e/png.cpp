// PNG writer: every row filtered with "Sub", so flat window areas become
// runs of zeros; deflate with the fixed codes and matches at distance 1
// only, which is all such runs need.
#include <cstdint>

#include "fichiers.h"
#include "image.h"

namespace {

uint32_t Crc32(const std::string& octets) {
  static uint32_t table[256];
  if (!table[1]) {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
  }
  uint32_t c = 0xFFFFFFFFu;
  for (unsigned char o : octets) c = table[(c ^ o) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const std::string& octets) {
  uint32_t a = 1, b = 0;
  for (unsigned char o : octets) {
    a = (a + o) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

std::string GrandBoutiste(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

struct Bits {
  std::string sortie;
  uint32_t reserve = 0;
  int nombre = 0;

  // Plain values go least significant bit first.
  void Ecrire(uint32_t valeur, int longueur) {
    for (int i = 0; i < longueur; ++i) {
      reserve |= ((valeur >> i) & 1) << nombre;
      if (++nombre == 8) {
        sortie += static_cast<char>(reserve);
        reserve = 0;
        nombre = 0;
      }
    }
  }
  // Huffman codes go most significant bit first.
  void Code(uint32_t code, int longueur) {
    for (int i = longueur - 1; i >= 0; --i) Ecrire((code >> i) & 1, 1);
  }
  void Finir() {
    if (nombre) sortie += static_cast<char>(reserve);
  }
};

void Symbole(Bits& bits, int s) {
  if (s < 144) bits.Code(0x30 + s, 8);
  else if (s < 256) bits.Code(0x190 + s - 144, 9);
  else if (s < 280) bits.Code(s - 256, 7);
  else bits.Code(0xC0 + s - 280, 8);
}

void Longueur(Bits& bits, int longueur) {
  static const int base[29] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  int i = 28;
  while (base[i] > longueur) --i;
  Symbole(bits, 257 + i);
  bits.Ecrire(longueur - base[i], extra[i]);
  bits.Code(0, 5);  // distance 1
}

std::string Zlib(const std::string& donnees) {
  Bits bits;
  bits.sortie = "\x78\x01";
  bits.Ecrire(1, 1);  // last block
  bits.Ecrire(1, 2);  // fixed codes
  size_t i = 0;
  while (i < donnees.size()) {
    size_t n = 0;
    if (i > 0) {
      while (n < 258 && i + n < donnees.size() && donnees[i + n] == donnees[i - 1]) ++n;
    }
    if (n >= 3) {
      Longueur(bits, static_cast<int>(n));
      i += n;
    } else {
      Symbole(bits, static_cast<unsigned char>(donnees[i++]));
    }
  }
  Symbole(bits, 256);
  bits.Finir();
  return bits.sortie + GrandBoutiste(Adler32(donnees));
}

std::string Morceau(const char* type, const std::string& contenu) {
  const std::string corps = type + contenu;
  return GrandBoutiste(static_cast<uint32_t>(contenu.size())) + corps + GrandBoutiste(Crc32(corps));
}

}  // namespace

bool EcrirePng(const std::string& chemin, const Image& image) {
  const size_t ligne = static_cast<size_t>(image.largeur) * 3;
  std::string filtrees;
  filtrees.reserve((ligne + 1) * image.hauteur);
  for (int y = 0; y < image.hauteur; ++y) {
    const unsigned char* p = image.rgb.data() + y * ligne;
    filtrees += '\x01';
    for (size_t x = 0; x < ligne; ++x) filtrees += static_cast<char>(x < 3 ? p[x] : p[x] - p[x - 3]);
  }
  std::string entete = GrandBoutiste(image.largeur) + GrandBoutiste(image.hauteur);
  entete += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB
  const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + Morceau("IHDR", entete) +
                          Morceau("IDAT", Zlib(filtrees)) + Morceau("IEND", "");
  return EcrireFichier(chemin, png);
}
