#!/usr/bin/env bash
# Fails when an include points up the layer order: a header of a higher
# layer, a header named with "../" or a project header in <...>. It reads the
# source tree itself (the given folder, else the one this script lies in), so
# it needs no git and sees files not yet committed. The links are checked by
# CMake itself (cmake/Layers.cmake), which also holds the layers' order: a
# file may use its own layer and those below; folders joined by "+" share a rank.
set -uo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root" || exit 2
# shellcheck disable=SC2207 # the names hold no spaces
LAYERS=($(sed -n '/^set(VX_LAYERS/,/)/{s/set(VX_LAYERS//;s/)//;p}' cmake/Layers.cmake 2>/dev/null))

folders=()
for rank in "${LAYERS[@]}"; do
    IFS=+ read -ra names <<<"$rank"
    for name in "${names[@]}"; do
        [[ -d $name ]] && folders+=("$name")
    done
done

if ((${#folders[@]} == 0)); then
    echo "check-layers: none of the layers' folders is in $root" >&2
    exit 2
fi
sources=$(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort) || exit 2
if [[ -z $sources ]]; then
    echo "check-layers: no sources in the layers' folders" >&2
    exit 2
fi

# shellcheck disable=SC2086 # one path a line, none with spaces
awk -v layers="${LAYERS[*]}" '
    BEGIN {
        ranks = split(layers, rankOf, " ")
        n = 0
        for (r = 1; r <= ranks; r++) {
            k = split(rankOf[r], names, "+")
            for (i = 1; i <= k; i++) { n++; layer[n] = names[i]; layerRank[n] = r }
        }
    }
    # The rank of the layer a path lies in (its longest matching folder), 0 outside them.
    function rank(path,   i, best, len) {
        best = 0; len = 0
        for (i = 1; i <= n; i++)
            if (index(path, layer[i] "/") == 1 && length(layer[i]) > len) {
                best = layerRank[i]; len = length(layer[i])
            }
        return best
    }
    function fail(where, what) {
        printf "%s: %s\n", where, what > "/dev/stderr"
        failed = 1
    }
    {
        checked++
        line = $0
        if (line !~ /^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]/) next
        sub(/^[[:space:]]*#[[:space:]]*include[[:space:]]*/, "", line)
        quote = substr(line, 1, 1)
        header = substr(line, 2); sub(/[">].*$/, "", header)
        where = FILENAME ":" FNR
        if (index(header, "../"))
            fail(where, "includes " header " by climbing folders; name it from the project root")
        else if (quote == "<" && rank(header) > 0)
            fail(where, "includes the project header " header " as a system one; use quotes")
        else if (rank(header) > rank(FILENAME))
            fail(where, "includes " header ", from a layer above its own")
    }
    END {
        if (failed) exit 1
        if (!checked) { print "check-layers: no source lines read" > "/dev/stderr"; exit 2 }
        print "Layers: every include points down the layer order."
    }' $sources
