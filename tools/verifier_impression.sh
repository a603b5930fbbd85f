#!/usr/bin/env bash
# Reads a document that the test printer wrote, as a reader of the paper
# would: its pages as text (pdftotext) and as pictures (pdftoppm, saved to
# look at). Texts are compared without their blanks: each character is
# drawn on its own, and the text extraction may space them differently.
# The PostScript driver names the hyphen's glyph "hyphen", which the text
# extraction reads as a soft hyphen (U+00AD): it is read back as "-".
# Usage:
#   verifier_impression.sh fiches DOSSIER CAPTURES
#     DOSSIER/fiches.pdf: at least as many pages as DOSSIER/fiches_nombre.txt,
#     "Page N" on page N, the five field titles on page 1, every name of
#     DOSSIER/fiches_noms.txt somewhere.
#   verifier_impression.sh liste PDF ATTENDUS EN_TETE CAPTURES
#     "EN_TETE Page 1" on page 1 and, below the headers, exactly the lines
#     of ATTENDUS in their order.
set -euo pipefail

sans_blancs() { tr -d ' \t\f\r' | sed 's/\xc2\xad/-/g'; }

captures() {
  local pdf=$1 dossier=$2 prefixe=$3
  mkdir -p "$dossier"
  pdftoppm -r 60 -png -f 1 -l 3 "$pdf" "$dossier/$prefixe"
}

echec=0
ko() {
  echo "ECHEC: $*"
  echec=1
}

case $1 in
  fiches)
    dossier=$2 sortie=$3
    pdf=$dossier/fiches.pdf
    for f in "$pdf" "$dossier/fiches_noms.txt" "$dossier/fiches_nombre.txt"; do
      [[ -f $f ]] || { echo "verifier_impression: $f manque (le cas impression_fiches l'écrit)" >&2; exit 1; }
    done
    pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
    nombre=$(cat "$dossier/fiches_nombre.txt")
    ((pages >= nombre)) || ko "$pages pages pour $nombre fiches (une fiche par page)"
    for ((n = 1; n <= pages; n++)); do
      pdftotext -f "$n" -l "$n" -layout "$pdf" - | sans_blancs | grep -qF "Page$n" || ko "page $n sans « Page $n »"
    done
    premiere=$(pdftotext -f 1 -l 1 -layout "$pdf" - | sans_blancs)
    for titre in "Nom du site:" "URL:" "Rubrique:" "Mots clés:" "Notes,remarques,commentaires sur le site:"; do
      grep -qF -- "$(sans_blancs <<<"$titre")" <<<"$premiere" || ko "titre absent de la page 1 : $titre"
    done
    tout=$(pdftotext -layout "$pdf" - | sans_blancs)
    while IFS= read -r nom; do
      [[ -n $nom ]] || continue
      grep -qF -- "$(sans_blancs <<<"$nom")" <<<"$tout" || ko "fiche absente : $nom"
    done <"$dossier/fiches_noms.txt"
    captures "$pdf" "$sortie" impression_fiches_page
    echo "$pages pages, $nombre fiches"
    ;;
  liste)
    pdf=$2 attendus=$3 en_tete=$4 sortie=$5
    for f in "$pdf" "$attendus"; do
      [[ -f $f ]] || { echo "verifier_impression: $f manque" >&2; exit 1; }
    done
    pdftotext -f 1 -l 1 -layout "$pdf" - | sans_blancs | grep -qF "$(sans_blancs <<<"$en_tete")Page1" ||
      ko "« $en_tete Page 1 » absent de la page 1"
    obtenues=$(pdftotext -layout "$pdf" - | sans_blancs | grep -v '^$' |
      grep -vx "$(sans_blancs <<<"$en_tete")Page[0-9]*" || true)
    voulues=$(sans_blancs <"$attendus" | grep -v '^$' || true)
    if [[ $obtenues != "$voulues" ]]; then
      ko "les valeurs imprimées diffèrent des valeurs attendues"
      diff <(echo "$voulues") <(echo "$obtenues") || true
    fi
    captures "$pdf" "$sortie" "impression_liste_$(basename "$pdf" .pdf)_page"
    echo "$(grep -c . <<<"$voulues") valeurs"
    ;;
  *)
    echo "usage: verifier_impression.sh fiches|liste ..." >&2
    exit 2
    ;;
esac
exit $echec
