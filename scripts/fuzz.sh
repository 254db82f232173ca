#!/usr/bin/env bash
# Builds the fuzz targets with clang++ and libFuzzer (under AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for a bounded time on its
# corpus in tests/fuzz/corpus/<target>/. Exits non-zero when any target
# crashes, leaks, breaks a check or cannot be built; the input that did it is
# left in build-fuzz-targets/artifacts/.
#
#   scripts/fuzz.sh [seconds per target, default 20] [target ...]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

seconds=${1:-20}
shift || true
out=build-fuzz-targets
cxx=${FUZZ_CXX:-clang++}

# Each target and the program sources it exercises.
declare -A sources=(
  [service_reply]="postcardprotocol/PostcardRequest.cpp"
  [service_url]="postcardprotocol/PostcardRequest.cpp"
  [dialog_selection]="controls/ComDLG.cpp"
  [picture_file]="pixels/BitmapFile.cpp pixels/AtomicFile.cpp"
)
declare -A mains=(
  [service_reply]=tests/fuzz/ServiceReplyFuzzer.cpp
  [service_url]=tests/fuzz/ServiceUrlFuzzer.cpp
  [dialog_selection]=tests/fuzz/DialogSelectionFuzzer.cpp
  [picture_file]=tests/fuzz/PictureFileFuzzer.cpp
)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(service_reply service_url dialog_selection picture_file)

if ! command -v "$cxx" >/dev/null; then
  echo "fuzz: $cxx not found" >&2
  exit 1
fi
if ! qt_cflags=$(pkg-config --cflags Qt6Widgets) || ! qt_ldflags=$(pkg-config --libs Qt6Widgets)
then
  echo "fuzz: Qt 6 development files not found" >&2
  exit 1
fi
read -ra qt_flags <<< "$qt_cflags"
read -ra qt_libs <<< "$qt_ldflags"
sanitizers=address,undefined
cxxflags=(-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer -Wall -Wextra -Wpedantic
          "-fsanitize=$sanitizers" -fno-sanitize-recover=undefined -I. "${qt_flags[@]}")

mkdir -p "$out/obj" "$out/artifacts"
# Objects built with other flags or another compiler are built again.
stamp="$cxx ${cxxflags[*]}"
if [ "$(cat "$out/obj/flags" 2>/dev/null)" != "$stamp" ]; then
  rm -f "$out"/obj/*.o
  echo "$stamp" > "$out/obj/flags"
fi

# True when the object is newer than its source and everything it includes.
up_to_date() {
  local object=$1 deps changed
  [ -f "$object" ] && [ -f "$object.d" ] || return 1
  read -ra deps <<< "$(sed -e 's/^[^:]*://' -e 's/\\$//' "$object.d" | tr '\n' ' ')"
  changed=$(find "${deps[@]}" -newer "$object" 2>/dev/null) || return 1
  [ -z "$changed" ]
}

# Compiles one source unless it is up to date; prints the object's path.
compile() {
  local source=$1 object="$out/obj/${1//\//_}.o"
  if ! up_to_date "$object"; then
    "$cxx" "${cxxflags[@]}" -fsanitize=fuzzer-no-link -MMD -MF "$object.d" -c "$source" \
      -o "$object" >&2 || return 1
  fi
  echo "$object"
}

status=0
for target in "${targets[@]}"; do
  if [ -z "${mains[$target]:-}" ]; then
    echo "fuzz: no target named $target" >&2
    status=1
    continue
  fi
  objects=()
  for source in ${mains[$target]} ${sources[$target]}; do
    object=$(compile "$source") || { echo "fuzz: $source does not compile" >&2; status=1; continue 2; }
    objects+=("$object")
  done
  binary="$out/$target"
  "$cxx" "-fsanitize=fuzzer,$sanitizers" "${objects[@]}" "${qt_libs[@]}" -o "$binary" || {
    echo "fuzz: $target does not link" >&2
    status=1
    continue
  }

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
