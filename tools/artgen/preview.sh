#!/bin/sh
# Builds artgen, regenerates assets/ and writes review sheets to a folder outside the
# repository (default /tmp/art), with an animated GIF of each pin-up figure.
#   tools/artgen/preview.sh [folder]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-/tmp/art}
build=${ARTGEN_BUILD:-$root/build-art}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target artgen >/dev/null
"$build/tools/artgen/artgen" "$root" --preview "$out"
for figure in YY XX; do
    # 120 ms a frame: the pace of the animation around level 8.
    convert -delay 12 -loop 0 "$out/gif$figure"/*.png "$out/pinup_$figure.gif"
done
echo "review sheets and animations in $out"
