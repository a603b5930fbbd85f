#!/usr/bin/env bash
# The run command: builds the Windows program and starts it under Wine on
# the shipped sample exemple.lvx, on the user's display (or on a private
# Xvfb when there is none). Returns when the program ends.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine"

bash tools/install_deps.sh
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=tools/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build build/win32 -j2

source tools/wine_env.sh
lvx_wine_env build/win32
if [[ -z ${DISPLAY:-} ]]; then
  lvx_xvfb_demarrer
  echo "run.sh: DISPLAY est vide : Lorvanix s'affiche sur l'écran virtuel Xvfb $DISPLAY."
  echo "run.sh: pour le voir : import -display $DISPLAY -window root ecran.png ; Ctrl+C pour arrêter."
fi
lvx_prefixe_preparer
lvx_wineserver_demarrer

exemple=$(winepath -w "$racine/build/win32/bin/exemple.lvx")
echo "run.sh: wine lorvanix.exe \"$exemple\""
wine build/win32/bin/lorvanix.exe "$exemple"
