#!/usr/bin/env bash
# Builds the Debian package from build/ (cpack -G DEB, as the README shows)
# and checks it with lintian, which must find no error. Installs lintian
# when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
if ! dpkg-query -W -f='${Status}' lintian 2>/dev/null | grep -q "install ok installed"; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends lintian
fi

rm -f build/brushwell_*.deb
(cd build && cpack -G DEB)
debs=(build/brushwell_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "cpack made no single package: ${debs[*]}"; exit 1; }

# Errors fail; warnings and the rest are shown for the reader.
echo "=== lintian ${debs[0]}"
lintian --fail-on error --display-info --tag-display-limit 0 "${debs[0]}"
echo "lintian: no errors"
