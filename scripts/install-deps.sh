#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Uses apt-get as root, sudo apt-get where available; otherwise prints the
# command to run and stops.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config
  zlib1g-dev libjpeg62-turbo-dev libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-dejavu-extra
  libx11-dev libxext-dev libxtst-dev xvfb xauth xcompmgr openbox xdg-utils fonts-wine
  libgtest-dev libgmock-dev libbenchmark-dev libpng-dev libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "These Debian packages are missing and I cannot install them without root or sudo." >&2
  echo "Please run as root:" >&2
  echo "  apt-get install -y ${missing[*]}" >&2
  exit 1
fi
