#!/usr/bin/env bash
# Builds everything (core, program, tools, tests) with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs the whole test
# suite there, the end-to-end tests included (they run the sanitized
# program). Fails when any test fails or any sanitizer report was written,
# also one from a process that otherwise ended well.
# Extra arguments go to ctest, e.g. scripts/test-sanitized.sh -LE e2e
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRUSHWELL_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"

# Every report goes to a file of its own (named for the program and its
# process), so none is lost in the output of a test that passed, and the
# first error ends its process with a failure: memory errors abort, and
# undefined behaviour is built not to recover. Leaks are checked when a
# program ends; the suppressions name only leaks inside system libraries.
reports=$PWD/build-sanitize/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
common="halt_on_error=1:abort_on_error=1:log_exe_name=1"
export ASAN_OPTIONS="$common:detect_leaks=1:log_path=$reports/asan"
export UBSAN_OPTIONS="$common:print_stacktrace=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"

# The sanitized program runs two to three times slower: the end-to-end
# scripts wait longer between the keys they type.
export E2E_SLOW=3

status=0
# One test at a time: several tests measure how long sounds and waits take.
# LeakSanitizer's own tracer now and then crashes while it stops a
# program's threads at exit ("Tracer caught signal 11 ... LeakSanitizer
# has encountered a fatal error"): the leak check could not run, and the
# aborted program fails its test. Such a test gets a second run.
(cd build-sanitize && ctest --output-on-failure --timeout 1200 --repeat until-pass:2 "$@") || status=$?

shopt -s nullglob
findings=()
untraced=()
for f in "$reports"/*; do
  # The tracer's crash alone is no finding; anything else in the file is.
  if grep -q "LeakSanitizer has encountered a fatal error" "$f" &&
     ! grep -qE "ERROR: (AddressSanitizer|LeakSanitizer: detected)|runtime error|SUMMARY" "$f"; then
    untraced+=("$f")
  else
    findings+=("$f")
  fi
done
if [ ${#untraced[@]} -gt 0 ]; then
  echo "Leak check not done in ${#untraced[@]} process(es): LeakSanitizer's tracer failed (not a finding):"
  printf '  %s\n' "${untraced[@]}"
fi
if [ ${#findings[@]} -gt 0 ]; then
  echo "Sanitizer reports (${#findings[@]}):"
  for f in "${findings[@]}"; do
    echo "=== $f"
    head -60 "$f"
  done
  status=1
else
  echo "Sanitizer reports: 0"
fi
exit $status
