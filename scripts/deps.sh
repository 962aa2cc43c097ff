#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
PKGS=(
  cmake ninja-build g++ ccache pkg-config
  qtbase5-dev qtwebengine5-dev libqrencode-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth poppler-utils zbar-tools zxing-cpp-tools zint imagemagick
  clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info man-db dpkg-dev
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
