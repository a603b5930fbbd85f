#!/usr/bin/env bash
# Builds the benchmarks (Release, no sanitizers) in build/bench and runs them:
# loading and saving a data file of a million cards against a plain copy.
# Arguments go to the benchmark: a number of cards, or --benchmark_* flags.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
construction="$racine/build/bench"

cmake -S "$racine" -B "$construction" -DLVX_BENCH=ON -DLVX_SANITIZE=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$construction" --target bench_fichier_donnees -j2 >/dev/null
"$construction/bench/bench_fichier_donnees" "$@"
