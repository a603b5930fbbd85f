#!/usr/bin/env bash
# Fails on the string functions that write without a bound (strcpy, strcat,
# sprintf and their kin) anywhere in the sources: copies go through
# CopierTexte or snprintf, which cut to the buffer.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$racine"
interdits='\b(strcpy|strcat|sprintf|vsprintf|strtok|gets|lstrcpyA?|lstrcatA?|wsprintfA?|wvsprintfA?)[[:space:]]*\('
if trouves=$(find . \( -path ./build -o -path ./.git \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print |
    sort | xargs grep -n -E "$interdits"); then
  echo "verifier_sources: fonctions de chaîne sans limite :" >&2
  echo "$trouves" >&2
  exit 1
fi
echo "verifier_sources: aucune fonction de chaîne sans limite"
