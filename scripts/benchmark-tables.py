#!/usr/bin/env python3
"""Writes docs/benchmarks.md from the JSON of a benchmark run:

  build/bench/vellumix-bench --benchmark_format=json --benchmark_repetitions=3 \\
      --benchmark_report_aggregates_only=true > bench.json
  scripts/benchmark-tables.py bench.json > docs/benchmarks.md

Every figure comes from the run; only which operation is bounded by which
floor or peer, and the goal it is held to, are written here.
"""
import json
import sys

# Operation, its floor or peer in the same run, the goal (None: no goal).
BOUNDS = [
    ("BM_StartupToFirstPaint", "BM_Peer_CopySixteenPageFiles", "< 150 ms"),
    ("BM_StartupToFirstPaintAt2x", "BM_Peer_CopySixteenPageFiles", "< 150 ms"),
    ("WindowBench/TurnFrame", "BM_Peer_TurnFrameTwoBlits", "small beside the 10 ms pause"),
    ("WindowBench/PageTurnForward", "BM_Peer_TwentySevenPauses", "within 10 %"),
    ("WindowBench/PageTurnBackward", "BM_Peer_TwentySevenPauses", "within 10 %"),
    ("WindowBenchAt2x/PageTurnForward", "BM_Peer_TwentySevenPauses", None),
    ("WindowBenchAt2x/PageTurnBackward", "BM_Peer_TwentySevenPauses", None),
    ("WindowBench/NextButtonClick", "BM_Peer_TwentySevenPauses", "within 10 %"),
    ("WindowBench/SavePic", "BM_Peer_PlainFileWrite", None),
    ("BM_BmpToJpeg", "BM_Peer_TjCompress2InMemory", None),
    ("BM_FillWholeBlankPage", "BM_CopyFloor", "< 2.5 ×"),
    ("BM_TextbookFillWholeBlankPage", "BM_CopyFloor", None),
    ("BM_FillLargestAreaOfRealPage", "BM_CopyFloor", "< 2 ×"),
    ("BM_ReleaseStamp", "BM_CopyFloor", "< 1.5 ×"),
    ("BM_Stroke200Segments", "BM_CopyFloor", None),
    ("BM_Eraser200Blocks", "BM_CopyFloor", None),
    ("BM_UndoRedo_MarginOfPage1", "BM_UndoRedo_PeerMemcpy", "< 2 ms"),
    ("BM_UndoRedo_BlankPage", "BM_UndoRedo_PeerMemcpy", "< 2 ms"),
]
TO_NS = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}


def shown(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def runs_of(name, medians):
    """The runs of a benchmark: itself and its arguments (name/...)."""
    return sorted(run for run in medians if run == name or run.startswith(name + "/"))


def main(path):
    with open(path, encoding="utf-8") as f:
        run = json.load(f)
    medians, spread, repetitions = {}, {}, 0
    for row in run["benchmarks"]:
        if row.get("run_type") != "aggregate":
            continue
        name = row["run_name"]
        repetitions = max(repetitions, row.get("repetitions", 0))
        if row["aggregate_name"] == "median":
            medians[name] = row["real_time"] * TO_NS[row["time_unit"]]
        elif row["aggregate_name"] == "cv":
            spread[name] = row["real_time"]
    if not medians:
        sys.exit(f"{path}: no medians; run the benchmark with --benchmark_repetitions=3")
    c = run["context"]
    out = [
        "# Benchmarks",
        "",
        "Written by `scripts/benchmark-tables.py` from one run of `build/bench/vellumix-bench`; not",
        f"edited by hand. Real time, medians of {repetitions} repetitions, on "
        f"{c.get('num_cpus')} processors at {c.get('mhz_per_cpu')} MHz, "
        f"Google Benchmark's library a {c.get('library_build_type', '')} build, {c.get('date', '')}"
        + (f", load {' / '.join(f'{x:.1f}' for x in c['load_avg'])}" if c.get("load_avg") else "")
        + ".",
        "",
        "## Against a floor or a peer of the same run",
        "",
        "`path:0` is the fill the program uses (AVX2 where the processor has it), `path:1` SSE2,",
        "`path:2` 64-bit words; `dirty:1` runs with the vector registers' upper halves dirty. A goal",
        "holds for `path:0`.",
        "",
        "| Operation | Median | Floor or peer | Its median | Ratio | Goal |",
        "|---|---|---|---|---|---|",
    ]
    for operation, bound, goal in BOUNDS:
        bounds = runs_of(bound, medians)
        for run_name in runs_of(operation, medians) if bounds else []:
            ratio = medians[run_name] / medians[bounds[0]]
            out.append(f"| `{run_name}` | {shown(medians[run_name])} | `{bounds[0]}` | "
                       f"{shown(medians[bounds[0]])} | {ratio:.2f} | {goal or '—'} |")
    out += ["", "## Every benchmark", "", "| Benchmark | Median | Spread (cv) |", "|---|---|---|"]
    for name in sorted(medians):
        cv = f"{spread[name] * 100:.1f} %" if name in spread else "—"
        out.append(f"| `{name}` | {shown(medians[name])} | {cv} |")
    print("\n".join(out))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: benchmark-tables.py <benchmark JSON>")
    main(sys.argv[1])
