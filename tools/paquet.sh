#!/usr/bin/env bash
# The Debian package: build/paquet/lorvanix_<version>_amd64.deb, from the
# release of both Windows builds (tools/publier.sh: the 24 files of each,
# the installer left out) and the files of paquet/. No network. The version
# is the one of paquet/changelog; every file of the package has its date.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine"

version=$(sed -n '1s/^lorvanix (\([^)]*\)).*/\1/p' paquet/changelog)
[[ -n $version ]] || { echo "paquet.sh: pas de version en tête de paquet/changelog" >&2; exit 1; }
sortie=build/paquet
deb=$sortie/lorvanix_${version}_amd64.deb
# No package of an earlier run stands in for one that failed.
rm -f "$deb"

bash tools/publier.sh

# The date of the last changelog entry: the same package on every run.
SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^ -- .*>  //p' paquet/changelog | head -n 1)" +%s)
export SOURCE_DATE_EPOCH

arbre=$sortie/racine
rm -rf "$arbre"
umask 022
mkdir -p "$arbre/DEBIAN" "$arbre/usr/bin" "$arbre/usr/share/applications" \
  "$arbre/usr/share/mime/packages" "$arbre/usr/share/man/man1" "$arbre/usr/share/doc/lorvanix"

for dossier in win32 win64; do
  mkdir -p "$arbre/usr/lib/lorvanix/$dossier"
  for f in "build/publication/lorvanix-6.1-$dossier"/*; do
    [[ ${f##*/} == lvxsetup.exe ]] || install -m 644 "$f" "$arbre/usr/lib/lorvanix/$dossier/"
  done
done

sed "s/@VERSION@/$version/" paquet/lorvanix >"$arbre/usr/bin/lorvanix"
chmod 755 "$arbre/usr/bin/lorvanix"
install -m 644 paquet/lorvanix.desktop "$arbre/usr/share/applications/"
install -m 644 paquet/lorvanix.xml "$arbre/usr/share/mime/packages/"
python3 tools/paquet_icones.py "$arbre/usr/share/icons"
gzip -9n <paquet/lorvanix.1 >"$arbre/usr/share/man/man1/lorvanix.1.gz"

# The documentation is read on Linux: UTF-8 and LF, where the Windows
# folders keep the shipped Windows-1252 and CR LF.
doc=$arbre/usr/share/doc/lorvanix
for texte in lisezmoi.txt licence.txt; do
  iconv -f WINDOWS-1252 -t UTF-8 "resources/$texte" | tr -d '\r' >"$doc/$texte"
done
gzip -9n <paquet/changelog >"$doc/changelog.Debian.gz"
{
  cat paquet/copyright.entete
  sed -e 's/^$/./' -e 's/^/ /' "$doc/licence.txt"
} >"$doc/copyright"

find "$arbre" -type d -exec chmod 755 {} +
(cd "$arbre" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
# As dpkg-gencontrol counts it: each file in KiB rounded up, each folder 1.
taille=$(find "$arbre" -path "$arbre/DEBIAN" -prune -o -printf '%y %s\n' |
  awk '$1 == "d" { n += 1 } $1 == "f" { n += int(($2 + 1023) / 1024) } END { print n }')
sed -e "s/@VERSION@/$version/" -e "s/@TAILLE@/$taille/" paquet/control >"$arbre/DEBIAN/control"
chmod 644 "$arbre/DEBIAN/control" "$arbre/DEBIAN/md5sums"
find "$arbre" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

dpkg-deb --root-owner-group -Zxz --build "$arbre" "$deb"
echo "paquet.sh: $deb ($(du -k "$deb" | cut -f1) Kio, $taille Kio installés)"
