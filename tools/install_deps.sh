#!/usr/bin/env bash
# Installs on Debian 12 what building and testing Lorvanix needs, and only
# what is missing: a second run does not touch apt at all.
set -euo pipefail

paquets=(
  cmake g++ make clang libgtest-dev libgmock-dev libbenchmark-dev
  wine wine32:i386 wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  xvfb x11-utils imagemagick fonts-wine fonts-liberation locales
  chromium ghostscript poppler-utils python3
  desktop-file-utils lintian xdg-utils shared-mime-info libfile-mimeinfo-perl xdotool openbox
)

manquants=()
for p in "${paquets[@]}"; do
  etat=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ $etat == ii* ]] || manquants+=("$p")
done

# Wine takes its language from the locale: the program runs in French. The
# locale is made before any script sets LC_ALL to it, and listed in
# /etc/locale.gen so that a later upgrade of the locales package keeps it.
francais() {
  locale -a 2>/dev/null | grep -qix 'fr_FR.utf8' && return 0
  if [[ -f /etc/locale.gen ]] && ! grep -qx 'fr_FR.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'fr_FR.UTF-8 UTF-8' | "${sudo_si_besoin[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_si_besoin[@]}" localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
}

sudo_si_besoin=()
if ((EUID != 0)); then
  sudo_si_besoin=(sudo)
fi

if ((${#manquants[@]} == 0)); then
  francais
  exit 0
fi

echo "install_deps: à installer : ${manquants[*]}"

export DEBIAN_FRONTEND=noninteractive
# wine32 lives in the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_si_besoin[@]}" dpkg --add-architecture i386
fi
"${sudo_si_besoin[@]}" apt-get update -q
"${sudo_si_besoin[@]}" apt-get install -y -q "${manquants[@]}" </dev/null
francais
