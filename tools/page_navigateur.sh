#!/usr/bin/env bash
# Opens a links page written by the program in headless Chromium, as a
# reader would: every expected link text must be a link of the page as the
# browser parsed it (entities decoded), every expected note line must be
# in its text, the title must be the page's, and a screenshot of the page
# is saved to look at.
# Usage: page_navigateur.sh PAGE LIENS_ATTENDUS NOTES_ATTENDUES TITRE_ATTENDU CAPTURE.png
set -euo pipefail

page=$1 attendus=$2 notes=$3 titre=$4 capture=$5
navigateur=$(command -v chromium || command -v chromium-browser || true)
if [[ -z $navigateur ]]; then
  echo "page_navigateur: chromium est introuvable (tools/install_deps.sh l'installe)" >&2
  exit 1
fi
for f in "$page" "$attendus" "$notes" "$titre"; do
  [[ -f $f ]] || { echo "page_navigateur: $f manque (le cas export_page_liens l'écrit)" >&2; exit 1; }
done

profil=$(mktemp -d)
trap 'rm -rf "$profil"' EXIT
options=(--headless --no-sandbox --disable-gpu --no-first-run --user-data-dir="$profil"
         --virtual-time-budget=2000)

# The DOM as parsed: one line per link, "texte" only.
dom=$("$navigateur" "${options[@]}" --dump-dom "file://$page" 2>/dev/null)
mkdir -p "$(dirname "$capture")"
"$navigateur" "${options[@]}" --window-size=1000,1600 --screenshot="$capture" "file://$page" >/dev/null 2>&1

echec=0
liens=$(grep -o '<a href="[^"]*">[^<]*</a>' <<<"$dom" | sed 's/<a href="[^"]*">\(.*\)<\/a>/\1/' | sed 's/&amp;/\&/g' || true)
nombre=$(grep -c . <<<"$liens" || true)
attendu=$(grep -c . "$attendus")
if [[ $nombre != "$attendu" ]]; then
  echo "ECHEC: $nombre liens dans la page, $attendu attendus"
  echec=1
fi
while IFS= read -r texte; do
  if ! grep -qxF -- "$texte" <<<"$liens"; then
    echo "ECHEC: lien absent : $texte"
    echec=1
  fi
done <"$attendus"
# The text as read: the serializer's own entities decoded.
texte=$(sed 's/<[^>]*>/\n/g; s/&nbsp;/\xc2\xa0/g; s/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g' <<<"$dom")
while IFS= read -r ligne; do
  if ! grep -qF -- "$ligne" <<<"$texte"; then
    echo "ECHEC: ligne de notes absente ou mal lue : $ligne"
    echec=1
  fi
done <"$notes"
titre_page=$(grep -o '<title>[^<]*</title>' <<<"$dom" | sed 's/<\/\?title>//g; s/&amp;/\&/g')
if [[ $titre_page != "$(cat "$titre")" ]]; then
  echo "ECHEC: titre « $titre_page », attendu « $(cat "$titre") »"
  echec=1
fi
if [[ ! -s $capture ]]; then
  echo "ECHEC: pas de capture $capture"
  echec=1
fi
if ((echec)); then
  exit 1
fi
echo "page_navigateur: $nombre liens, $(grep -c . "$notes") lignes de notes, titre « $titre_page », capture $capture"
