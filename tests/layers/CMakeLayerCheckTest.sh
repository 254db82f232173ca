#!/usr/bin/env bash
# CMake's own layer check on a scratch copy of the tree: each row's offence,
# planted in the copy alone, fails the configuration with its message.
set -uo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$source_dir" && find . -mindepth 1 -maxdepth 1 ! -name 'build*' ! -name '.git' \
    -exec cp -a -t "$scratch" {} +) || exit 1

# file | text appended (\n for a new line) | what the configuration says
rows=(
    'postcardservice/CMakeLists.txt|target_link_libraries(vx_postcardservice PRIVATE vx_app)|vx_postcardservice (postcardservice) links vx_app, a library of app'
    'postcardservice/CMakeLists.txt|target_link_libraries(vx_postcardservice PRIVATE Qt6::Widgets)|vx_postcardservice (postcardservice) links Qt6::Widgets, which postcardservice/ may not use'
    'notalayer/Stray.h|// a header outside the layers|notalayer/ holds sources but is not one of the layers'
    'colouring/CMakeLists.txt|set(window vx_app)\ntarget_link_libraries(vx_colouring PUBLIC ${window})|vx_colouring (colouring) links vx_app'
    'pixels/CMakeLists.txt|include_directories(${CMAKE_SOURCE_DIR})|pixels/CMakeLists.txt sets include directories for a whole folder'
)
status=0
for row in "${rows[@]}"; do
    IFS='|' read -r file text says <<<"$row"
    mkdir -p "$(dirname "$scratch/$file")"
    cp -a "$scratch/$file" "$scratch/$file.orig" 2>/dev/null || : >"$scratch/$file.orig"
    printf '%b\n' "$text" >>"$scratch/$file"
    # One build folder for every row: its cache spares finding the packages again.
    output=$(cmake -S "$scratch" -B "$scratch/build" -G Ninja -DVELLUMIX_BUILD_TESTS=OFF \
        -DVELLUMIX_BUILD_BENCH=OFF 2>&1)
    code=$?
    output=$(tr -s ' \n' ' ' <<<"$output") # CMake wraps its messages
    if [[ $code == 0 || $output != *"$says"* ]]; then
        echo "FAIL $file gets $text: exit $code, output: $output"
        status=1
    else
        says=${output#*Layers: }
        echo "ok   $file gets $text: ${says%% Call Stack*}"
    fi
    mv "$scratch/$file.orig" "$scratch/$file"
    [[ -s $scratch/$file ]] || rm -rf "$scratch/notalayer"
done
exit $status
