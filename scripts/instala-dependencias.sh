#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build and the tests need and this machine lacks.
# Uses sudo when not run as root.
set -euo pipefail

pacotes=(
  build-essential cmake ninja-build clang libclang-rt-14-dev clang-format-14 llvm-14
  libgtest-dev libzip-dev libexpat1-dev libgif-dev libwebp-dev pkgconf
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools
  fonts-liberation2 fontconfig
  desktop-file-utils appstream dpkg-dev file
)

faltam=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltam+=("$p")
  fi
done
[ ${#faltam[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "Faltam pacotes (${faltam[*]}) e não há sudo: instale-os como root." >&2
  exit 1
fi
echo "Instalando: ${faltam[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${faltam[@]}"
