#!/usr/bin/env bash
# Installs the Debian packages Vellumix needs to build, run and test.
# Only missing packages are installed, so a warm machine returns at once.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ clang libclang-rt-14-dev pkg-config libx11-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  libcurl4-openssl-dev libturbojpeg0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils
  cups printer-driver-cups-pdf poppler-utils
  python3 python3-aiosmtpd openssl
  fonts-liberation2 fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
