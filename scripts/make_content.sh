#!/usr/bin/env bash
# Regenerates every generated file of the program folder in content/: the
# sounds and images (make_media.sh), then the shipped pictures and their
# section files (make_pictures.sh). The results are committed, so users never
# need to run this.
#
#   scripts/make_content.sh [BUILD_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/install_deps.sh"
build=${1:-$here/../build-content}
bash "$here/make_media.sh" "$build"
bash "$here/make_pictures.sh" "$build"
