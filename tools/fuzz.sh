#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz and runs the data file
# loader's target for a number of executions (default 1,000,000), starting
# from the seeds of fuzz/corpus; further arguments go to libFuzzer
# (-max_len=70000, -seed=1, ...). Exits non-zero on a finding; the input that
# broke it is left in build/fuzz/trouvailles/.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
construction="$racine/build/fuzz"
executions=${1:-1000000}
shift $(($# > 0 ? 1 : 0))

CC=clang CXX=clang++ cmake -S "$racine" -B "$construction" -DLVX_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$construction" --target fuzz_chargement -j2 >/dev/null

# New inputs go to the working corpus, never into the seeds of the tree.
mkdir -p "$construction/corpus" "$construction/trouvailles"
"$construction/fuzz/fuzz_chargement" -runs="$executions" -print_final_stats=1 \
  -dict="$racine/fuzz/chargement.dict" -artifact_prefix="$construction/trouvailles/" \
  "$@" "$construction/corpus" "$racine/fuzz/corpus"
