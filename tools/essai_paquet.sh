#!/usr/bin/env bash
# End to end, the Debian package as a user gets it: installed with dpkg,
# Lorvanix started by the launcher on a copy of exemple.lvx in a folder
# whose name has a blank and an accent, under a private Xvfb, with a home
# of its own. Checks the window (title, counters, through essai_lanceur.exe
# in the launcher's prefix), Connect reaching the desktop's browser, a
# second start reusing the prefix and refreshing an outdated program folder
# without touching the user's settings, the card file type by name and by
# content, then dpkg -r leaving nothing of the package and the user's
# folder in place. Prints both start times; saves a screenshot.
# It installs a package into this machine: root only; exit code 77 (skipped)
# otherwise.
set -uo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine" || exit 1

if ((EUID != 0)); then
  echo "essai_paquet: ignoré : il installe le paquet dans la machine, ce que seul root peut faire"
  exit 77
fi

version=$(sed -n '1s/^lorvanix (\([^)]*\)).*/\1/p' paquet/changelog)
deb=$racine/build/paquet/lorvanix_${version}_amd64.deb
[[ -f $deb ]] || bash tools/paquet.sh || exit 1

# The build the launcher starts, by the launcher's own test.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  version_windows=win32 arbre=build/win32 loader=/usr/lib/wine/wine
else
  version_windows=win64 arbre=build/win64 loader=/usr/lib/wine/wine64
fi
assistant=$racine/$arbre/bin/essai_lanceur.exe
[[ -f $assistant ]] || { echo "essai_paquet: $assistant absent (construire $arbre)" >&2; exit 1; }
captures=$racine/$arbre/screenshots
mkdir -p "$captures"

reussis=0
rates=0
verifier() {
  local quoi=$1
  shift
  if "$@"; then
    echo "[ OK ]    $quoi"
    reussis=$((reussis + 1))
  else
    echo "[ ECHEC ] $quoi"
    rates=$((rates + 1))
  fi
}

# A home of its own: the launcher's folder, the desktop's defaults.
travail=$(mktemp -d /tmp/lvx_paquet.XXXXXX)
export HOME=$travail/maison
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CONFIG_HOME=$HOME/.config
export XDG_CACHE_HOME=$HOME/.cache
export XDG_DATA_DIRS=/usr/local/share:/usr/share
export LC_ALL=fr_FR.UTF-8
unset WINEPREFIX WINEARCH WINELOADER WINEDEBUG WINEDLLOVERRIDES DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications"
dossier_utilisateur=$XDG_DATA_HOME/lorvanix
prefixe=$dossier_utilisateur/prefixe/$version_windows
programme=$dossier_utilisateur/programme

source tools/wine_env.sh
LVX_XVFB_PID=
gestionnaire=
installe=0
lanceur=
finir() {
  if [[ -n $lanceur ]] && kill -0 "$lanceur" 2>/dev/null; then
    kill "$lanceur" 2>/dev/null
  fi
  [[ -d $prefixe ]] && WINEPREFIX=$prefixe /usr/lib/wine/wineserver -k >/dev/null 2>&1
  if [[ -n $gestionnaire ]]; then
    kill "$gestionnaire" 2>/dev/null
    wait "$gestionnaire" 2>/dev/null
  fi
  lvx_wine_arreter
  if ((installe)); then
    dpkg -r lorvanix >/dev/null 2>&1
  fi
  rm -rf "$travail"
}
trap finir EXIT
trap 'exit 130' INT TERM

# In the launcher's prefix, as the launcher runs its programs.
dans_prefixe() {
  WINEPREFIX=$prefixe WINEARCH=$version_windows WINELOADER=$loader WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" "$loader" "$@"
}

# The helper's own checks, its lines set apart from this script's.
assistant() {
  local sortie
  sortie=$(dans_prefixe "$assistant" "$@" 2>&1)
  local code=$?
  sed 's/^/    | /' <<<"$sortie"
  dernier_assistant=$sortie
  return $code
}

# Seconds (to the tenth) until a visible window of this exact name, or empty.
attendre_fenetre() {
  local nom=$1 debut=$2 limite=$3
  while :; do
    if xdotool search --onlyvisible --name "^${nom//./\\.}\$" >/dev/null 2>&1; then
      LC_ALL=C awk -v d="$debut" -v f="$(date +%s.%N)" 'BEGIN { printf "%.1f", f - d }'
      return 0
    fi
    kill -0 "$lanceur" 2>/dev/null || return 1
    (($(date +%s) - ${debut%.*} < limite)) || return 1
    sleep 0.2
  done
}

