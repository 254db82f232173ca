#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang++ and libFuzzer, under
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for a bounded
# time on its corpus in tests/fuzz/corpus/<target>/. Exits non-zero when any
# target crashes, leaks, breaks a check or cannot be built; the input that did
# it is left in build-fuzz/artifacts/.
#
#   scripts/fuzz.sh [seconds per target, default 20] [target ...]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

seconds=${1:-20}
shift || true
out=build-fuzz
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(service_reply service_url dialog_selection picture_file)

if ! cmake --preset fuzz >/dev/null || ! cmake --build --preset fuzz; then
  echo "fuzz: the fuzz targets do not build" >&2
  exit 1
fi
mkdir -p "$out/artifacts"

status=0
for target in "${targets[@]}"; do
  binary="$out/tests/fuzz/fuzz_$target"
  if [ ! -x "$binary" ]; then
    echo "fuzz: no target named $target" >&2
    status=1
    continue
  fi

  # New finds go to a scratch corpus; the kept corpus only seeds the run.
  mkdir -p "$out/corpus/$target"
  echo "== fuzz $target for ${seconds}s =="
  run_target() {
    ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 QT_QPA_PLATFORM=offscreen \
      "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" \
        "$out/corpus/$target" "tests/fuzz/corpus/$target" > "$out/$target.log" 2>&1
  }
  # The leak checker's own tracer now and then crashes at exit on a loaded
  # machine ("LeakSanitizer has encountered a fatal error"), after the run is
  # done and with no finding: that one is run again, a real finding is not.
  tracer_crash() {
    grep -q 'LeakSanitizer has encountered a fatal error' "$out/$target.log" &&
      ! grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer: detected|UndefinedBehaviorSanitizer)|runtime error:|deadly signal' "$out/$target.log"
  }
  if run_target || { tracer_crash && echo "(the leak checker crashed at exit; once more)" && run_target; }; then
    grep -E '^stat::number_of_executed_units|^Done' "$out/$target.log" | tr '\n' ' '
    echo
  else
    tail -n 40 "$out/$target.log"
    echo "fuzz: $target FAILED; see $out/$target.log and $out/artifacts/" >&2
    status=1
  fi
done
exit "$status"
