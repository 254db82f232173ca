#!/usr/bin/env bash
# Counts what the tests weigh beside the program: test cases (CTest's list,
# where every GoogleTest case, each instance of a parameterised one, is a test
# of its own), and lines that are neither blank nor only a comment, of the program, of the
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
                    # A "/*" inside a string opens no comment.
                    before = substr(line, 1, RSTART - 1)
                    if (gsub(/"/, "", before) % 2) break
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
if [ -f "$build/CTestTestfile.cmake" ]; then
    listing=$(QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -N 2>/dev/null)
    cases=$(grep -c '^ *Test  *#' <<<"$listing" || true)
    scripts=$(grep -c '^ *Test  *#[0-9]*: [A-Za-z]*$' <<<"$listing" || true)
fi

share() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "Program lines (${program_folders[*]}): $program"
echo "Tool lines (tools): $tools"
echo "Test lines (tests): $tests   share of the program: $(share "$tests" "$program")"
echo "Benchmark lines (bench): $bench   tests and benchmarks: $(share $((tests + bench)) "$program")"
[ -z "$cases" ] || echo "Test cases (ctest -N): $cases, of them $scripts not GoogleTest cases"
