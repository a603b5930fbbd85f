// Checks of the end-to-end tests: each one printed as it is made, counted,
// and summed up at the end as "N passed, N failed".
#pragma once

#include <string>

bool Verifier(bool ok, const std::string& quoi);
bool VerifierTexte(const std::string& obtenu, const std::string& attendu, const std::string& quoi);
bool VerifierEntier(long long obtenu, long long attendu, const std::string& quoi);
// Non-ASCII bytes as \xNN, so the log reads the same on any terminal.
std::string Lisible(const std::string& octets);

struct Cas {
  const char* nom;
  void (*lancer)();
};

// Runs the case named by argv[1], or every case; prints the summary and
// returns the exit code (non-zero on any failure).
int LancerCas(int argc, char** argv, const Cas* cas, int nombre);
