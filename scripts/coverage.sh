#!/usr/bin/env bash
# Measures how much of src/ the test suite runs: builds build-coverage/ with
# gcov instrumentation, runs every test through ctest (unit, widget/session
# and end-to-end; the end-to-end tests start build-coverage/Brushwell/brushwell,
# whose counts are written at its exit and count too), then prints gcovr's
# line and branch summary for src/ and writes the per-file table to
# build-coverage/coverage.txt.
# Extra arguments go to ctest, e.g. scripts/coverage.sh -L e2e.
# The tests run one at a time (ctest's default; do not pass -j), so that
# only one process at a time adds its counts to the shared .gcda files.
# After sources are removed or renamed, delete build-coverage/ first: the
# notes files (.gcno) of their old objects would still be counted.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh

cmake -S . -B build-coverage -DBRUSHWELL_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-coverage -j"$(nproc)"

# Zero the counters: the build itself runs the test programs to list their
# tests, and an earlier run may have left counts behind.
find build-coverage -name '*.gcda' -delete

start=$SECONDS
status=0
(cd build-coverage && ctest --output-on-failure --timeout 600 "$@") || status=$?
echo "ctest took $((SECONDS - start)) s (exit code $status)"

# The same options every time, so that runs can be compared.
GCOVR_OPTIONS=(
  -r .
  --filter 'src/'
  --exclude 'tools/' --exclude 'tests/' --exclude 'bench/'
  --exclude '.*_autogen.*' --exclude '.*moc_.*'
  --gcov-ignore-parse-errors
  --exclude-unreachable-branches
  --exclude-throw-branches
)
gcovr "${GCOVR_OPTIONS[@]}" --print-summary --txt build-coverage/coverage.txt build-coverage
echo "per-file table: build-coverage/coverage.txt"
exit "$status"
