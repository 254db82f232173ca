#!/usr/bin/env bash
# Counts what the tests weigh beside the program: test cases (every GoogleTest
# binary's --gtest_list_tests, a parameterised case's instances each counted),
# and lines that are neither blank nor only a comment, of the program, of the
# tests and of the benchmarks.
#   scripts/count-lines.sh [build folder]   (default: build)
# Without a built tree it prints the line counts alone.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

# Lines that are not blank and not only a comment: //, /* ... */ in C++,
# # in shell, Python and CMake.
code_lines() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \
        -o -name 'CMakeLists.txt' \) -print0 | xargs -0 -r awk '
        FNR == 1 { block = 0; hash = FILENAME !~ /\.(cpp|h)$/ }
        {
            line = $0
            if (hash) {
                sub(/^[[:space:]]*#.*/, "", line)
            } else {
                if (block) {
                    if (!sub(/^.*\*\//, "", line)) next
                    block = 0
                }
                while (match(line, /\/\*/)) {
                    rest = substr(line, RSTART + 2)
                    if (match(rest, /\*\//)) line = substr(line, 1, index(line, "/*") - 1) substr(rest, RSTART + 2)
                    else { line = substr(line, 1, index(line, "/*") - 1); block = 1; break }
                }
                sub(/^[[:space:]]*\/\/.*/, "", line)
            }
            if (line ~ /[^[:space:]]/) count++
        }
        END { print count + 0 }'
}

program_folders=(book pixels resources controls colouring postcardprotocol postcard app postcardservice)
program=$(code_lines "${program_folders[@]}")
tools=$(code_lines tools)
tests=$(code_lines tests)
bench=$(code_lines bench)

cases=""
if [ -d "$build/tests" ]; then
    cases=0
    binaries=0
    while IFS= read -r -d '' binary; do
        listing=$(QT_QPA_PLATFORM=offscreen timeout 60 "$binary" --gtest_list_tests 2>/dev/null) || continue
        grep -q '^[^ ].*\.$' <<<"$listing" || continue
        binaries=$((binaries + 1))
        cases=$((cases + $(grep -c '^  ' <<<"$listing" || true)))
    done < <(find "$build/tests" -type f -executable -not -name '*.so*' -print0)
fi

share() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "Program lines (${program_folders[*]}): $program"
echo "Tool lines (tools): $tools"
echo "Test lines (tests): $tests   share of the program: $(share "$tests" "$program")"
echo "Benchmark lines (bench): $bench   tests and benchmarks: $(share $((tests + bench)) "$program")"
[ -z "$cases" ] || echo "Test cases: $cases in $binaries binaries"
