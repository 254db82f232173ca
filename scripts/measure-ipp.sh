#!/usr/bin/env bash
# Instructions per pixel of the whole-blank-page fill on every code path this
# processor runs, counted by callgrind: machine-independent and repeatable,
# unlike the timings. Counts everything surfaceFill executes, calls included.
#
# Usage: scripts/measure-ipp.sh [build folder]   (default: build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
bench="$build/bench/vellumix-bench"
command -v valgrind >/dev/null || { echo "measure-ipp: valgrind is missing" >&2; exit 1; }
[ -x "$bench" ] || { echo "measure-ipp: no $bench; build vellumix-bench first" >&2; exit 1; }
places_tool="$build/tools/places/vellumix-places"
[ -x "$places_tool" ] || { echo "measure-ipp: no $places_tool; build it first" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
read -r width height <<<"$("$places_tool" | awk '$1 == "picture" { print $2, $3 }')"
pixels=$((width * height))

for name in $("$bench" --benchmark_list_tests --benchmark_filter='^BM_FillWholeBlankPage/dirty:0/'); do
  out="$scratch/callgrind.out"
  valgrind --tool=callgrind --callgrind-out-file="$out" \
    "$bench" --benchmark_filter="^$name\$" --benchmark_min_time=0.01 \
    --benchmark_format=json >"$scratch/run.json" 2>/dev/null
  /usr/bin/python3 - "$out" "$scratch/run.json" "$name" "$pixels" <<'PY'
import json, re, sys
out, run, name, pixels = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
names, callee, calls, cost = {}, None, 0, 0
lines = iter(open(out))
for line in lines:
    m = re.match(r"c?fn=\((\d+)\)(?: (.*))?", line.rstrip("\n"))
    if m:
        if m.group(2):
            names[m.group(1)] = m.group(2)
        if line.startswith("cfn="):
            callee = names.get(m.group(1), "")
        continue
    if line.startswith("calls=") and callee.startswith("surfaceFill("):
        calls += int(line.split()[0][len("calls="):])
        cost += int(next(lines).split()[-1])  # inclusive instructions of those calls
label = json.load(open(run))["benchmarks"][0].get("label", "?")
print(f"{name} ({label}): {calls} fills, {cost / calls / pixels:.2f} instructions per pixel")
PY
done
