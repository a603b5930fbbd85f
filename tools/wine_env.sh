# shellcheck shell=bash
# Wine environment of a build folder, sourced by run.sh and test.sh.
#   lvx_wine_env BUILD        exports the variables of BUILD's own prefix
#   lvx_xvfb_demarrer         private Xvfb display, exported as DISPLAY
#   lvx_prefixe_preparer      makes the prefix once, then reuses it
#   lvx_wineserver_demarrer   persistent wineserver while programs come and go
#   lvx_wine_arreter          stops both (also run by the EXIT trap)

lvx_wine_env() {
  local build
  build=$(cd "$1" && pwd)
  # The user's X server may want the cookie of the real home.
  if [[ -z ${XAUTHORITY:-} && -n ${HOME:-} && -e $HOME/.Xauthority ]]; then
    export XAUTHORITY="$HOME/.Xauthority"
  fi
  # Wine links Desktop/Documents into $HOME and writes menu entries there.
  export HOME="$build/home"
  export WINEPREFIX="$build/wine"
  export WINEARCH=win32
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
  wineboot -i >/dev/null 2>&1 || return 1

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
  wine regedit /S "$reg" >/dev/null 2>&1 || return 1
  # The registry reaches the disk when this server ends.
  wineserver -w
  touch "$marque"
}

lvx_wineserver_demarrer() {
  wineserver -p >/dev/null 2>&1 || return 1
  LVX_WINESERVER=1
  # The services and the desktop process started now live as long as the
  # server: they must not inherit a caller's pipes (ctest would wait on them).
  wine wineboot >/dev/null 2>&1
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
