#!/usr/bin/env bash
# Installs the Debian packages Brushwell needs to build, run and test, when
# any of them is missing. Safe to run again: it does nothing when all are there.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-qpa-plugins libgl-dev
  libsdl2-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libqt6svg6   # SVG drawings in the Picture Workshop
  qt6-charts-dev libqt6opengl6-dev     # the Progress screen's charts
  qt6-multimedia-dev libqt6multimediawidgets6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  gstreamer1.0-libav ffmpeg            # the camera switch; ffmpeg makes the tests' videos
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n   # carer screens in six languages
  xvfb xauth xdotool imagemagick poppler-utils sox espeak-ng fonts-dejavu-core
  gcovr desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
