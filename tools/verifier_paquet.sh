#!/usr/bin/env bash
# Checks the Debian package made by tools/paquet.sh: exactly the files it
# must hold (the 24 files of tools/publier.sh for each build, no test, no
# installer), their modes, the control fields, the desktop entry
# (desktop-file-validate), the MIME type, the icons, and lintian without
# error (its warnings are printed).
#   tools/verifier_paquet.sh [PAQUET.deb]
set -uo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine" || exit 1
version=$(sed -n '1s/^lorvanix (\([^)]*\)).*/\1/p' paquet/changelog)
deb=${1:-build/paquet/lorvanix_${version}_amd64.deb}

echecs=0
controle() {
  local quoi=$1
  shift
  if "$@"; then
    echo "[ OK ]    $quoi"
  else
    echo "[ ECHEC ] $quoi"
    echecs=$((echecs + 1))
  fi
}

[[ -f $deb ]] || { echo "verifier_paquet: $deb absent (tools/paquet.sh le fait)" >&2; exit 1; }
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

# The shipped files, as the release lists them.
eval "$(sed -n '/^fichiers=(/,/^)/p' tools/publier.sh)"
controle "tools/publier.sh nomme 24 fichiers" test "${#fichiers[@]}" -eq 24

attendus=(
  ./usr/bin/lorvanix
  ./usr/share/applications/lorvanix.desktop
  ./usr/share/mime/packages/lorvanix.xml
  ./usr/share/man/man1/lorvanix.1.gz
  ./usr/share/doc/lorvanix/copyright
  ./usr/share/doc/lorvanix/changelog.Debian.gz
  ./usr/share/doc/lorvanix/lisezmoi.txt
  ./usr/share/doc/lorvanix/licence.txt
)
for cote in 16 32 48 64 128 256; do
  attendus+=("./usr/share/icons/hicolor/${cote}x${cote}/apps/lorvanix.png")
done
for dossier in win32 win64; do
  for f in "${fichiers[@]}"; do
    attendus+=("./usr/lib/lorvanix/$dossier/$f")
  done
done

dpkg-deb -c "$deb" >"$travail/liste"
awk '$1 !~ /^d/ { print $6 }' "$travail/liste" | sort >"$travail/presents"
printf '%s\n' "${attendus[@]}" | sort >"$travail/attendus"
controle "dpkg-deb -c : les ${#attendus[@]} fichiers attendus, aucun autre" \
  diff -u "$travail/attendus" "$travail/presents"
controle "tout appartient à root:root" \
  test -z "$(awk '$2 != "root/root"' "$travail/liste")"
controle "le lanceur est exécutable (rwxr-xr-x)" \
  grep -qE '^-rwxr-xr-x .* \./usr/bin/lorvanix$' "$travail/liste"
controle "les autres fichiers en rw-r--r--" \
  test -z "$(awk '$1 !~ /^d/ && $6 != "./usr/bin/lorvanix" && $1 != "-rw-r--r--"' "$travail/liste")"

champ() { dpkg-deb -f "$deb" "$1"; }
controle "Package: lorvanix" test "$(champ Package)" = lorvanix
controle "Version: $version" test "$(champ Version)" = "$version"
controle "Architecture: amd64" test "$(champ Architecture)" = amd64
for d in wine wine64 fonts-liberation fonts-wine; do
  controle "Depends: $d" grep -qE "(^|, )$d(,|$)" <<<"$(champ Depends)"
done
controle "Recommends: wine32" grep -qE "(^|, )wine32(,|$)" <<<"$(champ Recommends)"
controle "Installed-Size est un nombre" grep -qE '^[0-9]+$' <<<"$(champ Installed-Size)"

dpkg-deb -x "$deb" "$travail/racine"
controle "desktop-file-validate lorvanix.desktop" \
  desktop-file-validate "$travail/racine/usr/share/applications/lorvanix.desktop"
