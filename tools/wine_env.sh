# shellcheck shell=bash
# Wine environment of a build folder, sourced by run.sh and test.sh.
#   lvx_arch_choisir          prints the build this machine runs: i686 or x86_64
#   lvx_arch_arbre ARCH       prints the build folder of ARCH
#   lvx_wine_env BUILD ARCH   exports the variables of BUILD's own prefix
#   lvx_wine_verifier         1 and the loader's own error when Wine cannot start
#   lvx_xvfb_demarrer         private Xvfb display, exported as DISPLAY
#   lvx_prefixe_preparer      makes the prefix once, then reuses it
#   lvx_wineserver_demarrer   persistent wineserver while programs come and go
#   lvx_wine_arreter          stops both (also run by the EXIT trap)

# Debian's wine script picks the i386 loader whenever wine32 is installed,
# even on a kernel that runs no 32-bit program: the loaders are called by
# their own paths.
LVX_LOADER_I686=/usr/lib/wine/wine
LVX_LOADER_X86_64=/usr/lib/wine/wine64

# LVX_ARCH (i686 or x86_64) forces the choice; otherwise the i686 build
# wherever the i386 loader starts, the x86_64 one elsewhere.
lvx_arch_choisir() {
  case ${LVX_ARCH:-} in
    i686 | x86_64) echo "$LVX_ARCH" ;;
    "")
      if "$LVX_LOADER_I686" --version >/dev/null 2>&1; then
        echo i686
      else
        echo x86_64
      fi
      ;;
    *)
      echo "wine_env: LVX_ARCH vaut « $LVX_ARCH » : i686 ou x86_64 attendu" >&2
      return 1
      ;;
  esac
}

lvx_arch_arbre() {
  case $1 in
    i686) echo build/win32 ;;
    x86_64) echo build/win64 ;;
  esac
}

lvx_arch_toolchain() {
  echo "tools/mingw-$1.cmake"
}

lvx_wine_env() {
  local build
  build=$(cd "$1" && pwd)
  case $2 in
    i686)
      export WINEARCH=win32
      export WINELOADER=$LVX_LOADER_I686
      ;;
    x86_64)
      export WINEARCH=win64
      export WINELOADER=$LVX_LOADER_X86_64
      ;;
  esac
  # The user's X server may want the cookie of the real home.
  if [[ -z ${XAUTHORITY:-} && -n ${HOME:-} && -e $HOME/.Xauthority ]]; then
    export XAUTHORITY="$HOME/.Xauthority"
  fi
  # Wine links Desktop/Documents into $HOME and writes menu entries there.
  export HOME="$build/home"
  export WINEPREFIX="$build/wine"
  export WINEDEBUG=-all
  # No Mono/Gecko download prompts.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # French, as the program's users: Wine's own dialogs and buttons speak it,
  # and its code page is the Western one (1252).
  export LC_ALL=fr_FR.UTF-8
  mkdir -p "$HOME"
  LVX_XVFB_PID=
  LVX_WINESERVER=0
  trap lvx_wine_arreter EXIT
  trap 'exit 130' INT TERM
}

# Runs a Windows program (or one of Wine's own) under the loader of the build.
lvx_wine() {
  "$WINELOADER" "$@"
}

lvx_wine_verifier() {
  local erreur
  if ! erreur=$("$WINELOADER" --version 2>&1 >/dev/null); then
    echo "wine_env: Wine ne démarre pas ($WINELOADER) : ${erreur:-aucun message}" >&2
    return 1
  fi
}

lvx_xvfb_demarrer() {
  local n
  for ((n = 90; n < 200; n++)); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    LVX_XVFB_PID=$!
    # Another build may have taken the same number a moment ago.
    local essai
    for ((essai = 0; essai < 50; essai++)); do
      kill -0 "$LVX_XVFB_PID" 2>/dev/null || break
      if xdpyinfo -display ":$n" >/dev/null 2>&1 && kill -0 "$LVX_XVFB_PID" 2>/dev/null; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$LVX_XVFB_PID" 2>/dev/null || true
    wait "$LVX_XVFB_PID" 2>/dev/null || true
    LVX_XVFB_PID=
  done
  echo "wine_env: aucun écran Xvfb libre" >&2
  return 1
}

lvx_prefixe_preparer() {
  local marque="$WINEPREFIX/.lvx-pret"
  [[ -e $marque ]] && return 0
  echo "wine_env: création du préfixe $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  lvx_wine wineboot -i >/dev/null 2>&1 || return 1

  # This Wine does not read its own font folder; Liberation stands in for
  # "Times New Roman" (card view) and "Arial".
  local polices="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$polices"
  cp /usr/share/wine/fonts/* "$polices/" || return 1
  cp /usr/share/fonts/truetype/liberation/LiberationSerif-*.ttf \
     /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$polices/" || return 1

  # The virtual desktop gives windows their frames and quick closing.
  local reg="$WINEPREFIX/lvx.reg"
  printf '%s\r\n' \
    'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer]' \
    '"Desktop"="Default"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' \
    '"Default"="1024x768"' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
    '"Times New Roman"="Liberation Serif"' \
    '"Arial"="Liberation Sans"' '' >"$reg"
  lvx_wine regedit /S "$reg" >/dev/null 2>&1 || return 1
  # The registry reaches the disk when this server ends.
  wineserver -w
  touch "$marque"
}

# A default printer for the prefix: Wine's PostScript driver, whose jobs
# tools/sortie_impression.sh turns into build/win*/impressions/document.pdf.
# Its description (PPD) lives inside Wine's winspool.drv; the driver folder
# must hold it before the driver is added. Needs essai_imprimante.exe.
lvx_imprimante_installer() {
  local arbre
  arbre=$(cd "$1" && pwd)
  local racine
  racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  local winspool environnement dossier
  if [[ $WINEARCH == win64 ]]; then
    winspool=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/winspool.drv
    environnement=x64
  else
    winspool=/usr/lib/i386-linux-gnu/wine/i386-windows/winspool.drv
    environnement=w32x86
  fi
  dossier=$WINEPREFIX/drive_c/windows/system32/spool/drivers/$environnement/3
  mkdir -p "$dossier" "$arbre/impressions"
  if [[ ! -s $dossier/lvx_essai.ppd ]]; then
    python3 - "$winspool" "$dossier/lvx_essai.ppd" <<'PY' || return 1
import sys
octets = open(sys.argv[1], "rb").read()
debut = octets.index(b"*PPD-Adobe")
open(sys.argv[2], "wb").write(octets[debut:octets.index(b"\0", debut)])
PY
  fi
  lvx_wine "$arbre/bin/essai_imprimante.exe" \
    "C:\\windows\\system32\\spool\\drivers\\$environnement\\3\\lvx_essai.ppd" \
    "|/bin/sh $racine/tools/sortie_impression.sh $arbre/impressions"
}

lvx_wineserver_demarrer() {
  wineserver -p >/dev/null 2>&1 || return 1
  LVX_WINESERVER=1
  # The services and the desktop process started now live as long as the
  # server: they must not inherit a caller's pipes (ctest would wait on them).
  lvx_wine wineboot >/dev/null 2>&1
}

lvx_wine_arreter() {
  if [[ ${LVX_WINESERVER:-0} == 1 ]]; then
    wineserver -k >/dev/null 2>&1 || true
    LVX_WINESERVER=0
  fi
  if [[ -n ${LVX_XVFB_PID:-} ]]; then
    kill "$LVX_XVFB_PID" 2>/dev/null || true
    wait "$LVX_XVFB_PID" 2>/dev/null || true
    LVX_XVFB_PID=
  fi
}
