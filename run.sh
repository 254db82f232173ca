#!/usr/bin/env bash
# Installs what is missing, builds Vellumix and starts it.
set -euo pipefail
cd "$(dirname "$0")"
# Clones of the project share compiled objects through ccache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec ./build/vellumix
