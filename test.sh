#!/usr/bin/env bash
# Installs what is missing, builds everything (configuring checks that every
# link points down the layer order; a test checks the includes) and runs
# every test headless: the full suite on the normal build, then the unit and
# widget tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzzing run of
# the code that reads outside input.
set -uo pipefail
cd "$(dirname "$0")"
# Clones of the project share compiled objects through ccache, wherever they
# lie; the sloppiness lets it take a freshly cloned header by its contents.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=include_file_mtime,include_file_ctime
./scripts/install-deps.sh test || exit 1

jobs=$(nproc)
status=0
cmake --preset default -DVELLUMIX_BUILD_TESTS=ON -DVELLUMIX_BUILD_BENCH=ON >/dev/null &&
  cmake --build --preset default -j "$jobs" || exit 1
cmake --preset asan >/dev/null && cmake --build --preset asan -j "$jobs" --target vx_sanitized_tests || exit 1

export QT_QPA_PLATFORM=offscreen
echo "== Unit, widget and postcard tests =="
ctest --preset default -j "$jobs" -LE xvfb || status=1
echo "== Whole-program and package tests under a virtual X server (one at a time) =="
ctest --preset default -L xvfb || status=1
echo "== Unit and widget tests under AddressSanitizer and UBSan =="
ctest --preset asan -j "$jobs" -L 'unit|widget' || status=1
echo "== Fuzzing (libFuzzer, 15 s a target) =="
./scripts/fuzz.sh 15 || status=1

if [ "$status" -ne 0 ]; then
  echo "SOME TESTS FAILED"
else
  echo "ALL TESTS PASSED"
fi
exit "$status"
