#!/bin/sh
# The test printer's port: Wine pipes each print job here. The PostScript
# is kept as document.ps and turned into document.pdf; both appear whole
# (renamed at the end), so a reader polling for them never sees half a job.
# Usage: sortie_impression.sh DOSSIER
dossier=$1
mkdir -p "$dossier"
cat >"$dossier/.travail.ps"
ps2pdf "$dossier/.travail.ps" "$dossier/.travail.pdf" 2>"$dossier/ps2pdf.txt" || true
mv -f "$dossier/.travail.ps" "$dossier/document.ps"
[ -f "$dossier/.travail.pdf" ] && mv -f "$dossier/.travail.pdf" "$dossier/document.pdf"
exit 0
