#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert,
# from librsvg2-bin). The PNGs are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.brushwell.Brushwell.svg -o "org.brushwell.Brushwell-$size.png"
done
