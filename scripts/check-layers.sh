#!/usr/bin/env bash
# Fails when an include or a link points up the layer order: a header of a
# higher layer, a header named with "../", a project header in <...>, or a
# CMake target linking a library of a higher layer. It reads the source tree
# itself (the given folder, else the one this script lies in), so it needs no
# git and sees files not yet committed.
#
# The layers, lowest first. A file may use its own layer and those below;
# folders joined by "+" share a rank (tools, tests and bench sit together
# above every library layer).
LAYERS=(book pixels resources controls colouring postcardprotocol postcard app+postcardservice tools+tests+bench)

set -uo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root" || exit 2

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
lists=$(find "${folders[@]}" -type f -name CMakeLists.txt | sort) || exit 2
if [[ -z $sources || -z $lists ]]; then
    echo "check-layers: no sources or no CMakeLists.txt in the layers' folders" >&2
    exit 2
fi

# Reads every CMakeLists.txt twice: first which folder defines each vx_
# library, then what each target links.
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
    FNR == 1 { inLink = 0 }
    # Sources: the includes.
    phase == "sources" {
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
        next
    }
    # CMake: which library each folder defines, then what each target links.
    { sub(/#.*/, "") } # comments may name libraries
    phase == "libraries" && match($0, /add_library[[:space:]]*\([[:space:]]*vx_[A-Za-z0-9_]+/) {
        name = substr($0, RSTART, RLENGTH); sub(/.*\([[:space:]]*/, "", name)
        libraryRank[name] = rank(FILENAME)
        next
    }
    phase == "links" {
        text = $0
        if (!inLink && match(text, /target_link_libraries[[:space:]]*\(/)) {
            inLink = 1; linkLine = FNR; first = 1
            text = substr(text, RSTART + RLENGTH)
        }
        if (!inLink) next
        closing = index(text, ")")
        if (closing) text = substr(text, 1, closing - 1)
        count = split(text, word, /[[:space:]:<>$]+/)
        for (i = 1; i <= count; i++) {
            if (word[i] == "") continue
            if (first) { first = 0; continue } # the target itself
            if (word[i] in libraryRank && libraryRank[word[i]] > rank(FILENAME))
                fail(FILENAME ":" linkLine, "links " word[i] ", a library of a layer above its own")
        }
        if (closing) inLink = 0
    }
    END {
        if (failed) exit 1
        if (!checked) { print "check-layers: no source lines read" > "/dev/stderr"; exit 2 }
        print "Layers: every include and link points down the layer order."
    }' phase=sources $sources phase=libraries $lists phase=links $lists