controle "le lanceur est du bash valide" bash -n "$travail/racine/usr/bin/lorvanix"
controle "le lanceur porte la version $version" \
  grep -qx "VERSION=$version" "$travail/racine/usr/bin/lorvanix"
controle "type MIME : *.lvx et l'en-tête des fiches" python3 - "$travail/racine/usr/share/mime/packages/lorvanix.xml" <<'PY'
import sys
import xml.etree.ElementTree as ET
ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
t = ET.parse(sys.argv[1]).find("m:mime-type", ns)
ok = (t is not None and t.get("type") == "application/x-lorvanix"
      and t.find("m:glob", ns).get("pattern") == "*.lvx"
      and t.find("m:magic/m:match", ns).get("value") == "LorVanix version1 Fichier CARTES"
      and t.find("m:magic/m:match", ns).get("offset") == "0")
sys.exit(0 if ok else 1)
PY
controle "icônes PNG à leur taille" python3 - "$travail/racine/usr/share/icons/hicolor" <<'PY'
import os
import struct
import sys
for cote in (16, 32, 48, 64, 128, 256):
    with open(os.path.join(sys.argv[1], "%dx%d" % (cote, cote), "apps", "lorvanix.png"), "rb") as f:
        tete = f.read(24)
    if tete[:8] != b"\x89PNG\r\n\x1a\n" or struct.unpack(">II", tete[16:24]) != (cote, cote):
        sys.exit(1)
PY
controle "copyright lisible par machine, avec la licence" grep -q "^License: Lorvanix$" \
  "$travail/racine/usr/share/doc/lorvanix/copyright"
controle "exemple.lvx commence par l'en-tête des fiches" \
  test "$(head -c 32 "$travail/racine/usr/lib/lorvanix/win64/exemple.lvx")" = "LorVanix version1 Fichier CARTES"

# The launcher without a working Wine: its loaders replaced by `chargeur`.
# Prints what it wrote on the terminal and its exit code.
sans_wine() {
  local chargeur=$1
  sed -e "s|^LOADER_I686=.*|LOADER_I686=$chargeur|" -e "s|^LOADER_X86_64=.*|LOADER_X86_64=$chargeur|" \
    "$travail/racine/usr/bin/lorvanix" >"$travail/lanceur"
  env -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR -u XDG_DATA_HOME HOME="$travail/maison" \
    bash "$travail/lanceur" "$travail/fiches.lvx" 2>&1 >/dev/null
  echo "code $?"
}
# The message holds every text given and the exit code is 1.
dit_puis_rend_1() {
  local message=$1 texte
  shift
  for texte in "$@"; do
    [[ $message == *"$texte"* ]] || return 1
  done
  [[ $message == *$'\n'"code 1" ]]
}
printf '#!/bin/sh\necho "/usr/lib/wine/wine: cannot execute binary file: Exec format error" >&2\nexit 126\n' \
  >"$travail/chargeur_casse"
chmod 755 "$travail/chargeur_casse"
message=$(sans_wine "$travail/absent")
echo "$message" | sed 's/^/    lanceur> /'
controle "sans Wine, le lanceur le dit et rend 1" \
  dit_puis_rend_1 "$message" "Wine n'est pas installé"
message=$(sans_wine "$travail/chargeur_casse")
echo "$message" | sed 's/^/    lanceur> /'
controle "Wine qui ne démarre pas : le lanceur donne son erreur et rend 1" \
  dit_puis_rend_1 "$message" "Wine ne démarre pas" "Exec format error"
controle "sans Wine, rien n'est créé chez l'utilisateur" test ! -e "$travail/maison/.local/share/lorvanix"

lintian --display-info --tag-display-limit 0 "$deb" >"$travail/lintian" 2>"$travail/lintian.err"
statut=$?
sed 's/^/lintian: /' "$travail/lintian"
controle "lintian : aucune erreur" test "$statut" -eq 0 -a -z "$(grep '^E:' "$travail/lintian")"

echo "paquet : $(du -k "$deb" | cut -f1) Kio ; $((echecs)) échec(s)"
((echecs == 0))
