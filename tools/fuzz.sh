#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz (or $LVX_CONSTRUCTION) and
# runs one of them for a number of executions (default 1,000,000):
#   tools/fuzz.sh [cible] [executions] [libFuzzer arguments...]
# cible names fuzz/fuzz_<cible>.cpp: chargement (the data file loader, the
# default), recherche (the search engine), scanners (page and address
# scanners), signets (bookmark scan), courriel (mail scan), raccourci
# (internet shortcuts), entites (entity decoder). Each starts from its seeds,
# fuzz/corpus/<cible>; fuzz/<cible>.dict is used when there is one. Further arguments
# go to libFuzzer (-max_len=70000, -seed=1, ...). Exits non-zero on a
# finding; the input that broke it is left in build/fuzz/trouvailles/.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${LVX_CONSTRUCTION:-$racine/build/fuzz}
cible=chargement
if [[ $# -gt 0 && ! $1 =~ ^[0-9]+$ && $1 != -* ]]; then
  cible=$1
  shift
fi
executions=${1:-1000000}
shift $(($# > 0 ? 1 : 0))

CC=clang CXX=clang++ cmake -S "$racine" -B "$construction" -DLVX_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$construction" --target "fuzz_$cible" -j2 >/dev/null

# New inputs go to the working corpus, the first folder, never into the
# seeds of the tree.
corpus=$construction/corpus_$cible
graines=$racine/fuzz/corpus/$cible
options=()
if [[ -f $racine/fuzz/$cible.dict ]]; then
  options=(-dict="$racine/fuzz/$cible.dict")
fi
mkdir -p "$corpus" "$construction/trouvailles"
"$construction/fuzz/fuzz_$cible" -runs="$executions" -print_final_stats=1 \
  "${options[@]}" -artifact_prefix="$construction/trouvailles/" \
  "$@" "$corpus" "$graines"
