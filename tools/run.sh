#!/usr/bin/env bash
# The run command: builds the Windows program and starts it under Wine on
# the shipped sample exemple.lvx, on the user's display (or on a private
# Xvfb when there is none). Returns when the program ends. The i686 build
# where the i386 loader of Wine starts, the x86_64 one elsewhere; LVX_ARCH
# (i686 or x86_64) forces the choice.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine"

bash tools/install_deps.sh
source tools/wine_env.sh
arch=$(lvx_arch_choisir)
arbre=$(lvx_arch_arbre "$arch")
echo "run.sh: version $arch ($arbre)"
cmake -S . -B "$arbre" -DCMAKE_TOOLCHAIN_FILE="$(lvx_arch_toolchain "$arch")" -DCMAKE_BUILD_TYPE=Release
cmake --build "$arbre" -j2

lvx_wine_env "$arbre" "$arch"
lvx_wine_verifier
if [[ -z ${DISPLAY:-} ]]; then
  lvx_xvfb_demarrer
  echo "run.sh: DISPLAY est vide : Lorvanix s'affiche sur l'écran virtuel Xvfb $DISPLAY."
  echo "run.sh: pour le voir : import -display $DISPLAY -window root ecran.png ; Ctrl+C pour arrêter."
fi
lvx_prefixe_preparer
lvx_wineserver_demarrer
lvx_imprimante_installer "$arbre"
echo "run.sh: l'imprimante par défaut écrit $racine/$arbre/impressions/document.pdf"

exemple=$(lvx_wine winepath -w "$racine/$arbre/bin/exemple.lvx")
echo "run.sh: wine lorvanix.exe \"$exemple\""
lvx_wine "$arbre/bin/lorvanix.exe" "$exemple"
