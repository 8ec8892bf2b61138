#!/usr/bin/env bash
# Renders the application icons' PNG sizes from their SVGs (needs
# rsvg-convert, from librsvg2-bin): Brushwell's and the Picture Workshop's.
# The PNGs are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for icon in org.brushwell.Brushwell org.brushwell.Brushwell.Workshop; do
  for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icon.svg" -o "$icon-$size.png"
  done
done
