#!/usr/bin/env bash
# The release: both Windows builds in Release, then for each a folder
# build/publication/lorvanix-6.1-win32 (and -win64) holding lvxsetup.exe
# and the 24 files it installs, and a .zip of that folder. File dates are
# kept: the installer gives each installed file the date of its source.
# Fails, naming them, when files are missing from a build.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine"

# What lvxsetup.exe copies, in its order.
fichiers=(
  lorvanix.exe lorvanix.hlp exemple.lvx bwcc32.dll licence.txt lvxhook.dll
  navigdef.cfg lvxaffic.dll lvxcalc.dll lvxfiles.dll lvxgest.dll lvxinfo.dll
  lvxliens.dll lvxnavig.dll lvxoudef.dll lvxprap.dll lvxprint.dll lvxrech.dll
  lvxrecup.dll lvxtri.dll lvxspec.dll bookdef.cfg courdef.cfg lisezmoi.txt
)

for outil in cmake i686-w64-mingw32-g++ x86_64-w64-mingw32-g++; do
  if ! command -v "$outil" >/dev/null; then
    bash tools/install_deps.sh
    break
  fi
done

# The folder as it stands, with its dates, into dossier.zip.
zipper() {
  local dossier=$1
  local parent nom
  parent=$(dirname "$dossier")
  nom=$(basename "$dossier")
  rm -f "$dossier.zip"
  python3 - "$parent" "$nom" <<'PY'
import os
import sys
import zipfile

parent, nom = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(os.path.join(parent, nom + ".zip"), "w",
                     zipfile.ZIP_DEFLATED) as archive:
    for fichier in sorted(os.listdir(os.path.join(parent, nom))):
        archive.write(os.path.join(parent, nom, fichier),
                      nom + "/" + fichier)
PY
}

publication=build/publication
mkdir -p "$publication"
for cible in "i686 win32" "x86_64 win64"; do
  read -r arch version <<<"$cible"
  arbre=build/$version
  echo "== $arch : $arbre (Release)"
  cmake -S . -B "$arbre" -DCMAKE_TOOLCHAIN_FILE="tools/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$arbre" -j2

  manquants=()
  for f in lvxsetup.exe "${fichiers[@]}"; do
    [[ -f $arbre/bin/$f ]] || manquants+=("$f")
  done
  if ((${#manquants[@]} > 0)); then
    echo "publier.sh: absents de $arbre/bin, rien n'est publié pour $version : ${manquants[*]}" >&2
    exit 1
  fi

  dossier=$publication/lorvanix-6.1-$version
  rm -rf "$dossier"
  mkdir -p "$dossier"
  for f in lvxsetup.exe "${fichiers[@]}"; do
    cp -p "$arbre/bin/$f" "$dossier/"
  done
  zipper "$dossier"
  echo "publier.sh: $dossier ($(ls "$dossier" | wc -l) fichiers) et $dossier.zip"
done