# Starts the launcher in the background; the time until the information
# box shows goes to `duree`.
demarrer() {
  local debut
  debut=$(date +%s.%N)
  lorvanix "$@" >"$travail/lanceur.txt" 2>&1 &
  lanceur=$!
  duree=$(attendre_fenetre "A propos de Lorvanix 6.1" "$debut" 300)
}

lanceur_fini() {
  local code
  wait "$lanceur"
  code=$?
  lanceur=
  sed 's/^/    lanceur> /' "$travail/lanceur.txt"
  return $code
}

echo "essai_paquet: paquet $deb, version $version_windows"

# --- installation
if dpkg -i "$deb" >"$travail/dpkg.txt" 2>&1; then
  installe=1
else
  cat "$travail/dpkg.txt"
  echo "essai_paquet: dépendances manquantes : apt-get -f install"
  apt-get -f install -y -q </dev/null && installe=1
fi
verifier "dpkg -i $deb" test "$installe" -eq 1
((installe)) || exit 1
verifier "lorvanix est dans le PATH (/usr/bin/lorvanix)" test "$(command -v lorvanix)" = /usr/bin/lorvanix

# --- the card file type, by name and by content
mkdir -p "$HOME/Mes fiches été"
fiche="$HOME/Mes fiches été/Signets d'été.lvx"
cp /usr/lib/lorvanix/$version_windows/exemple.lvx "$fiche"
cp "$fiche" "$HOME/Mes fiches été/sans extension"
verifier "xdg-mime query filetype « Signets d'été.lvx » : application/x-lorvanix" \
  test "$(xdg-mime query filetype "$fiche")" = application/x-lorvanix
verifier "xdg-mime query filetype « sans extension » (l'en-tête) : application/x-lorvanix" \
  test "$(xdg-mime query filetype "$HOME/Mes fiches été/sans extension")" = application/x-lorvanix
verifier "xdg-mime query default application/x-lorvanix : lorvanix.desktop" \
  test "$(xdg-mime query default application/x-lorvanix)" = lorvanix.desktop

# --- the desktop's browser: a stand-in that writes down what it is given
cat >"$travail/navigateur.sh" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >>"$travail/navigateur.txt"
EOF
chmod 755 "$travail/navigateur.sh"
cat >"$XDG_DATA_HOME/applications/navigateur-essai.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Navigateur d'essai
Exec=$travail/navigateur.sh %u
MimeType=x-scheme-handler/http;x-scheme-handler/https;
EOF
printf '%s\n' '[Default Applications]' \
  'x-scheme-handler/http=navigateur-essai.desktop' \
  'x-scheme-handler/https=navigateur-essai.desktop' >"$XDG_CONFIG_HOME/mimeapps.list"

