#!/usr/bin/env bash
# Peak memory of the running program after colouring every page.
# Runs the real binary under a virtual X server (no window manager, so the
# window sits at the screen's origin), picks a brush with xdotool, fills an
# area on every page while turning through them all, then reads the
# process's own peak resident size (VmHWM) before closing it.
#
# With VELLUMIX_MEMORY_FILLS=n, each page first gets n fills of its margin
# in alternating colours (red, blue), every one a step of the undo history.
#
# Usage: scripts/measure-memory.sh [build folder]   (default: build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"

if [ -z "${VELLUMIX_MEMORY_UNDER_XVFB:-}" ]; then
  exec env VELLUMIX_MEMORY_UNDER_XVFB=1 \
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi

for tool in xdotool; do
  command -v "$tool" >/dev/null || { echo "measure-memory: $tool is missing" >&2; exit 1; }
done
[ -x "$build/vellumix" ] || { echo "measure-memory: no $build/vellumix; build it first" >&2; exit 1; }
places_tool="$build/tools/places/vellumix-places"
[ -x "$places_tool" ] || { echo "measure-memory: no $places_tool; build it first" >&2; exit 1; }
places="$("$places_tool")"
# left top width height of a control, in window pixels; or a fact of the book
place() { awk -v name="$1" '$1 == name { $1 = ""; sub(/^ /, ""); print }' <<<"$places"; }
pages="$(place pages)"
title="$(place title)"
read -r slot_x slot_y slot_w _ <<<"$(place cmdCOLOR)"
read -r canvas_x canvas_y _ _ <<<"$(place canvas)"
read -r next_x next_y _ _ <<<"$(place cmdNEXT)"

# The program writes its working copies beside itself: give it a scratch folder.
scratch="$(mktemp -d)"
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
cp "$build/vellumix" "$scratch/"
cp -r "$root/res" "$scratch/res"

QT_QPA_PLATFORM=xcb "$scratch/vellumix" &
pid=$!

window=""
for _ in $(seq 1 150); do
  window="$(xdotool search --onlyvisible --pid "$pid" --name "^$title\$" 2>/dev/null | tail -n 1 || true)"
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "measure-memory: the program ended at start-up" >&2; exit 1; }
  sleep 0.1
done
[ -n "$window" ] || { echo "measure-memory: no window appeared" >&2; exit 1; }
sleep 0.5

# Window positions (the window lies at the screen's origin).
click() {
  xdotool mousemove --sync "$1" "$2" click 1
  sleep "${3:-0.15}"
}
slot() { click $((slot_x + slot_w * $1 + slot_w / 2)) $((slot_y + 100)) "${2:-0.15}"; }
canvas() { click $((canvas_x + 2 + $1)) $((canvas_y + 2 + $2)) "${3:-0.15}"; } # inside the 2-pixel border
next_page() { click $((next_x + 34)) $((next_y + 60)) 0.6; }

fills="${VELLUMIX_MEMORY_FILLS:-0}"
slot 2                    # the blue brush, in paint mode
for page in $(seq 1 "$pages"); do
  for fill in $(seq 1 "$fills"); do
    slot $(( fill % 2 == 0 ? 2 : 0 )) 0.01
    canvas 10 10 0.01
  done
  canvas 10 10            # the margin around the picture, an area on every page
  canvas 261 196          # and whatever area lies in the middle
  if [ "$page" -lt "$pages" ]; then next_page; fi
done

status="/proc/$pid/status"
peak_kb="$(awk '/^VmHWM:/ { print $2 }' "$status")"
now_kb="$(awk '/^VmRSS:/ { print $2 }' "$status")"

# Close it as the close box would, where the helper is built; that also
# stores the last page.
if [ -x "$build/tests/support/xclose" ]; then
  "$build/tests/support/xclose" "$window"
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
fi

# Each stored page must show the brush's blue where the margin was filled.
coloured="$(/usr/bin/python3 - "$scratch/res/pages" "$pages" <<'PY'
import struct, sys
count = 0
for page in range(1, int(sys.argv[2]) + 1):
    data = open(f"{sys.argv[1]}/{page}.bmp", "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    bits, = struct.unpack_from("<H", data, 28)
    stride = (width * bits // 8 + 3) // 4 * 4
    x, y = 10, 10
    row = height - 1 - y if height > 0 else y
    i = offset + row * stride + x * bits // 8
    blue, green, red = data[i], data[i + 1], data[i + 2]
    count += (red, green, blue) == (0, 0, 255)
print(count)
PY
)"

echo "Pages stored coloured: $coloured of $pages"
echo "Resident memory now:   $now_kb kB ($((now_kb / 1024)) MiB)"
echo "Peak resident memory:  $peak_kb kB ($((peak_kb / 1024)) MiB)"
