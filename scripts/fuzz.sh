#!/usr/bin/env bash
# Builds the fuzz harnesses of tests/fuzz with clang (libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) into build-fuzz/ and runs one
# harness, or each in turn, for the given seconds.
#
#   scripts/fuzz.sh [settings|picture_list|section_file|picture|sound|all] [seconds]
#
# Defaults: all, 600 seconds each. The corpus grows in build-fuzz/corpus/<harness>/
# from seeds in content/ and the committed regressions; with CI=true it starts
# from those alone on every run. A failing input is written to
# build-fuzz/findings/<harness>/ and its path printed; once its cause is fixed,
# minimise it
#   build-fuzz/tests/fuzz/fuzz_<harness> -minimize_crash=1 -runs=10000 -exact_artifact_path=OUT INPUT
# and commit it under tests/fuzz/regressions/<harness>/, where the normal
# test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
# Absolute paths: a harness may change the current folder, as the program does.
root=$PWD
which=${1:-all}
seconds=${2:-600}
all=(settings picture_list section_file picture sound)
if [ "$which" = all ]; then harnesses=("${all[@]}"); else harnesses=("$which"); fi

bash scripts/install_deps.sh
missing=()
for p in clang libclang-rt-dev llvm; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRUSHWELL_FUZZ=ON -DBRUSHWELL_TESTS=OFF >/dev/null
for h in "${harnesses[@]}"; do cmake --build build-fuzz -j"$(nproc)" --target "fuzz_$h"; done

# Seeds: the small shipped files each reader meets, and a few encodings of
# one shipped sound so that each of SDL's WAV decoders has a start.
seeds=build-fuzz/seeds
rm -rf "$seeds"; mkdir -p "$seeds"/{settings,picture_list,section_file,picture,sound}
cp content/aobj_se1.cfg content/aobj_se2.cfg "$seeds/settings/"
cp content/*.pcf "$seeds/picture_list/"
cp content/*.dat "$seeds/section_file/"
cp content/aobj_pb.bmp content/aobj_tube_red.jpg content/aobj_small_tube_tan.jpg "$seeds/picture/"
convert content/apple.bmp -colors 4 "$seeds/picture/apple.png"
convert content/apple.bmp -colors 4 BMP3:"$seeds/picture/apple-8bit.bmp" 2>/dev/null || true
cp content/aobjsqrt.wav "$seeds/sound/"
short=$seeds/sound/short.wav
sox content/aobjsqrt.wav "$short" trim 0 0.02
for enc in "-e unsigned -b 8" "-e a-law" "-e mu-law" "-e ima-adpcm" "-e ms-adpcm" "-e floating-point -b 32"; do
  sox "$short" $enc "$seeds/sound/short${enc// /}.wav"
done
sox "$short" -c 2 -r 44100 "$seeds/sound/short-stereo.wav"

# The readers write their files to a temporary folder: keep it in memory.
export TMPDIR=/dev/shm/brushwell-fuzz
mkdir -p "$TMPDIR"
export ASAN_OPTIONS="detect_leaks=0:allocator_may_return_null=0"
failed=()
for h in "${harnesses[@]}"; do
  corpus=$root/build-fuzz/corpus/$h
  findings=$root/build-fuzz/findings/$h
  [ "${CI:-}" = true ] && rm -rf "$corpus" "$findings"
  mkdir -p "$corpus" "$findings"
  inputs=("$corpus" "$root/$seeds/$h")
  [ -d "tests/fuzz/regressions/$h" ] && inputs+=("$root/tests/fuzz/regressions/$h")
  echo "=== fuzz_$h for ${seconds}s (log: build-fuzz/fuzz_$h.log)"
  status=0
  build-fuzz/tests/fuzz/fuzz_$h "${inputs[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -timeout=10 -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 \
    >"build-fuzz/fuzz_$h.log" 2>&1 || status=$?
  grep -E "INITED|DONE|ERROR|SUMMARY|stat::number_of_executed_units|stat::average_exec_per_sec|Test unit written" \
    "build-fuzz/fuzz_$h.log" || true
  if [ $status -ne 0 ]; then
    failed+=("$h")
    echo "--- end of build-fuzz/fuzz_$h.log"
    tail -40 "build-fuzz/fuzz_$h.log"
    for f in "$findings"/*; do if [ -e "$f" ]; then echo "Finding of fuzz_$h: $f"; fi; done
  fi
done
rm -rf "$TMPDIR"
if [ ${#failed[@]} -gt 0 ]; then echo "Findings in: ${failed[*]}"; exit 1; fi
echo "No findings."