lvx_xvfb_demarrer || exit 1
# A desktop has a window manager: Wine waits for one to withdraw each
# window it hides (two seconds a window without one), and it frames them.
openbox --sm-disable >/dev/null 2>&1 &
gestionnaire=$!
for ((i = 0; i < 50; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
verifier "gestionnaire de fenêtres openbox sur $DISPLAY" kill -0 "$gestionnaire"
echo "essai_paquet: écran $DISPLAY, dossier de l'utilisateur $dossier_utilisateur"

# --- first start: the prefix made, the file given as a Linux path
cd "$HOME" || exit 1
demarrer "$fiche"
premier=$duree
verifier "premier démarrage : la boîte d'information s'affiche" test -n "$premier"
verifier "premier démarrage : le préfixe $prefixe est prêt" test -e "$prefixe/.lorvanix-pret"
verifier "premier démarrage : le lanceur l'a annoncé" grep -q "Première utilisation" "$travail/lanceur.txt"
fenetres=$(dans_prefixe winepath -w "$fiche" 2>/dev/null)
verifier "le programme montre « Signets d'été.lvx » : titre, compteurs, fiche 1" \
  assistant ouvert "$fenetres" paquet_premier
url=$(sed -n 's/^URL de la fiche : //p' <<<"$dernier_assistant" | tr -d '\r')
titre_x() { xdotool search --onlyvisible --name "^Lorvanix 6\.1 Signets d'été\.lvx\$" >/dev/null; }
verifier "titre X de la fenêtre : « Lorvanix 6.1 Signets d'été.lvx »" titre_x
# The desktop entry's StartupWMClass: docks put the window under its icon.
classe_x() {
  local fenetre
  fenetre=$(xdotool search --onlyvisible --name "^Lorvanix 6\.1 Signets" | head -n 1)
  xprop -id "$fenetre" WM_CLASS | grep -qF '"lorvanix.exe"'
}
verifier "classe X de la fenêtre : lorvanix.exe (StartupWMClass)" classe_x
capture=$captures/paquet_lanceur.png
import -display "$DISPLAY" -window root "$capture" 2>/dev/null
verifier "capture $capture (non noire)" \
  test "$(convert "$capture" -format '%[fx:mean>0.05]' info: 2>/dev/null)" = 1

# Connect: winebrowser hands the URL to xdg-open, which runs the default.
verifier "Connecter... envoyé" assistant connecter
for ((i = 0; i < 100; i++)); do
  grep -qxF "$url" "$travail/navigateur.txt" 2>/dev/null && break
  sleep 0.2
done
verifier "Connecter... ouvre le navigateur du bureau sur « $url »" \
  grep -qxF "$url" "$travail/navigateur.txt"

verifier "le programme se ferme sans question" assistant fermer
verifier "le lanceur rend 0" lanceur_fini
WINEPREFIX=$prefixe /usr/lib/wine/wineserver -w

verifier "exemple.lvx copié dans $dossier_utilisateur" \
  cmp -s /usr/lib/lorvanix/$version_windows/exemple.lvx "$dossier_utilisateur/exemple.lvx"
verifier "programme/ tient les fichiers du paquet et le tampon « $version $version_windows »" \
  test "$(cat "$programme/.version")" = "$version $version_windows" -a -f "$programme/lorvanix.exe"

# --- second start: the prefix reused; a program folder of an older
# package is refreshed, the user's bookmark file path stays
echo "ancienne $version_windows" >"$programme/.version"
: >"$programme/lisezmoi.txt"
python3 - "$programme/bookdef.cfg" <<'PY'
import sys
chemin = b"C:\\signets\\bookmark.htm"
octets = bytearray(open(sys.argv[1], "rb").read())
octets[52:52 + 256] = chemin + b"\0" * (256 - len(chemin))  # after the header
open(sys.argv[1], "wb").write(octets)
PY
marque_prefixe=$(stat -c %Y "$prefixe/.lorvanix-pret")
demarrer
second=$duree
verifier "second démarrage (sans argument) : la boîte d'information s'affiche" test -n "$second"
verifier "second démarrage : le préfixe est repris" \
  test "$(stat -c %Y "$prefixe/.lorvanix-pret")" = "$marque_prefixe"
verifier "second démarrage : rien n'est annoncé" test ! -s "$travail/lanceur.txt"
verifier "sans argument, le programme montre l'exemple de l'utilisateur" \
  assistant ouvert "$(dans_prefixe winepath -w "$dossier_utilisateur/exemple.lvx" 2>/dev/null)" paquet_second
verifier "programme/ recopié : lisezmoi.txt du paquet, tampon à jour" \
  test "$(cat "$programme/.version")" = "$version $version_windows" -a \
  "$(md5sum <"$programme/lisezmoi.txt")" = "$(md5sum </usr/lib/lorvanix/$version_windows/lisezmoi.txt)"
verifier "le programme se ferme sans question" assistant fermer
verifier "le lanceur rend 0" lanceur_fini
verifier "bookdef.cfg de l'utilisateur gardé (C:\\signets\\bookmark.htm)" \
  grep -qaF 'C:\signets\bookmark.htm' "$programme/bookdef.cfg"
WINEPREFIX=$prefixe /usr/lib/wine/wineserver -k >/dev/null 2>&1

echo "essai_paquet: premier démarrage (préfixe créé) : ${premier:-?} s ; second démarrage : ${second:-?} s"

# --- removal: nothing of the package left, the user's folder kept
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' >"$travail/fichiers"
if dpkg -r lorvanix >"$travail/dpkg.txt" 2>&1; then
  installe=0
else
  cat "$travail/dpkg.txt"
fi
verifier "dpkg -r lorvanix" test "$installe" -eq 0
restes=$(while read -r f; do [[ -e $f ]] && echo "$f"; done <"$travail/fichiers")
verifier "plus aucun fichier du paquet ($(wc -l <"$travail/fichiers") vérifiés)${restes:+ : $restes}" \
  test -s "$travail/fichiers" -a -z "$restes"
verifier "ni /usr/lib/lorvanix ni /usr/share/doc/lorvanix" test ! -e /usr/lib/lorvanix -a ! -e /usr/share/doc/lorvanix
verifier "le type application/x-lorvanix a quitté la base MIME" test ! -e /usr/share/mime/application/x-lorvanix.xml
verifier "dpkg ne connaît plus lorvanix" \
  test -z "$(dpkg-query -W -f='${db:Status-Abbrev}' lorvanix 2>/dev/null | grep '^ii')"
verifier "le dossier de l'utilisateur reste" \
  test -f "$programme/lorvanix.exe" -a -f "$dossier_utilisateur/exemple.lvx" -a -d "$prefixe"

echo "essai_paquet: $reussis réussis, $rates ratés"
((rates == 0))
