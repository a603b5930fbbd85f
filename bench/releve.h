// The console output of Google Benchmark as usual, keeping the time of each
// benchmark for the summary that follows it: the median of its repetitions,
// or its one run.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Every benchmark reports the median of this many runs.
const int REPETITIONS = 5;

// A benchmark timed on the wall clock, in milliseconds, reported by the
// median of its repetitions.
inline benchmark::internal::Benchmark* EnMedianes(benchmark::internal::Benchmark* b) {
  return b->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Repetitions(REPETITIONS)
      ->ReportAggregatesOnly(true);
}

// Wall-clock and CPU times, in the benchmark's unit.
struct Mediane {
  double reel;
  double cpu;
};

class Releve : public benchmark::ConsoleReporter {
 public:
  Releve() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      bool seul = r.repetitions <= 1 && r.run_type == Run::RT_Iteration;
      if (seul || (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median"))
        medianes_[r.run_name.function_name] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
    }
  }

  // Zero for a benchmark that did not run or failed.
  Mediane Temps(const std::string& nom) const {
    auto t = medianes_.find(nom);
    return t == medianes_.end() ? Mediane{0, 0} : t->second;
  }

 private:
  std::map<std::string, Mediane> medianes_;
};

// A fresh folder under the system's temporary folder, standing for C: in
// the fake; empty after a message when it cannot be made.
inline std::string DossierBanc() {
  std::string modele = (std::filesystem::temp_directory_path() / "lvx-banc-XXXXXX").string();
  if (!mkdtemp(modele.data())) {
    perror("mkdtemp");
    return "";
  }
  return modele;
}
