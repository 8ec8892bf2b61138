#!/usr/bin/env bash
# Regenerates the shipped colouring pictures from their line drawings:
# content/drawings/NAME.drawing -> content/NAME.bmp and its section file
# content/NAME.bmp.dat. Previews (sections tinted and numbered in colouring
# order) go to the preview folder, outside content/ so they are not shipped.
#
#   scripts/make_pictures.sh [build folder] [preview folder]
#
# The build folder (default: build) is configured and the picture tool built
# in it when needed. Stops with an error when any picture draws a warning.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
previews="${2:-$build/picture-previews}"
tool="$build/Brushwell/brushwell-picture-maker"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target brushwell-picture-maker -j2

mkdir -p "$previews"
failed=0
for drawing in "$root"/content/drawings/*.drawing; do
  name="$(basename "$drawing" .drawing)"
  # No section under 600 pixels or too narrow for the pointer: such regions
  # stay white as details.
  if ! "$tool" "$drawing" -o "$root/content/$name.bmp" --preview "$previews/$name.png" --min-area 600 --details --pointer-room --pointers "$root/content"; then
    echo "*** $name needs attention" >&2
    failed=1
  fi
done
exit "$failed"
