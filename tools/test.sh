#!/usr/bin/env bash
# The test command: installs what is missing, builds the native tree and
# both Windows builds, and runs every test, unit (native, under the
# sanitizers) then end-to-end (a Windows build under Wine). Exits non-zero
# if any step or test failed.
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
etape bash tools/verifier_sources.sh
etape cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
etape cmake --build build/native -j2
lancer_ctest build/native "$journaux/natif.txt"
echo "natif : $((SECONDS - debut)) s"

# Both Windows builds are compiled in every run, so neither rots; the
# end-to-end tests run on the one this machine can start (or LVX_ARCH's).
source tools/wine_env.sh
debut=$SECONDS
for arch in i686 x86_64; do
  arbre=$(lvx_arch_arbre $arch)
  etape cmake -S . -B "$arbre" -DCMAKE_TOOLCHAIN_FILE="$(lvx_arch_toolchain $arch)" -DCMAKE_BUILD_TYPE=Release
  etape cmake --build "$arbre" -j2
  etape bash tools/verifier_exports.sh "$arbre" "$arch-w64-mingw32-objdump"
done
echo "windows : $((SECONDS - debut)) s"

debut=$SECONDS
if arch=$(lvx_arch_choisir); then
  arbre=$(lvx_arch_arbre "$arch")
  if [[ -n ${LVX_ARCH:-} ]]; then
    echo "test.sh: bout en bout sur la version $arch (LVX_ARCH)"
  elif [[ $arch == i686 ]]; then
    echo "test.sh: bout en bout sur la version i686 (le chargeur i386 de Wine démarre)"
  else
    echo "test.sh: bout en bout sur la version x86_64 (le chargeur i386 de Wine ne démarre pas ici)"
  fi
  lvx_wine_env "$arbre" "$arch"
  rm -rf "$arbre/screenshots"
  if lvx_wine_verifier && lvx_xvfb_demarrer && lvx_prefixe_preparer && lvx_wineserver_demarrer &&
    lvx_imprimante_installer "$arbre"; then
    lancer_ctest "$arbre" "$journaux/windows.txt"
  else
    echo "test.sh: environnement Wine impossible à démarrer" >&2
    etapes_ratees=$((etapes_ratees + 1))
  fi
  lvx_wine_arreter
  captures=$racine/$arbre/screenshots
  if [[ -d $captures ]]; then
    echo "Captures d'écran : $captures ($(find "$captures" -name '*.png' | wc -l) images)"
  fi
else
  etapes_ratees=$((etapes_ratees + 1))
fi
echo "bout en bout : $((SECONDS - debut)) s"

# The Debian package, each step counted as one test: made from both builds
# and checked (contents, desktop entry, lintian); then installed, started
# through its launcher and removed, on this machine (root only, else
# "ignoré": exit code 77).
paquet_reussis=0
compter() {
  echo "== $*"
  local code=0
  "$@" || code=$?
  if ((code == 0)); then
    paquet_reussis=$((paquet_reussis + 1))
  elif ((code == 77)); then
    echo "test.sh: ignoré : $*"
  else
    echo "test.sh: échec de : $*" >&2
    etapes_ratees=$((etapes_ratees + 1))
  fi
  return "$code"
}
paquet_fait_et_verifie() {
  bash tools/paquet.sh && bash tools/verifier_paquet.sh
}
debut=$SECONDS
if compter paquet_fait_et_verifie; then
  compter bash tools/essai_paquet.sh || true
else
  echo "test.sh: pas de paquet : tools/essai_paquet.sh compte comme raté" >&2
  etapes_ratees=$((etapes_ratees + 1))
fi
echo "paquet Debian : $((SECONDS - debut)) s"

# Summary: ctest's own closing lines, then one line for both trees.
reussis=0
rates=0
for journal in "$journaux/natif.txt" "$journaux/windows.txt"; do
  ligne=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$journal" 2>/dev/null | tail -n 1 || true)
  [[ -n $ligne ]] || continue
  echo "$ligne"
  read -r total echoues < <(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2 \1/' <<<"$ligne")
  reussis=$((reussis + total - echoues))
  rates=$((rates + echoues))
done
rm -rf "$journaux"

reussis=$((reussis + paquet_reussis))
rates=$((rates + etapes_ratees))
echo "$reussis passed, $rates failed"
((rates == 0))
