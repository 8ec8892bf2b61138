#!/usr/bin/env bash
# Regenerates the program's sounds and images in content/ with the
# project's own tools (tools/make_sounds, tools/make_images).
#
#   scripts/make_media.sh [BUILD_FOLDER]
#
# BUILD_FOLDER defaults to build-media. Needs espeak-ng for the spoken words;
# sox, when present, is used to print a table of lengths and levels.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-media}
content=$here/content

if ! command -v espeak-ng >/dev/null 2>&1; then
  echo "make_media: espeak-ng is needed to make the spoken words." >&2
  echo "            On Debian: apt-get install espeak-ng" >&2
  exit 1
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target make_sounds make_images -j2

echo "Sounds:"
"$build/tools/make_sounds/make_sounds" "$content" --espeak "$(command -v espeak-ng)"
echo "Images:"
QT_QPA_PLATFORM=offscreen "$build/tools/make_images/make_images" "$content"

if command -v sox >/dev/null 2>&1; then
  echo
  printf '%-24s %8s %8s %8s\n' "sound" "seconds" "RMS dB" "peak dB"
  for f in "$content"/*.wav; do
    stats=$(sox "$f" -n stats 2>&1)
    secs=$(sox --i -D "$f")
    rms=$(awk '/^RMS lev dB/ {print $4}' <<<"$stats")
    peak=$(awk '/^Pk lev dB/ {print $4}' <<<"$stats")
    printf '%-24s %8.2f %8s %8s\n' "$(basename "$f")" "$secs" "$rms" "$peak"
  done
  du -ch "$content"/aobj_*.{wav,jpg,bmp} "$content"/goodjob* "$content"/s_song* "$content"/stop.wav |
    tail -1 | sed 's/total/in all (sounds and images)/'
else
  echo "(sox not found: no table of lengths and levels)"
fi
