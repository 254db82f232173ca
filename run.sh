#!/usr/bin/env bash
# Installs what is missing, builds Vellumix and starts it.
set -euo pipefail
cd "$(dirname "$0")"
# Clones of the project share compiled objects through ccache, wherever they
# lie; the sloppiness lets it take a freshly cloned header by its contents.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=include_file_mtime,include_file_ctime
./scripts/install-deps.sh run
# Only the program and its data: the tests and benchmarks come with ./test.sh.
cmake --preset default -DVELLUMIX_BUILD_TESTS=OFF -DVELLUMIX_BUILD_BENCH=OFF >/dev/null
cmake --build --preset default --target vellumix
exec ./build/vellumix
