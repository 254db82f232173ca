#!/usr/bin/env bash
# Fails when a source file includes a header from a layer above its own.
# The layers, lowest first; a file may include its own layer and those below,
# and tools/, tests/ and bench/ sit together above every library layer.
set -uo pipefail
cd "$(dirname "$0")/.."

git ls-files -z '*.cpp' '*.h' | xargs -0 grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
    awk '
    BEGIN {
        n = split("pixels resources controls state colouring postcardprotocol postcard app postcardservice tools tests bench", layer, " ")
        top = 10 # tools, tests and bench share a rank
    }
    # The rank of the layer a path lies in (its longest matching folder), 0 outside them.
    function rank(path,   i, best, length_) {
        best = 0; length_ = 0
        for (i = 1; i <= n; i++)
            if (index(path, layer[i] "/") == 1 && length(layer[i]) > length_) {
                best = i; length_ = length(layer[i])
            }
        return best > top ? top : best
    }
    {
        split($0, part, ":")
        file = part[1]; line = part[2]
        header = $0; sub(/^[^"]*"/, "", header); sub(/".*$/, "", header)
        own = rank(file); theirs = rank(header)
        if (own > 0 && theirs > own) {
            printf "%s:%s: includes %s, from a layer above its own\n", file, line, header > "/dev/stderr"
            failed = 1
        }
    }
    END {
        if (failed) exit 1
        print "Layers: every include points down the layer order."
    }'
