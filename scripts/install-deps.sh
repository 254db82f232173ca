#!/usr/bin/env bash
# Installs the Debian packages Vellumix needs, by set:
#   run   building and running the program (what ./run.sh needs)
#   test  everything: the tests, benchmarks, fuzzers and the package tools
# Only missing packages are installed, so a warm machine returns at once.
set -euo pipefail

set_name=${1:-test}
run_packages=(
  cmake ninja-build ccache g++ pkg-config
  qt6-base-dev qt6-base-private-dev qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libcurl4-openssl-dev libturbojpeg0-dev
  libcups2-dev
  fonts-liberation2 fonts-dejavu-core
  libmicrohttpd-dev libgnutls28-dev
)
test_packages=(
  "${run_packages[@]}"
  clang libclang-rt-14-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xclip imagemagick x11-utils
  cups printer-driver-cups-pdf poppler-utils
  cups-client util-linux mount git
  python3 python3-aiosmtpd openssl postfix
  python3-pyatspi at-spi2-core dbus dbus-bin
  dpkg-dev file lintian desktop-file-utils appstream
  wrk
)
case "$set_name" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

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
# The tests run Postfix privately; the machine's own stays unconfigured.
if [[ " ${missing[*]} " == *" postfix "* ]]; then
  echo "postfix postfix/main_mailer_type select No configuration" | $SUDO debconf-set-selections
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
