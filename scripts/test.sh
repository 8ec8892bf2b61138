#!/usr/bin/env bash
# Builds Brushwell and runs every test: unit, widget/session (offscreen) and
# end-to-end (the real program folder under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure --timeout 600 "$@"
