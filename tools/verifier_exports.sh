#!/usr/bin/env bash
# Checks that each DLL of a Windows build exports exactly the names of its
# export list, undecorated, whatever the machine can run.
#   tools/verifier_exports.sh BUILD OBJDUMP
set -euo pipefail

arbre=$1
objdump=$2
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
echecs=0

while IFS= read -r liste; do
  dll=$(sed -n -E 's/^LIBRARY +"?([^" ]+)"?.*/\1/p' "$liste")
  attendus=$(sed -n -E 's/^[[:space:]]+([A-Za-z_][A-Za-z0-9_]*)(@[0-9]+)?[[:space:]]*$/\1/p' "$liste" | sort)
  # The export table: the rows after "[Ordinal/Name Pointer] Table".
  trouves=$("$objdump" -p "$arbre/bin/$dll" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n -E 's/^[[:space:]]+\[[[:space:]]*[0-9]+\][[:space:]]+([^[:space:]]+)$/\1/p' | sort)
  if [[ $attendus != "$trouves" ]]; then
    echo "verifier_exports: $dll n'exporte pas sa liste $liste :" >&2
    diff <(echo "$attendus") <(echo "$trouves") >&2 || true
    echecs=$((echecs + 1))
  fi
done < <(find "$racine" -path "$racine/build" -prune -o -name '*.def' -print | sort)

((echecs == 0)) && echo "verifier_exports: $arbre : exports conformes"
((echecs == 0))
