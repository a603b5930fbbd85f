#!/usr/bin/env bash
# Builds the benchmarks (Release, no sanitizers) in build/bench (or
# $LVX_CONSTRUCTION) and runs one of them:
#   tools/bench.sh [nom] [arguments...]
# nom names bench/<nom>_bench.cpp: fichier_donnees (the default: loading and
# saving a data file of a million cards against a plain copy) or recherche
# (the card test over a million cards, in MB of field text per second).
# Arguments go to the benchmark: a number of cards, or --benchmark_* flags.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${LVX_CONSTRUCTION:-$racine/build/bench}
nom=fichier_donnees
if [[ $# -gt 0 && -f $racine/bench/$1_bench.cpp ]]; then
  nom=$1
  shift
fi

cmake -S "$racine" -B "$construction" -DLVX_BENCH=ON -DLVX_SANITIZE=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$construction" --target "bench_$nom" -j2 >/dev/null
"$construction/bench/bench_$nom" "$@"
