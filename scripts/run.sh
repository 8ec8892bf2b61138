#!/usr/bin/env bash
# Builds Brushwell and starts it from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/Brushwell/brushwell
