#!/usr/bin/env bash
# The layer check on a scratch copy of the tree (no git there): the copy as
# it stands passes; each row's offence, added to it alone, fails with its
# message and without the success line.
set -uo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
check=$source_dir/scripts/check-layers.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The sources and CMake files, without the build folders.
mkdir "$scratch/tree"
(cd "$source_dir" && find . \( -name 'build*' -o -name .git \) -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name Layers.cmake \) -print0 |
    xargs -0 cp --parents -t "$scratch/tree") || exit 1

status=0
expect() { # name, wanted status (0 or "fail"), text the output must hold, folder
    local output code
    output=$("$check" "$4" 2>&1)
    code=$?
    if [[ $2 == 0 && $code != 0 || $2 == fail && $code == 0 ]] || [[ $output != *"$3"* ]] ||
        [[ $2 == fail && $output == *"Layers: every"* ]]; then
        echo "FAIL $1: exit $code, output: $output"
        status=1
    else
        echo "ok   $1"
    fi
}

expect "the tree as it stands" 0 "Layers: every include points down" "$scratch/tree"

# file | line added (\n for a new line) | what the check says
rows=(
    'colouring/Canvas.h|#include "app/frmCANVAS.h"|colouring/Canvas.h:'
    'book/Colour.h|#include "../book/DataFiles.h"|by climbing folders'
    'controls/Twips.cpp|#include <controls/Twips.h>|as a system one'
    'colouring/NotYetCommitted.h|#include "postcard/frmPostcard.h"|from a layer above its own'
)
for row in "${rows[@]}"; do
    IFS='|' read -r file line says <<<"$row"
    copy=$scratch/row
    cp -a "$scratch/tree" "$copy" || exit 1
    printf '%b\n' "$line" >>"$copy/$file"
    expect "$file gets $line" fail "$says" "$copy"
    rm -rf "$copy"
done
expect "an empty folder" fail "none of the layers' folders" "$(mkdir "$scratch/empty" && echo "$scratch/empty")"
exit $status
