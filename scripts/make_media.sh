#!/usr/bin/env bash
# Regenerates the program's sounds and images in content/ with the
# project's own tools (tools/make_sounds, tools/make_images).
#
#   scripts/make_media.sh [BUILD_FOLDER]
#
# BUILD_FOLDER defaults to build-media. The spoken words need Festival with
# its HTS voice (English) and espeak-ng (the other languages); they are
# installed here when missing, since only this script needs them. sox prints
# a table of lengths and levels, and pocketsphinx, when present, what a
# speech recogniser hears in each English word.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-media}
content=$here/content

voices=(espeak-ng festival festvox-us-slt-hts)
missing=()
for p in "${voices[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "make_media: installing ${missing[*]} for the spoken words"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target make_sounds make_images -j2

echo "Sounds:"
nice -n 10 "$build/tools/make_sounds/make_sounds" "$content" --espeak "$(command -v espeak-ng)" \
  --text2wave "$(command -v text2wave)"
echo "Images:"
QT_QPA_PLATFORM=offscreen "$build/tools/make_images/make_images" "$content"

if command -v sox >/dev/null 2>&1; then
  echo
  printf '%-40s %8s %8s %8s\n' "sound" "seconds" "RMS dB" "peak dB"
  for f in "$content"/*.wav "$content"/voices/*/*.wav; do
    stats=$(sox "$f" -n stats 2>&1)
    secs=$(sox --i -D "$f")
    rms=$(awk '/^RMS lev dB/ {print $4}' <<<"$stats")
    peak=$(awk '/^Pk lev dB/ {print $4}' <<<"$stats")
    printf '%-40s %8.2f %8s %8s\n' "${f#"$content"/}" "$secs" "$rms" "$peak"
  done
  du -ch "$content"/aobj_*.{wav,jpg,bmp} "$content"/goodjob* "$content"/s_song* "$content"/stop.wav \
    "$content"/voices | tail -1 | sed 's/total/in all (sounds and images)/'
else
  echo "(sox not found: no table of lengths and levels)"
fi

if command -v pocketsphinx_continuous >/dev/null 2>&1 && command -v sox >/dev/null 2>&1; then
  echo
  echo "What a speech recogniser (pocketsphinx, en-us) hears:"
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  for f in "$content"/aobj_voice_*.wav "$content"/goodjob*.wav "$content"/aobj_prs.wav "$content"/aobj_name_*.wav; do
    sox "$f" -r 16000 "$scratch/in.wav"
    heard=$(pocketsphinx_continuous -infile "$scratch/in.wav" -logfn /dev/null 2>/dev/null | tr '\n' ' ')
    printf '%-30s %s\n' "$(basename "$f")" "$heard"
  done
fi
