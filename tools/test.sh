#!/usr/bin/env bash
# The test command: installs what is missing, builds both trees and runs
# every test, unit (native, under the sanitizers) then end-to-end (the
# Windows build under Wine). Exits non-zero if any step or test failed.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine"

bash tools/install_deps.sh

journaux=$(mktemp -d)
etapes_ratees=0

etape() {
  echo "== $*"
  if ! "$@"; then
    echo "test.sh: échec de : $*" >&2
    etapes_ratees=$((etapes_ratees + 1))
  fi
}

# ctest with its output kept for the summary; no test found is a failure.
# A ctest failure without a failed test (no test found, a crash of ctest)
# counts as one failed step.
lancer_ctest() {
  local arbre=$1 journal=$2
  echo "== ctest $arbre"
  if ! ctest --test-dir "$arbre" --output-on-failure --no-tests=error 2>&1 | tee "$journal"; then
    grep -qE '[1-9][0-9]* tests? failed out of' "$journal" || etapes_ratees=$((etapes_ratees + 1))
  fi
}

# Native tree: the portable core and its unit tests.
debut=$SECONDS
etape cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
etape cmake --build build/native -j2
lancer_ctest build/native "$journaux/natif.txt"
echo "natif : $((SECONDS - debut)) s"

# Cross tree: the Win32 deliverables and the end-to-end tests.
debut=$SECONDS
etape cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=tools/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
etape cmake --build build/win32 -j2

source tools/wine_env.sh
lvx_wine_env build/win32
rm -rf build/win32/screenshots
if lvx_xvfb_demarrer && lvx_prefixe_preparer && lvx_wineserver_demarrer; then
  lancer_ctest build/win32 "$journaux/win32.txt"
else
  echo "test.sh: environnement Wine impossible à démarrer" >&2
  etapes_ratees=$((etapes_ratees + 1))
fi
lvx_wine_arreter
echo "win32 : $((SECONDS - debut)) s"

captures=$racine/build/win32/screenshots
if [[ -d $captures ]]; then
  echo "Captures d'écran : $captures ($(find "$captures" -name '*.png' | wc -l) images)"
fi

# Summary: ctest's own closing lines, then one line for both trees.
reussis=0
rates=0
for journal in "$journaux/natif.txt" "$journaux/win32.txt"; do
  ligne=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$journal" 2>/dev/null | tail -n 1 || true)
  [[ -n $ligne ]] || continue
  echo "$ligne"
  read -r total echoues < <(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2 \1/' <<<"$ligne")
  reussis=$((reussis + total - echoues))
  rates=$((rates + echoues))
done
rm -rf "$journaux"

rates=$((rates + etapes_ratees))
echo "$reussis passed, $rates failed"
((rates == 0))
