#include "verif.h"

#include <cstdio>
#include <cstring>

namespace {

int reussis = 0;
int rates = 0;

}  // namespace

std::string Lisible(const std::string& octets) {
  std::string texte;
  for (unsigned char c : octets) {
    if (c >= 0x20 && c < 0x7F) {
      texte += static_cast<char>(c);
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", c);
      texte += code;
    }
  }
  return texte;
}

bool Verifier(bool ok, const std::string& quoi) {
  std::printf("%s %s\n", ok ? "[ OK ]   " : "[ ECHEC ]", quoi.c_str());
  ++(ok ? reussis : rates);
  return ok;
}

bool VerifierTexte(const std::string& obtenu, const std::string& attendu, const std::string& quoi) {
  if (obtenu == attendu) return Verifier(true, quoi + " = \"" + Lisible(attendu) + "\"");
  return Verifier(false, quoi + " : obtenu \"" + Lisible(obtenu) + "\", attendu \"" + Lisible(attendu) + "\"");
}

bool VerifierEntier(long long obtenu, long long attendu, const std::string& quoi) {
  const std::string a = std::to_string(attendu);
  if (obtenu == attendu) return Verifier(true, quoi + " = " + a);
  return Verifier(false, quoi + " : obtenu " + std::to_string(obtenu) + ", attendu " + a);
}

int LancerCas(int argc, char** argv, const Cas* cas, int nombre) {
  // Output reaches ctest even if the program is killed on a timeout.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  bool trouve = false;
  for (int i = 0; i < nombre; ++i) {
    if (argc > 1 && std::strcmp(argv[1], cas[i].nom) != 0) continue;
    trouve = true;
    std::printf("== %s\n", cas[i].nom);
    cas[i].lancer();
  }
  if (!trouve) Verifier(false, std::string("cas inconnu : ") + (argc > 1 ? argv[1] : ""));
  std::printf("%d passed, %d failed\n", reussis, rates);
  return rates == 0 && reussis > 0 ? 0 : 1;
}
