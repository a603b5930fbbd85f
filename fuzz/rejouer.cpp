// Replays the seeds of a fuzz target without libFuzzer: every file of the
// folders (or the files) given is handed to the harness once, in name order,
// under the sanitizers of the build. A broken invariant aborts, a sanitizer
// report exits non-zero; an unreadable file or no input at all fails too,
// so that a misplaced corpus does not pass for a clean one.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille);
// Only the harnesses that need it define it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

bool Lire(const fs::path& chemin, std::vector<char>* octets) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) return false;
  octets->assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return !f.bad();
}

// The files of a folder in name order, or the path itself when it is a file.
bool Entrees(const fs::path& chemin, std::vector<fs::path>* fichiers) {
  std::error_code erreur;
  if (fs::is_regular_file(chemin, erreur)) {
    fichiers->push_back(chemin);
    return true;
  }
  fs::directory_iterator it(chemin, erreur);
  if (erreur) return false;
  std::vector<fs::path> dossier;
  for (const fs::directory_entry& e : it)
    if (e.is_regular_file(erreur)) dossier.push_back(e.path());
  std::sort(dossier.begin(), dossier.end());
  fichiers->insert(fichiers->end(), dossier.begin(), dossier.end());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  std::vector<fs::path> fichiers;
  for (int i = 1; i < argc; i++)
    if (!Entrees(argv[i], &fichiers)) {
      fprintf(stderr, "%s: cannot read folder %s\n", argv[0], argv[i]);
      return 1;
    }
  if (fichiers.empty()) {
    fprintf(stderr, "%s: no input to replay\n", argv[0]);
    return 1;
  }
  for (const fs::path& chemin : fichiers) {
    std::vector<char> octets;
    if (!Lire(chemin, &octets)) {
      fprintf(stderr, "%s: cannot read %s\n", argv[0], chemin.c_str());
      return 1;
    }
    // The input alone in a block of its size, so that the sanitizer sees an
    // overrun by one byte; named first, so that a crash says which input.
    fprintf(stderr, "%s\n", chemin.c_str());
    std::unique_ptr<uint8_t[]> entree(new uint8_t[octets.size()]);
    std::copy(octets.begin(), octets.end(), entree.get());
    LLVMFuzzerTestOneInput(entree.get(), octets.size());
  }
  printf("%zu inputs replayed\n", fichiers.size());
  return 0;
}
