#!/usr/bin/env bash
# Builds the benchmarks (Release, no sanitizers) in build/bench (or
# $LVX_CONSTRUCTION) and runs one of them:
#   tools/bench.sh [nom] [arguments...]
# nom names bench/<nom>_bench.cpp: fichier_donnees (the default: loading and
# saving a data file of a million cards against a plain copy), recherche
# (the card test over a million cards, in MB of field text per second),
# import (a bookmark file of 100,000 bookmarks into a store of as many
# cards, the store walk's duplicate test against ours, then the same file into an
# empty store beside the Debian program buku, installed here when missing),
# export (the HTML links page, the HTML mailing list and the text export
# of a million cards, each beside a plain copy of a file of its size) or
# ajout (a million cards appended to a data file of a million, against a
# plain copy of a file of the resulting size), listes (distinct keywords
# and categories over a million cards, batch after batch, beside the literal
# scan of the values already listed on a smaller store), conversion (a
# replace that changes every URL of a million cards, then on 50,000 cards
# the card-by-card resize beside ours), tri (the sort of 10,000, 100,000
# and 1,000,000 cards by each key, the selection sort (10,000 only) against
# ours, same bytes checked) or calcul (distinct categories and keywords over
# a million cards).
# impression: the quick list of the distinct keywords of a million cards,
# and on 20,000 cards (--litteral=N) beside the literal scan and selection
# sort, same list checked; then the printout of 10,000 cards (--fiches=N);
# on page devices that draw nothing.
# Arguments go to the benchmark: a number of cards (for conversion, two:
# the large and the small store), --benchmark_* flags, or for import
# --nombre=N and --sans-litteral.
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
if [[ $nom != import ]]; then
  "$construction/bench/bench_$nom" "$@"
  exit
fi

# buku reads the same file into a new database of its own; its questions
# (tags from folders, and so on) are all answered no.
temporaire=$(mktemp -d)
trap 'rm -rf "$temporaire"' EXIT
fichier=$temporaire/signets.html
"$construction/bench/bench_import" --fichier="$fichier" "$@"
if ! command -v buku >/dev/null && [[ $(id -u) == 0 ]]; then
  apt-get install -y buku >/dev/null 2>&1 ||
    { apt-get update >/dev/null 2>&1 && apt-get install -y buku >/dev/null 2>&1; } || true
fi
if ! command -v buku >/dev/null; then
  echo "  buku: not installed (apt-get install buku, as root), no comparison"
  exit
fi
mkdir -p "$temporaire/donnees"
debut=$(date +%s%N)
yes n | XDG_DATA_HOME=$temporaire/donnees buku --nostdin --np --tacit -i "$fichier" \
  >/dev/null 2>&1 || true
fin=$(date +%s%N)
nombre=$(python3 -c 'import sqlite3, sys
print(sqlite3.connect(sys.argv[1]).execute("select count(*) from bookmarks").fetchone()[0])' \
  "$temporaire/donnees/buku/bookmarks.db" 2>/dev/null || echo "?")
printf '  into an empty store, buku %s: %.1f ms, %s bookmarks\n' \
  "$(dpkg-query -W -f='${Version}' buku 2>/dev/null)" "$(((fin - debut) / 1000))e-3" "$nombre"
